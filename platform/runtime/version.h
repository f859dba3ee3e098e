// The name and version text of this runtime platform.
#pragma once

// Short name of the platform, as the about box shows it.
const char* RuntimeName();

// The platform's version text; the program reads its platform version (28)
// from the "2.8" in it.
const char* RuntimeVersion();
