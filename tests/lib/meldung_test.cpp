#include "lib/meldung.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

#include "lib/message_windows_setup.h"
#include "lib/sprache.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/recording_seam.h"
#include "platform/runtime/strings.h"

namespace {

// The three message windows as the frame window makes them, with the shipped
// language files, sounds going to a recording seam.
class MessageWindows : public ::testing::Test {
protected:
    void SetUp() override { OpenMessageWindows(Language()); }
    void TearDown() override { CloseMessageWindows(); }
    virtual std::string Language() const { return "eng"; }

    static RECT RectOf(const Window& window)
    {
        RECT rect{};
        GetWindowRect(window.Handle(), &rect);
        return rect;
    }

    static bool TimerRunning(const Window& window) { return KillTimer(window.Handle(), 1); }

    RecordingSeam seam;
};

TEST_F(MessageWindows, StackFromTheTopInTheOrderSuccessErrorHint)
{
    enum Kind { Success, Error, Hint };
    MessageWindow* windows[] = {goErfolg.get(), goFehler.get(), goHinweis.get()};
    const struct {
        const char* what;
        Kind shown;  // a message to this window, or a hide by its timer
        bool byTimer;
        std::vector<Kind> stack;  // the visible windows from the top
    } steps[] = {
        {"hint alone", Hint, false, {Hint}},
        {"error above the hint", Error, false, {Error, Hint}},
        {"success on top", Success, false, {Success, Error, Hint}},
        {"success hides by its timer", Success, true, {}},
        {"next message closes the gap", Hint, false, {Error, Hint}},
        {"error again", Error, false, {Error, Hint}},
    };
    for (const auto& step : steps) {
        const RECT before[] = {RectOf(*windows[0]), RectOf(*windows[1]), RectOf(*windows[2])};
        if (step.byTimer) {
            SendMessageA(windows[step.shown]->Handle(), WM_TIMER, 1, 0);
            EXPECT_FALSE(windows[step.shown]->IsVisible()) << step.what;
            for (Kind k : {Error, Hint}) {  // the others stay where they are
                const RECT now = RectOf(*windows[k]);
                EXPECT_EQ(now.top, before[k].top) << step.what;
            }
            continue;
        }
        switch (step.shown) {
        case Success: goErfolg->ErfolgsMeldung("done"); break;
        case Error: goFehler->FehlerMeldung("failed"); break;
        case Hint: goHinweis->HinweisMeldung("note"); break;
        }
        int y = 10;
        for (Kind k : {Success, Error, Hint}) {
            const bool inStack = std::find(step.stack.begin(), step.stack.end(), k) != step.stack.end();
            EXPECT_EQ(windows[k]->IsVisible(), inStack) << step.what << " window " << k;
            if (!inStack) continue;
            const RECT rect = RectOf(*windows[k]);
            EXPECT_EQ(rect.left, 10) << step.what << " window " << k;
            EXPECT_EQ(rect.top, y) << step.what << " window " << k;
            y = rect.bottom;
        }
    }
}

TEST_F(MessageWindows, ShowWithoutTakingTheActivation)
{
    TopAppWindow frame;
    frame.Show();
    SetActiveWindow(frame.Handle());
    ASSERT_EQ(GetActiveWindow(), frame.Handle());
    goFehler->FehlerMeldung("failed");
    goHinweis->HinweisMeldung("note");
    goFehler->FehlerMeldung("failed again");
    EXPECT_TRUE(goFehler->IsVisible());
    EXPECT_EQ(GetActiveWindow(), frame.Handle());
}

TEST_F(MessageWindows, HideByTheirTimerOrAtOnce)
{
    goHinweis->HinweisMeldung("note");
    SendMessageA(goHinweis->Handle(), WM_TIMER, 2, 0);
    EXPECT_TRUE(goHinweis->IsVisible());
    SendMessageA(goHinweis->Handle(), WM_TIMER, 1, 0);
    EXPECT_FALSE(goHinweis->IsVisible());
    EXPECT_FALSE(TimerRunning(*goHinweis));

    goHinweis->HinweisMeldung("note");
    goHinweis->HideMeldung();
    EXPECT_FALSE(goHinweis->IsVisible());
    EXPECT_FALSE(TimerRunning(*goHinweis));
}

// Counts the texts set on one window of this thread.
class SetTextCounter {
public:
    explicit SetTextCounter(HWND target)
    {
        target_ = target;
        count_ = 0;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
    }
    ~SetTextCounter() { UnhookWindowsHookEx(hook_); }
    int Count() const { return count_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->hwnd == target_ && message->message == WM_SETTEXT) ++count_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND target_ = nullptr;
    static inline int count_ = 0;
    HHOOK hook_;
};

TEST_F(MessageWindows, AnUnchangedTextIsLeftAloneWhileTimerAndSoundStartAgain)
{
    const HWND text = GetDlgItem(goErfolg->Handle(), 100);
    goErfolg->ErfolgsMeldung("done");
    const SetTextCounter counter(text);
    EXPECT_TRUE(TimerRunning(*goErfolg));
    goErfolg->ErfolgsMeldung("done");
    EXPECT_EQ(counter.Count(), 0);
    EXPECT_TRUE(TimerRunning(*goErfolg));
    EXPECT_EQ(seam.CallsOf("Sound").size(), 2u);
    goErfolg->ErfolgsMeldung("done twice");
    EXPECT_EQ(counter.Count(), 1);
}

TEST_F(MessageWindows, PlayTheirSoundsThroughTheSeam)
{
    goErfolg->ErfolgsMeldung("a");
    goFehler->FehlerMeldung("b");
    goHinweis->HinweisMeldung("c");
    goFehler->FehlerMeldung("d", "SystemAsterisk");
    goFehler->FehlerMeldung("e", "");
    seam.soundsPlay = false;
    goHinweis->HinweisMeldung("f", "NoSuchSound");
    std::vector<std::string> aliases;
    for (const auto& call : seam.CallsOf("Sound")) aliases.push_back(call.text);
    EXPECT_EQ(aliases, (std::vector<std::string>{"SystemAsterisk", "SystemHand", "SystemExclamation", "SystemAsterisk",
                                                 "NoSuchSound"}));
    const auto tones = seam.CallsOf("Tone");
    ASSERT_EQ(tones.size(), 1u);
    EXPECT_EQ(tones[0].number, 500);
}

TEST_F(MessageWindows, ReloadTheirCaptionAtTheFirstMessageAfterALanguageSwitch)
{
    EXPECT_EQ(goFehler->Caption(), "Error");
    goFehler->FehlerMeldung("failed");
    gcSprache = "ger";
    EXPECT_EQ(goFehler->Caption(), "Error");
    goFehler->FehlerMeldung("Fehlgeschlagen");
    EXPECT_EQ(goFehler->Caption(), "Fehler");
    goHinweis->HinweisMeldung("Hinweis");
    EXPECT_EQ(goHinweis->Caption(), "Hinweis");
    EXPECT_EQ(goErfolg->Caption(), "Success");
    goErfolg->ErfolgsMeldung("Fertig");
    EXPECT_EQ(goErfolg->Caption(), "Erfolg");
    EXPECT_EQ(goErfolg->SprachTexte().size(), 100u);
    EXPECT_EQ(goErfolg->SprachTexte()[1], "-");
}

TEST_F(MessageWindows, KeyboardClosingHidesAndTheNextMessageShowsAgain)
{
    for (const UINT message : {WM_CLOSE, WM_COMMAND}) {
        goFehler->FehlerMeldung("failed");
        SendMessageA(goFehler->Handle(), message, message == WM_COMMAND ? IDCANCEL : 0, 0);
        EXPECT_FALSE(goFehler->IsVisible()) << message;
        ASSERT_NE(goFehler->Handle(), nullptr) << message;
        EXPECT_FALSE(TimerRunning(*goFehler)) << message;
        goFehler->FehlerMeldung("failed again");
        EXPECT_TRUE(goFehler->IsVisible()) << message;
        EXPECT_EQ(goFehler->GetFehler(), "failed again");
    }
}

TEST_F(MessageWindows, ALoneLineFeedBreaksTheLine)
{
    goHinweis->HinweisMeldung("first\nsecond");
    EXPECT_EQ(SendDlgItemMessageA(goHinweis->Handle(), 100, EM_GETLINECOUNT, 0, 0), 2);
}

TEST_F(MessageWindows, ErrorWindowKeepsItsTextAndFlag)
{
    EXPECT_EQ(goFehler->GetFehler(), "Meldung");
    EXPECT_FALSE(goFehler->FehlerKontrolle());
    goFehler->FehlerMeldung("  Point 3 is missing.  ");
    goFehler->HideMeldung();
    EXPECT_EQ(goFehler->GetFehler(), "Point 3 is missing.");
    EXPECT_TRUE(goFehler->FehlerKontrolle());
    EXPECT_TRUE(goFehler->FehlerKontrolle());
    EXPECT_FALSE(goFehler->FehlerKontrolle(false));
    EXPECT_FALSE(goFehler->FehlerKontrolle());
}

TEST_F(MessageWindows, HaveTheirLayoutAndPictures)
{
    const DWORD style = GetWindowLongA(goHinweis->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_EQ(GetWindow(goHinweis->Handle(), GW_OWNER), nullptr);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(goHinweis->Handle(), 100, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_GE(font.lfWeight, FW_BOLD);

    const struct {
        Bitmap bitmap;
        WORD bitsPerPixel;
    } pictures[] = {{BmpErfolg(), 8}, {BmpFehler(), 8}, {BmpHinweis(), 24}};
    for (const auto& picture : pictures) {
        BITMAP info{};
        ASSERT_TRUE(GetObjectA(picture.bitmap.Handle(), sizeof info, &info));
        EXPECT_EQ(info.bmWidth, 64);
        EXPECT_EQ(info.bmHeight, 64);
        EXPECT_EQ(info.bmBitsPixel, picture.bitsPerPixel);
    }
    // The picture lies at the right edge, one pixel above the bottom: the
    // devil's red body in the error window.
    goFehler->FehlerMeldung("failed");
    UpdateWindow(goFehler->Handle());
    const BoundingBox canvas = goFehler->CanvasArea();
    HDC dc = GetDC(goFehler->Handle());
    EXPECT_EQ(GetPixel(dc, canvas.Width() - 64 + 28, canvas.Height() - 65 + 40), RGB(210, 30, 30));
    EXPECT_EQ(GetPixel(dc, canvas.Width() - 64 + 1, canvas.Height() - 65 + 62), RGB(255, 255, 255));
    ReleaseDC(goFehler->Handle(), dc);

    EXPECT_NE(icoApp_vo().Handle(), nullptr);
    EXPECT_NE(LoadCursorA(GetModuleHandleA(nullptr), "CURHAND"), nullptr);
}

// Messages longer than a text field holds, in both languages.
class LongMessages : public MessageWindows, public ::testing::WithParamInterface<const char*> {
protected:
    std::string Language() const override { return GetParam(); }
    bool German() const { return Language() == "ger"; }

    static RECT WorkArea()
    {
        RECT area{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        return area;
    }

    static void ExpectInside(const RECT& rect, const RECT& area)
    {
        EXPECT_GE(rect.left, area.left);
        EXPECT_GE(rect.top, area.top);
        EXPECT_LE(rect.right, area.right);
        EXPECT_LE(rect.bottom, area.bottom);
    }

    // The dark pixels of a picture that paint draws on a white ground.
    static int DarkPixels(int width, int height, const std::function<void(HDC)>& paint)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        paint(dc);
        GdiFlush();
        int dark = 0;
        const auto* pixel = static_cast<const std::uint8_t*>(bits);
        for (int n = 0; n < width * height; ++n, pixel += 4) dark += pixel[0] + pixel[1] + pixel[2] < 384;
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return dark;
    }

    // The lines the field holds (EM_GETLINE), one after the other.
    static std::string FieldLines(HWND field)
    {
        std::string lines;
        const auto count = static_cast<int>(SendMessageA(field, EM_GETLINECOUNT, 0, 0));
        for (int n = 0; n < count; ++n) {
            char line[1024];
            *reinterpret_cast<WORD*>(line) = sizeof line;
            lines.append(line, static_cast<size_t>(SendMessageA(field, EM_GETLINE, n, reinterpret_cast<LPARAM>(line))));
        }
        return lines;
    }

    // The lines of the field wider than its client area, in its font.
    static std::vector<std::string> LinesWiderThanTheField(HWND field)
    {
        RECT client{};
        GetClientRect(field, &client);
        HDC dc = GetDC(field);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0)));
        std::vector<std::string> wider;
        const auto count = static_cast<int>(SendMessageA(field, EM_GETLINECOUNT, 0, 0));
        for (int n = 0; n < count; ++n) {
            char line[1024];
            *reinterpret_cast<WORD*>(line) = sizeof line;
            const auto length = static_cast<int>(SendMessageA(field, EM_GETLINE, n, reinterpret_cast<LPARAM>(line)));
            SIZE extent{};
            GetTextExtentPoint32A(dc, line, length, &extent);
            if (extent.cx > client.right) wider.emplace_back(line, static_cast<size_t>(length));
        }
        SelectObject(dc, previous);
        ReleaseDC(field, dc);
        return wider;
    }

