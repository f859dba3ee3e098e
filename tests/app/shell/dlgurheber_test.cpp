// The about box: its texts, the information field with an injected geodesy
// library, the shown part of the disclaimer, the home page by language, the
// mail link, and its modal run.
#include "app/shell/dlgurheber.h"

#include <cmath>
#include <regex>
#include <vector>

#include "app/shell/dialog_fixture.h"
#include "calc/library.h"
#include "lib/placement.h"
#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/system.h"

namespace {

std::vector<std::string> g_libraryCalls;
std::string g_disclaimer;

geodesy::Logic __stdcall FakeVersion(const char** text)
{
    g_libraryCalls.push_back("getdllversion");
    *text = "ORB 3.21";
    return 1;
}

geodesy::Logic __stdcall FakeDisclaimer(const char** text)
{
    g_libraryCalls.push_back("getdisclaimer");
    *text = g_disclaimer.c_str();
    return 1;
}

unsigned long long TotalMemory()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    return status.ullTotalPhys;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

class DlgUrheberTest : public shell_test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        library.getdllversion = FakeVersion;
        library.getdisclaimer = FakeDisclaimer;
        calc::SetLibrary(&library);
        g_libraryCalls.clear();
        g_disclaimer = "MERIDOXA uses Orbalith\r\nOrbalith (c) Example Geodesy\r\nThe Orbalith library is given as it "
                       "is, without any warranty of any kind; use it at your own risk.\r\n";
    }

    void TearDown() override
    {
        calc::SetLibrary(nullptr);
        DialogTest::TearDown();
    }

    static std::string Field(dlgUrheber& dialog, const char* name) { return dialog.GetControl(name)->Caption(); }

    geodesy::GeodesyFunctions library;
};

TEST_F(DlgUrheberTest, TheInformationFieldHasTheNineBlocksInOrderThenTheDisclaimer)
{
    dlgUrheber dialog(frame.get());
    EXPECT_EQ(g_libraryCalls, (std::vector<std::string>{"getdllversion", "getdisclaimer"}));
    const auto& texts = dialog.SprachTexte();
    auto heading = [&](int n) { return texts.at(static_cast<size_t>(n - 1)) + ":"; };
    const std::vector<std::string> lines =
        Lines(static_cast<MultiLineEdit*>(dialog.GetControl("MULTILINEEDIT"))->TextValue());
    ASSERT_EQ(lines.size(), 23u);
    const struct {
        std::string heading;
        std::string value;  // a pattern where the figure cannot be known
        bool pattern;
    } blocks[] = {
        {heading(14), "\t" + Lower(ProgramDir()), false},
        {heading(15), "\t" + gcPfadUser, false},
        {heading(16), "\t" + gcPfadUser + "UserData\\", false},
        {"Version of Orbalith:", "\tORB 3.21", false},
        {"Version of Tessaray:", "\t12.00 MDX-RT 28", false},
        {heading(5), "\t" + OsName(), false},
        {heading(17), "\t" + std::to_string(std::llround(static_cast<double>(TotalMemory()) / 1024)) + " KB", false},
        {heading(6), "\t[1-9][0-9]* KB", true},
        {heading(13), "\t[0-9]{1,3}%", true},
    };
    for (size_t i = 0; i < std::size(blocks); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(lines[2 * i], blocks[i].heading);
        if (blocks[i].pattern)
            EXPECT_TRUE(std::regex_match(lines[2 * i + 1], std::regex(blocks[i].value))) << lines[2 * i + 1];
        else
            EXPECT_EQ(lines[2 * i + 1], blocks[i].value);
    }
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + 18, lines.end()),
        (std::vector<std::string>{"", "Orbalith (c) Example Geodesy", "The MERIDOXA library is given as it is, without",
                                  "any warranty of any kind; use it at your own", "risk."}));
}

TEST_F(DlgUrheberTest, AVersionHeadingWithoutPlaceholderIsShownUnchangedForBothVersions)
{
    std::string file = shell_test::FileBytes(gcPfadSprache + "mdx_eng.lng");
    const std::string heading = "STRING_004=Version of #\r\n";
    ASSERT_NE(file.find(heading), std::string::npos);
    file.replace(file.find(heading), heading.size(), "STRING_004=Versions\r\n");
    gcPfadSprache = root;
    shell_test::PutFile(root + "mdx_eng.lng", file);
    SprachenLaden();
    dlgUrheber dialog(frame.get());
    const auto lines = Lines(static_cast<MultiLineEdit*>(dialog.GetControl("MULTILINEEDIT"))->TextValue());
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[6], "Versions:");
    EXPECT_EQ(lines[7], "\tORB 3.21");
    EXPECT_EQ(lines[8], "Versions:");
}

