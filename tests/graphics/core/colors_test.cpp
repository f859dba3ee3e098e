// The colour table and the colour conversions.
#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/core/graphics.h"
#include "graphics/test_device.h"

namespace {

class ColorsTest : public ::testing::Test {
protected:
    // The first painter fills the table.
    void SetUp() override { oGraphics = std::make_unique<Graphics>(oDevice, 10, 10); }
    TestDevice oDevice{2, 10, 10};
    std::unique_ptr<Graphics> oGraphics;
};

TEST(ColorTableTest, ConversionsBeforeAnyPainterFillTheTable)
{
    // In a process of its own, which has made no painter.
    EXPECT_EXIT(
        {
            const bool lEmpty = gaColorArray.empty();
            const bool lValues = ChangeNum2Rgb(15) == 0xFFFFFF && ChangeNum2Bgr(0) == 0 &&
                                 ChangeRgb2Num(0x0000FF) == 12 && SetColorCode(1, 2, 3) == 412;
            std::exit(lEmpty && lValues ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(ColorsTest, NumbersGiveTheirValuesInBothOrdersAndOutOfRangeIsBlack)
{
    struct Case {
        int32_t nNumber;
        uint32_t nRgb, nBgr;
    };
    const Case aCases[] = {
        {1, 0xA00000, 0x0000A0},
        {7, 0xC0C0C0, 0xC0C0C0},
        {8, 0x808080, 0x808080},
        {12, 0x0000FF, 0xFF0000},
        {13, 0xFFA0FF, 0xFFA0FF},
        {15, 0xFFFFFF, 0xFFFFFF},
        {16, 0, 0},
        {17, 0xFFF8F0, 0xF0F8FF},
        {411, 0x008B8B, 0x8B8B00},
        {0, 0, 0},
        {-3, 0, 0},
        {412, 0, 0},
    };
    ASSERT_EQ(gaColorArray.size(), 411U);
    for (const Case& c : aCases) {
        EXPECT_EQ(ChangeNum2Rgb(c.nNumber), c.nRgb) << c.nNumber;
        EXPECT_EQ(ChangeNum2Bgr(c.nNumber), c.nBgr) << c.nNumber;
    }
}

TEST_F(ColorsTest, SetColorCodeAppendsANumberValidAtOnce)
{
    const size_t nBefore = gaColorArray.size();
    const int32_t n = SetColorCode(10, 20, 30);
    EXPECT_EQ(n, static_cast<int32_t>(nBefore + 1));
    EXPECT_EQ(ChangeNum2Rgb(n), 10U + 20 * 256 + 30 * 65536);
    gaColorArray.pop_back();
}

TEST_F(ColorsTest, ConversionsOfValues)
{
    EXPECT_EQ(ChangeColor2Rgb({1, 2, 3}), 0x030201U);
    EXPECT_EQ(ChangeColor2Bgr({1, 2, 3}), 0x010203U);
    EXPECT_EQ(ChangeColor2Rgb({256 + 7, -1, 0}), 0x00FF07U) << "components become bytes";
    const ColorTriple c = ChangeRgb2Color(0x123456);
    EXPECT_EQ(c.nRed, 0x56);
    EXPECT_EQ(c.nGreen, 0x34);
    EXPECT_EQ(c.nBlue, 0x12);
    EXPECT_EQ(ChangeRgb2Invert(0xFFFFFF), 0U);
    EXPECT_EQ(ChangeRgb2Invert(0), 0xFFFFFFU);
    EXPECT_EQ(ChangeRgb2Invert(0x7F102030), 0xEFDFCFU) << "the fourth byte is dropped";
    EXPECT_EQ(ChangeColorArg2Rgb(ColorArg::Rgb(255, 0, 0)), 0x0000FFU);
    EXPECT_EQ(ChangeColorArg2Bgr(ColorArg(1)), 0x0000A0U);
}

TEST_F(ColorsTest, GreyOfBlackAndWhiteMode)
{
    struct Case {
        uint32_t nRgb;
        uint32_t nGrey;
    };
    const Case aCases[] = {
        {0x0000FF, 141}, {0x00FF00, 170}, {0xFF0000, 148}, {0x1E140A, 133},
        {0xFFFFFF, 255}, {0, 0},          {0x808080, 128}, {0x404040, 64},
    };
    for (const Case& c : aCases) {
        EXPECT_EQ(ChangeRgb2Gray(c.nRgb), c.nGrey * 0x010101U) << std::hex << c.nRgb;
    }
}

TEST_F(ColorsTest, NearestNumberTakesTheLowestAmongEquals)
{
    struct Case {
        uint32_t nRgb;
        int32_t nNumber;
    };
    const Case aCases[] = {
        {0xFFFFFF, 15}, {0, 16}, {0xC0C0C0, 7}, {0x0000FF, 12}, {0x010000FE, 12}, {0x0100FE, 12},  // one step off red
        {0x808080, 8},  // grey 128 also stands at 146: the lower number wins
    };
    for (const Case& c : aCases) EXPECT_EQ(ChangeRgb2Num(c.nRgb), c.nNumber) << std::hex << c.nRgb;
    std::vector<ColorTriple> aSaved = gaColorArray;
    gaColorArray.assign(1, {255, 255, 255});
    EXPECT_EQ(ChangeRgb2Num(0), 0) << "at distance 765 from every colour";
    gaColorArray = aSaved;
}

}  // namespace
