#include "graphics/windows/gkitbutton.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/core/device.h"
#include "graphics/windows/gkit.h"

namespace {

constexpr DWORD kKitButtonStyle = BS_NOTIFY | BS_OWNERDRAW | WS_TABSTOP | WS_CHILD;

// A system colour whose red part is at least 1, so that it never reads as
// the "no colour" black.
Color RaisedRed(int nSysColor)
{
    const COLORREF c = GetSysColor(nSysColor);
    return Color(std::max(1, static_cast<int>(GetRValue(c))), GetGValue(c), GetBValue(c));
}

int FloorHalf(int n)
{
    return n >= 0 ? n / 2 : -((1 - n) / 2);
}

// Half of what an inscribed square leaves of a length: (k - k / sqrt 2) / 2.
double InscribedHalf(double k)
{
    return (k - k / std::sqrt(2.0)) / 2.0;
}

// Selects a clip region for a scope and deletes it afterwards.
class ClipScope {
public:
    ClipScope(HDC hDC, HRGN hRegion) : hDC_(hDC), hRegion_(hRegion) { SelectClipRgn(hDC_, hRegion_); }
    ~ClipScope()
    {
        SelectClipRgn(hDC_, nullptr);
        DeleteObject(hRegion_);
    }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    HDC hDC_;
    HRGN hRegion_;
};

// Draws a mask with SRCAND and an image with SRCPAINT through one placement.
void DrawMasked(HDC hDC, HDC hMask, HDC hImage, const RECT& d, const RECT& s)
{
    SetStretchBltMode(hDC, COLORONCOLOR);
    StretchBlt(hDC, d.left, d.top, d.right - d.left, d.bottom - d.top, hMask, s.left, s.top, s.right - s.left,
               s.bottom - s.top, SRCAND);
    StretchBlt(hDC, d.left, d.top, d.right - d.left, d.bottom - d.top, hImage, s.left, s.top, s.right - s.left,
               s.bottom - s.top, SRCPAINT);
}

SIZE BitmapSize(HBITMAP hBitmap)
{
    BITMAP b{};
    GetObjectA(hBitmap, sizeof b, &b);
    return {b.bmWidth, b.bmHeight};
}

// One figure of the shaped button's border: colour, inset, shift, pen width.
struct BorderPart {
    int nColor, nInset, nShift, nWidth;
};

std::vector<BorderPart> BorderParts(bool lFlat, bool lPressed, bool lFocused)
{
    if (lFlat && (lPressed || lFocused)) return {{COLOR_3DDKSHADOW, 0, 0, 3}};
    if (lFlat) return {{COLOR_3DDKSHADOW, 0, 0, 3}, {COLOR_BTNHIGHLIGHT, 2, 0, 1}};
    if (lPressed) return {{COLOR_3DDKSHADOW, 0, 0, 2}};
    if (lFocused) return {{COLOR_BTNHIGHLIGHT, 0, 0, 5}, {COLOR_BTNSHADOW, -1, 1, 5}, {COLOR_3DDKSHADOW, 0, 0, 2}};
    return {{COLOR_BTNHIGHLIGHT, -2, 0, 6}, {COLOR_BTNSHADOW, -4, 2, 6}};
}

}  // namespace

gCaptionFont::gCaptionFont()
{
    HGDIOBJ hFont = GetStockObject(DEFAULT_GUI_FONT);
    _hFont = static_cast<HFONT>(hFont != nullptr ? hFont : GetStockObject(SYSTEM_FONT));
}

gCaptionFont::~gCaptionFont()
{
    if (_lOwned) DeleteObject(_hFont);
}

void gCaptionFont::CopyOf(const Font& oFont)
{
    if (oFont.FaceName().empty()) return;
    if (_lOwned) DeleteObject(_hFont);
    LOGFONTA oAttributes = oFont.GetLogFontStruct();
    oAttributes.lfQuality = NONANTIALIASED_QUALITY;
    _hFont = CreateFontIndirectA(&oAttributes);
    _lOwned = true;
}

gKitButton::gKitButton(Window& oOwner, int nId) : PushButton(oOwner, nId)
{
}

