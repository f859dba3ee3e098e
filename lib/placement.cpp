#include "lib/placement.h"

#include <windows.h>

#include <algorithm>

#include "platform/framework/window.h"
#include "platform/runtime/numtext.h"

namespace {

constexpr int kMinimumSize = 100;

int Half(int n)
{
    return Long(n / 2.0);
}

// The lower-left corner of the owner's canvas, in the coordinates the
// window's origin is measured in: its parent's canvas, or the screen for a
// top-level window such as a dialog.
Point OwnerCanvasCorner(const Window& oWindow, const Window& oOwner)
{
    RECT canvas{};
    GetClientRect(oOwner.Handle(), &canvas);
    POINT corner{0, canvas.bottom};
    const HWND parent =
        (GetWindowLongA(oWindow.Handle(), GWL_STYLE) & WS_CHILD) ? GetParent(oWindow.Handle()) : nullptr;
    MapWindowPoints(oOwner.Handle(), parent, &corner, 1);
    RECT area{0, 0, 0, GetSystemMetrics(SM_CYSCREEN)};
    if (parent) GetClientRect(parent, &area);
    return Point(corner.x, area.bottom - corner.y);
}

}  // namespace

int GetMonitorWidth()
{
    return GetSystemMetrics(SM_CMONITORS) > 1 ? GetSystemMetrics(SM_CXVIRTUALSCREEN) : GetSystemMetrics(SM_CXSCREEN);
}

int GetMonitorHeight()
{
    return GetSystemMetrics(SM_CMONITORS) > 1 ? GetSystemMetrics(SM_CYVIRTUALSCREEN) : GetSystemMetrics(SM_CYSCREEN);
}

int GetFirstMonitorWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int GetFirstMonitorHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

RECT GetWorkArea(const Window* window)
{
    const HMONITOR monitor = window ? MonitorFromWindow(window->Handle(), MONITOR_DEFAULTTONEAREST)
                                    : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return info.rcWork;
}

void FenAufFenPositionieren(Window& oWindow, int x, int y, std::optional<int> nWidth, std::optional<int> nHeight,
                            bool lFromTop)
{
    const Dimension present = oWindow.Size();
    int width = nWidth.value_or(present.width);
    int height = nHeight.value_or(present.height);
    const Window* owner = oWindow.Owner();
    const int areaWidth = owner ? owner->CanvasArea().Width() : GetMonitorWidth();
    const int areaHeight = owner ? owner->CanvasArea().Height() : GetMonitorHeight();
    if (lFromTop) y = areaHeight - height - y;
    width = std::max(kMinimumSize, std::min(width, areaWidth));
    height = std::max(kMinimumSize, std::min(height, areaHeight));
    x = std::max(0, std::min(x, areaWidth - width));
    y = std::max(0, std::min(y, areaHeight - height));
    oWindow.SetSize(Dimension(width, height));
    oWindow.SetOrigin(Point(x, y));
}

void FenAufFenZentrieren(Window& oWindow)
{
    const Dimension size = oWindow.Size();
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const Window* owner = oWindow.Owner();
    const int centreX = owner ? Half(owner->Size().width) : Half(GetFirstMonitorWidth());
    const int centreY = owner ? Half(owner->Size().height - caption) : Half(GetFirstMonitorHeight() - caption);
    // Measured from the owner's canvas, as a dialog's origin is.
    const Point corner = owner ? OwnerCanvasCorner(oWindow, *owner) : Point(0, 0);
    oWindow.SetOrigin(Point(corner.x + centreX - Half(size.width), corner.y + centreY - Half(size.height)));
}

void FenZentrieren(Window& oWindow)
{
    const Dimension size = oWindow.Size();
    MoveWindow(oWindow.Handle(), Half(GetFirstMonitorWidth()) - size.width / 2,
               Half(GetFirstMonitorHeight()) - size.height / 2, size.width, size.height, FALSE);
}

void CentreInWorkArea(Window& window)
{
    const Window* owner = window.Owner();
    const RECT area = GetWorkArea(owner);
    RECT centre = area;
    if (owner && !IsIconic(owner->Handle())) GetWindowRect(owner->Handle(), &centre);
    RECT rect{};
    GetWindowRect(window.Handle(), &rect);
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    const LONG x = std::max(area.left, std::min<LONG>(Half(centre.left + centre.right - width), area.right - width));
    const LONG y = std::max(area.top, std::min<LONG>(Half(centre.top + centre.bottom - height), area.bottom - height));
    SetWindowPos(window.Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
