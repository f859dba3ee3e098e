// The colour dialog over a calculation window in a plain frame: what the
// dialog's choices do to the process-wide colour settings, to the preview it
// paints, and what it tells the calculation window.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/dlgfarben.h"
#include "app/shell/globals.h"
#include "calc/library.h"
#include "graphics/windows/gmemory.h"
#include "lib/message_windows_setup.h"
#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/recording_seam.h"
#include "platform/framework/standard_dialogs.h"
#include "platform/geodesy/orbalith32.h"

namespace {

// A calculation window that records the methods called by name.
class NamingCalcPar : public dtaCalcPar {
public:
    using dtaCalcPar::dtaCalcPar;
    bool CallByName(std::string_view cName) override
    {
        aCalls.emplace_back(cName);
        return dtaCalcPar::CallByName(cName);
    }
    std::vector<std::string> aCalls;
};

// The colour dialog, counting the full repaints it makes while shown.
class CountingFarben : public dlgFarben {
public:
    using dlgFarben::dlgFarben;
    void Paint() override
    {
        if (IsVisible()) ++nPaints;
        dlgFarben::Paint();
    }
    int nPaints = 0;
};

// The settings as they stand, to compare before and after.
struct Settings {
    std::array<Color, 5> aFarben;
    std::array<HBRUSH, 5> aPinsel;
    std::string cFarben;
    int nGradient;
    int nGradDir;
    bool operator==(const Settings&) const = default;
};

Settings CurrentSettings()
{
    Settings o{gaFarben, {}, gcFarben, gnGradient, gnGradDir};
    for (size_t i = 0; i < 5; ++i) o.aPinsel[i] = gaPinsel[i].Handle();
    return o;
}

COLORREF BrushColour(const Brush& oBrush)
{
    LOGBRUSH oLog{};
    GetObjectA(oBrush.Handle(), sizeof oLog, &oLog);
    return oLog.lbColor;
}

// The members are public for the tables of cases, whose steps are lambdas.
class DlgFarbenTest : public ::testing::Test {
public:
    void SetUp() override
    {
        OpenMessageWindows("eng");
        ASSERT_TRUE(library.Load(MDX_PROGRAM_DIR "/orbalith32.dll")) << library.Error();
        calc::SetLibrary(&library);
        frame = std::make_unique<TopAppWindow>();
        frame->SetSize({900, 700});
        calcPar = std::make_unique<NamingCalcPar>(frame.get());
        frame->Show();
        calcPar->Show();
        StandardSettings();
    }

    // The settings of a first start: the standard colours and gradient.
    static void StandardSettings()
    {
        gaFarben = gaFarbenStandard;
        for (size_t i = 0; i < 5; ++i) gaPinsel[i] = Brush(gaFarben[i]);
        gcFarben = "";
        gnGradient = 15;
        gnGradDir = 7;
    }

    void TearDown() override
    {
        dialog.reset();
        calcPar->Destroy();
        calcPar.reset();
        frame.reset();
        CloseMessageWindows();
        calc::SetLibrary(nullptr);
    }

    // Makes the dialog from the settings as they are now and shows it
    // without its modal loop, so that the test drives it.
    CountingFarben& Open()
    {
        dialog = std::make_unique<CountingFarben>(frame.get());
        dialog->Window::Show();
        Settle();
        dialog->nPaints = 0;
        return *dialog;
    }

