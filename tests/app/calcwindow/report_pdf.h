// The pages of the result report as check_pdfs.py reads them back from the
// PDF printer: the title on the first page, then the report lines, a page
// full after `first` lines on the first page and `later` lines on later ones,
// and the page number and the frame's caption at the foot of every page.
#pragma once

#include <string>
#include <vector>

#include "platform/framework/controls.h"
#include "tests/printing/pdf_jobs.h"

namespace calcwindow_test {

inline std::string ReportPages(const MultiLineEdit& field, int first, int later, const std::string& caption)
{
    std::vector<std::string> pages;
    std::vector<std::string> page{printtest::JsonText("MERIDOXA")};
    auto foot = [&] {
        page.push_back(printtest::JsonText("Seite " + std::to_string(pages.size() + 1)));
        page.push_back(printtest::JsonText(caption));
        pages.push_back(printtest::JsonList(page));
        page.clear();
    };
    // A report that fills its last page exactly gets a page with the foot only.
    for (int i = 1, full = first;; ++i) {
        if (i > full) {
            foot();
            full += later;
        }
        if (i > field.LineCount()) break;
        page.push_back(printtest::JsonText(field.GetLine(i)));
    }
    foot();
    return printtest::JsonList(pages);
}

}  // namespace calcwindow_test
