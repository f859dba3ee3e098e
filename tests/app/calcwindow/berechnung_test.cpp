#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

#include "app/shell/globals.h"
#include "calc/computation.h"
#include "calc/parser.h"
#include "calc/pump.h"
#include "calc/texts.h"
#include "lib/ini.h"
#include "platform/runtime/files.h"
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

class Berechnung : public CalcWindowTest {
protected:
    void SetUp() override
    {
        gcPfadProto = gcPfadUser = WorkDir();
        DeleteFileA("protocol.log");
        DeleteFileA("meridoxa.ini");
        CalcWindowTest::SetUp();
        recorded = library;
        recorded.seteventloop = RecordEventLoop;
        calc::SetLibrary(&recorded);
        g_eventLoop.clear();
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

// The names are those of the new language before the report is written anew.
TEST_F(Berechnung, ARecomputeAfterALanguageSwitchShowsTheNewDefaultNames)
{
    Kartesisch(kSource, kTarget);
    Klicken("BUTBERECHNEN");
    const std::string english = Text(calc::kTextUnnamed);
    ASSERT_THAT(Ergebnis(), HasSubstr(english + " --> " + english));
    seam.messageBoxAnswers = {IDYES};
    gcSprache = "ger";
    window->Sprache();
    const std::string german = Text(calc::kTextUnnamed);
    ASSERT_NE(german, english);
    EXPECT_THAT(Ergebnis(), HasSubstr(Text(15) + "\r\n" + german + " --> " + german + "\r\n"));
    EXPECT_THAT(Ergebnis(), Not(HasSubstr(english)));
    EXPECT_EQ(Get<Edit>("EDITBEZQ")->TextValue(), german);
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
    constexpr DWORD kExplorer = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_ENABLEHOOK;
    EXPECT_EQ(seam.CallsOf("SaveFile").back().number, kExplorer | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);

    seam.messageBoxAnswers.push_back(IDYES);
    seam.fileAnswers.push_back(WorkDir() + "points.txt");
    Get<MultiLineEdit>("KOORDLISTZ")->SetTextValue("old");
    Klicken("BUTDATEILESENZ");
    EXPECT_EQ(Get<MultiLineEdit>("KOORDLISTZ")->TextValue(), kSource);
    EXPECT_EQ(seam.CallsOf("OpenFile").back().number, kExplorer | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
    ErwarteRuhe();

    // The protocol file is refused, whatever the case of its name.
    std::ofstream("protocol.log") << "x";
    seam.fileAnswers.push_back(WorkDir() + "PROTOCOL.LOG");
    Klicken("BUTDATEISCHREIBENQ");
    EXPECT_EQ(Fehler(), Text(4));
    EXPECT_EQ(Slurp("protocol.log"), "x");
}

// A file with more text than a list field takes is refused, and the list
// stays as it was.
TEST_F(Berechnung, AFileWithMoreTextThanAListTakesIsRefused)
{
    const std::string half(calc::kMaxListCharacters / 2, '1');
    std::ofstream("big.txt", std::ios::binary) << half << "\r\n" << half << "\r\n";
    Get<MultiLineEdit>("KOORDLISTQ")->SetTextValue(kSource);
    seam.messageBoxAnswers.push_back(IDYES);
    seam.fileAnswers.push_back(WorkDir() + "big.txt");
    Klicken("BUTDATEILESENQ");
    EXPECT_EQ(Fehler(), Text(calc::kTextFileTooBig));
    EXPECT_EQ(Get<MultiLineEdit>("KOORDLISTQ")->TextValue(), kSource);
    ErwarteRuhe();
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

// After a rejected inverse flattening the default values give 1/f of the
// semi-axes they write, and a valid flag.
TEST_F(Berechnung, DefaultValuesAfterARejectedInverseFlattening)
{
    Eingeben("FLATTENINGQ", "10");
    ASSERT_FALSE(window->lEllOkQ);
    seam.messageBoxAnswers.push_back(IDYES);
    Klicken("BUTSTANDARD");
    EXPECT_TRUE(window->lEllOkQ);
    const double a = Val(Get<Edit>("HALBACHSGQ")->TextValue()), b = Val(Get<Edit>("HALBACHSKQ")->TextValue());
    EXPECT_NEAR(Val(Get<Edit>("FLATTENINGQ")->TextValue()), a / (a - b), 1e-6);
}

// Stored semi-axes that fail the check: the fields show them, but the
// computation and the ellipsoid export refuse them.
TEST_F(Berechnung, AStoredInvalidEllipsoidIsRefused)
{
    window->ProfilArray2Prg({{"ParaEllQ", "6378137.00000006378137.0000000"}});
    EXPECT_EQ(Get<Edit>("HALBACHSKQ")->TextValue(), "6378137.0000000");
    Get<MultiLineEdit>("KOORDLISTQ")->SetTextValue("50.1 8.2 120\r\n50.2 8.4 130\r\n50.3 8.1 90\r\n50.0 8.3 100");
    Get<MultiLineEdit>("KOORDLISTZ")->SetTextValue("50.1 8.2 121\r\n50.2 8.4 131\r\n50.3 8.1 91\r\n50.0 8.3 101");
    Klicken("BUTBERECHNEN");
    EXPECT_FALSE(window->lErgebnis);
    EXPECT_THAT(Fehler(), HasSubstr(Text(calc::kTextSourceEllipsoid)));
    goFehler->HideMeldung();
    Klicken("BUTKONFTRDELL");
    EXPECT_EQ(Fehler(), Text(calc::kTextEllipsoidsInvalid));
}

// A key padded to 20 columns, then its value.
std::string KnsLine(const std::string& key, const std::string& value)
{
    return key + std::string(20 - key.size(), ' ') + value + "\r\n";
}

TEST_F(Berechnung, AConfigurationIsSavedByteForByteAndLoadedBack)
{
    gcDateiPfadK = "c:\\";
    Waehlen("COMFORMQ", 2);
    Klicken("MOLODENSKY");
    Get<Edit>("EDITBEZQ")->SetTextValue("  Potsdam  ");
    Get<Edit>("EDITBEZZ")->SetTextValue("ETRS89");
    Get<Edit>("KOM")->SetTextValue("Kom");
    seam.fileAnswers.push_back(WorkDir() + "Config.KNS");
    Klicken("BUTKONFSICHERN");
    const std::string axes = "6378137.00000006356752.3141404";
    EXPECT_EQ(Slurp("config.kns"), "MERIDOXA KNS\r\n" + KnsLine("ParaEllQ", axes) + KnsLine("ParaEllZ", axes) +
                                       KnsLine("ParaCombo", "0002100000051000") + KnsLine("ParaTyp", "4") +
                                       KnsLine("ParaBezQ", "  Potsdam  ") + KnsLine("ParaBezZ", "ETRS89") +
                                       KnsLine("ParaKom", "Kom"));
    EXPECT_EQ(gcDateiPfadK, WorkDir());
    const auto saves = seam.CallsOf("SaveFile");
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].text, "c:\\*.kns");
    EXPECT_EQ(saves[0].detail, gcProgramm + " -- " + Text(calc::kTextSaveConfigurationTitle));

    seam.messageBoxAnswers.push_back(IDYES);
    Klicken("BUTSTANDARD");
    Get<Edit>("EDITBEZQ")->SetTextValue("other");
    gcDateiPfadK = "c:\\";
    seam.fileAnswers.push_back(WorkDir() + "CONFIG.kns");
    Klicken("BUTKONFLADEN");
    EXPECT_EQ(seam.CallsOf("OpenFile").back().detail, gcProgramm + " -- " + Text(calc::kTextLoadConfigurationTitle));
    EXPECT_EQ(gcDateiPfadK, WorkDir());
    EXPECT_EQ(Get<ComboBox>("COMFORMQ")->Value(), 2);
    EXPECT_EQ(window->wParTyp, 4);
    EXPECT_TRUE(Get<RadioButton>("MOLODENSKY")->Pressed());
    EXPECT_EQ(Get<Edit>("EDITBEZQ")->TextValue(), "  Potsdam  ");
    EXPECT_EQ(Get<Edit>("KOM")->TextValue(), "Kom");
    EXPECT_EQ(Fehler(), "");
}

TEST_F(Berechnung, ConfigurationFilesThatAreNotRightChangeNothingOrGiveDefaults)
{
    const std::string unnamed = Text(calc::kTextUnnamed);
    const std::string path = WorkDir() + "bad.kns";
    struct Case {
        const char* what;
        std::string content;
        std::string error;  // after the file name and ": "; empty: loaded
        int typ;
        std::string nameQ;
    } cases[] = {
        {"wrong header", "MERIDOXA KNT\r\n" + KnsLine("ParaTyp", "3"), Text(calc::kTextNoConfiguration), 2, "mine"},
        {"binary garbage", std::string("\0\xff\x01MERIDOXA KNS\r\n", 18), Text(calc::kTextNoConfiguration), 2, "mine"},
        {"empty file", "", Text(calc::kTextNoConfiguration), 2, "mine"},
        {"short lines, blank lines, other keys",
         "MERIDOXA KNS\r\nParaBezQ\r\nParaCombo  \r\n\r\n" + KnsLine("Other", "x") + KnsLine("ParaTyp", "3") +
             KnsLine("ParaTyp", "4") + KnsLine("ParaBezZ", "    "),
         "", 3, unnamed},
        {"without a convention", "MERIDOXA KNS\n" + KnsLine("ParaBezQ", "  q"), "", 1, "  q"},
        {"reading stops after 1,000 lines", "MERIDOXA KNS\r\n" + std::string(1000, '\n') + KnsLine("ParaTyp", "3"), "",
         1, unnamed},
        {"a name of 10,000 characters", "MERIDOXA KNS\r\n" + KnsLine("ParaBezQ", std::string(10000, 'n')), "", 1,
         std::string(10000, 'n')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window->wParTyp = 2;
        window->Anpassen();
        Get<Edit>("EDITBEZQ")->SetTextValue("mine");
        goFehler->HideMeldung();
        std::ofstream(path, std::ios::binary) << c.content;
        window->ButKonfLaden(path);
        EXPECT_EQ(Fehler(), c.error.empty() ? "" : path + ": " + c.error);
        EXPECT_EQ(window->wParTyp, c.typ);
        EXPECT_EQ(Get<Edit>("EDITBEZQ")->TextValue(), c.nameQ);
        if (c.error.empty()) {
            EXPECT_EQ(Get<Edit>("EDITBEZZ")->TextValue(), unnamed);
        }
    }
    goFehler->HideMeldung();
    window->ButKonfLaden(WorkDir() + "missing.kns");
    EXPECT_EQ(Fehler(), WorkDir() + "missing.kns: " + Text(calc::kTextFileNotOpened));
}

TEST_F(Berechnung, AConfigurationThatCannotBeWrittenLeavesNoFile)
{
    const std::string noFolder = WorkDir() + "no such folder\\x.kns";
    seam.fileAnswers.push_back(noFolder);
    Klicken("BUTKONFSICHERN");
    EXPECT_EQ(Fehler(), noFolder + ": " + Text(calc::kTextFileNotOpened));
    goFehler->HideMeldung();
    DeleteFileA("failed.kns");
    FWriteFailNext();
    seam.fileAnswers.push_back(WorkDir() + "failed.kns");
    Klicken("BUTKONFSICHERN");
    EXPECT_EQ(Fehler(), WorkDir() + "failed.kns: " + DosErrString(ERROR_WRITE_FAULT));
    EXPECT_FALSE(FileExists("failed.kns"));
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST_F(Berechnung, TheReferenceSystemExportWritesTheComputedParameters)
{
    Klicken("BUTKONFTRDBEZ");
    EXPECT_EQ(Fehler(), Text(calc::kTextNoResult));
    EXPECT_TRUE(seam.CallsOf("SaveFile").empty());

    Kartesisch(kSource, kTarget);
    Klicken("MOLODENSKY");
    Klicken("BUTBERECHNEN");
    ASSERT_TRUE(window->lErgebnis);
    // Another convention, the recompute declined: the file names the one
    // the parameters were computed with.
    seam.messageBoxAnswers.push_back(IDNO);
    Klicken("HELMERTFRAME");
    ASSERT_EQ(window->wParTyp, 1);
    Get<Edit>("KOM")->SetTextValue("");
    seam.fileAnswers.push_back(WorkDir() + "Shift.knt");
    Klicken("BUTKONFTRDBEZ");
    EXPECT_EQ(seam.CallsOf("SaveFile").back().text, gcDateiPfadK.empty() ? "*.knt" : Lower(gcDateiPfadK) + "*.knt");
    const std::string text = Slurp("shift.knt");
    EXPECT_TRUE(text.ends_with("0.0\r\n\r\n"));
    std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "LORVANTE KNT");
    EXPECT_EQ(lines[1], "4");
    EXPECT_EQ(lines[2], "1");
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(Val(lines[3 + i]), i + 1.0, 1e-6) << lines[3 + i];
    for (int i = 6; i < 17; ++i) EXPECT_EQ(lines[i], "0.0") << i;
    EXPECT_EQ(lines[17], "");

    // Helmert: the rotations and the scale as computed, numbers with a point.
    seam.messageBoxAnswers.push_back(IDYES);
    Klicken("HELMERTVECTOR");
    ASSERT_TRUE(window->lErgebnis);
    Get<Edit>("KOM")->SetTextValue("Test 1");
    seam.fileAnswers.push_back(WorkDir() + "helmert.knt");
    Klicken("BUTKONFTRDBEZ");
    lines = Lines(Slurp("helmert.knt"));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[1], "2");
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(lines[3 + i], NormNum(window->aParameter[static_cast<size_t>(i)], 15, true));
        EXPECT_EQ(lines[3 + i].find(','), std::string::npos);
    }
    EXPECT_EQ(lines[17], "Test 1");

    // A failed computation: no result to export.
    Get<MultiLineEdit>("KOORDLISTQ")->SetTextValue("");
    Klicken("BUTBERECHNEN");
    goFehler->HideMeldung();
    Klicken("BUTKONFTRDBEZ");
    EXPECT_EQ(Fehler(), Text(calc::kTextNoResult));
}

TEST_F(Berechnung, TheEllipsoidExportWritesTheSemiAxesShown)
{
    Get<Edit>("HALBACHSGQ")->SetTextValue("6378137,25");  // typed, not yet left
    Waehlen("COMELLZ", 1);
    const double listedB = window->aEllParZ.front().b;
    Waehlen("COMFORMZ", 2);  // cartesian: the fields hidden, still written
    Get<Edit>("KOM")->SetTextValue("K");
    seam.fileAnswers.push_back(WorkDir() + "ell.kne");
    Klicken("BUTKONFTRDELL");
    const std::vector<std::string> lines = Lines(Slurp("ell.kne"));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "LORVANTE KNE");
    EXPECT_EQ(lines[1], "1000");
    EXPECT_EQ(lines[2], "1000");
    EXPECT_EQ(lines[3], "6378137.25");
    EXPECT_EQ(lines[4], "6356752.3141404");
    EXPECT_NEAR(Val(lines[6]), listedB, 1e-6);
    EXPECT_EQ(lines[7], "K");

    Waehlen("COMFORMZ", 5);
    Waehlen("COMELLZ", static_cast<int>(window->aEllipsoide.size()));
    Eingeben("HALBACHSKZ", "5");
    goFehler->HideMeldung();
    const auto saves = seam.CallsOf("SaveFile").size();
    Klicken("BUTKONFTRDELL");
    EXPECT_EQ(Fehler(), Text(calc::kTextEllipsoidsInvalid));
    EXPECT_EQ(seam.CallsOf("SaveFile").size(), saves);
}

}  // namespace
}  // namespace calcwindow_test
