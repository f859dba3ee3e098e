#include "app/shell/start.h"

#include "app/calcwindow/calcwindow.h"
#include "app/shell/winshell.h"
#include "calc/library.h"
#include "graphics/windows/gkit.h"
#include "platform/runtime/numtext.h"

namespace shell {

void MeridoxaApp::Start()
{
    InitFunction();
    if (!GetPfade(facts_)) {
        ApplicationExec();
        Quit();
        return;
    }
    // Numbers are written with "." whatever the regional settings say.
    SetDecimalSep('.');
    const auto& library = calc::Library();
    library.setmultithreading(0);
    library.setstaticuse(1);
    library.setstringallocate(1);
    winShell oShell;
    oShell.Show();
    dtaCalcPar oCalcPar(&oShell);
    oCalcPar.Show();
    exitCode_ = Loop();
}

}  // namespace shell
