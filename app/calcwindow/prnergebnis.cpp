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
struct PageLayout {
    int lines;
    double topMargin;
    double sideMargin;
};

constexpr PageLayout kPortrait{66, 0.07, 0.1};
constexpr PageLayout kLandscape{46, 0.1, 0.07};
constexpr int kLandscapeCode = DMORIENT_LANDSCAPE;

Font MakeFont(int points, const std::string& face, bool bold, bool fixedPitch = false)
{
    LOGFONTA attributes = Font(points, face).GetLogFontStruct();
    attributes.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    if (fixedPitch) attributes.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    return Font(attributes);
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

bool prnErgebnis::PrinterExpose(PrinterExposeEvent& event)
{
    const std::string page = std::to_string(event.PageNo());
    if (goErfolg) goErfolg->ErfolgsMeldung(calc::Filled(calc::TextOf(aSprachTexte, 1), page), "");

    const PageLayout& layout = nOrientation == kLandscapeCode ? kLandscape : kPortrait;
    const int height = event.ExposedArea().Height();
    const int width = event.ExposedArea().Width();
    const int bottom0 = static_cast<int>(height * layout.topMargin);
    const int top0 = height - bottom0;
    const int step = (top0 - bottom0) / (layout.lines - 1);
    const int bottom = bottom0 + step;
    const int left = static_cast<int>(width * layout.sideMargin);
    const int span = width - left - left;
    auto centred = [&](const std::string& text, int y) {
        TextPrint(text, {left + (span - SizeText(text).width) / 2, y});
    };
    int y = top0 + step;
    const Font previousFont = GetFont();

    if (event.PageNo() == 1) {
        SetFont(MakeFont(16, "Arial", true));
        centred(gcProgramm, y - step);
        y = top0 - 2 * step;
        nZeile = 0;
    }
    y -= 2 * step;

    SetFont(MakeFont(9, "Courier New", false, true));
    bool more = true;
    auto* field = goCalcPar ? dynamic_cast<MultiLineEdit*>(goCalcPar->GetControl("HELMERTPAR")) : nullptr;
    const int lines = field ? field->LineCount() : 0;
    while (y >= bottom + step) {
        if (++nZeile > lines) {
            more = false;
            break;
        }
        TextPrint(field->GetLine(nZeile), {left, y});
        y -= step;
    }

    SetFont(MakeFont(8, "Arial", true));
    centred("Seite " + page, bottom - 3 * step);
    SetFont(MakeFont(8, "Arial", false));
    const Window* frame = goCalcPar ? goCalcPar->Owner() : nullptr;
    centred(frame ? frame->Caption() : std::string(), static_cast<int>(height * 0.01));

    SetFont(previousFont);
    return more;
}

void prnErgebnis::Destroy()
{
    aSprachTexte.clear();
    Printer::Destroy();
}

void dtaCalcPar::ButDruckenH()
{
    if (oDCHelmertPar->TextValue().empty()) {
        if (goHinweis) goHinweis->HinweisMeldung(calc::TextOf(aSprachTexte, calc::kTextNoResult));
        return;
    }
    if (!ProDruckerEinstellen(true)) return;
    prnErgebnis job;
    if (job.IsValid() && job.Start()) {
        if (goErfolg) goErfolg->ErfolgsMeldung(calc::TextOf(aSprachTexte, calc::kTextPrinted), "");
    } else if (goFehler) {
        goFehler->FehlerMeldung(calc::TextOf(aSprachTexte, calc::kTextPrinterUnusable));
    }
    job.Destroy();
}
