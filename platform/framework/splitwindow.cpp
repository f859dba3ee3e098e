#include "platform/framework/splitwindow.h"

#include <algorithm>

SplitView::SplitView(SplitWindow& owner, bool vertical, int index)
    : Window(&owner),
      split_(owner),
      vertical_(vertical),
      index_(index)
{
    CreateHandle(0, FrameworkWindowClass(), "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, owner.Handle(), nullptr);
    SetBackground(Brush(Color::FromColorRef(GetSysColor(COLOR_BTNFACE))));
    SetPointer(Pointer::System(vertical ? IDC_SIZEWE : IDC_SIZENS));
}

LRESULT SplitView::Dispatch(Event& event)
{
    switch (event.message) {
    case WM_LBUTTONDOWN:
        if (split_.CanDrag(vertical_)) {
            dragging_ = true;
            SetCapture(Handle());
        }
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        if (dragging_) {
            POINT at{static_cast<short>(LOWORD(event.lParam)), static_cast<short>(HIWORD(event.lParam))};
            MapWindowPoints(Handle(), split_.Handle(), &at, 1);
            split_.MoveBar(vertical_, index_, vertical_ ? at.x : at.y);
            if (event.message == WM_LBUTTONUP) {
                dragging_ = false;
                ReleaseCapture();
                split_.SplitterReleased();
            }
        }
        return 0;
    default: return Window::Dispatch(event);
    }
}

SplitWindow::SplitWindow(Window* owner, bool horizontalDrag, bool verticalDrag)
    : ChildAppWindow(owner),
      horizontalDrag_(horizontalDrag),
      verticalDrag_(verticalDrag)
{
    SetLayout({1, 1});
}

void SplitWindow::SetLayout(Dimension panes)
{
    layout_ = {std::max(1, panes.width), std::max(1, panes.height)};
    across_.clear();
    down_.clear();
    bars_.clear();
    for (int i = 1; i < layout_.width; ++i) {
        across_.push_back(static_cast<double>(i) / layout_.width);
        bars_.push_back(std::make_unique<SplitView>(*this, true, i - 1));
    }
    for (int i = 1; i < layout_.height; ++i) {
        down_.push_back(static_cast<double>(i) / layout_.height);
        bars_.push_back(std::make_unique<SplitView>(*this, false, i - 1));
    }
    panes_.resize(static_cast<size_t>(layout_.width * layout_.height), nullptr);
    LayoutPanes();
}

void SplitWindow::SetPaneClient(Window* window, int pane)
{
    if (pane < 1 || pane > static_cast<int>(panes_.size())) return;
    panes_[pane - 1] = window;
    if (window && window->Handle()) SetParent(window->Handle(), Handle());
    LayoutPanes();
}

Window* SplitWindow::GetPaneClient(int pane) const
{
    return pane >= 1 && pane <= static_cast<int>(panes_.size()) ? panes_[pane - 1] : nullptr;
}

BoundingBox SplitWindow::PaneArea(int pane) const
{
    Dimension canvas = CanvasArea().Extent();
    int column = (pane - 1) % layout_.width;
    int row = (pane - 1) / layout_.width;
    auto edge = [](const std::vector<double>& bars, int i, int size, bool start) {
        if (start) return i == 0 ? 0 : static_cast<int>(bars[i - 1] * size) + SplitWindow::kBarSize / 2;
        return i == static_cast<int>(bars.size()) ? size : static_cast<int>(bars[i] * size) - SplitWindow::kBarSize / 2;
    };
    int left = edge(across_, column, canvas.width, true);
    int right = edge(across_, column, canvas.width, false);
    int top = edge(down_, row, canvas.height, true);
    int bottom = edge(down_, row, canvas.height, false);
    return {{left, canvas.height - bottom}, {std::max(0, right - left), std::max(0, bottom - top)}};
}

void SplitWindow::Resize(ResizeEvent&)
{
    LayoutPanes();
}

void SplitWindow::MoveBar(bool vertical, int index, int position)
{
    std::vector<double>& bars = vertical ? across_ : down_;
    int size = vertical ? CanvasArea().Width() : CanvasArea().Height();
    if (size <= 0) return;
    double low = index == 0 ? 0.0 : bars[index - 1];
    double high = index + 1 == static_cast<int>(bars.size()) ? 1.0 : bars[index + 1];
    double margin = static_cast<double>(kBarSize) / size;
    bars[index] = std::clamp(static_cast<double>(position) / size, low + margin, std::max(low + margin, high - margin));
    LayoutPanes();
}

void SplitWindow::LayoutPanes()
{
    Dimension canvas = CanvasArea().Extent();
    // bars_ holds the vertical bars (as across_) and then the horizontal ones (as down_).
    for (size_t i = 0; i < across_.size(); ++i)
        MoveWindow(bars_[i]->Handle(), static_cast<int>(across_[i] * canvas.width) - kBarSize / 2, 0, kBarSize,
                   canvas.height, TRUE);
    for (size_t i = 0; i < down_.size(); ++i)
        MoveWindow(bars_[across_.size() + i]->Handle(), 0, static_cast<int>(down_[i] * canvas.height) - kBarSize / 2,
                   canvas.width, kBarSize, TRUE);
    for (int pane = 1; pane <= static_cast<int>(panes_.size()); ++pane)
        if (Window* window = panes_[pane - 1]; window && window->Handle()) {
            BoundingBox area = PaneArea(pane);
            MoveWindow(window->Handle(), area.Left(), canvas.height - area.Top(), area.Width(), area.Height(), TRUE);
        }
}
