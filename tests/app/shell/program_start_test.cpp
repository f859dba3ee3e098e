// The installed program started from the build's program directory with an
// empty APPDATA directory fills it, and writes its settings when it ends.
#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "lib/files.h"
#include "lib/ini.h"
#include "shell_fixture.h"

using namespace shell_test;

namespace {

struct Search {
    DWORD process;
    std::string caption;
    HWND window = nullptr;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (owner == search->process && caption == search->caption && IsWindowVisible(window)) search->window = window;
    return search->window == nullptr;
}

// A visible top-level window of the program, found by its process and caption.
HWND WindowOf(DWORD process, const std::string& caption)
{
    Search search{process, caption};
    EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.window;
}

TEST(ProgramStart, FillsAnEmptyUserDirectoryAndSavesTheSettingsAtTheEnd)
{
    const std::string appData = FreshDir("appdata");
    SetEnvironmentVariableA("APPDATA", appData.substr(0, appData.size() - 1).c_str());
    std::string program = MDX_PROGRAM_DIR "/meridoxa.exe";
    std::replace(program.begin(), program.end(), '/', '\\');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    HWND frame = nullptr;
    for (int i = 0; i < 300 && !frame; ++i) {
        Sleep(100);
        frame = WindowOf(process.dwProcessId, "MERIDOXA 8.01");
    }
    EXPECT_NE(frame, nullptr) << "the frame window did not appear";
    // A close request is refused while the start screen shows: it is repeated
    // every second until the exit question appears, which is answered with Yes.
    HWND question = nullptr;
    for (int i = 0; frame && i < 200 && !question; ++i) {
        if (i % 10 == 0) PostMessageA(frame, WM_CLOSE, 0, 0);
        Sleep(100);
        question = WindowOf(process.dwProcessId, "MERIDOXA");
    }
    EXPECT_NE(question, nullptr) << "the exit question did not appear";
    if (question) PostMessageA(question, WM_COMMAND, IDYES, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the program did not end";
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const std::string user = appData + "meridoxa\\";
    for (const char* file :
         {"vezarovu.chm", "zodedado.chm", "UserData\\testq.txt", "UserData\\testz.txt", "UserData\\test.kns"})
        EXPECT_TRUE(FFile(user + file)) << file;
    const std::string ini = user + "meridoxa.ini";
    EXPECT_EQ(GetIniString("Copyright", "Version", ini), "MERIDOXA 8.01");
    EXPECT_FALSE(GetIniString("Copyright", "Copyright", ini).empty());
    EXPECT_EQ(GetIniString("Config", "Ansicht", ini).size(), 20u);
    EXPECT_EQ(GetIniString("Config", "LesePfadQ", ini), user + "UserData\\");
}

}  // namespace
