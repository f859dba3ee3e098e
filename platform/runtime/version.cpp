#include "platform/runtime/version.h"

const char* RuntimeName()
{
    return "MDX-RT";
}

const char* RuntimeVersion()
{
    return "MDX-RT 2.8";
}