    static std::string WithoutBlanks(std::string text)
    {
        text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\r' || c == '\n'; }),
                   text.end());
        return text;
    }

    // The ink of the text field as it paints itself, against that of the
    // text written in one line in the field's font.
    static std::pair<int, int> InkShownAndWritten(HWND field, const std::string& text)
    {
        RECT client{};
        GetClientRect(field, &client);
        const int shown = DarkPixels(client.right, client.bottom, [field](HDC dc) {
            SendMessageA(field, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
        const auto font = reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0));
        SIZE extent{};
        const int written = DarkPixels(4000, 100, [&](HDC dc) {
            SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
        });
        EXPECT_LT(extent.cx, 4000);
        return {shown, written};
    }
};

TEST_P(LongMessages, AFilePathWiderThanTheFieldShowsWhole)
{
    // File names wider than the field, of many lengths: no place to break
    // one but within; words follow it after a colon or a blank. Every
    // character is on a line, and every line lies inside the field.
    const HWND field = GetDlgItem(goFehler->Handle(), 100);
    for (int length = 0; length <= 40; ++length) {
        const std::string path = "C:\\Users\\geodesist\\Documents\\MERIDOXA\\" + std::string(length, 'a') +
                                 "\\Transformation_der_Vermessungspunkte_Kontrolle_2026_final.txt";
        const std::string texts[] = {
            path + (German() ? ": Die Datei konnte nicht ge\366ffnet werden."  // \366: o-umlaut
                             : ": The file could not be opened."),
            path + (German() ? " kann nicht gelesen werden." : " cannot be read."),
        };
        for (const std::string& text : texts) {
            SCOPED_TRACE(text);
            goFehler->FehlerMeldung(text);
            EXPECT_EQ(WithoutBlanks(FieldLines(field)), WithoutBlanks(text));
            EXPECT_EQ(LinesWiderThanTheField(field), std::vector<std::string>{});
            EXPECT_EQ(goFehler->GetFehler(), text);
        }
    }
    const auto [shown, written] = InkShownAndWritten(field, goFehler->GetFehler());
    EXPECT_NEAR(shown, written, written / 50);
    ExpectInside(RectOf(*goFehler), WorkArea());
}