gKitButton::gKitButton(Window& oOwner, int nId, Point oPoint, Dimension oDimension)
    : PushButton(oOwner, nId, oPoint, oDimension, 0)
{
}

void gKitButton::Install(const std::string& cCaption, const std::string& cSymName, std::optional<int> nForm)
{
    if (Handle() == nullptr) return;
    const DWORD nStyle = static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE));
    SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(nStyle | kKitButtonStyle));
    SetExStyle(WS_EX_TRANSPARENT, true);
    _pCursor = gCurHand();
    SetTextColor(RaisedRed(COLOR_BTNTEXT));
    if (!cSymName.empty()) SetHyperLabel({cSymName, cCaption, "", ""});
    if (NameSym().empty()) SetCaption(cCaption);
    SetForm(nForm);
}

void gKitButton::SetForm(std::optional<int> nForm)
{
    int nCode = nForm.value_or(0);
    if (nCode != 5 && nCode != 2 && nCode != 1 && nCode != 6) nCode = 0;
    if (nCode == 0) _nCorner = 10;
    const Dimension s = Size();
    if (nCode == 6) {
        _nCorner = std::min(s.width, s.height);
        nCode = 0;
    }
    if (nCode == 2) {
        const Point o = Origin();
        if (s.width > s.height) {
            SetSize({s.height, s.height});
            SetOrigin({o.x + FloorHalf(s.width - s.height), o.y});
        } else if (s.width < s.height) {
            SetSize({s.width, s.width});
            SetOrigin({o.x, o.y + FloorHalf(s.height - s.width)});
        }
        nCode = 1;
    }
    _nForm = static_cast<uint16_t>(nCode);
    SetWindowRgn(Handle(), ShapeRegion(0), TRUE);
}

HRGN gKitButton::ShapeRegion(int nInset) const
{
    const Dimension s = Size();
    const int i = nInset;
    switch (_nForm) {
    case 0: return CreateRoundRectRgn(i, i, s.width + 1 - i, s.height + 1 - i, _nCorner - 2 * i, _nCorner - 2 * i);
    case 1: return CreateEllipticRgn(i, i, s.width + 1 - i, s.height + 1 - i);
    default: return CreateRectRgn(i, i, s.width - i, s.height - i);
    }
}

HFONT gKitButton::ControlFont() const
{
    if (!GetFont().FaceName().empty()) return GetFont().Handle();
    return reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
}

std::optional<COLORREF> gKitButton::EnabledTextColor() const
{
    if (IsEnabled() && TextColor() != nullptr) return TextColor()->ColorRef();
    return std::nullopt;
}

void gKitButton::PaintPart(HDC hDC, int nSysColor, HBRUSH hFill, bool lDotted, int nInset, int nShift,
                           int nPenWidth) const
{
    HPEN hPen = nullptr;
    if (lDotted) {
        const LOGBRUSH oBrush{BS_SOLID, GetSysColor(nSysColor), 0};
        hPen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &oBrush, 0, nullptr);
    } else {
        hPen = CreatePen(PS_SOLID, nPenWidth, GetSysColor(nSysColor));
    }
    HGDIOBJ hOldBrush = SelectObject(hDC, hFill != nullptr ? hFill : GetStockObject(NULL_BRUSH));
    HGDIOBJ hOldPen = SelectObject(hDC, hPen);
    const Dimension s = Size();
    const int a = nInset - nShift;
    const int r = s.width - nInset - nShift, b = s.height - nInset - nShift;
    switch (_nForm) {
    case 0: RoundRect(hDC, a, a, r, b, _nCorner - 2 * a, _nCorner - 2 * a); break;
    case 1: Ellipse(hDC, a, a, r, b); break;
    default: Rectangle(hDC, a, a, r, b); break;
    }
    SelectObject(hDC, hOldBrush);
    SelectObject(hDC, hOldPen);
    DeleteObject(hPen);
}

