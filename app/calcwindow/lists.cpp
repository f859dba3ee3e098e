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

void dtaCalcPar::Daten()
{
    const bool german = gcSprache == "ger";
    aFormate.clear();
    for (int format = 1; format <= calc::kFormatCount; ++format)
        aFormate.push_back({calc::FormatName(format, german), format});
    const auto& library = calc::Library();
    library.setlanguage(german ? 1 : 2);
    aEllipsoide.clear();
    const char* name = nullptr;
    for (int n = 1; n < kUserEllipsoid && library.getellname(static_cast<std::uint16_t>(n), &name); ++n) {
        const std::string text = name ? name : "";
        const bool lDoppelt =
            std::any_of(aEllipsoide.begin(), aEllipsoide.end(), [&](const ListRow& row) { return row.name == text; });
        if (!lDoppelt && Lower(text).find("ntv2") == std::string::npos) aEllipsoide.push_back({text, n});
    }
    std::stable_sort(aEllipsoide.begin(), aEllipsoide.end(),
                     [](const ListRow& x, const ListRow& y) { return x.name < y.name; });
    name = nullptr;
    library.getellname(kUserEllipsoid, &name);
    aEllipsoide.push_back({name ? name : "", kUserEllipsoid});
    aEllParQ.assign(aEllipsoide.size(), {});
    aEllParZ.assign(aEllipsoide.size(), {});
    for (size_t i = 0; i < aEllipsoide.size(); ++i) {
        const auto number = static_cast<std::uint16_t>(aEllipsoide[i].number);
        library.getellsource(number, &aEllParQ[i].a, &aEllParQ[i].b);
        library.getelltarget(number, &aEllParZ[i].a, &aEllParZ[i].b);
    }
}

void dtaCalcPar::Grundeinstellung(const std::string& cCombo)
{
    const std::string combination = cCombo.size() == 16 && !Empty(cCombo) ? cCombo : kStandardCombination;
    auto group = [&](size_t nStart) { return static_cast<int>(Val(combination.substr(nStart, 4))); };
    SetUpSide(SourceSide(), group(0), group(4));
    SetUpSide(TargetSide(), group(8), group(12));
}

void dtaCalcPar::SetUpSide(const Side& side, int format, int ellipsoid)
{
    if (std::none_of(aFormate.begin(), aFormate.end(), [&](const ListRow& z) { return z.number == format; }))
        format = 1;
    if (std::none_of(aEllipsoide.begin(), aEllipsoide.end(), [&](const ListRow& z) { return z.number == ellipsoid; }))
        ellipsoid = kUserEllipsoid;
    side.format->SetValue(format);
    const std::initializer_list<Control*> fields = {side.semiMajor, side.semiMinor, side.flattening};
    if (!side.ellipsoid->IsVisible()) {
        side.ellipsoid->Show();
        for (Control* field : fields) field->Show();
    }
    side.ellipsoid->SetValue(ellipsoid);
    if (!calc::NeedsEllipsoid(format))
        side.ellipsoid->Disable();
    else
        side.ellipsoid->Enable();
    for (Control* field : fields) {
        if (ellipsoid == kUserEllipsoid && calc::NeedsEllipsoid(format))
            field->Enable();
        else
            field->Disable();
    }
    if (!calc::NeedsEllipsoid(format)) {
        side.ellipsoid->Hide();
        for (Control* field : fields) field->Hide();
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
    SemiAxes axes = LibraryEllipsoid(side, kUserEllipsoid);
    side.semiMajor->SetTextValue(Str(axes.a, 15, 7));
    side.semiMinor->SetTextValue(Str(axes.b, 15, 7));
    Axes(side).back() = axes;
    EllipsoidOk(side) = CalcEllPar(axes.a, axes.b, InverseFlattening(side), 1, false);
    side.flattening->SetTextValue(EllipsoidOk(side) ? NormNum(InverseFlattening(side)) : std::string());
}

bool dtaCalcPar::CalcEllPar(double a, double& b, double& f, int nMode, bool lMessage)
{
    bool ok = false;
    if (nMode == 1) {
        f = 0.0;
        if (IsSemiAxis(a) && IsSemiAxis(b) && a > b) {
            f = a / (a - b);
            ok = IsInverseFlattening(f);
        }
    } else if (nMode == 2) {
        b = 0.0;
        if (IsSemiAxis(a) && IsInverseFlattening(f)) {
            b = a - a / f;
            ok = IsSemiAxis(b) && a > b;
        }
    }
    if (!ok && lMessage) ShowError(calc::kTextInvalidEllipsoid);
    return ok;
}

// The semi-axes the library holds for an ellipsoid number on a side.
SemiAxes dtaCalcPar::LibraryEllipsoid(const Side& side, int number) const
{
    SemiAxes axes;
    const auto& library = calc::Library();
    (side.source ? library.getellsource : library.getelltarget)(static_cast<std::uint16_t>(number), &axes.a, &axes.b);
    return axes;
}
