// The look of the calculation window: control backgrounds and the painted
// background from the colour settings, tooltips, the status-bar descriptions
// of the controls and the small buttons. The descriptions follow the cursor
// on the shared display, so these tests run while nothing else does.
#include <windows.h>
#include <commctrl.h>
#include <htmlhelp.h>

#include <algorithm>
#include <cstdlib>

#include "app/shell/globals.h"
#include "calcwindow_fixture.h"
#include "platform/framework/app.h"
#include "platform/framework/standard_dialogs.h"
#include "platform/framework/statusbar.h"

namespace calcwindow_test {
namespace {

// A status bar that records every message it is given.
class RecordingBar : public StatusBar {
public:
    using StatusBar::StatusBar;
    void SetMessage(const std::string& cText, int nKind) override
    {
        aMessages.push_back({cText, nKind});
        StatusBar::SetMessage(cText, nKind);
    }
    std::vector<std::pair<std::string, int>> aMessages;
};

class LookTest : public CalcWindowTest {
protected:
    void TearDown() override
    {
        CalcWindowTest::TearDown();
        gaFarben = farben_;
        gaPinsel = pinsel_;
        gnGradient = gradient_;
        gnGradDir = gradDir_;
        glTooltip = tooltip_;
        goShell = nullptr;
    }

    // New colour settings, each with its brush, as the colour dialog leaves them.
    void Farben(const std::array<Color, 5>& aFarben)
    {
        gaFarben = aFarben;
        for (size_t i = 0; i < gaPinsel.size(); ++i) gaPinsel[i] = Brush(gaFarben[i]);
    }

    // The four corners of the painted surface, from the refresh bitmap.
    std::array<COLORREF, 4> Corners() const
    {
        HDC hSurface = window->_oGraphics->State()._oRefreshCanvas.DC();
        const BoundingBox canvas = window->CanvasArea();
        const int w = canvas.Width() - 1, h = canvas.Height() - 1;
        return {GetPixel(hSurface, 0, 0), GetPixel(hSurface, w, 0), GetPixel(hSurface, 0, h), GetPixel(hSurface, w, h)};
    }