SIZE gKitButton::InscribedMargins() const
{
    const Dimension s = Size();
    const double w = s.width, h = s.height;
    if (_nForm == 1)
        return {static_cast<LONG>(std::floor(InscribedHalf(w))), static_cast<LONG>(std::floor(InscribedHalf(h)))};
    if (_nForm != 0) return {0, 0};
    float r = 1.0F;
    if (s.width > _nCorner)
        r = static_cast<float>(s.width - _nCorner) / static_cast<float>(s.width);
    else if (s.height > _nCorner)
        r = static_cast<float>(s.height) / static_cast<float>(s.height - _nCorner);
    return {static_cast<LONG>(std::floor(InscribedHalf(_nCorner / r))),
            static_cast<LONG>(std::floor(InscribedHalf(_nCorner * r)))};
}

gKitButton::Placement gKitButton::Place(int nInset, SIZE oImage) const
{
    const Dimension s = Size();
    int x = nInset, y = nInset;
    if (_lStretch) {
        if (_lFitForm && _nForm != 5) {
            const SIZE m = InscribedMargins();
            x = x - 2 + m.cx;
            y = y - 2 + m.cy;
        }
        return {{x, y, s.width - x, s.height - y}, {0, 0, oImage.cx, oImage.cy}};
    }
    // Centred when smaller than the area, its middle part when larger.
    auto axis = [](int nMargin, int nLength, int nImage, LONG& nDest, LONG& nDestEnd, LONG& nSrc, LONG& nSrcEnd) {
        const int nArea = nLength - 2 * nMargin;
        const int nOff = FloorHalf(nArea - nImage);
        const int nCopied = std::min(nArea, nImage);
        nDest = nMargin + std::max(nOff, 0);
        nSrc = std::max(-nOff, 0);
        nDestEnd = nDest + nCopied;
        nSrcEnd = nSrc + nCopied;
    };
    Placement p{};
    axis(x, s.width, oImage.cx, p.oDest.left, p.oDest.right, p.oSource.left, p.oSource.right);
    axis(y, s.height, oImage.cy, p.oDest.top, p.oDest.bottom, p.oSource.top, p.oSource.bottom);
    return p;
}

void gKitButton::PaintBmp(HDC hDC, int nInset) const
{
    const auto* oBitmap = std::get_if<Bitmap>(&_oImage);
    if (oBitmap == nullptr || oBitmap->Handle() == nullptr) return;
    const SIZE oSize = BitmapSize(oBitmap->Handle());
    HDC hImage = CreateCompatibleDC(hDC);
    HDC hMask = CreateCompatibleDC(hDC);
    HDC hBlack = CreateCompatibleDC(hDC);
    HBITMAP hMaskBits = CreateBitmap(oSize.cx, oSize.cy, 1, 1, nullptr);
    HBITMAP hBlackBits = CreateCompatibleBitmap(hDC, oSize.cx, oSize.cy);
    HGDIOBJ hOldImage = SelectObject(hImage, oBitmap->Handle());
    HGDIOBJ hOldMask = SelectObject(hMask, hMaskBits);
    HGDIOBJ hOldBlack = SelectObject(hBlack, hBlackBits);
    // 1 where the image has the colour of its top-left pixel.
    SetBkColor(hImage, GetPixel(hImage, 0, 0));
    BitBlt(hMask, 0, 0, oSize.cx, oSize.cy, hImage, 0, 0, SRCCOPY);
    // The image with those pixels black.
    SetBkColor(hBlack, RGB(255, 255, 255));
    ::SetTextColor(hBlack, RGB(0, 0, 0));
    BitBlt(hBlack, 0, 0, oSize.cx, oSize.cy, hMask, 0, 0, NOTSRCCOPY);
    BitBlt(hBlack, 0, 0, oSize.cx, oSize.cy, hImage, 0, 0, SRCAND);
    const Placement p = Place(nInset, oSize);
    const COLORREF nOldBk = SetBkColor(hDC, RGB(255, 255, 255));
    const COLORREF nOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    DrawMasked(hDC, hMask, hBlack, p.oDest, p.oSource);
    SetBkColor(hDC, nOldBk);
    ::SetTextColor(hDC, nOldText);
    SelectObject(hImage, hOldImage);
    SelectObject(hMask, hOldMask);
    SelectObject(hBlack, hOldBlack);
    DeleteObject(hMaskBits);
    DeleteObject(hBlackBits);
    DeleteDC(hImage);
    DeleteDC(hMask);
    DeleteDC(hBlack);
}

