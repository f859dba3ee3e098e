// The memory device: sizes by source, the caller's bitmap left untouched,
// the full repaint threshold, the handed-out copy, and the upward DC.
#include "graphics/windows/gmemory.h"

#include <gtest/gtest.h>

#include "graphics/objects/objectshape.h"

namespace {

TEST(MemoryTest, SizesBySourceAndRequest)
{
    struct Case {
        MemorySource uSource;
        int32_t nWidth, nHeight;
        SIZE oExpected;
        int32_t nDeviceTyp;
    };
    // A negative size counts as none given.
    HBITMAP hCallers = CreateBitmap(48, 20, 1, 32, nullptr);
    const Case aCases[] = {
        {2, 0, 0, {500, 500}, kDeviceMemory},
        {2, 300, 0, {300, 500}, kDeviceMemory},
        {2, 40, 30, {40, 30}, kDeviceMemory},
        {2, -5, 0, {500, 500}, kDeviceMemory},
        {2, 300, -1, {300, 500}, kDeviceMemory},
        {hCallers, -5, -7, {48, 20}, kDeviceMemory},
        {hCallers, 30, -7, {30, 20}, kDeviceMemory},
        {1, 40, 30, {0, 0}, kDeviceScreen},  // no source
        {std::string("NO_SUCH_BITMAP"), 40, 30, {0, 0}, kDeviceScreen},
    };
    for (const Case& c : aCases) {
        gMemory oMemory(c.uSource, c.nWidth, c.nHeight);
        EXPECT_EQ(oMemory.CanvasSize().cx, c.oExpected.cx) << c.nWidth << " x " << c.nHeight;
        EXPECT_EQ(oMemory.CanvasSize().cy, c.oExpected.cy) << c.nWidth << " x " << c.nHeight;
        EXPECT_EQ(oMemory._nDeviceTyp, c.nDeviceTyp);
        EXPECT_EQ(oMemory.GetMemoryDC() != nullptr, c.nDeviceTyp == kDeviceMemory);
        EXPECT_EQ(oMemory._oGraphics != nullptr, c.nDeviceTyp == kDeviceMemory);
        if (oMemory._oGraphics) {
            EXPECT_EQ(oMemory._oGraphics->State()._oDim.cx, c.oExpected.cx);
        }
    }
    DeleteObject(hCallers);
    gMemory oNone(0);
    EXPECT_EQ(oNone.GetMemoryHandle(), nullptr);
    oNone.PaintNew();
}

TEST(MemoryTest, CallersBitmapIsCopiedStretchedAndLeftUnchanged)
{
    HDC hScreen = GetDC(nullptr);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, 64, 48);
    HDC hDC = CreateCompatibleDC(hScreen);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    PatBlt(hDC, 0, 0, 64, 48, BLACKNESS);
    SetPixelV(hDC, 0, 47, RGB(255, 0, 0));  // bottom-left in rows from the top
    SelectObject(hDC, hOld);
    {
        gMemory oMemory(hBitmap, 128, 0);
        EXPECT_EQ(oMemory.CanvasSize().cx, 128);
        EXPECT_EQ(oMemory.CanvasSize().cy, 48);
        EXPECT_EQ(GetPixel(oMemory.GetMemoryDC(), 0, 0), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(oMemory.GetMemoryDC(), 1, 0), RGB(255, 0, 0)) << "stretched twice as wide";
        oMemory._oGraphics->SetBackgroundColor(9).PaintEraseCanvas();
        EXPECT_EQ(GetPixel(oMemory.GetMemoryDC(), 0, 0), RGB(0, 0, 255));
    }
    hOld = SelectObject(hDC, hBitmap);
    EXPECT_EQ(GetPixel(hDC, 0, 47), RGB(255, 0, 0)) << "the caller's bitmap is unchanged";
    EXPECT_EQ(GetPixel(hDC, 5, 5), RGB(0, 0, 0));
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    EXPECT_NE(GetObjectType(hBitmap), 0U) << "and still the caller's";
    DeleteObject(hBitmap);
}

class CountingMemory : public gMemory {
public:
    using gMemory::gMemory;
    void Paint() override { ++nPaints; }
    int nPaints = 0;
};

