#include "widgets/getmsgstring.h"

#include <algorithm>
#include <array>
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
    if (code != HCBT_ACTIVATE) return 0;
    auto box = reinterpret_cast<HWND>(wParam);
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
    return 0;
}

std::string GetMsgString(int buttonId)
{
    if (gcMsgNo.empty()) {
        // Without the hook the boxes would wait for the user: none is shown.
        if (HHOOK hook = gInstaller(WH_CBT, FuncHookMsgStr, nullptr, GetCurrentThreadId())) {
            MessageBoxA(nullptr, "", "", MB_YESNOCANCEL);
            MessageBoxA(nullptr, "", "", MB_OK | MB_HELP);
            MessageBoxA(nullptr, "", "", MB_ABORTRETRYIGNORE);
            UnhookWindowsHookEx(hook);
        }
    }
    for (const ButtonCaption& button : kButtons) {
        if (button.id == buttonId) return *button.cache;
    }
    return "";
}

}  // namespace widgets
