#include "calc/formats.h"

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

}  // namespace

FormatClass ClassOfFormat(int format)
{
    if (format <= 2) return FormatClass::Cartesian;
    if (format <= 10) return FormatClass::Geographic;
    if (format <= 18) return FormatClass::Dms;
    return FormatClass::Utm;
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
