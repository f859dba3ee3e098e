#include <windows.h>

#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"

namespace {

// The program's frame window: closing it ends the program.
class FrameWindow : public TopAppWindow {
public:
    FrameWindow()
    {
        SetCaption("MERIDOXA");
        SetSize({800, 600});
    }
    void Close(Event&) override { App::Current()->Quit(); }
};

class MeridoxaApp : public App {
public:
    void Start() override
    {
        FrameWindow frame;
        frame.Show();
        exitCode = Exec();
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
