#include "app/shell/drucken.h"

#include <memory>
#include <string>
#include <vector>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/computation.h"
#include "graphics/images/capture.h"
#include "lib/meldung.h"
#include "platform/framework/app.h"
#include "platform/framework/filepath.h"
#include "platform/framework/printer.h"
#include "platform/framework/seam.h"
#include "platform/framework/standard_dialogs.h"
#include "platform/runtime/strings.h"

namespace shell {

namespace {

const std::string& Text(const std::vector<std::string>& aTexte, int nNumber)
{
    return aTexte.at(static_cast<std::size_t>(nNumber - 1));
}

// The question of a command that acts on the calculation window; "#" in the
// text stands for the program's name and version.
bool Ask(Window& oFrame, const std::vector<std::string>& aTexte, int nText, const std::string& cProgramm)
{
    TextBox box(&oFrame, gcProgramm, calc::Filled(Text(aTexte, nText), cProgramm), MB_YESNO | MB_ICONQUESTION);
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

void DruckenF(Window& oFrame, const std::vector<std::string>& aTexte)
{
    if (!goCalcPar) return;
    std::unique_ptr<PrintingDevice> own;
    if (!goDrucker) own = std::make_unique<PrintingDevice>();
    const PrintingDevice& device = goDrucker ? *goDrucker : *own;
    // Without a usable printer there is nothing to ask.
    if (!device.IsValid()) {
        if (goFehler) goFehler->FehlerMeldung(Text(aTexte, kTextDruckerUngueltig));
        return;
    }
    if (!Ask(oFrame, aTexte, kTextFrageDruckenF, gcProgramm + " " + gcVersion)) return;
    BringCalcWindowUp();
    // A job named as the report's, so that the printer's queue tells whose
    // it is; a printer that refuses it is reported as the report's is.
    if (!goCalcPar->Print(device, gcProgramm) && goFehler) goFehler->FehlerMeldung(Text(aTexte, kTextDruckerUngueltig));
}

void SpeichernBild(Window& oFrame, const std::vector<std::string>& aTexte, bool lGif)
{
    if (!goCalcPar) return;
    if (!Ask(oFrame, aTexte, lGif ? kTextFrageGif : kTextFrageBmp, "\"" + gcProgramm + " " + gcVersion + "\"")) return;
    const std::string cOrdner = GetFolder(oFrame, aTexte);
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

std::string GetFolder(Window& oFrame, const std::vector<std::string>& aTexte)
{
    return ChooseFolder(oFrame, gcProgramm + " -- " + Text(aTexte, kTextTitelOrdner), gcPfadProto);
}

std::string ChooseFolder(Window& oOwner, const std::string& cCaption, const std::string& cPath)
{
    StandardFolderDialog oDialog(&oOwner, cCaption, FolderOf(cPath));
    if (!oDialog.Show()) return "";
    std::string cOrdner = Lower(oDialog.Result());
    if (!cOrdner.empty() && cOrdner.back() != '\\') cOrdner += '\\';
    return cOrdner;
}

std::string FolderOf(const std::string& cPath)
{
    const FileSpec oPfad(cPath);
    return Lower(oPfad.Drive() + oPfad.Path());
}

}  // namespace shell
