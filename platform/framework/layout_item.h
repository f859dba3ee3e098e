// The control table of a window layout: one row per item of the window's
// dialog template, from which the layout makes its control objects.
#pragma once

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/framework/gdi.h"
#include "platform/framework/window.h"

// One item of a template: its id, its name, its default caption and its font
// (1 is the layout's first font; 0 keeps the template's).
struct LayoutItem {
    int nId;
    const char* cName;
    const char* cCaption;
    int nFont;
};

// Makes the control of class T for the item of that id (the table must hold
// it): the item's name and caption become its hyperlabel, the item's font its
// font.
template <class T>
T* MakeLayoutControl(Window& window, std::span<const LayoutItem> items, int id, std::span<const Font> fonts)
{
    const auto item = std::find_if(items.begin(), items.end(), [&](const LayoutItem& row) { return row.nId == id; });
    if (item == items.end()) throw std::out_of_range("no layout item " + std::to_string(id));
    T* control = window.AddControl<T>(id);
    control->SetHyperLabel({item->cName, item->cCaption, "", ""});
    if (item->nFont > 0) control->SetFont(fonts[static_cast<size_t>(item->nFont - 1)]);
    return control;
}
