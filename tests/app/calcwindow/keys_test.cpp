// Keys typed into the calculation window through the system's input queue,
// as the user types them. The keys go to the focused window of the display,
// so these tests run while nothing else does.
#include <windows.h>

#include <map>

#include "app/calcwindow/layout.h"
#include "calcwindow_fixture.h"
#include "tests/app/user_input.h"

namespace calcwindow_test {
namespace {

using user_input::DispatchUntil;
using user_input::Press;

class KeysTest : public CalcWindowTest {
protected:
    void TakeFocus(const Control& control) { user_input::TakeFocus(frame->Handle(), control.Handle()); }

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
