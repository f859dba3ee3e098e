// Application windows without a dialog template.
#pragma once

#include "platform/framework/window.h"

// A top-level window with caption, system menu and sizing border; made
// hidden, shown with Show.
class TopAppWindow : public Window {
public:
    explicit TopAppWindow(Window* owner = nullptr);
};

// A window inside its owner's canvas; made hidden, shown with Show.
class ChildAppWindow : public Window {
public:
    explicit ChildAppWindow(Window& owner);
};
