#include "calc/pump.h"

#include "platform/framework/app.h"

namespace calc {

namespace {

MessageDispatcher g_dispatcher = ApplicationExec;
long g_pumpCounter = 0;

}  // namespace

void VoEventLoop()
{
    if (g_pumpCounter == 25) {
        g_dispatcher();
        g_pumpCounter = 0;
    } else {
        ++g_pumpCounter;
    }
}

MessageDispatcher SetMessageDispatcher(MessageDispatcher dispatcher)
{
    MessageDispatcher previous = g_dispatcher;
    g_dispatcher = dispatcher;
    return previous;
}

}  // namespace calc
