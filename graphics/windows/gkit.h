#pragma once
// The kit's start-up procedure and its hand cursor.
#include "platform/framework/gdi.h"

// Runs once at program start, before any kit window exists: records the
// platform version number in gnPlattformVersion, which the kit's windows and
// image objects read later.
void InitFunction();

// The hand with the raised index finger of the kit's push buttons: the
// program's cursor resource "CURHAND".
class gCurHand : public Pointer {
public:
    gCurHand() : Pointer("CURHAND") {}
};
