// What the calculation window needs around it in a benchmark: the shipped
// language files, the user and protocol directories in the temporary folder,
// a recording seam in place of everything modal and the three message windows;
// and the calculation window's tool tips for a floor's form.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/shell/globals.h"
#include "platform/framework/recording_seam.h"
#include "platform/framework/window.h"
#include "tests/lib/message_windows_setup.h"

class CalcWindowSetup {
public:
    CalcWindowSetup()
    {
        OpenMessageWindows("eng", std::string(MDX_PROGRAM_DIR) + "\\ProgData\\");
        char dir[MAX_PATH];
        GetTempPathA(sizeof dir, dir);
        gcPfadProto = gcPfadUser = dir;
    }
    ~CalcWindowSetup() { CloseMessageWindows(); }
    CalcWindowSetup(const CalcWindowSetup&) = delete;
    CalcWindowSetup& operator=(const CalcWindowSetup&) = delete;

private:
    RecordingSeam seam_;
};

// The calculation window's controls show their descriptions as tool tips;
// the floor's controls get the same tool tips, made as the framework makes
// them: one tool per control, not subclassing it (the framework's controls
// relay their pointer messages, of which a benchmark has none).
inline void AddToolTips(const Window& oForm)
{
    INITCOMMONCONTROLSEX oClasses{sizeof oClasses, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&oClasses);
    HWND hTip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, oForm.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    for (HWND hChild = GetWindow(oForm.Handle(), GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        TOOLINFOA oTool{};
        oTool.cbSize = TTTOOLINFOA_V1_SIZE;
        oTool.uFlags = TTF_IDISHWND;
        oTool.hwnd = oForm.Handle();
        oTool.uId = reinterpret_cast<UINT_PTR>(hChild);
        oTool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(hTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&oTool));
    }
}
