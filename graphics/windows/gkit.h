#pragma once
// The kit's start-up procedure and its hand cursor.
#include "platform/framework/gdi.h"

// Runs once at program start, before any kit window exists: records the
// platform version number in gnPlattformVersion, which the kit's windows and
// image objects read later, and adds the kit's part to every control: a check
// box or radio button announces a change of its state to its window, and a
// static text, check box or radio button on a transparent form gets the
// painted surface back under it when it is enabled or disabled.
void InitFunction();

// The hand with the raised index finger of the kit's push buttons: the
// program's cursor resource "CURHAND".
class gCurHand : public Pointer {
public:
    gCurHand() : Pointer("CURHAND") {}
};
