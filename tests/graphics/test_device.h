#pragma once
// A stand-in drawing device for the painter tests: it draws into a memory DC
// of its own, which plays the window's (or printer's) DC for device types 0
// and 1, the bitmap DC for type 2 and the recording DC for type 3. Its DC is mapped upward like every DC
// of the kit, so pixels read through Pixel() are in painter coordinates.
#include <windows.h>

#include "graphics/core/device.h"
#include "graphics/core/painterstate.h"
#include "graphics/objects/objectshape.h"

class TestDevice : public GraphicsDevice {
public:
    TestDevice(int32_t nType, int32_t nWidth, int32_t nHeight, int32_t nToolBar = 0) : _oSize{nWidth, nHeight}
    {
        _nDeviceTyp = nType;
        _nToolBar = nToolBar;
        HDC hScreen = GetDC(nullptr);
        _hDC = CreateCompatibleDC(hScreen);
        _hBitmap = CreateCompatibleBitmap(hScreen, nWidth, nHeight);
        ReleaseDC(nullptr, hScreen);
        _hOld = SelectObject(_hDC, _hBitmap);
        SetUpwardMapping(_hDC, nWidth, nHeight - nToolBar, nToolBar);
    }
    ~TestDevice() override
    {
        SelectObject(_hDC, _hOld);
        DeleteObject(_hBitmap);
        DeleteDC(_hDC);
    }
    TestDevice(const TestDevice&) = delete;
    TestDevice& operator=(const TestDevice&) = delete;

    SIZE CanvasSize() const override { return _oSize; }
    void Draw(objectShape& oShape) override
    {
        ++nDraws;
        oShape.SetHandle(_hDC);
        oShape.Draw();
        oShape.SetHandle(nullptr);
    }
    void SetBackground(COLORREF nColor) override
    {
        nBackground = nColor;
        ++nBackgroundSets;
    }
    int32_t OwnToolBarHeight() const override { return _nToolBar; }
    bool KeepsToolBarSpace() const override { return lKeepsToolBarSpace; }
    HDC BitmapDC() const override { return _hDC; }
    HDC MetafileDC() const override { return _nDeviceTyp == kDeviceMetafile ? _hDC : nullptr; }
    // The passes of the device that the type code names: a window's prepared
    // DC and refresh bitmap, a printer's prepared DC, the bitmap DC, the
    // metafile's DC.
    HDC PassDC(int nPass, HDC hPrepared) const override
    {
        if (nPass == 2) {
            return _nDeviceTyp == kDeviceScreen && Painter() != nullptr ? Painter()->_oRefreshCanvas.DC() : nullptr;
        }
        if (nPass != 1) return nullptr;
        switch (_nDeviceTyp) {
        case kDeviceScreen:
        case kDevicePrinter: return hPrepared;
        case kDeviceMemory: return BitmapDC();
        case kDeviceMetafile: return MetafileDC();
        default: return nullptr;
        }
    }

    HDC DC() const { return _hDC; }
    COLORREF Pixel(int x, int y) const { return GetPixel(_hDC, x, y); }

    int nDraws = 0;
    int nBackgroundSets = 0;
    COLORREF nBackground = CLR_INVALID;
    bool lKeepsToolBarSpace = false;

private:
    SIZE _oSize;
    int32_t _nToolBar;
    HDC _hDC;
    HBITMAP _hBitmap;
    HGDIOBJ _hOld;
};
