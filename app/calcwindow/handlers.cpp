// The input handlers: format and ellipsoid choices, the ellipsoid fields of
// the user ellipsoid, the parameter convention and the inverse option.
#include <algorithm>

#include "app/calcwindow/calcwindow.h"
#include "calc/formats.h"
#include "calc/library.h"
#include "calc/texts.h"
#include "lib/number.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace {

// The number a field holds: its whole text one number, with "," read as the
// decimal point too when the comma option is on. FALSE for anything else,
// never a number read from the first part of the text.
bool NumberIn(const Edit* field, bool comma, double& value)
{
    std::string text = field->TextValue();
    if (comma) std::replace(text.begin(), text.end(), ',', '.');
    return IsWholeNumber(text, value);
}

}  // namespace

void dtaCalcPar::ListBoxSelect(ControlEvent& event)
{
    dtaCalcPar_vo::ListBoxSelect(event);
    const std::string name = event.NameSym();
    if (SameName(name, "COMFORMQ"))
        FormatChosen(SourceSide());
    else if (SameName(name, "COMFORMZ"))
        FormatChosen(TargetSide());
    else if (SameName(name, "COMELLQ"))
        EllipsoidChosen(SourceSide());
    else if (SameName(name, "COMELLZ"))
        EllipsoidChosen(TargetSide());
}

void dtaCalcPar::FormatChosen(const Side& side)
{
    const int format = side.format->CurrentItemNo();
    if (!calc::NeedsEllipsoid(format)) {
        for (Control* control :
             std::initializer_list<Control*>{side.ellipsoid, side.semiMajor, side.semiMinor, side.flattening}) {
            control->Disable();
            control->Hide();
        }
        return;
    }
    for (Control* control :
         std::initializer_list<Control*>{side.ellipsoid, side.semiMajor, side.semiMinor, side.flattening})
        control->Show();
    side.ellipsoid->Enable();
    if (side.ellipsoid->CurrentItemNo() == static_cast<int>(Axes(side).size()))
        for (Control* control : std::initializer_list<Control*>{side.semiMajor, side.semiMinor, side.flattening})
            control->Enable();
}

// A listed ellipsoid fills its semi-axes and inverse flattening; only an
// ellipsoid that passes the check counts as valid.
void dtaCalcPar::EllipsoidChosen(const Side& side)
{
    const int row = side.ellipsoid->CurrentItemNo();
    if (row < 1 || row > static_cast<int>(Axes(side).size())) return;
    SemiAxes axes = Axes(side)[static_cast<size_t>(row - 1)];
    side.semiMajor->SetTextValue(NormNum(axes.a));
    side.semiMinor->SetTextValue(NormNum(axes.b));
    const bool ok = CalcEllPar(axes.a, axes.b, InverseFlattening(side), 1, false);
    side.flattening->SetTextValue(ok ? NormNum(InverseFlattening(side)) : std::string());
    const bool user = row == static_cast<int>(Axes(side).size());
    for (Control* control : std::initializer_list<Control*>{side.semiMajor, side.semiMinor, side.flattening}) {
        if (user)
            control->Enable();
        else
            control->Disable();
    }
    EllipsoidOk(side) = ok;
}

void dtaCalcPar::EditFocusChange(EditFocusChangeEvent& event)
{
    dtaCalcPar_vo::EditFocusChange(event);
    if (!IsVisible() || event.GotFocus()) return;
    const std::string name = event.NameSym();
    for (const Side& side : {SourceSide(), TargetSide()}) {
        if (SameName(name, side.semiMajor->NameSym()))
            SemiAxisLeft(side, true);
        else if (SameName(name, side.semiMinor->NameSym()))
            SemiAxisLeft(side, false);
        else if (SameName(name, side.flattening->NameSym()))
            InverseFlatteningLeft(side);
    }
}

// A semi-axis field lost the focus: the axis must lie in the range and keep
// a >= b; with the user ellipsoid chosen it is stored and, when the other
// axis is given, the inverse flattening computed and the ellipsoid handed to
// the library if it passes the check.
void dtaCalcPar::SemiAxisLeft(const Side& side, bool semiMajor)
{
    SingleLineEdit* field = semiMajor ? side.semiMajor : side.semiMinor;
    SingleLineEdit* other = semiMajor ? side.semiMinor : side.semiMajor;
    const bool comma = oDCCheckKomma->Checked();
    double x = 0;
    double y = 0;
    const bool otherGiven = NumberIn(other, comma, y);
    if (!NumberIn(field, comma, x) || !IsSemiAxis(x) || (semiMajor ? x < y : x > y)) {
        ShowError(side.axisText);
        EllipsoidOk(side) = false;
        return;
    }
    EllipsoidOk(side) = true;
    if (side.ellipsoid->Value() != kUserEllipsoid) return;
    (semiMajor ? Axes(side).back().a : Axes(side).back().b) = x;
    field->SetTextValue(NormNum(x));
    if (!otherGiven) return;
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
    const bool comma = oDCCheckKomma->Checked();
    double f = 0;
    if (!NumberIn(side.flattening, comma, f) || !IsInverseFlattening(f)) {
        ShowError(side.flatteningText);
        EllipsoidOk(side) = false;
        return;
    }
    EllipsoidOk(side) = true;
    if (side.ellipsoid->Value() != kUserEllipsoid) return;
    InverseFlattening(side) = f;
    side.flattening->SetTextValue(NormNum(f));
    double a = 0;
    if (!NumberIn(side.semiMajor, comma, a)) return;
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

void dtaCalcPar::ButtonClick(ControlEvent& event)
{
    dtaCalcPar_vo::ButtonClick(event);
    const std::string name = event.NameSym();
    if (SameName(name, "CHECKINVERS")) {
        SwapSideLabels();
        return;
    }
    const std::array<RadioButton*, 4> buttons = {oCCHelmertFrame, oCCHelmertVector, oCCHelmertIso19111, oCCMolodensky};
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!SameName(name, buttons[i]->NameSym()) || !buttons[i]->Pressed()) continue;
        wParTyp = static_cast<int>(i) + 1;
        if (lErgebnis && Ask(calc::kTextRecomputeConvention)) CallByName("BUTBERECHNEN");
    }
}

// Exchanges the captions and descriptions of the source and target controls.
void dtaCalcPar::SwapSideLabels()
{
    const std::pair<Control*, Control*> pairs[] = {{oDCTextGruppe1, oDCTextGruppe2},
                                                   {oDCGruppe1, oDCGruppe2},
                                                   {oDCComEllQ, oDCComEllZ},
                                                   {oDCHalbAchsGQ, oDCHalbAchsGZ},
                                                   {oDCHalbAchsKQ, oDCHalbAchsKZ},
                                                   {oDCText3, oDCText7},
                                                   {oDCKoordListQ, oDCKoordListZ},
                                                   {oCCButDateiLesenQ, oCCButDateiLesenZ},
                                                   {oCCButDateiSchreibenQ, oCCButDateiSchreibenZ}};
    for (const auto& [sourceControl, targetControl] : pairs) {
        HyperLabel sourceLabel = sourceControl->GetHyperLabel();
        HyperLabel targetLabel = targetControl->GetHyperLabel();
        std::swap(sourceLabel.caption, targetLabel.caption);
        std::swap(sourceLabel.description, targetLabel.description);
        sourceControl->SetHyperLabel(sourceLabel);
        targetControl->SetHyperLabel(targetLabel);
    }
}
