// The computation behind the compute button, the point-list files, the
// result file and the protocol of the calculation window.

#include <windows.h>

#include <algorithm>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/computation.h"
#include "calc/formats.h"
#include "calc/library.h"
#include "calc/listfiles.h"
#include "calc/parser.h"
#include "calc/texts.h"
#include "lib/ini.h"
#include "lib/meldung.h"
#include "lib/system.h"
#include "platform/framework/app.h"
#include "platform/framework/seam.h"
#include "platform/framework/standard_dialogs.h"
#include "platform/runtime/files.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace {

constexpr UINT_PTR kBlinkTimer = 1;

std::string Directory(const std::string& cPfad)
{
    const std::size_t nSlash = cPfad.find_last_of("\\/");
    return nSlash == std::string::npos ? std::string() : cPfad.substr(0, nSlash + 1);
}

void ReportError(const std::string& cText)
{
    if (goFehler) goFehler->FehlerMeldung(cText);
}

// Errors of the computation come without a sound (one failure sound plays at
// its end); hints with the hint window's own.
class WindowMessages : public calc::Messages {
public:
    void Error(const std::string& cText) override
    {
        if (goFehler) goFehler->FehlerMeldung(cText, "");
    }
    void Hint(const std::string& cText) override
    {
        if (goHinweis) goHinweis->HinweisMeldung(cText);
    }
};

calc::SideInput InputOfSide(const dtaCalcPar::Side& side, bool ellipsoidValid, MultiLineEdit* list,
                            SingleLineEdit* name, const TextControl* group, std::string& listText)
{
    listText = list->TextValue();
    calc::SideInput input;
    input.list = listText;
    input.format = side.format->CurrentItemNo();
    input.ellipsoidValid = ellipsoidValid;
    input.ellipsoid = {Val(side.semiMajor->TextValue()), Val(side.semiMinor->TextValue())};
    input.name = name->TextValue();
    input.groupCaption = group->TextValue();
    input.ellipsoidName = side.ellipsoid->CurrentText();
    input.semiMajorText = side.semiMajor->TextValue();
    input.semiMinorText = side.semiMinor->TextValue();
    input.flatteningText = side.flattening->TextValue();
    return input;
}

// A command line split into its program and its arguments (with a blank
// after them when there are any).
struct ProgramCall {
    std::string program;
    std::string arguments;
};

ProgramCall SplitProgramCall(const std::string& commandLine)
{
    const std::string line = AllTrim(commandLine);
    std::string program, rest;
    if (line.starts_with('"')) {
        const std::size_t close = line.find('"', 1);
        program = line.substr(1, close == std::string::npos ? close : close - 1);
        if (close != std::string::npos) rest = line.substr(close + 1);
    } else {
        // Unquoted (the INI reading drops quotes around the whole value): the
        // whole line when it names a file, else up to ".exe", else up to a blank.
        const std::size_t exe = Lower(line + " ").find(".exe ");
        const std::size_t blank = FileExists(line)           ? std::string::npos
                                  : exe != std::string::npos ? exe + 4
                                                             : line.find(' ');
        program = line.substr(0, blank);
        if (blank < line.size()) rest = line.substr(blank + 1);
    }
    rest = AllTrim(rest);
    return {program, rest.empty() ? rest : rest + " "};
}

}  // namespace

dtaCalcPar::BusyScope::BusyScope(dtaCalcPar& window, bool computation) : window_(window), computation_(computation)
{
    if (computation_) window_.lBerechnung = true;
    window_.busy_ = true;
    calc::Library().seteventloop(1);
    SetTimer(window_.Handle(), kBlinkTimer, 100, nullptr);
    window_.ControlsAusschalten();
}

dtaCalcPar::BusyScope::~BusyScope()
{
    window_.ControlsEinschalten();
    calc::Library().seteventloop(0);
    KillTimer(window_.Handle(), kBlinkTimer);
    window_.oDCIconApp->SetBackground(window_.Background());
    window_.oDCIconApp->Repaint();
    window_.busy_ = false;
    if (computation_) window_.lBerechnung = false;
}

