// The window's own scroll bars and the scroll events they make.
#include "platform/framework/window.h"

#include <algorithm>

bool Window::Scrolled(Event& event)
{
    bool horizontal = event.message == WM_HSCROLL;
    WindowScrollBar* own = horizontal ? horizontalScroll_.get() : verticalScroll_.get();
    if (event.lParam || !own) return false;
    ScrollEvent scroll = own->Move(event);
    scroll.windowScroll = true;
    if (horizontal)
        HorizontalScroll(scroll);
    else
        VerticalScroll(scroll);
    return true;
}

WindowScrollBar::WindowScrollBar(HWND window, int bar) : window_(window), bar_(bar)
{
}

int WindowScrollBar::ThumbPosition() const
{
    return GetScrollPos(window_, bar_);
}

void WindowScrollBar::SetThumbPosition(int position)
{
    SetScrollPos(window_, bar_, position, TRUE);
}

std::pair<int, int> WindowScrollBar::Range() const
{
    int minimum = 0, maximum = 0;
    GetScrollRange(window_, bar_, &minimum, &maximum);
    return {minimum, maximum};
}

void WindowScrollBar::SetRange(int minimum, int maximum)
{
    SetScrollRange(window_, bar_, minimum, maximum, TRUE);
}

void WindowScrollBar::Show()
{
    ShowScrollBar(window_, bar_, TRUE);
}

void WindowScrollBar::Hide()
{
    ShowScrollBar(window_, bar_, FALSE);
}

ScrollEvent WindowScrollBar::Move(const Event& event)
{
    ScrollEvent scroll;
    static_cast<Event&>(scroll) = event;
    scroll.scrollType = LOWORD(event.wParam) == SB_ENDSCROLL ? 0 : 1;
    scroll.position = PositionAfter(LOWORD(event.wParam), HIWORD(event.wParam));
    SetThumbPosition(scroll.position);
    return scroll;
}

int WindowScrollBar::PositionAfter(WORD request, WORD trackPosition) const
{
    auto [minimum, maximum] = Range();
    int position = ThumbPosition();
    int page = std::max(1, (maximum - minimum) / 10);
    switch (request) {
    case SB_LINEUP: position -= 1; break;
    case SB_LINEDOWN: position += 1; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = trackPosition; break;
    case SB_TOP: position = minimum; break;
    case SB_BOTTOM: position = maximum; break;
    default: break;
    }
    return std::clamp(position, minimum, maximum);
}

WindowScrollBar* Window::EnableHorizontalScroll(bool enable)
{
    return EnableScroll(horizontalScroll_, SB_HORZ, enable);
}

WindowScrollBar* Window::EnableVerticalScroll(bool enable)
{
    return EnableScroll(verticalScroll_, SB_VERT, enable);
}

WindowScrollBar* Window::EnableScroll(std::unique_ptr<WindowScrollBar>& scrollBar, int bar, bool enable)
{
    if (!enable) {
        if (scrollBar) scrollBar->Hide();
        scrollBar.reset();
        return nullptr;
    }
    if (!scrollBar) {
        scrollBar = std::make_unique<WindowScrollBar>(hwnd_, bar);
        scrollBar->SetRange(0, 100);
    }
    scrollBar->Show();
    return scrollBar.get();
}
