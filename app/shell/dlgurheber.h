// The about box: the program's title and version, an information field with
// its directories, the versions of the geodesy library and the graphics kit,
// the operating system, the memory figures and the geodesy library's
// disclaimer, a notice line, and buttons for the maker's home page, a mail to
// its support and closing. It changes no setting.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"
#include "platform/framework/gdi.h"

// The layout: a modal dialog from the template "dlgUrheber_vo" with its
// controls, fonts, text colours, hyperlabels and small icon.
class dlgUrheber_vo : public DialogWindow {
public:
    explicit dlgUrheber_vo(Window* oOwner);

protected:
    PushButton* oCCUrheberInternet = nullptr;
    PushButton* oCCUrheberEmail = nullptr;
    PushButton* oCCUrheberOk = nullptr;
    FixedText* oDCText1 = nullptr;
    FixedText* oDCText2 = nullptr;
    GroupBox* oDCGroupBox1 = nullptr;
    FixedIcon* oDCFixedIcon1 = nullptr;
    FixedText* oDCText5 = nullptr;
    FixedText* oDCText4 = nullptr;
    MultiLineEdit* oDCMultiLineEdit = nullptr;

private:
    template <class T>
    T* Make(int nId);
    std::array<Font, 5> fonts_;
};

class dlgUrheber : public dlgUrheber_vo {
public:
    explicit dlgUrheber(Window* oOwner);

    void UrheberOk();
    void Close(Event& oEvent) override;
    void Sprache();
    void UrheberInternet();
    void UrheberEmail();

    bool CallByName(std::string_view cName) override;
    // The dialog's numbered texts (element n - 1 is text n); empty once closed.
    const std::vector<std::string>& SprachTexte() const { return aSprachTexte; }

private:
    std::string Text(int n) const;
    std::string InfoText() const;
    std::vector<std::string> aSprachTexte;
};

// The part of the geodesy library's disclaimer (lines ending in CR LF) that
// the about box shows: its first line is left out, its second line follows
// unchanged, and the rest, with the library's name replaced by the
// program's, is wrapped into lines of at most 49 characters. A disclaimer
// without a line end is wrapped whole.
std::string DisclaimerText(const std::string& disclaimer);
