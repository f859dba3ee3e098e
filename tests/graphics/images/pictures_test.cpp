// Pictures through the system's picture objects: sizes, upright rendering,
// refusals, the loaders' fall-back order and saving.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/images/pictures.h"
#include "image_support.h"
#include "lib/system.h"

using namespace imagetest;

namespace {

const std::string kFixtures = MDX_SOURCE_DIR "/tests/graphics/images/fixtures/";

// Screen DC for the tests' duration.
struct ScreenDC {
    HDC h = GetDC(nullptr);
    ~ScreenDC() { ReleaseDC(nullptr, h); }
};

int Distance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

}  // namespace

TEST(PicturesTest, EachFormatLoadsUprightAtItsSize)
{
    const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0), kBlue = RGB(0, 0, 255);
    for (const char* cName : {"corner.bmp", "corner.png", "corner.jpg", "corner.gif"}) {
        SCOPED_TRACE(cName);
        const int nTolerance = std::string(cName).ends_with(".jpg") ? 60 : 0;
        int32_t w = -1, h = -1;
        EXPECT_EQ(LoadImageOle(kFixtures + cName, w, h), nullptr);
        EXPECT_EQ(w, 96);
        EXPECT_EQ(h, 48);
        {
            const images::PictureObject oPicture(kFixtures + cName);
            ASSERT_TRUE(oPicture);
            EXPECT_EQ(oPicture.Width(), 2540);
            EXPECT_EQ(oPicture.Height(), 1270);
        }
        ScreenDC oScreen;
        BitmapDC oLoaded(LoadImageOle(kFixtures + cName, w, h, oScreen.h));
        ASSERT_NE(oLoaded.Bitmap(), nullptr);
        EXPECT_LE(Distance(GetPixel(oLoaded.DC(), 0, 0), kRed), nTolerance);
        for (int x = 1; x < 96; ++x) {
            EXPECT_LE(Distance(GetPixel(oLoaded.DC(), x, 0), kGreen), nTolerance) << x;
            EXPECT_LE(Distance(GetPixel(oLoaded.DC(), x, 47), kBlue), nTolerance) << x;
        }
        EXPECT_LE(Distance(GetPixel(oLoaded.DC(), 0, 47), kBlue), nTolerance);
    }
}

TEST(PicturesTest, MissingGarbageAndTruncatedFilesAreNoPicture)
{
    WriteBytes("garbage.png", std::vector<uint8_t>(500, 0x5A));
    std::vector<uint8_t> aPng = ReadBytes(kFixtures + "corner.png");
    aPng.resize(aPng.size() / 2);
    WriteBytes("truncated.png", aPng);
    WriteBytes("empty.bmp", {});
    ScreenDC oScreen;
    for (const char* cName : {"missing.png", "garbage.png", "truncated.png", "empty.bmp"}) {
        SCOPED_TRACE(cName);
        int32_t w = -1, h = -1;
        EXPECT_EQ(LoadImageOle(cName, w, h, oScreen.h), nullptr);
        EXPECT_EQ(w, 0);
        EXPECT_EQ(h, 0);
        EXPECT_FALSE(images::PictureObject(cName));
        w = h = -1;
        EXPECT_EQ(LoadImageApi(cName, w, h), nullptr);
        EXPECT_EQ(w + h, 0);
    }
}

