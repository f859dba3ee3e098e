// What the tests of the frame's dialogs share: the shipped language files,
// the message windows, a frame window as goShell with a help display, a
// recording seam, a fresh per-user directory, and a way to act inside a
// modal dialog's message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "app/shell/globals.h"
#include "app/shell/shell_fixture.h"
#include "lib/message_windows_setup.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/dialogs.h"
#include "platform/framework/recording_seam.h"
#include "platform/framework/standard_dialogs.h"

namespace shell_test {

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenMessageWindows("eng");
        root = FreshDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
        gcPfadUser = root + "user\\";
        CreateDirectoryA(gcPfadUser.c_str(), nullptr);
        CreateDirectoryA((gcPfadUser + "userdata").c_str(), nullptr);
        gcPfadProto = gcPfadUser + "UserData\\";
        frame = std::make_unique<TopAppWindow>();
        frame->SetHelpDisplay(std::make_unique<HelpDisplay>("zodedado.chm", frame.get()));
        goShell = frame.get();
    }

    void TearDown() override
    {
        goShell = nullptr;
        frame.reset();
        CloseMessageWindows();
        gcSprache = "eng";
    }

    // Clicks a control of the dialog as the user does.
    static void Click(Window& dialog, const char* name)
    {
        SendMessageA(dialog.GetControl(name)->Handle(), BM_CLICK, 0, 0);
    }

    // The error message now shown; empty when none was shown.
    static std::string Fehler() { return goFehler->IsVisible() ? goFehler->GetFehler() : std::string(); }

    RecordingSeam seam;
    std::string root;
    std::unique_ptr<TopAppWindow> frame;
};

// Runs the modal dialog; once its message loop runs, `inside` is called from
// it (it ends the dialog, or the test hangs until its time-out).
inline std::function<void()> g_pendingInside;

inline void CALLBACK CallPendingInside(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (auto call = std::exchange(g_pendingInside, nullptr)) call();
}

inline void RunModal(DialogWindow& dialog, std::function<void()> inside)
{
    g_pendingInside = std::move(inside);
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CallPendingInside);
    dialog.Show();
    KillTimer(nullptr, timer);
}

}  // namespace shell_test
