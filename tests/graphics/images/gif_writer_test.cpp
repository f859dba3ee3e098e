// The GIF writer byte for byte: header, colour table, LZW codes and their
// packing into sub-blocks, and the refusals that leave an existing file as it
// was. The pictures written at the end are decoded by PIL and gif2rgb
// (check_pictures.py) and compared with the pixels written beside them.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/images/gifwriter.h"
#include "image_support.h"
#include "platform/runtime/files.h"
#include "platform/runtime/memory.h"

using namespace imagetest;

namespace {

struct Gif {
    std::vector<uint8_t> aBytes;
    std::vector<uint8_t> aSubBlocks;  // the sub-block count bytes in order
    std::vector<uint8_t> aData;       // the image data without count bytes
    std::vector<uint16_t> aCodes;     // the data as 9-bit codes
    bool lWellFormed = false;
};

uint16_t Word(const std::vector<uint8_t>& a, std::size_t i)
{
    return static_cast<uint16_t>(a[i] | (a[i + 1] << 8));
}

Gif ParseGif(const std::string& cFile)
{
    Gif o;
    o.aBytes = ReadBytes(cFile);
    const auto& a = o.aBytes;
    if (a.size() < 795) return o;
    std::size_t i = 792;
    while (i < a.size() && a[i] != 0) {
        o.aSubBlocks.push_back(a[i]);
        o.aData.insert(o.aData.end(), a.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                       a.begin() + static_cast<std::ptrdiff_t>(std::min(a.size(), i + 1 + a[i])));
        i += 1u + a[i];
    }
    o.lWellFormed = i + 2 == a.size() && a[i] == 0x00 && a[i + 1] == 0x3B;
    const std::size_t nCodes = o.aData.size() * 8 / 9;
    for (std::size_t c = 0; c < nCodes; ++c) {
        uint16_t nCode = 0;
        for (std::size_t b = 0; b < 9; ++b) {
            const std::size_t nBit = c * 9 + b;
            if ((o.aData[nBit / 8] >> (nBit % 8)) & 1) nCode |= static_cast<uint16_t>(1u << b);
        }
        o.aCodes.push_back(nCode);
    }
    return o;
}

// Saves an 8-bit picture of w x h whose rows (top row first) come from
// fRow(row, pixels of the row).
template <typename Fill>
bool SaveIndexed(const std::string& cFile, int w, int h, const std::vector<RGBQUAD>& aColors, Fill fRow)
{
    uint8_t* pBits = nullptr;
    BitmapDC oBitmap(IndexedBitmap(w, h, aColors, &pBits));
    // Stored bottom-up: the bottom scan line is the first in memory and is
    // the image's first row.
    for (int r = 0; r < h; ++r) fRow(r, pBits + Stride8(w) * r);
    return SaveImageGif(cFile, oBitmap.DC(), oBitmap.Bitmap());
}

// Fills rows with a fixed pseudo-random sequence of indices.
auto Noise(int w)
{
    return [w, nSeed = uint32_t{12345}](int, uint8_t* p) mutable {
        for (int i = 0; i < w; ++i) {
            nSeed = nSeed * 1103515245u + 12345u;
            p[i] = static_cast<uint8_t>(nSeed >> 16);
        }
    };
}

// Saves a screen bitmap of w x h whose pixel (x, y), y downward, is
// fColour(x, y); returns its pixels as the file must show them: upside down,
// the bitmap's bottom row first.
template <typename Colour>
std::vector<uint8_t> SaveScreenBitmap(const std::string& cFile, int w, int h, Colour fColour)
{
    BitmapDC oBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) SetPixel(oBitmap.DC(), x, y, fColour(x, y));
    EXPECT_TRUE(SaveImageGif(cFile, oBitmap.DC(), oBitmap.Bitmap()));
    const std::vector<uint8_t> aRgb = RgbOf(oBitmap.DC(), w, h);
    std::vector<uint8_t> aFile;
    for (int y = h - 1; y >= 0; --y)
        aFile.insert(aFile.end(), aRgb.begin() + y * w * 3, aRgb.begin() + (y + 1) * w * 3);
    return aFile;
}

