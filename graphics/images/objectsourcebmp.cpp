#include "graphics/images/objectsourcebmp.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "graphics/images/pictures.h"
#include "platform/runtime/files.h"

namespace {

// A picture in a 32-bit top-down DIB section (0x00RRGGBB per pixel) held by
// a memory context; the drawing's work bitmaps, independent of the device's
// format, so that every transfer keeps exact colours.
class PixelCanvas {
public:
    // Empty when the size is not positive or the system refuses it.
    PixelCanvas(int32_t w, int32_t h)
    {
        if (w <= 0 || h <= 0) return;
        const BITMAPINFO oInfo = Format(w, h);
        void* pBits = nullptr;
        HBITMAP hBitmap = CreateDIBSection(nullptr, &oInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
        if (hBitmap == nullptr) return;
        oCanvas_ = MemoryCanvas(nullptr, hBitmap);
        if (oCanvas_.DC() == nullptr) return;
        pBits_ = static_cast<uint32_t*>(pBits);
        w_ = w;
        h_ = h;
    }

    explicit operator bool() const { return pBits_ != nullptr; }
    HDC DC() const { return oCanvas_.DC(); }
    int32_t Width() const { return w_; }
    int32_t Height() const { return h_; }
    uint32_t& At(int32_t i, int32_t j) { return pBits_[static_cast<std::size_t>(j) * w_ + i]; }
    // The pixels of a bitmap, read without selecting it anywhere.
    bool ReadFrom(HBITMAP hBitmap)
    {
        BITMAPINFO oInfo = Format(w_, h_);
        GdiFlush();
        return GetDIBits(DC(), hBitmap, 0, static_cast<UINT>(h_), pBits_, &oInfo, DIB_RGB_COLORS) == h_;
    }

private:
    static BITMAPINFO Format(int32_t w, int32_t h)
    {
        BITMAPINFO oInfo{};
        oInfo.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        return oInfo;
    }

    MemoryCanvas oCanvas_;
    uint32_t* pBits_ = nullptr;
    int32_t w_ = 0, h_ = 0;
};

// The picture of a source as a bitmap and its size; the bitmap is released
// with the holder when the drawing owns it (a file or resource).
struct SourcePicture {
    HBITMAP hBitmap = nullptr;
    Bitmap oOwner;  // the owning object, empty for the caller's bitmap
    int32_t w = 0, h = 0;
};

SourcePicture PictureOf(const PictureSource& uSource, HDC hDraw)
{
    SourcePicture o;
    if (const auto* cName = std::get_if<std::string>(&uSource)) {
        if (FileExists(*cName)) {
            o.oOwner = Bitmap::Adopt(images::LoadPictureFile(*cName, hDraw, o.w, o.h));
        } else {
            o.oOwner = Bitmap(*cName);
        }
        o.hBitmap = o.oOwner.Handle();
    } else if (const auto* oModule = std::get_if<ModuleBitmap>(&uSource)) {
        o.oOwner = Bitmap::Adopt(static_cast<HBITMAP>(
            LoadImageA(oModule->hModule, oModule->cName.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        o.hBitmap = o.oOwner.Handle();
    } else if (const auto* oBitmap = std::get_if<Bitmap>(&uSource)) {
        o.hBitmap = oBitmap->Handle();
    }
    BITMAP oInfo{};
    if (o.hBitmap != nullptr && o.w == 0 && GetObjectA(o.hBitmap, sizeof oInfo, &oInfo) != 0) {
        o.w = oInfo.bmWidth;
        o.h = oInfo.bmHeight;
    }
    return o;
}

// The picture after the transform code; nullptr when a bitmap cannot be made.
std::unique_ptr<PixelCanvas> Transformed(PixelCanvas& oPicture, uint32_t nTransform)
{
    const bool lInvert = nTransform >= 10;
    const uint32_t t = nTransform % 10;
    const int32_t W = oPicture.Width(), H = oPicture.Height();
    const bool lTurn = t == 1 || t == 3;
    auto oResult = std::make_unique<PixelCanvas>(lTurn ? H : W, lTurn ? W : H);
    if (!*oResult) return nullptr;
    const uint32_t nMask = lInvert ? 0x00FFFFFFu : 0u;
    for (int32_t j = 0; j < H; ++j) {
        for (int32_t i = 0; i < W; ++i) {
            int32_t ti = i, tj = j;
            switch (t) {
            case 1: ti = H - 1 - j, tj = i; break;
            case 2: ti = W - 1 - i, tj = H - 1 - j; break;
            case 3: ti = j, tj = W - 1 - i; break;
            case 4: tj = H - 1 - j; break;
            case 5: ti = W - 1 - i; break;
            default: break;
            }
            oResult->At(ti, tj) = oPicture.At(i, j) ^ nMask;
        }
    }
    return oResult;
}

// A bitmap of the target size holding the picture stretched (lTile false)
// or tiled from its top-left corner.
std::unique_ptr<PixelCanvas> Scaled(PixelCanvas& oPicture, int32_t w, int32_t h, bool lTile)
{
    auto oResult = std::make_unique<PixelCanvas>(w, h);
    if (!*oResult) return nullptr;
    const int32_t pw = oPicture.Width(), ph = oPicture.Height();
    if (lTile) {
        for (int32_t i = 0; i <= w / pw; ++i) {
            for (int32_t j = 0; j <= h / ph; ++j) {
                BitBlt(oResult->DC(), i * pw, j * ph, pw, ph, oPicture.DC(), 0, 0, SRCCOPY);
            }
        }
    } else {
        const int nOldMode = SetStretchBltMode(oResult->DC(), COLORONCOLOR);
        StretchBlt(oResult->DC(), 0, 0, w, h, oPicture.DC(), 0, 0, pw, ph, SRCCOPY);
        SetStretchBltMode(oResult->DC(), nOldMode);
    }
    return oResult;
}

// Copies the whole canvas onto the box (device pixels, upward) of hDC.
void PutCanvas(HDC hDC, const DeviceBox& oBox, const PixelCanvas& oCanvas)
{
    const RECT r = DeviceRect(hDC, oBox);
    DeviceUnits oUnits(hDC);
    BitBlt(hDC, r.left, r.top, oBox.w, oBox.h, oCanvas.DC(), 0, 0, SRCCOPY);
}

// Sets a context's text and background colours for monochrome transfers
// (mask bit 1 gives white, 0 black) and restores them.
class MonoColors {
public:
    explicit MonoColors(HDC hDC)
        : hDC_(hDC),
          nText_(SetTextColor(hDC, RGB(0, 0, 0))),
          nBack_(SetBkColor(hDC, RGB(255, 255, 255)))
    {
    }
    ~MonoColors()
    {
        SetTextColor(hDC_, nText_);
        SetBkColor(hDC_, nBack_);
    }
    MonoColors(const MonoColors&) = delete;
    MonoColors& operator=(const MonoColors&) = delete;

private:
    HDC hDC_;
    COLORREF nText_, nBack_;
};

// The picture over the background that hRefresh holds at the box: the
// transparent places (mask 1) keep the background.
bool Composite(const PixelCanvas& oWork, const MemoryCanvas& oMask, HDC hRefresh, const DeviceBox& oBox,
               PixelCanvas& oResult)
{
    const int32_t w = oWork.Width(), h = oWork.Height();
    PixelCanvas oPicture(w, h);
    if (!oPicture || !oResult) return false;
    const RECT r = DeviceRect(hRefresh, oBox);
    {
        DeviceUnits oUnits(hRefresh);
        BitBlt(oResult.DC(), 0, 0, w, h, hRefresh, r.left, r.top, SRCCOPY);
    }
    BitBlt(oPicture.DC(), 0, 0, w, h, oWork.DC(), 0, 0, SRCCOPY);
    const MonoColors oResultColors(oResult.DC());
    const MonoColors oPictureColors(oPicture.DC());
    BitBlt(oResult.DC(), 0, 0, w, h, oMask.DC(), 0, 0, SRCAND);
    BitBlt(oPicture.DC(), 0, 0, w, h, oMask.DC(), 0, 0, 0x00220326);  // NOT mask AND picture (DSna)
    BitBlt(oResult.DC(), 0, 0, w, h, oPicture.DC(), 0, 0, SRCINVERT);
    return true;
}

// Restores the device's mouse pointer when the drawing ends.
class BusyPointer {
public:
    explicit BusyPointer(GraphicsDevice& oDevice) : oDevice_(oDevice), oKept_(oDevice.DevicePointer())
    {
        oDevice.SetDevicePointer(Pointer::System(IDC_WAIT));
    }
    ~BusyPointer() { oDevice_.SetDevicePointer(oKept_); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    GraphicsDevice& oDevice_;
    Pointer oKept_;
};

}  // namespace

BmpFromFile::BmpFromFile(const std::string& cFile)
    : Bitmap(
          Bitmap::Adopt(static_cast<HBITMAP>(LoadImageA(nullptr, cFile.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE))))
{
}

objectSourceBmp::objectSourceBmp(GraphicsDevice& oDevice, double x, double y, double nWidth, double nHeight,
                                 PictureSource uSource, uint32_t nMode, bool lTransparent, uint32_t nColor,
                                 uint32_t nTransform)
    : objectShape(oDevice),
      _x(x),
      _y(y),
      _nWidth(nWidth),
      _nHeight(nHeight),
      _uSource(std::move(uSource)),
      _nMode(nMode),
      _nTransform(nTransform),
      _lTransparent(lTransparent),
      _nColor(nColor)
{
}

void objectSourceBmp::Draw()
{
    const BusyPointer oPointer(Device());
    HDC hDraw = SelectDrawDC(1);
    if (hDraw == nullptr) return;
    const SourcePicture oSource = PictureOf(_uSource, hDraw);
    if (oSource.hBitmap == nullptr) return;
    auto oWork = std::make_unique<PixelCanvas>(oSource.w, oSource.h);
    if (!*oWork || !oWork->ReadFrom(oSource.hBitmap)) return;
    if (_nTransform != 0) {
        oWork = Transformed(*oWork, _nTransform);
        if (!oWork) return;
    }

    // Placement: the target box in device pixels, its lower-left corner first.
    const PainterState& s = State();
    DeviceBox oBox{s._nOffsetX, s._nOffsetY, oWork->Width(), oWork->Height()};
    bool lStretch = false, lTile = false;
    if (_nMode == kPlaceRepeat || _nMode == kPlaceCanvas) {
        oBox.w = s._oDim.cx;
        oBox.h = s._oDim.cy;
        lTile = _nMode == kPlaceRepeat;
        lStretch = !lTile;
    } else if (_nMode != kPlaceRestore) {
        oBox.x = DevicePosX(_x);
        oBox.y = DevicePosY(_y);
        if (_nWidth != 0.0 && _nHeight != 0.0) {
            oBox.w = DeviceExtentX(_nWidth);
            oBox.h = DeviceExtentY(_nHeight);
            lStretch = true;
        }
        AlignOrigin(oBox.x, oBox.y, oBox.w, oBox.h, _nMode);
    }
    COLORREF nTransparent = _nColor;
    if (_nColor == kAutoTransparent) {
        const uint32_t p = oWork->At(0, 0);
        nTransparent = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    if (lStretch || lTile) {
        oWork = Scaled(*oWork, oBox.w, oBox.h, lTile);
        if (!oWork) return;
    }

    if (!_lTransparent) {
        ForEachPass([&](HDC hDC) { PutCanvas(hDC, oBox, *oWork); });
        return;
    }
    // 1 where the picture has the transparent colour.
    const MemoryCanvas oMask(nullptr, CreateBitmap(oBox.w, oBox.h, 1, 1, nullptr));
    if (oMask.DC() == nullptr || oMask.Bitmap() == nullptr) return;
    const COLORREF nOldBack = SetBkColor(oWork->DC(), nTransparent);
    BitBlt(oMask.DC(), 0, 0, oBox.w, oBox.h, oWork->DC(), 0, 0, SRCCOPY);
    SetBkColor(oWork->DC(), nOldBack);
    if (HDC hRefresh = s._oRefreshCanvas.DC(); hRefresh != nullptr) {
        // A screen window: the background is what its refresh bitmap holds.
        PixelCanvas oComposite(oBox.w, oBox.h);
        if (!Composite(*oWork, oMask, hRefresh, oBox, oComposite)) return;
        ForEachPass([&](HDC hDC) { PutCanvas(hDC, oBox, oComposite); });
        return;
    }
    // Printer, memory and metafile devices: the destination keeps its
    // pixels where the mask is 1. Three raster operations rather than one
    // MaskBlt, which a metafile context under Wine does not record:
    // D xor P, then and the mask (white where transparent), then xor P.
    const RECT r = DeviceRect(hDraw, oBox);
    DeviceUnits oUnits(hDraw);
    const MonoColors oColors(hDraw);
    BitBlt(hDraw, r.left, r.top, oBox.w, oBox.h, oWork->DC(), 0, 0, SRCINVERT);
    BitBlt(hDraw, r.left, r.top, oBox.w, oBox.h, oMask.DC(), 0, 0, SRCAND);
    BitBlt(hDraw, r.left, r.top, oBox.w, oBox.h, oWork->DC(), 0, 0, SRCINVERT);
}