TEST_P(LongMessages, AVeryLongTextScrollsInWindowsThatStayInsideTheWorkArea)
{
    // Some 500 words: one sentence 50 times.
    const std::string point = German() ? "Der Punkt " : "Point ";
    const std::string where = German() ? " liegt au\337erhalb des Gebiets der Transformation. "
                                       : " lies far outside the area of the transformation. ";
    std::string text;
    for (int n = 1; n <= 50; ++n) text.append(point).append(std::to_string(n)).append(where);
    const Dimension templateSize = goHinweis->Size();
    goErfolg->ErfolgsMeldung(text);
    goFehler->FehlerMeldung(text);
    goHinweis->HinweisMeldung(text);
    const RECT area = WorkArea();
    int top = area.top + 10;
    const MessageWindow* stack[] = {goErfolg.get(), goFehler.get(), goHinweis.get()};
    for (const MessageWindow* window : stack) {
        SCOPED_TRACE(window->Caption());
        EXPECT_TRUE(window->IsVisible());
        const RECT rect = RectOf(*window);
        ExpectInside(rect, area);
        EXPECT_EQ(rect.top, top);
        top = rect.bottom;
        // The field scrolls through the whole text: at its end it shows the
        // last line.
        const HWND field = GetDlgItem(window->Handle(), 100);
        EXPECT_TRUE(GetWindowLongA(field, GWL_STYLE) & WS_VSCROLL);
        SendMessageA(field, WM_VSCROLL, SB_BOTTOM, 0);
        HDC dc = GetDC(field);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0)));
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, previous);
        ReleaseDC(field, dc);
        RECT client{};
        GetClientRect(field, &client);
        const auto lines = static_cast<int>(SendMessageA(field, EM_GETLINECOUNT, 0, 0));
        const auto first = static_cast<int>(SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0));
        EXPECT_GE(lines * metrics.tmHeight, window->TextHeight(text));
        EXPECT_GE(first + client.bottom / metrics.tmHeight, lines);
    }
    EXPECT_EQ(goFehler->GetFehler(), AllTrim(text));

    // A short message again: the window shrinks to its template size.
    goHinweis->HinweisMeldung("short");
    EXPECT_EQ(goHinweis->Size(), templateSize);
    EXPECT_FALSE(GetWindowLongA(GetDlgItem(goHinweis->Handle(), 100), GWL_STYLE) & WS_VSCROLL);
}

INSTANTIATE_TEST_SUITE_P(Languages, LongMessages, ::testing::Values("eng", "ger"));

}  // namespace
