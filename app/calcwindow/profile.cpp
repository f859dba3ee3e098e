// The last inputs of the calculation window: formats, ellipsoids, semi-axes,
// convention and the three names as a profile of key/value texts, kept in
// section ProgrammFen of meridoxa.ini in the user folder.
#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/texts.h"
#include "lib/ini.h"
#include "lib/number.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace {

constexpr const char* kSection = "ProgrammFen";
// The semi-axes of one side: a and b, 15 characters each.
constexpr std::size_t kAxisWidth = 15;

std::string AxisText(double x)
{
    return StrZero(x, static_cast<int>(kAxisWidth), 7);
}

std::string ComboDigits(int value)
{
    return StrZero(value, 4, 0);
}

// The value of the first row of the key; empty when there is none.
std::string ValueOf(const Profile& aProfile, const std::string& key)
{
    for (const ProfileRow& row : aProfile)
        if (row.key == key) return row.value;
    return "";
}

std::string IniFile()
{
    return gcPfadUser + "meridoxa.ini";
}

}  // namespace

Profile dtaCalcPar::ProfilPrg2Array()
{
    Profile aProfile;
    for (const Side& side : {SourceSide(), TargetSide()}) {
        SemiAxes axes{Val(side.semiMajor->TextValue()), Val(side.semiMinor->TextValue())};
        if (!EllipsoidOk(side)) {
            axes = LibraryEllipsoid(side, kUserEllipsoid);
            side.ellipsoid->SetValue(kUserEllipsoid);
        }
        aProfile.push_back({side.source ? "ParaEllQ" : "ParaEllZ", AxisText(axes.a) + AxisText(axes.b)});
    }
    aProfile.push_back({"ParaCombo", ComboDigits(oDCComFormQ->Value()) + ComboDigits(oDCComEllQ->Value()) +
                                         ComboDigits(oDCComFormZ->Value()) + ComboDigits(oDCComEllZ->Value())});
    aProfile.push_back({"ParaTyp", std::to_string(wParTyp)});
    aProfile.push_back({"ParaBezQ", oDCEditBezQ->TextValue()});
    aProfile.push_back({"ParaBezZ", oDCEditBezZ->TextValue()});
    aProfile.push_back({"ParaKom", oDCKom->TextValue()});
    return aProfile;
}

void dtaCalcPar::ProfilArray2Prg(const Profile& aProfile)
{
    Grundeinstellung(ValueOf(aProfile, "ParaCombo"));
    ApplyStoredEllipsoid(SourceSide(), ValueOf(aProfile, "ParaEllQ"));
    ApplyStoredEllipsoid(TargetSide(), ValueOf(aProfile, "ParaEllZ"));
    const double typ = Val(ValueOf(aProfile, "ParaTyp"));
    wParTyp = typ >= 1 && typ <= 4 ? static_cast<int>(typ) : 1;
    Anpassen();
    const std::pair<const char*, SingleLineEdit*> names[] = {
        {"ParaBezQ", oDCEditBezQ}, {"ParaBezZ", oDCEditBezZ}, {"ParaKom", oDCKom}};
    for (const auto& [key, field] : names) {
        const std::string value = ValueOf(aProfile, key);
        field->SetTextValue(Empty(value) ? aSprachTexte.at(calc::kTextUnnamed - 1) : value);
    }
}

// A side's stored semi-axes. Nothing stored: the library's user ellipsoid,
// chosen. A listed ellipsoid shows its own axes, and the library's user
// ellipsoid becomes ellipsoid 10. The user ellipsoid shows the stored text
// and is valid, and handed to the library, only when it passes the check.
void dtaCalcPar::ApplyStoredEllipsoid(const Side& side, const std::string& value)
{
    if (Empty(value)) {
        SetUpSide(side, side.format->Value(), kUserEllipsoid);
        WriteUserEllipsoid(side);
        return;
    }
    if (side.ellipsoid->Value() != kUserEllipsoid) {
        const SemiAxes tenth = LibraryEllipsoid(side, 10);
        SetUserEllipsoid(side, tenth.a, tenth.b);
        Axes(side).back() = tenth;
        EllipsoidChosen(side);
        return;
    }
    side.semiMajor->SetTextValue(value.substr(0, kAxisWidth));
    side.semiMinor->SetTextValue(value.size() > kAxisWidth ? value.substr(value.size() - kAxisWidth) : value);
    SemiAxes axes{Val(side.semiMajor->TextValue()), Val(side.semiMinor->TextValue())};
    double f = 0;
    EllipsoidOk(side) = CalcEllPar(axes.a, axes.b, f, 1, false);
    if (!EllipsoidOk(side)) return;
    side.flattening->SetTextValue(NormNum(f));
    SetUserEllipsoid(side, axes.a, axes.b);
    Axes(side).back() = axes;
}

void dtaCalcPar::ProfilPrg2Ini()
{
    if (gcPfadUser.empty()) return;
    for (const ProfileRow& row : ProfilPrg2Array()) WriteIniString(kSection, row.key, row.value, IniFile());
}

void dtaCalcPar::ProfilIni2Prg()
{
    Profile aProfile;
    if (!gcPfadUser.empty())
        for (const char* key : {"ParaCombo", "ParaTyp", "ParaBezQ", "ParaBezZ", "ParaEllQ", "ParaEllZ", "ParaKom"})
            aProfile.push_back({key, GetIniString(kSection, key, IniFile())});
    ProfilArray2Prg(aProfile);
}
