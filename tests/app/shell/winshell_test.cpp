// The frame window with the calculation window in it, made as the start-up
// makes them, in a fresh user directory with the shipped language files.
#include "app/shell/winshell.h"

#include <windows.h>
#include <commctrl.h>
#include <htmlhelp.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <set>
#include <sstream>
#include <gmock/gmock.h>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/dlgeditor.h"
#include "app/shell/dlgfarben.h"
#include "app/shell/dlgsprache.h"
#include "app/shell/dlgurheber.h"
#include "app/shell/globals.h"
#include "calc/library.h"
#include "calc/pump.h"
#include "lib/ini.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/app.h"
#include "platform/framework/recording_seam.h"
#include "platform/framework/standard_dialogs.h"
#include "platform/geodesy/orbalith32.h"
#include "platform/runtime/files.h"
#include "platform/runtime/system.h"
#include "shell_fixture.h"
#include "tests/app/user_input.h"

using namespace shell_test;
using ::testing::HasSubstr;

namespace {

constexpr int kFirstId = widgets::MenuExtra::kFirstId;

// The calculation window, noting the size messages it is sent and whether
// section Config held the frame's position when it saved its last inputs.
class NotingCalcPar : public dtaCalcPar {
public:
    explicit NotingCalcPar(Window* owner) : dtaCalcPar(owner) {}
    LRESULT Dispatch(Event& event) override
    {
        if (event.message == WM_SIZING || event.message == WM_EXITSIZEMOVE) sizeMessages.push_back(event.message);
        return dtaCalcPar::Dispatch(event);
    }
    void Destroy() override
    {
        if (Handle()) configBeforeInputs = !GetIniString("Config", "Ansicht", gcPfadUser + "meridoxa.ini").empty();
        dtaCalcPar::Destroy();
    }
    std::vector<UINT> sizeMessages;
    bool configBeforeInputs = false;
};

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        gcPfadUser = FreshDir("winshell");
        CreateDirectoryA((gcPfadUser + "UserData").c_str(), nullptr);
        gcPfadSprache = MDX_SOURCE_DIR "/lang/";
        std::replace(gcPfadSprache.begin(), gcPfadSprache.end(), '/', '\\');
        Config("Begruessung", "F");
        Config("Sprache", "eng");
        ASSERT_TRUE(library.Load(MDX_PROGRAM_DIR "/orbalith32.dll")) << library.Error();
        calc::SetLibrary(&library);
    }

    void TearDown() override
    {
        Stop();
        calc::SetLibrary(nullptr);
        gcSprache = "eng";
    }

    // Ends the program without asking and forgets its windows.
    void Stop()
    {
        if (frame && IsWindow(frame->Handle())) {
            glEndeNachfrage = false;
            SendMessageA(frame->Handle(), WM_CLOSE, 0, 0);
        }
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        calcPar.reset();
        frame.reset();
    }

    void Config(const char* key, const std::string& value) { WriteIniString("Config", key, value, Ini()); }
    std::string Ini() const { return gcPfadUser + "meridoxa.ini"; }
    std::string IniValue(const char* section, const char* key) const
    {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, Ini().c_str());
        return GetIniString(section, key, Ini());
    }

    // The frame, shown with its start screen, and the calculation window in it.
    void Start()
    {
        frame = std::make_unique<winShell>();
        frame->Show();
        calcPar = std::make_unique<NotingCalcPar>(frame.get());
        calcPar->Show();
    }

    void Pump()
    {
        for (int i = 0; i < 20; ++i) ApplicationExec();
    }

    // A menu command as the menu bar sends it.
    void Command(int row) { SendMessageA(frame->Handle(), WM_COMMAND, kFirstId + row, 0); }

    // A key with or without Ctrl, routed as the message loop routes it.
    void Key(int virtualKey, bool control)
    {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(state);
        MSG message{};
        message.hwnd = frame->Handle();
        message.message = WM_KEYDOWN;
        message.wParam = static_cast<WPARAM>(virtualKey);
        message.lParam = 1;
        RouteMessage(message);
        state[VK_CONTROL] = 0;
        SetKeyboardState(state);
    }

    bool Checked(int row) const
    {
        return GetMenuState(GetMenu(frame->Handle()), kFirstId + row, MF_BYCOMMAND) & MF_CHECKED;
    }

    App app;
    RecordingSeam seam;
    geodesy::GeodesyLibrary library;
    std::unique_ptr<winShell> frame;
    std::unique_ptr<NotingCalcPar> calcPar;
};

