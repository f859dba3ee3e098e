// What libraries and layouts use of a form beyond its controls: control
// extensions, tool tips, sliders, scroll bars, help requests, the system menu, extended
// styles and drawing on the canvas.
#include <windows.h>
#include <commctrl.h>

#include "platform/framework/drawobject.h"
#include "platform/framework/test_form.h"

namespace {

// Installs extensions for the test's lifetime.
class ExtensionsInPlace {
public:
    explicit ExtensionsInPlace(ControlExtensions extensions) { TheControlExtensions() = std::move(extensions); }
    ~ExtensionsInPlace() { TheControlExtensions() = {}; }
};

TEST_F(FormTest, ExtensionsSeeMessagesBeforeTheControlAndEnablingAfterIt)
{
    auto* check = static_cast<CheckBox*>(form.GetControl("CHECKONE"));
    std::vector<bool> checkedWhenSet;
    std::vector<bool> enabledWhenChanged;
    ExtensionsInPlace extensions({[&](Control& control, Event& event) {
                                      if (event.message == BM_SETCHECK && &control == check)
                                          checkedWhenSet.push_back(check->Checked());
                                  },
                                  [&](Control& control) { enabledWhenChanged.push_back(control.IsEnabled()); }});
    check->SetChecked(true);
    SendMessageA(check->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(checkedWhenSet, (std::vector<bool>{false, true}));
    EXPECT_FALSE(check->Checked());

    check->Disable();
    check->Enable();
    EXPECT_EQ(enabledWhenChanged, (std::vector<bool>{false, true}));
}

TEST_F(FormTest, ToolTipShowsTheDescriptionOfTheControl)
{
    Control* text = form.GetControl("TEXT1");
    text->SetHyperLabel({"TEXT1", "", "Name of the source system", ""});
    text->SetUseHLforToolTip(true);
    text->SetUseHLforToolTip(true);  // once is enough: one entry, which one removal takes away
    // The tool tip window is a popup owned by the frame.
    HWND toolTip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    while (toolTip && GetWindow(toolTip, GW_OWNER) != frame.Handle())
        toolTip = FindWindowExA(nullptr, toolTip, TOOLTIPS_CLASSA, nullptr);
    ASSERT_NE(toolTip, nullptr);
    EXPECT_EQ(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), 1);

    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = toolTip;
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(text->Handle());
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(form.Handle(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, "Name of the source system");

    text->SetUseHLforToolTip(false);
    EXPECT_EQ(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(FormTest, SliderMovesReachHorizontalSlideWithTheEndOfASlideAsTypeZero)
{
    struct SlideForm : TestForm {
        using TestForm::TestForm;
        void HorizontalSlide(SliderEvent& event) override { slides.push_back({event.NameSym(), event.ScrollType()}); }
        std::vector<std::pair<std::string, int>> slides;
    } slideForm(&frame);
    auto* slider = static_cast<Slider*>(slideForm.GetControl("SLIDER"));
    slider->SetRange(0, 20);
    slider->SetThumbPosition(15);
    EXPECT_EQ(slider->ThumbPosition(), 15);
    slider->SetThumbPosition(25);
    EXPECT_EQ(slider->ThumbPosition(), 20);

    LPARAM from = reinterpret_cast<LPARAM>(slider->Handle());
    SendMessageA(slideForm.Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 3), from);
    SendMessageA(slideForm.Handle(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), from);
    EXPECT_EQ(slideForm.slides, (std::vector<std::pair<std::string, int>>{{"SLIDER", 1}, {"SLIDER", 0}}));
}

TEST_F(FormTest, ScrollBarMovesItsThumbAndReachesTheOwnersScroll)
{
    struct ScrollForm : TestForm {
        using TestForm::TestForm;
        void VerticalScroll(ScrollEvent& event) override { scrolls.push_back(event); }
        std::vector<ScrollEvent> scrolls;
    } scrollForm(&frame);
    auto* bar = scrollForm.AddControl<ScrollBar>(112);
    SetScrollRange(bar->Handle(), SB_CTL, 0, 50, FALSE);
    SetScrollPos(bar->Handle(), SB_CTL, 10, FALSE);

    LPARAM from = reinterpret_cast<LPARAM>(bar->Handle());
    SendMessageA(scrollForm.Handle(), WM_VSCROLL, SB_PAGEDOWN, from);
    SendMessageA(scrollForm.Handle(), WM_VSCROLL, SB_ENDSCROLL, from);
    ASSERT_EQ(scrollForm.scrolls.size(), 2u);
    EXPECT_EQ(scrollForm.scrolls[0].Control(), bar);
    EXPECT_FALSE(scrollForm.scrolls[0].IsWindowScroll());
    EXPECT_EQ(scrollForm.scrolls[0].Position(), 15);
    EXPECT_EQ(scrollForm.scrolls[0].ScrollType(), 1);
    EXPECT_EQ(scrollForm.scrolls[1].ScrollType(), 0);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 15);
}

TEST_F(FormTest, ProgressBarRemembersItsPositionBeforeTheLast)
{
    auto* bar = form.AddControl<ProgressBar>(111);
    bar->SetRange(0, 100);
    EXPECT_EQ(bar->Range(), std::make_pair(0, 100));
    bar->SetPosition(30);
    bar->SetPosition(45);
    EXPECT_EQ(bar->Position(), 45);
    EXPECT_EQ(bar->OldPosition(), 30);
}

TEST_F(FormTest, HelpRequestsSystemMenuAndExtendedStyles)
{
    struct HelpFrame : TopAppWindow {
        void HelpRequest(Event&) override { ++requests; }
        int requests = 0;
    } window;
    HELPINFO help{};
    help.cbSize = sizeof help;
    SendMessageA(window.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    EXPECT_EQ(window.requests, 1);

    HMENU system = GetSystemMenu(window.Handle(), FALSE);
    window.EnableSystemMenu(false);
    EXPECT_TRUE(GetMenuState(system, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    window.EnableSystemMenu(true);
    EXPECT_FALSE(GetMenuState(system, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);

    Control* check = form.GetControl("CHECKONE");
    check->SetExStyle(WS_EX_TRANSPARENT, true);
    EXPECT_TRUE(GetWindowLongA(check->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    check->SetExStyle(WS_EX_TRANSPARENT, false);
    EXPECT_FALSE(GetWindowLongA(check->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TEST_F(FormTest, BitmapIsDrawnAtItsLowerLeftCornerInItsSize)
{
    // The test bitmap is red in its left half and blue in its right half.
    Bitmap bitmap("TEST_BITMAP");
    ASSERT_EQ(bitmap.Size(), Dimension(8, 8));
    int height = form.CanvasArea().Height();
    form.Draw(BitmapObject({40, 10}, {16, 16}, bitmap));

    HDC dc = GetDC(form.Handle());
    EXPECT_EQ(GetPixel(dc, 41, height - 11), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 54, height - 25), RGB(0, 0, 255));
    EXPECT_NE(GetPixel(dc, 41, height - 9), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 41, height - 27), RGB(255, 0, 0));
    ReleaseDC(form.Handle(), dc);
}

}  // namespace

TEST_F(FormTest, RectangleIsOutlinedAndFilledFromItsLowerLeftCorner)
{
    const int height = form.CanvasArea().Height();
    form.Draw(RectangleObject({40, 10}, {20, 12}, Pen(Color(255, 0, 0)), Brush(Color(0, 0, 255))));

    HDC dc = GetDC(form.Handle());
    // Rows count from the top: the rectangle covers rows height-22 to height-11.
    EXPECT_EQ(GetPixel(dc, 40, height - 11), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 59, height - 22), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 50, height - 16), RGB(0, 0, 255));
    EXPECT_NE(GetPixel(dc, 50, height - 10), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 50, height - 23), RGB(255, 0, 0));
    ReleaseDC(form.Handle(), dc);
}
