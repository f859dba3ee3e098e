// The point-format and ellipsoid lists, the combination of four choices with
// its show and enable rules, the standard values and the ellipsoid check.
#include <algorithm>
#include <cstdlib>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/formats.h"
#include "calc/library.h"
#include "lib/number.h"
#include "lib/sprache.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace {

constexpr int kTextStandardwerte = 38;
constexpr int kTextEllipsoidUngueltig = 79;
constexpr int kTextStandardName = 47;

bool IstKartesisch(int nFormat)
{
    return nFormat == 1 || nFormat == 2;
}

HalbAchsen UserEllipsoid(bool lQuelle)
{
    HalbAchsen oAchsen;
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
                                          [&](const ListenZeile& oZeile) { return oZeile.cName == cText; });
        if (!lDoppelt && Lower(cText).find("ntv2") == std::string::npos) aEllipsoide.push_back({cText, n});
    }
    std::stable_sort(aEllipsoide.begin(), aEllipsoide.end(),
                     [](const ListenZeile& x, const ListenZeile& y) { return x.cName < y.cName; });
    cName = nullptr;
    library.getellname(kUserEllipsoid, &cName);
    aEllipsoide.push_back({cName ? cName : "", kUserEllipsoid});
    aEllParQ.assign(aEllipsoide.size(), {});
    aEllParZ.assign(aEllipsoide.size(), {});
    for (size_t i = 0; i < aEllipsoide.size(); ++i) {
        const auto nNummer = static_cast<std::uint16_t>(aEllipsoide[i].nNummer);
        library.getellsource(nNummer, &aEllParQ[i].a, &aEllParQ[i].b);
        library.getelltarget(nNummer, &aEllParZ[i].a, &aEllParZ[i].b);
    }
}

void dtaCalcPar::Grundeinstellung(const std::string& cCombo)
{
    const std::string cWert = cCombo.size() == 16 && !Empty(cCombo) ? cCombo : kStandardKombination;
    auto nGruppe = [&](size_t nStart) { return static_cast<int>(Val(cWert.substr(nStart, 4))); };
    SeiteGrundeinstellung(SeiteQ(), nGruppe(0), nGruppe(4));
    SeiteGrundeinstellung(SeiteZ(), nGruppe(8), nGruppe(12));
}

void dtaCalcPar::SeiteGrundeinstellung(const Seite& oSeite, int nFormat, int nEll)
{
    if (std::none_of(aFormate.begin(), aFormate.end(), [&](const ListenZeile& z) { return z.nNummer == nFormat; }))
        nFormat = 1;
    if (std::none_of(aEllipsoide.begin(), aEllipsoide.end(), [&](const ListenZeile& z) { return z.nNummer == nEll; }))
        nEll = kUserEllipsoid;
    oSeite.oFormat->SetValue(nFormat);
    const std::initializer_list<Control*> aFelder = {oSeite.oA, oSeite.oB, oSeite.oF};
    if (!oSeite.oEll->IsVisible()) {
        oSeite.oEll->Show();
        for (Control* oFeld : aFelder) oFeld->Show();
    }
    oSeite.oEll->SetValue(nEll);
    if (IstKartesisch(nFormat))
        oSeite.oEll->Disable();
    else
        oSeite.oEll->Enable();
    for (Control* oFeld : aFelder) {
        if (nEll == kUserEllipsoid && !IstKartesisch(nFormat))
            oFeld->Enable();
        else
            oFeld->Disable();
    }
    if (IstKartesisch(nFormat)) {
        oSeite.oEll->Hide();
        for (Control* oFeld : aFelder) oFeld->Hide();
    }
}

void dtaCalcPar::ButStandard()
{
    if (!Frage(kTextStandardwerte)) return;
    for (const Seite& oSeite : {SeiteQ(), SeiteZ()}) {
        const HalbAchsen oAchsen = UserEllipsoid(oSeite.lQuelle);
        oSeite.oA->SetTextValue(Str(oAchsen.a, 15, 7));
        oSeite.oB->SetTextValue(Str(oAchsen.b, 15, 7));
        oSeite.aEllPar->back() = oAchsen;
    }
    Grundeinstellung();
    wParTyp = 1;
    Anpassen();
}

bool dtaCalcPar::CalcEllPar(double a, double& b, double& f, int nMode, bool lMessage)
{
    bool lOk = false;
    if (nMode == 1) {
        f = 0.0;
        if (IstHalbachse(a) && IstHalbachse(b) && a > b) {
            f = a / (a - b);
            lOk = IstKehrwert(f);
        }
    } else if (nMode == 2) {
        b = 0.0;
        if (IstHalbachse(a) && IstKehrwert(f)) {
            b = a - a / f;
            lOk = IstHalbachse(b) && a > b;
        }
    }
    if (!lOk && lMessage) Text(kTextEllipsoidUngueltig);
    return lOk;
}

// The inputs of a first start: the standard combination with the library's
// user ellipsoids, convention 1 and the default names.
void dtaCalcPar::Startwerte()
{
    Grundeinstellung();
    for (const Seite& oSeite : {SeiteQ(), SeiteZ()}) {
        HalbAchsen oAchsen = UserEllipsoid(oSeite.lQuelle);
        oSeite.oA->SetTextValue(Str(oAchsen.a, 15, 7));
        oSeite.oB->SetTextValue(Str(oAchsen.b, 15, 7));
        *oSeite.lEllOk = CalcEllPar(oAchsen.a, oAchsen.b, *oSeite.fKehrwert, 1, false);
        if (*oSeite.lEllOk) oSeite.oF->SetTextValue(NormNum(*oSeite.fKehrwert));
    }
    wParTyp = 1;
    Anpassen();
    for (SingleLineEdit* oName : {oDCEditBezQ, oDCEditBezZ, oDCKom})
        oName->SetTextValue(aSprachTexte.at(kTextStandardName - 1));
}