std::vector<RGBQUAD> Grey()
{
    std::vector<RGBQUAD> a(256);
    for (int i = 0; i < 256; ++i) a[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    return a;
}

}  // namespace

TEST(GifWriterTest, TwoPixelsOfIndexZeroGiveTheDocumentedTail)
{
    ASSERT_TRUE(SaveIndexed("two.gif", 2, 1, Grey(), [](int, uint8_t* p) { p[0] = p[1] = 0; }));
    const Gif o = ParseGif("two.gif");
    ASSERT_TRUE(o.lWellFormed);
    const std::vector<uint8_t> aTail(o.aBytes.end() - 7, o.aBytes.end());
    EXPECT_EQ(aTail, (std::vector<uint8_t>{0x04, 0x00, 0x01, 0x00, 0x00, 0x00, 0x3B}));
    EXPECT_EQ(o.aCodes, (std::vector<uint16_t>{256, 0, 0}));
}

TEST(GifWriterTest, HeaderFieldsAndColourTable)
{
    std::vector<RGBQUAD> aColors = Grey();
    aColors[7] = {0x30, 0x20, 0x10, 0};  // blue, green, red
    ASSERT_TRUE(SaveIndexed("head.gif", 300, 2, aColors, [](int, uint8_t* p) { p[0] = 7; }));
    const Gif o = ParseGif("head.gif");
    ASSERT_TRUE(o.lWellFormed);
    const auto& a = o.aBytes;
    EXPECT_EQ(std::string(a.begin(), a.begin() + 6), "GIF87a");
    EXPECT_EQ(Word(a, 6), 300);
    EXPECT_EQ(Word(a, 8), 2);
    EXPECT_EQ(a[10], 0xF7);
    EXPECT_EQ(a[11], 0);
    EXPECT_EQ(a[12], 0);
    EXPECT_EQ(a[13 + 3 * 7], 0x10);
    EXPECT_EQ(a[14 + 3 * 7], 0x20);
    EXPECT_EQ(a[15 + 3 * 7], 0x30);
    EXPECT_EQ(a[13 + 3 * 200], 200);
    EXPECT_EQ(a[781], 0x2C);
    EXPECT_EQ(Word(a, 782), 0);
    EXPECT_EQ(Word(a, 784), 0);
    EXPECT_EQ(Word(a, 786), 300);
    EXPECT_EQ(Word(a, 788), 2);
    EXPECT_EQ(a[790], 0x07);
    EXPECT_EQ(a[791], 8);
}

TEST(GifWriterTest, OnePixelWideRowsAreClearAndValue)
{
    const std::array<uint8_t, 4> aRows{9, 200, 0, 255};
    ASSERT_TRUE(SaveIndexed("narrow.gif", 1, 4, Grey(), [&](int r, uint8_t* p) { p[0] = aRows[r]; }));
    const Gif o = ParseGif("narrow.gif");
    ASSERT_TRUE(o.lWellFormed);
    EXPECT_EQ(o.aCodes, (std::vector<uint16_t>{256, 9, 256, 200, 256, 0, 256, 255}));
}

TEST(GifWriterTest, OneColourRowCodesGrowingRuns)
{
    // 1 + 2 + 3 + 4 pixels are coded by 5, 258, 259, 260; one left over.
    ASSERT_TRUE(SaveIndexed("run.gif", 11, 1, Grey(), [](int, uint8_t* p) {
        for (int i = 0; i < 11; ++i) p[i] = 5;
    }));
    const Gif o = ParseGif("run.gif");
    EXPECT_EQ(o.aCodes, (std::vector<uint16_t>{256, 5, 258, 259, 260, 5}));
}

