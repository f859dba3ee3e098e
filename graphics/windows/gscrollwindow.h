#pragma once
// gScrollWindow: a kit child window whose canvas may be larger than the part
// of it that shows. Its painter has a fixed drawing area of the canvas size,
// so the refresh bitmap holds the whole canvas; the window shows a part of it
// and moves over it with its own scroll bars, which are there only while the
// canvas is wider or higher than the visible area. Scrolling paints nothing:
// the visible area is copied from the refresh bitmap, shifted by the scroll
// offsets kept in the painter. A canvas smaller than the visible area lies
// in its lower-left corner, with the background beyond it.
//
// Scroll positions are percentages (the bars' range 0 to 100). The vertical
// one is kept inverted: y grows upward, so the thumb at the bottom (100)
// shows the bottom of the canvas (offset 0). The visible area is the tool
// bar's client area when the window has a tool bar, else its canvas.
#include <cstdint>
#include <optional>

#include "graphics/windows/gkitwindow.h"

class gScrollWindow : public gKitWindow<ChildAppWindow> {
public:
    // A canvas size not given is the visible area's.
    explicit gScrollWindow(Window* oOwner, std::optional<int32_t> nCanvasWidth = {},
                           std::optional<int32_t> nCanvasHeight = {});
    void Destroy() override;
    // A request of one of the window's own bars moves the thumb at once,
    // scrolls the view and leaves the drawing of the bar to a timer.
    LRESULT Dispatch(Event& oEvent) override;
    // The bars follow the new size, also during a border drag.
    void Resize(ResizeEvent& oEvent) override;
    void HorizontalScroll(ScrollEvent& oEvent) override;
    void VerticalScroll(ScrollEvent& oEvent) override;
    // Shows or removes each scroll bar as the canvas needs it.
    void ToggleScrollBars();
    void Expose(ExposeEvent& oEvent) override;
    // Full repaint; a new canvas size (above 0) resets the scroll state.
    void PaintNew() override { PaintNew({}, {}); }
    void PaintNew(std::optional<int32_t> nCanvasWidth, std::optional<int32_t> nCanvasHeight);
    bool KeepsToolBarSpace() const override { return true; }
    // The window's DC maps the canvas shifted by the scroll offsets, so that a
    // figure lands where the view shows it.
    POINT ViewOrigin() const override;

    // The part of the window that shows the canvas.
    SIZE VisibleArea() const;
    int32_t CanvasWidth() const { return _nCanvasWidth; }
    int32_t CanvasHeight() const { return _nCanvasHeight; }
    WindowScrollBar* HorizontalBar() const { return _oHScrollBar; }
    WindowScrollBar* VerticalBar() const { return _oVScrollBar; }

private:
    // The full repaint; true when Paint ran.
    bool RepaintCanvas(std::optional<int32_t> nCanvasWidth, std::optional<int32_t> nCanvasHeight);
    // Copies the visible area from the refresh bitmap.
    void ShowView();
    // Fills the part of the visible area that lies beyond a smaller canvas
    // with the background.
    void EraseBeyondCanvas();
    void ClipToCanvas();

    int32_t _nCanvasWidth = 0;
    int32_t _nCanvasHeight = 0;
    int32_t _nScrollPosX = 0;
    int32_t _nScrollPosY = 0;
    bool _lPainted = false;
    // Bars moved without being drawn, until the bar timer draws them.
    bool _lBarsPending = false;
    WindowScrollBar* _oHScrollBar = nullptr;
    WindowScrollBar* _oVScrollBar = nullptr;
};
