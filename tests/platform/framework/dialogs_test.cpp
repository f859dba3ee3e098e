// Dialogs, message boxes through the seam, and the application's message loop.
#include <gtest/gtest.h>

#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"
#include "platform/framework/recording_seam.h"

namespace {

constexpr UINT kEndWith = WM_APP + 1;

// Ends itself with the result that the message kEndWith carries.
class EndingDialog : public DialogWindow {
public:
    EndingDialog(Window* owner, bool modal) : DialogWindow(owner, "TEST_DIALOG", modal) {}
    LRESULT Dispatch(Event& event) override
    {
        if (event.message == kEndWith) {
            EndDialog(static_cast<int>(event.wParam));
            return 0;
        }
        return DialogWindow::Dispatch(event);
    }
    void Close(Event&) override { ++closes; }
    int closes = 0;
};

TEST(DialogWindowTest, ModalDialogRunsUntilEndDialogAndGivesItsResult)
{
    TopAppWindow owner;
    owner.Show();
    EndingDialog dialog(&owner, true);
    ASSERT_NE(dialog.Handle(), nullptr);
    EXPECT_FALSE(dialog.IsVisible());

    PostMessageA(dialog.Handle(), kEndWith, 7, 0);
    dialog.Show();

    EXPECT_EQ(dialog.Result(), 7);
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_TRUE(owner.IsEnabled());
}

TEST(DialogWindowTest, OwnerIsDisabledWhileAModalDialogRuns)
{
    TopAppWindow owner;
    owner.Show();
    struct Probe : EndingDialog {
        using EndingDialog::EndingDialog;
        LRESULT Dispatch(Event& event) override
        {
            if (event.message == kEndWith) ownerEnabled = Owner()->IsEnabled();
            return EndingDialog::Dispatch(event);
        }
        bool ownerEnabled = true;
    } dialog(&owner, true);
    PostMessageA(dialog.Handle(), kEndWith, 1, 0);
    dialog.Show();
    EXPECT_FALSE(dialog.ownerEnabled);
    EXPECT_TRUE(owner.IsEnabled());
}

TEST(DialogWindowTest, ModelessDialogShowsAndReturnsAtOnce)
{
    EndingDialog dialog(nullptr, false);
    dialog.Show(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(dialog.IsVisible());
    dialog.Hide();
    EXPECT_FALSE(dialog.IsVisible());
    dialog.EndDialog(3);
    dialog.EndDialog(4);
    EXPECT_EQ(dialog.Result(), 3);
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(DialogWindowTest, TemplatesOfBothFormatsGiveTheirControlsAndCaption)
{
    for (const char* name : {"TEST_PLAIN", "TEST_DIALOG"}) {
        SCOPED_TRACE(name);
        DialogWindow dialog(nullptr, name);
        ASSERT_NE(dialog.Handle(), nullptr);
        EXPECT_TRUE(IsFrameworkDialog(dialog.Handle()));
        auto* text = dialog.AddControl<FixedText>(100);
        ASSERT_NE(text->Handle(), nullptr);
        EXPECT_EQ(text->Caption(), name == std::string("TEST_PLAIN") ? "Plain text" : "Text");
        EXPECT_EQ(dialog.Caption(), name == std::string("TEST_PLAIN") ? "Plain" : "Test dialog");
    }
}

TEST(DialogWindowTest, MissingTemplateGivesNoWindow)
{
    DialogWindow dialog(nullptr, "TEST_NO_SUCH_TEMPLATE");
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(SeamTest, MessageBoxesAreAnsweredThroughTheSeam)
{
    RecordingSeam seam;
    seam.messageBoxAnswers = {IDYES, IDNO};
    TopAppWindow owner;

    EXPECT_EQ(TextBox(&owner, "MERIDOXA", "Neu berechnen?", MB_YESNO | MB_ICONQUESTION).Show(), IDYES);
    EXPECT_EQ(TextBox(nullptr, "MERIDOXA", "Beenden?", 36).Show(), IDNO);
    EXPECT_EQ(InfoBox(nullptr, "MERIDOXA", "Fehler").Show(), IDOK);

    auto boxes = seam.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Neu berechnen?");
    EXPECT_EQ(boxes[0].detail, "MERIDOXA");
    EXPECT_EQ(boxes[0].number, 36);
    EXPECT_EQ(boxes[0].owner, owner.Handle());
    EXPECT_EQ(boxes[1].owner, nullptr);
    EXPECT_EQ(boxes[2].number, MB_OK | MB_ICONINFORMATION);
}

TEST(SeamTest, RecordingSeamStandsInOnlyForItsLifetime)
{
    Seam* win32 = &TheSeam();
    {
        RecordingSeam seam;
        EXPECT_EQ(&TheSeam(), &seam);
        {
            RecordingSeam inner;
            EXPECT_EQ(&TheSeam(), &inner);
        }
        EXPECT_EQ(&TheSeam(), &seam);
    }
    EXPECT_EQ(&TheSeam(), win32);
}

// Closing it ends the message loop with an exit code.
class QuittingWindow : public TopAppWindow {
public:
    void Close(Event&) override { App::Current()->Quit(3); }
};

TEST(AppTest, ClosingTheMainWindowEndsTheMessageLoop)
{
    App app;
    QuittingWindow window;
    window.Show();
    PostMessageA(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Exec(), 3);
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(App::Current(), &app);
}

TEST(AppTest, ApplicationExecDispatchesWaitingMessagesAndLeavesQuitToTheLoop)
{
    App app;
    struct Counting : TopAppWindow {
        LRESULT Dispatch(Event& event) override
        {
            if (event.message == WM_APP) ++received;
            return TopAppWindow::Dispatch(event);
        }
        int received = 0;
    } window;
    PostMessageA(window.Handle(), WM_APP, 0, 0);
    PostMessageA(window.Handle(), WM_APP, 0, 0);
    app.Quit(5);
    ApplicationExec();
    EXPECT_EQ(window.received, 2);
    EXPECT_EQ(app.Exec(), 5);
}

TEST(AppTest, ProgramsStartThroughTheSeam)
{
    RecordingSeam seam;
    seam.startProgramAnswer = 2;
    App app;
    EXPECT_EQ(app.Run("notepad.exe c:\\protocol.log"), 2u);
    auto started = seam.CallsOf("StartProgram");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].text, "notepad.exe c:\\protocol.log");
    EXPECT_EQ(started[0].number, SW_SHOWNORMAL);
}

}  // namespace
