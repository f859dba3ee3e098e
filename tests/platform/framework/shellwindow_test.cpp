// Shell windows and their document windows.
#include <gtest/gtest.h>

#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/statusbar.h"

namespace {

TEST(ShellWindowTest, ChildWindowsOfAShellAreItsDocuments)
{
    ShellWindow shell;
    shell.SetSize({600, 400});
    shell.Show();
    ASSERT_NE(shell.ClientHandle(), nullptr);
    EXPECT_TRUE(shell.Documents().empty());

    ChildAppWindow first(&shell);
    ChildAppWindow second(&shell);
    first.Show();
    second.Show();
    ASSERT_NE(first.Handle(), nullptr);
    EXPECT_EQ(GetParent(first.Handle()), shell.ClientHandle());
    EXPECT_EQ(shell.Documents(), (std::vector<Window*>{&first, &second}));
    EXPECT_EQ(ObjectOfWindowHandle(GetParent(shell.ClientHandle())), &shell);

    // Closing a document ends it in the client.
    SendMessageA(first.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(first.Handle(), nullptr);
    EXPECT_EQ(shell.Documents(), (std::vector<Window*>{&second}));
    second.Destroy();
    EXPECT_TRUE(shell.Documents().empty());
}

TEST(ShellWindowTest, ClientLeavesTheStatusBarItsRoom)
{
    ShellWindow shell;
    StatusBar bar(shell);
    shell.SetStatusBar(&bar);
    bar.DisplayMessage();
    shell.SetSize({600, 400});
    shell.Show();

    RECT canvas{}, client{}, statusBar{};
    GetClientRect(shell.Handle(), &canvas);
    GetWindowRect(shell.ClientHandle(), &client);
    GetWindowRect(bar.Handle(), &statusBar);
    EXPECT_EQ(client.bottom - client.top + statusBar.bottom - statusBar.top, canvas.bottom);
}

TEST(ShellWindowTest, ChildOfAPlainWindowLiesInItsCanvas)
{
    TopAppWindow frame;
    ChildAppWindow child(&frame);
    EXPECT_EQ(GetParent(child.Handle()), frame.Handle());
    EXPECT_FALSE(child.IsVisible());
}

}  // namespace
