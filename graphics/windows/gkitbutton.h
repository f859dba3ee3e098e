#pragma once
// The kit's own push buttons: owner-drawn buttons cut to a shape by a window
// region, painted entirely by themselves through a DC of their window.
//
// Shapes (SetForm): 0 round rectangle with a corner ellipse of _nCorner
// pixels (10), 1 ellipse, 2 circle (the button is first made square on its
// smaller side, centred on its old rectangle, then an ellipse), 5 rectangle,
// 6 capsule (round rectangle whose corner is the smaller side); any other
// code, or none, is the round rectangle. The round shapes reach one pixel
// beyond the button's width and height, the rectangle does not.
//
// Every state change (press, release, focus, text, size, place, enabling,
// the kit message kGMsgPaintNew) asks for a repaint; the button paints at
// WM_PAINT before the system's own handling. It shows the kit's hand cursor,
// takes Return from the dialog navigation while it has the focus and calls
// its owner's method of its name when Return is released, as a click does.
// Odd halves and inscribed margins are rounded toward minus infinity.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "graphics/windows/gkitwindow.h"
#include "platform/framework/controls.h"

// Draws an icon through its own mask: the mask with SRCAND, then the colour
// bitmap with SRCPAINT (a monochrome icon: the lower half of its mask with
// SRCINVERT), from the source box (the whole icon when null) into the
// destination box. False when the icon gives no image.
bool DrawIconThroughMask(HDC hDC, HICON hIcon, const RECT& oDest, const RECT* pSource);
SIZE IconSize(HICON hIcon);

// The refresh bitmap of the kit window that owns a control, as the source of
// the surface under the control: its DC (NULL on any other owner) and the
// offset from a pixel of the owner's client area to the bitmap's pixel that
// holds it (a scroll window shows its canvas shifted by its scroll offsets).
struct OwnerRefresh {
    HDC hDC = nullptr;
    POINT oOffset{0, 0};
};
OwnerRefresh OwnerRefreshOf(const Window& oControl);

// The caption font of a kit control: the stock GUI font (the system font
// where there is none) until the control is given a font of its own, then a
// non-antialiased copy of that font, owned and replaced at each new font.
class gCaptionFont {
public:
    gCaptionFont();
    ~gCaptionFont();
    gCaptionFont(const gCaptionFont&) = delete;
    gCaptionFont& operator=(const gCaptionFont&) = delete;
    // A copy of the font; a control without a font keeps the current one.
    void CopyOf(const Font& oFont);
    HFONT Get() const { return _hFont; }

private:
    HFONT _hFont;
    bool _lOwned = false;
};

class gKitButton : public PushButton, public gPaintNewTarget {
public:
    // Sets the shape and gives the window its region.
    void SetForm(std::optional<int> nForm);
    // The image a bitmap or icon style bit (BS_BITMAP, BS_ICON) draws.
    void SetImage(const Bitmap& oBitmap) { _oImage = oBitmap; }
    void SetImage(const Icon& oIcon) { _oImage = oIcon; }

    uint16_t FormCode() const { return _nForm; }
    int32_t Corner() const { return _nCorner; }
    bool IsPressed() const { return _lPressed; }
    bool IsFocused() const { return _lFocused; }
    bool Stretches() const { return _lStretch; }
    bool FitsForm() const { return _lFitForm; }
    bool ImageInside() const { return _lImageInside; }

    LRESULT Dispatch(Event& oEvent) override;
    // Paints the whole button through a DC of its window.
    void PaintNew() override;

    // The region of the shape inset by nInset pixels on every side: the
    // window region for 0; a round rectangle's corner shrinks by 2 * nInset.
    HRGN ShapeRegion(int nInset) const;

protected:
    // A button from its owner's dialog template.
    gKitButton(Window& oOwner, int nId);
    // A new button at a place of the owner's canvas.
    gKitButton(Window& oOwner, int nId, Point oPoint, Dimension oDimension);
    // What both ways of making share: styles, text colour, the caption or
    // the hyper label of symName, then the shape.
    void Install(const std::string& cCaption, const std::string& cSymName, std::optional<int> nForm);

    // The repaint a state change asks for.
    virtual void RequestRepaint() { Repaint(); }
    // What the clip of PaintBorder keeps.
    virtual HRGN BorderClip() const { return ShapeRegion(0); }
    // Face, image under the border, border and focus mark.
    virtual void PaintBorder(HDC hDC, bool lFlat) const = 0;
    virtual void PaintCaptionOf(HDC hDC) const = 0;
    // The control's font as the caption font.
    HFONT ControlFont() const;

