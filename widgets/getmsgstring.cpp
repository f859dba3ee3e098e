#include "widgets/getmsgstring.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace widgets {

namespace {

std::string gcMsgOk, gcMsgCancel, gcMsgAbort, gcMsgRetry, gcMsgIgnore, gcMsgYes, gcMsgNo, gcMsgHelp;

struct ButtonCaption {
    int id;
    std::string* cache;
};

// In the order the hook reads them.
const std::array<ButtonCaption, 8> kButtons{{{IDYES, &gcMsgYes},
                                             {IDNO, &gcMsgNo},
                                             {IDCANCEL, &gcMsgCancel},
                                             {IDOK, &gcMsgOk},
                                             {IDABORT, &gcMsgAbort},
                                             {IDRETRY, &gcMsgRetry},
                                             {IDIGNORE, &gcMsgIgnore},
                                             {IDHELP, &gcMsgHelp}}};

HookInstaller gInstaller = SetWindowsHookExA;
int gActivations = 0;
// The hook while one of the lookup's message boxes is shown, and that box
// from its creation to its end. Only this box is read and closed: when it
// ends, Windows activates the window that was active before, which is none
// of the hook's business.
HHOOK gHook = nullptr;
HWND gBox = nullptr;

bool IsDialogOfThisThread(HWND hwnd)
{
    char className[8] = {};
    GetClassNameA(hwnd, className, sizeof className);
    return GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId() && std::strcmp(className, "#32770") == 0;
}

void RemoveHook()
{
    if (gHook) UnhookWindowsHookEx(gHook);
    gHook = nullptr;
    gBox = nullptr;
}

void ReadAndClose(HWND box)
{
    ++gActivations;
    for (const ButtonCaption& button : kButtons) {
        if (!GetDlgItem(box, button.id)) continue;
        char text[64] = {};
        GetDlgItemTextA(box, button.id, text, sizeof text);
        std::string caption = text;
        std::erase(caption, '&');
        *button.cache = caption;
    }
    // The command of the No button closes any message box at once.
    SendMessageA(box, WM_COMMAND, IDNO, 0);
}

// Shows a message box of that style, which the hook reads and closes. False
// when the hook cannot be installed: the box would wait for the user, so it
// is not shown.
bool ReadMessageBox(UINT style)
{
    gHook = gInstaller(WH_CBT, FuncHookMsgStr, nullptr, GetCurrentThreadId());
    if (!gHook) return false;
    MessageBoxA(nullptr, "", "", style);
    RemoveHook();
    return true;
}

}  // namespace

HookInstaller SetMsgStringHookInstaller(HookInstaller installer)
{
    return std::exchange(gInstaller, installer);
}

int MsgStringActivations()
{
    return gActivations;
}

LRESULT CALLBACK FuncHookMsgStr(int code, WPARAM wParam, LPARAM)
{
    auto hwnd = reinterpret_cast<HWND>(wParam);
    switch (code) {
    case HCBT_CREATEWND:
        // The first dialog this thread makes while the hook is in is the box.
        if (gHook && !gBox && IsDialogOfThisThread(hwnd)) gBox = hwnd;
        break;
    case HCBT_ACTIVATE:
        if (gBox && hwnd == gBox) ReadAndClose(hwnd);
        break;
    case HCBT_DESTROYWND:
        // Out before the box's end activates another window.
        if (gBox && hwnd == gBox) RemoveHook();
        break;
    default: break;
    }
    return 0;
}

std::string GetMsgString(int buttonId)
{
    if (gcMsgNo.empty()) {
        for (UINT style : {MB_YESNOCANCEL, MB_OK | MB_HELP, MB_ABORTRETRYIGNORE}) {
            if (!ReadMessageBox(style)) break;
        }
    }
    for (const ButtonCaption& button : kButtons) {
        if (button.id == buttonId) return *button.cache;
    }
    return "";
}

}  // namespace widgets
