#include "app/shell/globals.h"

#include "app/shell/drucken.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/printer.h"
#include "platform/framework/standard_dialogs.h"

const std::string gcProgramm = "MERIDOXA";
const std::string gcVersion = "8.01";
std::string gcPfadProto;
std::string gcPfadUser;
std::string gcPfadKonfig;
bool glNetwork = false;
std::string gcLesePfadQ, gcLesePfadZ, gcSchreibPfadQ, gcSchreibPfadZ, gcSchreibPfadH;
std::string gcDateiPfadK;
Window* goShell = nullptr;
std::unique_ptr<PrintingDevice> goDrucker;

const std::array<Color, 5> gaFarbenStandard{Color(220, 250, 235), Color(255, 225, 225), Color(240, 225, 255),
                                            Color(153, 204, 153), Color(222, 240, 222)};
std::array<Color, 5> gaFarben = gaFarbenStandard;
std::array<Brush, 5> gaPinsel;
std::string gcFarben;
int gnGradient = 15, gnGradDir = 7;
bool glTooltip = true, glBegruessung = true, glEndeNachfrage = true;

void ShowHelpALink(const std::string& cKeyword)
{
    if (goShell && goShell->GetHelpDisplay()) goShell->GetHelpDisplay()->Show(cKeyword, HelpDisplay::Link::ALink);
}

bool ProDruckerEinstellen(bool lHinweis)
{
    if (!goDrucker) goDrucker = std::make_unique<PrintingDevice>();
    if (!goDrucker->IsValid()) {
        if (goFehler) goFehler->FehlerMeldung(GetSprachFileText("WINSHELL")[shell::kTextDruckerUngueltig - 1]);
        return false;
    }
    // A cancelled set-up leaves the device as it was.
    if (goDrucker->Setup(goShell)) return true;
    if (lHinweis && goHinweis) goHinweis->HinweisMeldung(GetSprachFileText("WINSHELL")[shell::kTextDruckerAbbruch - 1]);
    return false;
}
