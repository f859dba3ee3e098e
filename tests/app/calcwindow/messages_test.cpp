// Every message the calculation window and its computation send shows whole
// in the message windows, in both languages: measured in the text field's
// font and width against its height, with the longest values in the
// placeholders; a message with the library's text appended grows the window.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "calc/computation.h"
#include "calc/texts.h"
#include "calcwindow_fixture.h"

namespace calcwindow_test {
namespace {

class MessageFit : public CalcWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    std::string Sprache() const override { return GetParam(); }

    int FieldHeight() const
    {
        RECT rect{};
        GetWindowRect(GetDlgItem(goFehler->Handle(), 100), &rect);
        return rect.bottom - rect.top;
    }

    // The longest library message of the current language: a UTM east value
    // with a zone that does not exist.
    std::string LongestLibraryMessage()
    {
        library.setlanguage(Sprache() == "ger" ? 1 : 2);
        double longitude = 0, latitude = 0;
        EXPECT_FALSE(library.coordtrans3(99999999.999, 9999999.999, 3, 1000, 0, &longitude, &latitude, 1, 1000, 0, 0));
        const char* text = nullptr;
        library.geterrorcode(&text);
        return text ? text : "";
    }
};

TEST_P(MessageFit, EveryMessageShowsWhole)
{
    using namespace calc;
    auto t = [&](int n) { return Text(n); };
    const std::string list =
        t(kTextSourceList).size() > t(kTextTargetList).size() ? t(kTextSourceList) : t(kTextTargetList);
    const std::string line = "30001", point = " 30000";
    const std::string file = "c:\\users\\geodesist\\meridoxa\\userdata\\configurations\\project 2026.kns";
    const std::vector<std::string> sent = {
        t(kTextProtocolNotChosen),
        t(kTextNothingToWrite),
        t(kTextProtocolNotShown),
        t(kTextNoResult),
        t(kTextPrinted),
        t(kTextPrinterUnusable),
        Filled(t(kTextBadLine), {line, list}),
        Filled(t(kTextExtraNumbers), {line, list, "3"}),
        Filled(t(kTextValueOutOfRange), {line, list}),
        t(kTextSourceEllipsoid),
        t(kTextTargetEllipsoid),
        t(kTextCountsDiffer),
        t(kTextTooFewPoints),
        t(kTextAngleOutOfRange) + point,
        t(kTextNoParameters),
        t(kTextBadMinutes) + point,
        t(kTextSourceFlattening),
        t(kTextTargetFlattening),
        t(kTextInvalidEllipsoid),
        t(kTextComputed) + "\r\n" + Filled(t(kTextIdenticalPoints), "30000"),
        t(kTextUtmNotConverted) + point,
        Filled(t(kTextTooManyPoints), line),
        t(kTextOutOfMemory),
        t(kTextFileTooLong),
        t(kTextFileTooBig),
        t(kTextListFull),
        t(kTextNoResiduals) + ":\r\n" + t(kTextOutOfMemory),
        Filled(t(kTextOutliersFound), "10000"),
        Filled(GetSprachFileText("PRNERGEBNIS").at(0), "999"),
        t(kTextEllipsoidsInvalid),
        file + ": " + t(kTextFileNotOpened),
        file + ": " + t(kTextNoConfiguration),
    };
    const int height = FieldHeight();
    for (const std::string& text : sent) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(text.empty());
        EXPECT_LE(goFehler->TextHeight(text), height);
    }

    const std::string message = LongestLibraryMessage();
    ASSERT_GT(message.size(), 60u);
    for (const std::string& text :
         {t(kTextNoParameters) + ":\r\n" + message, t(kTextNoResiduals) + ":\r\n" + message,
          t(kTextNoOutliers) + ":\r\n" + message, t(kTextUtmNotConverted) + point + "\r\n" + message}) {
        SCOPED_TRACE(text);
        goFehler->FehlerMeldung(text);
        RECT field{}, window{};
        GetWindowRect(GetDlgItem(goFehler->Handle(), 100), &field);
        GetWindowRect(goFehler->Handle(), &window);
        EXPECT_GE(field.bottom - field.top, goFehler->TextHeight(text));
        EXPECT_LE(field.bottom, window.bottom);
    }
    goFehler->FehlerMeldung("short");
    EXPECT_EQ(FieldHeight(), height);  // back to the template size
}

INSTANTIATE_TEST_SUITE_P(Languages, MessageFit, ::testing::Values("eng", "ger"));

}  // namespace
}  // namespace calcwindow_test

