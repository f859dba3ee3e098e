#include "graphics/images/objectplayback.h"

#include "graphics/images/pictures.h"

void objectDirectBmp::Draw()
{
    const images::PictureObject oPicture(File());
    HDC hDraw = SelectDrawDC(1);
    if (!oPicture || hDraw == nullptr) return;
    const DeviceBox oBox = DefaultExtent()
                               ? DeviceArea(MulDiv(oPicture.Width(), GetDeviceCaps(hDraw, LOGPIXELSX), 2540),
                                            MulDiv(oPicture.Height(), GetDeviceCaps(hDraw, LOGPIXELSY), 2540))
                               : DeviceArea(ExtentX(), ExtentY());
    ForEachPass([&](HDC hDC) {
        // Upright into the target's device rectangle, exact on every system.
        const RECT r = DeviceRect(hDC, oBox);
        DeviceUnits oUnits(hDC);
        oPicture.RenderUpright(hDC, r.left, r.top, oBox.w, oBox.h);
    });
}

void objectEnhMeta::Draw()
{
    const PainterState& s = State();
    const DeviceBox oBox = DefaultExtent() ? DeviceBox{s._nOffsetX, s._nOffsetY, static_cast<int32_t>(s._oDim.cx),
                                                       static_cast<int32_t>(s._oDim.cy)}
                                           : DeviceArea(ExtentX(), ExtentY());
    HENHMETAFILE hMeta = GetEnhMetaFileA(File().c_str());
    const RECT oPlay{0, 0, oBox.w, oBox.h};
    // The target's top counted downward from the canvas top.
    const int32_t nTop = static_cast<int32_t>(s._oDim.cy) - oBox.y - oBox.h;
    ForEachPass([&](HDC hDC) {
        // A downward 1:1 mapping for the target, below the reserved top space.
        POINT oWindowOrg, oViewportOrg;
        SIZE oWindowExt, oViewportExt;
        SetWindowOrgEx(hDC, 0, -s._nTopSpace, &oWindowOrg);
        SetWindowExtEx(hDC, oBox.w, oBox.h, &oWindowExt);
        SetViewportOrgEx(hDC, oBox.x, nTop, &oViewportOrg);
        SetViewportExtEx(hDC, oBox.w, oBox.h, &oViewportExt);
        if (hMeta != nullptr) PlayEnhMetaFile(hDC, hMeta, &oPlay);
        SetWindowOrgEx(hDC, oWindowOrg.x, oWindowOrg.y, nullptr);
        SetWindowExtEx(hDC, oWindowExt.cx, oWindowExt.cy, nullptr);
        SetViewportOrgEx(hDC, oViewportOrg.x, oViewportOrg.y, nullptr);
        SetViewportExtEx(hDC, oViewportExt.cx, oViewportExt.cy, nullptr);
    });
    if (hMeta != nullptr) DeleteEnhMetaFile(hMeta);
}
