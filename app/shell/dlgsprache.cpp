#include "app/shell/dlgsprache.h"

#include <array>

#include "app/shell/globals.h"
#include "lib/meldung.h"
#include "lib/placement.h"
#include "lib/sprache.h"
#include "platform/framework/layout_item.h"
#include "platform/framework/seam.h"

namespace {

// The items of the template with their German default captions (Windows-1252).
constexpr LayoutItem kItems[] = {{100, "CHOOSEHILFE", "Hilfe", 1},
                                 {101, "CHOOSEABBRECHEN", "Abbrechen", 1},
                                 {102, "CHOOSEWEITER", "\334bernehmen", 1},
                                 {103, "COMCHOOSE", "", 2}};

}  // namespace

dlgChoose_vo::dlgChoose_vo(Window* oOwner) : DialogWindow(oOwner, "dlgChoose_vo", true)
{
    std::array<Font, 2> fonts = {Font(8, "Arial"), Font(8, "Arial")};
    fonts[0].Bold(true);
    oCCChooseHilfe = MakeLayoutControl<PushButton>(*this, kItems, 100, fonts);
    oCCChooseAbbrechen = MakeLayoutControl<PushButton>(*this, kItems, 101, fonts);
    oCCChooseWeiter = MakeLayoutControl<PushButton>(*this, kItems, 102, fonts);
    oDCComChoose = MakeLayoutControl<ListBox>(*this, kItems, 103, fonts);
    SetCaption("");
    SetHyperLabel({"DLGCHOOSE_VO", "", "", ""});
    SetIconSm(icoApp_vo(GetSystemMetrics(SM_CXSMICON)));
    PostInit();
}

dlgSprache::dlgSprache(Window* oOwner) : dlgChoose_vo(oOwner)
{
    Sprache();
    EintragSprachen();
    SetFocus(oDCComChoose->Handle());
    FenAufFenZentrieren(*this);
}

void dlgSprache::Close(Event& oEvent)
{
    texts_.clear();
    dlgChoose_vo::Close(oEvent);
}

void dlgSprache::ChooseAbbrechen()
{
    EndDialog(0);
}

void dlgSprache::ChooseHilfe()
{
    ShowHelpALink("a_spracheauswahl");
}

void dlgSprache::ChooseWeiter()
{
    int nResult = 0;
    const int nRow = oDCComChoose->CurrentItemNo();
    if (nRow > 0 && nRow != currentRow_ && static_cast<size_t>(nRow) <= gaSprachen.size()) {
        nResult = 1;
        if (gaSprachen[static_cast<size_t>(nRow - 1)].lNachfrage) {
            std::string cFrage = texts_.at(1);
            if (gaSprachen.at(currentRow_ - 1u).cCode != "eng") cFrage += "\n\n" + texts_.at(2);
            TheSeam().SystemBeep(MB_ICONQUESTION);
            if (TextBox(this, texts_.at(0), cFrage, MB_YESNO | MB_ICONQUESTION).Show() != IDYES) nResult = 0;
        }
    }
    EndDialog(nResult);
}

void dlgSprache::Sprache()
{
    texts_ = SprachDialog(*this, "DLGSPRACHE");
}

std::string dlgSprache::CSprache() const
{
    return oDCComChoose->Value();
}

void dlgSprache::EintragSprachen()
{
    currentRow_ = 1;
    std::vector<ListBoxItem> aRows;
    for (const SprachZeile& row : gaSprachen) {
        aRows.push_back({row.cText, row.cCode});
        if (row.cCode == gcSprache) currentRow_ = static_cast<unsigned short>(aRows.size());
    }
    oDCComChoose->FillUsing(aRows);
    oDCComChoose->SetCurrentItemNo(currentRow_);
}

LRESULT dlgSprache::Dispatch(Event& oEvent)
{
    const LRESULT nResult = dlgChoose_vo::Dispatch(oEvent);
    if (oEvent.message == WM_COMMAND && HIWORD(oEvent.wParam) == LBN_DBLCLK) ChooseWeiter();
    return nResult;
}

bool dlgSprache::CallByName(std::string_view cName)
{
    static const MethodTable<dlgSprache> table{{"CHOOSEABBRECHEN", &dlgSprache::ChooseAbbrechen},
                                               {"CHOOSEHILFE", &dlgSprache::ChooseHilfe},
                                               {"CHOOSEWEITER", &dlgSprache::ChooseWeiter}};
    return table.Call(*this, cName) || dlgChoose_vo::CallByName(cName);
}
