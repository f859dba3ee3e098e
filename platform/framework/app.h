// The application object: the program's message loop, with keyboard
// accelerators and dialog navigation routed before a message is dispatched.
#pragma once

#include <windows.h>

#include <string>

class App {
public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The application's start: sets the program up and runs Exec.
    virtual void Start() {}
    // Runs the message loop until Quit; returns the exit code given to Quit.
    int Exec();
    // Ends the message loop.
    void Quit(int exitCode = 0);
    // Starts a program from a command line; the code is above 31 when it started.
    UINT Run(const std::string& commandLine, int showCommand = SW_SHOWNORMAL);

    // The application object of the program, or null.
    static App* Current();
};

// Dispatches the window messages that are waiting, routed as in the message
// loop, and returns. A quit request met here is left for the message loop.
void ApplicationExec();

// Routes one message: accelerator of its top-level window, the document
// windows' keys of a shell window, dialog navigation of the dialog or form it
// belongs to, else translate and dispatch.
void RouteMessage(MSG& message);
