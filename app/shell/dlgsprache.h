// The language dialog: the languages whose files were found, as the language
// table lists them; the user picks one. The dialog changes nothing itself: its
// owner reads Result (1 when another language than the current one was
// accepted, else 0) and CSprache (the chosen code) after Show and switches.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"

// The choice dialog (template "dlgChoose_vo"), modal: a list over the push
// buttons Help, Cancel and Apply, with the application icon and no caption.
class dlgChoose_vo : public DialogWindow {
public:
    explicit dlgChoose_vo(Window* oOwner);

protected:
    PushButton* oCCChooseHilfe = nullptr;
    PushButton* oCCChooseAbbrechen = nullptr;
    PushButton* oCCChooseWeiter = nullptr;
    ListBox* oDCComChoose = nullptr;
};

class dlgSprache : public dlgChoose_vo {
public:
    // Lays the dialog out, loads its texts, lists the languages with the
    // current one selected and centres the dialog on oOwner; Show runs it.
    explicit dlgSprache(Window* oOwner);

    // Drops the dialog's texts, then closes it.
    void Close(Event& oEvent) override;
    // Ends the dialog with 0.
    void ChooseAbbrechen();
    // Shows the help topic of the language choice; the dialog stays open.
    void ChooseHilfe();
    // Ends the dialog with 1 when a row other than the current language is
    // selected (after a Yes when the language asks before switching), else 0.
    void ChooseWeiter();
    // The dialog's texts: 1 the caption, 2 the question before switching to a
    // language that asks, 3 its second paragraph; and the control captions.
    void Sprache();
    // The code of the selected row; empty when none is selected.
    std::string CSprache() const;
    // Lists the rows of the language table and selects the current language.
    void EintragSprachen();
    // A double-click on a row accepts it as Apply does.
    LRESULT Dispatch(Event& oEvent) override;

    bool CallByName(std::string_view cName) override;

private:
    // The row (from 1) of the current language when the list was filled; 1
    // when no row has its code.
    unsigned short currentRow_ = 1;
    std::vector<std::string> texts_;
};
