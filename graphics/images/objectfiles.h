#pragma once
// The file-writing drawing objects: drawing one copies the whole canvas of
// the painter's device, or an area of it, into a bitmap and saves that as a
// picture file. objectBmpFile writes a BMP file with the kit's own encoder,
// objectImgFile through the system's picture objects (SaveImageOle),
// objectGifFile with the kit's GIF writer. A screen window is read from its
// refresh bitmap, so the file holds what was drawn through the painter, not
// what covers the window; a metafile device, whose context cannot be read
// back, writes no file.
#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/images/objectfilebox.h"

// What the three objects share: the capture of the area (a width or height
// of 0 means the whole canvas).
class objectAreaFile : public objectFileBox {
public:
    using objectFileBox::objectFileBox;

    // Captures the area and hands the bitmap to Save.
    void Draw() final;

protected:
    // Saves the captured bitmap, selected into hDC; hPalette is the stock
    // palette selected with it, NULL when the form selects none.
    virtual void Save(HDC hDC, HBITMAP hBitmap, HPALETTE hPalette) const = 0;
    // The GIF writer wants the area upside down (its bottom row first).
    virtual bool UpsideDown() const { return false; }
};

class objectBmpFile : public objectAreaFile {
public:
    using objectAreaFile::objectAreaFile;

protected:
    void Save(HDC hDC, HBITMAP hBitmap, HPALETTE hPalette) const override;
};

class objectImgFile : public objectAreaFile {
public:
    using objectAreaFile::objectAreaFile;

protected:
    void Save(HDC hDC, HBITMAP hBitmap, HPALETTE hPalette) const override;
};

class objectGifFile : public objectAreaFile {
public:
    using objectAreaFile::objectAreaFile;

protected:
    void Save(HDC hDC, HBITMAP hBitmap, HPALETTE hPalette) const override;
    bool UpsideDown() const override { return true; }
};
