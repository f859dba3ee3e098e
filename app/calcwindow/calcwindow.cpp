#include "app/calcwindow/calcwindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "app/shell/globals.h"
#include "calc/formats.h"
#include "calc/texts.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/seam.h"
#include "platform/runtime/strings.h"
#include "widgets/menuextra.h"

dtaCalcPar* goCalcPar = nullptr;

namespace {

constexpr UINT_PTR kBlinkTimer = 1;
// The blink state of the icon: 0 or 1, the next tick shows black; 2, the
// next tick restores the window's background.
unsigned char blinkState = 0;
// The notifier (wParam) of the last notification that reached the status bar.
uint32_t lastNotifier = 0;

}  // namespace

dtaCalcPar::dtaCalcPar(Window* owner) : dtaCalcPar_vo(owner)
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
    FarbenNeu();
    GroessenNeu();
    TooltipNeu();
    Sprache();
    oCCButInfo->SetForm(2);
    Daten();
    FillCombo(oDCComFormQ, aFormate);
    FillCombo(oDCComFormZ, aFormate);
    FillCombo(oDCComEllQ, aEllipsoide);
    FillCombo(oDCComEllZ, aEllipsoide);
    lErgebnis = false;
    lBerechnung = false;
    ProfilIni2Prg();
    if (!gcPfadProto.empty()) DeleteFileA((gcPfadProto + "protocol.log").c_str());
    SetTransparent(true, false);
    for (Control* control : GetAllChildren()) RegisterConditionalControls(control);
}

dtaCalcPar::~dtaCalcPar()
{
    if (goCalcPar == this) goCalcPar = nullptr;
}

void dtaCalcPar::Destroy()
{
    if (Handle()) ProfilPrg2Ini();
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

LRESULT dtaCalcPar::Dispatch(Event& event)
{
    const LRESULT result = dtaCalcPar_vo::Dispatch(event);
    // Typing or pasting into a full point list: the field took what fitted.
    if (event.message == WM_COMMAND && HIWORD(event.wParam) == EN_MAXTEXT &&
        (reinterpret_cast<HWND>(event.lParam) == oDCKoordListQ->Handle() ||
         reinterpret_cast<HWND>(event.lParam) == oDCKoordListZ->Handle()))
        ShowError(calc::kTextListFull);
    if (event.message == WM_NOTIFY && static_cast<uint32_t>(event.wParam) != lastNotifier) {
        lastNotifier = static_cast<uint32_t>(event.wParam);
        DescribeControlUnderCursor();
    }
    if (event.message == WM_TIMER && event.wParam == kBlinkTimer && oDCIconApp) {
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

bool dtaCalcPar::CallByName(std::string_view name)
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
                                               {"BUTKONFSICHERN", &dtaCalcPar::ButKonfSichern},
                                               {"BUTKONFTRDBEZ", &dtaCalcPar::ButKonfTrdBez},
                                               {"BUTKONFTRDELL", &dtaCalcPar::ButKonfTrdEll},
                                               {"BUTBEENDEN", &dtaCalcPar::ButBeenden},
                                               {"BUTONLINEINFO", &dtaCalcPar::ButOnlineInfo},
                                               {"BUTINFO", &dtaCalcPar::ButInfo},
                                               {"BUTHELMERTHILFE", &dtaCalcPar::ButHelmertHilfe},
                                               {"FARBENNEU", &dtaCalcPar::FarbenNeu}};
    if (SameName(name, "BUTKONFLADEN")) {
        ButKonfLaden();
        return true;
    }
    return table.Call(*this, name) || dtaCalcPar_vo::CallByName(name);
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

// Every item of the owner's menu, and its system menu, on or off.
void dtaCalcPar::EnableMenus(bool on)
{
    if (!Owner() || !Owner()->Handle()) return;
    if (auto* menu = dynamic_cast<widgets::MenuExtra*>(Owner()->GetMenu())) {
        if (on)
            menu->EnableAllItems();
        else
            menu->DisableAllItems();
        DrawMenuBar(Owner()->Handle());
    }
    Owner()->EnableSystemMenu(on);
}

void dtaCalcPar::EnableSide(const Side& side)
{
    const int format = side.format->CurrentItemNo();
    if (!calc::NeedsEllipsoid(format)) {
        for (Control* control :
             std::initializer_list<Control*>{side.ellipsoid, side.semiMajor, side.semiMinor, side.flattening})
            control->Disable();
    } else if (side.ellipsoid->CurrentItemNo() != static_cast<int>(Axes(side).size())) {
        for (Control* control : std::initializer_list<Control*>{side.semiMajor, side.semiMinor, side.flattening})
            control->Disable();
    }
}

void dtaCalcPar::GroessenNeu()
{
    if (!Owner()) return;
    const auto nMenu = static_cast<short>(GetSystemMetrics(SM_CYMENU));
    const BoundingBox canvas = Owner()->CanvasArea();
    SetOrigin({0, nMenu});
    SetSize({canvas.Width(), canvas.Height() - nMenu});
}

void dtaCalcPar::Sprache()
{
    std::array<SingleLineEdit*, 3> names = {oDCEditBezQ, oDCEditBezZ, oDCKom};
    std::array<bool, 3> isDefault{};
    if (!aSprachTexte.empty())
        for (size_t i = 0; i < names.size(); ++i)
            isDefault[i] = AllTrim(names[i]->TextValue()) == aSprachTexte[calc::kTextUnnamed - 1];
    oDCCheckInvers->SetChecked(false);
    {
        // The window is painted anew below: the captions need not be drawn one by one.
        const UpdateHold hold(Handle());
        SetSprachFileControl(*this, "DTACALCPAR");
    }
    aSprachTexte = GetSprachFileText("DTACALCPAR");
    PaintNew();
    if (IsVisible()) {
        Daten();
        FillCombo(oDCComFormQ, aFormate);
        FillCombo(oDCComFormZ, aFormate);
        FillCombo(oDCComEllQ, aEllipsoide);
        FillCombo(oDCComEllZ, aEllipsoide);
    }
    // The default names first: a recomputed report shows them.
    for (size_t i = 0; i < names.size(); ++i)
        if (isDefault[i]) names[i]->SetTextValue(aSprachTexte[calc::kTextUnnamed - 1]);
    if (lErgebnis && Ask(calc::kTextRecomputeLanguage)) CallByName("BUTBERECHNEN");
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

void dtaCalcPar::Anpassen()
{
    for (RadioButton* button : {oCCHelmertVector, oCCHelmertFrame, oCCHelmertIso19111, oCCMolodensky})
        button->SetPressed(false);
    const std::array<RadioButton*, 4> buttons = {oCCHelmertFrame, oCCHelmertVector, oCCHelmertIso19111, oCCMolodensky};
    if (wParTyp < 1 || wParTyp > 4) wParTyp = 1;
    buttons[static_cast<size_t>(wParTyp - 1)]->SetPressed(true);
}

void dtaCalcPar::ShowError(int number) const
{
    if (goFehler) goFehler->FehlerMeldung(aSprachTexte.at(static_cast<size_t>(number - 1)));
}

bool dtaCalcPar::Ask(int number)
{
    return TextBox(this, gcProgramm, aSprachTexte.at(static_cast<size_t>(number - 1)), MB_YESNO | MB_ICONQUESTION)
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
