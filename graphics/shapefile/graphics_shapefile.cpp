// The painter's shapefile operations: each finds its file in the painter's
// registry by name and hands the request on to it.
#include "graphics/core/graphics.h"
#include "graphics/shapefile/shapehandle.h"

ShapeFile* Graphics::ShapeFileNamed(const std::string& cName, bool lCreate)
{
    if (_oShapeHandle == nullptr) {
        if (!lCreate) return nullptr;
        _oShapeHandle = std::make_unique<ShapeHandle>(*this);
    }
    // Only this library creates the registry.
    return static_cast<ShapeHandle&>(*_oShapeHandle).Find(cName);
}

Graphics& Graphics::SetShapeFileObject(const std::string& cName, const std::string& cFile)
{
    ShapeFileNamed(cName, true);
    static_cast<ShapeHandle&>(*_oShapeHandle).SetShapeFileObject(cName, cFile);
    return *this;
}

Graphics& Graphics::SetShapeFileClose(const std::string& cName)
{
    if (_oShapeHandle != nullptr) static_cast<ShapeHandle&>(*_oShapeHandle).SetShapeFileClose(cName);
    return *this;
}

Graphics& Graphics::PaintShapeFigures(const std::string& cName)
{
    if (ShapeFile* o = ShapeFileNamed(cName, false)) o->PaintShapeFigures();
    return *this;
}

Graphics& Graphics::SetShapeSelectBox(const std::string& cName, double x1, double y1, double x2, double y2)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) o->SetShapeSelectBox(x1, y1, x2, y2);
    return *this;
}

Graphics& Graphics::SetShapeUnselectBox(const std::string& cName)
{
    if (ShapeFile* o = ShapeFileNamed(cName, false)) o->SetShapeUnselectBox();
    return *this;
}

Graphics& Graphics::SetShapeSelectArea(const std::string& cName, double x, double y, double nWidth, double nHeight)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) o->SetShapeSelectArea(x, y, nWidth, nHeight);
    return *this;
}

Graphics& Graphics::SetShapeUnselectArea(const std::string& cName)
{
    if (ShapeFile* o = ShapeFileNamed(cName, false)) o->SetShapeUnselectArea();
    return *this;
}

Graphics& Graphics::SetShapeColorNormal(const std::string& cName)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) o->SetShapeColorNormal();
    return *this;
}

Graphics& Graphics::SetShapeColorRandom(const std::string& cName)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) o->SetShapeColorRandom();
    return *this;
}

Graphics& Graphics::SetShapeColorTrans(const std::string& cName)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) o->SetShapeColorTrans();
    return *this;
}

Graphics& Graphics::SetShapeColorArray(const std::string& cName, const Value& aColors)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) o->SetShapeColorArray(aColors);
    return *this;
}

Graphics& Graphics::SetShapeExtractRec(const std::string& cName, const Value& aEntries, bool lInvert)
{
    if (ShapeFile* o = ShapeFileNamed(cName, false)) {
        o->SetShapeExtractRec(aEntries.IsArray() ? aEntries.AsArray() : Array(std::size_t{0}), lInvert);
    }
    return *this;
}

Graphics& Graphics::SetShapeUnextractRec(const std::string& cName)
{
    if (ShapeFile* o = ShapeFileNamed(cName, false)) o->SetShapeUnextractRec();
    return *this;
}

Graphics& Graphics::GetShapeFigCoordRec(const std::string& cName, int64_t nEntry, int32_t& nRecNo, int32_t& nType,
                                        Value& aCoord)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) {
        o->GetShapeFigCoordRec(nEntry, nRecNo, nType, aCoord);
    } else {
        nType = -1;
    }
    return *this;
}

Graphics& Graphics::GetShapeFigCoordId(const std::string& cName, int64_t nRecNo, int32_t& nEntry, int32_t& nType,
                                       Value& aCoord)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) {
        o->GetShapeFigCoordId(nRecNo, nEntry, nType, aCoord);
    } else {
        nType = -1;
    }
    return *this;
}

Graphics& Graphics::GetShapeFigBoxRec(const std::string& cName, int64_t nEntry, int32_t& nRecNo, int32_t& nType,
                                      Value& aBox, int32_t& nParts)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) {
        o->GetShapeFigBoxRec(nEntry, nRecNo, nType, aBox, nParts);
    } else {
        nType = -1;
    }
    return *this;
}

Graphics& Graphics::GetShapeFigBoxId(const std::string& cName, int64_t nRecNo, int32_t& nEntry, int32_t& nType,
                                     Value& aBox, int32_t& nParts)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) {
        o->GetShapeFigBoxId(nRecNo, nEntry, nType, aBox, nParts);
    } else {
        nType = -1;
    }
    return *this;
}

Graphics& Graphics::GetShapeFileBox(const std::string& cName, uint32_t& nCount, Value& aBox)
{
    if (ShapeFile* o = ShapeFileNamed(cName, true)) o->GetShapeFileBox(nCount, aBox);
    return *this;
}

Graphics& Graphics::PaintShapeCanvas(const std::string& cFile, bool lRandom)
{
    SetShapeFileObject(cFile, cFile);
    if (lRandom) {
        SetShapeColorRandom(cFile);
    } else {
        SetShapeColorTrans(cFile);
    }
    return PaintShapeFigures(cFile);
}
