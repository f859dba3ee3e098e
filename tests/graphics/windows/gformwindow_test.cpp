// The form windows of the kit: controls drawn over the painted surface, the
// check-state notices, the repaints that leave nothing old behind, and the
// preparation of the controls after they are made.
#include "graphics/windows/gformwindow.h"

#include <gtest/gtest.h>

#include <vector>

#include "shown_form_test.h"
#include "lib/system.h"
#include "platform/framework/app.h"
#include "platform/framework/controls.h"

namespace {

// The test form: every kind of control on a surface of red and blue stripes,
// so that a copy from the wrong place shows; the painter's background colour
// is yellow, which the stripes never show.
template <class Form>
class StripedForm : public Form {
public:
    template <typename... Args>
    explicit StripedForm(Args&&... aArgs) : Form(nullptr, "KIT_FORM", std::forward<Args>(aArgs)...)
    {
        oText = this->template AddControl<FixedText>(100);
        oCheck = this->template AddControl<CheckBox>(101);
        oOne = this->template AddControl<RadioButton>(102);
        oTwo = this->template AddControl<RadioButton>(103);
        oGroup = this->template AddControl<GroupBox>(104);
        oEdit = this->template AddControl<SingleLineEdit>(105);
        oIcon = this->template AddControl<FixedIcon>(106);
        oSlider = this->template AddControl<HorizontalSlider>(107);
        oButton = this->template AddControl<PushButton>(108);
        this->_oGraphics->SetBackgroundColor(14);
        this->PostInit();
    }
    void Paint() override
    {
        Graphics& g = *this->_oGraphics;
        const SIZE s = g.State()._oDim;
        for (int x = 0; x < s.cx; x += 6) {
            const int nColor = x % 12 == 0 ? 12 : 2;
            g.SetLineColor(nColor).SetFillColor(nColor).PaintRectangle(x, 0, 6, s.cy, 1);
        }
    }
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message == WM_USER && oEvent.wParam == kGMsgCheckChanged) {
            const auto hControl = reinterpret_cast<HWND>(oEvent.lParam);
            aNotices.push_back({hControl, SendMessageA(hControl, BM_GETCHECK, 0, 0) == BST_CHECKED});
        }
        return Form::Dispatch(oEvent);
    }

    FixedText* oText = nullptr;
    CheckBox* oCheck = nullptr;
    RadioButton* oOne = nullptr;
    RadioButton* oTwo = nullptr;
    GroupBox* oGroup = nullptr;
    SingleLineEdit* oEdit = nullptr;
    FixedIcon* oIcon = nullptr;
    HorizontalSlider* oSlider = nullptr;
    PushButton* oButton = nullptr;
    // The controls that announced a change, with their state at that moment.
    std::vector<std::pair<HWND, bool>> aNotices;
};

class FormWindowTest : public ShownFormTest<StripedForm<gDataWindow>> {
protected:
    // A point in the empty right end of a control (of a group frame: just
    // behind the top of its caption), in client pixels from the top.
    POINT EmptyPartOf(const Window& oControl) const
    {
        RECT r;
        GetWindowRect(oControl.Handle(), &r);
        MapWindowPoints(HWND_DESKTOP, oForm.Handle(), reinterpret_cast<POINT*>(&r), 2);
        if (dynamic_cast<const GroupBox*>(&oControl) != nullptr) return {r.left + 10, r.top + 1};
        return {r.right - 3, (r.top + r.bottom) / 2};
    }
    COLORREF ScreenPixel(POINT p) const
    {
        HDC hDC = GetDC(oForm.Handle());
        const COLORREF c = GetPixel(hDC, p.x, p.y);
        ReleaseDC(oForm.Handle(), hDC);
        return c;
    }
    COLORREF SurfacePixel(POINT p) const
    {
        const int nHeight = oForm.CanvasArea().Height();
        return GetPixel(oForm._oGraphics->State()._oRefreshCanvas.DC(), p.x, nHeight - 1 - p.y);
    }
    bool ShowsSurface(const Window& oControl) const
    {
        const POINT p = EmptyPartOf(oControl);
        return ScreenPixel(p) == SurfacePixel(p);
    }
};

