// The status bar's messages by kind: which text the message area shows,
// which kind is current, when errors beep, and one status bar per owner.
#include "widgets/statusbar2.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/appwindow.h"
#include "platform/framework/recording_seam.h"

namespace {

using widgets::statusbar2;

// A frame whose status bar shows messages, as the main frame sets it up.
class MessageFrame : public TopAppWindow {
public:
    MessageFrame()
    {
        SetSize({500, 300});
        bar = std::make_unique<statusbar2>(*this);
        SetStatusBar(bar.get());
        bar->DisplayMessage();
        bar->SetTimeout(7);
        Show();
    }
    ~MessageFrame() override { SetStatusBar(nullptr); }
    std::unique_ptr<statusbar2> bar;
};

struct Message {
    std::string text;
    int kind;
};

TEST(StatusBar2Test, MessagesShowByKind)
{
    struct Case {
        const char* name;
        std::vector<Message> messages;
        std::string shown;
        int kind;
    };
    const std::vector<Case> cases = {
        {"a higher kind overrides", {{"A", 1}, {"B", 3}}, "B", 3},
        {"a lower kind is only kept", {{"A", 1}, {"B", 3}, {"C", 2}}, "B", 3},
        {"an empty text keeps its kind's waiting text", {{"A", 1}, {"B", 3}, {"", 3}}, "B", 3},
        {"an empty text walks down to the base line", {{"A", 1}, {"", 2}}, "A", 1},
        {"an empty base line is shown", {{"A", 1}, {"", 1}}, "", 1},
        {"the walk passes kinds without text", {{"A", 1}, {"C", 2}, {"B", 4}, {"", 4}}, "B", 4},
        {"nothing to walk to empties the area", {{"", 3}}, "", 0},
        {"an empty base line waits below a higher kind", {{"A", 1}, {"B", 3}, {"", 1}, {"", 3}}, "B", 3},
        {"kinds 0 and 5 change nothing", {{"A", 1}, {"X", 0}, {"Y", 5}}, "A", 1},
        {"errors override everything", {{"B", 3}, {"E", 4}, {"C", 3}}, "E", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageFrame frame;
        for (const Message& m : c.messages) frame.bar->SetMessage(m.text, m.kind);
        EXPECT_EQ(frame.bar->GetText(StatusBar::kMessageArea), c.shown);
        EXPECT_EQ(frame.bar->CurrentKind(), c.kind);
    }
}

TEST(StatusBar2Test, AMessageWithoutAKindIsTheBaseLine)
{
    MessageFrame frame;
    frame.bar->SetMessage("Ready");
    EXPECT_EQ(frame.bar->GetText(StatusBar::kMessageArea), "Ready");
    EXPECT_EQ(frame.bar->CurrentKind(), 1);
    EXPECT_FALSE(frame.bar->TimeoutArmed());
}

TEST(StatusBar2Test, MessagesAboveTheBaseLineArmTheTimeOut)
{
    MessageFrame frame;
    frame.bar->SetMessage("B", 3);
    frame.bar->SetMessage("C", 2);
    EXPECT_TRUE(frame.bar->TimeoutArmed());

    MessageFrame never;
    never.bar->SetTimeout(0);
    never.bar->SetMessage("B", 3);
    EXPECT_FALSE(never.bar->TimeoutArmed());
}

TEST(StatusBar2Test, OnlyNonBlankErrorsBeepAndOnlyWithTheBeepOn)
{
    struct Case {
        std::string text;
        int kind;
        bool beepOn;
        size_t beeps;
    };
    const std::vector<Case> cases = {
        {"Error", 4, true, 1},  {"", 4, true, 0},      {"   ", 4, true, 0},
        {"Error", 4, false, 0}, {"Error", 3, true, 0}, {"Error", 5, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.text + "' kind " + std::to_string(c.kind) + (c.beepOn ? " beep on" : " beep off"));
        MessageFrame frame;
        RecordingSeam seam;
        frame.bar->SetErrorMessageBeep(c.beepOn);
        frame.bar->SetMessage(c.text, c.kind);
        std::vector<RecordingSeam::Call> beeps = seam.CallsOf("Beep");
        ASSERT_EQ(beeps.size(), c.beeps);
        if (c.beeps) {
            EXPECT_EQ(beeps[0].number, 0xFFFFFFFF);
        }
    }
}

TEST(StatusBar2Test, ASecondStatusBarDestroysTheFirstOnesWindow)
{
    MessageFrame frame;
    HWND first = frame.bar->Handle();
    ASSERT_TRUE(IsWindow(first));
    statusbar2 second(frame);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second.Handle()));
}

}  // namespace
