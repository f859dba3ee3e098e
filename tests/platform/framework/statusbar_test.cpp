// The status bar of a frame window: items, messages, menu descriptions.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "platform/framework/appwindow.h"
#include "platform/framework/menu.h"
#include "platform/framework/statusbar.h"

namespace {

// A frame with a menu and a status bar of message area, date and clock.
class StatusFrame : public TopAppWindow {
public:
    StatusFrame() : statusBar(*this)
    {
        auto file = std::make_unique<Menu>();
        file->AppendItem(101, {"PROENDE", "Beenden", "Ends the program", ""});
        menu.AppendItem(std::move(file), "Datei");
        SetMenu(&menu);
        SetStatusBar(&statusBar);
        statusBar.DisplayMessage();
        statusBar.AddItem({"SB_DATE", 65, 0});
        statusBar.DisplayTime();
        SetSize({500, 300});
        Show();
    }
    Menu menu;
    StatusBar statusBar;
};

TEST(StatusBarTest, ItemsLieAfterTheMessageAreaAtTheBottomOfTheCanvas)
{
    StatusFrame frame;
    StatusBar& bar = frame.statusBar;
    ASSERT_NE(bar.Handle(), nullptr);
    EXPECT_EQ(frame.GetStatusBar(), &bar);

    int edges[4] = {};
    ASSERT_EQ(SendMessageA(bar.Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[1] - edges[0], 65);
    EXPECT_EQ(edges[2], -1);

    bar.SetText("10.12.2026", "sb_date");
    EXPECT_EQ(bar.GetText("SB_DATE"), "10.12.2026");
    EXPECT_NE(bar.GetText(StatusBar::kTime), "");
    EXPECT_EQ(bar.GetText("NOSUCHITEM"), "");

    RECT client{}, barRect{};
    GetClientRect(frame.Handle(), &client);
    GetWindowRect(bar.Handle(), &barRect);
    MapWindowPoints(nullptr, frame.Handle(), reinterpret_cast<POINT*>(&barRect), 2);
    EXPECT_EQ(barRect.bottom, client.bottom);
}

TEST(StatusBarTest, MessagesOfAKindAndMenuDescriptionsGoToTheMessageArea)
{
    StatusFrame frame;
    StatusBar& bar = frame.statusBar;
    bar.SetMessage("Bereit", MessagePermanent);
    EXPECT_EQ(bar.GetText(StatusBar::kMessageArea), "Bereit");
    bar.SetMessage("ignored", 5);
    bar.SetMessage("ignored", 0);
    EXPECT_EQ(bar.GetText(StatusBar::kMessageArea), "Bereit");

    bar.ControlText("Source point list");
    EXPECT_EQ(bar.GetText(StatusBar::kMessageArea), "Source point list");

    SendMessageA(frame.Handle(), WM_MENUSELECT, MAKEWPARAM(101, MF_HILITE),
                 reinterpret_cast<LPARAM>(frame.menu.Handle()));
    EXPECT_EQ(bar.GetText(StatusBar::kMessageArea), "Ends the program");
    SendMessageA(frame.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(bar.GetText(StatusBar::kMessageArea), "");
}

TEST(StatusBarTest, ArmedMessageGivesWayToThePermanentOneAfterTheTimeOut)
{
    StatusFrame frame;
    StatusBar& bar = frame.statusBar;
    bar.SetTimeout(2);
    bar.SetMessage("Bereit", MessagePermanent);
    bar.SetMessage("Fehler", MessageError);
    SendMessageA(bar.Handle(), WM_TIMER, 1, 0);
    EXPECT_EQ(bar.GetText(StatusBar::kMessageArea), "Fehler");
    SendMessageA(bar.Handle(), WM_TIMER, 1, 0);
    EXPECT_EQ(bar.GetText(StatusBar::kMessageArea), "Bereit");
    // Without a time-out a message stays.
    bar.SetTimeout(0);
    bar.SetMessage("Fehler", MessageError);
    for (int i = 0; i < 5; ++i) SendMessageA(bar.Handle(), WM_TIMER, 1, 0);
    EXPECT_EQ(bar.GetText(StatusBar::kMessageArea), "Fehler");
}

}  // namespace