TEST_F(Frame, HasItsStatusBarCaptionMenuAndAccelerators)
{
    Start();
    EXPECT_EQ(frame->Caption(), "MERIDOXA 8.01");
    EXPECT_EQ(GetWindowLongPtrA(frame->Handle(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);

    widgets::statusbar2* bar = frame->StatusBar2();
    ASSERT_NE(bar, nullptr);
    int edges[4] = {};
    ASSERT_EQ(SendMessageA(bar->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[1] - edges[0], 65);
    const std::string today = TodaySortable();
    EXPECT_EQ(bar->GetText("SB_DATE"), today.substr(6, 2) + "." + today.substr(4, 2) + "." + today.substr(0, 4));
    EXPECT_THAT(bar->GetText(StatusBar::kTime), ::testing::MatchesRegex("\\d\\d?:\\d\\d:\\d\\d"));

    // Three popups; every entry has the id of its row of the table, no two
    // separators stand side by side, the Help popup has three.
    HMENU menu = GetMenu(frame->Handle());
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const int headerRows[] = {1, 13, 19, 30};
    for (int popup = 0; popup < 3; ++popup) {
        SCOPED_TRACE(popup);
        HMENU items = GetSubMenu(menu, popup);
        ASSERT_EQ(GetMenuItemCount(items), headerRows[popup + 1] - headerRows[popup] - 1);
        int separators = 0;
        bool lastWasSeparator = true;
        for (int i = 0; i < GetMenuItemCount(items); ++i) {
            const bool separator = GetMenuState(items, i, MF_BYPOSITION) & MF_SEPARATOR;
            EXPECT_FALSE(separator && lastWasSeparator) << i;
            if (!separator) {
                EXPECT_EQ(static_cast<int>(GetMenuItemID(items, i)), kFirstId + headerRows[popup] + 1 + i);
            }
            separators += separator;
            lastWasSeparator = separator;
        }
        EXPECT_FALSE(lastWasSeparator);
        if (popup == 2) {
            EXPECT_EQ(separators, 3);
        }
    }

    ACCEL table[8] = {};
    ASSERT_EQ(CopyAcceleratorTableA(frame->GetAccelerator().Handle(), table, 8), 3);
    const std::vector<std::vector<int>> expected = {{FVIRTKEY | FCONTROL, 'B', kFirstId + 12},
                                                    {FVIRTKEY, VK_F1, kFirstId + 22},
                                                    {FVIRTKEY | FCONTROL, VK_F1, kFirstId + 23}};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ((std::vector<int>{table[i].fVirt, table[i].key, table[i].cmd}), expected[i]) << i;
}

TEST_F(Frame, CheckMarksFollowTheSwitchesAndEachToggleFlipsFlagAndMark)
{
    struct Case {
        const char* key;
        bool* flag;
        int row;
    };
    const Case cases[] = {
        {"Tooltip", &glTooltip, 7}, {"Begruessung", &glBegruessung, 9}, {"EndeNachfrage", &glEndeNachfrage, 10}};
    Config("Tooltip", "F");
    Config("EndeNachfrage", "T");
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(Checked(c.row), *c.flag);
        const bool before = *c.flag;
        for (bool expected : {!before, before}) {
            Command(c.row);
            EXPECT_EQ(*c.flag, expected);
            EXPECT_EQ(Checked(c.row), expected);
        }
    }
}

// A timer callback: notes whether the frame is enabled while it shows its
// start screen.
std::vector<bool> g_enabledDuringWait;
HWND g_waitingFrame = nullptr;
void CALLBACK NoteEnabled(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_enabledDuringWait.push_back(IsWindowEnabled(g_waitingFrame));
}

TEST_F(Frame, ShowsItsStartScreenOnceDisabledForHalfASecond)
{
    frame = std::make_unique<winShell>();
    g_waitingFrame = frame->Handle();
    g_enabledDuringWait.clear();
    SetTimer(nullptr, 0, 200, NoteEnabled);
    const auto begin = std::chrono::steady_clock::now();
    frame->Show();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    EXPECT_GE(seconds, 0.45);
    EXPECT_LT(seconds, 1.5);
    EXPECT_EQ(g_enabledDuringWait, std::vector<bool>{false});
    EXPECT_TRUE(IsWindowEnabled(frame->Handle()));

    Graphics& painter = *frame->_oGraphics;
    auto pixels = [&](double yFrom, double yTo) {
        painter.SetWorldOrigin(0, 0);
        std::set<uint32_t> colours;
        const double w = painter.GetDeviceWidth(), h = painter.GetDeviceHeight();
        for (double y = yFrom * h; y <= yTo * h; y += 1)
            for (double x = 0.3 * w; x <= 0.7 * w; x += 1) colours.insert(painter.GetPointColor(x, y));
        return colours;
    };
    // Colour 4 in the top left corner, running to black in the bottom right.
    painter.SetWorldOrigin(0, 0);
    EXPECT_EQ(painter.GetPointColor(0, painter.GetDeviceHeight() - 1), RGB(153, 204, 153));
    EXPECT_EQ(painter.GetPointColor(painter.GetDeviceWidth() - 1, 0), RGB(0, 0, 0));
    // The white title above the centre, with its black shadow.
    const std::set<uint32_t> title = pixels(0.75, 0.85);
    EXPECT_TRUE(title.count(RGB(255, 255, 255)));
    EXPECT_TRUE(title.count(RGB(0, 0, 0)));

    // A minimise and restore shows the start screen from the refresh bitmap.
    ShowWindow(frame->Handle(), SW_MINIMIZE);
    ShowWindow(frame->Handle(), SW_RESTORE);
    Pump();
    EXPECT_TRUE(pixels(0.75, 0.85).count(RGB(255, 255, 255)));
    // A new size repaints in full, and the start screen is not drawn again.
    frame->SetSize({frame->Size().width + 40, frame->Size().height + 40});
    Pump();
    frame->PaintNew();
    EXPECT_FALSE(pixels(0.75, 0.85).count(RGB(255, 255, 255)));
}

TEST_F(Frame, TheCalculationWindowFollowsTheSizeAndTakesTheFocus)
{
    Start();
    const int menuBar = GetSystemMetrics(SM_CYMENU);
    for (Dimension size : {Dimension{700, 760}, Dimension{500, 400}}) {
        frame->SetSize(size);
        const BoundingBox canvas = frame->CanvasArea();
        EXPECT_EQ(calcPar->Origin().y, menuBar);
        EXPECT_EQ(calcPar->Origin().x, 0);
        EXPECT_EQ(calcPar->Size().width, canvas.Width());
        EXPECT_EQ(calcPar->Size().height, canvas.Height() - menuBar);
    }
    RECT drag{0, 0, 600, 600};
    for (int i = 0; i < 3; ++i) SendMessageA(frame->Handle(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&drag));
    SendMessageA(frame->Handle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(calcPar->sizeMessages, (std::vector<UINT>{WM_SIZING, WM_SIZING, WM_SIZING, WM_EXITSIZEMOVE}));

    // With no control noted, or with the noted one disabled since, the first
    // control takes the focus, its text selected.
    auto* source = dynamic_cast<MultiLineEdit*>(calcPar->GetControl("KOORDLISTQ"));
    const HWND target = calcPar->GetControl("KOORDLISTZ")->Handle();
    source->SetTextValue("11 12 13");
    for (bool noted : {false, true}) {
        SCOPED_TRACE(noted ? "noted control disabled" : "none noted");
        if (noted) {
            SetFocus(target);
            SendMessageA(frame->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
            EnableWindow(target, FALSE);
        }
        SetFocus(frame->Handle());
        SendMessageA(frame->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(GetFocus(), source->Handle());
        DWORD from = 1, to = 0;
        SendMessageA(source->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, 0u);
        EXPECT_EQ(to, 8u);
    }
    EnableWindow(target, TRUE);
}

// Answers the system's message box that is active with the access key of
// its No button.
void CALLBACK AnswerNo(HWND, UINT, UINT_PTR timer, DWORD)
{
    char className[16] = {};
    GetClassNameA(GetActiveWindow(), className, sizeof className);
    if (std::string(className) != "#32770") return;
    KillTimer(nullptr, timer);
    user_input::Press({'N'});
}

// A seam whose message boxes are the system's own, each answered No by a
// key: the frame loses the activation to the box and gets it back when the
// box closes, as in the program.
class SystemBoxSeam : public RecordingSeam {
public:
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) override
    {
        RecordingSeam::ShowMessageBox(owner, text, caption, type);
        SetTimer(nullptr, 0, 20, AnswerNo);
        return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    }
};

// Presses Esc in the frame's modal dialog once it is active.
void CALLBACK EscapeDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    auto* dialog = dynamic_cast<DialogWindow*>(ObjectOfWindowHandle(GetActiveWindow()));
    if (!dialog || !dialog->IsVisible()) return;
    KillTimer(nullptr, timer);
    user_input::Press({VK_ESCAPE});
}

// The user types on after the frame was inactive or the calculation window
// was locked: the key goes to the caret of the control that had the focus,
// and every other text stays.
TEST_F(Frame, AKeyTypedAfterAnInterruptionGoesWhereTheCaretWas)
{
    enum Interruption { OtherWindow, MenuDialog, ExitQuestion, Computation, ComputeClick };
    struct Case {
        Interruption interruption;
        int row;  // the menu row of a dialog
        const char* source;
        const char* focused;  // the control with the focus afterwards
        const char* target;   // the target list after the key
    };
    // The computations refuse the source list: its height is no number in
    // the format with point number, longitude, latitude and height.
    const Case cases[] = {
        {OtherWindow, 0, "11 12 13", "KOORDLISTZ", "2x1 22 23"},
        {MenuDialog, 2, "11 12 13", "KOORDLISTZ", "2x1 22 23"},
        {MenuDialog, 4, "11 12 13", "KOORDLISTZ", "2x1 22 23"},
        {MenuDialog, 5, "11 12 13", "KOORDLISTZ", "2x1 22 23"},
        {ExitQuestion, 0, "11 12 13", "KOORDLISTZ", "2x1 22 23"},
        // Started without a click, as the recompute after a language or
        // convention change starts it.
        {Computation, 0, "P1 1 2 x", "KOORDLISTZ", "2x1 22 23"},
        // The click gave the button the focus.
        {ComputeClick, 0, "P1 1 2 x", "BUTBERECHNEN", "21 22 23"},
    };
    Config("EndeNachfrage", "T");
    Start();
    SystemBoxSeam boxes;
    auto* format = dynamic_cast<ComboBox*>(calcPar->GetControl("COMFORMQ"));
    format->SetCurrentItemNo(4);
    SendMessageA(calcPar->Handle(), WM_COMMAND, MAKEWPARAM(format->ControlId(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(format->Handle()));
    auto* source = dynamic_cast<MultiLineEdit*>(calcPar->GetControl("KOORDLISTQ"));
    auto* target = dynamic_cast<MultiLineEdit*>(calcPar->GetControl("KOORDLISTZ"));
    const HWND shell = frame->Handle();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "interruption " << c.interruption << ", row " << c.row);
        source->SetTextValue(c.source);
        target->SetTextValue("21 22 23");
        user_input::TakeFocus(shell, target->Handle());
        // The caret after the first digit.
        SendMessageA(target->Handle(), EM_SETSEL, 1, 1);
        goFehler->HideMeldung();
        switch (c.interruption) {
        case OtherWindow: {
            HWND other = CreateWindowExA(0, "STATIC", "Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320,
                                         200, nullptr, nullptr, nullptr, nullptr);
            for (HWND front : {other, shell}) {
                SetForegroundWindow(front);
                user_input::DispatchUntil([&] { return GetActiveWindow() == front; });
                ASSERT_EQ(GetActiveWindow(), front);
            }
            DestroyWindow(other);
            break;
        }
        case MenuDialog:
            SetTimer(nullptr, 0, 20, EscapeDialog);
            Command(c.row);
            break;
        case ExitQuestion:
            Command(12);
            user_input::DispatchUntil([&] { return !boxes.CallsOf("MessageBox").empty(); });
            ASSERT_TRUE(IsWindow(shell));
            break;
        case Computation: calcPar->ButBerechnen(); break;
        case ComputeClick:
            user_input::Click(calcPar->GetControl("BUTBERECHNEN")->Handle());
            user_input::DispatchUntil([] { return goFehler->IsVisible(); });
            break;
        }
        user_input::DispatchUntil([&] { return GetActiveWindow() == shell; });
        ASSERT_EQ(GetActiveWindow(), shell);
        // The computations were refused.
        EXPECT_EQ(goFehler->IsVisible(), c.interruption >= Computation);
        EXPECT_EQ(GetFocus(), calcPar->GetControl(c.focused)->Handle());

        user_input::Press({'X'});
        user_input::DispatchUntil([&] { return target->TextValue() != "21 22 23" || source->TextValue() != c.source; });
        EXPECT_EQ(source->TextValue(), c.source);
        EXPECT_EQ(target->TextValue(), c.target);
    }
}

TEST_F(Frame, ShutsDownOnlyWhenAllowedAndSavesSettingsBeforeInputs)
{
    enum Way { MenuItem, CtrlB, ExitButton, CloseBox, CloseBoxWhileDisabled };
    struct Case {
        Way way;
        bool question;
        int answer;
        bool closes;
    };
    const Case cases[] = {
        {MenuItem, true, IDYES, true}, {MenuItem, false, 0, true},      {CtrlB, true, IDNO, false},
        {CtrlB, false, 0, true},       {ExitButton, true, IDYES, true}, {ExitButton, true, IDNO, false},
        {CloseBox, true, IDYES, true}, {CloseBox, true, IDNO, false},   {CloseBoxWhileDisabled, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "way " << c.way << ", question " << c.question << ", answer " << c.answer);
        gcPfadUser = FreshDir("winshell_" + std::to_string(&c - cases));
        CreateDirectoryA((gcPfadUser + "UserData").c_str(), nullptr);
        Config("Begruessung", "F");
        Config("EndeNachfrage", c.question ? "T" : "F");
        Start();
        seam.calls.clear();
        seam.messageBoxAnswers.assign(1, c.answer);
        const HWND handle = frame->Handle();
        switch (c.way) {
        case MenuItem: Command(12); break;
        case CtrlB: Key('B', true); break;
        case ExitButton: SendMessageA(calcPar->GetControl("BUTBEENDEN")->Handle(), BM_CLICK, 0, 0); break;
        case CloseBox: SendMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case CloseBoxWhileDisabled:
            EnableWindow(handle, FALSE);
            SendMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
            EnableWindow(handle, TRUE);
            break;
        }
        Pump();
        const auto questions = seam.CallsOf("MessageBox");
        ASSERT_EQ(questions.size(), c.question ? 1u : 0u);
        if (c.question) {
            EXPECT_EQ(questions[0].text, "Do you want to end MERIDOXA?");
            EXPECT_EQ(questions[0].detail, "MERIDOXA");
            EXPECT_EQ(questions[0].number, MB_YESNO | MB_ICONQUESTION);
        }
        MSG quit;
        EXPECT_EQ(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0, c.closes);
        EXPECT_EQ(IsWindow(handle) != 0, !c.closes);
        EXPECT_EQ(IniValue("Config", "Ansicht").empty(), !c.closes);
        EXPECT_EQ(IniValue("ProgrammFen", "ParaCombo").empty(), !c.closes);
        if (c.closes) {
            EXPECT_TRUE(calcPar->configBeforeInputs);
            EXPECT_EQ(goCalcPar, nullptr);
            EXPECT_EQ(goFehler, nullptr);
            EXPECT_EQ(goHinweis, nullptr);
            EXPECT_EQ(goErfolg, nullptr);
            EXPECT_EQ(goDrucker, nullptr);
        }
        Stop();
    }
}

// A language switch would be gone at the next start: the user is told once,
// in a box, since the message windows end with the frame.
TEST_F(Frame, SettingsThatCannotBeSavedAreReportedOnceWithTheFilesName)
{
    Config("EndeNachfrage", "F");
    Start();
    SetFileAttributesA(Ini().c_str(), FILE_ATTRIBUTE_READONLY);
    seam.calls.clear();
    const HWND handle = frame->Handle();
    Command(12);
    Pump();
    SetFileAttributesA(Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(IsWindow(handle));
    const auto boxes = seam.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, Ini() + ": " + DosErrString(ERROR_ACCESS_DENIED));
    EXPECT_EQ(boxes[0].detail, "MERIDOXA");
    EXPECT_EQ(boxes[0].number, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(Frame, TheEndOfTheSessionSavesSettingsAndInputsWithoutAsking)
{
    Start();
    SendMessageA(frame->Handle(), WM_QUERYENDSESSION, 0, 0);
    SendMessageA(frame->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(seam.CallsOf("MessageBox").empty());
    EXPECT_EQ(IniValue("Config", "Ansicht").size(), 20u);
    EXPECT_FALSE(IniValue("ProgrammFen", "ParaCombo").empty());
}

// Closing the program while a computation dispatches messages (Ctrl+B, Alt+F4
// and the close box reach the frame through the computation's message pump).
HWND g_frame = nullptr;
int g_closeRequests = 0;
void RequestClose()
{
    if (g_closeRequests++ == 0) {
        PostMessageA(g_frame, WM_CLOSE, 0, 0);
        PostMessageA(g_frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    ApplicationExec();
}

TEST_F(Frame, ACloseRequestDuringAComputationIsRefused)
{
    Config("EndeNachfrage", "F");
    Start();
    auto list = [&](const char* name) { return dynamic_cast<MultiLineEdit*>(calcPar->GetControl(name)); };
    std::ostringstream lines;
    for (int i = 0; i < 60; ++i)
        lines << 'P' << i << ' ' << 4157222 + i * 37 << ' ' << 664789 + i * i << ' ' << 4774952 - i * 11 << "\r\n";
    for (const char* name : {"COMFORMQ", "COMFORMZ"}) {
        auto* combo = dynamic_cast<ComboBox*>(calcPar->GetControl(name));
        combo->SetCurrentItemNo(2);
        SendMessageA(calcPar->Handle(), WM_COMMAND, MAKEWPARAM(combo->ControlId(), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo->Handle()));
    }
    list("KOORDLISTQ")->SetTextValue(lines.str());
    list("KOORDLISTZ")->SetTextValue(lines.str());
    dynamic_cast<CheckBox*>(calcPar->GetControl("CHECKKLAFOUT"))->SetChecked(true);
    g_frame = frame->Handle();
    g_closeRequests = 0;
    const calc::MessageDispatcher previous = calc::SetMessageDispatcher(RequestClose);
    calcPar->ButBerechnen();
    calc::SetMessageDispatcher(previous);

    EXPECT_GT(g_closeRequests, 0);
    ASSERT_TRUE(IsWindow(frame->Handle()));
    ASSERT_TRUE(IsWindow(calcPar->Handle()));
    EXPECT_TRUE(calcPar->lErgebnis);
    EXPECT_FALSE(calcPar->IsBusy());
    EXPECT_THAT(list("HELMERTPAR")->TextValue(), HasSubstr("P59 P59 "));

    // Idle again, the frame closes.
    SendMessageA(frame->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(g_frame));
}

// The pixels of a header of the frame's menu bar as drawn that are darker
// than grey text: black text is drawn with them, grey text without.
int DarkPixelsOfHeader(HWND frame, int position)
{
    RECT item{}, window{};
    GetMenuItemRect(frame, GetMenu(frame), static_cast<UINT>(position), &item);
    GetWindowRect(frame, &window);
    const int width = item.right - item.left, height = item.bottom - item.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, picture);
    HDC drawn = GetWindowDC(frame);
    BitBlt(memory, 0, 0, width, height, drawn, item.left - window.left, item.top - window.top, SRCCOPY);
    ReleaseDC(frame, drawn);
    int dark = 0;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const DWORD p = pixels[i];
        if ((p & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && ((p >> 16) & 0xFF) < 0x60) ++dark;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
    return dark;
}

TEST_F(Frame, TheCalculationWindowsLockGreysEveryMenuItem)
{
    Start();
    Pump();
    const std::pair<int, const char*> items[] = {
        {2, "MENUE1_1_1"}, {12, "MENUE1_1_9"}, {14, "MENUE1_2_1"}, {22, "MENUE1_3_2"}, {29, "MENUE1_3_10"}};
    for (bool locked : {true, false}) {
        SCOPED_TRACE(locked ? "locked" : "unlocked");
        if (locked)
            calcPar->ControlsAusschalten();
        else
            calcPar->ControlsEinschalten();
        Pump();
        for (int position = 0; position < 3; ++position) {
            const char* header = std::array{"MENUE1_1", "MENUE1_2", "MENUE1_3"}[static_cast<size_t>(position)];
            EXPECT_EQ(frame->Menue()->IsDisabled(widgets::MenuKey::Symbol(header)), locked) << header;
            // The headers as drawn: grey text while locked, black text after.
            EXPECT_EQ(DarkPixelsOfHeader(frame->Handle(), position) == 0, locked) << header;
        }
        for (const auto& [row, key] : items) {
            EXPECT_EQ(frame->Menue()->IsDisabled(widgets::MenuKey::Symbol(key)), locked) << key;
            EXPECT_EQ((GetMenuState(GetMenu(frame->Handle()), kFirstId + row, MF_BYCOMMAND) & MF_GRAYED) != 0, locked)
                << key;
        }
    }
}

TEST_F(Frame, TheLanguageSetsCaptionMenuTextsAndHelpFile)
{
    Start();
    struct Case {
        const char* code;
        const char* exitCaption;
        const char* helpFile;
    };
    for (const Case& c : {Case{"ger", "Beenden", "vezarovu.chm"}, Case{"slv", "Exit", "zodedado.chm"},
                          Case{"eng", "Exit", "zodedado.chm"}}) {
        SCOPED_TRACE(c.code);
        gcSprache = c.code;
        frame->Sprache();
        EXPECT_EQ(frame->Caption(), "MERIDOXA 8.01");
        ASSERT_NE(frame->GetHelpDisplay(), nullptr);
        EXPECT_EQ(frame->GetHelpDisplay()->FileName(), gcPfadUser + c.helpFile);
        // Access keys: one per caption, unique on the menu bar and in each popup.
        HMENU bar = GetMenu(frame->Handle());
        std::string exitCaption;
        auto keysOf = [&](HMENU menu) {
            std::set<char> keys;
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) continue;
                char text[128] = {};
                GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
                std::string caption = text;
                const size_t marker = caption.find('&');
                EXPECT_NE(marker, std::string::npos) << caption;
                if (marker == std::string::npos) continue;
                EXPECT_TRUE(
                    keys.insert(static_cast<char>(tolower(static_cast<unsigned char>(caption[marker + 1])))).second)
                    << caption;
                if (GetMenuItemID(menu, i) == static_cast<UINT>(kFirstId + 12)) {
                    caption.erase(marker, 1);
                    exitCaption = caption;
                }
            }
        };
        keysOf(bar);
        for (int popup = 0; popup < 3; ++popup) keysOf(GetSubMenu(bar, popup));
        EXPECT_EQ(exitCaption, std::string(c.exitCaption) + "\tCtrl+B");
    }
}

TEST_F(Frame, HelpAndWebCommandsOpenTheirTopicsAndPagesByLanguage)
{
    struct Case {
        const char* language;
        int row;  // menu row; 0: F1, -1: Ctrl+F1, -2: F1 as a help request
        const char* kind;
        std::string text;
        std::string detail;
        long long number;
    };
    const std::string de = "vezarovu.chm", en = "zodedado.chm";
    const Case cases[] = {
        {"ger", 20, "Help", de, "a_helmertparameter", HH_ALINK_LOOKUP},
        {"eng", 22, "Help", en, "", HH_DISPLAY_TOC},
        {"ger", 23, "Help", de, "", HH_DISPLAY_INDEX},
        {"slv", 0, "Help", en, "", HH_DISPLAY_TOC},
        {"eng", -1, "Help", en, "", HH_DISPLAY_INDEX},
        {"ger", -2, "Help", de, "", HH_DISPLAY_TOC},
        {"ger", 25, "ShellExecute", "https://www.example.com/meridoxa.htm", "open||", SW_SHOWNORMAL},
        {"slv", 25, "ShellExecute", "https://www.example.com/meridoxae.htm", "open||", SW_SHOWNORMAL},
        {"ger", 26, "ShellExecute", "https://www.example.com/faq.htm#meridoxa", "open||", SW_SHOWNORMAL},
        {"eng", 26, "ShellExecute", "https://www.example.com/faqe.htm#meridoxa", "open||", SW_SHOWNORMAL},
        {"ger", 27, "ShellExecute", "https://de.wikipedia.org/wiki/Helmert-Transformation", "open||", SW_SHOWNORMAL},
        {"eng", 27, "ShellExecute", "https://en.wikipedia.org/wiki/Helmert_transformation", "open||", SW_SHOWNORMAL},
    };
    Start();
    seam.helpAnswer = frame->Handle();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.language << " row " << c.row);
        gcSprache = c.language;
        frame->Sprache();
        seam.calls.clear();
        if (c.row > 0)
            Command(c.row);
        else if (c.row == -2)
            SendMessageA(frame->Handle(), WM_HELP, 0, 0);
        else
            Key(VK_F1, c.row == -1);
        ASSERT_EQ(seam.calls.size(), 1u);
        const RecordingSeam::Call& call = seam.calls[0];
        EXPECT_EQ(call.kind, c.kind);
        EXPECT_EQ(call.text, c.kind == std::string("Help") ? gcPfadUser + c.text : c.text);
        EXPECT_EQ(call.detail, c.detail);
        EXPECT_EQ(call.number, c.number);
        EXPECT_EQ(call.owner, frame->Handle());
    }
}

TEST_F(Frame, PrintingAndPictureCommandsAskOrSetUpThroughTheSeam)
{
    struct Case {
        int row;
        const char* kind;
        std::string text;
    };
    const Case cases[] = {
        {6, "PrintSetup", ""},
        {15, "MessageBox", "Print the window of MERIDOXA 8.01 now?"},
        {16, "MessageBox", "Save the window of \"MERIDOXA 8.01\" as a GIF picture?"},
        {17, "MessageBox", "Save the window of \"MERIDOXA 8.01\" as a BMP picture?"},
    };
    seam.defaultPrinter = "Printer,winspool,LPT1:";
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        seam.calls.clear();
        seam.messageBoxAnswers.assign(1, IDNO);
        Command(c.row);
        const auto calls = seam.CallsOf(c.kind);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].text, c.text);
    }
}

// Chooses a language in the language dialog once it runs: the row with the
// code, then Apply; an empty code cancels.
std::string g_choice;
BOOL CALLBACK FindLanguageDialog(HWND window, LPARAM found)
{
    if (auto* object = dynamic_cast<dlgSprache*>(ObjectOfWindowHandle(window)))
        *reinterpret_cast<dlgSprache**>(found) = object;
    return TRUE;
}

void CALLBACK ChooseLanguage(HWND, UINT, UINT_PTR timer, DWORD)
{
    dlgSprache* dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindLanguageDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !dialog->IsVisible()) return;
    KillTimer(nullptr, timer);
    if (g_choice.empty()) {
        PostMessageA(dialog->GetControl("CHOOSEABBRECHEN")->Handle(), BM_CLICK, 0, 0);
        return;
    }
    for (std::size_t row = 0; row < gaSprachen.size(); ++row)
        if (gaSprachen[row].cCode == g_choice)
            SendMessageA(dialog->GetControl("COMCHOOSE")->Handle(), LB_SETCURSEL, row, 0);
    PostMessageA(dialog->GetControl("CHOOSEWEITER")->Handle(), BM_CLICK, 0, 0);
}

