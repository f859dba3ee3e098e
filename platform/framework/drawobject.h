// Drawings that a window draws on its canvas through Window::Draw.
#pragma once

#include <windows.h>

#include "platform/framework/gdi.h"
#include "platform/framework/geometry.h"

// Something drawn at a point of a canvas (its lower-left corner, y upward).
class DrawObject {
public:
    explicit DrawObject(Point origin) : origin_(origin) {}
    virtual ~DrawObject() = default;
    Point Origin() const { return origin_; }
    // Draws on a device context whose canvas is canvasHeight pixels high.
    virtual void Draw(HDC dc, int canvasHeight) const = 0;

private:
    Point origin_;
};

// A rectangle of a size outlined with a pen and filled with a brush.
class RectangleObject : public DrawObject {
public:
    RectangleObject(Point origin, Dimension size, const ::Pen& pen, const ::Brush& brush);
    void Draw(HDC dc, int canvasHeight) const override;
    Dimension Size() const { return size_; }

private:
    Dimension size_;
    ::Pen pen_;
    ::Brush brush_;
};

// A bitmap drawn at a point in a size.
class BitmapObject : public DrawObject {
public:
    BitmapObject(Point origin, Dimension size, const ::Bitmap& bitmap);
    void Draw(HDC dc, int canvasHeight) const override;

private:
    Dimension size_;
    ::Bitmap bitmap_;
};
