#include "graphics/windows/gkitcontrols.h"

#include <algorithm>
#include <string>
#include <utility>

#include "graphics/core/device.h"
#include "graphics/windows/gkitbutton.h"

namespace {

// The position of the control's pixel in its parent's client area.
POINT PixelInParent(HWND hControl)
{
    RECT r;
    GetWindowRect(hControl, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hControl), reinterpret_cast<POINT*>(&r), 1);
    return {r.left, r.top};
}

// The control's own DC, which holds its one pixel whatever its parent
// clips; released with the scope.
class PixelDC {
public:
    explicit PixelDC(HWND hControl) : hControl_(hControl), hDC_(GetDCEx(hControl, nullptr, DCX_CACHE)) {}
    ~PixelDC() { ReleaseDC(hControl_, hDC_); }
    PixelDC(const PixelDC&) = delete;
    PixelDC& operator=(const PixelDC&) = delete;
    HDC Get() const { return hDC_; }

private:
    HWND hControl_;
    HDC hDC_;
};

// The DCs through which a one-pixel control draws onto its owner's surface,
// their origin at the control's pixel: a DC of the parent window, and, where
// the parent keeps its children out of its DCs, the control's own for its
// pixel. Released with the scope.
class SurfaceDCs {
public:
    explicit SurfaceDCs(HWND hControl)
        : hParent_(GetParent(hControl)),
          hDC_(GetDC(hParent_)),
          oAt_(PixelInParent(hControl))
    {
        SetViewportOrgEx(hDC_, oAt_.x, oAt_.y, nullptr);
        if ((GetWindowLongA(hParent_, GWL_STYLE) & WS_CLIPCHILDREN) != 0) oPixel_.emplace(hControl);
    }
    ~SurfaceDCs() { ReleaseDC(hParent_, hDC_); }
    SurfaceDCs(const SurfaceDCs&) = delete;
    SurfaceDCs& operator=(const SurfaceDCs&) = delete;
    // The parent's DC.
    HDC Get() const { return hDC_; }
    POINT At() const { return oAt_; }
    // Draws through each DC.
    template <class Draw>
    void Each(Draw fnDraw) const
    {
        fnDraw(hDC_);
        if (oPixel_) fnDraw(oPixel_->Get());
    }

private:
    HWND hParent_;
    HDC hDC_;
    POINT oAt_;
    std::optional<PixelDC> oPixel_;
};

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const RECT& r, const RECT& s) { return EqualRect(&r, &s); });
}

// The one-pixel window stands on the top-left pixel of a rectangle nHeight
// pixels high whose bottom-left corner is the control's origin.
Point OriginUnderPixel(const Window& oControl, int nHeight)
{
    const Point o = oControl.Origin();
    return {o.x, o.y - (nHeight - 1)};
}

void PutPixelOver(Window& oControl, Point oOrigin, int nHeight)
{
    oControl.SetOrigin({oOrigin.x, oOrigin.y + nHeight - 1});
}

// Shrinks the control to the top-left pixel of a rectangle nHeight pixels
// high whose bottom-left corner is where the control stands.
void ShrinkToTopLeftPixel(Window& oControl, int nHeight)
{
    const Point o = oControl.Origin();
    SetWindowPos(oControl.Handle(), nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PutPixelOver(oControl, o, nHeight);
}

void SetTypeStyle(HWND hWnd, DWORD nTypeMask, DWORD nBits)
{
    const DWORD nStyle = static_cast<DWORD>(GetWindowLongA(hWnd, GWL_STYLE));
    SetWindowLongA(hWnd, GWL_STYLE, static_cast<LONG>((nStyle & ~nTypeMask) | nBits));
}

// What both one-pixel controls answer: a repaint on a move, an enabling
// and the kit message, no erase, their own paint after the system's, over
// the owner's surface put back under the pixel that the system painted, and
// the surface put back under their last paint when they are hidden or end.
template <class Base, class Control>
LRESULT DispatchOnePixel(Control& oControl, gPaintedTrail& oTrail, Event& oEvent)
{
    switch (oEvent.message) {
    case WM_WINDOWPOSCHANGED:
        if ((reinterpret_cast<const WINDOWPOS*>(oEvent.lParam)->flags & SWP_HIDEWINDOW) != 0) oTrail.Erase();
        break;
    case WM_DESTROY: oTrail.Erase(); break;
    case WM_MOVE:
    case WM_ENABLE: oControl.Repaint(); break;
    case WM_USER:
        if (oEvent.wParam == kGMsgPaintNew) oControl.Repaint();
        break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        const LRESULT nResult = oControl.Base::Dispatch(oEvent);
        gPaintedTrail::RestorePixel(oControl.Handle(), OwnerRefreshOf(oControl));
        oControl.PaintNew();
        return nResult;
    }
    default: break;
    }
    return oControl.Base::Dispatch(oEvent);
}

