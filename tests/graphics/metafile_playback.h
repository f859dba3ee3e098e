#pragma once
// Plays a recorded metafile back onto a memory device of the picture's size.
#include <windows.h>

#include <string>

#include "graphics/core/device.h"
#include "graphics/windows/gmemory.h"

// False when the file holds no complete metafile.
inline bool PlayBack(const std::string& file, gMemory& into, SIZE size)
{
    HENHMETAFILE meta = GetEnhMetaFileA(file.c_str());
    if (meta == nullptr) return false;
    {
        DeviceUnits units(into.GetMemoryDC());
        const RECT all{0, 0, size.cx, size.cy};
        PlayEnhMetaFile(into.GetMemoryDC(), meta, &all);
    }
    DeleteEnhMetaFile(meta);
    return true;
}