    std::array<Color, 5> farben_ = gaFarben;
    std::array<Brush, 5> pinsel_ = gaPinsel;
    int gradient_ = gnGradient, gradDir_ = gnGradDir;
    bool tooltip_ = glTooltip;
};

// The greatest difference of one colour channel.
int Distance(COLORREF a, COLORREF b)
{
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

const std::array<Color, 5> kFarben = {Color(250, 250, 210), Color(240, 200, 200), Color(210, 240, 250),
                                      Color(200, 40, 40), Color(40, 40, 200)};

TEST_F(LookTest, FarbenNeuGivesEachGroupItsBrushAndRepaints)
{
    Farben(kFarben);
    window->FarbenNeu();
    struct Group {
        const std::vector<Control*>& aMembers;
        int nBrush;
    };
    for (const Group& group :
         {Group{window->aFelderText, 4}, Group{window->aFelderEdit, 1}, Group{window->aFelderCombo, 3}}) {
        for (Control* control : group.aMembers)
            EXPECT_EQ(control->Background().Handle(), gaPinsel[group.nBrush - 1].Handle()) << control->NameSym();
    }
    EXPECT_EQ(window->aFelderText.size() + window->aFelderEdit.size() + window->aFelderCombo.size(), 44u);
    // The window's painter keeps the window's brush in its background colour.
    LOGBRUSH oBrush{};
    ASSERT_TRUE(GetObjectA(window->Background().Handle(), sizeof oBrush, &oBrush));
    EXPECT_EQ(oBrush.lbColor, gaFarben[3].ColorRef());
    for (const char* cName : {"TEXTGRUPPE1", "CHECKROTOUT", "ICONAPP", "BUTBERECHNEN"})
        EXPECT_NE(Get(cName)->Background().Handle(), gaPinsel[3].Handle()) << cName;

    // Unchanged colours: the first member stands for its group, so a second
    // member given another brush keeps it; the window repaints all the same
    // (here with a plain background now).
    const Brush oOther(Color(1, 2, 3));
    Get("KOORDLISTZ")->SetBackground(oOther);
    Get("TEXT2")->SetBackground(oOther);
    gnGradient = 0;
    window->FarbenNeu();
    for (const char* cName : {"KOORDLISTZ", "TEXT2"})
        EXPECT_EQ(Get(cName)->Background().Handle(), oOther.Handle()) << cName;
    for (COLORREF c : Corners()) EXPECT_EQ(c, gaFarben[3].ColorRef());
}

TEST_F(LookTest, PaintDrawsColourFourRunningTowardColourFive)
{
    Farben(kFarben);
    const COLORREF c4 = kFarben[3].ColorRef(), c5 = kFarben[4].ColorRef();
    for (int nGradDir : {4, 7}) {
        SCOPED_TRACE(nGradDir);
        gnGradDir = nGradDir;
        gnGradient = 0;
        window->PaintNew();
        for (COLORREF c : Corners()) EXPECT_EQ(c, c4);

        gnGradient = 20;
        window->PaintNew();
        const std::array<COLORREF, 4> corners = Corners();
        const auto byDistance = [&](COLORREF a, COLORREF b) { return Distance(a, c4) < Distance(b, c4); };
        const auto [nearest, farthest] = std::minmax_element(corners.begin(), corners.end(), byDistance);
        EXPECT_LE(Distance(*nearest, c4), 3);
        EXPECT_GT(Distance(*farthest, c4), 80);
        EXPECT_LT(Distance(*farthest, c5), Distance(c4, c5));
    }
}

TEST_F(LookTest, PaintDrawsNothingWhileHiddenOrMinimised)
{
    Farben(kFarben);
    gnGradient = 0;
    window->PaintNew();
    const COLORREF before = kFarben[3].ColorRef();
    ASSERT_EQ(Corners()[0], before);
    gaFarben[3] = Color(10, 160, 10);
    struct State {
        const char* cName;
        int nHide, nShow;
    };
    for (const State& state : {State{"hidden", SW_HIDE, SW_SHOW}, State{"minimised", SW_MINIMIZE, SW_RESTORE}}) {
        SCOPED_TRACE(state.cName);
        ShowWindow(window->Handle(), state.nHide);
        window->Paint();
        ShowWindow(window->Handle(), state.nShow);
        EXPECT_EQ(Corners()[0], before);
    }
    window->PaintNew();
    EXPECT_EQ(Corners()[0], gaFarben[3].ColorRef());
}

// The tool tip window that has a tool for a control of the window, or null.
HWND TooltipOf(const dtaCalcPar& oWindow, const Control& oControl)
{
    for (HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip;
         tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = oWindow.Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(oControl.Handle());
        if (SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) return tip;
    }
    return nullptr;
}

// The controls of the window that have a description tooltip.
size_t ControlsWithTooltip(const dtaCalcPar& oWindow)
{
    const auto aControls = oWindow.GetAllChildren();
    return static_cast<size_t>(std::count_if(aControls.begin(), aControls.end(), [&](const Control* control) {
        return TooltipOf(oWindow, *control) != nullptr;
    }));
}

TEST_F(LookTest, TooltipsFollowTheSwitchOnEveryControl)
{
    const size_t nControls = window->GetAllChildren().size();
    ASSERT_EQ(nControls, 69u);
    EXPECT_EQ(ControlsWithTooltip(*window), nControls);  // switched on at the start
    for (bool lTooltip : {false, true, true, false}) {
        glTooltip = lTooltip;
        window->TooltipNeu();
        EXPECT_EQ(ControlsWithTooltip(*window), lTooltip ? nControls : 0u) << lTooltip;
    }
}

TEST_F(LookTest, SmallButtonsHandOverToTheFrameAndTheHelp)
{
    goShell = frame.get();
    frame->SetHelpDisplay(std::make_unique<HelpDisplay>("zodedado.chm", frame.get()));
    seam.helpAnswer = frame->Handle();
    struct Row {
        const char* cButton;
        std::vector<std::string> aFrameCalls;
        size_t nHelpCalls;
    };
    const Row rows[] = {{"BUTBEENDEN", {"PROBEENDEN"}, 0},
                        {"BUTONLINEINFO", {"HILONLINEINFO"}, 0},
                        {"BUTINFO", {"HILURHEBERHINWEIS"}, 0},
                        {"BUTHELMERTHILFE", {}, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cButton);
        frame->aCalls.clear();
        seam.calls.clear();
        EXPECT_TRUE(window->CallByName(row.cButton));
        EXPECT_EQ(frame->aCalls, row.aFrameCalls);
        EXPECT_EQ(seam.CallsOf("Help").size(), row.nHelpCalls);
    }
    const auto help = seam.CallsOf("Help");
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].text, "zodedado.chm");
    EXPECT_EQ(help[0].detail, "a_helmertparameter");
    EXPECT_EQ(help[0].number, HH_ALINK_LOOKUP);

