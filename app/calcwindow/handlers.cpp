// The input handlers: format and ellipsoid choices, the ellipsoid fields of
// the user ellipsoid, the parameter convention and the inverse option.
#include "app/calcwindow/calcwindow.h"
#include "calc/formats.h"
#include "calc/library.h"
#include "calc/texts.h"
#include "lib/number.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace {

double NumberIn(const Edit* oFeld)
{
    return Val(oFeld->TextValue());
}

}  // namespace

void dtaCalcPar::ListBoxSelect(ControlEvent& oEvent)
{
    dtaCalcPar_vo::ListBoxSelect(oEvent);
    const std::string cName = oEvent.NameSym();
    if (SameName(cName, "COMFORMQ"))
        FormatChosen(SourceSide());
    else if (SameName(cName, "COMFORMZ"))
        FormatChosen(TargetSide());
    else if (SameName(cName, "COMELLQ"))
        EllipsoidChosen(SourceSide());
    else if (SameName(cName, "COMELLZ"))
        EllipsoidChosen(TargetSide());
}

void dtaCalcPar::FormatChosen(const Side& side)
{
    const int nFormat = side.format->CurrentItemNo();
    if (!calc::NeedsEllipsoid(nFormat)) {
        for (Control* oControl :
             std::initializer_list<Control*>{side.ellipsoid, side.semiMajor, side.semiMinor, side.flattening}) {
            oControl->Disable();
            oControl->Hide();
        }
        return;
    }
    for (Control* oControl :
         std::initializer_list<Control*>{side.ellipsoid, side.semiMajor, side.semiMinor, side.flattening})
        oControl->Show();
    side.ellipsoid->Enable();
    if (side.ellipsoid->CurrentItemNo() == static_cast<int>(Axes(side).size()))
        for (Control* oControl : std::initializer_list<Control*>{side.semiMajor, side.semiMinor, side.flattening})
            oControl->Enable();
}

// A listed ellipsoid fills its semi-axes and inverse flattening; only an
// ellipsoid that passes the check counts as valid.
void dtaCalcPar::EllipsoidChosen(const Side& side)
{
    const int nZeile = side.ellipsoid->CurrentItemNo();
    if (nZeile < 1 || nZeile > static_cast<int>(Axes(side).size())) return;
    SemiAxes oAchsen = Axes(side)[static_cast<size_t>(nZeile - 1)];
    side.semiMajor->SetTextValue(NormNum(oAchsen.a));
    side.semiMinor->SetTextValue(NormNum(oAchsen.b));
    const bool lOk = CalcEllPar(oAchsen.a, oAchsen.b, InverseFlattening(side), 1, false);
    side.flattening->SetTextValue(lOk ? NormNum(InverseFlattening(side)) : std::string());
    const bool lUser = nZeile == static_cast<int>(Axes(side).size());
    for (Control* oControl : std::initializer_list<Control*>{side.semiMajor, side.semiMinor, side.flattening}) {
        if (lUser)
            oControl->Enable();
        else
            oControl->Disable();
    }
    EllipsoidOk(side) = lOk;
}

void dtaCalcPar::EditFocusChange(EditFocusChangeEvent& oEvent)
{
    dtaCalcPar_vo::EditFocusChange(oEvent);
    if (!IsVisible() || oEvent.GotFocus()) return;
    const std::string cName = oEvent.NameSym();
    for (const Side& side : {SourceSide(), TargetSide()}) {
        if (SameName(cName, side.semiMajor->NameSym()))
            SemiAxisLeft(side, true);
        else if (SameName(cName, side.semiMinor->NameSym()))
            SemiAxisLeft(side, false);
        else if (SameName(cName, side.flattening->NameSym()))
            InverseFlatteningLeft(side);
    }
}

