// The metafile device: file name, size, frame and description of the
// recording, the file complete only after Destroy, a missing folder, the
// upward rows of what it records, and its playback.
#include "graphics/windows/genhmetafile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "graphics/metafile_playback.h"
#include "graphics/windows/gmemory.h"
#include "platform/runtime/files.h"

namespace {

using namespace std::string_literals;

// The header of a complete metafile file; false when it cannot be read.
bool ReadHeader(const std::string& file, ENHMETAHEADER& header, std::string& description)
{
    HENHMETAFILE meta = GetEnhMetaFileA(file.c_str());
    if (!meta) return false;
    GetEnhMetaFileHeader(meta, sizeof header, &header);
    description.assign(GetEnhMetaFileDescriptionA(meta, 0, nullptr), '\0');
    GetEnhMetaFileDescriptionA(meta, static_cast<UINT>(description.size()), description.data());
    DeleteEnhMetaFile(meta);
    return true;
}

// Counts its repaints.
class Counted : public gEnhMetaFile {
public:
    using gEnhMetaFile::gEnhMetaFile;
    void Paint() override { ++paints; }
    int paints = 0;
};

TEST(EnhMetaFileTest, SizesFramesAndDescriptions)
{
    HDC screen = GetDC(nullptr);
    const double perMmX = double(GetDeviceCaps(screen, HORZRES)) / GetDeviceCaps(screen, HORZSIZE);
    const double perMmY = double(GetDeviceCaps(screen, VERTRES)) / GetDeviceCaps(screen, VERTSIZE);
    ReleaseDC(nullptr, screen);
    struct Case {
        const char* name;
        std::string file;
        std::optional<double> width, height;
        std::string description;
        SIZE size;
        RECT frame;  // all 0: the system's own frame
        std::string recorded;
    };
    const Case cases[] = {
        {"site plan",
         "site.emf",
         210,
         297,
         "Site plan;Sheet 2;final",
         {static_cast<LONG>(std::lround(210 * perMmX)), static_cast<LONG>(std::lround(297 * perMmY))},
         {0, 0, 21000, 29700},
         "Tessaray / Site plan\0Sheet 2;final\0\0"s},
        {"one size missing",
         "half.emf",
         210,
         0,
         "Enhanced Meta File",
         {500, 500},
         {},
         "Tessaray\0Enhanced Meta File\0\0"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            Counted device(c.file, c.width, c.height, c.description, false);
            EXPECT_EQ(device._nDeviceTyp, kDeviceMetafile);
            EXPECT_EQ(device.CanvasSize().cx, c.size.cx);
            EXPECT_EQ(device.CanvasSize().cy, c.size.cy);
            ASSERT_NE(device.MetafileDC(), nullptr);
            device.PaintNew();
            EXPECT_EQ(device.paints, 1);
            device._oGraphics->SetLineColor(12).PaintRectangle(10, 10, 100, 50);
        }
        ENHMETAHEADER header{};
        std::string description;
        ASSERT_TRUE(ReadHeader(c.file, header, description));
        EXPECT_EQ(description, c.recorded);
        if (c.frame.right) {
            EXPECT_EQ(header.rclFrame.right, c.frame.right);
            EXPECT_EQ(header.rclFrame.bottom, c.frame.bottom);
        }
        // The rectangle's rows count upward from the lowest row (Wine 8's
        // bounds may reach one row lower than the pixels drawn).
        EXPECT_EQ(header.rclBounds.left, 10);
        EXPECT_NEAR(header.rclBounds.bottom, c.size.cy - 1 - 10, 1);
        EXPECT_NEAR(header.rclBounds.top, c.size.cy - 1 - 60, 1);
    }
}

TEST(EnhMetaFileTest, WithoutArgumentsTheProgramsFolderGetsLumatile)
{
    const std::string file = ProgramDir() + "lumatile.emf";
    std::remove(file.c_str());
    {
        gEnhMetaFile device;
        EXPECT_EQ(device.CanvasSize().cx, 500);
        EXPECT_EQ(device.CanvasSize().cy, 500);
        EXPECT_TRUE(FileExists(file));
        EXPECT_EQ(GetEnhMetaFileA(file.c_str()), nullptr) << "incomplete before Destroy";
        device._oGraphics->SetLineColor(12).PaintRectangle(10, 10, 30, 30);
        device.Destroy();
        device.Destroy();
    }
    ENHMETAHEADER header{};
    std::string description;
    ASSERT_TRUE(ReadHeader(file, header, description));
    EXPECT_EQ(description, "Tessaray\0Enhanced Meta File\0\0"s);
    EXPECT_GT(header.rclFrame.right, 0) << "the system's frame round the picture";
    std::remove(file.c_str());
}

TEST(EnhMetaFileTest, AMissingFolderRecordsNothing)
{
    gEnhMetaFile device("no such folder\\picture.emf", 100, 100);
    EXPECT_EQ(device.MetafileDC(), nullptr);
    device._oGraphics->SetLineColor(12).PaintRectangle(10, 10, 30, 30);
    device.PaintNew();
    device.Destroy();
    EXPECT_FALSE(FileExists("no such folder\\picture.emf"));
}

// The same figures on any device.
void Picture(Graphics& g)
{
    g.SetBackgroundColor(ColorArg::Rgb(255, 255, 255)).PaintEraseCanvas();
    g.SetLineColor(12).SetFillColor(9).PaintRectangle(20, 30, 200, 100, 1);
    g.SetLineColor(2).PaintRectangle(5, 5, 40, 300);
}

TEST(EnhMetaFileTest, PlayedBackItGivesThePixelsOfTheDirectDrawing)
{
    // A quarter of the screen's millimetres is a whole number of pixels, so
    // the frame fills the canvas exactly.
    HDC screen = GetDC(nullptr);
    const double width = GetDeviceCaps(screen, HORZSIZE) / 4.0, height = GetDeviceCaps(screen, VERTSIZE) / 4.0;
    ReleaseDC(nullptr, screen);
    SIZE size{};
    {
        gEnhMetaFile device("picture.emf", width, height, "Picture", false);
        size = device.CanvasSize();
        Picture(*device._oGraphics);
    }
    gMemory direct(2, size.cx, size.cy);
    Picture(*direct._oGraphics);
    gMemory played(2, size.cx, size.cy);
    ASSERT_TRUE(PlayBack("picture.emf", played, size));
    // Every pixel is the direct drawing's, except that Wine 8's playback may
    // put a mirrored rectangle's edge on the neighbouring row: a pixel that
    // differs must then be its neighbour's in the direct drawing.
    DeviceUnits directUnits(direct.GetMemoryDC()), playedUnits(played.GetMemoryDC());
    auto Direct = [&](int x, int y) { return GetPixel(direct.GetMemoryDC(), x, y); };
    int shifted = 0, wrong = 0;
    for (int y = 1; y + 1 < size.cy; y += 3)
        for (int x = 0; x < size.cx; x += 3) {
            const COLORREF pixel = GetPixel(played.GetMemoryDC(), x, y);
            if (pixel == Direct(x, y)) continue;
            ++(pixel == Direct(x, y - 1) || pixel == Direct(x, y + 1) ? shifted : wrong);
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_LT(shifted, size.cx);
}

// A subclass made through Painted records what its own Paint draws, also
// when it keeps the default of painting in the constructor.
TEST(EnhMetaFileTest, ASubclassIsMadeWithItsFullRepaint)
{
    class Plan : public gEnhMetaFile {
    public:
        using gEnhMetaFile::gEnhMetaFile;
        void Paint() override
        {
            ++paints;
            Picture(*_oGraphics);
        }
        int paints = 0;
    };
    std::unique_ptr<Plan> device = gEnhMetaFile::Painted<Plan>("plan.emf");
    EXPECT_EQ(device->paints, 1);
    const SIZE size = device->CanvasSize();
    device.reset();
    gMemory played(2, size.cx, size.cy);
    ASSERT_TRUE(PlayBack("plan.emf", played, size));
    EXPECT_EQ(GetPixel(played.GetMemoryDC(), 100, 80), RGB(0, 0, 255)) << "the filled rectangle";
}

TEST(EnhMetaFileTest, ManyDevicesLeaveNoGdiObjectsBehind)
{
    for (int i = 0; i < 10000; ++i) {
        gEnhMetaFile device("leak.emf", {}, {}, "Leak", i % 2 == 0);
        device._oGraphics->SetLineColor(12).PaintRectangle(1, 1, 5, 5);
        if (i % 3 == 0) device.Destroy();
    }
    gMemory after(2, 40, 40);
    after._oGraphics->SetBackgroundColor(ColorArg::Rgb(0, 0, 255)).PaintEraseCanvas();
    DeviceUnits units(after.GetMemoryDC());
    EXPECT_EQ(GetPixel(after.GetMemoryDC(), 20, 20), RGB(0, 0, 255));
}

}  // namespace
