#pragma once
// The 22 point formats of a point list and what follows from a format number.

#include <string>

namespace calc {

constexpr int kFormatCount = 22;

enum class FormatClass { Cartesian, Geographic, Dms, Utm };

// What a format's line holds.
struct Format {
    FormatClass cls;
    bool numbered;       // a point number leads the line
    bool latitudeFirst;  // latitude before longitude (geographic and DMS formats)
    bool withHeight;     // a third value (height or Z) follows the first two
};

// The row of format 1..22 (a number outside goes to the nearest end).
const Format& FormatOf(int format);

// Format 1..22 to its class: 1-2 cartesian, 3-10 decimal degrees,
// 11-18 degrees-minutes-seconds, 19-22 UTM.
FormatClass ClassOfFormat(int format);

// Every class but the cartesian one needs an ellipsoid.
bool NeedsEllipsoid(int format);

// Name of a format in the combo boxes: German for the language "ger",
// English for every other language. An unknown number gives "".
std::string FormatName(int format, bool german);

}  // namespace calc