TEST_F(FormWindowTest, ControlsShowTheSurfaceOrTheFrameworksColours)
{
    const COLORREF nYellow = RGB(255, 255, 0);
    for (const bool lTransparent : {true, false}) {
        for (const bool lBackgroundColor : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "transparent " << lTransparent << ", background colour " << lBackgroundColor);
            oForm.SetTransparent(lTransparent, lBackgroundColor);
            Settle();
            for (const Window* oControl : {static_cast<Window*>(oForm.oText), static_cast<Window*>(oForm.oCheck),
                                           static_cast<Window*>(oForm.oOne), static_cast<Window*>(oForm.oGroup)})
                EXPECT_EQ(ShowsSurface(*oControl), lTransparent) << static_cast<const Control*>(oControl)->ControlId();
            EXPECT_FALSE(ShowsSurface(*oForm.oEdit)) << "an edit field keeps the framework's colours";
            for (const Window* oControl : {static_cast<Window*>(oForm.oIcon), static_cast<Window*>(oForm.oSlider)}) {
                const COLORREF nPixel = ScreenPixel(EmptyPartOf(*oControl));
                EXPECT_EQ(nPixel == nYellow, lTransparent && lBackgroundColor)
                    << static_cast<const Control*>(oControl)->ControlId();
                EXPECT_NE(nPixel, SurfacePixel(EmptyPartOf(*oControl)));
            }
        }
    }
}

