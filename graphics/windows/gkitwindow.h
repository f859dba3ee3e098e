#pragma once
// The protocol every kit window keeps. A kit window is a framework window that
// is the drawing device of its own painter _oGraphics: it paints its whole
// surface through the painter in its Paint hook (PaintNew), keeps the picture
// in the painter's refresh bitmap, serves every expose with an unchanged size
// by copying the area back from that bitmap, and paints nothing while the
// user drags its border. Its DCs map upward like the refresh bitmap's, so a
// figure lands on the same pixels in both.
//
// gKitWindow<Base> is the protocol over one framework base. Application
// windows (TopAppWindow, ChildAppWindow) and form windows (DataWindow,
// DialogWindow) differ where the form's controls lie on the painted surface:
// - Paint: application windows paint when neither iconic nor hidden, forms
//   whenever they are not iconic (a hidden form fills its refresh bitmap);
// - children after a full repaint: application windows ask kit children for
//   their own repaint and redraw the others; forms redraw every visible child
//   with its own children (and resize a track bar so it redraws its channel),
//   and only when not iconic;
// - children on an expose: application windows copy the background of a
//   static text, check box or radio button back before redrawing it; forms
//   redraw the child and leave the background to their window procedure;
// - the end of a size or move: application windows repaint only after a
//   border drag, forms always; forms answer further messages (see
//   graphics/windows/gformwindow.h).
#include <memory>
#include <optional>
#include <type_traits>

#include "graphics/core/device.h"
#include "graphics/core/graphics.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/dialogs.h"

// The kit message by which a kit window tells a kit control to repaint itself
// (WM_USER with this wParam, lParam 0).
constexpr WPARAM kGMsgPaintNew = 0x90;

// A kit window or control that repaints itself in full on request.
class gPaintNewTarget {
public:
    virtual ~gPaintNewTarget() = default;
    virtual void PaintNew() = 0;
    // What a control paints beyond its own window, in the owner's canvas
    // coordinates; none when it paints only its window.
    virtual std::optional<BoundingBox> PaintedArea() const { return std::nullopt; }
};

// True when the control's rectangle (or the area a kit control paints) and
// the area (both in the owner's canvas coordinates) overlap; touching edges
// do not count.
bool ControlSharesArea(const Window& oControl, const BoundingBox& oArea);

// Whether a framework base holds its controls from a dialog template.
template <class Base>
constexpr bool kIsFormBase = std::is_base_of_v<DataWindow, Base> || std::is_base_of_v<DialogWindow, Base>;

// Whether a framework base is a shell window, whose painter draws on the
// client window that holds the documents (see graphics/windows/gshellwindow.h):
// what is painted shows around the documents, and an iconic or hidden shell
// repaints neither its children nor its tool bar.
template <class Base>
constexpr bool kIsShellBase = std::is_base_of_v<ShellWindow, Base>;

template <class Base>
class gKitWindow : public Base, public GraphicsDevice, public gPaintNewTarget {
public:
    ~gKitWindow() override;

    LRESULT Dispatch(Event& oEvent) override;
    // The window's surface; a subclass paints it here through _oGraphics.
    virtual void Paint() {}
    // Called on every tick of the window's timer with its interval.
    virtual void TimerEvent(uint32_t /*nInterval*/) {}
    // Starts the window's timer (id 1) with that interval, or stops it with 0.
    void SetTimer(uint32_t nMilliseconds);
    void Destroy() override;
    // Full repaint: device values, clip to the whole drawing area, Paint, then
    // the visible child windows.
    void PaintNew() override;
    void Expose(ExposeEvent& oEvent) override;

    // GraphicsDevice
    SIZE CanvasSize() const override;
    void Draw(objectShape& oShape) override;
    using Base::SetBackground;
    void SetBackground(COLORREF nColor) override;
    ::Pointer DevicePointer() const override { return Base::GetPointer(); }
    void SetDevicePointer(const ::Pointer& oPointer) override { Base::SetPointer(oPointer); }
    // Height of the window's own tool bar while it shows; 0 without one.
    int32_t OwnToolBarHeight() const override;
    // The prepared window DC, then the refresh bitmap.
    HDC PassDC(int nPass, HDC hPrepared) const override;

