// Keys typed into the calculation window through the system's input queue,
// as the user types them. The keys go to the focused window of the display,
// so these tests run while nothing else does.
#include <windows.h>

#include <map>

#include "app/calcwindow/layout.h"
#include "calcwindow_fixture.h"
#include "platform/framework/app.h"

namespace calcwindow_test {
namespace {

class KeysTest : public CalcWindowTest {
protected:
    // Gives a control the keyboard focus; another window on the display may
    // hold the activation, so it asks again.
    void TakeFocus(const Control& control)
    {
        for (int i = 0; i < 50 && GetFocus() != control.Handle(); ++i) {
            SetForegroundWindow(frame->Handle());
            SetFocus(control.Handle());
            Sleep(10);
            ApplicationExec();
        }
        ASSERT_EQ(GetFocus(), control.Handle());
    }

    // Presses and releases each key in turn through the input queue.
    static void Press(const std::vector<WORD>& keys)
    {
        std::vector<INPUT> inputs;
        for (WORD key : keys)
            for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
                INPUT input{};
                input.type = INPUT_KEYBOARD;
                input.ki.wVk = key;
                input.ki.dwFlags = flags;
                inputs.push_back(input);
            }
        ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    }

    // Dispatches through the program's message routing until the condition
    // holds, or for a while when it never does.
    template <class Condition>
    static void DispatchUntil(Condition done)
    {
        for (int i = 0; i < 200 && !done(); ++i) {
            Sleep(10);
            ApplicationExec();
        }
    }

    // The text of every control of the window, by name.
    std::map<std::string, std::string> Texts() const
    {
        std::map<std::string, std::string> texts;
        for (const LayoutItem& item : gaCalcParItems) {
            char text[4096] = {};
            GetWindowTextA(Get(item.cName)->Handle(), text, sizeof text);
            texts[item.cName] = text;
        }
        return texts;
    }
};

// A multi-line edit asks its parent to close on Esc; the window, its object
// and every text in it stay as they were.
TEST_F(KeysTest, EscInAFieldKeepsTheWindowAndItsTexts)
{
    Get<Edit>("HELMERTPAR")->SetTextValue("report\r\n");
    for (const char* name : {"KOORDLISTQ", "KOORDLISTZ", "HELMERTPAR", "EDITBEZQ"}) {
        SCOPED_TRACE(name);
        auto* field = Get<Edit>(name);
        const std::string typed = field->TextValue() + "1 2 3";
        TakeFocus(*field);
        SendMessageA(field->Handle(), EM_SETSEL, typed.size(), typed.size());
        Press({'1', VK_SPACE, '2', VK_SPACE, '3'});
        DispatchUntil([&] { return field->TextValue() == typed; });
        ASSERT_EQ(field->TextValue(), typed);
        const auto before = Texts();

        Press({VK_ESCAPE});
        // Until the key and what it posted have been dispatched.
        DispatchUntil([] { return HIWORD(GetQueueStatus(QS_KEY | QS_POSTMESSAGE)) == 0; });
        ASSERT_TRUE(IsWindow(window->Handle()));
        EXPECT_TRUE(window->IsVisible());
        EXPECT_EQ(goCalcPar, window.get());
        EXPECT_EQ(Texts(), before);
    }
}

}  // namespace
}  // namespace calcwindow_test
