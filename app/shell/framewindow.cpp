#include "app/shell/framewindow.h"

#include "app/shell/globals.h"
#include "platform/framework/app.h"

namespace shell {

FrameWindow::FrameWindow()
{
    SetCaption(gcProgramm + " " + gcVersion);
}

void FrameWindow::ShowCalcWindow()
{
    calcPar_ = std::make_unique<dtaCalcPar>(this);
    const Dimension size = calcPar_->Size();
    RECT frame{0, 0, size.width, size.height};
    AdjustWindowRectEx(&frame, GetWindowLongA(Handle(), GWL_STYLE), FALSE, GetWindowLongA(Handle(), GWL_EXSTYLE));
    SetSize({frame.right - frame.left, frame.bottom - frame.top});
    Show();
    calcPar_->Show();
}

void FrameWindow::Resize(ResizeEvent& event)
{
    TopAppWindow::Resize(event);
    if (!calcPar_) return;
    calcPar_->SetSize(CanvasArea().extent);
    calcPar_->SetOrigin({0, 0});
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
    if (calcPar_) calcPar_->Destroy();
    if (App* app = App::Current()) app->Quit();
}

}  // namespace shell
