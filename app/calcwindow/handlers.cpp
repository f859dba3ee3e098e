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

void dtaCalcPar::FormatChosen(const Side& oSeite)
{
    const int nFormat = oSeite.oFormat->CurrentItemNo();
    if (!calc::NeedsEllipsoid(nFormat)) {
        for (Control* oControl : std::initializer_list<Control*>{oSeite.oEll, oSeite.oA, oSeite.oB, oSeite.oF}) {
            oControl->Disable();
            oControl->Hide();
        }
        return;
    }
    for (Control* oControl : std::initializer_list<Control*>{oSeite.oEll, oSeite.oA, oSeite.oB, oSeite.oF})
        oControl->Show();
    oSeite.oEll->Enable();
    if (oSeite.oEll->CurrentItemNo() == static_cast<int>(oSeite.aEllPar->size()))
        for (Control* oControl : std::initializer_list<Control*>{oSeite.oA, oSeite.oB, oSeite.oF}) oControl->Enable();
}

// A listed ellipsoid fills its semi-axes and inverse flattening; only an
// ellipsoid that passes the check counts as valid.
void dtaCalcPar::EllipsoidChosen(const Side& oSeite)
{
    const int nZeile = oSeite.oEll->CurrentItemNo();
    if (nZeile < 1 || nZeile > static_cast<int>(oSeite.aEllPar->size())) return;
    SemiAxes oAchsen = (*oSeite.aEllPar)[static_cast<size_t>(nZeile - 1)];
    oSeite.oA->SetTextValue(NormNum(oAchsen.a));
    oSeite.oB->SetTextValue(NormNum(oAchsen.b));
    const bool lOk = CalcEllPar(oAchsen.a, oAchsen.b, *oSeite.fKehrwert, 1, false);
    oSeite.oF->SetTextValue(lOk ? NormNum(*oSeite.fKehrwert) : std::string());
    const bool lUser = nZeile == static_cast<int>(oSeite.aEllPar->size());
    for (Control* oControl : std::initializer_list<Control*>{oSeite.oA, oSeite.oB, oSeite.oF}) {
        if (lUser)
            oControl->Enable();
        else
            oControl->Disable();
    }
    *oSeite.lEllOk = lOk;
}

void dtaCalcPar::EditFocusChange(EditFocusChangeEvent& oEvent)
{
    dtaCalcPar_vo::EditFocusChange(oEvent);
    if (!IsVisible() || oEvent.GotFocus()) return;
    const std::string cName = oEvent.NameSym();
    for (const Side& oSeite : {SourceSide(), TargetSide()}) {
        if (SameName(cName, oSeite.oA->NameSym()))
            SemiAxisLeft(oSeite, true);
        else if (SameName(cName, oSeite.oB->NameSym()))
            SemiAxisLeft(oSeite, false);
        else if (SameName(cName, oSeite.oF->NameSym()))
            InverseFlatteningLeft(oSeite);
    }
}

// A semi-axis field lost the focus: the axis must lie in the range and keep
// a >= b; with the user ellipsoid chosen it is stored and, when the other
// axis is given, the inverse flattening computed and the ellipsoid handed to
// the library if it passes the check.
void dtaCalcPar::SemiAxisLeft(const Side& oSeite, bool semiMajor)
{
    SingleLineEdit* oFeld = semiMajor ? oSeite.oA : oSeite.oB;
    SingleLineEdit* oAndere = semiMajor ? oSeite.oB : oSeite.oA;
    const double x = NumberIn(oFeld);
    const double y = NumberIn(oAndere);
    if (!IsSemiAxis(x) || (semiMajor ? x < y : x > y)) {
        ShowError(oSeite.nTextAchse);
        *oSeite.lEllOk = false;
        return;
    }
    *oSeite.lEllOk = true;
    if (oSeite.oEll->Value() != kUserEllipsoid) return;
    (semiMajor ? oSeite.aEllPar->back().a : oSeite.aEllPar->back().b) = x;
    oFeld->SetTextValue(NormNum(x));
    if (Empty(oAndere->TextValue())) return;
    double a = semiMajor ? x : y;
    double b = semiMajor ? y : x;
    *oSeite.lEllOk = CalcEllPar(a, b, *oSeite.fKehrwert, 1, true);
    if (*oSeite.lEllOk) {
        oSeite.oF->SetTextValue(NormNum(*oSeite.fKehrwert));
        SetUserEllipsoid(oSeite, a, b);
    }
}

// The inverse-flattening field lost the focus: 1/f must lie in the range;
// with the user ellipsoid chosen and a given, b follows from a and 1/f.
void dtaCalcPar::InverseFlatteningLeft(const Side& oSeite)
{
    double f = NumberIn(oSeite.oF);
    if (!IsInverseFlattening(f)) {
        ShowError(oSeite.nTextKehrwert);
        *oSeite.lEllOk = false;
        return;
    }
    *oSeite.lEllOk = true;
    if (oSeite.oEll->Value() != kUserEllipsoid) return;
    *oSeite.fKehrwert = f;
    oSeite.oF->SetTextValue(NormNum(f));
    if (Empty(oSeite.oA->TextValue())) return;
    const double a = NumberIn(oSeite.oA);
    double b = 0;
    *oSeite.lEllOk = CalcEllPar(a, b, f, 2, true);
    if (*oSeite.lEllOk) {
        oSeite.oB->SetTextValue(NormNum(b));
        oSeite.aEllPar->back().b = b;
        SetUserEllipsoid(oSeite, a, b);
    }
}

void dtaCalcPar::SetUserEllipsoid(const Side& oSeite, double a, double b)
{
    const auto& library = calc::Library();
    (oSeite.lQuelle ? library.setuserellsource : library.setuserelltarget)(kUserEllipsoid, a, b);
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
    const std::pair<Control*, Control*> aPaare[] = {{oDCGruppe1, oDCGruppe2},
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