// Blackens the control's place on the form, as a window lying over it would.
void Spoil(const Window& oForm, const Window& oControl)
{
    RECT r;
    GetWindowRect(oControl.Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, oForm.Handle(), reinterpret_cast<POINT*>(&r), 2);
    HDC hDC = GetDC(oForm.Handle());
    FillRect(hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(oForm.Handle(), hDC);
}

TEST_F(FormWindowTest, ACheckBoxWithTheFocusIsNotCopiedUnder)
{
    for (const bool lFocus : {false, true}) {
        TakeFocus(lFocus ? static_cast<Window&>(*oForm.oCheck) : *oForm.oButton);
        Settle();
        Spoil(oForm, *oForm.oCheck);
        RedrawWindow(oForm.oCheck->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(ShowsSurface(*oForm.oCheck), !lFocus) << "focus " << lFocus;
    }
}

TEST_F(FormWindowTest, RepaintsLeaveNothingOldBehind)
{
    oForm.oText->SetCaption("A much longer label");
    Settle();
    oForm.oText->SetCaption("A");
    Settle();
    EXPECT_TRUE(ShowsSurface(*oForm.oText)) << "a shorter text leaves no trace";

    // Disabled, the text is drawn greyed over the surface.
    Spoil(oForm, *oForm.oText);
    oForm.oText->Disable();
    Settle();
    EXPECT_TRUE(ShowsSurface(*oForm.oText));
    Spoil(oForm, *oForm.oText);
    oForm.oText->Enable();
    Settle();
    EXPECT_TRUE(ShowsSurface(*oForm.oText));

    // Not transparent: only the framework's part runs, nothing is copied.
    oForm.SetTransparent(false, false);
    Settle();
    Spoil(oForm, *oForm.oText);
    oForm._oGraphics->PaintRectangle(0, 0, 1, 1, 0);  // no repaint of the form between
    oForm.oText->Disable();
    EXPECT_FALSE(ShowsSurface(*oForm.oText));
}

// A form of an edit field and a list inside a group frame, on a painted
// surface, the controls made as the program makes them.
template <class Form>
class FramedForm : public Form {
public:
    FramedForm() : Form(nullptr, "FRAMED_FORM")
    {
        this->template AddControl<GroupBox>(110);
        oEdit = this->template AddControl<SingleLineEdit>(111);
        oList = this->template AddControl<ListBox>(112);
        this->PostInit();
    }
    void Paint() override
    {
        Graphics& g = *this->_oGraphics;
        g.SetGradientColor(ColorArg::Rgb(0, 0, 128)).PaintGradientCanvas(8.0, 3);
    }
    SingleLineEdit* oEdit = nullptr;
    ListBox* oList = nullptr;
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT nMessage, WPARAM, LPARAM)
{
    return nMessage == WM_INITDIALOG;
}

// The frames of an edit field and a list and the list's scroll bar, as a
// plain dialog of the same template shows them and as the kit's form and
// dialog show them, on their first display, after an expose, after a full
// repaint and after a drag of the border.
template <class Form>
class FramedControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitFunction(); }
    void SetUp() override
    {
        hPlain = CreateDialogParamA(GetModuleHandleA(nullptr), "FRAMED_FORM", nullptr, PlainDialogProc, 0);
        ASSERT_NE(hPlain, nullptr);
        SetWindowPos(hPlain, nullptr, 520, 40, 420, 300, SWP_NOZORDER);
        ShowWindow(hPlain, SW_SHOWNOACTIVATE);
        SetWindowPos(oForm.Handle(), nullptr, 40, 40, 420, 300, SWP_NOZORDER);
        oForm.Show();
        Settle();
    }
    void TearDown() override { DestroyWindow(hPlain); }
    void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            UpdateWindow(oForm.Handle());
            UpdateWindow(hPlain);
            ApplicationExec();
        }
    }
    // Pixels of a control's frame and scroll bar, read from the screen: the
    // middle of each edge of the frame, and the scroll bar's arrows, track and
    // edges along its middle.
    static std::vector<COLORREF> FramePixels(HWND hControl)
    {
        RECT r;
        GetWindowRect(hControl, &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        std::vector<POINT> aProbes{{w / 2, 0}, {w / 2, h - 1}, {0, h / 2}, {w - 1, h / 2}};
        SCROLLBARINFO oBar{};
        oBar.cbSize = sizeof oBar;
        if (GetScrollBarInfo(hControl, OBJID_VSCROLL, &oBar) && !(oBar.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
            const RECT& b = oBar.rcScrollBar;
            for (int y = b.top; y < b.bottom; y += 3) aProbes.push_back({(b.left + b.right) / 2 - r.left, y - r.top});
            for (int x = b.left; x < b.right; ++x) aProbes.push_back({x - r.left, (b.top + b.bottom) / 2 - r.top});
        }
        HDC hDC = GetWindowDC(hControl);
        std::vector<COLORREF> aPixels;
        for (const POINT& p : aProbes) aPixels.push_back(GetPixel(hDC, p.x, p.y));
        ReleaseDC(hControl, hDC);
        return aPixels;
    }
    void ExpectFramesAsPlain(const char* cMoment)
    {
        SCOPED_TRACE(cMoment);
        EXPECT_EQ(FramePixels(oForm.oEdit->Handle()), FramePixels(GetDlgItem(hPlain, 111))) << "edit field";
        EXPECT_EQ(FramePixels(oForm.oList->Handle()), FramePixels(GetDlgItem(hPlain, 112))) << "list";
    }

    FramedForm<Form> oForm;
    HWND hPlain = nullptr;
};

using FramedForms = ::testing::Types<gDataWindow, gDialogWindow>;
TYPED_TEST_SUITE(FramedControlsTest, FramedForms);

TYPED_TEST(FramedControlsTest, FramesAndScrollBarsShowAsOnAPlainDialog)
{
    this->ExpectFramesAsPlain("first display");
    InvalidateRect(this->oForm.Handle(), nullptr, TRUE);
    InvalidateRect(this->hPlain, nullptr, TRUE);
    this->Settle();
    this->ExpectFramesAsPlain("expose");
    this->oForm.PaintNew();
    this->Settle();
    this->ExpectFramesAsPlain("full repaint");
    // A drag of the border: the size changes while the border is dragged,
    // the window repaints at the end.
    RECT r{40, 40, 480, 330};
    SendMessageA(this->oForm.Handle(), WM_ENTERSIZEMOVE, 0, 0);
    SendMessageA(this->oForm.Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&r));
    SetWindowPos(this->oForm.Handle(), nullptr, 0, 0, 440, 290, SWP_NOZORDER | SWP_NOMOVE);
    this->Settle();
    SendMessageA(this->oForm.Handle(), WM_EXITSIZEMOVE, 0, 0);
    SetWindowPos(this->hPlain, nullptr, 0, 0, 440, 290, SWP_NOZORDER | SWP_NOMOVE);
    this->Settle();
    this->ExpectFramesAsPlain("border drag");
}

// A frame holding a kit form as the program's frame holds its calculation
// window: the form fills the frame's canvas and hears of the border drags.
class FormFrame : public gTopAppWindow {
public:
    FormFrame() : oForm(this, "LABELLED_FORM")
    {
        oForm.AddControl<GroupBox>(120);
        for (const int nId : {121, 123}) oForm.AddControl<FixedText>(nId);
        for (const int nId : {122, 124, 125}) oForm.AddControl<SingleLineEdit>(nId);
        oForm.AddControl<MultiLineEdit>(126);
        oForm.PostInit();
    }
    void Resize(ResizeEvent& oEvent) override
    {
        gTopAppWindow::Resize(oEvent);
        const BoundingBox a = CanvasArea();
        oForm.SetOrigin({0, 0});
        oForm.SetSize({a.Width(), a.Height()});
    }
    LRESULT Dispatch(Event& oEvent) override
    {
        const LRESULT nResult = gTopAppWindow::Dispatch(oEvent);
        if (oEvent.message == WM_SIZING || oEvent.message == WM_EXITSIZEMOVE)
            SendMessageA(oForm.Handle(), oEvent.message, oEvent.wParam, oEvent.lParam);
        return nResult;
    }