TEST(GifWriterTest, NoiseRowClearsAfterCode511AndStaysBelow512)
{
    ASSERT_TRUE(SaveIndexed("noise.gif", 600, 3, Grey(), Noise(600)));
    const Gif o = ParseGif("noise.gif");
    ASSERT_TRUE(o.lWellFormed);
    ASSERT_GT(o.aCodes.size(), 300u);
    // Every code emitted adds an entry on noise: the 254th added is 511.
    EXPECT_EQ(o.aCodes[0], 256);
    EXPECT_EQ(o.aCodes[255], 256);
    for (std::size_t i = 1; i < 255; ++i) EXPECT_NE(o.aCodes[i], 256) << i;
    for (uint16_t nCode : o.aCodes) {
        EXPECT_NE(nCode, 257);
        EXPECT_LE(nCode, 511);
    }
}

TEST(GifWriterTest, LargeImageDataIsSplitInto255ByteSubBlocks)
{
    ASSERT_TRUE(SaveIndexed("blocks.gif", 200, 20, Grey(), Noise(200)));
    const Gif o = ParseGif("blocks.gif");
    ASSERT_TRUE(o.lWellFormed);
    ASSERT_GT(o.aSubBlocks.size(), 2u);
    for (std::size_t i = 0; i + 1 < o.aSubBlocks.size(); ++i) EXPECT_EQ(o.aSubBlocks[i], 255) << i;
    EXPECT_GE(o.aSubBlocks.back(), 1);
    EXPECT_LT(o.aSubBlocks.back(), 255);
}

TEST(GifWriterTest, HalftoneTableHoldsStockColoursThenTheCube)
{
    std::vector<uint8_t> aBlock(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0xAB);
    auto* pInfo = reinterpret_cast<BITMAPINFO*>(aBlock.data());
    FillHalftonePal(pInfo);
    PALETTEENTRY aStock[256];
    const UINT nStock = GetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0, 256, aStock);
    ASSERT_EQ(nStock, 20u);
    for (UINT i = 0; i < nStock; ++i) {
        EXPECT_EQ(pInfo->bmiColors[i].rgbRed, aStock[i].peRed) << i;
        EXPECT_EQ(pInfo->bmiColors[i].rgbBlue, aStock[i].peBlue) << i;
    }
    // Entry 20 + 36r + 6g + b is the cube colour (r, g, b) x 51.
    const RGBQUAD oCube = pInfo->bmiColors[20 + 36 * 2 + 6 * 5 + 1];
    EXPECT_EQ(oCube.rgbRed, 102);
    EXPECT_EQ(oCube.rgbGreen, 255);
    EXPECT_EQ(oCube.rgbBlue, 51);
    EXPECT_EQ(pInfo->bmiColors[235].rgbRed, 255);
    EXPECT_EQ(pInfo->bmiColors[235].rgbBlue, 255);
    for (int i = 236; i < 256; ++i) {
        const RGBQUAD c = pInfo->bmiColors[i];
        EXPECT_EQ(c.rgbRed | c.rgbGreen | c.rgbBlue | c.rgbReserved, 0) << i;
    }
    EXPECT_EQ(Pow2(0), 1);
    EXPECT_EQ(Pow2(8), 256);
}

