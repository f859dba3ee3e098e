// The dialog of the file tools: the program that shows the protocol file
// (key TextEditor of section Config in meridoxa.ini, written when the user
// applies) and the directory of the protocol file and of the window pictures
// (gcPfadProto, written with the other settings when the frame closes).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"
#include "platform/framework/gdi.h"

// The layout: a modal dialog from the template "dlgEditor_vo" with its
// controls, fonts, hyperlabels and small icon.
class dlgEditor_vo : public DialogWindow {
public:
    explicit dlgEditor_vo(Window* oOwner);

protected:
    SingleLineEdit* oDCEditText = nullptr;
    PushButton* oCCEditHilfe = nullptr;
    PushButton* oCCEditAbbrechen = nullptr;
    PushButton* oCCEditWeiter = nullptr;
    FixedText* oDCText1 = nullptr;
    PushButton* oCCButSuchTextEd = nullptr;
    FixedText* oDCText3 = nullptr;
    SingleLineEdit* oDCEditProto = nullptr;
    PushButton* oCCButSuchProtoPath = nullptr;

private:
    template <class T>
    T* Make(int nId);
    std::array<Font, 2> fonts_;
};

// The behaviour: opens with the stored program and the current protocol
// directory, lets the user choose both, and takes each of them over when
// applied and valid; the dialog closes only when both were valid.
class dlgEditor : public dlgEditor_vo {
public:
    explicit dlgEditor(Window* oOwner);

    void EditHilfe();
    void EditWeiter();
    void EditAbbrechen();
    void Sprache();
    void Close(Event& oEvent) override;
    void ButSuchTextEd();
    void ButSuchProtoPath();

    bool CallByName(std::string_view cName) override;
    // The dialog's numbered texts (element n - 1 is text n); empty once closed.
    const std::vector<std::string>& SprachTexte() const { return aSprachTexte; }

private:
    std::string Text(int n) const;
    std::vector<std::string> aSprachTexte;
};
