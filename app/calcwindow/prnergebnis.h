// The print job of the result report: the lines of the calculation window's
// result field on numbered pages, with the program title on the first page
// and the page number and the frame window's caption at the foot of every
// page.
#pragma once

#include <string>
#include <vector>

#include "platform/framework/printer.h"

class MultiLineEdit;

class prnErgebnis : public Printer {
public:
    // A job named after the program on goDrucker, or on the default printer
    // while the program has no printing device.
    prnErgebnis();

    // Loads the page status text of the current language.
    void Sprache();
    // Prints one page; true when another page follows.
    bool PrinterExpose(PrinterExposeEvent& event) override;
    void Destroy() override;

private:
    std::vector<std::string> aSprachTexte;
    int nOrientation;
    // The number of the last report line printed; page 1 starts it again.
    int nZeile = 0;
};
