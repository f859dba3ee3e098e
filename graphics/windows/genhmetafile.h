#pragma once
// gEnhMetaFile: a device that records everything its painter draws as an
// enhanced metafile on disk instead of showing it. The file is complete
// once the device is destroyed. Like every device of the kit it is mapped
// upward: (0, 0) is the bottom-left pixel of the drawing.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphics/core/device.h"
#include "graphics/core/graphics.h"
#include "graphics/windows/gpainted.h"

class gEnhMetaFile : public GraphicsDevice, public gPaintedOnMaking {
public:
    // The file "lumatile.emf" in the program's directory.
    static std::string DefaultFileName();
    // The description as the system wants it: application name, NUL, title,
    // two NULs. Text before the first ";" extends the application name,
    // the rest is the title.
    static std::string Description(const std::string& cDescription);

    // nWidth, nHeight: the picture's size in millimetres; only when both are
    // above 0 is it used (drawing size from the screen's pixels per
    // millimetre, frame in hundredths of a millimetre), else the drawing is
    // 500 x 500 pixels and the system computes the frame from the picture.
    // A file that cannot be made leaves the device without a recording DC:
    // it then records nothing. lPaint: end with PaintNew, which reaches only
    // gEnhMetaFile::Paint: a subclass is made with Painted (and passes false,
    // so that its recording starts with its own paint).
    explicit gEnhMetaFile(const std::string& cFile = DefaultFileName(), std::optional<double> nWidth = {},
                          std::optional<double> nHeight = {}, const std::string& cDescription = "Enhanced Meta File",
                          bool lPaint = true);
    ~gEnhMetaFile() override;
    gEnhMetaFile(const gEnhMetaFile&) = delete;
    gEnhMetaFile& operator=(const gEnhMetaFile&) = delete;

    // The paint hook, empty here; a subclass records its picture through
    // _oGraphics.
    virtual void Paint() {}
    // Full repaint: device values, clip to the drawing, Paint. A drawing of
    // 10 pixels or less in either direction is not painted.
    gEnhMetaFile& PaintNew();
    // Completes the file, then releases the reference DC and bitmap and the
    // painter; safe to repeat.
    gEnhMetaFile& Destroy();

    // GraphicsDevice
    SIZE CanvasSize() const override { return {_nCanvasWidth, _nCanvasHeight}; }
    void Draw(objectShape& oShape) override;
    // Each drawing object of the list in order.
    void Draw(const std::vector<objectShape*>& aShapes);
    // A recording has no background of its own.
    void SetBackground(COLORREF) override {}
    HDC MetafileDC() const override { return _pMetafileDC; }
    // One pass, into the recording.
    HDC PassDC(int nPass, HDC /*hPrepared*/) const override { return nPass == 1 ? _pMetafileDC : nullptr; }

    std::unique_ptr<Graphics> _oGraphics;

private:
    int32_t _nCanvasWidth = 500;
    int32_t _nCanvasHeight = 500;
    HBITMAP _pReferenceBmp = nullptr;
    HDC _pReferenceDC = nullptr;
    HGDIOBJ _pReferenceBmpOld = nullptr;
    HDC _pMetafileDC = nullptr;
};
