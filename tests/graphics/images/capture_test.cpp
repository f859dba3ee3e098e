// Window capture: the client area or the whole window as a BMP or GIF file,
// read back here and (check_pictures.py) by independent readers.
#include "graphics/images/capture.h"

#include <gtest/gtest.h>

#include "graphics/images/gifwriter.h"
#include "graphics/windows/gkitwindow.h"
#include "image_support.h"
#include "platform/framework/app.h"

using namespace imagetest;

namespace {

// Red in its upper half, blue in its lower half.
class TwoColourWindow : public gTopAppWindow {
public:
    void Paint() override
    {
        const SIZE o = _oGraphics->State()._oDim;
        _oGraphics->SetBackgroundColor(ColorArg::Rgb(255, 0, 0)).PaintEraseCanvas();
        _oGraphics->SetBackgroundColor(ColorArg::Rgb(0, 0, 255)).PaintEraseArea(0, 0, o.cx, o.cy / 2);
    }
};

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oWindow.SetSize({220, 160});
        oWindow.Show();
        UpdateWindow(oWindow.Handle());
        ApplicationExec();
    }
    // What the client area shows, top row first.
    std::vector<uint8_t> ClientPixels() const
    {
        HDC hDC = GetDC(oWindow.Handle());
        const BoundingBox oCanvas = oWindow.CanvasArea();
        std::vector<uint8_t> a = RgbOf(hDC, oCanvas.Width(), oCanvas.Height());
        ReleaseDC(oWindow.Handle(), hDC);
        return a;
    }
    TwoColourWindow oWindow;
};

int32_t Dword(const std::vector<uint8_t>& a, std::size_t i)
{
    return static_cast<int32_t>(a[i] | (a[i + 1] << 8) | (a[i + 2] << 16) | (a[i + 3] << 24));
}

}  // namespace

TEST_F(CaptureTest, GifOfTheClientAreaIsUprightWithRedOnTop)
{
    SaveWin2Gif(oWindow, "client.gif");
    const BoundingBox oCanvas = oWindow.CanvasArea();
    const std::vector<uint8_t> a = ReadBytes("client.gif");
    ASSERT_GT(a.size(), 800u);
    EXPECT_EQ(a[6] | (a[7] << 8), oCanvas.Width());
    EXPECT_EQ(a[8] | (a[9] << 8), oCanvas.Height());
    // The readers must find what the window shows: red above, blue below.
    const std::vector<uint8_t> aRgb = ClientPixels();
    WriteBytes("client.rgb", aRgb);
    EXPECT_EQ(std::vector<uint8_t>(aRgb.begin(), aRgb.begin() + 3), (std::vector<uint8_t>{255, 0, 0}));
    const std::size_t nBottomMiddle =
        (static_cast<std::size_t>(oCanvas.Height() - 1) * oCanvas.Width() + oCanvas.Width() / 2) * 3;
    EXPECT_EQ(std::vector<uint8_t>(aRgb.begin() + nBottomMiddle, aRgb.begin() + nBottomMiddle + 3),
              (std::vector<uint8_t>{0, 0, 255}));
}

TEST_F(CaptureTest, BmpOfTheClientAreaOrTheWholeWindowHasItsSize)
{
    struct Case {
        bool lWhole;
        Dimension oSize;
    };
    const Case aCases[] = {{false, oWindow.CanvasArea().Extent()}, {true, oWindow.Size()}};
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.lWhole);
        DeleteFileA("window.bmp");
        SaveWin2Bmp(oWindow, "window.bmp", c.lWhole);
        const std::vector<uint8_t> a = ReadBytes("window.bmp");
        ASSERT_GT(a.size(), 54u);
        EXPECT_EQ(Dword(a, 18), c.oSize.Width());
        EXPECT_EQ(Dword(a, 22), c.oSize.Height());
        // The GIF of the same part has the same size.
        SaveWin2Gif(oWindow, "window.gif", c.lWhole);
        const std::vector<uint8_t> g = ReadBytes("window.gif");
        ASSERT_GT(g.size(), 10u);
        EXPECT_EQ(g[6] | (g[7] << 8), c.oSize.Width());
    }
    EXPECT_NE(oWindow.Size(), oWindow.CanvasArea().Extent());
    // Client-area BMP: the top rows red, the bottom rows blue (stored bottom-up).
    SaveWin2Bmp(oWindow, "client.bmp");
    WriteBytes("client_bmp.rgb", ClientPixels());
    CopyFileA("client.bmp", "client_bmp.bmp", FALSE);
}

TEST_F(CaptureTest, RepeatedCapturesLeaveNoGdiObjectsBehind)
{
    // Into a folder that does not exist, so that the captures, the colour
    // reduction and the encoders run in full and only the file is refused.
    for (int i = 0; i < 5000; ++i) {
        SaveWin2Gif(oWindow, "no\\such\\folder\\repeat.gif", i % 2 == 0);
        SaveWin2Bmp(oWindow, "no\\such\\folder\\repeat.bmp", i % 2 == 1);
    }
    // Each capture makes at least a context and a bitmap: had they leaked,
    // Wine's table of about 65,000 GDI objects could not take 40,000 more.
    std::vector<HPEN> aPens(40000);
    int nMade = 0;
    for (HPEN& h : aPens) nMade += (h = CreatePen(PS_SOLID, 1, RGB(1, 2, 3))) != nullptr;
    for (HPEN h : aPens) DeleteObject(h);
    EXPECT_EQ(nMade, 40000);
    SaveWin2Gif(oWindow, "repeat.gif");
    EXPECT_GT(ReadBytes("repeat.gif").size(), 800u);
}
