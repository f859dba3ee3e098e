#include "graphics/images/objectfiles.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "graphics/images/bmpwriter.h"
#include "graphics/images/gifwriter.h"
#include "graphics/images/pictures.h"

namespace {

// Selects the stock default palette into a context as foreground palette and
// realises it; selects the previous one back when it goes.
class StockPalette {
public:
    explicit StockPalette(HDC hDC)
        : hDC_(hDC),
          hStock_(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE))),
          hOld_(SelectPalette(hDC, hStock_, FALSE))
    {
        RealizePalette(hDC);
    }
    ~StockPalette() { SelectPalette(hDC_, hOld_, FALSE); }
    StockPalette(const StockPalette&) = delete;
    StockPalette& operator=(const StockPalette&) = delete;
    HPALETTE Get() const { return hStock_; }

private:
    HDC hDC_;
    HPALETTE hStock_;
    HPALETTE hOld_;
};

// The area to read in pixels of the source, clamped to the canvas: an area
// beyond an edge keeps at least one pixel column or row.
DeviceBox ClampedArea(int32_t x, int32_t y, int32_t w, int32_t h, SIZE oCanvas)
{
    const int32_t cw = oCanvas.cx, ch = oCanvas.cy;
    x = std::max(0, std::min(x, cw - 1));
    y = std::max(0, std::min(y, ch - 1));
    w = std::max(1, std::min(w, cw - x));
    h = std::max(1, std::min(h, ch - y));
    return {x, y, w, h};
}

}  // namespace

void objectAreaFile::Draw()
{
    // A metafile's context cannot be read back.
    if (Device()._nDeviceTyp == kDeviceMetafile) return;
    HDC hSource = SelectDrawDC(Device()._nDeviceTyp == kDeviceScreen ? 2 : 1);
    const PainterState& s = State();
    if (hSource == nullptr || s._oDim.cx <= 0 || s._oDim.cy <= 0) return;
    DeviceBox oArea;
    if (DefaultExtent()) {
        oArea = ClampedArea(s._oOrigin.x, s._oOrigin.y, s._oDim.cx, s._oDim.cy, s._oDim);
    } else {
        const DeviceBox o = DeviceArea(ExtentX(), ExtentY());
        oArea = ClampedArea(o.x, o.y, o.w, o.h, s._oDim);
    }
    const MemoryCanvas oBitmap(hSource, CreateCompatibleBitmap(hSource, oArea.w, oArea.h));
    if (oBitmap.DC() == nullptr || oBitmap.Bitmap() == nullptr) return;
    std::optional<StockPalette> oPalette;
    if (!UpsideDown()) oPalette.emplace(oBitmap.DC());
    // In device units: the source's rows run downward like the bitmap's.
    const RECT r = DeviceRect(hSource, oArea);
    {
        DeviceUnits oUnits(hSource);
        if (UpsideDown()) {
            for (int32_t i = 0; i < oArea.h; ++i) {
                BitBlt(oBitmap.DC(), 0, oArea.h - 1 - i, oArea.w, 1, hSource, r.left, r.top + i, SRCCOPY);
            }
        } else {
            BitBlt(oBitmap.DC(), 0, 0, oArea.w, oArea.h, hSource, r.left, r.top, SRCCOPY);
        }
    }
    Save(oBitmap.DC(), oBitmap.Bitmap(), oPalette ? oPalette->Get() : nullptr);
}

void objectBmpFile::Save(HDC hDC, HBITMAP hBitmap, HPALETTE /*hPalette*/) const
{
    images::WriteBmpFile(File(), hDC, hBitmap);
}

void objectImgFile::Save(HDC /*hDC*/, HBITMAP hBitmap, HPALETTE hPalette) const
{
    SaveImageOle(File(), hBitmap, hPalette);
}

void objectGifFile::Save(HDC hDC, HBITMAP hBitmap, HPALETTE /*hPalette*/) const
{
    SaveImageGif(File(), hDC, hBitmap);
}