void dtaCalcPar::ButBerechnen()
{
    if (lBerechnung) return;
    for (MessageWindow* oFenster :
         {static_cast<MessageWindow*>(goFehler.get()), static_cast<MessageWindow*>(goHinweis.get()),
          static_cast<MessageWindow*>(goErfolg.get())})
        if (oFenster && oFenster->IsVisible()) oFenster->HideMeldung();
    const BusyScope busy(*this, true);

    std::string cListeQ, cListeZ;
    // An unnamed side is named in the report by the heading above its group
    // (the inverse option exchanges the headings with the labels).
    const calc::SideInput oQuelle =
        InputOfSide(SourceSide(), lEllOkQ, oDCKoordListQ, oDCEditBezQ, oDCTextGruppe1, cListeQ);
    const calc::SideInput oZiel =
        InputOfSide(TargetSide(), lEllOkZ, oDCKoordListZ, oDCEditBezZ, oDCTextGruppe2, cListeZ);
    calc::Options oOptionen;
    oOptionen.convention = static_cast<geodesy::Convention>(wParTyp >= 1 && wParTyp <= 4 ? wParTyp : 1);
    oOptionen.decimalComma = oDCCheckKomma->Checked();
    oOptionen.inverse = oDCCheckInvers->Checked();
    oOptionen.rotationMatrix = oDCCheckRotOut->Checked();
    oOptionen.inputValues = oDCCheckOrgOut->Checked();
    oOptionen.geographic = oDCCheckGeoOut->Checked();
    oOptionen.cartesian = oDCCheckKartOut->Checked();
    oOptionen.residuals = oDCCheckKlafOut->Checked();
    WindowMessages oMeldungen;
    {
        calc::Computation oRechnung;
        calc::Prepare(oRechnung, oQuelle, oZiel, oOptionen, aSprachTexte, oMeldungen);
        if (oRechnung.ok) std::copy(oRechnung.parameters, oRechnung.parameters + 7, aParameter.begin());
        oDCHelmertPar->SetTextValue("");
        calc::BuildReport(oRechnung, oQuelle, oZiel, oOptionen, aSprachTexte, oMeldungen);
        if (!oRechnung.report.empty()) {
            oDCHelmertPar->SetTextValue(oRechnung.report);
            ApplicationExec();
            SchreibeProto(oRechnung.protocol);
            ApplicationExec();
        }
        lErgebnis = oRechnung.ok;
        if (!oRechnung.ok)
            Ton("SystemHand");
        else if (goErfolg)
            goErfolg->ErfolgsMeldung(
                calc::TextOf(aSprachTexte, calc::kTextComputed) + "\r\n" +
                    calc::Filled(calc::TextOf(aSprachTexte, calc::kTextIdenticalPoints), std::to_string(oRechnung.n)),
                "SystemAsterisk");
    }
}

void dtaCalcPar::SchreibeProto(const std::string& cText)
{
    calc::AppendProtocol(pProtokoll, gcPfadProto + "protocol.log", cText);
}

std::string dtaCalcPar::ChooseFile(bool open, std::string& lastFolder, const std::string& fileName, int title,
                                   bool textFilter)
{
    const std::string folder = Lower(lastFolder);
    StandardFileDialog dialog(this, folder + fileName, open);
    dialog.SetFlags(OFN_HIDEREADONLY | (open ? 0 : OFN_OVERWRITEPROMPT));
    std::vector<std::string> masks{"*.*"}, texts{calc::TextOf(aSprachTexte, calc::kTextAllFiles)};
    if (textFilter) {
        masks.push_back("*.txt");
        texts.push_back(calc::TextOf(aSprachTexte, calc::kTextTextFiles));
    }
    dialog.SetFilter(masks, texts, textFilter ? 2 : 1);
    dialog.SetInitialDirectory(folder);
    dialog.SetCaption(gcProgramm + " -- " + calc::TextOf(aSprachTexte, title));
    if (!dialog.Show() || dialog.FileName().empty()) return "";
    char full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameA(dialog.FileName().c_str(), sizeof full, full, nullptr);
    const std::string path = Lower(n > 0 && n < sizeof full ? std::string(full, n) : dialog.FileName());
    lastFolder = Directory(path);
    if (calc::IsSameFile(path, gcPfadProto + "protocol.log")) {
        ReportError(calc::TextOf(aSprachTexte, calc::kTextProtocolNotChosen));
        return "";
    }
    return path;
}

