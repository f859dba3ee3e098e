#include <windows.h>

#include <memory>
#include <string>

#include "app/shell/framewindow.h"
#include "app/shell/globals.h"
#include "calc/library.h"
#include "lib/files.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/app.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/system.h"

namespace {

// The folder of the program's executable, in lower case, with its "\".
std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string lower = Lower(path);
    return lower.substr(0, lower.find_last_of('\\') + 1);
}

class MeridoxaApp : public App {
public:
    void Start() override
    {
        SetDecimalSep('.');
        const std::string programFolder = ProgramFolder();
        gcPfadSprache = programFolder + "progdata\\";
        const std::string appData = GetEnv("APPDATA");
        gcPfadProto = Lower(appData.empty() ? programFolder + "userdata\\" : appData + "\\meridoxa\\");
        DirMakePath(gcPfadProto);
        gcPfadUser = gcPfadProto;
        const auto& library = calc::Library();
        library.setmultithreading(0);
        library.setstaticuse(1);
        library.setstringallocate(1);
        SprachenLaden();
        goFehler = std::make_unique<DlgFehler>();
        goErfolg = std::make_unique<DlgErfolg>();
        goHinweis = std::make_unique<DlgHinweis>();
        shell::FrameWindow frameWindow;
        frameWindow.ShowCalcWindow();
        exitCode = Exec();
        for (MessageWindow* window :
             {static_cast<MessageWindow*>(goFehler.get()), static_cast<MessageWindow*>(goErfolg.get()),
              static_cast<MessageWindow*>(goHinweis.get())})
            window->EndDialog();
        goFehler.reset();
        goErfolg.reset();
        goHinweis.reset();
    }
    int exitCode = 0;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    MeridoxaApp app;
    app.Start();
    return app.exitCode;
}
