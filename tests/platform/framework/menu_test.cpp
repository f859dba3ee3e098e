// Menu commands and accelerators call the owner's method of the item's name.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/menu.h"
#include "platform/framework/toolbar.h"

namespace {

class MenuWindow : public TopAppWindow {
public:
    MenuWindow()
    {
        auto file = std::make_unique<Menu>();
        file->AppendItem(101, {"ProEnde", "&Beenden", "Ends the program", ""});
        file->AppendSeparator();
        file->AppendItem(102, {"PROOHNE", "Ohne", "", ""});
        menu.AppendItem(std::move(file), "");
        menu.RegisterItem(100, {"PRODATEI", "&Datei", "", ""}, menu.Handle(), 0);
        menu.SetAccelerator(Accelerator({{FVIRTKEY, VK_F5, 101}}));
        SetMenu(&menu);
    }
    bool CallByName(std::string_view name) override
    {
        static const MethodTable<MenuWindow> table{{"PROENDE", &MenuWindow::ProEnde}};
        return table.Call(*this, name) || TopAppWindow::CallByName(name);
    }
    void ProEnde() { ++endCalls; }

    Menu menu;
    int endCalls = 0;
};

TEST(MenuTest, CommandsAndAcceleratorsCallTheMethodOfTheItemsName)
{
    MenuWindow window;
    window.Show();
    PostMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(101, 0), 0);
    PostMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(102, 0), 0);
    ApplicationExec();
    EXPECT_EQ(window.endCalls, 1);

    PostMessageA(window.Handle(), WM_KEYDOWN, VK_F5, 0);
    ApplicationExec();
    EXPECT_EQ(window.endCalls, 2);
}

TEST(MenuTest, LabelsGiveTextsAndItemsKeepTheirStates)
{
    MenuWindow window;
    char text[32] = {};
    GetMenuStringA(window.menu.Handle(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Datei");
    ASSERT_NE(window.menu.GetHyperLabel(102), nullptr);
    EXPECT_EQ(window.menu.GetHyperLabel(101)->Description(), "Ends the program");
    EXPECT_EQ(window.menu.GetHyperLabel(999), nullptr);

    window.menu.CheckItem(101);
    window.menu.DisableItem(102);
    EXPECT_TRUE(GetMenuState(window.menu.Handle(), 101, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(window.menu.Handle(), 102, MF_BYCOMMAND) & MF_GRAYED);
    window.menu.UncheckItem(101);
    window.menu.EnableItem(102);
    EXPECT_FALSE(GetMenuState(window.menu.Handle(), 101, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(window.menu.Handle(), 102, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(MenuTest, MenuOutlivesTheWindowThatShowedIt)
{
    MenuWindow window;
    window.Destroy();
    EXPECT_TRUE(IsMenu(window.menu.Handle()));
}

TEST(ToolBarTest, ButtonsRunTheMenuCommandsOfTheirIds)
{
    MenuWindow window;
    ToolBar bar(window);
    window.SetToolBar(&bar);
    bar.SetButtonStyle(1);
    bar.AppendItem(STD_FILENEW, 102);
    bar.AppendSeparator();
    bar.AppendItem(133, 101, Bitmap("TEST_BITMAP"), 0);
    window.Show();
    ASSERT_EQ(SendMessageA(bar.Handle(), TB_BUTTONCOUNT, 0, 0), 3);
    // The bar paints its buttons: the first one is not of one colour.
    ApplicationExec();
    HDC dc = GetDC(bar.Handle());
    RECT first{};
    SendMessageA(bar.Handle(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    int colours = 0;
    COLORREF seen = GetPixel(dc, first.left + 2, first.top + 2);
    for (int y = first.top; y < first.bottom; ++y)
        for (int x = first.left; x < first.right; ++x)
            if (GetPixel(dc, x, y) != seen) {
                ++colours;
                seen = GetPixel(dc, x, y);
            }
    ReleaseDC(bar.Handle(), dc);
    EXPECT_GT(colours, 0);

    // A click on the last button.
    RECT button{};
    SendMessageA(bar.Handle(), TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&button));
    LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, at);
    ApplicationExec();
    EXPECT_EQ(window.endCalls, 1);

    bar.ClickItem(101);
    bar.DisableItem(102);
    EXPECT_TRUE(bar.IsClicked(101));
    EXPECT_FALSE(bar.IsItemEnabled(102));
    bar.UnclickItem(101);
    bar.EnableItem(102);
    EXPECT_FALSE(bar.IsClicked(101));
    EXPECT_TRUE(bar.IsItemEnabled(102));

    RECT barRect{};
    GetWindowRect(bar.Handle(), &barRect);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&barRect), 2);
    EXPECT_EQ(barRect.top, 0);
    EXPECT_EQ(barRect.right - barRect.left, window.CanvasArea().Width());
}

}  // namespace
