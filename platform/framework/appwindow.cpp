#include "platform/framework/appwindow.h"

TopAppWindow::TopAppWindow(Window* owner) : Window(owner)
{
    CreateHandle(0, FrameworkWindowClass(), "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                 CW_USEDEFAULT, CW_USEDEFAULT, owner ? owner->Handle() : nullptr, nullptr);
}

ChildAppWindow::ChildAppWindow(Window& owner) : Window(&owner)
{
    CreateHandle(0, FrameworkWindowClass(), "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 100, 100,
                 owner.Handle(), nullptr);
}
