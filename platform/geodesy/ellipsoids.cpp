#include "platform/geodesy/ellipsoids.h"

#include <cmath>
#include <iterator>

#include "platform/geodesy/messages.h"

namespace geodesy {

namespace {

// Defining values after the EPSG dataset: a and either the inverse
// flattening or (where EPSG defines it so) the semi-minor axis.
struct CatalogueEntry {
    const char* english;
    const char* german;
    double a;
    double inverseFlattening;  // 0 when b defines the shape
    double b;
};

constexpr CatalogueEntry kCatalogue[] = {
    {"WGS 84", "WGS 84", 6378137.0, 298.257223563, 0.0},
    {"GRS 1980", "GRS 1980", 6378137.0, 298.257222101, 0.0},
    {"WGS 72", "WGS 72", 6378135.0, 298.26, 0.0},
    {"Bessel 1841", "Bessel 1841", 6377397.155, 299.1528128, 0.0},
    {"Bessel Modified", "Bessel modifiziert", 6377492.018, 299.1528128, 0.0},
    {"Krassowsky 1940", "Krassowski 1940", 6378245.0, 298.3, 0.0},
    {"International 1924", "Internationales Ellipsoid 1924", 6378388.0, 297.0, 0.0},
    {"Clarke 1866", "Clarke 1866", 6378206.4, 0.0, 6356583.8},
    {"Clarke 1880 (RGS)", "Clarke 1880 (RGS)", 6378249.145, 293.465, 0.0},
    {"Clarke 1880 (IGN)", "Clarke 1880 (IGN)", 6378249.2, 0.0, 6356515.0},
    {"Airy 1830", "Airy 1830", 6377563.396, 299.3249646, 0.0},
    {"Airy Modified 1849", "Airy modifiziert 1849", 6377340.189, 299.3249646, 0.0},
    {"Everest 1830 (1937 Adjustment)", "Everest 1830 (Ausgleichung 1937)", 6377276.345, 300.8017, 0.0},
    {"Everest 1830 Modified", "Everest 1830 modifiziert", 6377304.063, 300.8017, 0.0},
    {"GRS 1967", "GRS 1967", 6378160.0, 298.247167427, 0.0},
    {"GRS 1967 Modified", "GRS 1967 modifiziert", 6378160.0, 298.25, 0.0},
    {"Australian National Spheroid", "Australisches Nationalsph\xE4roid", 6378160.0, 298.25, 0.0},
    {"Helmert 1906", "Helmert 1906", 6378200.0, 298.3, 0.0},
    {"Hough 1960", "Hough 1960", 6378270.0, 297.0, 0.0},
    {"PZ-90", "PZ-90", 6378136.0, 298.257839303, 0.0},
    {"IAG 1975", "IAG 1975", 6378140.0, 298.257, 0.0},
};

constexpr std::size_t kCatalogueSize = std::size(kCatalogue);

Ellipsoid userSource = {6378137.0, 6378137.0 * (1.0 - 1.0 / 298.257222101)};
Ellipsoid userTarget = userSource;

const CatalogueEntry* Entry(std::uint16_t number)
{
    return number >= 1 && number <= kCatalogueSize ? &kCatalogue[number - 1] : nullptr;
}

bool Unknown(std::uint16_t number)
{
    return Fail(Format(Say("There is no ellipsoid number %1 (the catalogue runs from 1 to %2; 1000 is the user "
                           "ellipsoid).",
                           "Es gibt kein Ellipsoid Nummer %1 (der Katalog reicht von 1 bis %2; 1000 ist das "
                           "benutzerdefinierte Ellipsoid)."),
                       {std::to_string(number), std::to_string(kCatalogueSize)}));
}

}  // namespace

bool EllipsoidName(std::uint16_t number, const char*& name)
{
    if (number == kUserEllipsoid) {
        name = Say("User-defined ellipsoid", "Benutzerdefiniertes Ellipsoid");
        return true;
    }
    const CatalogueEntry* entry = Entry(number);
    if (entry == nullptr) {
        name = "";
        return Unknown(number);
    }
    name = Say(entry->english, entry->german);
    return true;
}

bool FindEllipsoid(std::uint16_t number, Side side, Ellipsoid& ellipsoid)
{
    if (number == kUserEllipsoid) {
        ellipsoid = side == Side::Source ? userSource : userTarget;
        return true;
    }
    const CatalogueEntry* entry = Entry(number);
    if (entry == nullptr) return Unknown(number);
    const double b = entry->inverseFlattening > 0.0 ? entry->a * (1.0 - 1.0 / entry->inverseFlattening) : entry->b;
    ellipsoid = {entry->a, b};
    return true;
}

bool SetUserEllipsoid(std::uint16_t number, Side side, double a, double b)
{
    if (number != kUserEllipsoid)
        return Fail(Format(Say("Only the user ellipsoid 1000 can be defined, not number %1.",
                               "Nur das benutzerdefinierte Ellipsoid 1000 kann festgelegt werden, nicht Nummer %1."),
                           {std::to_string(number)}));
    if (!CheckFinite(a, "a") || !CheckFinite(b, "b")) return false;
    // The projection series need a small flattening; real ellipsoids have
    // about 1/300.
    if (!(b > 0.0 && b <= a && (a - b) / a < 0.1))
        return Fail(Format(Say("The semi-axes a = %1 m and b = %2 m define no ellipsoid: 0 < b <= a and a "
                               "flattening below 1/10 are needed.",
                               "Die Halbachsen a = %1 m und b = %2 m ergeben kein Ellipsoid: 0 < b <= a und eine "
                               "Abplattung unter 1/10 sind n\xF6tig."),
                           {Number(a), Number(b)}));
    (side == Side::Source ? userSource : userTarget) = {a, b};
    return true;
}

}  // namespace geodesy