TEST_F(DlgUrheberTest, TheDisclaimerShowsItsSecondLineAsGivenAndWrapsTheRest)
{
    const struct {
        const char* name;
        std::string disclaimer, shown;
    } cases[] = {
        {"several lines", "First\r\nSecond Orbalith line\r\nThird Orbalith\r\nfourth",
         "Second Orbalith line\r\nThird MERIDOXA fourth"},
        {"exactly two lines", "First line\r\nSecond Orbalith line\r\n", "Second Orbalith line\r\n"},
        {"no line end: nothing dropped, all wrapped", "Orbalith without line ends", "MERIDOXA without line ends"},
        {"one line end: the rest is wrapped", "First line\r\nRest of Orbalith", "Rest of MERIDOXA"},
        {"a long word stands alone", "1\r\n2\r\n" + std::string(60, 'x') + " y",
         "2\r\n" + std::string(60, 'x') + "\r\ny"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DisclaimerText(c.disclaimer), c.shown);
    }
}

TEST_F(DlgUrheberTest, TitleVersionNoticeAndAddressComeFromTheProgramAndTheLanguageFile)
{
    const struct {
        const char* language;
        const char* caption;
        const char* version;
        const char* group;
    } cases[] = {
        {"eng", "About MERIDOXA", "Version 8.01", "Maker"},
        {"ger",
         "\xDC"
         "ber MERIDOXA",
         "Version 8.01", "Urheber"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        gcSprache = c.language;
        dlgUrheber dialog(frame.get());
        const auto& texts = dialog.SprachTexte();
        EXPECT_EQ(dialog.Caption(), c.caption);
        EXPECT_EQ(Field(dialog, "TEXT1"), "MERIDOXA");
        EXPECT_EQ(Field(dialog, "TEXT2"), c.version);
        EXPECT_EQ(Field(dialog, "TEXT4"), texts.at(6) + " " + texts.at(8));
        EXPECT_EQ(Field(dialog, "GROUPBOX1"), c.group);
        EXPECT_NE(Field(dialog, "TEXT5").find("\r\n"), std::string::npos) << "the address has several lines";
        EXPECT_EQ(Field(dialog, "URHEBERINTERNET"), "www.example.com");
    }
}

TEST_F(DlgUrheberTest, TheWebButtonOpensTheHomePageOfTheLanguage)
{
    const struct {
        const char* language;
        const char* page;
    } cases[] = {
        {"ger", "https://www.example.com/home.htm"},
        {"eng", "https://www.example.com/homee.htm"},
        {"slv", "https://www.example.com/homee.htm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        gcSprache = c.language;
        dlgUrheber dialog(frame.get());
        seam.calls.clear();
        Click(dialog, "URHEBERINTERNET");
        const auto calls = seam.CallsOf("ShellExecute");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].text, c.page);
        EXPECT_EQ(calls[0].detail, "open||");
        EXPECT_EQ(calls[0].number, SW_SHOWNORMAL);
        EXPECT_NE(dialog.Handle(), nullptr);
    }
}

TEST_F(DlgUrheberTest, TheMailButtonStartsAMailToTheSupport)
{
    dlgUrheber dialog(frame.get());
    Click(dialog, "URHEBEREMAIL");
    const auto calls = seam.CallsOf("ShellExecute");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "mailto:support@example.com");
    EXPECT_EQ(calls[0].detail, "open||");
    EXPECT_EQ(calls[0].owner, dialog.Handle());
    EXPECT_EQ(calls[0].number, SW_SHOWNORMAL);
    EXPECT_NE(dialog.Handle(), nullptr);
}

TEST_F(DlgUrheberTest, RunsModallyCentredOnTheScreenWithTheFocusOnContinue)
{
    dlgUrheber dialog(frame.get());
    RECT box{};
    GetWindowRect(dialog.Handle(), &box);
    EXPECT_NEAR((box.left + box.right) / 2, GetFirstMonitorWidth() / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, GetFirstMonitorHeight() / 2, 1);
    const HWND ok = dialog.GetControl("URHEBEROK")->Handle();
    HWND focus = nullptr;
    shell_test::RunModal(dialog, [&] {
        focus = GetFocus();
        Click(dialog, "URHEBEROK");
    });
    EXPECT_EQ(focus, ok);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

}  // namespace
