// The frame of a window: menu bar, status bar, tool bar, keyboard
// accelerators and tool tips, with the work they do on the window's messages
// (menu descriptions in the status bar, bars fitted to a new size, tool bar
// buttons run as menu commands, tool tip texts). A window makes its chrome
// on the first call that needs it, so controls and plain windows carry none.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/framework/window.h"

class FrameChrome {
public:
    // The chrome of a window; menuCommand runs one of the window's menu
    // commands (the tool bar's buttons send them).
    FrameChrome(Window& window, std::function<void(int)> menuCommand);
    FrameChrome(const FrameChrome&) = delete;
    FrameChrome& operator=(const FrameChrome&) = delete;

    // The window's own accelerators, else those of its menu.
    const ::Accelerator& GetAccelerator() const;
    void SetAccelerator(const ::Accelerator& accelerator) { accelerator_ = accelerator; }
    ::Menu* GetMenu() const { return menu_; }
    void SetMenu(::Menu* menu);
    ::StatusBar* GetStatusBar() const { return statusBar_; }
    void SetStatusBar(::StatusBar* statusBar);
    ::ToolBar* GetToolBar() const { return toolBar_; }
    void SetToolBar(::ToolBar* toolBar);
    // The label of an item of the menu bar, or null.
    const ::HyperLabel* MenuItemLabel(int id) const;

    // Shows the hyper label description of the control as its tool tip, or
    // no tool tip any more; answers the tool tip window the control's pointer
    // messages are to reach, or null.
    HWND ShowToolTip(Window& control, bool show);

    // The chrome's work on a message of the window; true when that answers
    // the message (with result), false when the window goes on with it.
    bool Dispatch(const Event& event, LRESULT& result);

private:
    void ShowMenuDescription(const Event& event);
    bool AnswerToolTip(const Event& event);

    Window& window_;
    std::function<void(int)> menuCommand_;
    ::Accelerator accelerator_;
    ::Menu* menu_ = nullptr;
    ::StatusBar* statusBar_ = nullptr;
    ::ToolBar* toolBar_ = nullptr;
    HWND toolTip_ = nullptr;
    std::string toolTipText_;
};
