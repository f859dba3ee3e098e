#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

#include "app/shell/framewindow.h"
#include "app/shell/globals.h"
#include "calc/computation.h"
#include "calc/pump.h"
#include "lib/ini.h"
#include "platform/framework/app.h"
#include "calcwindow_fixture.h"

namespace calcwindow_test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string Slurp(const std::string& cPfad)
{
    std::ifstream in(cPfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::uint32_t> g_eventLoop;
geodesy::Logic __stdcall RecordEventLoop(std::uint32_t on)
{
    g_eventLoop.push_back(on);
    return 1;
}

std::string WorkDir()
{
    char dir[MAX_PATH];
    GetCurrentDirectoryA(sizeof dir, dir);
    return Lower(dir) + "\\";
}

// Four points and the same points shifted by (1, 2, 3) metres.
const char* kSource = "P1 4157222.543 664789.307 4774952.099\r\nP2 4149043.336 688836.443 4778632.188\r\n"
                      "P3 4172803.511 690340.078 4758129.701\r\nP4 4177148.376 642997.635 4760764.800\r\n";
const char* kTarget = "P1 4157223.543 664791.307 4774955.099\r\nP2 4149044.336 688838.443 4778635.188\r\n"
                      "P3 4172804.511 690342.078 4758132.701\r\nP4 4177149.376 642999.635 4760767.800\r\n";

class Berechnung : public CalcWindowTest {
protected:
    void SetUp() override
    {
        gcPfadProto = gcPfadUser = WorkDir();
        DeleteFileA("protocol.log");
        CalcWindowTest::SetUp();
        recorded = library;
        recorded.seteventloop = RecordEventLoop;
        calc::SetLibrary(&recorded);
        g_eventLoop.clear();
    }

    void Kartesisch(const std::string& cQuelle, const std::string& cZiel)
    {
        Waehlen("COMFORMQ", 2);
        Waehlen("COMFORMZ", 2);
        Get<MultiLineEdit>("KOORDLISTQ")->SetTextValue(cQuelle);
        Get<MultiLineEdit>("KOORDLISTZ")->SetTextValue(cZiel);
    }

    std::string Ergebnis() { return Get<MultiLineEdit>("HELMERTPAR")->TextValue(); }

    void ErwarteRuhe()
    {
        EXPECT_FALSE(window->lBerechnung);
        EXPECT_TRUE(Get("BUTBERECHNEN")->IsEnabled());
        EXPECT_TRUE(Get("KOORDLISTQ")->IsEnabled());
        EXPECT_EQ(GetMenuState(GetSystemMenu(frame->Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, 0u);
        EXPECT_FALSE(KillTimer(window->Handle(), 1));  // the blink timer is gone
        ASSERT_FALSE(g_eventLoop.empty());
        EXPECT_EQ(g_eventLoop.back(), 0u);
        EXPECT_EQ(Get("ICONAPP")->Background().Handle(), window->Background().Handle());
    }

    geodesy::GeodesyFunctions recorded;
};

TEST_F(Berechnung, ComputeButtonFillsReportProtocolAndSuccessWindow)
{
    Kartesisch(kSource, kTarget);
    Get<CheckBox>("CHECKKLAFOUT")->SetChecked(true);
    Klicken("BUTBERECHNEN");
    EXPECT_THAT(Ergebnis(), HasSubstr(Text(15) + "\r\n"));
    EXPECT_THAT(Ergebnis(), HasSubstr("1.000000 " + Text(16)));
    EXPECT_THAT(Ergebnis(), HasSubstr("3.000000 " + Text(18)));
    EXPECT_THAT(Ergebnis(), HasSubstr("P4 P4 "));
    EXPECT_TRUE(window->lErgebnis);
    EXPECT_NEAR(window->aParameter[2], 3.0, 1e-6);
    const std::string cProtokoll = Slurp("protocol.log");
    EXPECT_THAT(cProtokoll, HasSubstr(Text(15) + "\r\n"));
    EXPECT_THAT(cProtokoll, Not(HasSubstr("P4 P4 ")));
    EXPECT_TRUE(goErfolg->IsVisible());
    ErwarteRuhe();

    Klicken("BUTBERECHNEN");  // a second entry follows the first
    EXPECT_EQ(Slurp("protocol.log").size(), 2 * cProtokoll.size());
}

TEST_F(Berechnung, FailuresLeaveAnEmptyResultAndAnIdleWindow)
{
    struct Fall {
        const char* quelle;
        const char* ziel;
        std::string text;
    };
    // A line with a number too many (here a height after Z) ends in the
    // message, never in a report with shifted columns.
    const std::string cZuViel = "P1 4157223.543 664791.307 4774955.099\r\nP2 4149044.336 688838.443 4778635.188\r\n"
                                "P3 4172804.511 690342.078 4758132.701 99.5\r\nP4 4177149.376 642999.635 4760767.800";
    const Fall faelle[] = {
        {"P1 1 2 3\r\nP2 4 5 6", kTarget, Text(12)},
        {kSource, "P1 1 2 3\r\nP2 1 2 3\r\nP3 1 2 3", Text(11)},
        {kSource, "P1 1 2\r\n", calc::Filled(Text(8), {"1", Text(94)})},
        {kSource, "P1 1 2 3\r\nP2 1 2 3\r\nP3 1 2 3\r\nP4 1 2 3", Text(14)},
        {kSource, cZuViel.c_str(), calc::Filled(Text(91), {"3", Text(94), "3"})},
    };
    for (const Fall& fall : faelle) {
        Kartesisch(kSource, kTarget);
        Klicken("BUTBERECHNEN");
        ASSERT_TRUE(window->lErgebnis);
        Kartesisch(fall.quelle, fall.ziel);
        Klicken("BUTBERECHNEN");
        EXPECT_EQ(Ergebnis(), "") << fall.text;
        EXPECT_FALSE(window->lErgebnis);
        EXPECT_THAT(Fehler(), HasSubstr(fall.text));
        ErwarteRuhe();
    }
}

geodesy::Logic __stdcall FailResiduals(const double*, const double*, double*, std::uint32_t, std::uint16_t,
                                       const double*)
{
    return 0;
}

TEST_F(Berechnung, HintsOfTheResidualStepKeepTheResult)
{
    recorded.gettransresiduals = FailResiduals;
    Kartesisch(kSource, kTarget);
    Klicken("BUTBERECHNEN");
    EXPECT_TRUE(window->lErgebnis);
    EXPECT_TRUE(goHinweis->IsVisible());
    EXPECT_TRUE(goErfolg->IsVisible());
    EXPECT_FALSE(goFehler->IsVisible());
    EXPECT_THAT(Ergebnis(), HasSubstr(Text(16)));
    EXPECT_THAT(Ergebnis(), Not(HasSubstr(Text(34))));
    ErwarteRuhe();
}

geodesy::Logic __stdcall ThrowInHelmert(const double*, const double*, std::uint32_t, std::uint16_t, double*, double*)
{
    throw std::bad_alloc();
}

// A computation that throws (out of memory in a large report) leaves the
// window idle: unlocked, timer gone, library event loop off.
TEST_F(Berechnung, AThrowingComputationLeavesTheWindowIdle)
{
    recorded.gettranshelmert = ThrowInHelmert;
    Kartesisch(kSource, kTarget);
    EXPECT_THROW(window->ButBerechnen(), std::bad_alloc);
    EXPECT_FALSE(window->IsBusy());
    ErwarteRuhe();
}

dtaCalcPar* g_window = nullptr;
int g_nested = 0;
void StartAgain()
{
    ++g_nested;
    g_window->ButBerechnen();
}

TEST_F(Berechnung, ASecondStartWhileRunningReturnsAtOnce)
{
    std::ostringstream lines;
    for (int i = 0; i < 60; ++i)
        lines << 'P' << i << ' ' << 4157222 + i * 37 << ' ' << 664789 + i * i << ' ' << 4774952 - i * 11 << "\r\n";
    Kartesisch(lines.str(), lines.str());
    g_window = window.get();
    const calc::MessageDispatcher previous = calc::SetMessageDispatcher(StartAgain);
    Klicken("BUTBERECHNEN");
    calc::SetMessageDispatcher(previous);
    EXPECT_GT(g_nested, 0);
    EXPECT_TRUE(window->lErgebnis);
    const std::string cProtokoll = Slurp("protocol.log");
    EXPECT_EQ(cProtokoll.find(Text(15)), cProtokoll.rfind(Text(15)));
    ErwarteRuhe();
}

// Closing the program while a computation dispatches messages (Alt+F4 and the
// close box reach the frame through the computation's message pump).
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

TEST_F(Berechnung, ACloseRequestDuringAComputationIsRefused)
{
    shell::FrameWindow program;
    // The frame's settings put the protocol into UserData\ of the user folder.
    CreateDirectoryA(gcPfadProto.c_str(), nullptr);
    program.ShowCalcWindow();
    dtaCalcPar* calc = program.CalcWindow();
    auto list = [&](const char* name) { return dynamic_cast<MultiLineEdit*>(calc->GetControl(name)); };
    std::ostringstream lines;
    for (int i = 0; i < 60; ++i)
        lines << 'P' << i << ' ' << 4157222 + i * 37 << ' ' << 664789 + i * i << ' ' << 4774952 - i * 11 << "\r\n";
    for (const char* name : {"COMFORMQ", "COMFORMZ"}) {
        auto* combo = dynamic_cast<ComboBox*>(calc->GetControl(name));
        combo->SetCurrentItemNo(2);
        SendMessageA(calc->Handle(), WM_COMMAND, MAKEWPARAM(combo->ControlId(), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo->Handle()));
    }
    list("KOORDLISTQ")->SetTextValue(lines.str());
    list("KOORDLISTZ")->SetTextValue(lines.str());
    dynamic_cast<CheckBox*>(calc->GetControl("CHECKKLAFOUT"))->SetChecked(true);
    g_frame = program.Handle();
    g_closeRequests = 0;
    const calc::MessageDispatcher previous = calc::SetMessageDispatcher(RequestClose);
    calc->ButBerechnen();
    calc::SetMessageDispatcher(previous);

    EXPECT_GT(g_closeRequests, 0);
    ASSERT_TRUE(IsWindow(program.Handle()));
    ASSERT_TRUE(IsWindow(calc->Handle()));
    EXPECT_TRUE(calc->lErgebnis);
    EXPECT_FALSE(calc->lBerechnung);
    EXPECT_FALSE(calc->IsBusy());
    const std::string report = list("HELMERTPAR")->TextValue();
    EXPECT_THAT(report, HasSubstr(Text(15) + "\r\n"));
    EXPECT_THAT(report, HasSubstr("P59 P59 "));
    const std::string protocol = Slurp(gcPfadProto + "protocol.log");
    EXPECT_THAT(protocol, HasSubstr(Text(15) + "\r\n"));
    EXPECT_THAT(protocol, HasSubstr(" " + Text(16) + "\r\n"));
    EXPECT_THAT(protocol, HasSubstr(calc::Filled(Text(87), "60") + "\r\n"));

    // Idle again, the frame closes.
    SendMessageA(program.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(program.Handle()));
}

TEST_F(Berechnung, GeographicListsOnTheUserEllipsoid)
{
    Get<MultiLineEdit>("KOORDLISTQ")->SetTextValue("50.1 8.2 120\r\n50.2 8.4 130\r\n50.3 8.1 90\r\n50.0 8.3 100");
    Get<MultiLineEdit>("KOORDLISTZ")->SetTextValue("50.1 8.2 121\r\n50.2 8.4 131\r\n50.3 8.1 91\r\n50.0 8.3 101");
    Get<CheckBox>("CHECKGEOOUT")->SetChecked(true);
    Klicken("BUTBERECHNEN");
    EXPECT_TRUE(window->lErgebnis) << Fehler();
    EXPECT_THAT(Ergebnis(), HasSubstr(Text(74) + "\r\n"));
    EXPECT_THAT(Ergebnis(), HasSubstr(Text(26) + "\r\n"));
}

// The exit button closes the program through its frame window.
TEST_F(Berechnung, TheExitButtonClosesTheProgram)
{
    shell::FrameWindow program;
    program.ShowCalcWindow();
    const HWND frameHandle = program.Handle();
    SendMessageA(program.CalcWindow()->GetControl("BUTBEENDEN")->Handle(), BM_CLICK, 0, 0);
    for (int i = 0; i < 100 && IsWindow(frameHandle); ++i) ApplicationExec();
    EXPECT_FALSE(IsWindow(frameHandle));
}

// After a rejected semi-axis the default values give a valid ellipsoid again.
TEST_F(Berechnung, DefaultValuesAfterARejectedSemiAxisCompute)
{
    Eingeben("HALBACHSGQ", "5000000");
    ASSERT_FALSE(window->lEllOkQ);
    Get<Edit>("FLATTENINGQ")->SetTextValue("");
    seam.messageBoxAnswers.push_back(IDYES);
    Klicken("BUTSTANDARD");
    EXPECT_TRUE(window->lEllOkQ);
    EXPECT_TRUE(window->lEllOkZ);
    EXPECT_EQ(Val(Get<Edit>("FLATTENINGQ")->TextValue()), Val(NormNum(window->fKehrwertQ)));
    EXPECT_NEAR(window->fKehrwertQ, 298.257, 0.001);
    Get<MultiLineEdit>("KOORDLISTQ")->SetTextValue("50.1 8.2 120\r\n50.2 8.4 130\r\n50.3 8.1 90\r\n50.0 8.3 100");
    Get<MultiLineEdit>("KOORDLISTZ")->SetTextValue("50.1 8.2 121\r\n50.2 8.4 131\r\n50.3 8.1 91\r\n50.0 8.3 101");
    Klicken("BUTBERECHNEN");
    EXPECT_TRUE(window->lErgebnis) << Fehler();
}

TEST_F(Berechnung, PointListsWriteAndReadThroughTheFileDialogs)
{
    Get<MultiLineEdit>("KOORDLISTQ")->SetTextValue(kSource);
    Get<CheckBox>("CHECKELLPAR")->SetChecked(true);
    seam.fileAnswers.push_back(WorkDir() + "Points.TXT");
    Klicken("BUTDATEISCHREIBENQ");
    EXPECT_THAT(Slurp("points.txt"), HasSubstr("6378137.0000000\r\n"));
    EXPECT_EQ(gcSchreibPfadQ, WorkDir());

    seam.messageBoxAnswers.push_back(IDYES);
    seam.fileAnswers.push_back(WorkDir() + "points.txt");
    Get<MultiLineEdit>("KOORDLISTZ")->SetTextValue("old");
    Klicken("BUTDATEILESENZ");
    EXPECT_EQ(Get<MultiLineEdit>("KOORDLISTZ")->TextValue(), kSource);
    ErwarteRuhe();

    // The protocol file is refused, whatever the case of its name.
    std::ofstream("protocol.log") << "x";
    seam.fileAnswers.push_back(WorkDir() + "PROTOCOL.LOG");
    Klicken("BUTDATEISCHREIBENQ");
    EXPECT_EQ(Fehler(), Text(4));
    EXPECT_EQ(Slurp("protocol.log"), "x");
}

TEST_F(Berechnung, TheResultFileHoldsTheReport)
{
    Klicken("BUTDATEISCHREIBENH");
    EXPECT_EQ(Fehler(), Text(5));
    Kartesisch(kSource, kTarget);
    Klicken("BUTBERECHNEN");
    seam.fileAnswers.push_back(WorkDir() + "helmert.txt");
    Klicken("BUTDATEISCHREIBENH");
    EXPECT_EQ(Slurp("helmert.txt"), Ergebnis() + "\r\n");
}

TEST_F(Berechnung, ShowingTheProtocolQuotesItsPath)
{
    Klicken("BUTEDITPROTODATEI");
    EXPECT_TRUE(seam.CallsOf("ShellExecute").empty());
    EXPECT_EQ(Fehler(), Text(39));
    std::ofstream("protocol.log") << "x";
    Klicken("BUTEDITPROTODATEI");
    const auto calls = seam.CallsOf("ShellExecute");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "notepad.exe");
    std::string quoted = WorkDir() + "protocol.log\"";
    EXPECT_THAT(calls[0].detail, HasSubstr(quoted.insert(0, 1, '"')));
}

// A configured viewer starts as program and arguments, the protocol's path last.
TEST_F(Berechnung, AViewerWithArgumentsStartsWithThemBeforeTheProtocol)
{
    std::ofstream("protocol.log") << "x";
    const std::string quoted = "\"" + WorkDir() + "protocol.log\"";
    const struct {
        const char* setting;
        const char* program;
        std::string parameters;
    } cases[] = {
        {"\"C:\\Tools\\viewer.exe\" -r", "C:\\Tools\\viewer.exe", "-r " + quoted},
        {"\"C:\\Program Files\\Viewer\\view.exe\"", "C:\\Program Files\\Viewer\\view.exe", quoted},
        {"C:\\Program Files\\Viewer\\view.exe -r", "C:\\Program Files\\Viewer\\view.exe", "-r " + quoted},
        {"viewer.exe /a /b", "viewer.exe", "/a /b " + quoted},
        {"viewer.exe", "viewer.exe", quoted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        ASSERT_TRUE(WriteIniString("Config", "TextEditor", c.setting, gcPfadUser + "meridoxa.ini"));
        seam.calls.clear();
        Klicken("BUTEDITPROTODATEI");
        const auto calls = seam.CallsOf("ShellExecute");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].text, c.program);
        EXPECT_EQ(calls[0].detail, "open|" + c.parameters + "|");
    }
    DeleteFileA("meridoxa.ini");
}

}  // namespace
}  // namespace calcwindow_test

namespace calcwindow_test {
namespace {

// The result field takes a report far beyond 10,000,000 characters whole.
TEST_F(Berechnung, TheResultFieldHoldsReportsBeyondTenMillionCharacters)
{
    std::string cBericht;
    const std::string cZeile = std::string(98, 'x') + "\r\n";
    while (cBericht.size() <= 12000000) cBericht += cZeile;
    Get<MultiLineEdit>("HELMERTPAR")->SetTextValue(cBericht);
    EXPECT_EQ(Ergebnis().size(), cBericht.size());
}

}  // namespace
}  // namespace calcwindow_test
