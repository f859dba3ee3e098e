#include "platform/framework/listview.h"

#include <commctrl.h>

ListView::ListView(Window& owner, int id, Point origin, Dimension size, DWORD style)
    : Control(owner, id, CommonControlClass(WC_LISTVIEWA), style, origin, size)
{
}

void ListView::SuspendUpdate()
{
    updateHold_.emplace(Handle());
}

void ListView::RestoreUpdate()
{
    updateHold_.reset();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void ListView::DeleteAll()
{
    SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

void ListView::DeleteAllColumns()
{
    auto header = reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0));
    for (auto n = header ? SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) : 0; n > 0; --n)
        SendMessageA(Handle(), LVM_DELETECOLUMN, n - 1, 0);
    columns_.clear();
}

ListViewColumn& ListView::AddColumn(const ListViewColumn& column)
{
    columns_.push_back(std::make_unique<ListViewColumn>(column));
    LVCOLUMNA attributes{};
    attributes.mask = LVCF_TEXT | LVCF_WIDTH;
    attributes.pszText = const_cast<char*>(column.Caption().c_str());
    attributes.cx = column.Width() * StringWidth("0");
    SendMessageA(Handle(), LVM_INSERTCOLUMNA, columns_.size() - 1, reinterpret_cast<LPARAM>(&attributes));
    return *columns_.back();
}

ListViewColumn* ListView::GetColumn(int n) const
{
    return n >= 1 && n <= ColumnCount() ? columns_[static_cast<size_t>(n) - 1].get() : nullptr;
}

int ListView::ItemCount() const
{
    return static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

int ListView::StringWidth(const std::string& text) const
{
    return static_cast<int>(SendMessageA(Handle(), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListView::AddItem(const std::vector<std::string>& texts)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = ItemCount();
    for (const std::string& text : texts) {
        item.pszText = const_cast<char*>(text.c_str());
        if (item.iSubItem == 0)
            item.iItem = static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        else
            SendMessageA(Handle(), LVM_SETITEMTEXTA, item.iItem, reinterpret_cast<LPARAM>(&item));
        ++item.iSubItem;
    }
}

void DataListView::Use(DataServer* server)
{
    server_ = server;
    AutoLayout();
    Refresh();
}

void DataListView::Refresh()
{
    if (!server_) return;
    SuspendUpdate();
    DeleteAll();
    std::vector<int> fields;
    for (int n = 1; n <= ColumnCount(); ++n) fields.push_back(server_->FieldPos(GetColumn(n)->Id().name));
    for (int record = 1; record <= server_->RecCount(); ++record) {
        std::vector<std::string> texts;
        for (int field : fields) texts.push_back(server_->FieldValue(record, field));
        AddItem(texts);
    }
    RestoreUpdate();
}

void DataListView::AutoLayout()
{
    if (!server_) return;
    SuspendUpdate();
    DeleteAll();
    DeleteAllColumns();
    for (int n = 1; n <= server_->FCount(); ++n)
        if (const ::DataField* field = server_->DataField(n)) AddColumn(FieldColumn(*field));
    RestoreUpdate();
}

ListViewColumn DataListView::FieldColumn(const ::DataField& field)
{
    ListViewColumn column(field.fieldSpec.length, field.hyperLabel);
    column.SetFieldSpec(field.fieldSpec);
    column.SetCaption(field.fieldSpec.hyperLabel.caption);
    return column;
}