TEST_F(Frame, TheLanguageCommandSwitchesFrameAndCalculationWindowTogether)
{
    struct Case {
        const char* choice;  // empty: cancelled
        const char* language;
        const char* helpFile;
    };
    const Case cases[] = {
        {"ger", "ger", "vezarovu.chm"},
        {"ger", "ger", "vezarovu.chm"},
        {"", "ger", "vezarovu.chm"},
        {"eng", "eng", "zodedado.chm"},
    };
    Start();
    seam.messageBoxAnswers.assign(8, IDYES);
    auto* name = dynamic_cast<Edit*>(calcPar->GetControl("EDITBEZQ"));
    auto* typed = dynamic_cast<Edit*>(calcPar->GetControl("EDITBEZZ"));
    typed->SetTextValue("my system");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        const std::string before = name->TextValue();
        const bool switches = c.language != gcSprache;
        dynamic_cast<CheckBox*>(calcPar->GetControl("CHECKINVERS"))->SetChecked(true);
        g_choice = c.choice;
        SetTimer(nullptr, 0, 50, ChooseLanguage);
        Command(2);
        EXPECT_EQ(gcSprache, c.language);
        EXPECT_EQ(frame->GetHelpDisplay()->FileName(), gcPfadUser + c.helpFile);
        // The calculation window took the language only on a switch: its
        // default name follows, a typed name stays, the inverse option is off.
        EXPECT_EQ(name->TextValue() != before, switches);
        EXPECT_EQ(name->TextValue(), calcPar->SprachTexte().at(46));
        EXPECT_EQ(typed->TextValue(), "my system");
        EXPECT_EQ(dynamic_cast<CheckBox*>(calcPar->GetControl("CHECKINVERS"))->Checked(), !switches);
    }
}

