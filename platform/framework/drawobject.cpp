#include "platform/framework/drawobject.h"

#include "platform/framework/window.h"

BitmapObject::BitmapObject(Point origin, Dimension size, const ::Bitmap& bitmap)
    : DrawObject(origin),
      size_(size),
      bitmap_(bitmap)
{
}

void BitmapObject::Draw(HDC dc, int canvasHeight) const
{
    if (!bitmap_.Handle()) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ before = SelectObject(source, bitmap_.Handle());
    Dimension own = bitmap_.Size();
    int top = canvasHeight - Origin().y - size_.height;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, Origin().x, top, size_.width, size_.height, source, 0, 0, own.width, own.height, SRCCOPY);
    SelectObject(source, before);
    DeleteDC(source);
}

RectangleObject::RectangleObject(Point origin, Dimension size, const ::Pen& pen, const ::Brush& brush)
    : DrawObject(origin),
      size_(size),
      pen_(pen),
      brush_(brush)
{
}

void RectangleObject::Draw(HDC dc, int canvasHeight) const
{
    const int top = canvasHeight - Origin().y - size_.height;
    HGDIOBJ oldPen = SelectObject(dc, pen_.Handle() ? pen_.Handle() : GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, brush_.Handle() ? brush_.Handle() : GetStockObject(NULL_BRUSH));
    Rectangle(dc, Origin().x, top, Origin().x + size_.width, top + size_.height);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

void Window::Draw(const DrawObject& object)
{
    HDC dc = GetDC(hwnd_);
    object.Draw(dc, CanvasArea().Height());
    ReleaseDC(hwnd_, dc);
}
