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
std::string ProgrammPfad()
{
    char cPfad[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, cPfad, MAX_PATH);
    std::string cText = Lower(cPfad);
    return cText.substr(0, cText.find_last_of('\\') + 1);
}

// The program's plain frame: it holds the calculation window on its whole
// canvas; closing it ends the program.
class FrameWindow : public TopAppWindow {
public:
    FrameWindow() { SetCaption(gcProgramm + " " + gcVersion); }

    void Zeigen()
    {
        oCalcPar_ = std::make_unique<dtaCalcPar>(this);
        const Dimension oGroesse = oCalcPar_->Size();
        RECT oRahmen{0, 0, oGroesse.width, oGroesse.height};
        AdjustWindowRectEx(&oRahmen, GetWindowLongA(Handle(), GWL_STYLE), FALSE, GetWindowLongA(Handle(), GWL_EXSTYLE));
        SetSize({oRahmen.right - oRahmen.left, oRahmen.bottom - oRahmen.top});
        Show();
        oCalcPar_->Show();
    }

    void Resize(ResizeEvent& oEvent) override
    {
        TopAppWindow::Resize(oEvent);
        if (!oCalcPar_) return;
        const Dimension oCanvas = CanvasArea().extent;
        oCalcPar_->SetSize(oCanvas);
        oCalcPar_->SetOrigin({0, 0});
    }

    void Close(Event&) override
    {
        if (oCalcPar_) oCalcPar_->Destroy();
        App::Current()->Quit();
    }

private:
    std::unique_ptr<dtaCalcPar> oCalcPar_;
};

class MeridoxaApp : public App {
public:
    void Start() override
    {
        SetDecimalSep('.');
        const std::string cProgramm = ProgrammPfad();
        gcPfadSprache = cProgramm + "progdata\\";
        const std::string cAppData = GetEnv("APPDATA");
        gcPfadProto = Lower(cAppData.empty() ? cProgramm + "userdata\\" : cAppData + "\\meridoxa\\");
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
        FrameWindow oFrame;
        oFrame.Zeigen();
        exitCode = Exec();
        for (MeldungFenster* oMeldung :
             {static_cast<MeldungFenster*>(goFehler.get()), static_cast<MeldungFenster*>(goErfolg.get()),
              static_cast<MeldungFenster*>(goHinweis.get())})
            oMeldung->EndDialog();
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