SIZE IconSize(HICON hIcon)
{
    ICONINFO oInfo{};
    if (hIcon == nullptr || !GetIconInfo(hIcon, &oInfo)) return {0, 0};
    SIZE oSize = BitmapSize(oInfo.hbmMask);
    // A monochrome icon keeps its AND and XOR masks one above the other in
    // its mask bitmap.
    if (oInfo.hbmColor == nullptr) oSize.cy /= 2;
    DeleteObject(oInfo.hbmMask);
    if (oInfo.hbmColor != nullptr) DeleteObject(oInfo.hbmColor);
    return oSize;
}

bool DrawIconThroughMask(HDC hDC, HICON hIcon, const RECT& oDest, const RECT* pSource)
{
    ICONINFO oInfo{};
    if (hIcon == nullptr || !GetIconInfo(hIcon, &oInfo)) return false;
    const bool lMono = oInfo.hbmColor == nullptr;
    SIZE oSize = BitmapSize(oInfo.hbmMask);
    if (lMono) oSize.cy /= 2;
    const RECT s = pSource != nullptr ? *pSource : RECT{0, 0, oSize.cx, oSize.cy};
    HDC hMask = CreateCompatibleDC(hDC);
    HDC hImage = CreateCompatibleDC(hDC);
    HGDIOBJ hOldMask = SelectObject(hMask, oInfo.hbmMask);
    HGDIOBJ hOldImage = SelectObject(hImage, lMono ? oInfo.hbmMask : oInfo.hbmColor);
    const int nImageTop = s.top + (lMono ? oSize.cy : 0);
    const COLORREF nOldBk = SetBkColor(hDC, RGB(255, 255, 255));
    const COLORREF nOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    const int nOldMode = SetStretchBltMode(hDC, COLORONCOLOR);
    const RECT& d = oDest;
    StretchBlt(hDC, d.left, d.top, d.right - d.left, d.bottom - d.top, hMask, s.left, s.top, s.right - s.left,
               s.bottom - s.top, SRCAND);
    StretchBlt(hDC, d.left, d.top, d.right - d.left, d.bottom - d.top, hImage, s.left, nImageTop, s.right - s.left,
               s.bottom - s.top, lMono ? SRCINVERT : SRCPAINT);
    SetStretchBltMode(hDC, nOldMode);
    SetBkColor(hDC, nOldBk);
    ::SetTextColor(hDC, nOldText);
    SelectObject(hMask, hOldMask);
    SelectObject(hImage, hOldImage);
    DeleteDC(hMask);
    DeleteDC(hImage);
    DeleteObject(oInfo.hbmMask);
    if (oInfo.hbmColor != nullptr) DeleteObject(oInfo.hbmColor);
    return true;
}

void gKitButton::PaintIcon(HDC hDC, int nInset) const
{
    const auto* oIcon = std::get_if<Icon>(&_oImage);
    if (oIcon == nullptr) return;
    const SIZE oSize = IconSize(oIcon->Handle());
    if (oSize.cx == 0) return;
    const Placement p = Place(nInset, oSize);
    DrawIconThroughMask(hDC, oIcon->Handle(), p.oDest, &p.oSource);
}

void gKitButton::PaintImageUnder(HDC hDC) const
{
    const LONG nStyle = GetWindowLongA(Handle(), GWL_STYLE);
    if ((nStyle & BS_BITMAP) != 0 && !_lImageInside) PaintBmp(hDC, 2);
}

void gKitButton::PaintImageInside(HDC hDC) const
{
    const LONG nStyle = GetWindowLongA(Handle(), GWL_STYLE);
    if ((nStyle & BS_BITMAP) != 0 && _lImageInside && std::holds_alternative<Bitmap>(_oImage)) {
        ClipScope oClip(hDC, ShapeRegion(4));
        PaintBmp(hDC, 6);
    } else if ((nStyle & BS_ICON) != 0 && std::holds_alternative<Icon>(_oImage)) {
        ClipScope oClip(hDC, ShapeRegion(4));
        PaintIcon(hDC, 6);
    }
}