// The frame in one system colour, nShift pixels right and down of the dark
// frame, its top line broken from x = 6 to nGapEnd when that is above 0.
void Frame(HDC hDC, int nSysColor, int nShift, int w, int h, int nLine, int nGapEnd)
{
    HPEN hPen = CreatePen(PS_SOLID, 1, GetSysColor(nSysColor));
    HGDIOBJ hOld = SelectObject(hDC, hPen);
    const int y = nLine + nShift;
    MoveToEx(hDC, nShift, y, nullptr);
    if (nGapEnd > 0) {
        LineTo(hDC, 6, y);
        MoveToEx(hDC, nGapEnd, y, nullptr);
    }
    LineTo(hDC, w - 1 + nShift, y);
    LineTo(hDC, w - 1 + nShift, h + nShift);
    LineTo(hDC, nShift, h + nShift);
    LineTo(hDC, nShift, y);
    SelectObject(hDC, hOld);
    DeleteObject(hPen);
}

enum class CaptionLayout { kBesideBox, kCentred, kOther };

// Where the system draws a button's caption in one line: left-aligned right
// of the box of a check box or option, or in the middle of a push button
// without visual styles (a themed face is not one colour); other buttons and
// layouts are left to the system.
CaptionLayout CaptionLayoutOf(HWND hControl)
{
    char cClass[8] = {};
    GetClassNameA(hControl, cClass, sizeof cClass);
    const auto nStyle = static_cast<DWORD>(GetWindowLongA(hControl, GWL_STYLE));
    const auto nExStyle = static_cast<DWORD>(GetWindowLongA(hControl, GWL_EXSTYLE));
    if (lstrcmpiA(cClass, "Button") != 0 || (nStyle & (BS_MULTILINE | BS_ICON | BS_BITMAP)) != 0 ||
        (nExStyle & WS_EX_RIGHT) != 0)
        return CaptionLayout::kOther;
    switch (nStyle & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return (nStyle & (BS_PUSHLIKE | BS_LEFTTEXT | BS_RIGHT)) == 0 ? CaptionLayout::kBesideBox
                                                                      : CaptionLayout::kOther;
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: {
        const DWORD nAcross = nStyle & BS_CENTER, nDown = nStyle & BS_VCENTER;
        const bool lCentred = (nAcross == 0 || nAcross == BS_CENTER) && (nDown == 0 || nDown == BS_VCENTER);
        return lCentred && !VisualStylesInUse() ? CaptionLayout::kCentred : CaptionLayout::kOther;
    }
    default: return CaptionLayout::kOther;
    }
}

}  // namespace