    std::unique_ptr<Graphics> _oGraphics;

protected:
    // The framework base is made with these arguments, then the painter.
    template <typename... Args>
    explicit gKitWindow(Args&&... aArgs) : Base(std::forward<Args>(aArgs)...)
    {
        MakePainter();
    }

    // Calls fn(child window, its framework object) for each direct child in
    // z-order, ending at the first child without a framework object.
    template <typename Fn>
    void ForEachChild(Fn fn)
    {
        for (HWND hChild = GetWindow(this->Handle(), GW_CHILD); hChild != nullptr;
             hChild = GetWindow(hChild, GW_HWNDNEXT)) {
            Window* oChild = ObjectOfWindowHandle(hChild);
            if (oChild == nullptr) break;
            fn(hChild, *oChild);
        }
    }

    // The window was sized or moved by the user (WM_EXITSIZEMOVE).
    bool EndSizeMove();
    // A full repaint when the canvas size differs from the last one or there
    // is no refresh bitmap, storing the size; false when the window can be
    // served from its refresh bitmap.
    bool PaintNewIfResized();
    // The user is dragging the window border.
    bool ResizeAktiv() const { return _lResizeAktiv; }
    // The window whose client area is the painter's canvas.
    HWND SurfaceHandle() const;
    // Copies the area back from the refresh bitmap onto the window; a form
    // leaves the places of its framed children out.
    void RefreshSurface(const DeviceBox& oArea);

private:
    void MakePainter();
    // What a full repaint and an expose do for one visible child.
    void RepaintChild(HWND hChild, Window& oChild);
    void ExposeChild(HWND hChild, Window& oChild, const BoundingBox& oArea);

    // The window DC that figures are drawn on, kept from drawing to drawing:
    // mapped upward for a canvas of oCanvas with a tool bar of nTop rows, with
    // the painter's clip region hClip and background colour nBackground
    // selected. Each drawing compares and renews what changed.
    struct PreparedDC {
        HDC hDC = nullptr;
        SIZE oCanvas{-1, -1};
        int32_t nTop = -1;
        POINT oView{0, 0};
        // The clip region selected: its serial number and its shift.
        uint32_t nClipSerial = 0;
        POINT oClipShift{0, 0};
        bool lClip = false;
        COLORREF nBackground = CLR_INVALID;
    };
    HDC PrepareDC();
    void ReleasePreparedDC();
    // For its lifetime the prepared DC is one that leaves out the places of a
    // form's framed children, unless a drawing in progress holds the DC (an
    // expose or repaint while a drawing dispatches messages): that drawing
    // keeps it, and the nested one draws on it as it is.
    class AroundFramedChildren {
    public:
        explicit AroundFramedChildren(gKitWindow& oWindow);
        ~AroundFramedChildren();
        AroundFramedChildren(const AroundFramedChildren&) = delete;
        AroundFramedChildren& operator=(const AroundFramedChildren&) = delete;

    private:
        gKitWindow& _oWindow;
        bool _lOwn = false;
    };

    PreparedDC _oPrepared;
    // Drawings in progress on the prepared DC: while one runs, the DC is
    // neither released nor replaced.
    int _nDrawings = 0;
    // The child windows' frames are to be drawn at the next repaint: the
    // window was shown since the last expose.
    bool _lFramesDue = true;
    int32_t _nLastWidth = -1;
    int32_t _nLastHeight = -1;
    uint32_t _nTimerInterval = 0;
    bool _lResizeAktiv = false;
};

extern template class gKitWindow<TopAppWindow>;
extern template class gKitWindow<ShellWindow>;
extern template class gKitWindow<ChildAppWindow>;
extern template class gKitWindow<DataWindow>;
extern template class gKitWindow<DialogWindow>;

// The kit's top-level application window.
class gTopAppWindow : public gKitWindow<TopAppWindow> {
public:
    explicit gTopAppWindow(Window* oOwner = nullptr) : gKitWindow(oOwner) {}
};

// The kit's child window inside its owner's canvas, or a document window of a
// shell window; without an owner no window is made.
class gChildAppWindow : public gKitWindow<ChildAppWindow> {
public:
    explicit gChildAppWindow(Window* oOwner) : gKitWindow(oOwner) {}
};
