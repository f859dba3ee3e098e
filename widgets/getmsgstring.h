// The captions the system itself puts on the buttons of its message boxes
// (OK, Cancel, Abort, Retry, Ignore, Yes, No, Help), in the system's
// language and without "&". They are learnt once per process: three message
// boxes are shown and closed as soon as they are activated, a hook reading
// their buttons first. The hook leaves every other window alone, also the
// one Windows activates again when a box ends.
#pragma once

#include <windows.h>

#include <string>

namespace widgets {

// The caption of the button with that id (IDOK to IDNO, IDHELP); empty for
// any other number, and while the captions could not be learnt.
std::string GetMsgString(int buttonId);

// The hook that reads the buttons of the lookup's message box into the
// captions and closes the box when it is activated, and removes itself when
// the box ends. Answers 0 and passes nothing on.
LRESULT CALLBACK FuncHookMsgStr(int code, WPARAM wParam, LPARAM lParam);

// What GetMsgString installs its hook with (SetWindowsHookExA); tests put
// a failing one in. Returns the one it replaces.
using HookInstaller = HHOOK(WINAPI*)(int, HOOKPROC, HINSTANCE, DWORD);
HookInstaller SetMsgStringHookInstaller(HookInstaller installer);
// How often the hook has seen a message box activated so far (a box may
// be activated more than once).
int MsgStringActivations();

}  // namespace widgets