void gKitButton::PaintCaption(HDC hDC, HFONT hFont, COLORREF nColor, std::optional<COLORREF> nEmboss) const
{
    const std::string cText = Caption();
    if (cText.empty()) return;
    ClipScope oClip(hDC, ShapeRegion(3));
    HGDIOBJ hOldFont = SelectObject(hDC, hFont);
    const COLORREF nOldColor = ::SetTextColor(hDC, nColor);
    const bool lMultiLine = (GetWindowLongA(Handle(), GWL_STYLE) & BS_MULTILINE) != 0;
    const Dimension s = Size();
    int tx = 2, ty = 2;
    if (lMultiLine && _nForm != 5) {
        const SIZE m = InscribedMargins();
        tx = 1 + m.cx;
        ty = 1 + m.cy;
    }
    const UINT nFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX | (lMultiLine ? 0U : DT_SINGLELINE);
    RECT r{tx, ty, s.width - tx, s.height - ty};
    const int h = DrawTextA(hDC, cText.c_str(), -1, &r, nFormat | DT_CALCRECT);
    const int nTop = FloorHalf(s.height) - (h >> 1);
    r = {tx, nTop, s.width - tx, nTop + h};
    if (_lPressed) OffsetRect(&r, 1, 1);
    DrawTextA(hDC, cText.c_str(), -1, &r, nFormat);
    if (nEmboss) {
        OffsetRect(&r, 1, 1);
        ::SetTextColor(hDC, *nEmboss);
        DrawTextA(hDC, cText.c_str(), -1, &r, nFormat);
    }
    ::SetTextColor(hDC, nOldColor);
    SelectObject(hDC, hOldFont);
}

void gKitButton::PaintNew()
{
    HWND hWnd = Handle();
    if (hWnd == nullptr) return;
    HDC hDC = GetDC(hWnd);
    const int nOldBkMode = SetBkMode(hDC, TRANSPARENT);
    const int nOldRop = SetROP2(hDC, R2_COPYPEN);
    const bool lFlat = (GetWindowLongA(hWnd, GWL_STYLE) & BS_FLAT) != 0;
    {
        ClipScope oClip(hDC, BorderClip());
        PaintBorder(hDC, lFlat);
    }
    PaintImageInside(hDC);
    PaintCaptionOf(hDC);
    SetROP2(hDC, nOldRop);
    SetBkMode(hDC, nOldBkMode);
    ReleaseDC(hWnd, hDC);
}

bool gKitButton::ReturnFor(const Event& oEvent) const
{
    return _lFocused && oEvent.wParam == VK_RETURN;
}

void gKitButton::OnReturn(bool lDown)
{
    if (!lDown) Owner()->CallByName(NameSym());
    _lPressed = lDown;
    RequestRepaint();
}

LRESULT gKitButton::Dispatch(Event& oEvent)
{
    switch (oEvent.message) {
    case WM_SETCURSOR: SetCursor(_pCursor.Handle()); return TRUE;
    case WM_GETDLGCODE: {
        // Return reaches the button instead of the dialog navigation.
        const auto* pMsg = reinterpret_cast<const MSG*>(oEvent.lParam);
        const LRESULT nCode = PushButton::Dispatch(oEvent);
        return pMsg != nullptr && pMsg->wParam == VK_RETURN ? nCode | DLGC_WANTMESSAGE : nCode;
    }
    case WM_LBUTTONUP:
        _lPressed = false;
        RequestRepaint();
        break;
    case WM_LBUTTONDOWN:
        _lPressed = true;
        SetFocus(Handle());
        RequestRepaint();
        break;
    case WM_KEYUP:
        if (ReturnFor(oEvent)) OnReturn(false);
        break;
    case WM_KEYDOWN:
        if (ReturnFor(oEvent)) OnReturn(true);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        _lFocused = oEvent.message == WM_SETFOCUS;
        RequestRepaint();
        break;
    case WM_SETTEXT:
    case WM_SIZE:
    case WM_MOVE:
    case WM_ENABLE: RequestRepaint(); break;
    case WM_USER:
        if (oEvent.wParam == kGMsgPaintNew) RequestRepaint();
        break;
    case WM_PAINT: PaintNew(); break;
    case WM_ERASEBKGND: return 1;
    default: break;
    }
    return PushButton::Dispatch(oEvent);
}

