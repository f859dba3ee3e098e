// The wait box: its caption counting down, its size from its text, its place
// on the screen, and a real count-down that ends the box through the
// framework's timer.
#include "widgets/waitbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "box_placement.h"
#include "platform/framework/app.h"
#include "widgets/messagelayout.h"

namespace {

using widgets::WaitBox;

TEST(WaitBoxTest, TheCaptionCountsTheSecondsDown)
{
    const struct {
        std::optional<std::string> caption;
        std::optional<double> seconds;
        std::vector<std::string> captions;  // at the start and after each second
    } cases[] = {
        {{}, {}, {"0"}},
        {"Saving", {}, {"Saving"}},
        {"   ", {}, {"0"}},
        {{}, 3, {"3", "2", "1"}},
        {"Working", 5.7, {"Working -- 5", "Working -- 4", "Working -- 3", "Working -- 2", "Working -- 1"}},
        {"Working", -2, {"Working"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.captions.front());
        WaitBox box(nullptr, c.caption, "Please wait.", c.seconds);
        for (size_t i = 0; i < c.captions.size(); ++i) {
            ASSERT_TRUE(box.Handle());
            EXPECT_EQ(box.Caption(), c.captions[i]);
            if (i + 1 < c.captions.size()) box.Timer();
        }
        if (c.seconds && *c.seconds > 0) {
            box.Timer();
            EXPECT_FALSE(box.Handle()) << "the last second ends the box";
        }
    }
}

TEST(WaitBoxTest, ARealCountDownEndsTheBox)
{
    WaitBox box(nullptr, "Working", "Two seconds.", 2);
    box.Show();
    EXPECT_TRUE(box.IsVisible());
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(6);
    while (box.Handle() && std::chrono::steady_clock::now() < until) {
        ApplicationExec();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_FALSE(box.Handle());
}

TEST(WaitBoxTest, TheBoxIsAsWideAsItsWidestLine)
{
    const std::string text = "A short line\r\nand a somewhat longer second line";
    WaitBox plain(nullptr, "Plain", text);
    ASSERT_EQ(plain.TextLines().size(), 2u);
    const int widest = plain.SizeText("and a somewhat longer second line ").width;
    EXPECT_EQ(plain.CanvasArea().Width(), widest + 20);
    EXPECT_EQ(plain.CanvasArea().Height(), 2 * plain.SizeText("A short line ").height + 20);
    // Lines from the top: 1231 is the first, at the top of the block.
    EXPECT_EQ(plain.TextLines().back()->ControlId(), 1231);
    EXPECT_EQ(plain.TextLines().back()->Caption(), "A short line ");
    EXPECT_EQ(plain.TextLines().front()->Origin(), (Point{10, 10}));

    WaitBox withIcon(nullptr, "Icon", text, {}, 400, Icon(32516));  // IDI_INFORMATION
    ASSERT_TRUE(withIcon.IconControl());
    const Dimension icon = withIcon.IconControl()->Size();
    EXPECT_EQ(withIcon.CanvasArea().Width(), widest + 20 + icon.width + 10);
    EXPECT_EQ(withIcon.TextLines().front()->Origin().x, 10 + icon.width + 10);
    const int block = withIcon.CanvasArea().Height() - 20;
    EXPECT_EQ(withIcon.IconControl()->Origin(), (Point{10, 10 + block / 2 - icon.height / 2}));
}

TEST(WaitBoxTest, NoWrappingWidthIsNarrowerThanAHundred)
{
    const std::string text = "one two three four five six seven eight";
    WaitBox narrow(nullptr, "x", text, {}, 50);
    WaitBox hundred(nullptr, "x", text, {}, 100);
    ASSERT_GT(hundred.TextLines().size(), 1u);
    ASSERT_EQ(narrow.TextLines().size(), hundred.TextLines().size());
    for (size_t i = 0; i < narrow.TextLines().size(); ++i)
        EXPECT_EQ(narrow.TextLines()[i]->Caption(), hundred.TextLines()[i]->Caption());
}

TEST(WaitBoxTest, LiesInsideTheWorkAreaCentredOverItsOwner)
{
    box_placement::ExpectBoxesInsideTheWorkArea([](Window* owner, const std::string& text) {
        return std::make_unique<WaitBox>(owner, "Working", text, 5, 400, Icon(32516));  // IDI_INFORMATION
    });
}

TEST(WaitBoxTest, ALineThatFillsTheWorkAreaLeavesItsTrailingBlankOutside)
{
    // A first line that ends less than a blank's width before the edge of
    // the room beside the margins, wrapped at a width wider than the screen.
    WaitBox probe(nullptr, "Wide", "x");
    const int room = widgets::LargestClientSize(probe).width - 20;
    std::string line = "fill";
    while (probe.SizeText(line + " fill").width <= room) line += " fill";
    while (probe.SizeText(line + "i").width <= room) line += "i";
    ASSERT_GT(probe.SizeText(line + " ").width, room);

    WaitBox box(nullptr, "Wide", line + " next", {}, 100000);
    ASSERT_EQ(box.TextLines().size(), 2u);
    EXPECT_EQ(box.TextLines().back()->Caption(), line + " ");
    const RECT area = box_placement::WorkArea();
    EXPECT_LE(box.Size().width, area.right - area.left);
    EXPECT_EQ(box.CanvasArea().Width(), room + 20);
}

TEST(WaitBoxTest, AWordWiderThanTheWorkAreaBreaksAtItsEdge)
{
    const std::string word(400, 'W');
    WaitBox box(nullptr, "Wide", "A word " + word + " in a text.");
    const RECT area = box_placement::WorkArea();
    EXPECT_LE(box.Size().width, area.right - area.left);
    std::string shown;
    for (auto it = box.TextLines().rbegin(); it != box.TextLines().rend(); ++it) {
        const std::string line = (*it)->Caption();
        EXPECT_LE(box.SizeText(line).width + 20, box.CanvasArea().Width()) << line;
        shown += line;
    }
    shown.erase(std::remove(shown.begin(), shown.end(), ' '), shown.end());
    EXPECT_EQ(shown, "Aword" + word + "inatext.");
}

}  // namespace
