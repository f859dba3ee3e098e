// The kit's push buttons, group box and icon on a form with a striped
// surface: shapes and regions, border by style and state, captions, pictures
// and icons with their clear parts, and Return and the cursor through the
// real message loop.
#include "graphics/windows/gkitbutton.h"
#include "graphics/windows/gkitcontrols.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "graphics/windows/gformwindow.h"
#include "platform/framework/app.h"
#include "shown_form_test.h"

namespace {

class ButtonForm : public gDataWindow {
public:
    ButtonForm() : gDataWindow(nullptr, "KIT_FORM")
    {
        // Every item has an object: the kit windows' child walks end at the
        // first child without one.
        for (int nId = 100; nId < 108; ++nId) AddControl<Control>(nId);
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

class KitButtonTest : public ShownFormTest<ButtonForm> {
protected:
    std::unique_ptr<gFormPushButton> Make(Dimension oSize, std::optional<int> nForm, const std::string& cCaption = {})
    {
        auto oButton = std::make_unique<gFormPushButton>(oForm, 300, Point{20, 60}, oSize, cCaption, "PRESSME", nForm);
        oButton->Show();
        return oButton;
    }
    // The top-left pixel of a control in the form's client area.
    POINT At(const Window& oControl) const
    {
        RECT r;
        GetWindowRect(oControl.Handle(), &r);
        MapWindowPoints(HWND_DESKTOP, oForm.Handle(), reinterpret_cast<POINT*>(&r), 1);
        return {r.left, r.top};
    }
    // The form's pixel at (x, y) from the point o of its client area.
    COLORREF FormPixel(POINT o, int x, int y) const
    {
        HDC hDC = GetDC(oForm.Handle());
        const COLORREF c = GetPixel(hDC, o.x + x, o.y + y);
        ReleaseDC(oForm.Handle(), hDC);
        return c;
    }
    COLORREF FormPixel(const Window& oControl, int x, int y) const { return FormPixel(At(oControl), x, y); }
    // The painted surface there, from the refresh bitmap.
    COLORREF SurfacePixel(POINT o, int x, int y) const
    {
        const int nHeight = oForm.CanvasArea().Height();
        return GetPixel(oForm._oGraphics->State()._oRefreshCanvas.DC(), o.x + x, nHeight - 1 - (o.y + y));
    }
    COLORREF SurfacePixel(const Window& oControl, int x, int y) const { return SurfacePixel(At(oControl), x, y); }
    // The pixels of the box (x0, y0) - (x1, y1) from the point o that differ
    // from the surface, leaving out those for which lSkip(x, y) holds.
    template <typename Skip>
    int PixelsOffTheSurface(POINT o, int x0, int y0, int x1, int y1, Skip lSkip) const
    {
        int nOff = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (!lSkip(x, y) && FormPixel(o, x, y) != SurfacePixel(o, x, y)) ++nOff;
        return nOff;
    }
    // The place of a control's own pixel in the form's canvas (y upward).
    Point PixelPlace(const Window& oControl) const
    {
        const POINT o = At(oControl);
        return {o.x, oForm.CanvasArea().Height() - 1 - o.y};
    }
    // The form's pixels in the rectangle r of its client area, row by row.
    std::vector<COLORREF> Shot(const RECT& r) const
    {
        const int w = r.right - r.left, h = r.bottom - r.top;
        BITMAPINFO oInfo{};
        oInfo.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        HBITMAP hBitmap = CreateDIBSection(nullptr, &oInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
        HDC hForm = GetDC(oForm.Handle());
        HDC hDC = CreateCompatibleDC(hForm);
        HGDIOBJ hOld = SelectObject(hDC, hBitmap);
        BitBlt(hDC, 0, 0, w, h, hForm, r.left, r.top, SRCCOPY);
        GdiFlush();
        const auto* pPixels = static_cast<const COLORREF*>(pBits);
        std::vector<COLORREF> aPixels(pPixels, pPixels + static_cast<std::size_t>(w) * h);
        SelectObject(hDC, hOld);
        DeleteDC(hDC);
        ReleaseDC(oForm.Handle(), hForm);
        DeleteObject(hBitmap);
        return aPixels;
    }
    // The pixels of r that differ from what a fresh paint of the whole form
    // (its surface, then every control) shows there.
    int PixelsOffAFreshPaint(const RECT& r)
    {
        const std::vector<COLORREF> aShown = Shot(r);
        RedrawWindow(oForm.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        Settle();
        const std::vector<COLORREF> aFresh = Shot(r);
        int nOff = 0;
        for (std::size_t i = 0; i < aShown.size(); ++i) nOff += aShown[i] != aFresh[i];
        return nOff;
    }
    // Return and a click on a shaped or a transparent button with the focus.
    void ReturnAndClick(bool lTransparent);
    static COLORREF Pixel(const Window& oButton, int x, int y)
    {
        HDC hDC = GetDC(oButton.Handle());
        const COLORREF c = GetPixel(hDC, x, y);
        ReleaseDC(oButton.Handle(), hDC);
        return c;
    }
};

// Two regions cover the same pixels (Wine's EqualRgn also compares how the
// regions are cut into rectangles).
bool SameArea(HRGN hOne, HRGN hOther)
{
    HRGN hDifference = CreateRectRgn(0, 0, 0, 0);
    const int nKind = CombineRgn(hDifference, hOne, hOther, RGN_XOR);
    DeleteObject(hDifference);
    return nKind == NULLREGION;
}

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
            EXPECT_TRUE(SameArea(hActual, hExpected));
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

COLORREF Sys(int nIndex)
{
    return GetSysColor(nIndex);
}

// The shaped button's face: the button-face colour with a red part of at
// least 1.
COLORREF FaceColor()
{
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return RGB(std::max(1, int(GetRValue(c))), GetGValue(c), GetBValue(c));
}

// The states a user gives a button: the focus by Tab or a click, pressed by
// Return held down while it has the focus.
enum class State { kNeither, kFocused, kPressed };

void Enter(gKitButton& oButton, State eState)
{
    if (eState == State::kNeither) return;
    // Another program on the display may hold the activation: ask again.
    for (int i = 0; i < 20 && GetFocus() != oButton.Handle(); ++i) {
        SetForegroundWindow(GetAncestor(oButton.Handle(), GA_ROOT));
        SetFocus(oButton.Handle());
        ApplicationExec();
    }
    if (eState == State::kPressed) SendMessageA(oButton.Handle(), WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(KitButtonTest, BorderFollowsStyleAndState)
{
    // Colours at the left edge (x 0), two pixels in (x 2) and the right edge.
    struct Case {
        bool lFlat;
        State eState;
        COLORREF nLeft, nInner, nRight;
        int nFocusInset;  // 0: no focus mark
    };
    const COLORREF nDark = Sys(COLOR_3DDKSHADOW), nLight = Sys(COLOR_BTNHIGHLIGHT), nShadow = Sys(COLOR_BTNSHADOW);
    const COLORREF nFace = FaceColor();
    const Case aCases[] = {
        {true, State::kNeither, nDark, nLight, nDark, 0},  {true, State::kFocused, nDark, nFace, nDark, 3},
        {true, State::kPressed, nDark, nFace, nDark, 3},   {false, State::kNeither, nLight, nFace, nShadow, 0},
        {false, State::kFocused, nDark, nLight, nDark, 4}, {false, State::kPressed, nDark, nFace, nDark, 4},
    };
    for (const Case& k : aCases) {
        SCOPED_TRACE(testing::Message() << (k.lFlat ? "flat" : "raised") << ", state " << int(k.eState));
        auto oButton = Make({60, 24}, 5);
        if (k.lFlat)
            SetWindowLongA(oButton->Handle(), GWL_STYLE, GetWindowLongA(oButton->Handle(), GWL_STYLE) | BS_FLAT);
        // The focus can go to another program between the key and the paint:
        // enter the state again until it holds through a paint.
        for (int n = 0; n < 5; ++n) {
            Enter(*oButton, k.eState);
            Settle();
            if (k.eState == State::kNeither || GetFocus() == oButton->Handle()) break;
        }
        EXPECT_EQ(oButton->IsPressed(), k.eState == State::kPressed);
        EXPECT_EQ(Pixel(*oButton, 0, 12), k.nLeft);
        EXPECT_EQ(Pixel(*oButton, 2, 12), k.nInner);
        EXPECT_EQ(Pixel(*oButton, 59, 12), k.nRight);
        EXPECT_EQ(Pixel(*oButton, 30, 12), nFace);
        // The focus mark sets every other pixel of its top line.
        const int i = k.nFocusInset > 0 ? k.nFocusInset : 4;
        int nDots = 0;
        for (int x = 10; x < 30; ++x) {
            const bool lDot = Pixel(*oButton, x, i) == nDark;
            nDots += lDot ? 1 : 0;
            if (k.nFocusInset > 0) {
                EXPECT_NE(lDot, Pixel(*oButton, x + 1, i) == nDark) << x;
            }
        }
        EXPECT_EQ(nDots, k.nFocusInset > 0 ? 10 : 0);
        oButton.reset();
        SetFocus(oForm.oPlain->Handle());
    }
}

// The pixels of the button's inner part, clear of every border.
std::vector<COLORREF> Inner(const Window& oButton, int nDx)
{
    std::vector<COLORREF> aPixels;
    HDC hDC = GetDC(oButton.Handle());
    const Dimension s = oButton.Size();
    for (int y = 7; y < s.height - 8; ++y)
        for (int x = 7; x < s.width - 8; ++x) aPixels.push_back(GetPixel(hDC, x + nDx, y + nDx));
    ReleaseDC(oButton.Handle(), hDC);
    return aPixels;
}

TEST_F(KitButtonTest, CaptionColourClipAndPressedShift)
{
    const COLORREF nGrey = Sys(COLOR_GRAYTEXT);
    auto oButton = Make({80, 30}, 5, "Wide & bold caption that does not fit");
    SetFocus(oButton->Handle());
    Settle();
    const std::vector<COLORREF> aFocused = Inner(*oButton, 0);
    SendMessageA(oButton->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    Settle();
    EXPECT_EQ(Inner(*oButton, 1), aFocused) << "pressed, the caption lies one pixel right and down";
    SendMessageA(oButton->Handle(), WM_KEYUP, VK_RETURN, 0);
    const COLORREF nText = oButton->TextColor()->ColorRef();
    EXPECT_GE(GetRValue(nText), 1) << "the text colour is never pure black";
    EXPECT_NE(std::count(aFocused.begin(), aFocused.end(), nText), 0);
    EXPECT_EQ(std::count(aFocused.begin(), aFocused.end(), nGrey), 0);
    // A single line is cut at the text clip: nothing outside it is text.
    for (int y = 0; y < 30; ++y) EXPECT_NE(Pixel(*oButton, 1, y), nText) << y;
    oButton->Disable();
    Settle();
    const std::vector<COLORREF> aDisabled = Inner(*oButton, 0);
    EXPECT_NE(std::count(aDisabled.begin(), aDisabled.end(), nGrey), 0);
    EXPECT_EQ(std::count(aDisabled.begin(), aDisabled.end(), nText), 0);

    // An empty caption leaves the face, and the border stays.
    auto oEmpty = Make({80, 30}, 5);
    Settle();
    const std::vector<COLORREF> aFace = Inner(*oEmpty, 0);
    EXPECT_EQ(std::count(aFace.begin(), aFace.end(), aFace.front()), static_cast<long>(aFace.size()));
    EXPECT_EQ(Pixel(*oEmpty, 0, 15), Sys(COLOR_BTNHIGHLIGHT));
}

TEST_F(KitButtonTest, AnAmpersandIsDrawnAsItself)
{
    // "A&B" draws three characters: as wide as "A" + "&" + "B" in its font.
    auto oButton = Make({120, 30}, 5, "A&B");
    Settle();
    HDC hDC = GetDC(oButton->Handle());
    HGDIOBJ hOld = SelectObject(hDC, reinterpret_cast<HFONT>(SendMessageA(oButton->Handle(), WM_GETFONT, 0, 0)));
    SIZE oThree{}, oTwo{};
    GetTextExtentPoint32A(hDC, "A&B", 3, &oThree);
    GetTextExtentPoint32A(hDC, "AB", 2, &oTwo);
    SelectObject(hDC, hOld);
    ReleaseDC(oButton->Handle(), hDC);
    const COLORREF nText = oButton->TextColor()->ColorRef();
    int nLeft = 120, nRight = -1;
    for (int x = 0; x < 120; ++x)
        for (int y = 5; y < 25; ++y)
            if (Pixel(*oButton, x, y) == nText) {
                nLeft = std::min(nLeft, x);
                nRight = std::max(nRight, x);
            }
    EXPECT_GT(nRight - nLeft + 1, oTwo.cx) << "the ampersand shows";
    EXPECT_LE(nRight - nLeft + 1, oThree.cx);
}

// The box of the pixels (x, y) of a w x h area for which lIn(x, y) holds;
// empty when there are none.
template <class Fn>
RECT BoxWhere(int w, int h, Fn lIn)
{
    RECT oBox{0, 0, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!lIn(x, y)) continue;
            const RECT oPixel{x, y, x + 1, y + 1};
            UnionRect(&oBox, &oBox, &oPixel);
        }
    return oBox;
}

// The picture of the image tests, n x n pixels: a one-pixel edge around four
// quarters of their own colours; its top-left pixel and a 4 x 4 block in its
// middle have the colour that the buttons draw as transparent.
constexpr COLORREF kClear = RGB(0, 200, 0), kEdge = RGB(200, 0, 200);
constexpr COLORREF kQuarters[4] = {RGB(220, 20, 20), RGB(20, 20, 220), RGB(230, 200, 0), RGB(0, 180, 180)};

Bitmap Picture(int n)
{
    BITMAPINFO oInfo{};
    oInfo.bmiHeader = {sizeof(BITMAPINFOHEADER), n, -n, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, &oInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
    auto* aPixels = static_cast<uint32_t*>(pBits);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool lMiddle = std::abs(2 * x + 1 - n) < 4 && std::abs(2 * y + 1 - n) < 4;
            const bool lEdge = x == 0 || y == 0 || x == n - 1 || y == n - 1;
            const COLORREF c = (x == 0 && y == 0) || lMiddle ? kClear
                               : lEdge                       ? kEdge
                                                             : kQuarters[(y < n / 2 ? 0 : 2) + (x < n / 2 ? 0 : 1)];
            aPixels[y * n + x] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    return Bitmap::Adopt(hBitmap);
}

bool OfThePicture(COLORREF c)
{
    return c == kEdge || std::find(std::begin(kQuarters), std::end(kQuarters), c) != std::end(kQuarters);
}

TEST_F(KitButtonTest, PicturesArePlacedAndShowTheFaceThroughTheirClearColour)
{
    struct Case {
        const char* cWhat;
        bool lTransparent;
        int nForm;
        Dimension oSize;
        bool lFlat;
        bool lStretch, lFit, lInside;
        int nPicture;     // edge length of the picture; 0: the program's icon instead
        LONG nStyleBit;   // BS_BITMAP or BS_ICON
        RECT oBox;        // where the picture's colours show; empty: nowhere
        bool lEdgeShows;  // false: only the middle part is drawn
    };
    const Case aCases[] = {
        {"stretched inside", false, 5, {60, 40}, false, true, true, true, 16, BS_BITMAP, {6, 6, 54, 34}, true},
        {"fitted into a circle", false, 1, {60, 60}, false, true, true, true, 16, BS_BITMAP, {12, 12, 48, 48}, true},
        {"centred", false, 5, {60, 40}, false, false, false, true, 16, BS_BITMAP, {22, 12, 38, 28}, true},
        {"cut to its middle part", false, 5, {60, 40}, false, false, false, true, 64, BS_BITMAP, {6, 6, 54, 34}, false},
        // The flat border's light line at 2 pixels lies over the picture.
        {"under the border", false, 5, {60, 40}, true, true, true, false, 16, BS_BITMAP, {3, 3, 57, 37}, true},
        {"on a transparent button", true, 5, {60, 40}, false, true, true, true, 16, BS_BITMAP, {6, 6, 54, 34}, true},
        {"a bitmap under the icon bit", false, 5, {60, 40}, false, true, true, true, 16, BS_ICON, {}, false},
        {"an icon under the bitmap bit", false, 5, {60, 40}, false, true, true, true, 0, BS_BITMAP, {}, false},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cWhat);
        std::unique_ptr<gKitButton> oButton;
        if (c.lTransparent) {
            auto oTrans = std::make_unique<gTransPushButton>(oForm, 300, Point{20, 60}, c.oSize, "", "", c.nForm);
            oTrans->SetStretch(c.lStretch, c.lFit, c.lInside);
            oButton = std::move(oTrans);
        } else {
            auto oShaped = Make(c.oSize, c.nForm);
            oShaped->SetStretch(c.lStretch, c.lFit, c.lInside);
            oButton = std::move(oShaped);
        }
        if (c.nPicture > 0)
            oButton->SetImage(Picture(c.nPicture));
        else
            oButton->SetImage(Icon("ICOAPP_VO", 32));
        const LONG nStyle = GetWindowLongA(oButton->Handle(), GWL_STYLE) | c.nStyleBit | (c.lFlat ? BS_FLAT : 0);
        SetWindowLongA(oButton->Handle(), GWL_STYLE, nStyle);
        oButton->Show();
        oButton->Repaint();
        Settle();
        auto behind = [&](int x, int y) { return c.lTransparent ? SurfacePixel(*oButton, x, y) : FaceColor(); };
        const RECT oBox =
            BoxWhere(c.oSize.width, c.oSize.height, [&](int x, int y) { return OfThePicture(Pixel(*oButton, x, y)); });
        EXPECT_EQ(oBox.left, c.oBox.left);
        EXPECT_EQ(oBox.top, c.oBox.top);
        EXPECT_EQ(oBox.right, c.oBox.right);
        EXPECT_EQ(oBox.bottom, c.oBox.bottom);
        if (IsRectEmpty(&c.oBox)) {
            for (int y = 6; y < c.oSize.height - 6; ++y)
                for (int x = 6; x < c.oSize.width - 6; ++x)
                    ASSERT_EQ(Pixel(*oButton, x, y), behind(x, y)) << x << ", " << y;
            continue;
        }
        // The clear colour shows what lies behind, in the corner and inside.
        const int xm = (c.oBox.left + c.oBox.right) / 2, ym = (c.oBox.top + c.oBox.bottom) / 2;
        EXPECT_EQ(Pixel(*oButton, xm, ym), behind(xm, ym));
        if (c.lEdgeShows) {
            EXPECT_EQ(Pixel(*oButton, c.oBox.left, c.oBox.top), behind(c.oBox.left, c.oBox.top));
        }
        // The quarters lie around the middle, the edge only where the whole picture
        // shows.
        const POINT aQuarters[4] = {{c.oBox.left + 5, c.oBox.top + 5},
                                    {c.oBox.right - 6, c.oBox.top + 5},
                                    {c.oBox.left + 5, c.oBox.bottom - 6},
                                    {c.oBox.right - 6, c.oBox.bottom - 6}};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Pixel(*oButton, aQuarters[i].x, aQuarters[i].y), kQuarters[i]) << i;
        EXPECT_EQ(Pixel(*oButton, c.oBox.left, ym) == kEdge, c.lEdgeShows);
        if (!c.lInside) {
            EXPECT_EQ(Pixel(*oButton, c.oBox.left - 1, ym), Sys(COLOR_BTNHIGHLIGHT)) << "the border over the picture";
        }
    }
}

TEST_F(KitButtonTest, AnIconIsDrawnThroughItsMask)
{
    // 32 x 32 centred in 60 x 60: from 14 to 46 on both axes.
    auto oButton = Make({60, 60}, 5);
    oButton->SetStretch(false, false, true);
    const Icon oIcon("ICOAPP_VO", 32);
    oButton->SetImage(oIcon);
    SetWindowLongA(oButton->Handle(), GWL_STYLE, GetWindowLongA(oButton->Handle(), GWL_STYLE) | BS_ICON);
    oButton->Repaint();
    Settle();
    ICONINFO oInfo{};
    ASSERT_TRUE(GetIconInfo(oIcon.Handle(), &oInfo));
    ASSERT_NE(oInfo.hbmColor, nullptr);
    HDC hMask = CreateCompatibleDC(nullptr);
    HDC hColor = CreateCompatibleDC(nullptr);
    HGDIOBJ hOldMask = SelectObject(hMask, oInfo.hbmMask);
    HGDIOBJ hOldColor = SelectObject(hColor, oInfo.hbmColor);
    int nClear = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            // Where the mask is set the face stays (combined with the colour).
            const bool lMask = GetPixel(hMask, x, y) != 0;
            nClear += lMask ? 1 : 0;
            const COLORREF nExpected = (lMask ? FaceColor() : 0) | GetPixel(hColor, x, y);
            ASSERT_EQ(Pixel(*oButton, 14 + x, 14 + y), nExpected) << x << ", " << y;
        }
    SelectObject(hMask, hOldMask);
    SelectObject(hColor, hOldColor);
    DeleteDC(hMask);
    DeleteDC(hColor);
    DeleteObject(oInfo.hbmMask);
    DeleteObject(oInfo.hbmColor);
    EXPECT_GT(nClear, 0);
    EXPECT_LT(nClear, 32 * 32);
}

TEST_F(KitButtonTest, AMultiLineCaptionWrapsWithinTheInscribedMargins)
{
    // The ellipse's margin is 1 + (W - W / sqrt 2) / 2 = 15 of 100 pixels; the
    // rectangle keeps 2; a single line is cut at the text clip, 3 pixels in.
    struct Case {
        int nForm;
        bool lMultiLine;
        int nMargin;
    };
    const Case aCases[] = {{1, true, 15}, {5, true, 2}, {1, false, 3}};
    for (const Case& c : aCases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.nForm << (c.lMultiLine ? ", multi-line" : ""));
        auto oButton = Make({100, 60}, c.nForm, "Alpha Beta Gamma Delta Epsilon");
        if (c.lMultiLine) {
            SetWindowLongA(oButton->Handle(), GWL_STYLE, GetWindowLongA(oButton->Handle(), GWL_STYLE) | BS_MULTILINE);
        }
        oButton->Repaint();
        Settle();
        HDC hDC = GetDC(oButton->Handle());
        const COLORREF nText = oButton->TextColor()->ColorRef();
        const RECT oInk = BoxWhere(100, 60, [&](int x, int y) { return GetPixel(hDC, x, y) == nText; });
        HFONT hFont = reinterpret_cast<HFONT>(SendMessageA(oButton->Handle(), WM_GETFONT, 0, 0));
        HGDIOBJ hOld = hFont != nullptr ? SelectObject(hDC, hFont) : nullptr;
        TEXTMETRICA oMetrics{};
        GetTextMetricsA(hDC, &oMetrics);
        if (hOld != nullptr) SelectObject(hDC, hOld);
        ReleaseDC(oButton->Handle(), hDC);
        ASSERT_FALSE(IsRectEmpty(&oInk));
        EXPECT_GE(oInk.left, c.nMargin);
        EXPECT_LE(oInk.right, 100 - c.nMargin);
        // Wrapped, the text takes several lines; a single line stays one.
        EXPECT_EQ(oInk.bottom - oInk.top > oMetrics.tmHeight, c.lMultiLine) << oInk.bottom - oInk.top;
    }
}

TEST_F(KitButtonTest, ReturnAndClickCallTheOwnersMethodOnce)
{
    for (const bool lTransparent : {false, true}) {
        SCOPED_TRACE(lTransparent ? "transparent" : "shaped");
        oForm.aCalls.clear();
        ReturnAndClick(lTransparent);
    }
}

void KitButtonTest::ReturnAndClick(bool lTransparent)
{
    std::unique_ptr<gKitButton> oButton;
    if (lTransparent)
        oButton = std::make_unique<gTransPushButton>(oForm, 300, Point{20, 60}, Dimension{60, 24}, "Go", "PRESSME", 0);
    else
        oButton = Make({60, 24}, 0, "Go");
    oButton->Show();
    TakeFocus(*oButton);
    PostMessageA(oButton->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    ApplicationExec();
    EXPECT_TRUE(oButton->IsPressed());
    EXPECT_TRUE(oForm.aCalls.empty()) << "nothing on the press";
    PostMessageA(oButton->Handle(), WM_KEYUP, VK_RETURN, 0);
    ApplicationExec();
    EXPECT_EQ(oForm.aCalls, std::vector<std::string>{"PRESSME"});
    EXPECT_FALSE(oButton->IsPressed());
    EXPECT_EQ(oForm.nOk, 0) << "the dialog navigation does not take Return";

    // Without the focus, Return changes nothing.
    oForm.aCalls.clear();
    TakeFocus(*oForm.oPlain);
    PostMessageA(oButton->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(oButton->Handle(), WM_KEYUP, VK_RETURN, 0);
    ApplicationExec();
    EXPECT_TRUE(oForm.aCalls.empty());
    EXPECT_FALSE(oButton->IsPressed());

    // A click takes the focus and calls the method once.
    PostMessageA(oButton->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 12));
    PostMessageA(oButton->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 12));
    ApplicationExec();
    EXPECT_EQ(oForm.aCalls, std::vector<std::string>{"PRESSME"});
    EXPECT_TRUE(oButton->IsFocused());
    EXPECT_EQ(oForm.nOk, 0);
}

TEST_F(KitButtonTest, TheHandShowsOverAKitButtonOnly)
{
    auto oButton = Make({60, 24}, 0, "Go");
    const auto hClassCursor = GetClassLongPtrA(oForm.oPlain->Handle(), GCLP_HCURSOR);
    ASSERT_NE(hClassCursor, 0);
    SendMessageA(oButton->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(oButton->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const HCURSOR hHand = GetCursor();
    EXPECT_NE(hHand, nullptr);
    EXPECT_NE(reinterpret_cast<LONG_PTR>(hHand), hClassCursor);
    EXPECT_EQ(GetClassLongPtrA(oForm.oPlain->Handle(), GCLP_HCURSOR), hClassCursor)
        << "the shared class keeps its cursor";
    SendMessageA(oForm.oPlain->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(oForm.oPlain->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetCursor()), hClassCursor);
}

SIZE TextExtent(const gTransGroupBox& oGroup, const std::string& cText)
{
    HDC hDC = GetDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, oGroup.CaptionFont());
    SIZE oSize{};
    GetTextExtentPoint32A(hDC, cText.c_str(), static_cast<int>(cText.size()), &oSize);
    SelectObject(hDC, hOld);
    ReleaseDC(nullptr, hDC);
    return oSize;
}

TEST_F(KitButtonTest, GroupBoxFrameFollowsItsCaption)
{
    const COLORREF nDark = Sys(COLOR_BTNSHADOW), nLight = Sys(COLOR_BTNHIGHLIGHT);
    for (const std::string& cCaption : {std::string("Group"), std::string()}) {
        SCOPED_TRACE(cCaption);
        gTransGroupBox oGroup(oForm, 310, {20, 40}, {200, 100});
        oGroup.Show();
        EXPECT_EQ(oGroup.Size().width, 1);
        EXPECT_EQ(PixelPlace(oGroup).y, 139) << "the pixel at the top left of the rectangle";
        oGroup.SetCaption(cCaption);
        Settle();
        const int h = static_cast<int>(TextExtent(oGroup, cCaption).cy >> 1);
        const int nGapEnd = cCaption.empty() ? 0 : 14 + static_cast<int>(TextExtent(oGroup, cCaption).cx);
        for (int x = 0; x < 199; ++x) {
            const bool lGap = nGapEnd > 0 && x >= 6 && x < nGapEnd;
            if (!lGap) {
                EXPECT_EQ(FormPixel(oGroup, x, h), nDark) << x;
            }
        }
        if (nGapEnd > 0) {
            EXPECT_NE(FormPixel(oGroup, 7, h), nDark) << "the gap before the caption";
        }
        for (int y = h + 2; y < 100; y += 9) {
            EXPECT_EQ(FormPixel(oGroup, 0, y), nDark) << y;
            EXPECT_EQ(FormPixel(oGroup, 1, y), nLight) << y;
            EXPECT_EQ(FormPixel(oGroup, 199, y), nDark) << y;
            EXPECT_EQ(FormPixel(oGroup, 200, y), nLight) << y;
        }
        EXPECT_EQ(FormPixel(oGroup, 50, 100), nDark);
        EXPECT_EQ(FormPixel(oGroup, 50, 101), nLight);
        EXPECT_EQ(FormPixel(oGroup, 50, 102), SurfacePixel(oGroup, 50, 102)) << "nothing below the frame";

        // An expose that misses the group's own pixel brings the frame back.
        RECT r;
        GetWindowRect(oGroup.Handle(), &r);
        MapWindowPoints(HWND_DESKTOP, oForm.Handle(), reinterpret_cast<POINT*>(&r), 1);
        RECT oLower{r.left + 20, r.top + 80, r.left + 120, r.top + 110};
        InvalidateRect(oForm.Handle(), &oLower, FALSE);
        Settle();
        EXPECT_EQ(FormPixel(oGroup, 50, 100), nDark);
    }
}

// A shorter caption and a new place leave nothing of the old caption and
// frame behind, and the one pixel of the control's own window shows the
// surface, not what the system paints there. (Both places lie below and
// beside the template's controls, whose windows keep what they draw.)
TEST_F(KitButtonTest, GroupBoxLeavesNothingBehindWhenItsCaptionOrPlaceChanges)
{
    gTransGroupBox oGroup(oForm, 310, {20, 10}, {170, 80});
    oGroup.Show();
    const std::string cLong = "A rather long group caption";
    oGroup.SetCaption(cLong);
    Settle();
    const SIZE oLong = TextExtent(oGroup, cLong);
    EXPECT_GT(PixelsOffTheSurface(At(oGroup), 10, 0, 10 + oLong.cx, oLong.cy, [](int, int) { return false; }), 20)
        << "the long caption is drawn";
    oGroup.SetCaption("Short");
    Settle();
    // Beyond the short caption only the top line, now unbroken, is drawn.
    const SIZE oShort = TextExtent(oGroup, "Short");
    const int h = static_cast<int>(oShort.cy >> 1);
    EXPECT_EQ(PixelsOffTheSurface(At(oGroup), 14 + oShort.cx, 0, 10 + oLong.cx, oLong.cy,
                                  [&](int, int y) { return y == h || y == h + 1; }),
              0);
    EXPECT_EQ(FormPixel(oGroup, 0, 0), SurfacePixel(oGroup, 0, 0)) << "the control's own pixel";

    const POINT oOld = At(oGroup);
    oGroup.SetOrigin({220, oGroup.Origin().y});
    Settle();
    EXPECT_EQ(PixelsOffTheSurface(oOld, 0, 0, 172, 83, [](int, int) { return false; }), 0) << "the old frame";
    EXPECT_EQ(FormPixel(oGroup, 50, 80), Sys(COLOR_BTNSHADOW)) << "the frame in its new place";
    EXPECT_EQ(FormPixel(oGroup, 0, 0), SurfacePixel(oGroup, 0, 0));
}

TEST_F(KitButtonTest, GroupBoxCaptionStandsAtTenZero)
{
    const COLORREF nInk = RGB(255, 0, 128);
    gTransGroupBox oGroup(oForm, 310, {20, 40}, {200, 100});
    oGroup.Show();
    oGroup.SetFont(Font(10, "Arial"));
    oGroup.SetTextColor(Color::FromColorRef(nInk));
    oGroup.SetCaption("Group");
    Settle();
    // The same text drawn at (10, 0) on white in the same (unsmoothed) font.
    HDC hScreen = GetDC(nullptr);
    HDC hDC = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, 200, 40);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOldBitmap = SelectObject(hDC, hBitmap);
    HGDIOBJ hOldFont = SelectObject(hDC, oGroup.CaptionFont());
    PatBlt(hDC, 0, 0, 200, 40, WHITENESS);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, nInk);
    TextOutA(hDC, 10, 0, "Group", 5);
    const RECT oExpected = BoxWhere(200, 40, [&](int x, int y) { return GetPixel(hDC, x, y) == nInk; });
    SelectObject(hDC, hOldFont);
    SelectObject(hDC, hOldBitmap);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
    const RECT oInk = BoxWhere(200, 40, [&](int x, int y) { return FormPixel(oGroup, x, y) == nInk; });
    ASSERT_FALSE(IsRectEmpty(&oExpected));
    EXPECT_EQ(oInk.left, oExpected.left);
    EXPECT_EQ(oInk.top, oExpected.top);
    EXPECT_EQ(oInk.right, oExpected.right);
    EXPECT_EQ(oInk.bottom, oExpected.bottom);
}

TEST_F(KitButtonTest, GroupBoxCaptionFontHasNoSmoothingOnceGiven)
{
    gTransGroupBox oGroup(oForm, 310, {20, 40}, {200, 100});
    EXPECT_EQ(oGroup.CaptionFont(), GetStockObject(DEFAULT_GUI_FONT));
    oGroup.SetFont(Font(10, "Arial"));
    LOGFONTA oFont{};
    ASSERT_NE(GetObjectA(oGroup.CaptionFont(), sizeof oFont, &oFont), 0);
    EXPECT_EQ(oFont.lfQuality, NONANTIALIASED_QUALITY);
    EXPECT_STREQ(oFont.lfFaceName, "Arial");
}

TEST_F(KitButtonTest, IconDrawsThroughItsMaskAboveItsOrigin)
{
    gTransFixedIcon oIcon(oForm, 320, {40, 30}, {10, 10});
    oIcon.Show();
    EXPECT_EQ(oIcon.Size().width, 1);
    EXPECT_EQ(PixelPlace(oIcon).x, 40);
    EXPECT_EQ(PixelPlace(oIcon).y, 30 + GetSystemMetrics(SM_CYICON) - 1);
    Settle();
    // Where the question mark's mask is set and its colour black, the surface
    // shows.
    HICON hQuestion = LoadIconA(nullptr, IDI_QUESTION);
    ICONINFO oInfo{};
    ASSERT_TRUE(GetIconInfo(hQuestion, &oInfo)) << "the shared icon still exists after the paints";
    HDC hMask = CreateCompatibleDC(nullptr);
    HDC hColor = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hMask, oInfo.hbmMask);
    HGDIOBJ hOldColor = SelectObject(hColor, oInfo.hbmColor);
    int nTransparent = 0, nDrawn = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool lTransparent = GetPixel(hMask, x, y) != 0 && GetPixel(hColor, x, y) == 0;
            if (lTransparent) {
                ++nTransparent;
                EXPECT_EQ(FormPixel(oIcon, x, y), SurfacePixel(oIcon, x, y)) << x << ", " << y;
            } else if (FormPixel(oIcon, x, y) != SurfacePixel(oIcon, x, y)) {
                ++nDrawn;
            }
        }
    SelectObject(hMask, hOld);
    SelectObject(hColor, hOldColor);
    DeleteDC(hMask);
    DeleteDC(hColor);
    DeleteObject(oInfo.hbmMask);
    if (oInfo.hbmColor != nullptr) DeleteObject(oInfo.hbmColor);
    EXPECT_GT(nTransparent, 0);
    EXPECT_GT(nDrawn, 100);
    EXPECT_EQ(FormPixel(oIcon, 33, 10), SurfacePixel(oIcon, 33, 10)) << "nothing right of the square";
}

TEST_F(KitButtonTest, IconLeavesNothingBehindWhenItMoves)
{
    gTransFixedIcon oIcon(oForm, 320, {40, 30}, {10, 10});
    oIcon.Show();
    Settle();
    const int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
    const POINT oOld = At(oIcon);
    EXPECT_GT(PixelsOffTheSurface(oOld, 0, 0, w, h, [](int, int) { return false; }), 100) << "the icon is drawn";
    // The question mark's corner is clear: the surface shows there.
    EXPECT_EQ(FormPixel(oIcon, 0, 0), SurfacePixel(oIcon, 0, 0)) << "the control's own pixel";
    oIcon.SetOrigin({300, 100});
    Settle();
    EXPECT_EQ(PixelsOffTheSurface(oOld, 0, 0, w, h, [](int, int) { return false; }), 0) << "the old place";
    EXPECT_GT(PixelsOffTheSurface(At(oIcon), 0, 0, w, h, [](int, int) { return false; }), 100) << "the new place";
    EXPECT_EQ(FormPixel(oIcon, 0, 0), SurfacePixel(oIcon, 0, 0));
}

// A group box and an icon are made at, tell and are moved to one point: the
// bottom-left corner of what they paint (the frame's rectangle, the icon's
// square); their own pixel stands on its top-left pixel.
TEST_F(KitButtonTest, GroupBoxAndIconAreMadeAtAndMovedToTheirBottomLeftCorner)
{
    const auto Follow = [&](const char* cKind, auto& oControl, int nHeight) {
        for (const Point p : {Point{20, 40}, Point{60, 25}, Point{60, 25}, Point{0, 0}}) {
            SCOPED_TRACE(testing::Message() << cKind << " at " << p.x << ", " << p.y);
            // Moved there, or made there at first.
            if (!(p == Point{20, 40})) oControl.SetOrigin(p);
            EXPECT_EQ(oControl.Origin().x, p.x);
            EXPECT_EQ(oControl.Origin().y, p.y);
            EXPECT_EQ(PixelPlace(oControl).x, p.x);
            EXPECT_EQ(PixelPlace(oControl).y, p.y + nHeight - 1);
        }
    };
    gTransGroupBox oGroup(oForm, 310, {20, 40}, {170, 80});
    Follow("group box", oGroup, 80);
    gTransFixedIcon oIcon(oForm, 320, {20, 40}, {10, 10});
    Follow("icon", oIcon, GetSystemMetrics(SM_CYICON));
}

// After each change of what a group box or icon shows, of its place and of
// its visibility, and when it ends, the form shows what a fresh paint of it
// in that state shows: nothing of the old caption, icon or place stays, and
// its own pixel shows the surface (the frame's and both icons' top-left
// corners are clear).
TEST_F(KitButtonTest, GroupBoxAndIconLeaveWhatAFreshPaintShows)
{
    SetWindowPos(oForm.Handle(), nullptr, 0, 0, 420, 440, SWP_NOMOVE | SWP_NOZORDER);
    Settle();
    // Every place used lies in this band below the template's controls.
    const BoundingBox oCanvas = oForm.CanvasArea();
    const RECT oBand{0, oCanvas.Height() - 130, oCanvas.Width(), oCanvas.Height()};
    ASSERT_NE(Icon("ICOAPP_VO", GetSystemMetrics(SM_CXICON)).Handle(), nullptr);
    const gTransGroupBox oMeasure(oForm, 311, {0, 0}, {10, 10});
    ASSERT_EQ(TextExtent(oMeasure, "Abcd").cx, TextExtent(oMeasure, "Acbd").cx);
    struct Step {
        const char* cName;
        std::function<void()> fnDo;
    };
    // Takes a control made by fnMake through its own changes, a move, a
    // hide, a show and its end, and then another one through its changes to
    // the end of its object, as a control of a closing form.
    const auto Follow = [&](const char* cKind, auto fnMake, auto fnChanges) {
        auto oControl = fnMake();
        std::vector<Step> aSteps = {{"made", [&] { oControl->Show(); }}};
        for (const Step& s : fnChanges(*oControl)) aSteps.push_back(s);
        const std::vector<Step> aCommon = {{"moved",
                                            [&] {
                                                oControl->SetOrigin({206, 20});
                                            }},
                                           {"hidden", [&] { oControl->Hide(); }},
                                           {"shown again", [&] { oControl->Show(); }},
                                           {"moved while hidden",
                                            [&] {
                                                oControl->Hide();
                                                oControl->SetOrigin({230, 40});
                                                oControl->Show();
                                            }},
                                           {"destroyed", [&] { oControl->Destroy(); }}};
        aSteps.insert(aSteps.end(), aCommon.begin(), aCommon.end());
        for (const Step& s : aSteps) {
            SCOPED_TRACE(testing::Message() << cKind << " " << s.cName);
            s.fnDo();
            Settle();
            if (oControl->Handle() != nullptr) {
                EXPECT_EQ(FormPixel(*oControl, 0, 0), SurfacePixel(*oControl, 0, 0)) << "its own pixel";
            }
            EXPECT_EQ(PixelsOffAFreshPaint(oBand), 0);
        }
        SCOPED_TRACE(testing::Message() << cKind << " ended with its object");
        oControl = fnMake();
        oControl->Show();
        for (const Step& s : fnChanges(*oControl)) s.fnDo();
        Settle();
        ASSERT_GT(PixelsOffTheSurface(At(*oControl), 0, 0, 32, 32, [](int, int) { return false; }), 10);
        oControl.reset();
        Settle();
        EXPECT_EQ(PixelsOffAFreshPaint(oBand), 0);
    };
    // Also on an owner that keeps its children out of its drawing, as the
    // kit's application windows do.
    for (const bool lClipChildren : {false, true}) {
        SCOPED_TRACE(lClipChildren ? "owner clips its children" : "owner draws over its children");
        const LONG nStyle = GetWindowLongA(oForm.Handle(), GWL_STYLE);
        SetWindowLongA(oForm.Handle(), GWL_STYLE, lClipChildren ? nStyle | WS_CLIPCHILDREN : nStyle);
        Follow(
            "group box",
            [&] {
                auto oGroup = std::make_unique<gTransGroupBox>(oForm, 310, Point{20, 10}, Dimension{170, 80});
                oGroup->SetCaption("Abcd");
                return oGroup;
            },
            [](gTransGroupBox& oGroup) {
                return std::vector<Step>{
                    {"given a caption of the same width", [&] { oGroup.SetCaption("Acbd"); }},
                    {"given another text colour", [&] { oGroup.SetTextColor(Color::FromColorRef(RGB(255, 0, 128))); }}};
            });
        Follow(
            "icon",
            [&] {
                return std::make_unique<gTransFixedIcon>(oForm, 320, Point{40, 30}, Dimension{10, 10});
            },
            [](gTransFixedIcon& oIcon) {
                return std::vector<Step>{{"given another icon", [&] {
                                              oIcon.SetHyperLabel({"", "ICOAPP_VO", "", ""});
                                              oIcon.Repaint();
                                          }}};
            });
    }
}

TEST_F(KitButtonTest, TransparentButtonShowsTheSurfaceBehindIt)
{
    gTransPushButton oButton(oForm, 330, {33, 47}, {70, 30}, "", "PRESSME", 5);
    oButton.Show();
    EXPECT_TRUE(oButton.KitOwner());
    for (const bool lMoved : {false, true}) {
        SCOPED_TRACE(lMoved ? "moved" : "made");
        if (lMoved) oButton.SetOrigin({101, 121});
        TakeFocus(oButton);
        Settle();
        int nChecked = 0;
        for (int y = 5; y < 25; ++y)
            for (int x = 5; x < 65; ++x, ++nChecked) {
                // The focus mark's rows and columns are left out.
                if (y == 4 || x == 4 || y == 25 || x == 65) continue;
                ASSERT_EQ(Pixel(oButton, x, y), SurfacePixel(oButton, x, y)) << x << ", " << y;
            }
        EXPECT_GT(nChecked, 1000);
        EXPECT_EQ(Pixel(oButton, 0, 15), Sys(COLOR_3DDKSHADOW)) << "the focused border";
        SetFocus(oForm.oPlain->Handle());
    }
}

TEST_F(KitButtonTest, TransparentButtonEmbossBackgroundAndStretch)
{
    gTransPushButton oButton(oForm, 330, {33, 47}, {90, 30}, "HHHH", "PRESSME", 5);
    oButton.Show();
    oButton.SetBackground(Brush(Color(255, 0, 0)));
    EXPECT_EQ(oButton.Background().Handle(), GetStockObject(NULL_BRUSH));
    oButton.SetStretch(std::nullopt, std::nullopt, std::nullopt);
    EXPECT_TRUE(oButton.Stretches());
    EXPECT_TRUE(oButton.FitsForm());
    EXPECT_FALSE(oButton.ImageInside());
    const COLORREF nText = oButton.TextColor()->ColorRef();
    for (const std::optional<bool> lShadow : {std::optional<bool>(true), std::optional<bool>()}) {
        oButton.SetShadow(lShadow);
        EXPECT_EQ(oButton.Shadowed(), lShadow.has_value());
        oButton.Repaint();
        Settle();
        const std::vector<COLORREF> aInner = Inner(oButton, 0);
        EXPECT_NE(std::count(aInner.begin(), aInner.end(), nText), 0);
        EXPECT_EQ(std::count(aInner.begin(), aInner.end(), nText ^ 0xFFFFFF) != 0, lShadow.has_value());
    }
}

TEST_F(KitButtonTest, OnAPlainWindowTheOwnerRepaintsTheEnlargedShape)
{
    TopAppWindow oPlain;
    oPlain.SetSize({300, 200});
    oPlain.Show();
    for (const int nForm : {0, 1, 5}) {
        SCOPED_TRACE(nForm);
        gTransPushButton oButton(oPlain, 340, {40, 50}, {80, 24}, "Go", "", nForm);
        oButton.Show();
        EXPECT_FALSE(oButton.KitOwner());
        UpdateWindow(oPlain.Handle());
        ApplicationExec();
        ValidateRect(oPlain.Handle(), nullptr);
        SendMessageA(oButton.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Again"));
        HRGN hUpdate = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(oPlain.Handle(), hUpdate, FALSE);
        RECT r;
        GetClientRect(oButton.Handle(), &r);
        MapWindowPoints(oButton.Handle(), oPlain.Handle(), reinterpret_cast<POINT*>(&r), 2);
        HRGN hExpected = nForm == 0   ? CreateRoundRectRgn(r.left - 2, r.top - 2, r.right + 1, r.bottom + 1, 11, 11)
                         : nForm == 1 ? CreateEllipticRgn(r.left - 2, r.top - 2, r.right + 1, r.bottom + 1)
                                      : CreateRectRgnIndirect(&r);
        EXPECT_TRUE(SameArea(hUpdate, hExpected));
        DeleteObject(hUpdate);
        DeleteObject(hExpected);
        ApplicationExec();
    }
}

// Wine's handle table holds about 65,000 objects: a control that kept one
// object per paint would exhaust it long before the end.
TEST_F(KitButtonTest, PaintsLeaveNoGdiObjectsBehind)
{
    auto oForm1 = Make({60, 24}, 0, "Go");
    gTransPushButton oTrans(oForm, 331, {100, 47}, {70, 30}, "Trans", "", 1);
    gTransGroupBox oGroup(oForm, 332, {20, 150}, {120, 60});
    gTransFixedIcon oIcon(oForm, 333, {200, 150}, {10, 10});
    for (Window* oControl : std::initializer_list<Window*>{oForm1.get(), &oTrans, &oGroup, &oIcon}) oControl->Show();
    oGroup.SetCaption("Group");
    oGroup.SetFont(Font(9, "Arial"));
    oTrans.SetShadow(true);
    SetFocus(oTrans.Handle());
    for (int i = 0; i < 70000; ++i) {
        if (i == 35000) {
            SendMessageA(oForm1->Handle(), WM_SETFOCUS, 0, 0);
            SendMessageA(oForm1->Handle(), WM_KEYDOWN, VK_RETURN, 0);
        }
        oForm1->PaintNew();
        oTrans.PaintNew();
        oTrans.PaintRefresh();
        oGroup.PaintNew();
        oIcon.PaintNew();
    }
    HPEN hPen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    EXPECT_NE(hPen, nullptr);
    DeleteObject(hPen);
    Settle();
    EXPECT_EQ(FormPixel(oGroup, 30, 60), Sys(COLOR_BTNSHADOW)) << "drawing still works";
}

}  // namespace
