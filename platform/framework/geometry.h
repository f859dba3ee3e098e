// Points, sizes and rectangles in framework coordinates: pixels, with y
// growing upward from the lower-left corner of the area they lie in.
#pragma once

// A point.
struct Point {
    int x = 0;
    int y = 0;
    constexpr Point() = default;
    constexpr Point(int px, int py) : x(px), y(py) {}
    constexpr int X() const { return x; }
    constexpr int Y() const { return y; }
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A width and a height.
struct Dimension {
    int width = 0;
    int height = 0;
    constexpr Dimension() = default;
    constexpr Dimension(int w, int h) : width(w), height(h) {}
    constexpr int Width() const { return width; }
    constexpr int Height() const { return height; }
    friend constexpr bool operator==(const Dimension&, const Dimension&) = default;
};

// A rectangle given by its lower-left corner and its extent.
struct BoundingBox {
    Point origin;
    Dimension extent;
    constexpr BoundingBox() = default;
    constexpr BoundingBox(Point o, Dimension e) : origin(o), extent(e) {}
    constexpr Point Origin() const { return origin; }
    constexpr Dimension Extent() const { return extent; }
    constexpr int Width() const { return extent.width; }
    constexpr int Height() const { return extent.height; }
    constexpr int Left() const { return origin.x; }
    constexpr int Right() const { return origin.x + extent.width; }
    constexpr int Bottom() const { return origin.y; }
    constexpr int Top() const { return origin.y + extent.height; }
    friend constexpr bool operator==(const BoundingBox&, const BoundingBox&) = default;
};
