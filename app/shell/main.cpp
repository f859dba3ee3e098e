#include <windows.h>

#include "app/shell/start.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    shell::MeridoxaApp app;
    app.Start();
    return app.ExitCode();
}
