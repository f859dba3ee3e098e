// System information, the platform version, system sounds and deep copies of
// nested arrays.
#pragma once

#include <string>

#include "platform/runtime/value.h"
#include "platform/runtime/version.h"

// The platform version times ten (20, 25, 26, 27 or 28); 0 until GetVoVersion
// has run. The graphics kit takes newer framework paths by it.
extern unsigned short gnPlattformVersion;

// The name of the Windows user of the process; empty when it cannot be had.
std::string GetNetUserName();

// Memory figures: code 0 the total and code 1 the available physical memory in
// bytes (64-bit figures, whole beyond 4 GiB), code 100 the memory load in
// percent; any other code, and a figure the system cannot give, is the
// runtime's MemoryFigure.
double MemoryEx(int nCode);

// The version number of the graphics kit, 12.00.
double GetGraphicsVersion();

// The platform version of a version text: the first of "2.0", "2.5", "2.6",
// "2.7", "2.8" it contains gives 20 ... 28, none gives 27. Stored in
// gnPlattformVersion.
unsigned short GetVoVersion(const std::string& cVersion = RuntimeVersion());

// Plays a system sound by its name ("SystemAsterisk", "SystemHand",
// "SystemExclamation") without waiting for it; a name the system cannot play
// sounds a plain tone instead, an empty name plays nothing. Returns 0.
int Ton(const std::string& cSound = "SystemExclamation");

// A deep copy of the array and of every array in it. An array met several
// times is copied once and the copies share it likewise (an array that holds
// itself gives a copy that holds itself); other elements are kept as they
// are. The null array gives the null array.
Array AClone2(const Array& aSource);
