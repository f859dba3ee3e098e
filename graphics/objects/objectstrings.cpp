#include "graphics/objects/objectstrings.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "graphics/core/painterstate.h"
#include "graphics/core/kit.h"
#include "graphics/objects/objecttools.h"
#include "platform/runtime/numtext.h"

namespace {

// Text colour, alignment, background mode and raster operation of one pass;
// restored in reverse order.
class TextTools {
public:
    TextTools(HDC hDC, const PainterState& g, UINT nAlign, int nBkMode)
        : _hDC(hDC),
          _nOldColor(SetTextColor(hDC, g._nTextColor)),
          _nOldAlign(SetTextAlign(hDC, nAlign)),
          _nOldBkMode(SetBkMode(hDC, nBkMode)),
          _oRop(hDC, g._nRasterMode)
    {
    }
    ~TextTools()
    {
        SetBkMode(_hDC, _nOldBkMode);
        SetTextAlign(_hDC, _nOldAlign);
        SetTextColor(_hDC, _nOldColor);
    }
    TextTools(const TextTools&) = delete;
    TextTools& operator=(const TextTools&) = delete;

private:
    HDC _hDC;
    COLORREF _nOldColor;
    UINT _nOldAlign;
    int _nOldBkMode;
    RasterModeScope _oRop;
};

SIZE TextExtent(HDC hDC, const char* pText, size_t nLength)
{
    SIZE s{0, 0};
    GetTextExtentPoint32A(hDC, pText, static_cast<int>(nLength), &s);
    return s;
}

constexpr double kDegreesPerRadian = 57.29577951308232;

}  // namespace

objectString::objectString(GraphicsDevice& oDevice, double x, double y, std::string cText, uint16_t nOrigin,
                           uint16_t nBackground, bool lMeasure)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _cText(std::move(cText)),
      _nOriginMode(nOrigin),
      _nBackMode(nBackground),
      _lMeasure(lMeasure)
{
}

void objectString::Draw()
{
    const PainterState& g = State();
    // The text is measured once, on the DC of pass 1.
    const HDC hDC1 = SelectDrawDC(1);
    if (hDC1 == nullptr) return;
    // The font stays selected in the DC of pass 1 from the measuring to the
    // drawing: selecting a font is what a text costs most.
    const SelectedObject oFont1(hDC1, g._pFont.Get(), false);
    const SIZE s = TextExtent(hDC1, _cText.data(), _cText.size());
    if (_lMeasure) {
        const double wx = s.cx / g._fFactorX, wy = s.cx / g._fFactorY;
        const double hy = s.cy / g._fFactorY, hx = s.cy / g._fFactorX;
        if (g._fFontAngle == 0.0 || g._fFontAngle == 180.0) {
            _fWeite = wx;
            _fHoehe = hy;
        } else {
            const double t = (g._fFontAngle + 90.0) * kPi / 180.0;
            _fWeite = std::hypot(wx * std::sin(t), wy * std::cos(t));
            _fHoehe = std::hypot(hy * std::sin(t), hx * std::cos(t));
        }
        return;
    }
    int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
    if (_nOriginMode != 0) {
        if (g._fFontAngle == 0.0)
            g.GetOriginPoint(x, y, s.cx, s.cy, _nOriginMode);
        else
            g.GetOriginPointAngle(x, y, s.cx, s.cy, _nOriginMode);
    }
    ForEachPass([&](HDC hDC) {
        std::optional<SelectedObject> oFont;
        if (hDC != hDC1) oFont.emplace(hDC, g._pFont.Get(), false);
        const TextTools oTools(hDC, g, TA_BOTTOM | TA_LEFT, _nBackMode == 10 ? TRANSPARENT : OPAQUE);
        TextOutA(hDC, x, y, _cText.data(), static_cast<int>(_cText.size()));
    });
}

objectStringRing::objectStringRing(GraphicsDevice& oDevice, double x, double y, double fRadius, double fAngle,
                                   uint16_t nAlign, uint16_t nRingMode, std::string cText, uint16_t nOrigin)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fRadius(fRadius),
      _fAngle(fAngle),
      _cText(std::move(cText)),
      _nOriginMode(nOrigin),
      _nAlign(nAlign),
      _nRingMode(nRingMode)
{
}

void objectStringRing::Draw()
{
    const PainterState& g = State();
    const size_t n = std::min(_cText.size(), kMaxChars);
    const HDC hDC1 = SelectDrawDC(1);
    if (n == 0 || hDC1 == nullptr) return;

    const double r = _fRadius * g._fFactorX;
    // A ring without a finite radius has no place for a character.
    if (!std::isfinite(r)) return;
    int32_t cx = DevicePosX(_fX), cy = DevicePosY(_fY);
    if (_nOriginMode != 10) {
        const int32_t d = Long(r * 2.0);
        g.GetOriginPoint(cx, cy, d, d, _nOriginMode);
    }
    const double sign = _nRingMode == 3 ? 1.0 : -1.0;
    const double turn = _nRingMode == 3 ? 0.0 : 180.0;

    // Layout on the DC of pass 1: the characters' widths, the start angle and
    // the inset of the reverse reading.
    LOGFONTA oFont{};
    std::vector<double> w(n);
    double inset = 0.0;
    {
        const SelectedObject oSelected(hDC1, g._pFont.Get(), false);
        if (GetObjectA(g._pFont.Get(), sizeof(oFont), &oFont) == 0) return;
        for (size_t i = 0; i < n; ++i) {
            w[i] = TextExtent(hDC1, &_cText[i], 1).cx;
            // A character wider than the radius cannot be set on the ring.
            if (w[i] > r) return;
        }
        if (_nRingMode != 3) inset = TextExtent(hDC1, "A", 1).cy / 2.0;
    }
    double total = 0.0;
    if (_nAlign != kBegin)
        for (double wi : w) total += sign * GAsin(wi / r);
    if (_nAlign == kCentre) total /= 2.0;
    const double a0 = _fAngle - total * kDegreesPerRadian + sign * kDegreesPerRadian * GAsin(w[0] / 2.0 / r);

    ForEachPass([&](HDC hDC) {
        const SelectedObject oSelected(hDC, g._pFont.Get(), false);
        const TextTools oTools(hDC, g, TA_BASELINE | TA_LEFT, TRANSPARENT);
        double acc = 0.0;
        for (size_t i = 0; i < n; ++i) {
            const double e = sign * GAsin(w[i] / 2.0 / r);
            const double a = acc * kDegreesPerRadian + a0;
            const double dir = (a - 90.0) / kDegreesPerRadian;
            int32_t q = Long((-a - turn) * 10.0);
            if (q < 0) q += 3600;
            LOGFONTA oChar = oFont;
            oChar.lfEscapement = oChar.lfOrientation = q;
            const SelectedObject oCharFont(hDC, CreateFontIndirectA(&oChar));
            TextOutA(hDC, Long((r - inset) * std::cos(dir - e)) + cx, Long((r - inset) * std::sin(dir - e)) + cy,
                     &_cText[i], 1);
            if (i + 1 < n) acc += sign * GAsin((w[i] / 2.0 + w[i + 1] / 2.0) / r);
        }
    });
}
