// The data list view that fits its columns: the width rule with a stand-in
// measure, and a real list view under a display, bound to a server in memory.
#include "widgets/datalistview2.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/appwindow.h"

namespace {

using widgets::ColumnWidthRule;
using widgets::DataListView2;

const std::string kCapitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_";
const std::string kSmallLetters = "abcdefghijklmnopqrstuvwxyz ";
const std::string kDigits = "1234567890";

TEST(DataListView2Test, TheWidthRuleFollowsLengthKindAndCaption)
{
    // Capitals 270 pixels, small letters 162, digits as given, the caption
    // as given: character fields measure 270 + 5 * 162 + digits.
    const struct {
        const char* what;
        int length;
        char valType;
        int digits;
        int caption;
        int characters;
        int pixels;
        int measures;
    } cases[] = {
        {"a character field of length 1", 1, 'C', 70, 0, 4, 1150 * 4 / 172 + 20, 4},
        {"of length 0", 0, 'C', 70, 0, 4, 46, 4},
        {"of length 200", 200, 'C', 70, 0, 50, 1150 * 50 / 172 + 20, 4},
        {"of length 51", 51, 'C', 70, 0, 50, 354, 4},
        {"of length 17", 17, 'C', 70, 0, 17, 113 + 20, 4},
        {"a memo field like a character field", 17, 'M', 70, 0, 17, 133, 4},
        {"a wide caption over a character field", 17, 'C', 70, 114, 17, 129, 4},
        {"a number: the digits alone", 8, 'N', 70, 40, 8, 76, 2},
        {"a caption wider than the digits", 8, 'N', 70, 60, 8, 75, 2},
        {"a caption as wide as the digits", 8, 'N', 70, 56, 8, 76, 2},
        {"a date", 8, 'D', 70, 0, 8, 76, 2},
        {"a logic value", 1, 'L', 70, 0, 4, 48, 2},
        {"divided after multiplying", 7, 'N', 75, 0, 7, 52 + 20, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string caption = "Caption";
        int measures = 0;
        const auto measure = [&](const std::string& text) {
            ++measures;
            if (text == kCapitals) return 270;
            if (text == kSmallLetters) return 162;
            if (text == kDigits) return c.digits;
            EXPECT_EQ(text, caption);
            return c.caption;
        };
        const widgets::ColumnWidth width = ColumnWidthRule(c.length, c.valType, caption, measure);
        EXPECT_EQ(width.characters, c.characters);
        EXPECT_EQ(width.pixels, c.pixels);
        EXPECT_EQ(measures, c.measures);
    }
}

TEST(DataListView2Test, WithoutAViewNothingIsMeasured)
{
    ListViewColumn column(12, {"NAME", "", "", ""});
    EXPECT_EQ(widgets::CalculateNewWidth(column, 1, nullptr), 0);
    EXPECT_EQ(column.Width(), 0);
}

DataField Field(const char* name, const char* caption, char valType, int length)
{
    return {{name, "", "", ""}, {{name, caption, "", ""}, valType, length}};
}

std::string ColumnCaption(HWND view, int index)
{
    char text[64] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    SendMessageA(view, LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
    return text;
}

int ColumnPixels(HWND view, int index)
{
    return static_cast<int>(SendMessageA(view, LVM_GETCOLUMNWIDTH, index, 0));
}

int HeaderColumns(HWND view)
{
    return Header_GetItemCount(ListView_GetHeader(view));
}

std::string ItemText(HWND view, int item, int subItem)
{
    char text[64] = {};
    ListView_GetItemText(view, item, subItem, text, sizeof text);
    return text;
}

class DataListView2Window : public ::testing::Test {
protected:
    DataListView2Window()
    {
        owner.SetSize({700, 400});
        owner.Show();
        server.Append({"ANNA", "19800101", "4200", "first", "T"});
        server.Append({"bert", "19791231"});
    }

    // Every column of the view as wide as the rule makes it in the view's font.
    void ExpectFittedColumns(const DataServer& source, const std::vector<int>& fields)
    {
        ASSERT_EQ(view.ColumnCount(), static_cast<int>(fields.size()));
        ASSERT_EQ(HeaderColumns(view.Handle()), view.ColumnCount());
        for (int index = 0; index < view.ColumnCount(); ++index) {
            SCOPED_TRACE(index);
            const FieldSpec& field = source.DataField(fields[static_cast<size_t>(index)])->fieldSpec;
            const std::string caption = ColumnCaption(view.Handle(), index);
            const widgets::ColumnWidth width =
                ColumnWidthRule(field.length, field.valType, caption,
                                [this](const std::string& text) { return view.StringWidth(text); });
            EXPECT_EQ(ColumnPixels(view.Handle(), index), width.pixels);
            EXPECT_EQ(view.GetColumn(index + 1)->Width(), width.characters);
        }
    }

    TopAppWindow owner;
    DataListView2 view{owner, 101, Point{10, 10}, Dimension{660, 300}, LVS_REPORT | WS_VISIBLE | WS_BORDER};
    MemoryServer server{{Field("NAME", "FIRST NAME", 'C', 20), Field("BORN", "date of birth", 'D', 8),
                         Field("PAY", "Salary", 'N', 10), Field("NOTE", "MEMO  text", 'M', 1),
                         // Windows-1252: "äNDÖRBAR".
                         Field("OK", "\xe4ND\xd6RBAR", 'L', 1)}};
};

TEST_F(DataListView2Window, OneFittedColumnPerFieldInProperCase)
{
    view.Use(&server);
    const char* captions[] = {"First Name", "Date Of Birth", "Salary", "Memo  Text", "\xc4nd\xf6rbar"};
    for (int index = 0; index < 5; ++index) EXPECT_EQ(ColumnCaption(view.Handle(), index), captions[index]);
    ExpectFittedColumns(server, {1, 2, 3, 4, 5});
    EXPECT_GT(view.StringWidth(kDigits), 0);

    ASSERT_EQ(view.ItemCount(), 2);
    EXPECT_EQ(ItemText(view.Handle(), 0, 0), "ANNA");
    EXPECT_EQ(ItemText(view.Handle(), 0, 4), "T");
    EXPECT_EQ(ItemText(view.Handle(), 1, 1), "19791231");
    EXPECT_EQ(ItemText(view.Handle(), 1, 3), "");
}

TEST_F(DataListView2Window, ANewFontLaysTheColumnsOutOnce)
{
    view.Use(&server);
    const int defaultWidth = ColumnPixels(view.Handle(), 0);
    const Font large(Dimension{0, -24}, "Arial");

    EXPECT_TRUE(view.Font(large)->IsSame(large));
    ExpectFittedColumns(server, {1, 2, 3, 4, 5});
    EXPECT_GT(ColumnPixels(view.Handle(), 0), defaultWidth);
    EXPECT_EQ(view.ItemCount(), 2) << "the records are shown again";

    // The same font again (a copy of it) changes nothing.
    SendMessageA(view.Handle(), LVM_SETCOLUMNWIDTH, 0, 5);
    const Font copy = large;
    view.SetFont(copy);
    EXPECT_EQ(ColumnPixels(view.Handle(), 0), 5);

    // No font: the system's default GUI font, and the first layout again.
    EXPECT_FALSE(view.Font(std::nullopt).has_value());
    EXPECT_EQ(SendMessageA(view.Handle(), WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_EQ(ColumnPixels(view.Handle(), 0), defaultWidth);
}

TEST_F(DataListView2Window, WithoutAServerTheViewStaysAsItIs)
{
    ListViewColumn column(10, {"OWN", "", "", ""});
    column.SetCaption("OWN COLUMN");
    view.AddColumn(column);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>("kept");
    SendMessageA(view.Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const int pixels = ColumnPixels(view.Handle(), 0);

    view.AutoLayout();
    view.Font(Font(Dimension{0, -24}, "Arial"));
    EXPECT_EQ(HeaderColumns(view.Handle()), 1);
    EXPECT_EQ(ColumnCaption(view.Handle(), 0), "OWN COLUMN");
    EXPECT_EQ(ColumnPixels(view.Handle(), 0), pixels);
    EXPECT_EQ(view.ItemCount(), 1);
}

// A server that has no description for its second field.
class ServerWithAGap : public MemoryServer {
public:
    using MemoryServer::MemoryServer;
    const ::DataField* DataField(int n) const override { return n == 2 ? nullptr : MemoryServer::DataField(n); }
};

TEST_F(DataListView2Window, AFieldWithoutDescriptionLeavesNoGapInTheWidths)
{
    ServerWithAGap gap{{Field("NAME", "FIRST NAME", 'C', 20), Field("BORN", "BORN", 'D', 8),
                        Field("PAY", "SALARY", 'N', 10), Field("OK", "ACTIVE", 'L', 1)}};
    view.Use(&gap);
    EXPECT_EQ(ColumnCaption(view.Handle(), 1), "Salary");
    ExpectFittedColumns(gap, {1, 3, 4});
}

}  // namespace
