#pragma once
// How many more GDI objects the process can make: brushes are made until the
// handle table (or the process's quota) refuses one, then deleted again.
// GetGuiResources cannot tell under Wine, where it always answers 0.
#include <windows.h>

#include <cstddef>
#include <vector>

inline std::size_t GdiHeadroom()
{
    std::vector<HBRUSH> aBrushes;
    for (HBRUSH h = CreateSolidBrush(0); h != nullptr; h = CreateSolidBrush(0)) aBrushes.push_back(h);
    for (HBRUSH h : aBrushes) DeleteObject(h);
    return aBrushes.size();
}
