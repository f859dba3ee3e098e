// Strings and string rings: alignment by origin mode, background modes,
// measuring, and the ring's placement of its characters.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphics/objects/canvas_fixture.h"

namespace {

class StringsTest : public CanvasTest {
protected:
    void Renew()
    {
        CanvasTest::Renew();
        // 14 pixels high, not antialiased.
        G().SetStringFont(std::string("Arial"), 0.0, 14.0, {}, 2u, {}, 3u);
        // An opaque text cell takes the DC's background colour.
        SetBkColor(ScreenDC(), RGB(0, 0, 255));
    }
    StringsTest() { Renew(); }
    // Centre of the painted pixels.
    std::pair<double, double> Centroid() const
    {
        double sx = 0, sy = 0;
        const auto s = Painted();
        for (const auto& [x, y] : s) sx += x, sy += y;
        return {sx / s.size(), sy / s.size()};
    }
};

TEST_F(StringsTest, OpaqueCellSitsOnThePointByOriginMode)
{
    const int w = static_cast<int>(G().GetStringWidth("Hg")), h = static_cast<int>(G().GetStringHeight("Hg"));
    ASSERT_GT(w, 5);
    ASSERT_GT(h, 5);
    struct Case {
        uint32_t nOrigin;
        int left, bottom;  // the anchor of the cell's bottom edge
    };
    const Case aCases[] = {{0, 20, 20}, {10, 20 - w / 2, 20 - h / 2}, {4, 20 - w, 20 - h}, {6, 20 - w, 20}};
    for (const Case& c : aCases) {
        Renew();
        G().PaintString(20, 20, "Hg", c.nOrigin, 0);
        // The cell's bottom edge lies on the anchor row, its pixels above it.
        EXPECT_EQ(PaintedBox(), std::to_string(c.left) + "," + std::to_string(c.bottom + 1) + "-" +
                                    std::to_string(c.left + w - 1) + "," + std::to_string(c.bottom + h))
            << "origin " << c.nOrigin;
    }
}

TEST_F(StringsTest, RotatedTextIsCentredByTheRotatedAlignment)
{
    // Right angles; others are corrected for the aspect of the drawing area.
    for (double fAngle : {90.0, 180.0, 270.0}) {
        Renew();
        G().SetStringFont({}, {}, {}, {}, {}, fAngle);
        G().PaintString(32, 24, "Hgh", 10, 0);
        const auto [x, y] = Centroid();
        EXPECT_NEAR(x, 32.0, 2.5) << fAngle;
        EXPECT_NEAR(y, 24.0, 2.5) << fAngle;
    }
}

TEST_F(StringsTest, TransparentTextLeavesTheCellAlone)
{
    G().PaintString(20, 20, "Hg");
    const auto painted = Painted();
    ASSERT_FALSE(painted.empty());
    for (const auto& [x, y] : painted) EXPECT_EQ(Pixel(x, y), RGB(0, 0, 0)) << x << "," << y;
    const int w = static_cast<int>(G().GetStringWidth("Hg")), h = static_cast<int>(G().GetStringHeight("Hg"));
    EXPECT_LT(painted.size(), static_cast<size_t>(w * h / 2));
    for (const auto& [x, y] : painted) {
        EXPECT_TRUE(x >= 20 && x < 20 + w && y >= 20 && y < 20 + h) << x << "," << y;
    }
}

TEST_F(StringsTest, MeasuredInWorldUnits)
{
    const double w = G().GetStringWidth("Meridoxa"), h = G().GetStringHeight("Meridoxa");
    EXPECT_EQ(G().GetStringWidth(""), 0.0);
    G().SetWorldSystem(2.0, 4.0);
    EXPECT_DOUBLE_EQ(G().GetStringWidth("Meridoxa"), w / 2.0);
    EXPECT_DOUBLE_EQ(G().GetStringHeight("Meridoxa"), h / 4.0);
    EXPECT_EQ(PaintedBox(), "none");
    G().SetWorldSystem(1.0, 1.0).SetStringFont({}, {}, {}, {}, {}, 180.0);
    EXPECT_DOUBLE_EQ(G().GetStringWidth("Meridoxa"), w);
    G().SetStringFont({}, {}, {}, {}, {}, 90.0);
    EXPECT_NEAR(G().GetStringWidth("Meridoxa"), w, 1e-9);
    EXPECT_NEAR(G().GetStringHeight("Meridoxa"), h, 1e-9);
}

TEST_F(StringsTest, RingSetsTheTextAroundItsAngle)
{
    struct Case {
        double fAngle;
        uint32_t nAlign;
        double dx, dy;  // direction of the painted centre from the ring's centre
    };
    // On the upward device angle 0 lies below the centre, and the characters
    // follow increasing angles counter-clockwise.
    const Case aCases[] = {{0, 2, 0, -1}, {90, 2, 1, 0}, {180, 2, 0, 1}, {0, 0, 1, -0.4}, {0, 1, -1, -0.4}};
    for (const Case& c : aCases) {
        Renew();
        G().PaintStringRing(32, 24, 18, c.fAngle, c.nAlign, 3, "RING");
        ASSERT_FALSE(Painted().empty()) << c.fAngle;
        const auto [x, y] = Centroid();
        const double len = std::hypot(x - 32, y - 24);
        EXPECT_GT(len, 8.0);
        EXPECT_GT(((x - 32) * c.dx + (y - 24) * c.dy) / (len * std::hypot(c.dx, c.dy)), 0.8)
            << "angle " << c.fAngle << " align " << c.nAlign << " centre " << x << "," << y;
    }
}

TEST_F(StringsTest, RingDrawsNothingItCannotSet)
{
    const struct {
        const char* cName;
        double fRadius;
        double fFactor;
        const char* cText;
    } aCases[] = {
        {"empty text", 18, 1.0, ""},
        {"radius 0", 0, 1.0, "RING"},
        {"negative world factor", 18, -1.0, "RING"},
        {"a character wider than the radius", 3, 1.0, "W"},
        {"radius not a number", std::numeric_limits<double>::quiet_NaN(), 1.0, "RING"},
        {"endless radius", std::numeric_limits<double>::infinity(), 1.0, "RING"},
    };
    for (const auto& c : aCases) {
        Renew();
        G().SetWorldSystem(c.fFactor, 1.0).SetWorldOrigin(32, 0).PaintStringRing(0, 24, c.fRadius, 0, 2, 3, c.cText);
        EXPECT_EQ(PaintedBox(), "none") << c.cName;
    }
}

}  // namespace
