// The painter's picture operations on every kind of device, direct pictures,
// metafile playback, and the memory device made from a picture file.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "graphics/core/graphics.h"
#include "graphics/images/objectfiles.h"
#include "graphics/gdi_headroom.h"
#include "graphics/images/objectplayback.h"
#include "graphics/test_device.h"
#include "graphics/windows/genhmetafile.h"
#include "graphics/windows/gmemory.h"
#include "image_support.h"

using namespace imagetest;

namespace {

const std::string kFixtures = MDX_SOURCE_DIR "/tests/graphics/images/fixtures/";
constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

bool Exists(const char* cFile)
{
    return GetFileAttributesA(cFile) != INVALID_FILE_ATTRIBUTES;
}

// A metafile of 100 x 100 pixels at 96 dpi: red left half, blue right half.
void RecordHalves(const char* cFile)
{
    HDC hScreen = GetDC(nullptr);
    const RECT oFrame{0, 0, 2646, 2646};
    HDC hMeta = CreateEnhMetaFileA(hScreen, cFile, &oFrame, nullptr);
    ReleaseDC(nullptr, hScreen);
    HBRUSH hRed = CreateSolidBrush(kRed), hBlue = CreateSolidBrush(kBlue);
    const RECT oLeft{0, 0, 50, 100}, oRight{50, 0, 100, 100};
    FillRect(hMeta, &oLeft, hRed);
    FillRect(hMeta, &oRight, hBlue);
    DeleteObject(hRed);
    DeleteObject(hBlue);
    DeleteEnhMetaFile(CloseEnhMetaFile(hMeta));
}

// The device's pixel at device column x and row y (rows downward from the
// top of the whole surface, tool bar included).
COLORREF DevicePixel(const TestDevice& oDevice, int x, int y)
{
    DeviceUnits oUnits(oDevice.DC());
    return GetPixel(oDevice.DC(), x, y);
}

int Painted(const TestDevice& oDevice, int w, int h)
{
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) n += DevicePixel(oDevice, x, y) != kWhite;
    return n;
}

// Counts a metafile record by its type into the map that lCounts points to.
int CALLBACK CountRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lCounts)
{
    ++(*reinterpret_cast<std::map<DWORD, int>*>(lCounts))[pRecord->iType];
    return 1;
}

// A test device that notes the type of every object it draws.
class ObjectRecordingDevice : public TestDevice {
public:
    using TestDevice::TestDevice;
    void Draw(objectShape& oShape) override
    {
        aObjects.emplace_back(typeid(oShape));
        TestDevice::Draw(oShape);
    }
    std::vector<std::type_index> aObjects;
};

Bitmap SmallPicture()
{
    BitmapDC oDC(3, 2);
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i) SetPixel(oDC.DC(), i, j, RGB(40 * i, 100 * j, 200));
    return Bitmap::Adopt(static_cast<HBITMAP>(CopyImage(oDC.Bitmap(), IMAGE_BITMAP, 0, 0, 0)));
}

}  // namespace

