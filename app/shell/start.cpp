#include "app/shell/start.h"

#include <memory>

#include "app/shell/framewindow.h"
#include "app/shell/globals.h"
#include "calc/library.h"
#include "graphics/windows/gkit.h"
#include "lib/meldung.h"
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
    FrameWindow frame;
    goFehler = std::make_unique<DlgFehler>();
    goErfolg = std::make_unique<DlgErfolg>();
    goHinweis = std::make_unique<DlgHinweis>();
    frame.ShowCalcWindow();
    exitCode_ = Exec();
    for (MessageWindow* window :
         {static_cast<MessageWindow*>(goFehler.get()), static_cast<MessageWindow*>(goErfolg.get()),
          static_cast<MessageWindow*>(goHinweis.get())})
        window->EndDialog();
    goFehler.reset();
    goErfolg.reset();
    goHinweis.reset();
}

}  // namespace shell
