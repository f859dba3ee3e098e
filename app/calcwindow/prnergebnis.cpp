// The print job of the result report and the print button of the
// calculation window.

#include "app/calcwindow/prnergebnis.h"

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/computation.h"
#include "calc/texts.h"
#include "lib/meldung.h"
#include "lib/sprache.h"

namespace {

// The page layout of one orientation: the lines a page is divided into and
// the margins as shares of the page's height and width.
struct Seitenmass {
    int nZeilen;
    double fRandOben;
    double fRandSeite;
};

constexpr Seitenmass kHochformat{66, 0.07, 0.1};
constexpr Seitenmass kQuerformat{46, 0.1, 0.07};
constexpr int kQuer = DMORIENT_LANDSCAPE;

Font Schrift(int nPunkte, const std::string& cName, bool lFett, bool lFesteBreite = false)
{
    LOGFONTA oMerkmale = Font(nPunkte, cName).GetLogFontStruct();
    oMerkmale.lfWeight = lFett ? FW_BOLD : FW_NORMAL;
    if (lFesteBreite) oMerkmale.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    return Font(oMerkmale);
}

}  // namespace

prnErgebnis::prnErgebnis()
    : Printer(gcProgramm, goDrucker ? *goDrucker : PrintingDevice()),
      nOrientation(goDrucker ? goDrucker->Orientation() : DMORIENT_PORTRAIT)
{
    Sprache();
}

void prnErgebnis::Sprache()
{
    aSprachTexte = GetSprachFileText("PRNERGEBNIS");
}

bool prnErgebnis::PrinterExpose(PrinterExposeEvent& oEvent)
{
    const std::string cSeite = std::to_string(oEvent.PageNo());
    if (goErfolg) goErfolg->ErfolgsMeldung(calc::Filled(calc::TextOf(aSprachTexte, 1), cSeite), "");

    const Seitenmass& oMass = nOrientation == kQuer ? kQuerformat : kHochformat;
    const int nH = oEvent.ExposedArea().Height();
    const int nW = oEvent.ExposedArea().Width();
    const int nB0 = static_cast<int>(nH * oMass.fRandOben);
    const int nT0 = nH - nB0;
    const int nS = (nT0 - nB0) / (oMass.nZeilen - 1);
    const int nB = nB0 + nS;
    const int nL = static_cast<int>(nW * oMass.fRandSeite);
    const int nD = nW - nL - nL;
    auto zentriert = [&](const std::string& cText, int nY) {
        TextPrint(cText, {nL + (nD - SizeText(cText).width) / 2, nY});
    };
    int nY = nT0 + nS;
    const Font oVorher = GetFont();

    if (oEvent.PageNo() == 1) {
        SetFont(Schrift(16, "Arial", true));
        zentriert(gcProgramm, nY - nS);
        nY = nT0 - 2 * nS;
        nZeile = 0;
    }
    nY -= 2 * nS;

    SetFont(Schrift(9, "Courier New", false, true));
    bool lWeiter = true;
    auto* oFeld = goCalcPar ? dynamic_cast<MultiLineEdit*>(goCalcPar->GetControl("HELMERTPAR")) : nullptr;
    const int nZeilen = oFeld ? oFeld->LineCount() : 0;
    while (nY >= nB + nS) {
        if (++nZeile > nZeilen) {
            lWeiter = false;
            break;
        }
        TextPrint(oFeld->GetLine(nZeile), {nL, nY});
        nY -= nS;
    }

    SetFont(Schrift(8, "Arial", true));
    zentriert("Seite " + cSeite, nB - 3 * nS);
    SetFont(Schrift(8, "Arial", false));
    const Window* oRahmen = goCalcPar ? goCalcPar->Owner() : nullptr;
    zentriert(oRahmen ? oRahmen->Caption() : std::string(), static_cast<int>(nH * 0.01));

    SetFont(oVorher);
    return lWeiter;
}

void prnErgebnis::Destroy()
{
    aSprachTexte.clear();
    Printer::Destroy();
}

void dtaCalcPar::ButDruckenH()
{
    if (oDCHelmertPar->TextValue().empty()) {
        if (goHinweis) goHinweis->HinweisMeldung(calc::TextOf(aSprachTexte, calc::kTextNoResultToPrint));
        return;
    }
    if (!goDrucker) goDrucker = std::make_unique<PrintingDevice>();
    prnErgebnis oDruck;
    if (oDruck.IsValid() && oDruck.Start()) {
        if (goErfolg) goErfolg->ErfolgsMeldung(calc::TextOf(aSprachTexte, calc::kTextPrinted), "");
    } else if (goFehler) {
        goFehler->FehlerMeldung(calc::TextOf(aSprachTexte, calc::kTextPrinterUnusable));
    }
    oDruck.Destroy();
}
