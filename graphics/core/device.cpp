#include "graphics/core/device.h"

#include <algorithm>

int32_t SaturatedCoordinate(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, -kDeviceLimit, kDeviceLimit));
}

void SetUpwardMapping(HDC hDC, int32_t nWidth, int32_t nHeight, int32_t nTopSpace)
{
    SetMapMode(hDC, MM_ANISOTROPIC);
    SetWindowOrgEx(hDC, 0, nTopSpace, nullptr);
    SetWindowExtEx(hDC, nWidth, -nHeight, nullptr);
    SetViewportOrgEx(hDC, 0, nHeight - 1, nullptr);
    SetViewportExtEx(hDC, nWidth, nHeight, nullptr);
}

namespace {

// The device rectangle of a box, and whether the DC maps it upward one pixel
// a unit (as every DC the kit draws on), known from a third point.
RECT MappedBox(HDC hDC, const DeviceBox& oBox, bool& lUpward)
{
    lUpward = false;
    if (oBox.w <= 0 || oBox.h <= 0) return {0, 0, 0, 0};
    POINT a[3] = {
        {oBox.x, oBox.y},
        {SaturatedCoordinate(int64_t{oBox.x} + oBox.w - 1), SaturatedCoordinate(int64_t{oBox.y} + oBox.h - 1)},
        {SaturatedCoordinate(int64_t{oBox.x} + 1), SaturatedCoordinate(int64_t{oBox.y} + 1)}};
    LPtoDP(hDC, a, 3);
    lUpward = a[2].x - a[0].x == 1 && a[2].y - a[0].y == -1;
    RECT r{std::min(a[0].x, a[1].x), std::min(a[0].y, a[1].y), std::max(a[0].x, a[1].x), std::max(a[0].y, a[1].y)};
    ++r.right;
    ++r.bottom;
    return r;
}

}  // namespace

RECT DeviceRect(HDC hDC, const DeviceBox& oBox)
{
    bool lUpward;
    return MappedBox(hDC, oBox, lUpward);
}

DeviceUnits::DeviceUnits(HDC hDC) : _hDC(hDC), _nSaved(SaveDC(hDC))
{
    SetMapMode(hDC, MM_TEXT);
    SetWindowOrgEx(hDC, 0, 0, nullptr);
    SetViewportOrgEx(hDC, 0, 0, nullptr);
}

DeviceUnits::~DeviceUnits()
{
    RestoreDC(_hDC, _nSaved);
}

void FillBox(HDC hDC, const DeviceBox& oBox, COLORREF nColor)
{
    const RECT r = DeviceRect(hDC, oBox);
    if (IsRectEmpty(&r)) return;
    DeviceUnits oUnits(hDC);
    HBRUSH hBrush = CreateSolidBrush(nColor);
    FillRect(hDC, &r, hBrush);
    DeleteObject(hBrush);
}

void CopyBox(HDC hDst, const DeviceBox& oBox, HDC hSrc, int32_t nSrcX, int32_t nSrcY)
{
    bool lDstUpward, lSrcUpward;
    const RECT rDst = MappedBox(hDst, oBox, lDstUpward);
    if (IsRectEmpty(&rDst)) return;
    const RECT rSrc = MappedBox(hSrc, {nSrcX, nSrcY, oBox.w, oBox.h}, lSrcUpward);
    if (lDstUpward && lSrcUpward) {
        // From the top row's logical y down by h rows: the logical corners
        // map onto exactly the boxes' device rectangles, so the DCs keep their
        // state (a switch to device units and back costs some 20 us under
        // Wine, five times the copy of a window's view).
        BitBlt(hDst, oBox.x, oBox.y + oBox.h - 1, oBox.w, -oBox.h, hSrc, nSrcX, nSrcY + oBox.h - 1, SRCCOPY);
        return;
    }
    DeviceUnits oDst(hDst);
    DeviceUnits oSrc(hSrc);
    BitBlt(hDst, rDst.left, rDst.top, rDst.right - rDst.left, rDst.bottom - rDst.top, hSrc, rSrc.left, rSrc.top,
           SRCCOPY);
}
