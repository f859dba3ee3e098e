#include "platform/framework/appwindow.h"

#include <algorithm>

#include "platform/framework/statusbar.h"

TopAppWindow::TopAppWindow(Window* owner) : Window(owner)
{
    CreateHandle(0, FrameworkWindowClass(), "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                 CW_USEDEFAULT, CW_USEDEFAULT, owner ? owner->Handle() : nullptr, nullptr);
}

ShellWindow::ShellWindow(Window* owner) : TopAppWindow(owner)
{
    CLIENTCREATESTRUCT client{};
    client.idFirstChild = 0xFF00;
    client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, Handle(),
                              nullptr, GetModuleHandleA(nullptr), &client);
}

LRESULT ShellWindow::DefaultProcedure(const Event& event)
{
    return DefFrameProcA(event.hWnd, client_, event.message, event.wParam, event.lParam);
}

LRESULT ShellWindow::Dispatch(Event& event)
{
    LRESULT result = TopAppWindow::Dispatch(event);
    // The client leaves the status bar its room.
    if (event.message == WM_SIZE && client_ && GetStatusBar()) {
        RECT bar{};
        GetWindowRect(GetStatusBar()->Handle(), &bar);
        MoveWindow(client_, 0, 0, LOWORD(event.lParam), std::max<int>(0, HIWORD(event.lParam) - (bar.bottom - bar.top)),
                   TRUE);
    }
    return result;
}

std::vector<Window*> ShellWindow::Documents() const
{
    std::vector<Window*> documents;
    for (HWND child = GetWindow(client_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (Window* document = ObjectOfWindowHandle(child)) documents.push_back(document);
    std::reverse(documents.begin(), documents.end());
    return documents;
}

ChildAppWindow::ChildAppWindow(Window* owner) : Window(owner)
{
    if (!owner) return;
    auto* shell = dynamic_cast<ShellWindow*>(owner);
    if (!shell || !shell->ClientHandle()) {
        CreateHandle(0, FrameworkWindowClass(), "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 100, 100,
                     owner->Handle(), nullptr);
        return;
    }
    client_ = shell->ClientHandle();
    ExpectWindow(this, DefMDIChildProcA);
    CreateMDIWindowA(FrameworkWindowClass(), "", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CW_USEDEFAULT, CW_USEDEFAULT,
                     CW_USEDEFAULT, CW_USEDEFAULT, client_, GetModuleHandleA(nullptr), 0);
    ExpectWindow(nullptr, nullptr);
}

void ChildAppWindow::Destroy()
{
    if (client_ && Handle())
        SendMessageA(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
    else
        Window::Destroy();
}