// A semi-axis field lost the focus: the axis must lie in the range and keep
// a >= b; with the user ellipsoid chosen it is stored and, when the other
// axis is given, the inverse flattening computed and the ellipsoid handed to
// the library if it passes the check.
void dtaCalcPar::SemiAxisLeft(const Side& side, bool semiMajor)
{
    SingleLineEdit* oFeld = semiMajor ? side.semiMajor : side.semiMinor;
    SingleLineEdit* oAndere = semiMajor ? side.semiMinor : side.semiMajor;
    const double x = NumberIn(oFeld);
    const double y = NumberIn(oAndere);
    if (!IsSemiAxis(x) || (semiMajor ? x < y : x > y)) {
        ShowError(side.axisText);
        EllipsoidOk(side) = false;
        return;
    }
    EllipsoidOk(side) = true;
    if (side.ellipsoid->Value() != kUserEllipsoid) return;
    (semiMajor ? Axes(side).back().a : Axes(side).back().b) = x;
    oFeld->SetTextValue(NormNum(x));
    if (Empty(oAndere->TextValue())) return;
    double a = semiMajor ? x : y;
    double b = semiMajor ? y : x;
    EllipsoidOk(side) = CalcEllPar(a, b, InverseFlattening(side), 1, true);
    if (EllipsoidOk(side)) {
        side.flattening->SetTextValue(NormNum(InverseFlattening(side)));
        SetUserEllipsoid(side, a, b);
    }
}

// The inverse-flattening field lost the focus: 1/f must lie in the range;
// with the user ellipsoid chosen and a given, b follows from a and 1/f.
void dtaCalcPar::InverseFlatteningLeft(const Side& side)
{
    double f = NumberIn(side.flattening);
    if (!IsInverseFlattening(f)) {
        ShowError(side.flatteningText);
        EllipsoidOk(side) = false;
        return;
    }
    EllipsoidOk(side) = true;
    if (side.ellipsoid->Value() != kUserEllipsoid) return;
    InverseFlattening(side) = f;
    side.flattening->SetTextValue(NormNum(f));
    if (Empty(side.semiMajor->TextValue())) return;
    const double a = NumberIn(side.semiMajor);
    double b = 0;
    EllipsoidOk(side) = CalcEllPar(a, b, f, 2, true);
    if (EllipsoidOk(side)) {
        side.semiMinor->SetTextValue(NormNum(b));
        Axes(side).back().b = b;
        SetUserEllipsoid(side, a, b);
    }
}

void dtaCalcPar::SetUserEllipsoid(const Side& side, double a, double b)
{
    const auto& library = calc::Library();
    (side.source ? library.setuserellsource : library.setuserelltarget)(kUserEllipsoid, a, b);
}

void dtaCalcPar::ButtonClick(ControlEvent& oEvent)
{
    dtaCalcPar_vo::ButtonClick(oEvent);
    const std::string cName = oEvent.NameSym();
    if (SameName(cName, "CHECKINVERS")) {
        SwapSideLabels();
        return;
    }
    const std::array<RadioButton*, 4> aButtons = {oCCHelmertFrame, oCCHelmertVector, oCCHelmertIso19111, oCCMolodensky};
    for (size_t i = 0; i < aButtons.size(); ++i) {
        if (!SameName(cName, aButtons[i]->NameSym()) || !aButtons[i]->Pressed()) continue;
        wParTyp = static_cast<int>(i) + 1;
        if (lErgebnis && Ask(calc::kTextRecomputeConvention)) CallByName("BUTBERECHNEN");
    }
}

// Exchanges the captions and descriptions of the source and target controls.
void dtaCalcPar::SwapSideLabels()
{
    const std::pair<Control*, Control*> aPaare[] = {{oDCTextGruppe1, oDCTextGruppe2},
                                                    {oDCGruppe1, oDCGruppe2},
                                                    {oDCComEllQ, oDCComEllZ},
                                                    {oDCHalbAchsGQ, oDCHalbAchsGZ},
                                                    {oDCHalbAchsKQ, oDCHalbAchsKZ},
                                                    {oDCText3, oDCText7},
                                                    {oDCKoordListQ, oDCKoordListZ},
                                                    {oCCButDateiLesenQ, oCCButDateiLesenZ},
                                                    {oCCButDateiSchreibenQ, oCCButDateiSchreibenZ}};
    for (const auto& [oQ, oZ] : aPaare) {
        HyperLabel oLabelQ = oQ->GetHyperLabel();
        HyperLabel oLabelZ = oZ->GetHyperLabel();
        std::swap(oLabelQ.caption, oLabelZ.caption);
        std::swap(oLabelQ.description, oLabelZ.description);
        oQ->SetHyperLabel(oLabelQ);
        oZ->SetHyperLabel(oLabelZ);
    }
}
