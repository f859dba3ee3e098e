#include <windows.h>

#include <memory>
#include <string>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/library.h"
#include "lib/files.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"
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

// The program's plain frame: it holds the calculation window on its whole
// canvas; closing it ends the program.
class FrameWindow : public TopAppWindow {
public:
    FrameWindow() { SetCaption(gcProgramm + " " + gcVersion); }

    void ShowCalcWindow()
    {
        calcPar_ = std::make_unique<dtaCalcPar>(this);
        const Dimension size = calcPar_->Size();
        RECT frame{0, 0, size.width, size.height};
        AdjustWindowRectEx(&frame, GetWindowLongA(Handle(), GWL_STYLE), FALSE, GetWindowLongA(Handle(), GWL_EXSTYLE));
        SetSize({frame.right - frame.left, frame.bottom - frame.top});
        Show();
        calcPar_->Show();
    }

    void Resize(ResizeEvent& oEvent) override
    {
        TopAppWindow::Resize(oEvent);
        if (!calcPar_) return;
        const Dimension canvas = CanvasArea().extent;
        calcPar_->SetSize(canvas);
        calcPar_->SetOrigin({0, 0});
    }

    void Close(Event&) override
    {
        if (calcPar_) calcPar_->Destroy();
        App::Current()->Quit();
    }

private:
    std::unique_ptr<dtaCalcPar> calcPar_;
};

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
        FrameWindow frameWindow;
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
