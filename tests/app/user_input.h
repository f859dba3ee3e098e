// Keys and clicks through the system's input queue, as the user gives them.
// Keys go to the focused window of the display and clicks to the window
// under the pointer, so the tests that use them run while nothing else does.
#pragma once

#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "platform/framework/app.h"

namespace user_input {

// Presses and releases each key in turn.
inline void Press(const std::vector<WORD>& keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
}

// Presses and releases the left mouse button over the centre of a window.
inline void Click(HWND window)
{
    RECT area{};
    GetWindowRect(window, &area);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
}

// Dispatches through the program's message routing until the condition
// holds, or for two seconds when it never does.
template <class Condition>
void DispatchUntil(Condition done)
{
    for (int i = 0; i < 200 && !done(); ++i) {
        Sleep(10);
        ApplicationExec();
    }
}

// Gives a control of a top-level window the keyboard focus; another window
// on the display may hold the activation, so it asks again.
inline void TakeFocus(HWND topLevel, HWND control)
{
    for (int i = 0; i < 50 && GetFocus() != control; ++i) {
        SetForegroundWindow(topLevel);
        SetFocus(control);
        Sleep(10);
        ApplicationExec();
    }
    ASSERT_EQ(GetFocus(), control);
}

}  // namespace user_input
