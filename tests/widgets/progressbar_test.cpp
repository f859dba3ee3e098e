// The timed progress bar: percentages on the bar, the process-wide timer and
// its ticks, which arrive while window messages are dispatched.
#include "widgets/progressbar.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <utility>
#include <vector>

#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"

namespace {

using widgets::ProgressBar;

// Dispatches messages until the timer has ticked (true) or 5 s have passed.
bool AwaitTick(ProgressBar& bar)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
        ApplicationExec();
        if (bar.TimeOk()) return true;
        Sleep(1);
    }
    return false;
}

class ProgressTest : public ::testing::Test {
protected:
    ProgressTest()
    {
        frame.SetSize({400, 200});
        frame.Show();
        bar = std::make_unique<ProgressBar>(frame, 100, Point{10, 10}, Dimension{300, 20});
    }
    // No timer outlives a test.
    ~ProgressTest() override { bar->Finish(); }
    int Position() const { return static_cast<int>(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0)); }

    TopAppWindow frame;
    std::unique_ptr<ProgressBar> bar;
};

TEST_F(ProgressTest, TheFirstAskOfTheProcessAnswersAtOnceAndOnlyOnce)
{
    EXPECT_TRUE(bar->TimeOk());
    EXPECT_FALSE(bar->TimeOk());
}

TEST_F(ProgressTest, UpdateShowsWholePercentsOfTheMaximum)
{
    bar->Start();
    EXPECT_EQ(bar->Range(), std::make_pair(0, 100));
    EXPECT_EQ(Position(), 0);
    struct Case {
        double maximum;
        double value;
        int position;
    };
    const std::vector<Case> cases = {
        {500, 250, 50},   {500, 500, 100}, {500, 499.9, 99}, {3, 2, 66},     {500, -10, 0},
        {500, 1000, 100}, {-200, -50, 25}, {500, 0, 0},      {500, 250, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.value << " of " << c.maximum);
        bar->SetMax(c.maximum, 100).Update(c.value);
        EXPECT_EQ(Position(), c.position);
    }
    // A maximum of 0 leaves the position.
    bar->SetMax(0, 100).Update(5);
    EXPECT_EQ(Position(), 50);
}

TEST_F(ProgressTest, UpdateFollowsRisingFallingAndRepeatedValues)
{
    bar->Start().SetMax(500, 100);
    struct Step {
        double value;
        int position;
        // The position before the last one set: a value that shows the
        // position again sets nothing.
        int oldPosition;
    };
    const std::vector<Step> steps = {
        {250, 50, 0},  {0, 0, 50},    {0, 0, 50},    {100, 20, 0},   {300, 60, 20}, {300, 60, 20},
        {301, 60, 20}, {200, 40, 60}, {250, 50, 40}, {500, 100, 50}, {40, 8, 100},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "Update(" << step.value << ")");
        bar->Update(step.value);
        EXPECT_EQ(Position(), step.position);
        EXPECT_EQ(bar->OldPosition(), step.oldPosition);
    }
}

TEST_F(ProgressTest, SetMaxWithoutArgumentsMeans100In25Milliseconds)
{
    bar->Start().SetMax().Update(25);
    EXPECT_EQ(ProgressBar::Maximum(), 100.0);
    EXPECT_EQ(ProgressBar::Interval(), 25u);
    EXPECT_EQ(Position(), 25);
    EXPECT_NE(ProgressBar::TimerId(), 0u);
}

TEST_F(ProgressTest, ASecondSetMaxKeepsTheRunningTimer)
{
    bar->SetMax(500, 30);
    UINT_PTR timer = ProgressBar::TimerId();
    ASSERT_NE(timer, 0u);
    bar->SetMax(10, 60);
    EXPECT_EQ(ProgressBar::TimerId(), timer);
    EXPECT_EQ(ProgressBar::Maximum(), 10.0);
    // The timer still ticks, and every tick is answered once.
    ASSERT_TRUE(AwaitTick(*bar));
    EXPECT_FALSE(bar->TimeOk());
    ASSERT_TRUE(AwaitTick(*bar));
}

TEST_F(ProgressTest, FinishStopsTheTimerAndShowsAll)
{
    bar->Start().SetMax(500, 20).Update(100);
    ASSERT_TRUE(AwaitTick(*bar));
    bar->Finish();
    EXPECT_EQ(Position(), 100);
    EXPECT_EQ(ProgressBar::TimerId(), 0u);
    EXPECT_FALSE(bar->TimeOk());
    // No tick comes any more, until a new timer runs.
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 200) ApplicationExec();
    EXPECT_FALSE(bar->TimeOk());
    bar->SetMax(500, 20);
    EXPECT_TRUE(AwaitTick(*bar));
}

TEST_F(ProgressTest, AnotherBarStartsANewTimerAfterADestroy)
{
    bar->SetMax(500, 20);
    ASSERT_NE(ProgressBar::TimerId(), 0u);
    bar->Destroy();
    EXPECT_EQ(bar->Handle(), nullptr);
    EXPECT_EQ(ProgressBar::TimerId(), 0u);

    ProgressBar other(frame, 101, Point{10, 40}, Dimension{300, 20});
    other.Start().SetMax(500, 20);
    EXPECT_NE(ProgressBar::TimerId(), 0u);
    EXPECT_TRUE(AwaitTick(other));
    other.Finish();
}

}  // namespace
