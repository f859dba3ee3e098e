#pragma once
// What the painter knows of its registry of open shapefiles: it owns one,
// created by its first shapefile operation that creates one, and destroys it
// in Graphics::Destroy, which closes every file. The registry itself lives in
// the shapefile library (graphics/shapefile/shapehandle.h), so that the
// painter does not depend on it.
class ShapeHandleBase {
public:
    virtual ~ShapeHandleBase() = default;
    // Closes every registered file and empties the registry.
    virtual void Destroy() = 0;
};