TEST(PaintImagesTest, SavingOperationsReadOnlyDevicesWithPixelsWhileDrawingOperationsDrawEverywhere)
{
    RecordHalves("halves.emf");
    const Bitmap oPicture = SmallPicture();
    struct Operation {
        const char* cName;  // the file a saving operation writes
        std::type_index oObject;
        std::function<void(Graphics&)> fPaint;
    };
    const Operation aSaving[] = {
        {"canvas.bmp", typeid(objectBmpFile), [](Graphics& g) { g.SetBmpCanvasToFile("canvas.bmp"); }},
        {"area.bmp", typeid(objectBmpFile), [](Graphics& g) { g.SetBmpAreaToFile(1, 1, 5, 5, "area.bmp"); }},
        {"canvas_img.bmp", typeid(objectImgFile), [](Graphics& g) { g.SetImgCanvasToFile("canvas_img.bmp"); }},
        {"area_img.bmp", typeid(objectImgFile), [](Graphics& g) { g.SetImgAreaToFile(1, 1, 5, 5, "area_img.bmp"); }},
        {"canvas.gif", typeid(objectGifFile), [](Graphics& g) { g.SetGifCanvasToFile("canvas.gif"); }},
        {"area.gif", typeid(objectGifFile), [](Graphics& g) { g.SetGifAreaToFile(1, 1, 5, 5, "area.gif"); }},
    };
    const Operation aDrawing[] = {
        {"canvas", typeid(objectSourceBmp), [&](Graphics& g) { g.PaintBmpCanvas(oPicture); }},
        {"repeat", typeid(objectSourceBmp), [&](Graphics& g) { g.PaintBmpRepeat(oPicture); }},
        {"restore", typeid(objectSourceBmp), [&](Graphics& g) { g.PaintBmpRestore(oPicture); }},
        {"original", typeid(objectSourceBmp), [&](Graphics& g) { g.PaintBmpOriginal(4, 4, oPicture); }},
        {"stretched", typeid(objectSourceBmp), [&](Graphics& g) { g.PaintBmpStretched(4, 4, 10, 10, oPicture); }},
        {"direct", typeid(objectDirectBmp),
         [](Graphics& g) { g.PaintBmpDirect(0, 0, 20, 10, kFixtures + "corner.png"); }},
        {"metafile area", typeid(objectEnhMeta), [](Graphics& g) { g.PaintEnhMetaArea(2, 2, 10, 10, "halves.emf"); }},
        {"metafile canvas", typeid(objectEnhMeta), [](Graphics& g) { g.PaintEnhMetaCanvas("halves.emf"); }},
    };
    for (int32_t nType : {kDevicePrinter, kDeviceMemory, kDeviceMetafile}) {
        SCOPED_TRACE(nType);
        ObjectRecordingDevice oDevice(nType, 40, 30);
        Graphics g(oDevice);
        for (const Operation& o : aSaving) {
            SCOPED_TRACE(o.cName);
            DeleteFileA(o.cName);
            oDevice.aObjects.clear();
            o.fPaint(g);
            EXPECT_EQ(Exists(o.cName), nType == kDeviceMemory);
            // A printer has no pixels to read: no object is made.
            EXPECT_EQ(oDevice.aObjects, nType == kDevicePrinter ? std::vector<std::type_index>{}
                                                                : std::vector<std::type_index>{o.oObject});
        }
        for (const Operation& o : aDrawing) {
            SCOPED_TRACE(o.cName);
            FillBox(oDevice.DC(), {0, 0, 40, 30}, kWhite);
            oDevice.aObjects.clear();
            o.fPaint(g);
            EXPECT_GT(Painted(oDevice, 40, 30), 0);
            EXPECT_EQ(oDevice.aObjects, std::vector<std::type_index>{o.oObject});
        }
    }
}

