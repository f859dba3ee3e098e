#pragma once
// The kit's own BMP encoder: a bitmap as a Windows BMP file, rows bottom-up
// and padded to 4 bytes. A bitmap of 16 or 32 bits per pixel is written with
// 24, one of 1 to 8 bits with its full colour table (2^bits entries).
#include <windows.h>

#include <string>

namespace images {

// Writes hBitmap (read through hDC, which supplies the palette) to cFile.
// True when the whole file was written; otherwise the file is as it was.
bool WriteBmpFile(const std::string& cFile, HDC hDC, HBITMAP hBitmap);

}  // namespace images
