// The point-format and ellipsoid lists, the combination of four choices with
// its show and enable rules, the standard values and the ellipsoid check.
#include <algorithm>
#include <cstdlib>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/formats.h"
#include "calc/library.h"
#include "calc/texts.h"
#include "lib/number.h"
#include "lib/sprache.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace {

SemiAxes LibraryUserEllipsoid(bool lQuelle)
{
    SemiAxes oAchsen;
    const auto& library = calc::Library();
    (lQuelle ? library.getellsource : library.getelltarget)(kUserEllipsoid, &oAchsen.a, &oAchsen.b);
    return oAchsen;
}

}  // namespace

void dtaCalcPar::Daten()
{
    const bool lDeutsch = gcSprache == "ger";
    aFormate.clear();
    for (int nFormat = 1; nFormat <= calc::kFormatCount; ++nFormat)
        aFormate.push_back({calc::FormatName(nFormat, lDeutsch), nFormat});
    const auto& library = calc::Library();
    library.setlanguage(lDeutsch ? 1 : 2);
    aEllipsoide.clear();
    const char* cName = nullptr;
    for (int n = 1; n < kUserEllipsoid && library.getellname(static_cast<std::uint16_t>(n), &cName); ++n) {
        const std::string cText = cName ? cName : "";
        const bool lDoppelt = std::any_of(aEllipsoide.begin(), aEllipsoide.end(),
                                          [&](const ListRow& oZeile) { return oZeile.name == cText; });
        if (!lDoppelt && Lower(cText).find("ntv2") == std::string::npos) aEllipsoide.push_back({cText, n});
    }
    std::stable_sort(aEllipsoide.begin(), aEllipsoide.end(),
                     [](const ListRow& x, const ListRow& y) { return x.name < y.name; });
    cName = nullptr;
    library.getellname(kUserEllipsoid, &cName);
    aEllipsoide.push_back({cName ? cName : "", kUserEllipsoid});
    aEllParQ.assign(aEllipsoide.size(), {});
    aEllParZ.assign(aEllipsoide.size(), {});
    for (size_t i = 0; i < aEllipsoide.size(); ++i) {
        const auto nNummer = static_cast<std::uint16_t>(aEllipsoide[i].number);
        library.getellsource(nNummer, &aEllParQ[i].a, &aEllParQ[i].b);
        library.getelltarget(nNummer, &aEllParZ[i].a, &aEllParZ[i].b);
    }
}

void dtaCalcPar::Grundeinstellung(const std::string& cCombo)
{
    const std::string cWert = cCombo.size() == 16 && !Empty(cCombo) ? cCombo : kStandardCombination;
    auto nGruppe = [&](size_t nStart) { return static_cast<int>(Val(cWert.substr(nStart, 4))); };
    SetUpSide(SourceSide(), nGruppe(0), nGruppe(4));
    SetUpSide(TargetSide(), nGruppe(8), nGruppe(12));
}

void dtaCalcPar::SetUpSide(const Side& side, int nFormat, int nEll)
{
    if (std::none_of(aFormate.begin(), aFormate.end(), [&](const ListRow& z) { return z.number == nFormat; }))
        nFormat = 1;
    if (std::none_of(aEllipsoide.begin(), aEllipsoide.end(), [&](const ListRow& z) { return z.number == nEll; }))
        nEll = kUserEllipsoid;
    side.format->SetValue(nFormat);
    const std::initializer_list<Control*> aFelder = {side.semiMajor, side.semiMinor, side.flattening};
    if (!side.ellipsoid->IsVisible()) {
        side.ellipsoid->Show();
        for (Control* oFeld : aFelder) oFeld->Show();
    }
    side.ellipsoid->SetValue(nEll);
    if (!calc::NeedsEllipsoid(nFormat))
        side.ellipsoid->Disable();
    else
        side.ellipsoid->Enable();
    for (Control* oFeld : aFelder) {
        if (nEll == kUserEllipsoid && calc::NeedsEllipsoid(nFormat))
            oFeld->Enable();
        else
            oFeld->Disable();
    }
    if (!calc::NeedsEllipsoid(nFormat)) {
        side.ellipsoid->Hide();
        for (Control* oFeld : aFelder) oFeld->Hide();
    }
}

void dtaCalcPar::ButStandard()
{
    if (!Ask(calc::kTextResetDefaults)) return;
    for (const Side& side : {SourceSide(), TargetSide()}) WriteUserEllipsoid(side);
    Grundeinstellung();
    wParTyp = 1;
    Anpassen();
}

// The library's user ellipsoid into the side's fields and list row, its
// inverse flattening computed and checked (without a message), the side's
// valid flag set from the check.
void dtaCalcPar::WriteUserEllipsoid(const Side& side)
{
    SemiAxes axes = LibraryUserEllipsoid(side.source);
    side.semiMajor->SetTextValue(Str(axes.a, 15, 7));
    side.semiMinor->SetTextValue(Str(axes.b, 15, 7));
    Axes(side).back() = axes;
    EllipsoidOk(side) = CalcEllPar(axes.a, axes.b, InverseFlattening(side), 1, false);
    side.flattening->SetTextValue(EllipsoidOk(side) ? NormNum(InverseFlattening(side)) : std::string());
}

bool dtaCalcPar::CalcEllPar(double a, double& b, double& f, int nMode, bool lMessage)
{
    bool lOk = false;
    if (nMode == 1) {
        f = 0.0;
        if (IsSemiAxis(a) && IsSemiAxis(b) && a > b) {
            f = a / (a - b);
            lOk = IsInverseFlattening(f);
        }
    } else if (nMode == 2) {
        b = 0.0;
        if (IsSemiAxis(a) && IsInverseFlattening(f)) {
            b = a - a / f;
            lOk = IsSemiAxis(b) && a > b;
        }
    }
    if (!lOk && lMessage) ShowError(calc::kTextInvalidEllipsoid);
    return lOk;
}

// The inputs of a first start: the standard combination with the library's
// user ellipsoids, convention 1 and the default names.
void dtaCalcPar::SetStartValues()
{
    Grundeinstellung();
    for (const Side& side : {SourceSide(), TargetSide()}) WriteUserEllipsoid(side);
    wParTyp = 1;
    Anpassen();
    for (SingleLineEdit* oName : {oDCEditBezQ, oDCEditBezZ, oDCKom})
        oName->SetTextValue(aSprachTexte.at(calc::kTextUnnamed - 1));
}
