#include "graphics/windows/gprinter.h"

#include "graphics/objects/objectshape.h"
#include "platform/runtime/numtext.h"

namespace {

// A position or size in pixels from its percentage: the other axis's pixel
// value for a negative one when that one is given (nOther, -1 otherwise),
// -1 when it is missing.
int32_t Pixels(std::optional<double> nPercent, int32_t nExtent, int32_t nOther)
{
    if (!nPercent) return -1;
    return *nPercent >= 0 ? Long(nExtent * *nPercent / 100) : nOther;
}

}  // namespace

DeviceBox PrinterArea(SIZE oCanvas, std::optional<double> nPosX, std::optional<double> nPosY,
                      std::optional<double> nWidth, std::optional<double> nHeight)
{
    const auto cw = static_cast<int32_t>(oCanvas.cx), ch = static_cast<int32_t>(oCanvas.cy);
    const int32_t x = Pixels(nPosX, cw, nPosY && *nPosY > 0 ? Long(ch * *nPosY / 100) : -1);
    const int32_t y = Pixels(nPosY, ch, x);
    const int32_t w = Pixels(nWidth, cw, nHeight && *nHeight > 0 ? Long(ch * *nHeight / 100) : -1);
    const int32_t h = Pixels(nHeight, ch, w);
    return {std::max(x, 0), std::max(y, 0), w <= 0 ? cw : w, h <= 0 ? ch : h};
}

gPrinter::gPrinter(const std::string& cJobName, const PrintingDevice& oDevice, std::optional<double> nPosX,
                   std::optional<double> nPosY, std::optional<double> nWidth, std::optional<double> nHeight)
    : Printer(cJobName, oDevice),
      _oArea(PrinterArea(CanvasSize(), nPosX, nPosY, nWidth, nHeight))
{
    _nDeviceTyp = kDevicePrinter;
    _oGraphics = std::make_unique<Graphics>(*this, static_cast<uint32_t>(_oArea.x), static_cast<uint32_t>(_oArea.y),
                                            _oArea.w, _oArea.h);
}

gPrinter::~gPrinter()
{
    gPrinter::Destroy();
}

void gPrinter::Destroy()
{
    if (_oGraphics) {
        _oGraphics->Destroy();
        _oGraphics.reset();
    }
    Printer::Destroy();
}

SIZE gPrinter::CanvasSize() const
{
    const Dimension oSize = Size();
    return {oSize.width, oSize.height};
}

gPrinter& gPrinter::PaintNew()
{
    if (_oGraphics && IsValid() && _oGraphics->PrepareAreaPaint()) Paint();
    return *this;
}

void gPrinter::Draw(objectShape& oShape)
{
    HDC hDC = Handle();
    if (hDC == nullptr) return;
    const int nSaved = SaveDC(hDC);
    const SIZE s = CanvasSize();
    SetUpwardMapping(hDC, s.cx, s.cy, 0);
    if (_oGraphics) _oGraphics->SelectClipDevice(hDC);
    oShape.SetHandle(hDC);
    oShape.Draw();
    oShape.SetHandle(nullptr);
    RestoreDC(hDC, nSaved);
}
