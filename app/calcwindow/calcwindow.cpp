#include "app/calcwindow/calcwindow.h"

#include <windows.h>

#include <algorithm>

#include "app/shell/globals.h"
#include "calc/formats.h"
#include "calc/texts.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/seam.h"
#include "platform/runtime/strings.h"

dtaCalcPar* goCalcPar = nullptr;

namespace {

constexpr UINT_PTR kBlinkTimer = 1;
// The blink state of the icon: 0 or 1, the next tick shows black; 2, the
// next tick restores the window's background.
unsigned char blinkState = 0;

}  // namespace

dtaCalcPar::dtaCalcPar(Window* oOwner) : dtaCalcPar_vo(oOwner)
{
    goCalcPar = this;
    EnableBorder(0);
    aFelderEdit = {oDCKoordListQ, oDCKoordListZ, oDCHelmertPar, oDCEditBezQ,    oDCEditBezZ,    oDCHalbAchsGQ,
                   oDCHalbAchsKQ, oDCHalbAchsGZ, oDCHalbAchsKZ, oDCFlatteningQ, oDCFlatteningZ, oDCKom};
    aFelderText = {oDCGruppe1,    oDCGruppe2,      oDCGruppe3,       oDCGruppe4,         oDCText1,      oDCText2,
                   oDCText3,      oDCText4,        oDCText5,         oDCText6,           oDCText7,      oDCText8,
                   oDCText9,      oDCText11,       oDCText12,        oDCText13,          oDCText14,     oDCText15,
                   oDCText16,     oCCHelmertFrame, oCCHelmertVector, oCCHelmertIso19111, oCCMolodensky, oDCCheckEllPar,
                   oDCCheckKomma, oDCCheckInvers,  oDCCheckOrgOut,   oDCCheckGeoOut};
    aFelderCombo = {oDCComFormQ, oDCComFormZ, oDCComEllQ, oDCComEllZ};
    Sprache();
    Daten();
    FillCombo(oDCComFormQ, aFormate);
    FillCombo(oDCComFormZ, aFormate);
    FillCombo(oDCComEllQ, aEllipsoide);
    FillCombo(oDCComEllZ, aEllipsoide);
    lErgebnis = false;
    lBerechnung = false;
    SetStartValues();
    if (!gcPfadProto.empty()) DeleteFileA((gcPfadProto + "protocol.log").c_str());
    for (Control* oControl : GetAllChildren()) RegisterConditionalControls(oControl);
}

dtaCalcPar::~dtaCalcPar()
{
    if (goCalcPar == this) goCalcPar = nullptr;
}

void dtaCalcPar::Destroy()
{
    aFelderText.clear();
    aFelderEdit.clear();
    aFelderCombo.clear();
    aSprachTexte.clear();
    aFormate.clear();
    aEllipsoide.clear();
    aEllParQ.clear();
    aEllParZ.clear();
    dtaCalcPar_vo::Destroy();
}

LRESULT dtaCalcPar::Dispatch(Event& oEvent)
{
    const LRESULT result = dtaCalcPar_vo::Dispatch(oEvent);
    // Typing or pasting into a full point list: the field took what fitted.
    if (oEvent.message == WM_COMMAND && HIWORD(oEvent.wParam) == EN_MAXTEXT &&
        (reinterpret_cast<HWND>(oEvent.lParam) == oDCKoordListQ->Handle() ||
         reinterpret_cast<HWND>(oEvent.lParam) == oDCKoordListZ->Handle()))
        ShowError(calc::kTextListFull);
    if (oEvent.message == WM_TIMER && oEvent.wParam == kBlinkTimer && oDCIconApp) {
        if (blinkState == 2) {
            oDCIconApp->SetBackground(Background());
            blinkState = 1;
        } else {
            oDCIconApp->SetBackground(Brush::Stock(BLACK_BRUSH));
            blinkState = 2;
        }
    }
    return result;
}

bool dtaCalcPar::CallByName(std::string_view cName)
{
    static const MethodTable<dtaCalcPar> table{{"BUTSTANDARD", &dtaCalcPar::ButStandard},
                                               {"BUTBERECHNEN", &dtaCalcPar::ButBerechnen},
                                               {"BUTDATEILESENQ", &dtaCalcPar::ButDateiLesenQ},
                                               {"BUTDATEILESENZ", &dtaCalcPar::ButDateiLesenZ},
                                               {"BUTDATEISCHREIBENQ", &dtaCalcPar::ButDateiSchreibenQ},
                                               {"BUTDATEISCHREIBENZ", &dtaCalcPar::ButDateiSchreibenZ},
                                               {"BUTDATEISCHREIBENH", &dtaCalcPar::ButDateiSchreibenH},
                                               {"BUTEDITPROTODATEI", &dtaCalcPar::ButEditProtoDatei},
                                               {"BUTDRUCKENH", &dtaCalcPar::ButDruckenH},
                                               {"BUTBEENDEN", &dtaCalcPar::ButBeenden}};
    return table.Call(*this, cName) || dtaCalcPar_vo::CallByName(cName);
}

void dtaCalcPar::ControlsAusschalten()
{
    DisableConditionalControls();
    oDCIconApp->Enable();
    oCCButHelmertHilfe->Enable();
    oCCButOnlineInfo->Enable();
    EnableMenus(false);
}

void dtaCalcPar::ControlsEinschalten()
{
    EnableConditionalControls();
    EnableMenus(true);
    EnableSide(SourceSide());
    EnableSide(TargetSide());
}

