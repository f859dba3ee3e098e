// The application object of the program: its start sets up the directories,
// the INI files and the geodesy library, shows the frame and the calculation
// window, and runs the message loop until the frame window ends the program.
#pragma once

#include "app/shell/getpfade.h"
#include "platform/framework/app.h"

namespace shell {

class MeridoxaApp : public App {
public:
    explicit MeridoxaApp(const SystemFacts& facts = Win32Facts()) : facts_(facts) {}
    void Start() override;
    // The code the message loop ended with.
    int ExitCode() const { return exitCode_; }

protected:
    // What the start does once the frame and the calculation window are shown
    // (goShell, goCalcPar): the message loop; answers the exit code.
    virtual int Loop() { return Exec(); }

private:
    const SystemFacts& facts_;
    int exitCode_ = 0;
};

}  // namespace shell
