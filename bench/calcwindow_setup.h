// What the calculation window needs around it in a benchmark: the shipped
// language files, the user and protocol directories in the temporary folder,
// a recording seam in place of everything modal and the three message windows.
#pragma once

#include <windows.h>

#include <string>

#include "app/shell/globals.h"
#include "platform/framework/recording_seam.h"
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
