// A window divided into panes by splitter bars that the user drags.
#pragma once

#include <memory>
#include <vector>

#include "platform/framework/appwindow.h"

class SplitWindow;

// One splitter bar of a split window: vertical bars divide the panes across,
// horizontal bars the panes down.
class SplitView : public Window {
public:
    SplitView(SplitWindow& owner, bool vertical, int index);
    LRESULT Dispatch(Event& event) override;
    bool IsVertical() const { return vertical_; }

private:
    SplitWindow& split_;
    bool vertical_;
    int index_;
    bool dragging_ = false;
};

// The panes lie in a grid of Layout() panes across and down, numbered from 1
// row by row; each holds one window, which the split window sizes to its pane.
class SplitWindow : public ChildAppWindow {
public:
    static constexpr int kBarSize = 4;

    // horizontalDrag: the vertical bars can be dragged sideways;
    // verticalDrag: the horizontal bars up and down.
    SplitWindow(Window* owner, bool horizontalDrag = true, bool verticalDrag = true);

    Dimension Layout() const { return layout_; }
    // Sets the grid (panes across, panes down) with equal panes.
    void SetLayout(Dimension panes);
    void SetPaneClient(Window* window, int pane);
    Window* GetPaneClient(int pane) const;
    // The pane's rectangle in the canvas (y upward).
    BoundingBox PaneArea(int pane) const;

    // Lays the panes out in the new size.
    void Resize(ResizeEvent& event) override;
    // The user has released a splitter bar.
    virtual void SplitterReleased() {}

private:
    friend class SplitView;
    // Moves bar index of its kind to a canvas position (pixels from the left
    // or the top), kept between its neighbours.
    void MoveBar(bool vertical, int index, int position);
    bool CanDrag(bool vertical) const { return vertical ? horizontalDrag_ : verticalDrag_; }
    void LayoutPanes();

    bool horizontalDrag_;
    bool verticalDrag_;
    Dimension layout_{1, 1};
    // Bar positions as shares of the canvas (0..1), left to right and top
    // to bottom.
    std::vector<double> across_;
    std::vector<double> down_;
    std::vector<std::unique_ptr<SplitView>> bars_;
    std::vector<Window*> panes_;
};