TEST(PaintImagesTest, MetafilesPlayOverTheCanvasIntoAnAreaAndBelowATooBar)
{
    RecordHalves("halves.emf");
    struct Case {
        const char* cName;
        int32_t nToolBar;
        std::function<void(Graphics&)> fPlay;
        RECT oTarget;  // device pixels, rows downward
    };
    const Case aCases[] = {
        {"canvas", 0, [](Graphics& g) { g.PaintEnhMetaCanvas("halves.emf"); }, {0, 0, 80, 60}},
        {"area", 0, [](Graphics& g) { g.PaintEnhMetaArea(10, 20, 40, 20, "halves.emf"); }, {10, 20, 50, 40}},
        {"below a tool bar", 12, [](Graphics& g) { g.PaintEnhMetaCanvas("halves.emf"); }, {0, 12, 80, 60}},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cName);
        // The tool bar's space is kept on screen windows.
        TestDevice oDevice(c.nToolBar > 0 ? kDeviceScreen : kDeviceMemory, 80, 60, c.nToolBar);
        Graphics g(oDevice);
        FillBox(oDevice.DC(), {0, 0, 80, 60 - c.nToolBar}, kWhite);
        {
            DeviceUnits oUnits(oDevice.DC());
            const RECT r{0, 0, 80, 60};
            FillRect(oDevice.DC(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        POINT oOrgBefore;
        SIZE oExtBefore;
        GetViewportOrgEx(oDevice.DC(), &oOrgBefore);
        GetWindowExtEx(oDevice.DC(), &oExtBefore);
        c.fPlay(g);
        const RECT& t = c.oTarget;
        const int nMidY = (t.top + t.bottom) / 2;
        EXPECT_EQ(DevicePixel(oDevice, t.left + 2, nMidY), kRed);
        EXPECT_EQ(DevicePixel(oDevice, t.right - 3, nMidY), kBlue);
        EXPECT_EQ(DevicePixel(oDevice, t.left + 2, t.top + 1), kRed);
        EXPECT_EQ(DevicePixel(oDevice, t.right - 3, t.bottom - 2), kBlue);
        if (t.top > 0) {
            EXPECT_EQ(DevicePixel(oDevice, t.left + 2, t.top - 1), kWhite);
        }
        if (t.bottom < 60) {
            EXPECT_EQ(DevicePixel(oDevice, t.left + 2, t.bottom), kWhite);
        }
        if (t.left > 0) {
            EXPECT_EQ(DevicePixel(oDevice, t.left - 1, nMidY), kWhite);
        }
        POINT oOrg;
        SIZE oExt;
        GetViewportOrgEx(oDevice.DC(), &oOrg);
        GetWindowExtEx(oDevice.DC(), &oExt);
        EXPECT_EQ(oOrg.y, oOrgBefore.y);
        EXPECT_EQ(oExt.cy, oExtBefore.cy);
    }
    // A missing metafile draws nothing and leaves the mapping as it was.
    TestDevice oDevice(kDeviceMemory, 80, 60);
    Graphics g(oDevice);
    FillBox(oDevice.DC(), {0, 0, 80, 60}, kWhite);
    g.PaintEnhMetaCanvas("missing.emf").PaintEnhMetaArea(1, 1, 5, 5, "missing.emf");
    EXPECT_EQ(Painted(oDevice, 80, 60), 0);
    g.PaintRectangle(0, 0, 80, 60);
    EXPECT_NE(DevicePixel(oDevice, 0, 59), kWhite);
}

TEST(PaintImagesTest, DirectPicturesAtTheirOwnSizeOrInARectangle)
{
    TestDevice oDevice(kDeviceMemory, 120, 80);
    Graphics g(oDevice);
    FillBox(oDevice.DC(), {0, 0, 120, 80}, kWhite);
    g.PaintBmpDirect(5, 10, 0, 0, kFixtures + "corner.png");
    // 96 x 48 upright with its lower-left corner at (5, 10): device rows
    // 22 (top) to 69 (bottom).
    EXPECT_EQ(DevicePixel(oDevice, 5, 22), kRed);
    EXPECT_EQ(DevicePixel(oDevice, 6, 22), RGB(0, 160, 0));
    EXPECT_EQ(DevicePixel(oDevice, 100, 69), kBlue);
    EXPECT_EQ(DevicePixel(oDevice, 101, 69), kWhite);
    EXPECT_EQ(DevicePixel(oDevice, 5, 21), kWhite);
    EXPECT_EQ(DevicePixel(oDevice, 5, 70), kWhite);
    EXPECT_EQ(Painted(oDevice, 120, 80), 2 * 96);  // only its top and bottom rows are not white
    // Into a rectangle of 48 x 24.
    FillBox(oDevice.DC(), {0, 0, 120, 80}, kWhite);
    g.PaintBmpDirect(0, 0, 48, 24, kFixtures + "corner.bmp");
    EXPECT_NE(DevicePixel(oDevice, 20, 79), kWhite);
    EXPECT_EQ(DevicePixel(oDevice, 48, 79), kWhite);
    EXPECT_EQ(DevicePixel(oDevice, 20, 55), kWhite);
    // Missing files and no pictures draw nothing.
    FillBox(oDevice.DC(), {0, 0, 120, 80}, kWhite);
    WriteBytes("garbage.jpg", std::vector<uint8_t>(64, 0x33));
    g.PaintBmpDirect(0, 0, 0, 0, "missing.png").PaintBmpDirect(0, 0, 10, 10, "garbage.jpg");
    EXPECT_EQ(Painted(oDevice, 120, 80), 0);
}

// Each direct drawing loads its picture anew: 5,000 drawings of a BMP and a
// GIF each give back every GDI object they made (the handle table holds
// about 65,000).
TEST(PaintImagesTest, DirectDrawingsLeaveNoGdiObjectsBehind)
{
    TestDevice oDevice(kDeviceMemory, 120, 80);
    Graphics g(oDevice);
    // The first drawings fill caches that live as long as the process.
    g.PaintBmpDirect(0, 0, 0, 0, kFixtures + "corner.bmp").PaintBmpDirect(0, 0, 0, 0, kFixtures + "corner.gif");
    const std::size_t nHeadroom = GdiHeadroom();
    ASSERT_GT(nHeadroom, 20000U);
    for (int i = 0; i < 5000; ++i) {
        g.PaintBmpDirect(0, 0, 0, 0, kFixtures + "corner.bmp");
        g.PaintBmpDirect(0, 0, 48, 24, kFixtures + "corner.gif");
    }
    EXPECT_GE(GdiHeadroom() + 20, nHeadroom);
    FillBox(oDevice.DC(), {0, 0, 120, 80}, kWhite);
    g.PaintBmpDirect(0, 0, 0, 0, kFixtures + "corner.gif");
    EXPECT_EQ(DevicePixel(oDevice, 0, 32), kRed) << "drawing still works";
}

TEST(PaintImagesTest, MemoryDeviceFromAPictureFile)
{
    // Stretched horizontally only, without blending.
    gMemory oWide(kFixtures + "wide.jpg", 200, 0);
    EXPECT_EQ(oWide.CanvasSize().cx, 200);
    EXPECT_EQ(oWide.CanvasSize().cy, 480);
    const COLORREF cLeft = GetPixel(oWide.GetMemoryDC(), 50, 240), cRight = GetPixel(oWide.GetMemoryDC(), 150, 240);
    EXPECT_GT(GetRValue(cLeft), 200);
    EXPECT_LT(GetBValue(cLeft), 60);
    EXPECT_GT(GetBValue(cRight), 200);
    EXPECT_LT(GetRValue(cRight), 60);
    // At its own size and upright: the marker at the top-left.
    gMemory oCorner(kFixtures + "corner.png");
    EXPECT_EQ(oCorner.CanvasSize().cx, 96);
    EXPECT_EQ(oCorner.CanvasSize().cy, 48);
    EXPECT_EQ(GetPixel(oCorner.GetMemoryDC(), 0, 47), kRed);
    EXPECT_EQ(GetPixel(oCorner.GetMemoryDC(), 1, 0), kBlue);
    // A file no loader reads gives a device without bitmap.
    WriteBytes("garbage.png", std::vector<uint8_t>(64, 0x33));
    gMemory oNone(std::string("garbage.png"));
    EXPECT_EQ(oNone.GetMemoryDC(), nullptr);
    EXPECT_EQ(oNone.CanvasSize().cx, 0);
}

TEST(PaintImagesTest, AMetafileDeviceRecordsPicturesAndWritesNoPictureFiles)
{
    {
        gEnhMetaFile oDevice("pictures.emf");
        Graphics& g = *oDevice._oGraphics;
        g.SetBmpCanvasToFile("recorded.bmp").SetGifCanvasToFile("recorded.gif").SetImgCanvasToFile("recorded_img.bmp");
        g.PaintBmpRestore(kFixtures + "corner.png");
        g.PaintBmpOriginal(200, 0, SmallPicture(), 0, true, RGB(0, 0, 200), 1);
        g.PaintBmpDirect(300, 0, 0, 0, kFixtures + "corner.bmp");
    }
    for (const char* cFile : {"recorded.bmp", "recorded.gif", "recorded_img.bmp"}) EXPECT_FALSE(Exists(cFile)) << cFile;
    // Each picture is recorded as block transfers: one for the plain one,
    // three for the transparent one (picture, mask, picture), and the direct
    // one as the picture object renders it.
    HENHMETAFILE hMeta = GetEnhMetaFileA("pictures.emf");
    ASSERT_NE(hMeta, nullptr);
    std::map<DWORD, int> aRecords;
    EnumEnhMetaFile(nullptr, hMeta, CountRecord, &aRecords, nullptr);
    DeleteEnhMetaFile(hMeta);
    EXPECT_EQ(aRecords[EMR_BITBLT], 4);
    EXPECT_EQ(aRecords[EMR_STRETCHBLT] + aRecords[EMR_STRETCHDIBITS], 1);
}