TEST(PicturesTest, PlatformLoaderReadsBmpOnlyAndPlaceholderReadsNothing)
{
    int32_t w = 0, h = 0;
    BitmapDC oBmp(LoadImageApi(kFixtures + "corner.bmp", w, h));
    EXPECT_NE(oBmp.Bitmap(), nullptr);
    EXPECT_EQ(w, 96);
    EXPECT_EQ(h, 48);
    EXPECT_EQ(GetPixel(oBmp.DC(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(LoadImageApi(kFixtures + "corner.png", w, h), nullptr);
    EXPECT_EQ(w + h, 0);
    w = h = 5;
    EXPECT_EQ(LoadImageVo(kFixtures + "corner.bmp", w, h), nullptr);
    EXPECT_EQ(w + h, 0);
}

namespace {

// Stand-in loaders that record their calls and answer as told.
std::string gCalls;
HBITMAP gOleAnswer, gApiAnswer, gVoAnswer;
HBITMAP StandInOle(const std::string&, int32_t& w, int32_t& h, HDC)
{
    gCalls += "ole ";
    w = h = gOleAnswer ? 1 : 0;
    return gOleAnswer;
}
HBITMAP StandInApi(const std::string&, int32_t& w, int32_t& h)
{
    gCalls += "api ";
    w = h = gApiAnswer ? 2 : 0;
    return gApiAnswer;
}
HBITMAP StandInVo(const std::string&, int32_t& w, int32_t& h, HDC)
{
    gCalls += "vo ";
    w = h = gVoAnswer ? 3 : 0;
    return gVoAnswer;
}

}  // namespace

TEST(PicturesTest, FallBackOrder)
{
    const auto hA = reinterpret_cast<HBITMAP>(0x1000), hB = reinterpret_cast<HBITMAP>(0x2000);
    struct Case {
        const char* cFile;
        HBITMAP hOle, hApi, hVo;
        unsigned short nVersion;
        const char* cCalls;
        HBITMAP hResult;
        int32_t nSize;
    };
    const Case aCases[] = {
        {"a.jpg", hA, hB, hB, 28, "", hA, 1},
        {"a.jpg", nullptr, hB, nullptr, 20, "", nullptr, 0},
        {"a.jpg", nullptr, hB, nullptr, 25, "vo ", nullptr, 0},
        {"a.bmp", nullptr, hB, nullptr, 20, "api ", hB, 2},
        {"A.Bmp", nullptr, hB, nullptr, 28, "api ", hB, 2},
        {"c:\\x.bmp\\pic.jpg", nullptr, hB, nullptr, 20, "api ", hB, 2},
        {"a.bmp", nullptr, nullptr, nullptr, 20, "api ", nullptr, 0},
        {"a.bmp", nullptr, nullptr, hA, 27, "api vo ", hA, 3},
        {"a.bm", nullptr, hB, hA, 24, "", nullptr, 0},
    };
    const unsigned short nKept = gnPlattformVersion;
    const images::PictureLoaders oLoaders{StandInOle, StandInApi, StandInVo};
    for (const Case& c : aCases) {
        SCOPED_TRACE(std::string(c.cFile) + " version " + std::to_string(c.nVersion));
        gCalls.clear();
        gOleAnswer = c.hOle;
        gApiAnswer = c.hApi;
        gVoAnswer = c.hVo;
        gnPlattformVersion = c.nVersion;
        int32_t w = -1, h = -1;
        EXPECT_EQ(images::LoadPictureFile(c.cFile, nullptr, w, h, oLoaders), c.hResult);
        EXPECT_EQ(gCalls, std::string("ole ") + c.cCalls);
        EXPECT_EQ(w, c.nSize);
        EXPECT_EQ(h, c.nSize);
    }
    gnPlattformVersion = nKept;
}

TEST(PicturesTest, SavedBitmapIsABmpFileAndStaysTheCallers)
{
    const int w = 9, h = 5;
    BitmapDC oBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) SetPixel(oBitmap.DC(), x, y, RGB(x * 25, y * 50, 200 - x * 10));
    const auto hStock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    EXPECT_FALSE(SaveImageOle("", oBitmap.Bitmap(), hStock));
    ASSERT_TRUE(SaveImageOle("ole.bmp", oBitmap.Bitmap(), hStock));
    WriteBytes("ole.rgb", RgbOf(oBitmap.DC(), w, h));
    const std::vector<uint8_t> aFile = ReadBytes("ole.bmp");
    ASSERT_GE(aFile.size(), 54u);
    EXPECT_EQ(aFile[0], 'B');
    EXPECT_EQ(aFile[1], 'M');
    // The caller's bitmap is still whole and may be deleted at once.
    EXPECT_EQ(GetPixel(oBitmap.DC(), 8, 4), RGB(200, 200, 120));
    // The file loads back with the same pixels.
    int32_t nW = 0, nH = 0;
    BitmapDC oBack(LoadImageApi("ole.bmp", nW, nH));
    EXPECT_EQ(RgbOf(oBack.DC(), w, h), RgbOf(oBitmap.DC(), w, h));
}
