#include "graphics/windows/gkit.h"

#include "lib/system.h"

void InitFunction()
{
    GetVoVersion();
}
