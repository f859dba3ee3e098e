#pragma once
// ShapeHandle: the registry of one painter's open shapefiles by name. A name
// is the caller's text in upper case (the runtime's Upper), blanks kept; a
// path is used without leading and trailing blanks. Every registered file
// passed its header check; a name occurs once. The painter's shapefile
// operations (graphics_shapefile.cpp) find their file here by name.
#include <memory>
#include <string>
#include <vector>

#include "graphics/core/shapehandlebase.h"
#include "graphics/shapefile/shapefile.h"

class Graphics;

class ShapeHandle : public ShapeHandleBase {
public:
    explicit ShapeHandle(Graphics& oPainter) : _oPainter(&oPainter) {}

    // Selects the file registered under cName, or opens cFile and registers
    // it under cName when its header is acceptable. A registered name keeps
    // the file first opened under it, whatever cFile says. A file that cannot
    // be opened or is refused is not registered; nothing is reported.
    ShapeHandle& SetShapeFileObject(const std::string& cName, const std::string& cFile);
    // Closes and unregisters the file of cName; an unregistered name does
    // nothing.
    ShapeHandle& SetShapeFileClose(const std::string& cName);
    // Closes every file, in registry order, and empties the registry.
    void Destroy() override;

    // The file registered under cName; null when there is none.
    ShapeFile* Find(const std::string& cName) const;
    // The file the last SetShapeFileObject opened or selected; null after a
    // failed open or a close.
    ShapeFile* Current() const { return _oCurrent; }
    const std::vector<std::string>& Names() const { return _aNames; }

private:
    // The registry position of an upper-case name; -1 when not registered.
    int Position(const std::string& cUpperName) const;

    std::vector<std::string> _aNames;
    std::vector<std::unique_ptr<ShapeFile>> _aShapeFiles;  // at the positions of their names
    ShapeFile* _oCurrent = nullptr;
    Graphics* _oPainter;
};
