// Colours, fonts and the GDI objects of the framework.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/framework/gdi.h"

namespace {

TEST(FontTest, KeepsItsAttributesAsALogFontRecord)
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    Font font(8, "Arial");
    font.Bold(true);
    LOGFONTA record = font.GetLogFontStruct();
    EXPECT_EQ(record.lfHeight, -MulDiv(8, dpi, 72));
    EXPECT_EQ(record.lfWeight, FW_BOLD);
    EXPECT_STREQ(record.lfFaceName, "Arial");
    EXPECT_TRUE(font.IsBold());
    EXPECT_EQ(font.PointSize(), 8);

    // A face name longer than a LOGFONT holds is cut to 31 characters.
    Font wide(10, std::string(40, 'x'));
    EXPECT_EQ(std::string(wide.GetLogFontStruct().lfFaceName), std::string(31, 'x'));

    LOGFONTA given{};
    given.lfHeight = -13;
    given.lfWeight = 700;
    strcpy(given.lfFaceName, "Courier New");
    Font fromRecord(given);
    EXPECT_EQ(fromRecord.GetLogFontStruct().lfHeight, -13);
    EXPECT_EQ(fromRecord.FaceName(), "Courier New");
    ASSERT_NE(fromRecord.Handle(), nullptr);
    LOGFONTA made{};
    GetObjectA(fromRecord.Handle(), sizeof made, &made);
    EXPECT_EQ(made.lfWeight, 700);
}

TEST(FontTest, CopiesShareTheGdiFontUntilOneChanges)
{
    Font font(10, "Arial");
    Font copy = font;
    EXPECT_EQ(copy.Handle(), font.Handle());
    copy.Italic(true);
    EXPECT_NE(copy.Handle(), font.Handle());
    EXPECT_FALSE(font.GetLogFontStruct().lfItalic);
}

TEST(GdiTest, ColoursBrushesAndPens)
{
    Color color(12, 34, 56);
    EXPECT_EQ(color.Red(), 12);
    EXPECT_EQ(color.Green(), 34);
    EXPECT_EQ(color.Blue(), 56);
    EXPECT_EQ(Color::FromColorRef(RGB(12, 34, 56)), color);

    Brush brush(color);
    LOGBRUSH solid{};
    ASSERT_TRUE(GetObjectA(brush.Handle(), sizeof solid, &solid));
    EXPECT_EQ(solid.lbColor, color.ColorRef());
    EXPECT_EQ(Brush::Stock(BLACK_BRUSH).Handle(), GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Brush().IsNull());

    Pen pen(color, 3);
    LOGPEN line{};
    ASSERT_TRUE(GetObjectA(pen.Handle(), sizeof line, &line));
    EXPECT_EQ(line.lopnWidth.x, 3);
    EXPECT_EQ(line.lopnColor, color.ColorRef());
}

TEST(GdiTest, ResourcesThatAreMissingGiveNoHandle)
{
    EXPECT_EQ(Bitmap("TEST_NO_SUCH_BITMAP").Handle(), nullptr);
    EXPECT_EQ(Bitmap("TEST_NO_SUCH_BITMAP").Size(), Dimension(0, 0));
    EXPECT_EQ(Icon("TEST_NO_SUCH_ICON").Handle(), nullptr);
    EXPECT_NE(Pointer::System(IDC_WAIT).Handle(), nullptr);
}

}  // namespace
