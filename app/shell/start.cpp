#include "app/shell/start.h"

#include <memory>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "app/shell/settings.h"
#include "calc/library.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/appwindow.h"
#include "platform/runtime/numtext.h"

namespace shell {

namespace {

// The program's plain frame: it reads the settings when it is made, holds the
// calculation window on its whole canvas and writes the settings when it
// closes; closing it ends the program.
class FrameWindow : public TopAppWindow {
public:
    FrameWindow()
    {
        SetCaption(gcProgramm + " " + gcVersion);
        SprachenLaden();
        ProfilLaden(*this);
    }

    void Zeigen()
    {
        Show();
        oCalcPar_ = std::make_unique<dtaCalcPar>(this);
        FitCalcWindow();
        oCalcPar_->Show();
    }

    void Resize(ResizeEvent& oEvent) override
    {
        TopAppWindow::Resize(oEvent);
        FitCalcWindow();
    }

    void Close(Event&) override
    {
        ProfilSichern(*this);
        if (oCalcPar_) oCalcPar_->Destroy();
        App::Current()->Quit();
    }

private:
    void FitCalcWindow()
    {
        if (!oCalcPar_) return;
        oCalcPar_->SetSize(CanvasArea().extent);
        oCalcPar_->SetOrigin({0, 0});
    }

    std::unique_ptr<dtaCalcPar> oCalcPar_;
};

}  // namespace

void MeridoxaApp::Start()
{
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
    FrameWindow oFrame;
    goFehler = std::make_unique<DlgFehler>();
    goErfolg = std::make_unique<DlgErfolg>();
    goHinweis = std::make_unique<DlgHinweis>();
    oFrame.Zeigen();
    exitCode_ = Exec();
    for (MeldungFenster* oMeldung :
         {static_cast<MeldungFenster*>(goFehler.get()), static_cast<MeldungFenster*>(goErfolg.get()),
          static_cast<MeldungFenster*>(goHinweis.get())})
        oMeldung->EndDialog();
    goFehler.reset();
    goErfolg.reset();
    goHinweis.reset();
}

}  // namespace shell
