#pragma once
// The geodesy library as the computation and the calculation window reach it.
// Every call goes through the table of Library(), so that a test can put a
// table of its own in its place.

#include <string>

#include "platform/geodesy/orbalith32.h"

namespace calc {

// The library in use: orbalith32.dll, loaded on first use, unless a test put
// another table in place. When the file cannot be loaded, every call fails
// and the error text says why.
const geodesy::GeodesyFunctions& Library();
// Puts a table in place (nullptr: orbalith32.dll again); returns the previous one.
const geodesy::GeodesyFunctions* SetLibrary(const geodesy::GeodesyFunctions* library);

// The library's text of its last failure.
std::string LibraryMessage();

}  // namespace calc