void DrawDisabledCaption(HDC hDC, HWND hControl)
{
    const auto nStyle = static_cast<DWORD>(GetWindowLongA(hControl, GWL_STYLE));
    if ((nStyle & WS_DISABLED) == 0) return;
    const CaptionLayout eLayout = CaptionLayoutOf(hControl);
    if (eLayout == CaptionLayout::kOther) return;
    const int nLength = GetWindowTextLengthA(hControl);
    if (nLength == 0) return;
    std::string cText(static_cast<std::size_t>(nLength) + 1, '\0');
    cText.resize(static_cast<std::size_t>(GetWindowTextA(hControl, cText.data(), nLength + 1)));
    // The control's font is selected in hDC.
    RECT oClient;
    GetClientRect(hControl, &oClient);
    RECT oMeasured{0, 0, oClient.right, oClient.bottom};
    DrawTextA(hDC, cText.c_str(), -1, &oMeasured, DT_CALCRECT | DT_SINGLELINE);
    const int nWidth = oMeasured.right, nHeight = oMeasured.bottom;
    // Where the text starts, and the area the system leaves to this drawing.
    POINT oAt;
    RECT oArea;
    if (eLayout == CaptionLayout::kBesideBox) {
        // The box 12 pixels at 96 dpi plus one, half the width of a "0",
        // then the text one pixel further, centred in the height; the
        // owner's surface shows under it.
        const int nBox = 12 * GetDeviceCaps(hDC, LOGPIXELSX) / 96 + 1;
        int nZero = 0;
        GetCharWidthA(hDC, '0', '0', &nZero);
        oAt = {nBox + nZero / 2 + 1, (oClient.bottom - nHeight) / 2};
        oArea = {oAt.x, 0, oClient.right, oClient.bottom};
    } else {
        // Centred on the face, which is filled under it, inside the edge
        // and a default button's frame.
        oAt = {(oClient.right - nWidth) / 2, (oClient.bottom - nHeight) / 2};
        const int nFrame = (nStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? 1 : 0;
        RECT oFace = oClient;
        InflateRect(&oFace, -GetSystemMetrics(SM_CXEDGE) - nFrame, -GetSystemMetrics(SM_CYEDGE) - nFrame);
        const RECT oEmbossed{oAt.x, oAt.y, oAt.x + nWidth + 1, oAt.y + nHeight + 1};
        IntersectRect(&oArea, &oEmbossed, &oFace);
    }
    RECT oText{oAt.x, oAt.y, oClient.right, oAt.y + nHeight};
    const int nSaved = SaveDC(hDC);
    IntersectClipRect(hDC, oArea.left, oArea.top, oArea.right, oArea.bottom);
    if (eLayout == CaptionLayout::kCentred) FillRect(hDC, &oArea, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(hDC, TRANSPARENT);
    RECT oLight = oText;
    OffsetRect(&oLight, 1, 1);
    SetTextColor(hDC, GetSysColor(COLOR_3DHILIGHT));
    DrawTextA(hDC, cText.c_str(), -1, &oLight, DT_SINGLELINE | DT_NOCLIP);
    SetTextColor(hDC, GetSysColor(COLOR_3DSHADOW));
    DrawTextA(hDC, cText.c_str(), -1, &oText, DT_SINGLELINE | DT_NOCLIP);
    RestoreDC(hDC, nSaved);
    ExcludeClipRect(hDC, oArea.left, oArea.top, oArea.right, oArea.bottom);
}

void gPaintedTrail::Renew(POINT oAt, std::vector<RECT> aNext, Look oLook)
{
    for (RECT& r : aNext) OffsetRect(&r, oAt.x, oAt.y);
    if (SameRects(aRects_, aNext) && oLook_ == oLook) return;
    PutBack();
    aRects_ = std::move(aNext);
    oLook_ = std::move(oLook);
}

void gPaintedTrail::Erase()
{
    PutBack();
    aRects_.clear();
}

void gPaintedTrail::PutBack() const
{
    HWND hControl = oControl_.Handle();
    if (aRects_.empty() || hControl == nullptr) return;
    // A closing owner is hidden before its controls end.
    HWND hParent = GetParent(hControl);
    if (!IsWindowVisible(hParent)) return;
    const OwnerRefresh oSource = OwnerRefreshOf(oControl_);
    if (oSource.hDC == nullptr) return;
    // Children keep what they drew.
    HDC hDC = GetDCEx(hParent, nullptr, DCX_CACHE | DCX_CLIPCHILDREN);
    const DeviceUnits oUnits(oSource.hDC);
    for (const RECT& r : aRects_)
        BitBlt(hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, oSource.hDC, r.left + oSource.oOffset.x,
               r.top + oSource.oOffset.y, SRCCOPY);
    ReleaseDC(hParent, hDC);
}

void gPaintedTrail::RestorePixel(HWND hControl, const OwnerRefresh& oSource)
{
    if (oSource.hDC == nullptr) return;
    const PixelDC oDC(hControl);
    const POINT oAt = PixelInParent(hControl);
    const DeviceUnits oUnits(oSource.hDC);
    BitBlt(oDC.Get(), 0, 0, 1, 1, oSource.hDC, oAt.x + oSource.oOffset.x, oAt.y + oSource.oOffset.y, SRCCOPY);
}

gTransGroupBox::gTransGroupBox(Window& oOwner, int nId) : GroupBox(oOwner, nId)
{
    Install();
}

gTransGroupBox::gTransGroupBox(Window& oOwner, int nId, Point oPoint, Dimension oDimension)
    : GroupBox(oOwner, nId, "Button", BS_GROUPBOX, oPoint, oDimension)
{
    Install();
}

void gTransGroupBox::Install()
{
    if (Handle() == nullptr) return;
    const Dimension s = Size();
    _nFrameWidth = s.width;
    _nFrameHeight = s.height;
    ShrinkToTopLeftPixel(*this, _nFrameHeight);
    // An owner-drawn button draws nothing itself.
    SetTypeStyle(Handle(), BS_TYPEMASK, BS_OWNERDRAW | WS_GROUP | WS_CHILD);
}

Point gTransGroupBox::Origin() const
{
    return OriginUnderPixel(*this, _nFrameHeight);
}

void gTransGroupBox::SetOrigin(Point oPoint)
{
    PutPixelOver(*this, oPoint, _nFrameHeight);
}

std::optional<BoundingBox> gTransGroupBox::PaintedArea() const
{
    // The frame ends two rows below the rectangle.
    const Point o = Origin();
    return BoundingBox{{o.x, o.y - 2}, {_nFrameWidth + 1, _nFrameHeight + 2}};
}

void gTransGroupBox::PaintNew()
{
    if (Handle() == nullptr) return;
    const SurfaceDCs oDCs(Handle());
    const std::string cText = Caption();
    HFONT hFont = _oCaptionFont.Get();
    HGDIOBJ hOldFont = SelectObject(oDCs.Get(), hFont);
    SIZE oText{};
    GetTextExtentPoint32A(oDCs.Get(), cText.c_str(), static_cast<int>(cText.size()), &oText);
    SelectObject(oDCs.Get(), hOldFont);
    const int h = oText.cy >> 1;
    const int nGapEnd = cText.empty() ? 0 : 14 + static_cast<int>(oText.cx);
    // The caption and the frame's four sides, two pixels thick.
    const int w = _nFrameWidth, nBottom = _nFrameHeight;
    const COLORREF nColor = TextColor() != nullptr ? TextColor()->ColorRef() : 0;
    painted_.Renew(oDCs.At(),
                   {{10, 0, 10 + oText.cx, oText.cy},
                    {0, h, w + 1, h + 2},
                    {0, nBottom, w + 1, nBottom + 2},
                    {0, h, 2, nBottom + 2},
                    {w - 1, h, w + 1, nBottom + 2}},
                   {cText, nColor, hFont});
    oDCs.Each([&](HDC hDC) {
        const int nOldBkMode = SetBkMode(hDC, TRANSPARENT);
        const int nOldRop = SetROP2(hDC, R2_COPYPEN);
        // Light frame one pixel right and down of the dark one: the etched look.
        Frame(hDC, COLOR_BTNHIGHLIGHT, 1, w, nBottom, h, nGapEnd);
        Frame(hDC, COLOR_BTNSHADOW, 0, w, nBottom, h, nGapEnd);
        HGDIOBJ hOld = SelectObject(hDC, hFont);
        const COLORREF nOldColor = ::SetTextColor(hDC, nColor);
        const UINT nOldAlign = SetTextAlign(hDC, TA_LEFT | TA_TOP);
        TextOutA(hDC, 10, 0, cText.c_str(), static_cast<int>(cText.size()));
        SetTextAlign(hDC, nOldAlign);
        ::SetTextColor(hDC, nOldColor);
        SelectObject(hDC, hOld);
        SetROP2(hDC, nOldRop);
        SetBkMode(hDC, nOldBkMode);
    });
}

LRESULT gTransGroupBox::Dispatch(Event& oEvent)
{
    if (oEvent.message == WM_SETFONT) _oCaptionFont.CopyOf(GetFont());
    if (oEvent.message == WM_SETTEXT || oEvent.message == WM_SIZE) Repaint();
    return DispatchOnePixel<GroupBox>(*this, painted_, oEvent);
}

gTransFixedIcon::gTransFixedIcon(Window& oOwner, int nId) : FixedIcon(oOwner, nId)
{
    Install();
}

gTransFixedIcon::gTransFixedIcon(Window& oOwner, int nId, Point oPoint, Dimension oDimension)
    : FixedIcon(oOwner, nId, "Static", SS_ICON, oPoint, oDimension)
{
    Install();
}

void gTransFixedIcon::Install()
{
    _nIconWidth = GetSystemMetrics(SM_CXICON);
    _nIconHeight = GetSystemMetrics(SM_CYICON);
    if (Handle() == nullptr) return;
    ShrinkToTopLeftPixel(*this, _nIconHeight);
    const DWORD nStyle = static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE));
    SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(nStyle | SS_SIMPLE | SS_ICON | WS_CHILD));
}

