// The list box: rows with values, selection by number, and what it reports
// to its owner.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/framework/app.h"
#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"

namespace {

// A dialog with one list box that records what reaches it from the list.
class ListDialog : public DialogWindow {
public:
    ListDialog() : DialogWindow(nullptr, "TEST_LIST")
    {
        list = AddControl<ListBox>(100);
        list->SetHyperLabel({"COMLIST", "", "", ""});
    }
    LRESULT Dispatch(Event& event) override
    {
        if (event.message == WM_COMMAND && reinterpret_cast<HWND>(event.lParam) == list->Handle())
            codes.push_back(HIWORD(event.wParam));
        return DialogWindow::Dispatch(event);
    }
    void ListBoxSelect(ControlEvent& event) override { selected.push_back(event.NameSym()); }

    // Presses and releases the left mouse button over row n (from 1), twice
    // when double.
    void Click(int n, bool twice)
    {
        RECT row{};
        SendMessageA(list->Handle(), LB_GETITEMRECT, n - 1, reinterpret_cast<LPARAM>(&row));
        const LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
        SendMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list->Handle(), WM_LBUTTONUP, 0, at);
        if (!twice) return;
        SendMessageA(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(list->Handle(), WM_LBUTTONUP, 0, at);
    }

    ListBox* list;
    std::vector<WORD> codes;
    std::vector<std::string> selected;
};

std::string RowText(const ListBox& list, int n)
{
    std::string text(SendMessageA(list.Handle(), LB_GETTEXTLEN, n - 1, 0) + 1, '\0');
    text.resize(SendMessageA(list.Handle(), LB_GETTEXT, n - 1, reinterpret_cast<LPARAM>(text.data())));
    return text;
}

TEST(ListBoxTest, RowsKeepTheirOrderAndServeTheirValuesByNumber)
{
    ListDialog dialog;
    ListBox& list = *dialog.list;
    list.FillUsing({{"Slovenski", "slv"}, {"Deutsch", "ger"}, {"English", "eng"}});
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(RowText(list, 1), "Slovenski");
    EXPECT_EQ(RowText(list, 3), "English");

    const struct {
        int set;
        int itemNo;
        const char* value;
    } cases[] = {{2, 2, "ger"}, {3, 3, "eng"}, {1, 1, "slv"}, {0, 0, ""}, {4, 0, ""}, {-1, 0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        list.SetCurrentItemNo(c.set);
        EXPECT_EQ(list.CurrentItemNo(), c.itemNo);
        EXPECT_EQ(list.Value(), c.value);
    }

    list.SetCurrentItemNo(2);
    list.FillUsing({{"English", "eng"}});
    EXPECT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.CurrentItemNo(), 0);
    EXPECT_EQ(list.Value(), "");
    EXPECT_TRUE(dialog.selected.empty());
}

TEST(ListBoxTest, AClickSelectsARowAndADoubleClickIsReportedToTheOwner)
{
    ListDialog dialog;
    dialog.Show();
    dialog.list->FillUsing({{"English", "eng"}, {"Deutsch", "ger"}});

    dialog.Click(2, false);
    EXPECT_EQ(dialog.list->Value(), "ger");
    EXPECT_EQ(dialog.selected, std::vector<std::string>{"COMLIST"});
    EXPECT_EQ(std::count(dialog.codes.begin(), dialog.codes.end(), LBN_DBLCLK), 0);

    dialog.Click(1, true);
    EXPECT_EQ(dialog.list->Value(), "eng");
    EXPECT_EQ(std::count(dialog.codes.begin(), dialog.codes.end(), LBN_DBLCLK), 1);
}

TEST(ListBoxTest, TheSelectionStaysReadableWhenTheWindowHasGone)
{
    ListDialog dialog;
    dialog.list->FillUsing({{"English", "eng"}, {"Deutsch", "ger"}});
    dialog.list->SetCurrentItemNo(2);
    dialog.EndDialog(1);
    ASSERT_EQ(dialog.list->Handle(), nullptr);
    EXPECT_EQ(dialog.list->CurrentItemNo(), 2);
    EXPECT_EQ(dialog.list->Value(), "ger");
}

}  // namespace
