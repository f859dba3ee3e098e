#include "graphics/shapefile/shapehandle.h"

#include <algorithm>

#include "platform/runtime/strings.h"

int ShapeHandle::Position(const std::string& cUpperName) const
{
    const auto it = std::find(_aNames.begin(), _aNames.end(), cUpperName);
    return it == _aNames.end() ? -1 : static_cast<int>(it - _aNames.begin());
}

ShapeFile* ShapeHandle::Find(const std::string& cName) const
{
    const int n = Position(Upper(cName));
    return n < 0 ? nullptr : _aShapeFiles[static_cast<std::size_t>(n)].get();
}

ShapeHandle& ShapeHandle::SetShapeFileObject(const std::string& cName, const std::string& cFile)
{
    const std::string cUpperName = Upper(cName);
    if (ShapeFile* oFile = Find(cUpperName)) {
        _oCurrent = oFile;
        return *this;
    }
    _oCurrent = nullptr;
    if (_oPainter == nullptr) return *this;
    auto oFile = std::make_unique<ShapeFile>(cUpperName, *_oPainter, AllTrim(cFile));
    if (!oFile->ReadFileHeader()) return *this;
    _oCurrent = oFile.get();
    _aNames.push_back(cUpperName);
    _aShapeFiles.push_back(std::move(oFile));
    return *this;
}

ShapeHandle& ShapeHandle::SetShapeFileClose(const std::string& cName)
{
    const int n = Position(Upper(cName));
    if (n < 0) return *this;
    _aNames.erase(_aNames.begin() + n);
    _aShapeFiles.erase(_aShapeFiles.begin() + n);
    _oCurrent = nullptr;
    return *this;
}

void ShapeHandle::Destroy()
{
    for (std::unique_ptr<ShapeFile>& oFile : _aShapeFiles) oFile.reset();
    _aShapeFiles.clear();
    _aNames.clear();
    _oCurrent = nullptr;
    _oPainter = nullptr;
}
