#include "app/shell/drucken.h"

#include <memory>
#include <string>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/computation.h"
#include "graphics/images/capture.h"
#include "lib/sprache.h"
#include "platform/framework/app.h"
#include "platform/framework/filepath.h"
#include "platform/framework/printer.h"
#include "platform/framework/seam.h"
#include "platform/framework/standard_dialogs.h"
#include "platform/runtime/strings.h"

namespace shell {

namespace {

std::string Text(int nNumber)
{
    return GetSprachFileText("WINSHELL")[static_cast<std::size_t>(nNumber - 1)];
}

// The question of a command that acts on the calculation window; "#" in the
// text stands for the program's name and version.
bool Ask(Window& oFrame, int nText, const std::string& cProgramm)
{
    TextBox box(&oFrame, gcProgramm, calc::Filled(Text(nText), cProgramm), MB_YESNO | MB_ICONQUESTION);
    return box.Show() == IDYES;
}

// The calculation window on top and painted, so that it can be printed or
// captured as it looks.
void BringCalcWindowUp()
{
    goCalcPar->ToTop();
    ApplicationExec();
}

}  // namespace

void DruckenF(Window& oFrame)
{
    std::unique_ptr<PrintingDevice> own;
    if (!goDrucker) own = std::make_unique<PrintingDevice>();
    const PrintingDevice& device = goDrucker ? *goDrucker : *own;
    if (!goCalcPar || !Ask(oFrame, kTextFrageDruckenF, gcProgramm + " " + gcVersion)) return;
    BringCalcWindowUp();
    goCalcPar->Print(device);
}

void SpeichernBild(Window& oFrame, bool lGif)
{
    if (!goCalcPar) return;
    if (!Ask(oFrame, lGif ? kTextFrageGif : kTextFrageBmp, "\"" + gcProgramm + " " + gcVersion + "\"")) return;
    const std::string cOrdner = GetFolder(oFrame);
    if (cOrdner.empty()) return;
    BringCalcWindowUp();
    std::string cVersion = gcVersion;
    std::erase(cVersion, '.');
    const std::string cDatei = cOrdner + gcProgramm + "_" + cVersion + (lGif ? ".gif" : ".bmp");
    if (lGif)
        SaveWin2Gif(oFrame, cDatei, true);
    else
        SaveWin2Bmp(oFrame, cDatei, true);
}

std::string GetFolder(Window& oFrame)
{
    const FileSpec oProto(gcPfadProto);
    StandardFolderDialog oDialog(&oFrame, gcProgramm + " -- " + Text(kTextTitelOrdner),
                                 Lower(oProto.Drive() + oProto.Path()));
    if (!oDialog.Show()) return "";
    std::string cOrdner = Lower(oDialog.Result());
    if (!cOrdner.empty() && cOrdner.back() != '\\') cOrdner += '\\';
    return cOrdner;
}

}  // namespace shell
