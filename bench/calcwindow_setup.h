// What the calculation window needs around it in a benchmark: the shipped
// language files, the user and protocol directories in the temporary folder,
// a recording seam in place of everything modal and the three message windows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/shell/globals.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/recording_seam.h"

class CalcWindowSetup {
public:
    CalcWindowSetup()
    {
        gcPfadSprache = std::string(MDX_PROGRAM_DIR) + "\\ProgData\\";
        SprachenLaden();
        char dir[MAX_PATH];
        GetTempPathA(sizeof dir, dir);
        gcPfadProto = gcPfadUser = dir;
        goFehler = std::make_unique<DlgFehler>();
        goErfolg = std::make_unique<DlgErfolg>();
        goHinweis = std::make_unique<DlgHinweis>();
    }
    ~CalcWindowSetup()
    {
        goFehler->EndDialog();
        goErfolg->EndDialog();
        goHinweis->EndDialog();
    }
    CalcWindowSetup(const CalcWindowSetup&) = delete;
    CalcWindowSetup& operator=(const CalcWindowSetup&) = delete;

private:
    RecordingSeam seam_;
};
