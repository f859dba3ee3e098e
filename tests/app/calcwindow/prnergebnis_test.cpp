// Printing the result report: pages, lines, title and footer of the print
// job, and the print button's messages after the job.

#include <memory>

#include "app/calcwindow/prnergebnis.h"
#include "app/shell/globals.h"
#include "tests/app/calcwindow/calcwindow_fixture.h"

namespace calcwindow_test {
namespace {

// One text the job printed, with the font it was printed in.
struct Gedruckt {
    int nSeite;
    std::string cText;
    Point oAt;
    int nBreite;  // width of the text in its font
    bool lFett;
    bool lFesteBreite;
};

// A job that keeps what it prints.
class ProtokollDruck : public prnErgebnis {
public:
    bool PrinterExpose(PrinterExposeEvent& oEvent) override
    {
        nSeite = oEvent.PageNo();
        return prnErgebnis::PrinterExpose(oEvent);
    }
    void TextPrint(const std::string& cText, Point oAt) override
    {
        TEXTMETRICA oMetrik{};
        GetTextMetricsA(Handle(), &oMetrik);
        // The pitch bit is set for fonts of variable pitch.
        aTexte.push_back({nSeite, cText, oAt, SizeText(cText).width, GetFont().IsBold(),
                          (oMetrik.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0});
        prnErgebnis::TextPrint(cText, oAt);
    }

    // Exposes pages of the given size until the job answers that none
    // follows; the number of pages. Stops after 20 pages.
    int Drucken(Dimension oSeite)
    {
        aTexte.clear();
        for (int nPage = 1; nPage <= 20; ++nPage) {
            PrinterExposeEvent oEvent{nPage, {{0, 0}, oSeite}};
            if (!PrinterExpose(oEvent)) return nPage;
        }
        return 0;
    }

    // The report lines of a page: texts in the fixed-pitch font.
    std::vector<Gedruckt> Zeilen(int nPage) const
    {
        std::vector<Gedruckt> aZeilen;
        for (const Gedruckt& oText : aTexte)
            if (oText.nSeite == nPage && oText.lFesteBreite) aZeilen.push_back(oText);
        return aZeilen;
    }

    std::vector<Gedruckt> aTexte;

private:
    int nSeite = 0;
};

constexpr Dimension kHoch{2100, 2970};
constexpr Dimension kQuer{2970, 2100};

class PrintTest : public CalcWindowTest {
protected:
    void SetUp() override
    {
        CalcWindowTest::SetUp();
        seam.defaultPrinter = "Laser,winspool,LPT1:";
        seam.printSetupAnswer = true;
        frame->SetCaption("MERIDOXA 8.01 frame");
        goDrucker.reset();
    }
    void TearDown() override
    {
        goDrucker.reset();
        CalcWindowTest::TearDown();
    }

    // A report of n lines "Zeile 1" ... "Zeile n".
    void Bericht(int nZeilen)
    {
        std::string cText;
        for (int i = 1; i <= nZeilen; ++i) cText += (i > 1 ? "\r\n" : "") + ("Zeile " + std::to_string(i));
        Get<MultiLineEdit>("HELMERTPAR")->SetTextValue(cText);
    }

    void Ausrichtung(int nOrientation)
    {
        goDrucker = std::make_unique<PrintingDevice>();
        goDrucker->SetOrientation(nOrientation);
    }

