#pragma once
// A kit window painted in one colour through its painter, shown at a size
// with its paints handled.
#include <windows.h>

#include "graphics/windows/gkitwindow.h"
#include "platform/framework/app.h"

class SolidWindow : public gTopAppWindow {
public:
    SolidWindow(COLORREF nColour, Dimension oSize) : nColour_(nColour)
    {
        SetSize(oSize);
        Show();
        UpdateWindow(Handle());
        ApplicationExec();
    }
    void Paint() override
    {
        _oGraphics->SetBackgroundColor(ColorArg::Rgb(GetRValue(nColour_), GetGValue(nColour_), GetBValue(nColour_)))
            .PaintEraseCanvas();
    }

private:
    COLORREF nColour_;
};
