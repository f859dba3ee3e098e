#pragma once
// objectShape: the base of every short-lived drawing object. A paint operation
// of the painter creates one, hands it to its device's Draw and drops it; the
// object reads the painter's state through its device when it draws, converts its world values to
// device pixels once and draws into one DC per pass: on a screen window the
// window and then the refresh bitmap, on every other device once.
#include <windows.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "graphics/core/device.h"
#include "graphics/core/painterstate.h"

class objectShape {
public:
    // The object of a device that a painter is bound to.
    explicit objectShape(GraphicsDevice& oDevice);
    virtual ~objectShape();
    objectShape(const objectShape&) = delete;
    objectShape& operator=(const objectShape&) = delete;

    // Draws the figure in all passes.
    virtual void Draw() = 0;
    // Has each object of the list (null entries skipped) draw itself, in order.
    static void DrawEach(const std::vector<objectShape*>& aShapes);

    // The DC that a window or printer prepared for this drawing (HANDLE).
    HDC Handle() const { return _hHandle; }
    void SetHandle(HDC hDC) { _hHandle = hDC; }

    // DC of pass 1 or 2 as the device gives it; NULL ends the drawing.
    HDC SelectDrawDC(int nPass) const;
    // The state of the painter that the device is bound to.
    const PainterState& State() const { return *_oShapeDevice->Painter(); }
    GraphicsDevice& Device() const { return *_oShapeDevice; }
    // Draws another object of the same device into this object's DCs, as a
    // part of this drawing.
    void DrawPart(objectShape& oPart) const;
    // A new 8 x 8 pattern brush of 64 pixels (blue in the low byte, bottom row
    // first); the caller selects and deletes it.
    static HBRUSH CreateBmpBrush(const std::array<uint32_t, 64>& aPattern);

    // Calls fn(dc) for each pass that yields a DC, in order.
    template <typename Fn>
    void ForEachPass(Fn fn) const
    {
        for (int nPass = 1; nPass <= 2; ++nPass) {
            HDC hDC = SelectDrawDC(nPass);
            if (hDC == nullptr) break;
            fn(hDC);
        }
    }

    // World to device: positions with the world offset, extents without.
    // DevicePos is the rule of both positions: the value times the factor,
    // rounded as every float stored into an integer, plus the offset, held
    // within +-kDeviceLimit.
    static int32_t DevicePos(double v, double fFactor, int32_t nOffset);
    int32_t DevicePosX(double x) const;
    int32_t DevicePosY(double y) const;
    int32_t DeviceExtentX(double w) const;
    int32_t DeviceExtentY(double h) const;
    // Whether one of a figure's world values is not a number: such a figure
    // has no place on the device and draws nothing.
    static bool AnyNotANumber(std::initializer_list<double> aValues);
    // Aligns the device point by the origin mode (the painter's GetOriginPoint;
    // mode 0 leaves it).
    void AlignOrigin(int32_t& x, int32_t& y, int32_t w, int32_t h, uint32_t nOrigin) const;

    // The part of the device that its DCs can show: the union of the clip
    // boxes of the passes in logical units, widened by nMargin pixels and by
    // one more at every edge (which edge of a mirrored box the system leaves
    // out is its choice). Empty (left above right) when no pass has a DC.
    struct LogicalBox {
        int64_t left, bottom, right, top;
    };
    LogicalBox VisibleBox(int64_t nMargin = 0) const;

private:
    GraphicsDevice* _oShapeDevice;
    HDC _hHandle = nullptr;
};

// How a closed shape is filled, decided once before the passes from the fill
// flag and the painter's fill style code.
struct ShapeFill {
    bool lFill = false;    // fill the shape (else the hollow brush)
    int32_t nStyle = 0;    // 0-5 hatch, 32 solid, 64 pattern
    bool lOpaque = false;  // hatch gaps in the fill colour
};
// nFillFlag 1 fills by the style code; lOutlineCode160 makes code 160 mean
// "outline only" (rectangles, ellipses, Bezier curves), otherwise 160 is
// taken as 128 + 32.
ShapeFill ResolveFill(const PainterState& oState, uint32_t nFillFlag, bool lOutlineCode160 = true);

// For one pass of a closed shape: selects the brush of the fill and the
// painter's cosmetic pen, sets background mode, background colour and raster
// operation; restores all and deletes what it made when it goes.
class ClosedShapeTools {
public:
    ClosedShapeTools(HDC hDC, const PainterState& oState, const ShapeFill& oFill);
    ~ClosedShapeTools();
    ClosedShapeTools(const ClosedShapeTools&) = delete;
    ClosedShapeTools& operator=(const ClosedShapeTools&) = delete;

private:
    HDC _hDC;
    HBRUSH _hBrush;
    bool _lOwnBrush;
    HGDIOBJ _hOldBrush;
    HPEN _hPen;
    HGDIOBJ _hOldPen;
    int _nOldBkMode;
    COLORREF _nOldBkColor = CLR_INVALID;
    int _nOldRop;
};

// For one pass of a line figure: the painter's geometric line pen (ends and
// joins by the line cap code), transparent background and raster operation.
class LinePenTools {
public:
    LinePenTools(HDC hDC, const PainterState& oState);
    ~LinePenTools();
    LinePenTools(const LinePenTools&) = delete;
    LinePenTools& operator=(const LinePenTools&) = delete;

private:
    HDC _hDC;
    HPEN _hPen;
    HGDIOBJ _hOldPen;
    int _nOldBkMode;
    int _nOldRop;
};
