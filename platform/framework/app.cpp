#include "platform/framework/app.h"

#include "platform/framework/appwindow.h"
#include "platform/framework/seam.h"

namespace {

App* currentApp = nullptr;

}  // namespace

App::App()
{
    currentApp = this;
}

App::~App()
{
    if (currentApp == this) currentApp = nullptr;
}

App* App::Current()
{
    return currentApp;
}

int App::Exec()
{
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) RouteMessage(message);
    return static_cast<int>(message.wParam);
}

void App::Quit(int exitCode)
{
    PostQuitMessage(exitCode);
}

UINT App::Run(const std::string& commandLine, int showCommand)
{
    return TheSeam().StartProgram(commandLine, showCommand);
}

void ApplicationExec()
{
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        RouteMessage(message);
    }
}

void RouteMessage(MSG& message)
{
    if (message.hwnd) {
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        Window* top = ObjectOfWindowHandle(root);
        if (top && top->GetAccelerator().Handle() &&
            TranslateAcceleratorA(root, top->GetAccelerator().Handle(), &message))
            return;
        if (auto* shell = dynamic_cast<ShellWindow*>(top);
            shell && TranslateMDISysAccel(shell->ClientHandle(), &message))
            return;
        for (HWND hwnd = message.hwnd; hwnd; hwnd = GetParent(hwnd))
            if (IsFrameworkDialog(hwnd)) {
                if (IsDialogMessageA(hwnd, &message)) return;
                break;
            }
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}
