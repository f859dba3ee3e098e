#include "calc/formats.h"

#include <algorithm>

namespace calc {

namespace {

struct FormatNames {
    const char* german;
    const char* english;
};

constexpr FormatNames kNames[kFormatCount] = {
    {"Kartesische Koordinaten (X,Y,Z)", "Cartesian Coordinates (X,Y,Z)"},
    {"Kartesische Koordinaten (Nr,X,Y,Z)", "Cartesian Coordinates (No,X,Y,Z)"},
    {"Geographische Koord. [Grad] (L,B,H)", "Geographic Coordinates [deg] (lon,lat,hgt)"},
    {"Geographische Koord. [Grad] (Nr,L,B,H)", "Geographic Coordinates [deg] (No,lon,lat,hgt)"},
    {"Geographische Koord. [Grad] (B,L,H)", "Geographic Coordinates [deg] (lat,lon,hgt)"},
    {"Geographische Koord. [Grad] (Nr,B,L,H)", "Geographic Coordinates [deg] (No,lat,lon,hgt)"},
    {"Geographische Koord. [Grad] (L,B)", "Geographic Coordinates [deg] (lon,lat)"},
    {"Geographische Koord. [Grad] (Nr,L,B)", "Geographic Coordinates [deg] (No,lon,lat)"},
    {"Geographische Koord. [Grad] (B,L)", "Geographic Coordinates [deg] (lat,lon)"},
    {"Geographische Koord. [Grad] (Nr,B,L)", "Geographic Coordinates [deg] (No,lat,lon)"},
    {"Geogr. Koord. [Grad,Min,Sek] (L,B,H)", "Geogr. Coord. [deg,min,sec] (lon,lat,hgt)"},
    {"Geogr. Koord. [Grad,Min,Sek] (Nr,L,B,H)", "Geogr. Coord. [deg,min,sec] (No,lon,lat,hgt)"},
    {"Geogr. Koord. [Grad,Min,Sek] (B,L,H)", "Geogr. Coord. [deg,min,sec] (lat,lon,hgt)"},
    {"Geogr. Koord. [Grad,Min,Sek] (Nr,B,L,H)", "Geogr. Coord. [deg,min,sec] (No,lat,lon,hgt)"},
    {"Geogr. Koord. [Grad,Min,Sek] (L,B)", "Geogr. Coord. [deg,min,sec] (lon,lat)"},
    {"Geogr. Koord. [Grad,Min,Sek] (Nr,L,B)", "Geogr. Coord. [deg,min,sec] (No,lon,lat)"},
    {"Geogr. Koord. [Grad,Min,Sek] (B,L)", "Geogr. Coord. [deg,min,sec] (lat,lon)"},
    {"Geogr. Koord. [Grad,Min,Sek] (Nr,B,L)", "Geogr. Coord. [deg,min,sec] (No,lat,lon)"},
    {"UTM-Koordinaten [8/7-stellig] (E,N,H)", "UTM Coordinates [8/7 digits] (E,N,hgt)"},
    {"UTM-Koordinaten [8/7-stellig] (Nr,E,N,H)", "UTM Coordinates [8/7 digits] (No,E,N,hgt)"},
    {"UTM-Koordinaten [8/7-stellig] (E,N)", "UTM Coordinates [8/7 digits] (E,N)"},
    {"UTM-Koordinaten [8/7-stellig] (Nr,E,N)", "UTM Coordinates [8/7 digits] (No,E,N)"},
};

// class, point number first, latitude before longitude, with a height (or Z)
constexpr Format kFormats[kFormatCount] = {
    {FormatClass::Cartesian, false, false, true},    // 1: (X,Y,Z)
    {FormatClass::Cartesian, true, false, true},     // 2: (No,X,Y,Z)
    {FormatClass::Geographic, false, false, true},   // 3: (lon,lat,hgt)
    {FormatClass::Geographic, true, false, true},    // 4: (No,lon,lat,hgt)
    {FormatClass::Geographic, false, true, true},    // 5: (lat,lon,hgt)
    {FormatClass::Geographic, true, true, true},     // 6: (No,lat,lon,hgt)
    {FormatClass::Geographic, false, false, false},  // 7: (lon,lat)
    {FormatClass::Geographic, true, false, false},   // 8: (No,lon,lat)
    {FormatClass::Geographic, false, true, false},   // 9: (lat,lon)
    {FormatClass::Geographic, true, true, false},    // 10: (No,lat,lon)
    {FormatClass::Dms, false, false, true},          // 11: (lon,lat,hgt)
    {FormatClass::Dms, true, false, true},           // 12: (No,lon,lat,hgt)
    {FormatClass::Dms, false, true, true},           // 13: (lat,lon,hgt)
    {FormatClass::Dms, true, true, true},            // 14: (No,lat,lon,hgt)
    {FormatClass::Dms, false, false, false},         // 15: (lon,lat)
    {FormatClass::Dms, true, false, false},          // 16: (No,lon,lat)
    {FormatClass::Dms, false, true, false},          // 17: (lat,lon)
    {FormatClass::Dms, true, true, false},           // 18: (No,lat,lon)
    {FormatClass::Utm, false, false, true},          // 19: (E,N,hgt)
    {FormatClass::Utm, true, false, true},           // 20: (No,E,N,hgt)
    {FormatClass::Utm, false, false, false},         // 21: (E,N)
    {FormatClass::Utm, true, false, false},          // 22: (No,E,N)
};

}  // namespace

const Format& FormatOf(int format)
{
    return kFormats[std::clamp(format, 1, kFormatCount) - 1];
}

FormatClass ClassOfFormat(int format)
{
    return FormatOf(format).cls;
}

bool NeedsEllipsoid(int format)
{
    return ClassOfFormat(format) != FormatClass::Cartesian;
}

std::string FormatName(int format, bool german)
{
    if (format < 1 || format > kFormatCount) return "";
    const FormatNames& names = kNames[format - 1];
    return german ? names.german : names.english;
}

}  // namespace calc
