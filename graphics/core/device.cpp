#include "graphics/core/device.h"

void SetUpwardMapping(HDC hDC, int32_t nWidth, int32_t nHeight, int32_t nTopSpace) {
  SetMapMode(hDC, MM_ANISOTROPIC);
  SetWindowOrgEx(hDC, 0, nTopSpace, nullptr);
  SetWindowExtEx(hDC, nWidth, -nHeight, nullptr);
  SetViewportOrgEx(hDC, 0, nHeight - 1, nullptr);
  SetViewportExtEx(hDC, nWidth, nHeight, nullptr);
}
