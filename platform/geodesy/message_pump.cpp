#include "platform/geodesy/message_pump.h"

#include <windows.h>

namespace geodesy {

namespace {

bool enabled = false;

}  // namespace

void MessagePump::SetEnabled(bool on)
{
    enabled = on;
}

MessagePump::MessagePump(std::size_t n) : active_(enabled && n > kLongLoop)
{
}

void MessagePump::Dispatch()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program's own loop must still see the quit request.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace geodesy