gFormPushButton::gFormPushButton(Window& oOwner, int nId) : gKitButton(oOwner, nId)
{
    _oBackground = Brush(RaisedRed(COLOR_BTNFACE));
    Install({}, {}, std::nullopt);
}

gFormPushButton::gFormPushButton(Window& oOwner, int nId, Point oPoint, Dimension oDimension,
                                 const std::string& cCaption, const std::string& cSymName, std::optional<int> nForm)
    : gKitButton(oOwner, nId, oPoint, oDimension)
{
    _oBackground = Brush(RaisedRed(COLOR_BTNFACE));
    Install(cCaption, cSymName, nForm);
}

void gFormPushButton::SetStretch(std::optional<bool> lStretch, std::optional<bool> lFitForm,
                                 std::optional<bool> lImageInside)
{
    _lStretch = lStretch.value_or(false);
    _lFitForm = lFitForm.value_or(false);
    _lImageInside = lImageInside.value_or(false);
}

void gFormPushButton::SetBackground(const Brush& oBrush)
{
    if (oBrush.IsNull()) return;
    _oBackground = oBrush;
    RequestRepaint();
}

void gFormPushButton::SetBackColor(std::optional<Color> oColor)
{
    _oBackground = Brush(oColor.value_or(Color::FromColorRef(GetSysColor(COLOR_BTNFACE))));
    RequestRepaint();
}

void gFormPushButton::PaintBorder(HDC hDC, bool lFlat) const
{
    PaintPart(hDC, COLOR_SCROLLBAR, _oBackground.Handle(), false, 0, 1, 1);
    PaintImageUnder(hDC);
    for (const BorderPart& p : BorderParts(lFlat, _lPressed, _lFocused))
        PaintPart(hDC, p.nColor, nullptr, false, p.nInset, p.nShift, p.nWidth);
    if (_lFocused) PaintPart(hDC, COLOR_3DDKSHADOW, nullptr, true, lFlat ? 3 : 4, 0, 1);
}

void gFormPushButton::PaintCaptionOf(HDC hDC) const
{
    PaintCaption(hDC, ControlFont(), EnabledTextColor().value_or(GetSysColor(COLOR_GRAYTEXT)), std::nullopt);
}

gTransPushButton::gTransPushButton(Window& oOwner, int nId) : gKitButton(oOwner, nId)
{
    Prepare();
    Install({}, {}, std::nullopt);
}

gTransPushButton::gTransPushButton(Window& oOwner, int nId, Point oPoint, Dimension oDimension,
                                   const std::string& cCaption, const std::string& cSymName, std::optional<int> nForm)
    : gKitButton(oOwner, nId, oPoint, oDimension)
{
    Prepare();
    Install(cCaption, cSymName, nForm);
}

void gTransPushButton::Prepare()
{
    const auto* oDevice = dynamic_cast<const GraphicsDevice*>(Owner());
    _lKitOwner = oDevice != nullptr && oDevice->_nDeviceTyp == kDeviceScreen;
}

void gTransPushButton::SetStretch(std::optional<bool> lStretch, std::optional<bool> lFitForm,
                                  std::optional<bool> lImageInside)
{
    _lStretch = lStretch.value_or(true);
    _lFitForm = lFitForm.value_or(true);
    _lImageInside = lImageInside.value_or(false);
}

void gTransPushButton::RequestRepaint()
{
    if (_lKitOwner)
        Repaint();
    else
        PaintClear();
}

