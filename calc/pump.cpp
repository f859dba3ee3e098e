#include "calc/pump.h"

#include <windows.h>

namespace calc {

namespace {

void DispatchPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

MessageDispatcher g_dispatcher = DispatchPending;
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