// Every item of the owner's menu bar, and its system menu, on or off.
void dtaCalcPar::EnableMenus(bool lEin)
{
    if (!Owner() || !Owner()->Handle()) return;
    HWND hOwner = Owner()->Handle();
    if (HMENU hMenu = ::GetMenu(hOwner)) {
        for (int i = 0, n = GetMenuItemCount(hMenu); i < n; ++i)
            EnableMenuItem(hMenu, static_cast<UINT>(i), MF_BYPOSITION | (lEin ? MF_ENABLED : MF_GRAYED));
        DrawMenuBar(hOwner);
    }
    Owner()->EnableSystemMenu(lEin);
}

void dtaCalcPar::EnableSide(const Side& side)
{
    const int nFormat = side.format->CurrentItemNo();
    if (!calc::NeedsEllipsoid(nFormat)) {
        for (Control* oControl :
             std::initializer_list<Control*>{side.ellipsoid, side.semiMajor, side.semiMinor, side.flattening})
            oControl->Disable();
    } else if (side.ellipsoid->CurrentItemNo() != static_cast<int>(Axes(side).size())) {
        for (Control* oControl : std::initializer_list<Control*>{side.semiMajor, side.semiMinor, side.flattening})
            oControl->Disable();
    }
}

void dtaCalcPar::Sprache()
{
    std::array<SingleLineEdit*, 3> aNamen = {oDCEditBezQ, oDCEditBezZ, oDCKom};
    std::array<bool, 3> aStandard{};
    if (!aSprachTexte.empty())
        for (size_t i = 0; i < aNamen.size(); ++i)
            aStandard[i] = AllTrim(aNamen[i]->TextValue()) == aSprachTexte[calc::kTextUnnamed - 1];
    oDCCheckInvers->SetChecked(false);
    std::vector<Control*> aControls;
    const auto aTexte = GetSprachFileControl(*this, "DTACALCPAR", aControls);
    aSprachTexte = GetSprachFileText("DTACALCPAR");
    for (size_t i = 0; i < aControls.size() && i < aTexte.size(); ++i) {
        if (!aTexte[i] || (aTexte[i]->caption.empty() && aTexte[i]->description.empty())) continue;
        HyperLabel oLabel = aControls[i]->GetHyperLabel();
        if (!aTexte[i]->caption.empty()) oLabel.caption = aTexte[i]->caption;
        if (!aTexte[i]->description.empty()) oLabel.description = aTexte[i]->description;
        aControls[i]->SetHyperLabel(oLabel);
    }
    Repaint();
    if (IsVisible()) {
        Daten();
        FillCombo(oDCComFormQ, aFormate);
        FillCombo(oDCComFormZ, aFormate);
        FillCombo(oDCComEllQ, aEllipsoide);
        FillCombo(oDCComEllZ, aEllipsoide);
    }
    if (lErgebnis && Ask(calc::kTextRecomputeLanguage)) CallByName("BUTBERECHNEN");
    for (size_t i = 0; i < aNamen.size(); ++i)
        if (aStandard[i]) aNamen[i]->SetTextValue(aSprachTexte[calc::kTextUnnamed - 1]);
}

// Refills a combo box from a list and selects the same number again; its
// drop-down list is as wide as the widest name.
void dtaCalcPar::FillCombo(ComboBox* combo, const std::vector<ListRow>& rows)
{
    const int value = combo->Value();
    std::vector<ComboItem> items;
    for (const ListRow& row : rows) items.push_back({row.name, row.number});
    combo->FillUsing(items);
    combo->SetValue(value);
    HDC dc = GetDC(combo->Handle());
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(combo->Handle(), WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const ListRow& row : rows) {
        SIZE size{};
        GetTextExtentPoint32A(dc, row.name.c_str(), static_cast<int>(row.name.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, previous);
    ReleaseDC(combo->Handle(), dc);
    const int frame = 2 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL) + 8;
    SendMessageA(combo->Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest + frame), 0);
}

// The exit button closes the program through its frame window (which
// refuses while a computation runs).
void dtaCalcPar::ButBeenden()
{
    if (Owner() && Owner()->Handle()) PostMessageA(Owner()->Handle(), WM_CLOSE, 0, 0);
}

void dtaCalcPar::Anpassen()
{
    for (RadioButton* oButton : {oCCHelmertVector, oCCHelmertFrame, oCCHelmertIso19111, oCCMolodensky})
        oButton->SetPressed(false);
    const std::array<RadioButton*, 4> aButtons = {oCCHelmertFrame, oCCHelmertVector, oCCHelmertIso19111, oCCMolodensky};
    if (wParTyp < 1 || wParTyp > 4) wParTyp = 1;
    aButtons[static_cast<size_t>(wParTyp - 1)]->SetPressed(true);
}

void dtaCalcPar::ShowError(int nNummer) const
{
    if (goFehler) goFehler->FehlerMeldung(aSprachTexte.at(static_cast<size_t>(nNummer - 1)));
}

bool dtaCalcPar::Ask(int nNummer)
{
    return TextBox(this, gcProgramm, aSprachTexte.at(static_cast<size_t>(nNummer - 1)), MB_YESNO | MB_ICONQUESTION)
               .Show() == IDYES;
}

dtaCalcPar::Side dtaCalcPar::SourceSide()
{
    return {true,
            oDCComFormQ,
            oDCComEllQ,
            oDCHalbAchsGQ,
            oDCHalbAchsKQ,
            oDCFlatteningQ,
            calc::kTextSourceEllipsoid,
            calc::kTextSourceFlattening};
}

dtaCalcPar::Side dtaCalcPar::TargetSide()
{
    return {false,
            oDCComFormZ,
            oDCComEllZ,
            oDCHalbAchsGZ,
            oDCHalbAchsKZ,
            oDCFlatteningZ,
            calc::kTextTargetEllipsoid,
            calc::kTextTargetFlattening};
}