    // The text a message window shows.
    static std::string MeldungsText(const MessageWindow& oFenster)
    {
        char cText[256] = "";
        GetDlgItemTextA(oFenster.Handle(), 100, cText, sizeof cText);
        return AllTrim(cText);
    }
    static std::string ErfolgsText() { return MeldungsText(*goErfolg); }
};

TEST_F(PrintTest, ReportLinesFillPagesInOrderAndTheLastPageEndsTheJob)
{
    struct Fall {
        int nOrientation;
        Dimension oSeite;
        int nZeilen;
        std::vector<int> aProSeite;
    };
    // Page 1 holds N - 6 lines, later pages N - 3; a report that fills its
    // last page exactly is followed by a page with the footer only.
    const Fall aFaelle[] = {
        {DMORIENT_PORTRAIT, kHoch, 59, {59}},         {DMORIENT_PORTRAIT, kHoch, 60, {60, 0}},
        {DMORIENT_PORTRAIT, kHoch, 61, {60, 1}},      {DMORIENT_PORTRAIT, kHoch, 123, {60, 63, 0}},
        {DMORIENT_PORTRAIT, kHoch, 124, {60, 63, 1}}, {DMORIENT_LANDSCAPE, kQuer, 39, {39}},
        {DMORIENT_LANDSCAPE, kQuer, 40, {40, 0}},     {DMORIENT_LANDSCAPE, kQuer, 84, {40, 43, 1}},
    };
    for (const Fall& oFall : aFaelle) {
        SCOPED_TRACE(std::to_string(oFall.nOrientation) + " / " + std::to_string(oFall.nZeilen));
        Ausrichtung(oFall.nOrientation);
        Bericht(oFall.nZeilen);
        ProtokollDruck oDruck;
        ASSERT_EQ(oDruck.Drucken(oFall.oSeite), static_cast<int>(oFall.aProSeite.size()));
        int nNaechste = 1;
        for (size_t nPage = 1; nPage <= oFall.aProSeite.size(); ++nPage) {
            const std::vector<Gedruckt> aZeilen = oDruck.Zeilen(static_cast<int>(nPage));
            ASSERT_EQ(static_cast<int>(aZeilen.size()), oFall.aProSeite[nPage - 1]) << "page " << nPage;
            for (const Gedruckt& oZeile : aZeilen) EXPECT_EQ(oZeile.cText, "Zeile " + std::to_string(nNaechste++));
        }
    }
}

TEST_F(PrintTest, PagesCarryTitleLinesAndFooterAtTheirPlaces)
{
    // Portrait 2100 x 2970: margin below 207, upper edge 2763, line step 39,
    // lower limit 246, left edge 210, text width 1680.
    Bericht(61);
    ProtokollDruck oDruck;
    const Font oVorher = oDruck.GetFont();
    ASSERT_EQ(oDruck.Drucken(kHoch), 2);
    EXPECT_EQ(oDruck.GetFont().FaceName(), oVorher.FaceName());

    auto mitte = [](const Gedruckt& oText) { return 210 + (1680 - oText.nBreite) / 2; };
    for (int nPage : {1, 2}) {
        SCOPED_TRACE(nPage);
        std::vector<Gedruckt> aSeite;
        for (const Gedruckt& oText : oDruck.aTexte)
            if (oText.nSeite == nPage) aSeite.push_back(oText);
        ASSERT_GE(aSeite.size(), 3u);
        const Gedruckt& oNummer = aSeite[aSeite.size() - 2];
        const Gedruckt& oRahmen = aSeite.back();
        EXPECT_EQ(oNummer.cText, "Seite " + std::to_string(nPage));
        EXPECT_TRUE(oNummer.lFett);
        EXPECT_EQ(oNummer.oAt.y, 246 - 3 * 39);
        EXPECT_EQ(oNummer.oAt.x, mitte(oNummer));
        EXPECT_EQ(oRahmen.cText, "MERIDOXA 8.01 frame");
        EXPECT_FALSE(oRahmen.lFett);
        EXPECT_EQ(oRahmen.oAt, (Point{mitte(oRahmen), 29}));
        const std::vector<Gedruckt> aZeilen = oDruck.Zeilen(nPage);
        const int nOben = nPage == 1 ? 2763 - 4 * 39 : 2763 - 39;
        for (size_t i = 0; i < aZeilen.size(); ++i) {
            EXPECT_EQ(aZeilen[i].oAt, (Point{210, nOben - static_cast<int>(i) * 39}));
            EXPECT_FALSE(aZeilen[i].lFett);
        }
    }
    const Gedruckt& oTitel = oDruck.aTexte.front();
    EXPECT_EQ(oTitel.cText, "MERIDOXA");
    EXPECT_TRUE(oTitel.lFett);
    EXPECT_FALSE(oTitel.lFesteBreite);
    EXPECT_EQ(oTitel.oAt, (Point{mitte(oTitel), 2763}));
    EXPECT_EQ(oDruck.Zeilen(1).back().oAt.y, 2763 - 63 * 39);
    EXPECT_EQ(ErfolgsText(), "Printing page 2 ...");
}

TEST_F(PrintTest, ASecondRunStartsAgainAtTheFirstLine)
{
    Bericht(70);
    ProtokollDruck oDruck;
    ASSERT_EQ(oDruck.Drucken(kHoch), 2);
    ASSERT_EQ(oDruck.Drucken(kHoch), 2);
    EXPECT_EQ(oDruck.Zeilen(1).front().cText, "Zeile 1");
    EXPECT_EQ(oDruck.Zeilen(2).back().cText, "Zeile 70");
}

TEST_F(PrintTest, PageNumbersAreWrittenInFull)
{
    Bericht(1);
    ProtokollDruck oDruck;
    PrinterExposeEvent oEvent{1234, {{0, 0}, kHoch}};
    oDruck.PrinterExpose(oEvent);
    ASSERT_GE(oDruck.aTexte.size(), 2u);
    EXPECT_EQ(oDruck.aTexte[oDruck.aTexte.size() - 2].cText, "Seite 1234");
    EXPECT_EQ(ErfolgsText(), "Printing page 1234 ...");
}

TEST_F(PrintTest, PrintButtonPrintsTheReportOnTheProgramsPrinter)
{
    Bericht(5);
    Klicken("BUTDRUCKENH");
    ASSERT_TRUE(goDrucker);
    EXPECT_EQ(goDrucker->Device(), "Laser");
    const auto aDC = seam.CallsOf("PrinterDC");
    ASSERT_EQ(aDC.size(), 1u);
    EXPECT_EQ(aDC[0].text, "Laser");
    EXPECT_EQ(aDC[0].number, DMORIENT_PORTRAIT);
    const auto aStart = seam.CallsOf("StartDoc");
    ASSERT_EQ(aStart.size(), 1u);
    EXPECT_EQ(aStart[0].text, "MERIDOXA");
    EXPECT_EQ(seam.CallsOf("StartPage").size(), 1u);
    EXPECT_EQ(seam.CallsOf("EndDoc").size(), 1u);
    EXPECT_EQ(ErfolgsText(), Text(63));
    EXPECT_EQ(Fehler(), "");

    // A printing device the program already has is used as it is set up.
    seam.calls.clear();
    Ausrichtung(DMORIENT_LANDSCAPE);
    Klicken("BUTDRUCKENH");
    ASSERT_EQ(seam.CallsOf("PrinterDC").size(), 1u);
    EXPECT_EQ(seam.CallsOf("PrinterDC")[0].number, DMORIENT_LANDSCAPE);
}

TEST_F(PrintTest, AJobThatDoesNotCompleteIsReportedAsFailure)
{
    for (const char* cVerweigert : {"StartDoc", "StartPage", "EndPage", "EndDoc"}) {
        SCOPED_TRACE(cVerweigert);
        goErfolg->HideMeldung();
        goFehler->HideMeldung();
        goDrucker.reset();
        seam.refusedPrintCall = cVerweigert;
        Bericht(5);
        Klicken("BUTDRUCKENH");
        EXPECT_EQ(Fehler(), Text(65));
        EXPECT_NE(ErfolgsText(), Text(63));
    }
}

TEST_F(PrintTest, WithoutAConfirmedPrinterNothingIsPrinted)
{
    Bericht(5);
    // No printer at all: the set-up says so and is not opened.
    seam.defaultPrinter = "";
    Klicken("BUTDRUCKENH");
    EXPECT_TRUE(seam.CallsOf("PrintSetup").empty());
    EXPECT_EQ(Fehler(), GetSprachFileText("WINSHELL")[0]);
    // A cancelled set-up: the hint says so.
    seam.defaultPrinter = "Laser,winspool,LPT1:";
    seam.printSetupAnswer = false;
    goDrucker.reset();
    Klicken("BUTDRUCKENH");
    EXPECT_EQ(seam.CallsOf("PrintSetup").size(), 1u);
    EXPECT_EQ(MeldungsText(*goHinweis), GetSprachFileText("WINSHELL")[15]);
    EXPECT_TRUE(seam.CallsOf("PrinterDC").empty());
    EXPECT_TRUE(seam.CallsOf("StartDoc").empty());
}

TEST_F(PrintTest, AnEmptyResultFieldIsNotPrinted)
{
    Get<MultiLineEdit>("HELMERTPAR")->SetTextValue("");
    Klicken("BUTDRUCKENH");
    EXPECT_TRUE(goHinweis->IsVisible());
    EXPECT_EQ(MeldungsText(*goHinweis), Text(50));
    EXPECT_TRUE(seam.CallsOf("PrinterDC").empty());
    EXPECT_TRUE(seam.CallsOf("StartDoc").empty());
}

}  // namespace
}  // namespace calcwindow_test
