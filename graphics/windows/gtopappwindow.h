#pragma once
// gTopAppWindow: the kit's top-level application window. It is a drawing
// device of its own painter _oGraphics: it paints its whole surface through
// the painter in its Paint hook (PaintNew), keeps the picture in the
// painter's refresh bitmap, serves every expose with an unchanged size by
// copying the area back from that bitmap, and paints nothing while the user
// drags its border. Its DCs map upward like the refresh bitmap's, so a figure
// lands on the same pixels in both.
#include <memory>

#include "graphics/core/device.h"
#include "graphics/core/graphics.h"
#include "platform/framework/appwindow.h"

// The kit message by which a kit window tells a kit control to repaint itself
// (WM_USER with this wParam, lParam 0).
constexpr WPARAM kGMsgPaintNew = 0x90;

// A kit window or control that repaints itself in full on request.
class gPaintNewTarget {
public:
    virtual ~gPaintNewTarget() = default;
    virtual void PaintNew() = 0;
};

// True when the control's rectangle and the area (both in the owner's canvas
// coordinates) overlap; touching edges do not count.
bool ControlSharesArea(const Window& oControl, const BoundingBox& oArea);

class gTopAppWindow : public TopAppWindow, public GraphicsDevice, public gPaintNewTarget {
public:
    explicit gTopAppWindow(Window* oOwner = nullptr);
    ~gTopAppWindow() override;

    LRESULT Dispatch(Event& oEvent) override;
    // The window's surface; a subclass paints it here through _oGraphics.
    virtual void Paint() {}
    // Called on every tick of the window's timer with its interval.
    virtual void TimerEvent(uint32_t /*nInterval*/) {}
    // Starts the window's timer (id 1) with that interval, or stops it with 0.
    void SetTimer(uint32_t nMilliseconds);
    void Destroy() override;
    // Full repaint: device values, clip to the whole drawing area, Paint (when
    // neither iconic nor hidden), then the visible child windows.
    void PaintNew() override;
    void Expose(ExposeEvent& oEvent) override;

    // GraphicsDevice
    SIZE CanvasSize() const override;
    void Draw(objectShape& oShape) override;
    using TopAppWindow::SetBackground;
    void SetBackground(COLORREF nColor) override;
    ::Pointer DevicePointer() const override { return GetPointer(); }
    void SetDevicePointer(const ::Pointer& oPointer) override { SetPointer(oPointer); }
    // The prepared window DC, then the refresh bitmap.
    HDC PassDC(int nPass, HDC hPrepared) const override;

    std::unique_ptr<Graphics> _oGraphics;

private:
    // Calls fn(child window, its framework object) for each visible direct
    // child in z-order, ending at the first child without a framework object.
    template <typename Fn>
    void ForEachVisibleChild(Fn fn);

    // The window DC that figures are drawn on, kept from drawing to drawing:
    // mapped upward for a canvas of oCanvas with a tool bar of nTop rows, with
    // the painter's clip region hClip and background colour nBackground
    // selected. Each drawing compares and renews what changed.
    struct PreparedDC {
        HDC hDC = nullptr;
        SIZE oCanvas{-1, -1};
        int32_t nTop = -1;
        HRGN hClip = nullptr;
        COLORREF nBackground = CLR_INVALID;
    };
    HDC PrepareDC();
    void ReleasePreparedDC();

    PreparedDC _oPrepared;
    int32_t _nLastWidth = -1;
    int32_t _nLastHeight = -1;
    uint32_t _nTimerInterval = 0;
    bool _lResizeAktiv = false;
};
