// Window geometry with y growing upward: origins are lower-left corners,
// measured in the owner's canvas (the screen for a top-level window), as
// the framework's drawing has them; Win32 measures from the top.
#include "platform/framework/window.h"

namespace {

// The height of the area a window's origin is measured in: its parent's
// client area, or the screen for a top-level window.
int OwnerCanvasHeight(HWND hwnd, HWND& parent)
{
    parent = (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr;
    if (!parent) return GetSystemMetrics(SM_CYSCREEN);
    RECT client{};
    GetClientRect(parent, &client);
    return client.bottom;
}

RECT WindowRectIn(HWND hwnd, HWND parent)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

Point Window::Origin() const
{
    HWND parent = nullptr;
    int height = OwnerCanvasHeight(hwnd_, parent);
    RECT rect = WindowRectIn(hwnd_, parent);
    return {rect.left, height - rect.bottom};
}

void Window::SetOrigin(Point origin)
{
    HWND parent = nullptr;
    int height = OwnerCanvasHeight(hwnd_, parent);
    RECT rect = WindowRectIn(hwnd_, parent);
    SetWindowPos(hwnd_, nullptr, origin.x, height - origin.y - (rect.bottom - rect.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Dimension Window::Size() const
{
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

Dimension Window::SizeText(const std::string& text) const
{
    HDC dc = GetDC(hwnd_);
    HFONT font = font_.Handle() ? font_.Handle() : reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return {extent.cx, extent.cy};
}

void Window::SetSize(Dimension size)
{
    Point origin = Origin();
    SetWindowPos(hwnd_, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetOrigin(origin);
}

BoundingBox Window::CanvasArea() const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    return {{0, 0}, {client.right, client.bottom}};
}

BoundingBox Window::CanvasBox(const RECT& rect) const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    return {{rect.left, static_cast<int>(client.bottom - rect.bottom)},
            {rect.right - rect.left, rect.bottom - rect.top}};
}
