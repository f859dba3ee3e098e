// The program's plain frame: it reads the settings when it is made, holds the
// calculation window on its whole canvas and writes the settings when it
// closes; closing it ends the program. While the calculation window is busy
// (a computation or a file read runs) a close request is refused.
#pragma once

#include <memory>

#include "app/calcwindow/calcwindow.h"
#include "platform/framework/appwindow.h"

namespace shell {

class FrameWindow : public TopAppWindow {
public:
    FrameWindow();

    // Shows the frame and makes the calculation window on its canvas.
    void ShowCalcWindow();
    // The calculation window; null before ShowCalcWindow.
    dtaCalcPar* CalcWindow() const { return calcPar_.get(); }

    // The calculation window learns of the frame's border drags, so that it
    // paints once when a drag ends.
    LRESULT Dispatch(Event& event) override;
    void Resize(ResizeEvent& event) override;
    bool QueryClose(Event& event) override;
    void Close(Event& event) override;
    // PROBEENDEN (the calculation window's exit button) asks the frame to close.
    bool CallByName(std::string_view name) override;

private:
    void FitCalcWindow();

    std::unique_ptr<dtaCalcPar> calcPar_;
};

}  // namespace shell
