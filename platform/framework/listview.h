// List views in report form: columns with captions over rows of texts, and
// the data list view, whose columns and rows come from a data server.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/controls.h"
#include "platform/framework/dataserver.h"

// A column of a list view. Its width is kept in characters; the view shows
// it in pixels.
class ListViewColumn {
public:
    // width: in characters; id: the column's name (that of the field it shows).
    ListViewColumn(int width, const ::HyperLabel& id) : width_(width), id_(id) {}
    int Width() const { return width_; }
    void SetWidth(int characters) { width_ = characters; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    const ::FieldSpec& FieldSpec() const { return fieldSpec_; }
    void SetFieldSpec(const ::FieldSpec& field) { fieldSpec_ = field; }
    const ::HyperLabel& Id() const { return id_; }

private:
    int width_;
    ::HyperLabel id_;
    std::string caption_;
    ::FieldSpec fieldSpec_;
};

// A list view in report form.
class ListView : public Control {
public:
    using Control::Control;
    // A new list view at a place of the owner's canvas.
    ListView(Window& owner, int id, Point origin, Dimension size, DWORD style = LVS_REPORT | WS_BORDER | WS_TABSTOP);

    // Stops and resumes the drawing of the view (a resume redraws it).
    void SuspendUpdate();
    void RestoreUpdate();
    // Removes every row.
    void DeleteAll();
    // Removes every column, those the view was given elsewhere too.
    void DeleteAllColumns();
    // Appends a column, as many pixels wide as its characters of the view's
    // font take; the view keeps it.
    ListViewColumn& AddColumn(const ListViewColumn& column);
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // Column n, counted from 1; null for none.
    ListViewColumn* GetColumn(int n) const;
    int ItemCount() const;
    // The pixel width of a text in the view's font.
    int StringWidth(const std::string& text) const;

protected:
    // Appends a row: one text per column, from the first.
    void AddItem(const std::vector<std::string>& texts);

private:
    std::vector<std::unique_ptr<ListViewColumn>> columns_;
    std::optional<UpdateHold> updateHold_;
};

// A list view that shows the records of a data server, one row per record
// and a column per field.
class DataListView : public ListView {
public:
    using ListView::ListView;
    DataServer* Server() const { return server_; }
    // Binds the view to a server (the caller keeps it) or to none, lays out
    // its columns and shows its records.
    void Use(DataServer* server);
    // Shows the server's records again.
    void Refresh();
    // Makes the columns anew: one per field of the server, as many characters
    // wide as the field is long, captioned with the field's caption. Without
    // a server the view stays as it is.
    virtual void AutoLayout();

protected:
    // The column for a field, not yet added.
    static ListViewColumn FieldColumn(const ::DataField& field);

private:
    DataServer* server_ = nullptr;
};
