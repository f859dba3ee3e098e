// A tool bar along the top of its owner's canvas. Each button stands for a
// menu command: a click runs the owner's method of that menu item as the
// menu would.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/framework/gdi.h"
#include "platform/framework/window.h"

class ToolBar : public Window {
public:
    // Makes the tool bar; the owner shows it once it is given to the
    // owner's SetToolBar.
    explicit ToolBar(Window& owner);
    ~ToolBar() override;
    // The bar draws and handles itself; the owner repaints whenever the bar
    // is shown, hidden or given another height.
    LRESULT Dispatch(Event& event) override;

    void AppendSeparator();
    // A button with a built-in image (the system's standard small images,
    // STD_CUT and so on) for a menu id.
    void AppendItem(int imageNo, int menuId);
    // A button numbered buttonNo for a menu id, showing image imageNo (from 0)
    // of a bitmap of square images side by side.
    void AppendItem(int buttonNo, int menuId, const ::Bitmap& bitmap, int imageNo);

    // Shows the button of the menu id pressed or released.
    void ClickItem(int menuId);
    void UnclickItem(int menuId);
    void EnableItem(int menuId);
    void DisableItem(int menuId);
    bool IsClicked(int menuId) const;
    bool IsItemEnabled(int menuId) const;

    // 1: flat buttons; 0: raised ones.
    void SetButtonStyle(int style);
    // The buttons are flat (SetButtonStyle(1)).
    bool Flat() const;
    // The owner's canvas below the bar (canvas coordinates, y upward).
    BoundingBox ClientArea() const;
    // Width of a separator in pixels.
    void SetSeparatorSize(int pixels) { separatorSize_ = pixels; }
    // 0: no border; 1: a divider line above the bar; 2: the line and a
    // sunken edge round the bar. Other values are ignored.
    void SetBorderStyle(int style);
    // Pixels left free before the first button.
    void SetGapSize(int pixels);

    // Fits the bar to the width of the owner's canvas.
    void Layout();

private:
    void Add(const TBBUTTON& button);
    int separatorSize_ = 8;
    // The height the bar covers of the owner's canvas: 0 while hidden.
    int shownHeight_ = 0;
    bool standardImages_ = false;
    std::vector<::Bitmap> bitmaps_;
};
