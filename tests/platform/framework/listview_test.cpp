// List views and data servers: a data list view shows the fields of its
// server as columns and its records as rows, and starts anew with another
// server.
#include "platform/framework/listview.h"

#include <gtest/gtest.h>

#include "platform/framework/appwindow.h"

namespace {

std::string ItemText(HWND view, int item, int subItem)
{
    char text[64] = {};
    ListView_GetItemText(view, item, subItem, text, sizeof text);
    return text;
}

int HeaderColumns(HWND view)
{
    return Header_GetItemCount(ListView_GetHeader(view));
}

DataField Field(const char* name, const char* caption, char valType, int length)
{
    return {{name, "", "", ""}, {{name, caption, "", ""}, valType, length}};
}

TEST(MemoryServerTest, FieldsAndValuesByNumberAndName)
{
    MemoryServer server({Field("NAME", "Name", 'C', 10), Field("AGE", "Age", 'N', 3)});
    server.Append({"Anna", "42"});
    server.Append({"Bert"});
    EXPECT_EQ(server.FCount(), 2);
    EXPECT_EQ(server.RecCount(), 2);
    EXPECT_EQ(server.DataField(2)->fieldSpec.valType, 'N');
    EXPECT_EQ(server.DataField(0), nullptr);
    EXPECT_EQ(server.DataField(3), nullptr);
    EXPECT_EQ(server.FieldPos("age"), 2);
    EXPECT_EQ(server.FieldPos("SIZE"), 0);
    EXPECT_EQ(server.FieldValue(1, 2), "42");
    EXPECT_EQ(server.FieldValue(2, 2), "") << "a value the record lacks";
    EXPECT_EQ(server.FieldValue(3, 1), "");
    EXPECT_EQ(server.FieldValue(1, 0), "");
}

TEST(DataListViewTest, ShowsTheFieldsAndRecordsOfItsServer)
{
    TopAppWindow owner;
    owner.SetSize({500, 300});
    owner.Show();
    DataListView view(owner, 100, {10, 10}, {460, 200}, LVS_REPORT | WS_VISIBLE);
    MemoryServer people({Field("NAME", "NAME", 'C', 10), Field("AGE", "age", 'N', 3)});
    people.Append({"Anna", "42"});
    people.Append({"Bert", "7"});

    view.Use(&people);
    ASSERT_EQ(view.ColumnCount(), 2);
    EXPECT_EQ(view.GetColumn(2)->Caption(), "age");
    EXPECT_EQ(view.GetColumn(2)->Id().name, "AGE");
    EXPECT_EQ(view.GetColumn(1)->Width(), 10);
    EXPECT_EQ(SendMessageA(view.Handle(), LVM_GETCOLUMNWIDTH, 0, 0), 10 * view.StringWidth("0"));
    EXPECT_EQ(view.GetColumn(3), nullptr);
    ASSERT_EQ(view.ItemCount(), 2);
    EXPECT_EQ(ItemText(view.Handle(), 1, 0), "Bert");
    EXPECT_EQ(ItemText(view.Handle(), 1, 1), "7");

    people.Append({"Carl", "19"});
    view.Refresh();
    EXPECT_EQ(view.ItemCount(), 3);

    // Another server replaces columns and rows.
    MemoryServer places({Field("TOWN", "Town", 'C', 20)});
    places.Append({"Bonn"});
    view.Use(&places);
    EXPECT_EQ(view.ColumnCount(), 1);
    EXPECT_EQ(HeaderColumns(view.Handle()), 1);
    ASSERT_EQ(view.ItemCount(), 1);
    EXPECT_EQ(ItemText(view.Handle(), 0, 0), "Bonn");

    view.DeleteAll();
    view.DeleteAllColumns();
    EXPECT_EQ(view.ItemCount(), 0);
    EXPECT_EQ(view.ColumnCount(), 0);
    EXPECT_EQ(HeaderColumns(view.Handle()), 0);
}

}  // namespace
