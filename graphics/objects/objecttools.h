#pragma once
// Small per-pass helpers of the drawing objects that use neither the
// closed-shape nor the line tools of objectShape.
#include <windows.h>

// Sets the painter's raster operation on a DC and restores the previous one.
class RasterModeScope {
public:
    RasterModeScope(HDC hDC, int nMode) : _hDC(hDC), _nOld(SetROP2(hDC, nMode)) {}
    ~RasterModeScope() { SetROP2(_hDC, _nOld); }
    RasterModeScope(const RasterModeScope&) = delete;
    RasterModeScope& operator=(const RasterModeScope&) = delete;

private:
    HDC _hDC;
    int _nOld;
};

// Selects a GDI object of one's own into a DC; selects the previous one back
// and deletes the object when it goes (stock objects are not deleted).
class SelectedObject {
public:
    SelectedObject(HDC hDC, HGDIOBJ hObject, bool lOwn = true)
        : _hDC(hDC),
          _hObject(hObject),
          _hOld(SelectObject(hDC, hObject)),
          _lOwn(lOwn)
    {
    }
    ~SelectedObject()
    {
        SelectObject(_hDC, _hOld);
        if (_lOwn) DeleteObject(_hObject);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC _hDC;
    HGDIOBJ _hObject;
    HGDIOBJ _hOld;
    bool _lOwn;
};
