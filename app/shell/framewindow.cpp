#include "app/shell/framewindow.h"

#include "app/shell/globals.h"
#include "app/shell/settings.h"
#include "lib/sprache.h"
#include "platform/framework/app.h"

namespace shell {

FrameWindow::FrameWindow()
{
    SetCaption(gcProgramm + " " + gcVersion);
    SprachenLaden();
    ProfilLaden(*this);
}

void FrameWindow::ShowCalcWindow()
{
    Show();
    calcPar_ = std::make_unique<dtaCalcPar>(this);
    FitCalcWindow();
    calcPar_->Show();
}

LRESULT FrameWindow::Dispatch(Event& event)
{
    const LRESULT result = TopAppWindow::Dispatch(event);
    if ((event.message == WM_SIZING || event.message == WM_EXITSIZEMOVE) && calcPar_ && calcPar_->Handle())
        SendMessageA(calcPar_->Handle(), event.message, event.wParam, event.lParam);
    return result;
}

void FrameWindow::Resize(ResizeEvent& event)
{
    TopAppWindow::Resize(event);
    FitCalcWindow();
}

void FrameWindow::FitCalcWindow()
{
    if (calcPar_) calcPar_->GroessenNeu();
}

// A computation or a file read dispatches messages while it runs, so a close
// request (Alt+F4, the close box) can arrive in the middle of it.
bool FrameWindow::QueryClose(Event& event)
{
    if (calcPar_ && calcPar_->IsBusy()) return false;
    return TopAppWindow::QueryClose(event);
}

void FrameWindow::Close(Event&)
{
    ProfilSichern(*this);
    if (calcPar_) calcPar_->Destroy();
    if (App* app = App::Current()) app->Quit();
}

bool FrameWindow::CallByName(std::string_view name)
{
    if (!SameName(name, "PROBEENDEN")) return TopAppWindow::CallByName(name);
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return true;
}

}  // namespace shell