    // One figure of the shape: box (a, a, W - nInset - nShift, H - nInset -
    // nShift) with a = nInset - nShift, filled with hFill (hollow when null).
    void PaintPart(HDC hDC, int nSysColor, HBRUSH hFill, bool lDotted, int nInset, int nShift, int nPenWidth) const;
    // The image under the border (base margin 2) when it is not inside.
    void PaintImageUnder(HDC hDC) const;
    // The image inside the frame, clipped to the inner shape.
    void PaintImageInside(HDC hDC) const;
    // The caption in hFont with colour nColor; with an emboss colour, the
    // caption once more one pixel right and down in that colour.
    void PaintCaption(HDC hDC, HFONT hFont, COLORREF nColor, std::optional<COLORREF> nEmboss) const;
    // The caption colour: the text colour while enabled, else grey text.
    std::optional<COLORREF> EnabledTextColor() const;

    bool _lPressed = false;
    bool _lFocused = false;
    bool _lStretch = true;
    bool _lFitForm = true;
    bool _lImageInside = true;
    uint16_t _nForm = 0;
    int32_t _nCorner = 10;
    Pointer _pCursor;

private:
    void PaintBmp(HDC hDC, int nInset) const;
    void PaintIcon(HDC hDC, int nInset) const;
    // Where an image of a size goes: destination box and source box.
    struct Placement {
        RECT oDest;
        RECT oSource;
    };
    Placement Place(int nInset, SIZE oImage) const;
    // Margins of the box inscribed in the shape (ellipse, rounded corners).
    SIZE InscribedMargins() const;
    void OnReturn(bool lDown);
    bool ReturnFor(const Event& oEvent) const;

    std::variant<std::monostate, Bitmap, Icon> _oImage;
};

// The shaped push button with a face of its own brush and a raised or flat
// border.
class gFormPushButton : public gKitButton {
public:
    gFormPushButton(Window& oOwner, int nId);
    gFormPushButton(Window& oOwner, int nId, Point oPoint, Dimension oDimension, const std::string& cCaption = {},
                    const std::string& cSymName = {}, std::optional<int> nForm = std::nullopt);

    // Each flag becomes true only for a true argument.
    void SetStretch(std::optional<bool> lStretch, std::optional<bool> lFitForm, std::optional<bool> lImageInside);
    const Brush& Background() const { return _oBackground; }
    // A brush that is not null replaces the face brush.
    void SetBackground(const Brush& oBrush) override;
    // A face of that colour; none gives the button-face colour.
    void SetBackColor(std::optional<Color> oColor);

protected:
    void PaintBorder(HDC hDC, bool lFlat) const override;
    void PaintCaptionOf(HDC hDC) const override;

private:
    Brush _oBackground;
};

// The transparent push button: no face of its own. On a kit window that
// paints through its painter (device type 0) it copies the owner's surface
// behind it from the painter's refresh bitmap before it paints; on any other
// owner a state change has the owner erase and repaint the area under it,
// enlarged by two pixels up and left and one right and down for the round
// shapes. Its caption is drawn in a non-antialiased copy of the control's
// font (the stock GUI font until it is given one), optionally embossed: first
// in the inverse colour, then one pixel right and down in its own.
class gTransPushButton : public gKitButton {
public:
    gTransPushButton(Window& oOwner, int nId);
    gTransPushButton(Window& oOwner, int nId, Point oPoint, Dimension oDimension, const std::string& cCaption = {},
                     const std::string& cSymName = {}, std::optional<int> nForm = std::nullopt);

    // Stretch and fit become false only for a false argument; the image goes
    // inside the frame only for a true one.
    void SetStretch(std::optional<bool> lStretch, std::optional<bool> lFitForm, std::optional<bool> lImageInside);
    // The emboss is on only for a true argument.
    void SetShadow(std::optional<bool> lShadow) { _lShadow = lShadow.value_or(false); }
    bool Shadowed() const { return _lShadow; }
    bool KitOwner() const { return _lKitOwner; }
    HFONT CaptionFont() const { return _oCaptionFont.Get(); }
    // The background is always the hollow brush.
    Brush Background() const { return Brush::Stock(NULL_BRUSH); }
    void SetBackground(const Brush& /*oBrush*/) override {}

    // Copies the owner's surface behind the button into the button.
    void PaintRefresh();
    // Has the owner repaint the area under the button.
    void PaintClear();
    LRESULT Dispatch(Event& oEvent) override;

protected:
    void RequestRepaint() override;
    // The clip of the border and of the surface copy: the shape one pixel
    // wider on every side (the rectangle: the button itself).
    HRGN BorderClip() const override;
    void PaintBorder(HDC hDC, bool lFlat) const override;
    void PaintCaptionOf(HDC hDC) const override;

private:
    void Prepare();

    bool _lKitOwner = false;
    bool _lShadow = false;
    gCaptionFont _oCaptionFont;
};