    class Form : public gDataWindow {
    public:
        using gDataWindow::gDataWindow;
        void Paint() override { _oGraphics->SetGradientColor(ColorArg::Rgb(0, 128, 0)).PaintGradientCanvas(8.0, 3); }
    } oForm;
};

// The outer ring of a control's frame, read from the screen: its top and
// bottom rows and its left and right columns.
std::vector<COLORREF> FrameRing(HWND hControl)
{
    RECT r;
    GetWindowRect(hControl, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC hDC = GetWindowDC(hControl);
    std::vector<COLORREF> aPixels;
    for (int x = 0; x < w; ++x)
        for (const int y : {0, h - 1}) aPixels.push_back(GetPixel(hDC, x, y));
    for (int y = 1; y < h - 1; ++y)
        for (const int x : {0, w - 1}) aPixels.push_back(GetPixel(hDC, x, y));
    ReleaseDC(hControl, hDC);
    return aPixels;
}

// The user drags the right border of the frame 80 pixels to the right: the
// form grows with the frame, and every field keeps its frame as it was first
// drawn, also where a label beside it is drawn anew.
TEST(FormInAFrameTest, ABorderDragOfTheFrameLeavesTheFieldsFramesWhole)
{
    InitFunction();
    FormFrame oFrame;
    SetWindowPos(oFrame.Handle(), nullptr, 40, 40, 480, 300, SWP_NOZORDER);
    oFrame.Show();
    oFrame.oForm.Show();
    const auto Settle = [&] {
        for (int i = 0; i < 3; ++i) {
            RedrawWindow(oFrame.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            ApplicationExec();
        }
    };
    Settle();
    const int aFields[] = {122, 124, 125, 126};
    std::vector<std::vector<COLORREF>> aBefore;
    for (const int nId : aFields) aBefore.push_back(FrameRing(GetDlgItem(oFrame.oForm.Handle(), nId)));

    // The messages that the system sends the frame while the user drags its
    // border, the frame redrawn on the way.
    RECT r;
    GetWindowRect(oFrame.Handle(), &r);
    const int nWidth = r.right - r.left;
    SendMessageA(oFrame.Handle(), WM_ENTERSIZEMOVE, 0, 0);
    for (int dx = 10; dx <= 80; dx += 10) {
        RECT rDragged{r.left, r.top, r.right + dx, r.bottom};
        SendMessageA(oFrame.Handle(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&rDragged));
        SetWindowPos(oFrame.Handle(), nullptr, 0, 0, nWidth + dx, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        UpdateWindow(oFrame.Handle());
        ApplicationExec();
    }
    SendMessageA(oFrame.Handle(), WM_EXITSIZEMOVE, 0, 0);
    Settle();
    ASSERT_EQ(oFrame.Size().width, nWidth + 80) << "the drag";
    ASSERT_EQ(oFrame.oForm.CanvasArea().Width(), oFrame.CanvasArea().Width());
    for (size_t i = 0; i < std::size(aFields); ++i)
        EXPECT_EQ(FrameRing(GetDlgItem(oFrame.oForm.Handle(), aFields[i])), aBefore[i]) << aFields[i];
}

TEST_F(FormWindowTest, ACheckStateChangeIsAnnouncedOnceBeforeItHappens)
{
    oForm.oCheck->SetChecked(true);
    ASSERT_EQ(oForm.aNotices.size(), 1u);
    EXPECT_EQ(oForm.aNotices[0], std::make_pair(oForm.oCheck->Handle(), false)) << "the state before";
    EXPECT_TRUE(oForm.oCheck->Checked());

    // A click on a radio button: each button of the group whose state is set.
    oForm.aNotices.clear();
    oForm.oOne->SetPressed(true);
    oForm.aNotices.clear();
    SendMessageA(oForm.oTwo->Handle(), BM_CLICK, 0, 0);
    std::vector<HWND> aFrom;
    for (const auto& [hControl, lChecked] : oForm.aNotices) aFrom.push_back(hControl);
    EXPECT_NE(std::find(aFrom.begin(), aFrom.end(), oForm.oOne->Handle()), aFrom.end());
    EXPECT_NE(std::find(aFrom.begin(), aFrom.end(), oForm.oTwo->Handle()), aFrom.end());
    EXPECT_TRUE(oForm.oTwo->Pressed());

    // Hidden control or hidden window: no notice, the state changes all the same.
    oForm.aNotices.clear();
    oForm.oCheck->Hide();
    oForm.oCheck->SetChecked(false);
    oForm.oCheck->Show();
    oForm.Hide();
    oForm.oCheck->SetChecked(true);
    EXPECT_TRUE(oForm.aNotices.empty());
    EXPECT_TRUE(oForm.oCheck->Checked());
}

TEST_F(FormWindowTest, ANoticeRedrawsTheControlUnlessItHasTheFocus)
{
    for (const bool lFocus : {false, true}) {
        TakeFocus(lFocus ? static_cast<Window&>(*oForm.oCheck) : *oForm.oButton);
        Settle();
        SendMessageA(oForm.Handle(), WM_USER, kGMsgCheckChanged, reinterpret_cast<LPARAM>(oForm.oCheck->Handle()));
        RECT r;
        EXPECT_EQ(GetUpdateRect(oForm.oCheck->Handle(), &r, FALSE) != FALSE, !lFocus) << "focus " << lFocus;
    }
    // A handle without an object is ignored.
    SendMessageA(oForm.Handle(), WM_USER, kGMsgCheckChanged, reinterpret_cast<LPARAM>(GetDesktopWindow()));
    SendMessageA(oForm.Handle(), WM_USER, kGMsgCheckChanged, 0);
}

TEST_F(FormWindowTest, TheFormProcedureLetsEveryFrameworkEventThrough)
{
    EXPECT_EQ(GetWindowLongPtrA(oForm.Handle(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(DataWinProc));
    struct Pressing : StripedForm<gDialogWindow> {
        bool CallByName(std::string_view cName) override
        {
            if (SameName(cName, "PRESS")) return ++nPresses, true;
            return StripedForm<gDialogWindow>::CallByName(cName);
        }
        int nPresses = 0;
    } oDialog;
    oDialog.oButton->SetHyperLabel({"PRESS", "Press", "", ""});
    oDialog.Show();
    SendMessageA(oDialog.oButton->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(oDialog.nPresses, 1);
}

TEST(FormPostInitTest, WithVisualStylesCheckBoxesAndRadioButtonsDrawTransparently)
{
    const unsigned short nSaved = gnPlattformVersion;
    for (const unsigned short nVersion : {26, 27, 28}) {
        for (const bool lStyles : {false, true}) {
            gnPlattformVersion = nVersion;
            OverrideVisualStyles(lStyles);
            StripedForm<gDialogWindow> oForm;
            const auto Transparent = [](const Window& w) {
                return (GetWindowLongA(w.Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
            };
            EXPECT_EQ(Transparent(*oForm.oCheck), lStyles) << nVersion;
            EXPECT_EQ(Transparent(*oForm.oTwo), lStyles) << nVersion;
            EXPECT_FALSE(Transparent(*oForm.oText)) << nVersion;
        }
    }
    OverrideVisualStyles(std::nullopt);
    gnPlattformVersion = nSaved;
}

TEST(FontTest, LogFontStructKeepsSignsAndCutsLongFaceNames)
{
    LOGFONTA oTurned{};
    oTurned.lfHeight = -13;
    oTurned.lfWeight = 700;
    oTurned.lfEscapement = -900;
    oTurned.lfOrientation = -900;
    strcpy(oTurned.lfFaceName, "Arial");
    const LOGFONTA a = Font(oTurned).GetLogFontStruct();
    EXPECT_EQ(a.lfHeight, -13);
    EXPECT_EQ(a.lfWeight, 700);
    EXPECT_EQ(a.lfEscapement, -900);
    EXPECT_EQ(a.lfOrientation, -900);
    EXPECT_EQ(memcmp(a.lfFaceName, "Arial", 6), 0);

    const std::string cLong(40, 'F');
    const LOGFONTA b = Font(10, cLong).GetLogFontStruct();
    EXPECT_EQ(std::string(b.lfFaceName), cLong.substr(0, 31));
}

}  // namespace