Point gTransFixedIcon::Origin() const
{
    return OriginUnderPixel(*this, _nIconHeight);
}

void gTransFixedIcon::SetOrigin(Point oPoint)
{
    PutPixelOver(*this, oPoint, _nIconHeight);
}

std::optional<BoundingBox> gTransFixedIcon::PaintedArea() const
{
    return BoundingBox{Origin(), {_nIconWidth, _nIconHeight}};
}

void gTransFixedIcon::PaintNew()
{
    if (Handle() == nullptr) return;
    const SurfaceDCs oDCs(Handle());
    const std::string& cName = GetHyperLabel().Caption();
    // Loaded again only when the caption names another icon. The system's
    // question mark is shared: its holder does not destroy it.
    if (_oIcon.Handle() == nullptr || cName != _cIconName) {
        _oIcon =
            cName.empty() ? Icon(static_cast<int>(reinterpret_cast<INT_PTR>(IDI_QUESTION))) : Icon(cName, _nIconWidth);
        _cIconName = cName;
    }
    painted_.Renew(oDCs.At(), {{0, 0, _nIconWidth, _nIconHeight}}, {cName});
    oDCs.Each([&](HDC hDC) { DrawIconThroughMask(hDC, _oIcon.Handle(), {0, 0, _nIconWidth, _nIconHeight}, nullptr); });
}

LRESULT gTransFixedIcon::Dispatch(Event& oEvent)
{
    return DispatchOnePixel<FixedIcon>(*this, painted_, oEvent);
}