void gTransPushButton::PaintClear()
{
    HWND hOwner = GetParent(Handle());
    RECT r;
    GetClientRect(Handle(), &r);
    MapWindowPoints(Handle(), hOwner, reinterpret_cast<POINT*>(&r), 2);
    if (_nForm == 5) {
        InvalidateRect(hOwner, &r, TRUE);
    } else {
        HRGN hRegion = _nForm == 0 ? CreateRoundRectRgn(r.left - 2, r.top - 2, r.right + 1, r.bottom + 1, _nCorner + 1,
                                                        _nCorner + 1)
                                   : CreateEllipticRgn(r.left - 2, r.top - 2, r.right + 1, r.bottom + 1);
        InvalidateRgn(hOwner, hRegion, TRUE);
        DeleteObject(hRegion);
    }
    // The button paints itself again over the owner's repaint.
    InvalidateRect(Handle(), nullptr, FALSE);
}

HRGN gTransPushButton::BorderClip() const
{
    const Dimension s = Size();
    if (_nForm == 0) return CreateRoundRectRgn(-1, -1, s.width + 2, s.height + 2, _nCorner + 1, _nCorner + 1);
    return _nForm == 1 ? ShapeRegion(-1) : CreateRectRgn(0, 0, s.width, s.height);
}

OwnerRefresh OwnerRefreshOf(const Window& oControl)
{
    const auto* oDevice = dynamic_cast<const GraphicsDevice*>(oControl.Owner());
    const PainterState* oPainter = oDevice != nullptr ? oDevice->Painter() : nullptr;
    OwnerRefresh oRefresh;
    if (oPainter == nullptr || (oRefresh.hDC = oPainter->_oRefreshCanvas.DC()) == nullptr) return oRefresh;
    // The canvas point under the owner's top-left pixel (y upward, shifted by
    // the view's origin), and that point's pixel in the bitmap.
    RECT rOwner;
    GetClientRect(GetParent(oControl.Handle()), &rOwner);
    const POINT v = oDevice->ViewOrigin();
    oRefresh.oOffset = {v.x, rOwner.bottom - 1 + v.y};
    LPtoDP(oRefresh.hDC, &oRefresh.oOffset, 1);
    return oRefresh;
}

void gTransPushButton::PaintRefresh()
{
    const OwnerRefresh oSource = OwnerRefreshOf(*this);
    if (oSource.hDC == nullptr) return;
    RECT r;
    GetClientRect(Handle(), &r);
    MapWindowPoints(Handle(), GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    HDC hDC = GetDC(Handle());
    {
        ClipScope oClip(hDC, BorderClip());
        // One block in device units, from the button's pixel in the bitmap on.
        const DeviceUnits oUnits(oSource.hDC);
        BitBlt(hDC, 0, 0, r.right - r.left, r.bottom - r.top, oSource.hDC, r.left + oSource.oOffset.x,
               r.top + oSource.oOffset.y, SRCCOPY);
    }
    ReleaseDC(Handle(), hDC);
}

void gTransPushButton::PaintBorder(HDC hDC, bool lFlat) const
{
    PaintImageUnder(hDC);
    const bool lActive = _lPressed || _lFocused;
    PaintPart(hDC, lActive ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT, nullptr, false, 0, 0, 1);
    if (!lFlat) PaintPart(hDC, lActive ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW, nullptr, false, 1, 0, 1);
    if (_lFocused) PaintPart(hDC, COLOR_3DDKSHADOW, nullptr, true, lFlat ? 3 : 4, 0, 1);
}

void gTransPushButton::PaintCaptionOf(HDC hDC) const
{
    const std::optional<COLORREF> nColor = EnabledTextColor();
    if (!nColor)
        PaintCaption(hDC, CaptionFont(), GetSysColor(COLOR_GRAYTEXT), std::nullopt);
    else if (_lShadow)
        PaintCaption(hDC, CaptionFont(), *nColor ^ 0xFFFFFF, *nColor);
    else
        PaintCaption(hDC, CaptionFont(), *nColor, std::nullopt);
}

LRESULT gTransPushButton::Dispatch(Event& oEvent)
{
    if (oEvent.message == WM_SETFONT) _oCaptionFont.CopyOf(GetFont());
    if (oEvent.message == WM_PAINT && _lKitOwner) PaintRefresh();
    return gKitButton::Dispatch(oEvent);
}
