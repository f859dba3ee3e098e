// Application windows without a dialog template.
#pragma once

#include "platform/framework/window.h"

// A top-level window with caption, system menu and sizing border; made
// hidden, shown with Show.
class TopAppWindow : public Window {
public:
    explicit TopAppWindow(Window* owner = nullptr);
};

// A top-level window whose canvas holds document windows (the multiple-
// document interface): a client window fills the canvas above the status bar,
// and every ChildAppWindow with the shell as owner is a document in it.
class ShellWindow : public TopAppWindow {
public:
    explicit ShellWindow(Window* owner = nullptr);
    LRESULT Dispatch(Event& event) override;
    // The window that holds the document windows.
    HWND ClientHandle() const { return client_; }
    // The document windows, in the order they were made.
    std::vector<Window*> Documents() const;

protected:
    LRESULT DefaultProcedure(const Event& event) override;

private:
    HWND client_ = nullptr;
};

// A window inside its owner's canvas, or a document window of a shell
// window; made hidden, shown with Show.
class ChildAppWindow : public Window {
public:
    // Without an owner no window is made.
    explicit ChildAppWindow(Window* owner);
    void Destroy() override;

private:
    HWND client_ = nullptr;
};