namespace calcwindow_test {
namespace {

// Every caption of the window shows whole in both languages: a button, check
// box or option in one line beside its box, a text within its field.
class CaptionFit : public CalcWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    std::string Sprache() const override { return GetParam(); }
};

TEST_P(CaptionFit, EveryControlCaptionShowsWhole)
{
    int measured = 0;
    for (HWND child = GetWindow(window->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {}, caption[512] = {};
        GetClassNameA(child, className, sizeof className);
        GetWindowTextA(child, caption, sizeof caption);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const bool button = lstrcmpiA(className, "Button") == 0, text = lstrcmpiA(className, "Static") == 0;
        const LONG kind = style & BS_TYPEMASK;
        if (!caption[0] || !(button || text) || (button && kind == BS_GROUPBOX) || (text && (style & SS_ICON)))
            continue;
        SCOPED_TRACE(caption);
        RECT client{};
        GetClientRect(child, &client);
        HDC dc = GetDC(child);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
        const bool wraps = text || (style & BS_MULTILINE);
        RECT need{0, 0, client.right, 0};
        DrawTextA(dc, caption, -1, &need, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, previous);
        ReleaseDC(child, dc);
        ++measured;
        if (text) {
            EXPECT_LE(need.bottom, client.bottom);
            EXPECT_LE(need.right, client.right);
        } else if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
            EXPECT_LE(need.right + 2 * GetSystemMetrics(SM_CXEDGE), client.right);
        } else if (kind == BS_OWNERDRAW) {  // a kit button: two pixels each side
            EXPECT_LE(need.right + 4, client.right);
        } else {  // check box or option: the box and a gap before the text
            EXPECT_LE(need.right + GetSystemMetrics(SM_CXMENUCHECK) + 4, client.right);
        }
    }
    EXPECT_GT(measured, 40);
}

bool IsPushButton(HWND control)
{
    const LONG kind = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

// How much a button draws in each column of its caption when it paints
// itself onto white: 2 where a pixel is darker than halfway from what it is
// drawn on to the shadow colour of an embossed caption, 1 where a pixel is
// darker at all (a smoothed edge), else 0. A check box's box at the left
// counts too; a push button's caption lies on its face within its border
// (two pixels, and one more for a default button's frame). The highlight of
// an embossed caption is lighter than what it is drawn on.
std::vector<int> DrawnColumns(HWND control)
{
    RECT client{};
    GetClientRect(control, &client);
    HDC screen = GetDC(control);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(control, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, client.right, client.bottom, WHITENESS);
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    const bool push = IsPushButton(control);
    const int inset = push ? 3 : 0;
    const COLORREF background = push ? GetSysColor(COLOR_BTNFACE) : RGB(255, 255, 255);
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    const auto level = [&](COLORREF c) {
        const int darkest = std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
        const int light = std::min({GetRValue(background), GetGValue(background), GetBValue(background)});
        const int halfway = (light + std::min({GetRValue(shadow), GetGValue(shadow), GetBValue(shadow)})) / 2;
        return darkest < halfway ? 2 : darkest < light ? 1 : 0;
    };
    std::vector<int> columns(static_cast<size_t>(client.right));
    for (int x = inset; x < client.right - inset; ++x)
        for (int y = inset; y < client.bottom - inset; ++y)
            columns[static_cast<size_t>(x)] = std::max(columns[static_cast<size_t>(x)], level(GetPixel(dc, x, y)));
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return columns;
}

// While the window is locked, a push button, check box or option shows its
// caption whole and where it stands enabled: its letters fill the same
// columns. The system draws a disabled
// caption through a bitmap as wide as the text measures, which a caption
// overruns under Wine: its letters moved apart and the last ones were cut
// off ("Compute transformation parameter").
TEST_P(CaptionFit, DisabledCaptionsShowWhole)
{
    std::vector<std::pair<HWND, std::vector<int>>> controls;
    for (HWND child = GetWindow(window->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        const LONG kind = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(className, "Button") == 0 && GetWindowTextLengthA(child) > 0 &&
            (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON ||
             IsPushButton(child)))
            controls.emplace_back(child, DrawnColumns(child));
    }
    ASSERT_GE(controls.size(), 12u);
    window->ControlsAusschalten();
    ASSERT_FALSE(IsWindowEnabled(Get("BUTBERECHNEN")->Handle()));
    int pushButtons = 0;
    for (const auto& [control, enabled] : controls) {
        char caption[512] = {};
        GetWindowTextA(control, caption, sizeof caption);
        SCOPED_TRACE(caption);
        // The help buttons stay enabled.
        if (IsPushButton(control) && IsWindowEnabled(control)) continue;
        pushButtons += IsPushButton(control);
        ASSERT_FALSE(IsWindowEnabled(control));
        const std::vector<int> disabled = DrawnColumns(control);
        // Columns drawn clearly in one state and not at all in the other.
        int differing = 0, last = -1;
        for (size_t x = 0; x < enabled.size(); ++x) {
            differing += std::max(enabled[x], disabled[x]) == 2 && std::min(enabled[x], disabled[x]) == 0;
            if (disabled[x]) last = static_cast<int>(x);
        }
        EXPECT_LE(differing, 2);
        EXPECT_LT(last + 1, static_cast<int>(enabled.size())) << "within the control";
    }
    EXPECT_GE(pushButtons, 10);
    window->ControlsEinschalten();
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFit, ::testing::Values("eng", "ger"));

}  // namespace
}  // namespace calcwindow_test
