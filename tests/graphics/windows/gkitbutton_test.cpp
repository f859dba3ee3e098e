// The kit's shaped push button on a form with a striped surface: its shapes
// and regions, its border by style and state, its caption, and Return and
// the cursor through the real message loop.
#include "graphics/windows/gkitbutton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "graphics/windows/gformwindow.h"
#include "graphics/windows/gkit.h"
#include "platform/framework/app.h"

namespace {

class ButtonForm : public gDataWindow {
public:
    ButtonForm() : gDataWindow(nullptr, "KIT_FORM")
    {
        oPlain = AddControl<PushButton>(108);
        _oGraphics->SetBackgroundColor(14);
        PostInit();
    }
    void Paint() override
    {
        Graphics& g = *_oGraphics;
        const SIZE s = g.State()._oDim;
        for (int x = 0; x < s.cx; x += 6) {
            const int nColor = x % 12 == 0 ? 12 : 2;
            g.SetLineColor(nColor).SetFillColor(nColor).PaintRectangle(x, 0, 6, s.cy, 1);
        }
    }
    bool CallByName(std::string_view cName) override
    {
        aCalls.emplace_back(cName);
        return SameName(cName, "PRESSME");
    }
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message == WM_COMMAND && LOWORD(oEvent.wParam) == IDOK) ++nOk;
        return gDataWindow::Dispatch(oEvent);
    }

    PushButton* oPlain = nullptr;
    std::vector<std::string> aCalls;
    int nOk = 0;
};

class KitButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitFunction(); }
    void SetUp() override
    {
        SetWindowPos(oForm.Handle(), nullptr, 40, 40, 420, 300, SWP_NOZORDER);
        oForm.Show();
        Settle();
    }
    void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            RedrawWindow(oForm.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            ApplicationExec();
        }
    }
    std::unique_ptr<gFormPushButton> Make(Dimension oSize, std::optional<int> nForm, const std::string& cCaption = {})
    {
        return std::make_unique<gFormPushButton>(oForm, 300, Point{20, 60}, oSize, cCaption, "PRESSME", nForm);
    }
    static COLORREF Pixel(const Window& oButton, int x, int y)
    {
        HDC hDC = GetDC(oButton.Handle());
        const COLORREF c = GetPixel(hDC, x, y);
        ReleaseDC(oButton.Handle(), hDC);
        return c;
    }

    ButtonForm oForm;
};

HRGN WindowRegion(const Window& oWindow)
{
    HRGN hRegion = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(oWindow.Handle(), hRegion);
    return hRegion;
}

TEST_F(KitButtonTest, SetFormGivesShapeCornerPlaceAndRegion)
{
    struct Case {
        std::optional<int> nCode;
        uint16_t nForm;
    };
    const Case aCases[] = {{0, 0}, {1, 1}, {2, 1}, {5, 5}, {6, 0}, {3, 0}, {std::nullopt, 0}};
    const Dimension aSizes[] = {{80, 20}, {20, 80}, {30, 30}};
    for (const Dimension& s : aSizes) {
        for (const Case& c : aCases) {
            SCOPED_TRACE(testing::Message() << s.width << " x " << s.height << ", code " << c.nCode.value_or(-1));
            auto oButton = Make(s, 5);
            oButton->SetForm(c.nCode);
            EXPECT_EQ(oButton->FormCode(), c.nForm);
            // A capsule's corner is its smaller side; the others keep or set 10.
            EXPECT_EQ(oButton->Corner(), c.nCode == 6 ? std::min(s.width, s.height) : 10);
            // A circle is square on the smaller side, centred on the old place.
            const bool lCircle = c.nCode == 2;
            const int nSide = std::min(s.width, s.height);
            const Dimension oSize = lCircle ? Dimension{nSide, nSide} : s;
            const Point oOrigin =
                lCircle ? Point{20 + (s.width - nSide) / 2, 60 + (s.height - nSide) / 2} : Point{20, 60};
            EXPECT_EQ(oButton->Size().width, oSize.width);
            EXPECT_EQ(oButton->Size().height, oSize.height);
            EXPECT_EQ(oButton->Origin().x, oOrigin.x);
            EXPECT_EQ(oButton->Origin().y, oOrigin.y);
            const int w = oSize.width, h = oSize.height;
            const int nCorner = oButton->Corner();
            HRGN hExpected = c.nForm == 0   ? CreateRoundRectRgn(0, 0, w + 1, h + 1, nCorner, nCorner)
                             : c.nForm == 1 ? CreateEllipticRgn(0, 0, w + 1, h + 1)
                                            : CreateRectRgn(0, 0, w, h);
            HRGN hActual = WindowRegion(*oButton);
            // The window keeps the part of the region inside its rectangle.
            HRGN hWindowRect = CreateRectRgn(0, 0, w, h);
            CombineRgn(hExpected, hExpected, hWindowRect, RGN_AND);
            DeleteObject(hWindowRect);
            EXPECT_TRUE(EqualRgn(hActual, hExpected));
            RECT oBox;
            GetRgnBox(hActual, &oBox);
            EXPECT_EQ(oBox.left, 0);
            EXPECT_EQ(oBox.top, 0);
            EXPECT_EQ(oBox.right, w);
            EXPECT_EQ(oBox.bottom, h);
            // The corners belong to the rectangle only; the middle to every shape.
            EXPECT_TRUE(PtInRegion(hActual, w / 2, h / 2));
            for (const POINT p : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}})
                EXPECT_EQ(PtInRegion(hActual, p.x, p.y) != FALSE, c.nForm == 5) << p.x << ", " << p.y;
            DeleteObject(hActual);
            DeleteObject(hExpected);
        }
    }
}

}  // namespace
