// Tab controls: pages shown in the display area, choices of the user.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "platform/framework/appwindow.h"
#include "platform/framework/controls.h"

namespace {

class TabWindow : public ChildAppWindow {
public:
    explicit TabWindow(Window* owner) : ChildAppWindow(owner), first(this), second(this)
    {
        tabs = AddControl<TabControl>(100, Point(0, 0), Dimension(1, 1), WS_CHILD);
        tabs->SetOwnerAlignment(Control::kFollowOwnerSize);
        tabs->Show();
        tabs->AppendTab("FIRST", "Erste", &first);
        tabs->AppendTab("SECOND", "Zweite", &second);
    }
    void TabSelect(ControlEvent& event) override { chosen.push_back(event.NameSym() + ":" + tabs->SelectedTab()); }

    ChildAppWindow first;
    ChildAppWindow second;
    TabControl* tabs;
    std::vector<std::string> chosen;
};

class TabTest : public ::testing::Test {
protected:
    TabTest() : window(&frame)
    {
        frame.SetSize({500, 400});
        frame.Show();
        window.tabs->SetHyperLabel({"TABCONTROL", "", "", ""});
        MoveWindow(window.Handle(), 0, 0, 300, 200, TRUE);
        window.Show();
    }
    TopAppWindow frame;
    TabWindow window;
};

TEST_F(TabTest, TheChosenPageFillsTheDisplayAreaAndTheOthersHide)
{
    RECT canvas{}, tabs{};
    GetClientRect(window.Handle(), &canvas);
    GetWindowRect(window.tabs->Handle(), &tabs);
    EXPECT_EQ(tabs.right - tabs.left, canvas.right);
    EXPECT_EQ(tabs.bottom - tabs.top, canvas.bottom);

    EXPECT_EQ(window.tabs->SelectedTab(), "FIRST");
    EXPECT_EQ(window.tabs->SelectedTabPage(), &window.first);
    EXPECT_TRUE(window.first.IsVisible());

    ASSERT_TRUE(window.tabs->SelectTab("second"));
    EXPECT_FALSE(window.tabs->SelectTab("THIRD"));
    EXPECT_EQ(window.tabs->SelectedTabPage(), &window.second);
    EXPECT_FALSE(window.first.IsVisible());
    EXPECT_TRUE(window.second.IsVisible());

    RECT area = window.tabs->DisplayArea();
    MapWindowPoints(window.tabs->Handle(), window.Handle(), reinterpret_cast<POINT*>(&area), 2);
    RECT page{};
    GetWindowRect(window.second.Handle(), &page);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&page), 2);
    EXPECT_TRUE(EqualRect(&page, &area));
    EXPECT_TRUE(window.chosen.empty());
}

TEST_F(TabTest, AClickOnATabReachesTabSelect)
{
    RECT tab{};
    SendMessageA(window.tabs->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageA(window.tabs->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(window.tabs->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(window.chosen, std::vector<std::string>{"TABCONTROL:SECOND"});
    EXPECT_TRUE(window.second.IsVisible());
    EXPECT_FALSE(window.first.IsVisible());
}

}  // namespace
