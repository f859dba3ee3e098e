#pragma once
// What the shapefile tests share: the fixtures that make_fixtures.py wrote
// into the test's working folder (pyshp's files and the values pyshp's reader
// saw), and a counting memory device with a painter to paint them on.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/core/graphics.h"
#include "graphics/shapefile/shapefile.h"
#include "graphics/painter_access.h"
#include "graphics/test_device.h"

// An index entry as pyshp's reader saw the record (colour not included).
struct ExpectedEntry {
    int32_t nRecordNumber = 0, nShapeType = 0;
    uint32_t nDataPosition = 0, nDataLength = 0;
    double aBox[4]{};
    int32_t nPartCount = 0;
};

inline std::vector<ExpectedEntry> ReadExpected(const std::string& cName)
{
    std::ifstream f("expected_" + cName + ".txt");
    EXPECT_TRUE(f.good()) << "no expected values for " << cName << ": did make_fixtures.py run?";
    std::vector<ExpectedEntry> a;
    std::string cLine;
    while (std::getline(f, cLine)) {
        std::istringstream s(cLine);
        ExpectedEntry e;
        s >> e.nRecordNumber >> e.nShapeType >> e.nDataPosition >> e.nDataLength >> e.aBox[0] >> e.aBox[1] >>
            e.aBox[2] >> e.aBox[3] >> e.nPartCount;
        a.push_back(e);
    }
    return a;
}

// A memory device of the painter tests (it counts the drawing objects it
// draws), white, with its painter in red lines and blue fills.
class ShapeCanvasTest : public ::testing::Test {
protected:
    static constexpr COLORREF kWhite = RGB(255, 255, 255);
    static constexpr COLORREF kRed = RGB(255, 0, 0);
    static constexpr COLORREF kBlue = RGB(0, 0, 255);

    void MakeCanvas(int32_t nWidth, int32_t nHeight)
    {
        oShape.reset();
        oPainter.reset();
        oDevice = std::make_unique<TestDevice>(kDeviceMemory, nWidth, nHeight);
        oPainter = std::make_unique<Graphics>(*oDevice);
        nWidth_ = nWidth;
        nHeight_ = nHeight;
        Clear();
        G().SetLineColor(ColorArg::Rgb(255, 0, 0)).SetFillColor(ColorArg::Rgb(0, 0, 255));
    }
    void Clear()
    {
        FillBox(oDevice->DC(), {0, 0, nWidth_, nHeight_}, kWhite);
        oDevice->nDraws = 0;
    }
    Graphics& G() { return *oPainter; }
    // Opens a fixture on the painter; its header must be acceptable.
    ShapeFile& Open(const std::string& cFile)
    {
        oShape = std::make_unique<ShapeFile>(cFile, G(), cFile);
        EXPECT_TRUE(oShape->ReadFileHeader()) << cFile;
        return *oShape;
    }
    COLORREF Pixel(int x, int y) const { return oDevice->Pixel(x, y); }
    // How many pixels of the box (inclusive) have the colour.
    int Count(COLORREF nColor, int l = 0, int b = 0, int r = -1, int t = -1) const
    {
        if (r < 0) r = nWidth_ - 1;
        if (t < 0) t = nHeight_ - 1;
        int n = 0;
        for (int y = b; y <= t; ++y)
            for (int x = l; x <= r; ++x) n += Pixel(x, y) == nColor;
        return n;
    }

    std::unique_ptr<TestDevice> oDevice;
    std::unique_ptr<Graphics> oPainter;
    std::unique_ptr<ShapeFile> oShape;
    int32_t nWidth_ = 0, nHeight_ = 0;
};
