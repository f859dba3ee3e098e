// The system's button captions: learnt once from three message boxes that
// close themselves, none shown without the hook; the window that is active
// meanwhile is left alone.
#include "widgets/getmsgstring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace widgets;

// An active top-level window with buttons of the ids 1 to 9, captioned
// otherwise than any system button; it counts the commands it gets.
class ButtonFrame {
public:
    ButtonFrame()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "MdxButtonFrame";
        RegisterClassA(&windowClass);
        hwnd_ = CreateWindowExA(0, "MdxButtonFrame", "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 300,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
        for (int id = 1; id <= 9; ++id) {
            const std::string caption = "&Weiter " + std::to_string(id);
            CreateWindowExA(0, "Button", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 25 * id, 120, 22,
                            hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), windowClass.hInstance, nullptr);
        }
        SetForegroundWindow(hwnd_);
        SetActiveWindow(hwnd_);
    }
    ~ButtonFrame() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }
    static inline int commands = 0;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND) ++commands;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    HWND hwnd_;
};

HHOOK WINAPI NoHook(int, HOOKPROC, HINSTANCE, DWORD)
{
    return nullptr;
}

TEST(GetMsgStringTest, WithoutTheHookNoBoxIsShownAndCaptionsAreEmpty)
{
    HookInstaller real = SetMsgStringHookInstaller(NoHook);
    EXPECT_EQ(GetMsgString(IDYES), "");
    EXPECT_EQ(MsgStringActivations(), 0);
    SetMsgStringHookInstaller(real);
}

TEST(GetMsgStringTest, TheCaptionsOfTheSystemsButtonsWithoutAccessKeys)
{
    // Windows activates this window again whenever a box ends.
    ButtonFrame frame;
    ASSERT_EQ(GetActiveWindow(), frame.Handle());
    const struct {
        int id;
        const char* caption;
    } captions[] = {{IDOK, "OK"},
                    {IDCANCEL, "Cancel"},
                    {IDABORT, "Abort"},
                    {IDRETRY, "Retry"},
                    {IDIGNORE, "Ignore"},
                    {IDYES, "Yes"},
                    {IDNO, "No"},
                    {IDHELP, "Help"},
                    {0, ""},
                    {8, ""},
                    {10, ""},
                    {-1, ""}};
    for (const auto& c : captions) EXPECT_EQ(GetMsgString(c.id), c.caption) << c.id;
    EXPECT_EQ(ButtonFrame::commands, 0) << "the active window got no command";
    const int activations = MsgStringActivations();
    EXPECT_GT(activations, 0);
    EXPECT_EQ(GetMsgString(IDNO), "No");
    EXPECT_EQ(MsgStringActivations(), activations) << "no box the second time";
}

}  // namespace