    // Without a frame window the help button shows nothing.
    goShell = nullptr;
    window->CallByName("BUTHELMERTHILFE");
    EXPECT_EQ(seam.CallsOf("Help").size(), 1u);
}

class StatusBarTest : public LookTest {
protected:
    void SetUp() override
    {
        LookTest::SetUp();
        MoveWindow(frame->Handle(), 0, 0, 1100, 900, TRUE);  // whole on the screen
        window->GroessenNeu();
        frame->ToTop();
        bar = std::make_unique<RecordingBar>(*frame);
        bar->DisplayMessage();
        frame->SetStatusBar(bar.get());
    }
    void TearDown() override
    {
        frame->SetStatusBar(nullptr);
        bar.reset();
        LookTest::TearDown();
    }

    // The cursor onto a point of the window's canvas (pixels from its top
    // left corner), then a notification of the window's tool tip for it.
    void Hover(POINT p, HWND hNotifier)
    {
        ASSERT_NO_FATAL_FAILURE(MovePointer(p));
        NMHDR header{nullptr, reinterpret_cast<UINT_PTR>(hNotifier), TTN_SHOW};
        SendMessageA(window->Handle(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }
    void MovePointer(POINT p)
    {
        ClientToScreen(window->Handle(), &p);
        // Wine moves the X pointer first: the position reads back a little
        // later, and a late pointer event of an earlier move can still take
        // it back. Wait until it has read back the same twice in a row.
        POINT now{};
        int nSame = 0;
        for (int i = 0; i < 400 && nSame < 2; ++i) {
            if (!GetCursorPos(&now) || now.x != p.x || now.y != p.y) {
                nSame = 0;
                ASSERT_TRUE(SetCursorPos(p.x, p.y));
            } else {
                ++nSame;
            }
            ApplicationExec();
            Sleep(10);
        }
        ASSERT_EQ(now.x, p.x);
        ASSERT_EQ(now.y, p.y);
    }
    // The middle of a control on the window's canvas.
    POINT MiddleOf(const char* cName) const
    {
        RECT r;
        GetWindowRect(Get(cName)->Handle(), &r);
        MapWindowPoints(HWND_DESKTOP, window->Handle(), reinterpret_cast<POINT*>(&r), 2);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void HoverOver(const char* cName) { Hover(MiddleOf(cName), Get(cName)->Handle()); }
    std::string Description(const char* cName) const { return Get(cName)->GetHyperLabel().Description(); }

    std::unique_ptr<RecordingBar> bar;
};

TEST_F(StatusBarTest, EachControlsDescriptionShowsOncePerControl)
{
    ASSERT_FALSE(Description("KOORDLISTQ").empty());
    ASSERT_NE(Description("KOORDLISTQ"), Description("BUTBERECHNEN"));
    HoverOver("KOORDLISTQ");
    HoverOver("KOORDLISTQ");
    HoverOver("BUTBERECHNEN");
    // The window's own surface has no description: the last one stays.
    const BoundingBox canvas = window->CanvasArea();
    Hover({canvas.Width() - 3, 3}, window->Handle());
    HoverOver("KOORDLISTQ");
    using Messages = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(bar->aMessages, (Messages{{Description("KOORDLISTQ"), MessageControl},
                                        {Description("BUTBERECHNEN"), MessageControl},
                                        {Description("KOORDLISTQ"), MessageControl}}));
    EXPECT_EQ(bar->GetText(StatusBar::kMessageArea), Description("KOORDLISTQ"));

    // An owner without a status bar shows nothing.
    frame->SetStatusBar(nullptr);
    HoverOver("BUTBERECHNEN");
    EXPECT_EQ(bar->aMessages.size(), 3u);
}

// The pointer resting on a control brings its tool tip up by itself: the
// control hands its pointer messages on to the tool tip, which shows the
// description and tells the window, which puts it into the status bar.
TEST_F(StatusBarTest, ThePointerRestingOnAControlBringsItsTooltip)
{
    HWND tip = TooltipOf(*window, *Get("BUTBERECHNEN"));
    ASSERT_NE(tip, nullptr);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 50);
    ASSERT_NO_FATAL_FAILURE(MovePointer(MiddleOf("BUTBERECHNEN")));
    for (int i = 0; i < 300 && !IsWindowVisible(tip); ++i) {
        ApplicationExec();
        Sleep(10);
    }
    ASSERT_TRUE(IsWindowVisible(tip));
    char text[512] = {};
    GetWindowTextA(tip, text, sizeof text);
    EXPECT_EQ(text, Description("BUTBERECHNEN"));
    using Messages = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(bar->aMessages, (Messages{{Description("BUTBERECHNEN"), MessageControl}}));
}

}  // namespace
}  // namespace calcwindow_test
