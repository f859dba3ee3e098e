#include "graphics/core/painterstate.h"

#include <cmath>
#include <utility>

#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

MemoryCanvas::MemoryCanvas(HDC hCompatible, HBITMAP hBitmap)
    : hDC_(CreateCompatibleDC(hCompatible)),
      hBitmap_(hBitmap),
      hOld_(SelectObject(hDC_, hBitmap))
{
}

MemoryCanvas::~MemoryCanvas()
{
    Reset();
}

MemoryCanvas::MemoryCanvas(MemoryCanvas&& o) noexcept
    : hDC_(std::exchange(o.hDC_, nullptr)),
      hBitmap_(std::exchange(o.hBitmap_, nullptr)),
      hOld_(std::exchange(o.hOld_, nullptr))
{
}

MemoryCanvas& MemoryCanvas::operator=(MemoryCanvas&& o) noexcept
{
    if (this != &o) {
        Reset();
        hDC_ = std::exchange(o.hDC_, nullptr);
        hBitmap_ = std::exchange(o.hBitmap_, nullptr);
        hOld_ = std::exchange(o.hOld_, nullptr);
    }
    return *this;
}

void MemoryCanvas::Reset()
{
    if (hDC_ != nullptr) {
        SelectObject(hDC_, hOld_);
        DeleteDC(hDC_);
    }
    if (hBitmap_ != nullptr) DeleteObject(hBitmap_);
    hDC_ = nullptr;
    hBitmap_ = nullptr;
    hOld_ = nullptr;
}

void OriginShift(double w, double h, uint32_t nOrigin, double& dx, double& dy)
{
    dx = 0.0;
    dy = 0.0;
    switch (nOrigin) {
    case 1: dy = h / 2.0; break;
    case 2: dy = h; break;
    case 3:
        dx = w / 2.0;
        dy = h;
        break;
    case 4:
        dx = w;
        dy = h;
        break;
    case 5:
        dx = w;
        dy = h / 2.0;
        break;
    case 6: dx = w; break;
    case 7: dx = w / 2.0; break;
    case 10:
        dx = w / 2.0;
        dy = h / 2.0;
        break;
    default: break;
    }
}

void PainterState::GetOriginPoint(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const
{
    double dx, dy;
    OriginShift(w, h, nOrigin, dx, dy);
    x = Long(x - dx);
    y = Long(y - dy);
}

void PainterState::GetOriginPoint(double& x, double& y, double w, double h, uint32_t nOrigin) const
{
    double dx, dy;
    OriginShift(w, h, nOrigin, dx, dy);
    x -= dx;
    y -= dy;
}

void PainterState::GetOriginPointAngle(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const
{
    double dx, dy;
    OriginShift(w, h, nOrigin, dx, dy);
    const double k = 180.0 / kPi;
    double a = _fFontAngle;
    if (a < 0) {
        a = -a;
    } else if (std::floor(std::fmod(a, 90.0)) != 0) {
        const double t = _fFontAngle + 90.0;
        const double s1 = std::sin(t / k), c1 = std::cos(t / k);
        const double g = GAtan2(_oDim.cx, _oDim.cy) * k;
        const double s2 = std::sin(g / k), c2 = std::cos(g / k);
        const double t2 = GAtan2(s1 * s2, c1 * c2) * k;
        a = t2 - 90.0 >= 0 ? t2 - 90.0 : t2 + 270.0;
    }
    const double r = (a + 90.0) / k;
    x -= Long(dx * std::sin(r) - dy * std::cos(r));
    y -= Long(dx * std::cos(r) + dy * std::sin(r));
}
