#include "app/shell/start.h"

#include <ole2.h>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/winshell.h"
#include "calc/library.h"
#include "graphics/windows/gkit.h"
#include "platform/runtime/numtext.h"

namespace shell {

namespace {

// OLE on the window thread for the program's run: the system's picture
// objects (a window saved as a picture) and the folder dialog need it.
class OleOnThisThread {
public:
    OleOnThisThread() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleOnThisThread()
    {
        if (initialised_) OleUninitialize();
    }
    OleOnThisThread(const OleOnThisThread&) = delete;
    OleOnThisThread& operator=(const OleOnThisThread&) = delete;

private:
    bool initialised_;
};

}  // namespace

void MeridoxaApp::Start()
{
    const OleOnThisThread ole;
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
