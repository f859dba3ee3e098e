#include <cmath>
#include <cstring>

#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

namespace {

double Rad(double fDegrees)
{
    return fDegrees * kPi / 180.0;
}

// The two yes/no questions that choose the output precision: does the system
// smooth screen fonts, and does it smooth them with ClearType.
bool FontSmoothing()
{
    BOOL lOn = FALSE;
    return SystemParametersInfoA(SPI_GETFONTSMOOTHING, 0, &lOn, 0) && lOn;
}
bool ClearTypeSmoothing()
{
    UINT nType = 0;
    return SystemParametersInfoA(SPI_GETFONTSMOOTHINGTYPE, 0, &nType, 0) && nType == FE_FONTSMOOTHINGCLEARTYPE;
}

}  // namespace

Graphics& Graphics::SetStringFont(std::optional<FontFace> uFont, std::optional<double> fWidth,
                                  std::optional<double> fHeight, std::optional<uint32_t> nDesign,
                                  std::optional<uint32_t> nRespond, std::optional<double> fAngle,
                                  std::optional<uint32_t> nQuality)
{
    if (uFont) _uFontFace = *uFont;
    if (fWidth) _fFontWidth = *fWidth;
    if (fHeight) _fFontHeight = *fHeight;
    if (nDesign) _nFontDesign = *nDesign;
    if (nRespond) _nFontRespond = *nRespond;
    if (fAngle) _fFontAngle = *fAngle;
    if (nQuality) _nFontQuality = *nQuality;
    return InternGenStringFont();
}

LOGFONTA Graphics::StringFontSpec() const
{
    const double W = _oDim.cx, H = _oDim.cy;
    // Escapement: the text angle corrected for the aspect of the drawing area.
    const double A = _fFontAngle;
    double a;
    if (A < 0) {
        a = -A;
    } else if (std::fmod(A, 90.0) == 0.0) {
        a = A;
    } else {
        const double t = Rad(A + 90.0);
        const double u = GAtan2(W, H);
        const double v = GAtan2(std::sin(t) * std::sin(u), std::cos(t) * std::cos(u)) * 180.0 / kPi;
        a = v - 90.0 >= 0 ? v - 90.0 : v + 270.0;
    }
    int32_t w, h;
    if (_nFontRespond == 5) {
        w = Long(_fFontWidth * _nPixProInchX / 72.0);
        h = Long(_fFontHeight * _nPixProInchY / 72.0);
    } else if (_nFontRespond == 2) {
        w = Long(_fFontWidth);
        h = Long(_fFontHeight);
    } else {
        double fx = 0.0, fy = 0.0;
        switch (_nFontRespond) {
        case 0:
            fx = W / 640.0;
            fy = H / 480.0;
            break;
        case 1:
            fx = _fFactorX;
            fy = _fFactorY;
            break;
        case 3:
            fx = W / 1000.0;
            fy = H / 1000.0;
            break;
        case 4:
            fx = W / 560.0;
            fy = H / 560.0;
            break;
        default: break;
        }
        if (a == 0.0) {
            w = Long(fx * _fFontWidth);
            h = Long(fy * _fFontHeight);
        } else {
            const double r = Rad(a + 90.0);
            w = Long(std::sqrt(std::pow(std::sin(r) * fx, 2) + std::pow(std::cos(r) * fy, 2)) * _fFontWidth);
            h = Long(std::sqrt(std::pow(std::sin(r) * fy, 2) + std::pow(std::cos(r) * fx, 2)) * _fFontHeight);
        }
    }
    LOGFONTA lf{};
    lf.lfHeight = -h;
    lf.lfWidth = w;
    lf.lfEscapement = lf.lfOrientation = a > 0 ? Long(a * 10.0) : 0;
    uint32_t nDesign = _nFontDesign;
    if (nDesign >= 1000) {
        lf.lfStrikeOut = TRUE;
        nDesign -= 1000;
    }
    if (nDesign >= 100) {
        lf.lfUnderline = TRUE;
        nDesign -= 100;
    }
    if (nDesign >= 10) {
        lf.lfItalic = TRUE;
        nDesign -= 10;
    }
    lf.lfWeight = nDesign == 1 ? FW_LIGHT : nDesign == 2 ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision =
        FontSmoothing() ? (ClearTypeSmoothing() ? OUT_TT_ONLY_PRECIS : OUT_TT_PRECIS) : OUT_RASTER_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    switch (_nFontQuality) {
    case 1: lf.lfQuality = DRAFT_QUALITY; break;
    case 3: lf.lfQuality = NONANTIALIASED_QUALITY; break;
    case 4: lf.lfQuality = ANTIALIASED_QUALITY; break;
    default: lf.lfQuality = PROOF_QUALITY; break;
    }
    if (const int32_t* nPitch = std::get_if<int32_t>(&_uFontFace)) {
        lf.lfPitchAndFamily = static_cast<BYTE>(*nPitch);
    } else {
        const std::string& cFace = std::get<std::string>(_uFontFace);
        std::strncpy(lf.lfFaceName, cFace.c_str(), LF_FACESIZE - 1);
    }
    return lf;
}

Graphics& Graphics::InternGenStringFont()
{
    const LOGFONTA lf = StringFontSpec();
    _nFontPixHeight = -lf.lfHeight;
    _pFont = FontHandle(CreateFontIndirectA(&lf));
    return *this;
}

Graphics& Graphics::SetStringColor(const ColorArg& uColor)
{
    if (!_lBlackWhite) _nTextColor = ChangeColorArg2Rgb(uColor);
    return *this;
}

Graphics& Graphics::SetStringShadow(double fDistance, const ColorArg& uColor, uint32_t nDirection)
{
    _fShadowDistance = fDistance;
    _nShadowDirection = nDirection;
    if (!_lBlackWhite) _nShadowColor = ChangeColorArg2Rgb(uColor);
    return *this;
}

double Graphics::ShadowHalfDistance() const
{
    return _fShadowDistance >= 0 ? _fShadowDistance / 2.0 : std::fabs(_fShadowDistance) * _nFontPixHeight / 200.0;
}

WorldPoint Graphics::ShadowOffset(double d) const
{
    const double dx = d / _fFactorX, dy = d / _fFactorY;
    switch (_nShadowDirection) {
    case 4:
    case 2: return {-dx, -dy};
    case 5:
    case 1: return {-dx, dy};
    case 6:
    case 3: return {dx, dy};
    default: return {dx, -dy};
    }
}