void dtaCalcPar::ReadList(MultiLineEdit* list, std::string& lastFolder)
{
    if (!list->TextValue().empty() && !Ask(calc::kTextReplaceList)) return;
    const std::string path = ChooseFile(true, lastFolder, "*.*", calc::kTextReadListTitle, false);
    if (path.empty()) return;
    calc::ListFile file;
    {
        const BusyScope busy(*this, false);
        file = calc::ReadPointListFile(path);
        if (file.status == calc::ReadStatus::Ok) list->SetTextValue(file.text);
    }
    ::SetFocus(list->Handle());
    if (file.status == calc::ReadStatus::Error) ReportError(file.error);
    if (file.status == calc::ReadStatus::TooManyLines) ReportError(calc::TextOf(aSprachTexte, calc::kTextFileTooLong));
}

void dtaCalcPar::ButDateiLesenQ()
{
    ReadList(oDCKoordListQ, gcLesePfadQ);
}
void dtaCalcPar::ButDateiLesenZ()
{
    ReadList(oDCKoordListZ, gcLesePfadZ);
}

void dtaCalcPar::WriteList(const Side& side, MultiLineEdit* oListe, std::string& cLetzterPfad, const char* cName)
{
    const std::string cText = oListe->TextValue();
    if (cText.empty()) return ReportError(calc::TextOf(aSprachTexte, calc::kTextNothingToWrite));
    const std::string cDatei = ChooseFile(false, cLetzterPfad, cName, calc::kTextWriteListTitle, true);
    if (cDatei.empty()) return;
    std::vector<std::string> aKopf;
    if (oDCCheckEllPar->Checked() && calc::NeedsEllipsoid(side.format->CurrentItemNo()))
        aKopf = calc::EllipsoidHeader(side.ellipsoid->CurrentText(), Val(side.semiMajor->TextValue()),
                                      Val(side.semiMinor->TextValue()));
    std::string cFehler;
    if (!calc::WriteLines(cDatei, aKopf, calc::SplitLines(cText), cFehler)) ReportError(cFehler);
    ::SetFocus(oListe->Handle());
}

void dtaCalcPar::ButDateiSchreibenQ()
{
    WriteList(SourceSide(), oDCKoordListQ, gcSchreibPfadQ, "coordQ.txt");
}
void dtaCalcPar::ButDateiSchreibenZ()
{
    WriteList(TargetSide(), oDCKoordListZ, gcSchreibPfadZ, "coordZ.txt");
}

void dtaCalcPar::ButDateiSchreibenH()
{
    const std::string cText = oDCHelmertPar->TextValue();
    if (cText.empty()) return ReportError(calc::TextOf(aSprachTexte, calc::kTextNothingToWrite));
    const std::string cDatei = ChooseFile(false, gcSchreibPfadH, "helmert.txt", calc::kTextResultTitle, true);
    if (cDatei.empty()) return;
    std::string cFehler;
    if (!calc::WriteLines(cDatei, {}, calc::SplitLines(cText), cFehler)) ReportError(cFehler);
    ::SetFocus(oDCHelmertPar->Handle());
}

// The protocol in the configured viewer, else in notepad, else in the
// program the system opens it with; the path goes in quotes. The viewer
// setting is a program with optional arguments before the path:
// "C:\Tools\viewer.exe" -r.
void dtaCalcPar::ButEditProtoDatei()
{
    const std::string path = gcPfadProto + "protocol.log";
    if (!FileExists(path)) return ReportError(calc::TextOf(aSprachTexte, calc::kTextProtocolNotShown));
    const std::string quoted = "\"" + path + "\"";
    const ProgramCall viewer = SplitProgramCall(GetIniString("Config", "TextEditor", gcPfadUser + "meridoxa.ini"));
    Seam& seam = TheSeam();
    auto started = [](INT_PTR code) { return code == 1 || code > 32; };
    if (!viewer.program.empty() &&
        started(seam.ShellExecuteFile(Handle(), "open", viewer.program, viewer.arguments + quoted, "", SW_SHOWNORMAL)))
        return;
    if (started(seam.ShellExecuteFile(Handle(), "open", "notepad.exe", quoted, "", SW_SHOWNORMAL))) return;
    if (started(seam.ShellExecuteFile(nullptr, "open", path, "", "", SW_SHOWNORMAL))) return;
    ReportError(calc::TextOf(aSprachTexte, calc::kTextProtocolNotShown));
}