TEST(GifWriterTest, RefusedAndFailedSavesLeaveAnExistingFileAsItWas)
{
    const std::vector<uint8_t> aOld{'o', 'l', 'd'};
    const auto fSave = [] { return SaveIndexed("kept.gif", 4, 4, Grey(), [](int, uint8_t* p) { p[0] = 1; }); };
    struct Case {
        const char* cName;
        void (*fBefore)();
        void (*fAfter)();
    };
    const Case aCases[] = {
        {"busy", [] { images::SetGifWriterBusy(true); }, [] { images::SetGifWriterBusy(false); }},
        {"allocation", [] { MemFailNext(); }, [] {}},
        {"write", [] { FWriteFailNext(); }, [] {}},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cName);
        WriteBytes("kept.gif", aOld);
        c.fBefore();
        EXPECT_FALSE(fSave());
        c.fAfter();
        EXPECT_EQ(ReadBytes("kept.gif"), aOld);
    }
    // No temporary file is left behind.
    WIN32_FIND_DATAA oFind;
    HANDLE hFind = FindFirstFileA("mdx*.tmp", &oFind);
    EXPECT_EQ(hFind, INVALID_HANDLE_VALUE);
    if (hFind != INVALID_HANDLE_VALUE) FindClose(hFind);
    // After the refusals the writer works again.
    EXPECT_TRUE(fSave());
    EXPECT_NE(ReadBytes("kept.gif"), aOld);
}

TEST(GifWriterTest, UnwritablePathAndOversizedBitmapAreRefused)
{
    EXPECT_FALSE(SaveIndexed("no\\such\\folder\\x.gif", 2, 2, Grey(), [](int, uint8_t*) {}));
    EXPECT_FALSE(SaveIndexed("", 2, 2, Grey(), [](int, uint8_t*) {}));
    WriteBytes("wide.gif", {'o', 'l', 'd'});
    EXPECT_FALSE(SaveIndexed("wide.gif", 65536, 1, Grey(), [](int, uint8_t*) {}));
    EXPECT_EQ(ReadBytes("wide.gif"), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_TRUE(SaveIndexed("widest.gif", 65535, 1, Grey(), [](int, uint8_t*) {}));
}

// Pictures for the native readers: each NAME.gif comes with NAME.rgb, the
// pixels a reader must find (top row first), or NAME.src, the source pixels
// whose nearest colours in the file's table it must find.
TEST(GifWriterTest, WritesPicturesForTheIndependentReaders)
{
    // An 8-bit picture keeps its indices and colours.
    std::vector<RGBQUAD> aColors = Grey();
    aColors[1] = {10, 200, 250, 0};
    aColors[2] = {250, 0, 30, 0};
    ASSERT_TRUE(SaveIndexed("indexed.gif", 5, 3, aColors, [](int r, uint8_t* p) {
        for (int i = 0; i < 5; ++i) p[i] = static_cast<uint8_t>((i + r) % 3);
    }));
    std::vector<uint8_t> aExpected;
    for (int r = 0; r < 3; ++r) {  // file row r is the bitmap's scan line r from the bottom
        for (int i = 0; i < 5; ++i) {
            const RGBQUAD c = aColors[(i + r) % 3];
            aExpected.insert(aExpected.end(), {c.rgbRed, c.rgbGreen, c.rgbBlue});
        }
    }
    WriteBytes("indexed.rgb", aExpected);

    // A screen bitmap in the palette's own colours comes back exact; the
    // bitmap holds the picture upside down (red at its bottom), the file
    // upright (red at its top).
    const COLORREF aPalette[] = {RGB(255, 0, 0),     RGB(0, 0, 255), RGB(192, 192, 192), RGB(0, 128, 0),
                                 RGB(255, 255, 255), RGB(0, 0, 0),   RGB(51, 102, 153)};
    const std::vector<uint8_t> aPaletteRgb =
        SaveScreenBitmap("palette.gif", 7, 6, [&](int x, int y) { return aPalette[(x + (5 - y)) % 7]; });
    WriteBytes("palette.rgb", aPaletteRgb);
    EXPECT_EQ(aPaletteRgb[0], 255);  // red at the file's top-left
    EXPECT_EQ(aPaletteRgb[2], 0);
    // A gradient maps every pixel to its nearest table colour.
    WriteBytes("gradient.src", SaveScreenBitmap("gradient.gif", 64, 16, [](int x, int y) {
                   return RGB(x * 4, 255 - y * 16, (x * 2 + y * 8) % 256);
               }));
}