TEST(MemoryTest, PaintNewPaintsOnlyAreasWiderAndHigherThanTen)
{
    const std::pair<SIZE, int> aCases[] = {{{10, 300}, 0}, {{300, 10}, 0}, {{11, 11}, 1}};
    for (const auto& [oSize, nPaints] : aCases) {
        CountingMemory oMemory(2, oSize.cx, oSize.cy, false);
        oMemory.PaintNew();
        EXPECT_EQ(oMemory.nPaints, nPaints) << oSize.cx << " x " << oSize.cy;
        if (nPaints > 0) {
            EXPECT_EQ(oMemory._oGraphics->State()._nClipWidth, oSize.cx) << "clipped to the whole area";
        }
    }
}

TEST(MemoryTest, ASubclassIsMadeWithItsFullRepaint)
{
    class Picture : public gMemory {
    public:
        Picture() : gMemory(2, 40, 30, false) {}
        void Paint() override
        {
            ++nPaints;
            _oGraphics->SetBackgroundColor(ColorArg::Rgb(0, 0, 255)).PaintEraseCanvas();
        }
        int nPaints = 0;
    };
    const std::unique_ptr<Picture> oPicture = gMemory::Painted<Picture>();
    EXPECT_EQ(oPicture->nPaints, 1);
    EXPECT_EQ(GetPixel(oPicture->GetMemoryDC(), 20, 15), RGB(0, 0, 255));
}

TEST(MemoryTest, HandleIsACopyMadeOnce)
{
    gMemory oMemory(2, 20, 20);
    oMemory._oGraphics->SetBackgroundColor(12).PaintEraseCanvas();
    EXPECT_EQ(oMemory.Background(), RGB(255, 0, 0)) << "the painter gave the device its background";
    const HBITMAP hFirst = oMemory.GetMemoryHandle();
    oMemory._oGraphics->SetBackgroundColor(9).PaintEraseCanvas();
    EXPECT_EQ(oMemory.GetMemoryHandle(), hFirst);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hFirst);
    EXPECT_EQ(GetPixel(hDC, 3, 3), RGB(255, 0, 0)) << "the canvas as it was at the first call";
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
}

TEST(MemoryTest, BitmapObjectIsACopyMadeOnceThatOutlivesTheDevice)
{
    Bitmap oCopy;
    {
        gMemory oMemory(2, 20, 10);
        oMemory._oGraphics->SetBackgroundColor(12).PaintEraseCanvas();
        oCopy = oMemory.GetMemoryObject();
        oMemory._oGraphics->SetBackgroundColor(9).PaintEraseCanvas();
        EXPECT_EQ(oMemory.GetMemoryObject().Handle(), oCopy.Handle());
        EXPECT_NE(oMemory.GetMemoryHandle(), oCopy.Handle()) << "the handle form is a copy of its own";
    }
    EXPECT_EQ(oCopy.Size(), (Dimension{20, 10}));
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, oCopy.Handle());
    EXPECT_EQ(GetPixel(hDC, 3, 3), RGB(255, 0, 0));
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    gMemory oNone(0);
    EXPECT_EQ(oNone.GetMemoryObject().Handle(), nullptr);
}

TEST(MemoryTest, DrawsEachObjectOfAListInOrder)
{
    class Marking : public objectShape {
    public:
        Marking(GraphicsDevice& oDevice, std::vector<int>& aOrder, int n) : objectShape(oDevice), _aOrder(aOrder), _n(n)
        {
        }
        void Draw() override { _aOrder.push_back(_n); }

    private:
        std::vector<int>& _aOrder;
        int _n;
    };
    gMemory oMemory(2, 20, 20);
    std::vector<int> aOrder;
    Marking a(oMemory, aOrder, 1), b(oMemory, aOrder, 2);
    oMemory.Draw(std::vector<objectShape*>{&a, nullptr, &b});
    EXPECT_EQ(aOrder, (std::vector<int>{1, 2}));
}

TEST(MemoryTest, DestroyReleasesAndCanBeRepeated)
{
    gMemory oMemory(2, 20, 20);
    oMemory.GetMemoryHandle();
    oMemory.Destroy();
    EXPECT_EQ(oMemory.GetMemoryDC(), nullptr);
    EXPECT_EQ(oMemory._oGraphics, nullptr);
    EXPECT_EQ(oMemory.GetMemoryHandle(), nullptr);
    oMemory.Destroy();
}

}  // namespace