// Ends the modal dialog the frame shows, noting whether it was the expected one.
bool (*g_expected)(DialogWindow*) = nullptr;
bool g_shown = false;
bool g_expectedShown = false;
void CALLBACK EndShownDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND popup = GetLastActivePopup(goShell->Handle());
    auto* dialog = dynamic_cast<DialogWindow*>(ObjectOfWindowHandle(popup));
    if (!dialog || !dialog->IsVisible()) return;
    KillTimer(nullptr, timer);
    g_shown = true;
    g_expectedShown = g_expected(dialog);
    dialog->EndDialog();
}

TEST_F(Frame, TheSettingsCommandsAndTheAboutBoxShowTheirDialogsModally)
{
    struct Case {
        int row;
        bool (*isIt)(DialogWindow*);
    };
    const Case cases[] = {
        {4, [](DialogWindow* d) { return dynamic_cast<dlgFarben*>(d) != nullptr; }},
        {5, [](DialogWindow* d) { return dynamic_cast<dlgEditor*>(d) != nullptr; }},
        {29, [](DialogWindow* d) { return dynamic_cast<dlgUrheber*>(d) != nullptr; }},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        g_expected = c.isIt;
        g_shown = g_expectedShown = false;
        SetTimer(nullptr, 0, 50, EndShownDialog);
        Command(c.row);
        EXPECT_TRUE(g_shown);
        EXPECT_TRUE(g_expectedShown);
        EXPECT_TRUE(IsWindowEnabled(frame->Handle()));
    }
}

}  // namespace
