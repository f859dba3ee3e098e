#pragma once
// The kit's own GIF writer: a bitmap as a GIF87a file with one global table
// of 256 colours and one image. A bitmap of 8 bits per pixel keeps its own
// indices and colours; any other is reduced to the halftone table (the
// system's default palette, then the 6 x 6 x 6 colour cube). The pixel
// indices are coded with LZW at a fixed code width of 9 bits: every row
// starts with a clear code, and the table is emptied again after code 511,
// so no code reaches 512 and the end code 257 is never written.
//
// The bitmap's bottom scan line becomes the image's first row: callers hand
// over their picture upside down, and the file shows it upright.
#include <windows.h>

#include <cstdint>
#include <string>

// Writes hBitmap, selected into hDC, to cFile. True when the whole file was
// written. False when another save is running, the bitmap is wider or
// higher than 65,535 pixels (GIF's 16-bit fields), memory runs short or the
// file cannot be written; the file is then as it was before.
bool SaveImageGif(const std::string& cFile, HDC hDC, HBITMAP hBitmap);

// Fills the 256 colour entries that follow the BITMAPINFOHEADER of pInfo
// with the halftone table: the stock default palette's entries, then the
// colour cube (red outermost, blue innermost, levels 0, 51, ..., 255) up to
// entry 255; entries the fill does not reach are black.
void FillHalftonePal(BITMAPINFO* pInfo);

// 2 to the power n for n from 0 to 8.
uint16_t Pow2(uint32_t n);

namespace images {

// For tests: holds the writer's busy flag as a running save does.
void SetGifWriterBusy(bool lBusy);

}  // namespace images
