// The message box with free buttons: its layout from its arguments, its place
// on the screen and the number of the button pressed, from clicks posted
// before it runs.
#include "widgets/textboxmb.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "box_placement.h"

namespace {

using widgets::TextBoxMb;
using Captions = std::array<TextBoxMb::ButtonCaption, 6>;

const std::string kShort = "Go on?";

// Button positions as (id, x) from left to right.
std::vector<std::pair<int, int>> ButtonPlaces(const TextBoxMb& box)
{
    std::vector<std::pair<int, int>> places;
    for (auto it = box.Buttons().rbegin(); it != box.Buttons().rend(); ++it)
        places.emplace_back((*it)->ControlId(), (*it)->Origin().x);
    return places;
}

TEST(TextBoxMbTest, ButtonsCloseUpToTheRight)
{
    const struct {
        const char* name;
        int buttonWidth;
        Captions captions;
        int clientWidth;
        std::vector<std::pair<int, int>> places;
        int width;
    } cases[] = {
        {"buttons 2 and 5 only", 100, {{{}, "Two", {}, {}, "Five", {}}}, 230, {{7314, 10}, {7311, 120}}, 100},
        {"no button gives Close", 100, {}, 120, {{7315, 10}}, 100},
        {"a width of 40 gives 100", 40, {{"One"}}, 120, {{7315, 10}}, 100},
        {"a width of 50 stays", 50, {{"One", "Two"}}, 130, {{7315, 10}, {7314, 70}}, 50},
        {"a wide row widens the text", 150, {{"1", "2", "3"}}, 490, {{7315, 10}, {7314, 170}, {7313, 330}}, 150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextBoxMb box(nullptr, "Layout", kShort, 400, c.buttonWidth, {}, c.captions);
        EXPECT_EQ(box.CanvasArea().Width(), c.clientWidth);
        EXPECT_EQ(ButtonPlaces(box), c.places);
        for (const auto& button : box.Buttons()) {
            EXPECT_EQ(button->Origin().y, 10);
            EXPECT_EQ(button->Size(), (Dimension{c.width, 25}));
        }
    }
}

TEST(TextBoxMbTest, TheTextColumnIsAsWideAsTheButtonRowNeeds)
{
    // A text width narrower than the row: the row of three buttons sets it.
    TextBoxMb shortText(nullptr, "", kShort, 100, 100, {}, {{"Yes", "No", "Maybe"}});
    EXPECT_EQ(shortText.CanvasArea().Width(), 340);
    // A widest line between row and text width keeps the full text width.
    TextBoxMb wide(nullptr, "", "A line wider than a single button", 400, 100, {}, {{"OK"}});
    ASSERT_GT(wide.SizeText("A line wider than a single button ").width, 100);
    EXPECT_EQ(wide.CanvasArea().Width(), 420);
}

TEST(TextBoxMbTest, LinesStandAboveTheBandWithTheIconCentredBesideThem)
{
    TextBoxMb box(nullptr, "", "First<LF>Second<LF><LF>Fourth", 400, 100, Icon(32514), {{"OK"}});  // IDI_QUESTION
    const auto& lines = box.TextLines();
    ASSERT_EQ(lines.size(), 4u);
    const int lineHeight = box.SizeText("First ").height;
    EXPECT_EQ(box.CanvasArea().Height(), 4 * lineHeight + 65);
    ASSERT_TRUE(box.IconControl());
    const Dimension icon = box.IconControl()->Size();
    const int x = 10 + icon.width + 10;
    const struct {
        int id;
        const char* text;
        int y;
    } expected[] = {{1234, "Fourth ", 55},
                    {1233, "", 55 + lineHeight},
                    {1232, "Second ", 55 + 2 * lineHeight},
                    {1231, "First ", 55 + 3 * lineHeight}};
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(expected[i].id);
        EXPECT_EQ(lines[i]->ControlId(), expected[i].id);
        EXPECT_EQ(lines[i]->Caption(), expected[i].text);
        EXPECT_EQ(lines[i]->Origin(), (Point{x, expected[i].y}));
    }
    EXPECT_EQ(box.IconControl()->Origin(), (Point{10, 55 + 4 * lineHeight / 2 - icon.height / 2}));
}

TEST(TextBoxMbTest, TheBandBehindTheButtonsSpansTheBottom)
{
    TextBoxMb box(nullptr, "Band", kShort, 400, 100, {}, {{"One", "Two"}});
    EXPECT_EQ(box.ButtonBand().Origin(), (Point{0, 0}));
    EXPECT_EQ(box.ButtonBand().Size(), (Dimension{box.CanvasArea().Width(), 45}));
}

TEST(TextBoxMbTest, TheResultIsTheNumberOfThePressedButton)
{
    const Captions all{{"1", "2", "3", "4", "5", "6"}};
    for (int n = 1; n <= 6; ++n) {
        TextBoxMb box(nullptr, "Pick", kShort, 400, 60, {}, all);
        PostMessageA(GetDlgItem(box.Handle(), TextBoxMb::ButtonId(n)), BM_CLICK, 0, 0);
        box.Show();
        EXPECT_EQ(box.Result(), n);
    }
    TextBoxMb closeOnly(nullptr, "Close", kShort);
    ASSERT_EQ(closeOnly.Buttons().size(), 1u);
    EXPECT_EQ(closeOnly.Buttons().front()->Caption(), "Close");
    PostMessageA(closeOnly.Buttons().front()->Handle(), BM_CLICK, 0, 0);
    closeOnly.Show();
    EXPECT_EQ(closeOnly.Result(), 1);

    TextBoxMb closedByEscape(nullptr, "Escape", kShort, 400, 100, {}, all);
    PostMessageA(closedByEscape.Handle(), WM_COMMAND, IDCANCEL, 0);
    closedByEscape.Show();
    EXPECT_EQ(closedByEscape.Result(), 0);
}

TEST(TextBoxMbTest, NumberedCaptionsAreTheSystemsButtonCaptions)
{
    TextBoxMb box(nullptr, "", kShort, 400, 100, {}, {{IDYES, 8}});
    ASSERT_EQ(box.Buttons().size(), 2u);
    EXPECT_EQ(box.Buttons()[1]->Caption(), "Yes");
    EXPECT_EQ(box.Buttons()[0]->Caption(), "");
}

TEST(TextBoxMbTest, LiesInsideTheWorkAreaCentredOverItsOwner)
{
    box_placement::ExpectBoxesInsideTheWorkArea([](Window* owner, const std::string& text) {
        return std::make_unique<TextBoxMb>(owner, "Question", text, 400, 100, Icon(32514), Captions{{"Yes", "No"}});
    });
}

TEST(TextBoxMbTest, AWordWiderThanTheTextWidthBreaksAtIt)
{
    const struct {
        const char* name;
        std::string word;
        int textWidth;
    } cases[] = {
        {"wider than the text width", "Leerzeichen_das_breite_Wort_ohne_jedes_Leerzeichen", 200},
        {"wider than the work area", std::string(400, 'W'), 2000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextBoxMb box(nullptr, "Wide", "Ein Text mit einem " + c.word + " und mehr", c.textWidth, 100, {}, {{"OK"}});
        const int column = box.CanvasArea().Width() - 20;
        EXPECT_LE(column, c.textWidth);
        std::string shown;
        for (auto it = box.TextLines().rbegin(); it != box.TextLines().rend(); ++it) {
            std::string line = (*it)->Caption();
            if (!line.empty() && line.back() == ' ') line.pop_back();
            EXPECT_LE(box.SizeText(line).width, column) << line;
            shown += line + " ";
        }
        shown.erase(std::remove(shown.begin(), shown.end(), ' '), shown.end());
        EXPECT_EQ(shown, "EinTextmiteinem" + c.word + "undmehr");
    }
}

TEST(TextBoxMbTest, ARowWiderThanTheWorkAreaHasNarrowerButtons)
{
    const RECT area = box_placement::WorkArea();
    TextBoxMb box(nullptr, "Six", kShort, 400, 400, {}, {{"1", "2", "3", "4", "5", "6"}});
    EXPECT_LE(box.Size().width, area.right - area.left);
    const int width = box.Buttons().front()->Size().width;
    EXPECT_LT(width, 400);
    for (const auto& button : box.Buttons()) EXPECT_EQ(button->Size().width, width);
    EXPECT_GE(ButtonPlaces(box).front().second, 10);
}

}  // namespace
