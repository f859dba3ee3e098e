#pragma once
// The kit's transparent group box and icon. Each shrinks its own window to
// one pixel at the top-left corner of what it shows, so that it covers
// neither the owner's painted surface nor the controls inside its frame, and
// draws its frame or icon itself onto the owner's surface through a DC of
// the owner's window whose origin is that pixel (and through its own DC onto
// that pixel, where the owner keeps its children out of its DCs). Each tells
// and takes as its origin the bottom-left corner of what it paints, where it
// was made; the window's own Origin and SetOrigin, called through a Window,
// tell and move the pixel. Both repaint on their own changes and on the kit
// message kGMsgPaintNew; a kit window asks them when an expose touches what
// they paint (PaintedArea), not their one pixel.
#include <optional>
#include <string>
#include <vector>

#include "graphics/windows/gkitbutton.h"
#include "graphics/windows/gkitwindow.h"
#include "platform/framework/controls.h"

// Draws the caption of a disabled push button, check box or radio button
// (one line, centred on a push button, right of the box of the others) into
// hDC, the DC in which the control asks its owner for its colours, where
// and as the system draws it (embossed in the highlight and shadow colours,
// on the face of a push button), but whole within the control: the system
// draws a disabled caption through a bitmap as wide as the text measures,
// and under Wine a caption comes out wider than it measures and loses its
// last letters. The caption's area is then taken out of hDC's clipping, so
// that the system's own drawing leaves it alone. Other buttons and layouts
// are left to the system.
void DrawDisabledCaption(HDC hDC, HWND hControl);

// What a one-pixel control painted on its owner's surface last: where, as
// rectangles of the owner's client area, and what. On a kit window the
// surface under it is copied back from the refresh bitmap when the control
// paints something else or elsewhere, is hidden and ends, and so is the
// control's own pixel, which the system paints.
class gPaintedTrail {
public:
    // What a paint shows: a text (the caption, or the name of the icon) in
    // a colour and a font.
    struct Look {
        std::string cText;
        COLORREF nColor = 0;
        HFONT hFont = nullptr;
        bool operator==(const Look&) const = default;
    };

    explicit gPaintedTrail(const Window& oControl) : oControl_(oControl) {}
    ~gPaintedTrail() { Erase(); }
    gPaintedTrail(const gPaintedTrail&) = delete;
    gPaintedTrail& operator=(const gPaintedTrail&) = delete;
    // Before a paint of oLook in the rectangles aNext (relative to the
    // control's pixel at oAt): when either differs from the last paint, the
    // surface under the last paint is put back. Keeps both.
    void Renew(POINT oAt, std::vector<RECT> aNext, Look oLook);
    // Puts the surface back under the last paint and forgets it.
    void Erase();
    // Puts the surface back under the control's own pixel.
    static void RestorePixel(HWND hControl, const OwnerRefresh& oSource);

private:
    // Copies the owner's refresh bitmap under the last paint (nothing
    // without one, or while the owner does not show).
    void PutBack() const;

    const Window& oControl_;
    std::vector<RECT> aRects_;
    Look oLook_;
};

// The etched frame of W x H pixels with its caption at (10, 0), the top
// line broken 4 pixels either side of the caption. The light frame reaches
// x = W and y = H + 1, the dark one x = W - 1 and y = H.
class gTransGroupBox : public GroupBox, public gPaintNewTarget {
public:
    gTransGroupBox(Window& oOwner, int nId);
    gTransGroupBox(Window& oOwner, int nId, Point oPoint, Dimension oDimension);

    // The bottom-left corner of the W x H rectangle.
    Point Origin() const;
    void SetOrigin(Point oPoint);
    void PaintNew() override;
    std::optional<BoundingBox> PaintedArea() const override;
    LRESULT Dispatch(Event& oEvent) override;
    Dimension FrameSize() const { return {_nFrameWidth, _nFrameHeight}; }
    // The caption font: the stock GUI font until the control is given a font,
    // then a non-antialiased copy of that font.
    HFONT CaptionFont() const { return _oCaptionFont.Get(); }

private:
    void Install();

    gCaptionFont _oCaptionFont;
    int32_t _nFrameWidth = 0;
    int32_t _nFrameHeight = 0;
    gPaintedTrail painted_{*this};
};

// An icon of the system's icon size whose bottom-left corner is the
// control's origin: the program's icon named by the hyper label's caption,
// or the system's question mark.
class gTransFixedIcon : public FixedIcon, public gPaintNewTarget {
public:
    gTransFixedIcon(Window& oOwner, int nId);
    gTransFixedIcon(Window& oOwner, int nId, Point oPoint, Dimension oDimension);

    Point Origin() const;
    void SetOrigin(Point oPoint);
    void PaintNew() override;
    std::optional<BoundingBox> PaintedArea() const override;
    LRESULT Dispatch(Event& oEvent) override;

private:
    void Install();

    int32_t _nIconWidth = 0;
    int32_t _nIconHeight = 0;
    // The icon last painted and the caption it was loaded for.
    Icon _oIcon;
    std::string _cIconName;
    gPaintedTrail painted_{*this};
};