    void Settle()
    {
        for (int i = 0; i < 3 && dialog->Handle(); ++i) {
            RedrawWindow(dialog->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            ApplicationExec();
        }
    }

    template <class T = Control>
    T* Get(const char* cName) const
    {
        return dynamic_cast<T*>(dialog->GetControl(cName));
    }

    void Click(const char* cName) { SendMessageA(Get(cName)->Handle(), BM_CLICK, 0, 0); }

    // Clicks into colour field n; the colour chooser answers with a colour,
    // or is cancelled.
    void Choose(int n, std::optional<COLORREF> nAnswer)
    {
        seam.colorAnswers.push_back(nAnswer);
        auto* oFeld = Get<Edit>(("FARBFELD" + std::to_string(n)).c_str());
        SendMessageA(dialog->Handle(), WM_COMMAND, MAKEWPARAM(oFeld->ControlId(), EN_SETFOCUS),
                     reinterpret_cast<LPARAM>(oFeld->Handle()));
    }

    // Moves the slider's thumb as a drag does, then ends the slide there.
    void Slide(int nPosition)
    {
        auto* oSlider = Get<Slider>("GRADIENTSLIDER");
        oSlider->SetThumbPosition(nPosition);
        for (WORD nCode : {WORD(TB_THUMBTRACK), WORD(TB_ENDTRACK)})
            SendMessageA(dialog->Handle(), WM_HSCROLL, MAKEWPARAM(nCode, nPosition),
                         reinterpret_cast<LPARAM>(oSlider->Handle()));
    }

    int FarbenNeuCalls() const
    {
        return static_cast<int>(std::count(calcPar->aCalls.begin(), calcPar->aCalls.end(), "FARBENNEU"));
    }

    RecordingSeam seam;
    geodesy::GeodesyLibrary library;
    std::unique_ptr<TopAppWindow> frame;
    std::unique_ptr<NamingCalcPar> calcPar;
    std::unique_ptr<CountingFarben> dialog;
};

TEST_F(DlgFarbenTest, OpensWithTheSettingsAndTheTextsOfTheLanguage)
{
    gaFarben[1] = Color(1, 2, 3);
    gaPinsel[1] = Brush(gaFarben[1]);
    gnGradient = 4;
    Open();
    EXPECT_EQ(dialog->Caption(), "Colours");
    const char* aTexte[] = {"Input fields", "Spare colour", "Selection lists", "Window background", "Colour gradient"};
    for (int n = 1; n <= 5; ++n) {
        auto* oFeld = Get<Edit>(("FARBFELD" + std::to_string(n)).c_str());
        EXPECT_EQ(oFeld->TextValue(), aTexte[n - 1]) << n;
        EXPECT_EQ(oFeld->Background().Handle(), gaPinsel[static_cast<size_t>(n - 1)].Handle()) << n;
    }
    EXPECT_EQ(Get<PushButton>("FARBWEITER")->Caption(), "Apply");
    auto* oSlider = Get<Slider>("GRADIENTSLIDER");
    EXPECT_EQ(oSlider->ThumbPosition(), 4);
    EXPECT_EQ(SendMessageA(oSlider->Handle(), TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_EQ(SendMessageA(oSlider->Handle(), TBM_GETPAGESIZE, 0, 0), 1);
    EXPECT_EQ(SendMessageA(oSlider->Handle(), TBM_GETNUMTICS, 0, 0), 3);
    EXPECT_EQ(SendMessageA(oSlider->Handle(), TBM_GETTIC, 0, 0), 15);
    EXPECT_TRUE(seam.CallsOf("Color").empty());
    EXPECT_FALSE(dialog->Changed());
}

// The slider is high enough for its thumb and the tick mark below it: the
// tick at the standard strength is drawn inside the control.
TEST_F(DlgFarbenTest, TheSliderShowsItsTickAtTheStandardStrength)
{
    Open();
    const HWND slider = Get<Slider>("GRADIENTSLIDER")->Handle();
    RECT client{}, thumb{};
    GetClientRect(slider, &client);
    SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int x = static_cast<int>(SendMessageA(slider, TBM_GETTICPOS, 0, 0));
    // Pixels below the thumb, around the tick's place, that differ from the
    // background a few pixels aside.
    HDC dc = GetDC(slider);
    int tick = 0;
    for (int y = thumb.bottom; y < client.bottom; ++y)
        for (int dx = -1; dx <= 1; ++dx)
            if (GetPixel(dc, x + dx, y) != GetPixel(dc, x - 5, y)) ++tick;
    ReleaseDC(slider, dc);
    EXPECT_GT(tick, 0);
}

TEST_F(DlgFarbenTest, CancelOrCloseAfterChangesLeavesEverySetting)
{
    gcFarben = "not a colour text";
    const Settings oBefore = CurrentSettings();
    struct Case {
        const char* cEnd;
        std::function<void(DlgFarbenTest&)> end;
    };
    const Case aCases[] = {
        {"cancel", [](DlgFarbenTest& t) { t.Click("FARBABBRECHEN"); }},
        {"close box", [](DlgFarbenTest& t) { SendMessageA(t.dialog->Handle(), WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cEnd);
        Open();
        Choose(1, RGB(0, 0, 0));
        Choose(4, RGB(10, 20, 30));
        Slide(3);
        Click("FARBRICHTUNG");
        Click("FARBSTANDARD");
        Choose(5, RGB(200, 0, 0));
        ASSERT_TRUE(dialog->Changed());
        c.end(*this);
        EXPECT_EQ(dialog->Handle(), nullptr);
        EXPECT_TRUE(CurrentSettings() == oBefore);
        EXPECT_EQ(FarbenNeuCalls(), 0);
    }
}

TEST_F(DlgFarbenTest, TheModalDialogReturnsAfterCancel)
{
    const Settings oBefore = CurrentSettings();
    dlgFarben oDialog(frame.get());
    PostMessageA(oDialog.GetControl("FARBRICHTUNG")->Handle(), BM_CLICK, 0, 0);
    PostMessageA(oDialog.GetControl("FARBABBRECHEN")->Handle(), BM_CLICK, 0, 0);
    oDialog.Show();
    EXPECT_EQ(oDialog.Handle(), nullptr);
    EXPECT_TRUE(frame->IsEnabled());
    EXPECT_TRUE(CurrentSettings() == oBefore);
}

TEST_F(DlgFarbenTest, ApplyWithoutAChangeKeepsTheSettingsAndTellsNoOne)
{
    for (const char* cFarben : {"", "220250235"}) {
        SCOPED_TRACE(cFarben);
        gcFarben = cFarben;
        const Settings oBefore = CurrentSettings();
        Open();
        Choose(2, std::nullopt);
        Choose(4, gaFarben[3].ColorRef());
        Slide(gnGradient);
        Click("FARBWEITER");
        EXPECT_EQ(dialog->Handle(), nullptr);
        EXPECT_TRUE(CurrentSettings() == oBefore);
        EXPECT_EQ(FarbenNeuCalls(), 0);
    }
}

TEST_F(DlgFarbenTest, ChoosingAFieldsOwnColourOrCancellingChangesNothing)
{
    struct Case {
        int n;
        std::optional<COLORREF> nAnswer;
    };
    for (const Case& c : {Case{1, gaFarben[0].ColorRef()}, Case{4, gaFarben[3].ColorRef()}, Case{5, std::nullopt}}) {
        SCOPED_TRACE(c.n);
        Open();
        Choose(c.n, c.nAnswer);
        const auto aColor = seam.CallsOf("Color");
        ASSERT_FALSE(aColor.empty());
        EXPECT_EQ(aColor.back().owner, dialog->Handle());
        EXPECT_EQ(aColor.back().number, static_cast<long long>(gaFarben[static_cast<size_t>(c.n - 1)].ColorRef()));
        auto* oFeld = Get<Edit>(("FARBFELD" + std::to_string(c.n)).c_str());
        EXPECT_EQ(oFeld->Background().Handle(), gaPinsel[static_cast<size_t>(c.n - 1)].Handle());
        EXPECT_FALSE(dialog->Changed());
        EXPECT_EQ(dialog->nPaints, 0);
    }
}

TEST_F(DlgFarbenTest, ANewColourGoesIntoItsFieldAndOnlyColours4And5RepaintThePreview)
{
    Open();
    const COLORREF aNeu[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(9, 9, 9), RGB(250, 250, 0)};
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        const int nPaints = dialog->nPaints;
        Choose(n, aNeu[n - 1]);
        auto* oFeld = Get<Edit>(("FARBFELD" + std::to_string(n)).c_str());
        EXPECT_EQ(BrushColour(oFeld->Background()), aNeu[n - 1]);
        EXPECT_EQ(dialog->Farben()[static_cast<size_t>(n - 1)].ColorRef(), aNeu[n - 1]);
        EXPECT_EQ(dialog->nPaints - nPaints, n >= 4 ? 1 : 0);
        // A second click into the same field opens the chooser again.
        const size_t nChoosers = seam.CallsOf("Color").size();
        Choose(n, std::nullopt);
        EXPECT_EQ(seam.CallsOf("Color").size(), nChoosers + 1);
    }
    EXPECT_TRUE(dialog->Changed());
}

TEST_F(DlgFarbenTest, TheDirectionRunsThroughItsCycleWithARepaintEach)
{
    Open();
    for (int nExpected : {0, 4, 2, 5, 1, 6, 3, 7}) {
        const int nPaints = dialog->nPaints;
        Click("FARBRICHTUNG");
        EXPECT_EQ(dialog->GradDir(), nExpected);
        EXPECT_EQ(dialog->nPaints, nPaints + 1);
    }
    dialog->EndDialog();

    gnGradDir = 9;
    Open();
    Click("FARBRICHTUNG");
    EXPECT_EQ(dialog->GradDir(), 9);
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(dialog->nPaints, 1);
}

TEST_F(DlgFarbenTest, StandardSetsWhatDiffersFromTheStandard)
{
    struct Case {
        const char* cName;
        std::function<void(DlgFarbenTest&)> before;  // settings changed before opening
        std::function<void(DlgFarbenTest&)> inside;  // what the user did before pressing Standard
        bool lChanged;
    };
    const Case aCases[] = {
        {"all standard", [](DlgFarbenTest&) {}, [](DlgFarbenTest&) {}, false},
        {"colour 2 other", [](DlgFarbenTest&) { gaFarben[1] = Color(0, 0, 0); }, [](DlgFarbenTest&) {}, true},
        {"colour 5 chosen", [](DlgFarbenTest&) {}, [](DlgFarbenTest& t) { t.Choose(5, RGB(1, 1, 1)); }, true},
        {"strength 3", [](DlgFarbenTest&) { gnGradient = 3; }, [](DlgFarbenTest&) {}, true},
        {"direction 2", [](DlgFarbenTest&) { gnGradDir = 2; }, [](DlgFarbenTest&) {}, true},
        // An earlier change counts even when it was undone.
        {"direction round", [](DlgFarbenTest&) {},
         [](DlgFarbenTest& t) {
             for (int i = 0; i < 8; ++i) t.Click("FARBRICHTUNG");
         },
         true},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cName);
        StandardSettings();
        c.before(*this);
        Open();
        c.inside(*this);
        const int nPaints = dialog->nPaints;
        Click("FARBSTANDARD");
        EXPECT_EQ(dialog->Farben(), gaFarbenStandard);
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(BrushColour(Get<Edit>(("FARBFELD" + std::to_string(n)).c_str())->Background()),
                      gaFarbenStandard[static_cast<size_t>(n - 1)].ColorRef());
        EXPECT_EQ(Get<Slider>("GRADIENTSLIDER")->ThumbPosition(), 15);
        EXPECT_EQ(dialog->Gradient(), 15);
        EXPECT_EQ(dialog->GradDir(), 7);
        EXPECT_EQ(dialog->Changed(), c.lChanged);
        EXPECT_EQ(dialog->nPaints - nPaints, c.lChanged ? 1 : 0);
    }
}

TEST_F(DlgFarbenTest, ASlideIsTakenWhenItEndsAwayFromTheOldPlace)
{
    Open();
    auto* oSlider = Get<Slider>("GRADIENTSLIDER");
    // Dragged away and back: released at the old place.
    oSlider->SetThumbPosition(2);
    SendMessageA(dialog->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 2),
                 reinterpret_cast<LPARAM>(oSlider->Handle()));
    EXPECT_EQ(dialog->Gradient(), 15);
    Slide(15);
    EXPECT_FALSE(dialog->Changed());
    EXPECT_EQ(dialog->nPaints, 0);
    Slide(2);
    EXPECT_EQ(dialog->Gradient(), 2);
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(dialog->nPaints, 1);
}

TEST_F(DlgFarbenTest, ApplyWritesTheColoursAsFortyFiveDigitsAndTellsTheCalculationWindow)
{
    Open();
    Choose(1, RGB(0, 0, 0));
    Choose(3, RGB(255, 7, 80));
    Choose(5, RGB(0, 100, 0));
    Slide(0);
    Click("FARBRICHTUNG");
    const HBRUSH hPinsel3 = Get<Edit>("FARBFELD3")->Background().Handle();
    Click("FARBWEITER");
    EXPECT_EQ(dialog->Handle(), nullptr);
    EXPECT_EQ(gcFarben, "000000000255225225255007080153204153000100000");
    const std::array<Color, 5> aErwartet = {Color(0, 0, 0), gaFarbenStandard[1], Color(255, 7, 80), gaFarbenStandard[3],
                                            Color(0, 100, 0)};
    EXPECT_EQ(gaFarben, aErwartet);
    EXPECT_EQ(gaPinsel[2].Handle(), hPinsel3);
    EXPECT_EQ(BrushColour(gaPinsel[0]), RGB(0, 0, 0));
    EXPECT_EQ(gnGradient, 0);
    EXPECT_EQ(gnGradDir, 0);
    EXPECT_EQ(FarbenNeuCalls(), 1);
}

TEST_F(DlgFarbenTest, HelpShowsTheColourTopicAndTheDialogStaysOpen)
{
    frame->SetHelpDisplay(std::make_unique<HelpDisplay>("zodedado.chm", frame.get()));
    goShell = frame.get();
    seam.helpAnswer = frame->Handle();
    Open();
    Click("FARBHILFE");
    goShell = nullptr;
    const auto aHelp = seam.CallsOf("Help");
    ASSERT_EQ(aHelp.size(), 1u);
    EXPECT_EQ(aHelp[0].text, "zodedado.chm");
    EXPECT_EQ(aHelp[0].detail, "a_farbeinstellung");
    EXPECT_NE(dialog->Handle(), nullptr);
}

// The preview against the same spot canvas painted on a memory device.
class DlgFarbenPreviewTest : public DlgFarbenTest {
protected:
    // Points of the surface between the outer frames, down the left and the
    // right edge, in client pixels from the top left.
    std::vector<POINT> Probes() const
    {
        auto rect = [&](const char* cName) {
            RECT r;
            GetWindowRect(Get(cName)->Handle(), &r);
            MapWindowPoints(HWND_DESKTOP, dialog->Handle(), reinterpret_cast<POINT*>(&r), 2);
            return r;
        };
        const RECT a = rect("GRUPPENFELD4"), b = rect("GRUPPENFELD3");
        std::vector<POINT> aPoints;
        for (int y : {b.top + 4, (b.top + b.bottom) / 2, b.bottom - 4})
            for (int x : {(a.left + b.left) / 2, (a.right + b.right) / 2}) aPoints.push_back({x, y});
        return aPoints;
    }

    COLORREF ScreenPixel(POINT p) const
    {
        HDC hDC = GetDC(dialog->Handle());
        const COLORREF c = GetPixel(hDC, p.x, p.y);
        ReleaseDC(dialog->Handle(), hDC);
        return c;
    }

    void ExpectPreview(Color oHintergrund, Color oVerlauf, int nGradient, int nGradDir)
    {
        Settle();
        RECT r;
        GetClientRect(dialog->Handle(), &r);
        gMemory oReferenz(2, r.right, r.bottom);
        oReferenz._oGraphics
            ->SetBackgroundColor(ColorArg::Rgb(oHintergrund.Red(), oHintergrund.Green(), oHintergrund.Blue()))
            .SetGradientColor(ColorArg::Rgb(oVerlauf.Red(), oVerlauf.Green(), oVerlauf.Blue()))
            .PaintSpotCanvas(nGradient, static_cast<uint32_t>(nGradDir));
        HDC hDC = CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = SelectObject(hDC, oReferenz.GetMemoryHandle());
        for (const POINT& p : Probes()) EXPECT_EQ(ScreenPixel(p), GetPixel(hDC, p.x, p.y)) << p.x << ", " << p.y;
        SelectObject(hDC, hOld);
        DeleteDC(hDC);
    }
};

TEST_F(DlgFarbenPreviewTest, ThePreviewFollowsColours4And5TheStrengthAndTheDirection)
{
    Open();
    ExpectPreview(gaFarben[3], gaFarben[4], 15, 7);
    Choose(4, RGB(200, 30, 30));
    ExpectPreview(Color(200, 30, 30), gaFarben[4], 15, 7);
    Choose(5, RGB(20, 20, 220));
    ExpectPreview(Color(200, 30, 30), Color(20, 20, 220), 15, 7);
    Slide(6);
    ExpectPreview(Color(200, 30, 30), Color(20, 20, 220), 6, 7);
    Click("FARBRICHTUNG");
    ExpectPreview(Color(200, 30, 30), Color(20, 20, 220), 6, 0);
    Click("FARBRICHTUNG");
    ExpectPreview(Color(200, 30, 30), Color(20, 20, 220), 6, 4);
}

}  // namespace
