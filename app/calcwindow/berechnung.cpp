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
#include "widgets/opensavedialog.h"
#include "platform/runtime/files.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace {

constexpr UINT_PTR kBlinkTimer = 1;

std::string Directory(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void ReportError(const std::string& text)
{
    if (goFehler) goFehler->FehlerMeldung(text);
}

// Errors of the computation come without a sound (one failure sound plays at
// its end); hints with the hint window's own.
class WindowMessages : public calc::Messages {
public:
    void Error(const std::string& text) override
    {
        if (goFehler) goFehler->FehlerMeldung(text, "");
    }
    void Hint(const std::string& text) override
    {
        if (goHinweis) goHinweis->HinweisMeldung(text);
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
    ::SetTimer(window_.Handle(), kBlinkTimer, 100, nullptr);
    // Locking takes the focus from its control: a disabled window cannot keep it.
    window_.NoteFocus();
    window_.ControlsAusschalten();
}

dtaCalcPar::BusyScope::~BusyScope()
{
    window_.ControlsEinschalten();
    // The control gets the focus back while the frame is active; an inactive
    // frame gives it back when it is activated.
    if (GetActiveWindow() == GetAncestor(window_.Handle(), GA_ROOT) && !IsChild(window_.Handle(), GetFocus()))
        window_.ReturnFocus();
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
    for (MessageWindow* messageWindow :
         {static_cast<MessageWindow*>(goFehler.get()), static_cast<MessageWindow*>(goHinweis.get()),
          static_cast<MessageWindow*>(goErfolg.get())})
        if (messageWindow && messageWindow->IsVisible()) messageWindow->HideMeldung();
    const BusyScope busy(*this, true);

    std::string sourceList, targetList;
    // An unnamed side is named in the report by the heading above its group
    // (the inverse option exchanges the headings with the labels).
    const calc::SideInput source =
        InputOfSide(SourceSide(), lEllOkQ, oDCKoordListQ, oDCEditBezQ, oDCTextGruppe1, sourceList);
    const calc::SideInput target =
        InputOfSide(TargetSide(), lEllOkZ, oDCKoordListZ, oDCEditBezZ, oDCTextGruppe2, targetList);
    calc::Options options;
    options.convention = static_cast<geodesy::Convention>(wParTyp >= 1 && wParTyp <= 4 ? wParTyp : 1);
    options.decimalComma = oDCCheckKomma->Checked();
    options.inverse = oDCCheckInvers->Checked();
    options.rotationMatrix = oDCCheckRotOut->Checked();
    options.inputValues = oDCCheckOrgOut->Checked();
    options.geographic = oDCCheckGeoOut->Checked();
    options.cartesian = oDCCheckKartOut->Checked();
    options.residuals = oDCCheckKlafOut->Checked();
    WindowMessages messages;
    {
        calc::Computation computation;
        calc::Prepare(computation, source, target, options, aSprachTexte, messages);
        if (computation.ok) {
            std::copy(computation.parameters, computation.parameters + 7, aParameter.begin());
            parameterConvention_ = static_cast<int>(options.convention);
        }
        oDCHelmertPar->SetTextValue("");
        calc::BuildReport(computation, source, target, options, aSprachTexte, messages);
        if (!computation.report.empty()) {
            oDCHelmertPar->SetTextValue(computation.report);
            ApplicationExec();
            SchreibeProto(computation.protocol);
            ApplicationExec();
        }
        lErgebnis = computation.ok;
        if (!computation.ok)
            Ton("SystemHand");
        else if (goErfolg)
            goErfolg->ErfolgsMeldung(
                calc::TextOf(aSprachTexte, calc::kTextComputed) + "\r\n" +
                    calc::Filled(calc::TextOf(aSprachTexte, calc::kTextIdenticalPoints), std::to_string(computation.n)),
                "SystemAsterisk");
    }
}

void dtaCalcPar::SchreibeProto(const std::string& text)
{
    calc::AppendProtocol(pProtokoll, gcPfadProto + "protocol.log", text);
}

std::string dtaCalcPar::FullPath(const std::string& name, std::string& lastFolder)
{
    char full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameA(name.c_str(), sizeof full, full, nullptr);
    const std::string path = Lower(n > 0 && n < sizeof full ? std::string(full, n) : name);
    lastFolder = Directory(path);
    return path;
}

std::string dtaCalcPar::ChooseFile(bool open, std::string& lastFolder, const std::string& fileName, int title,
                                   const std::string& mask)
{
    const std::string folder = Lower(lastFolder);
    widgets::OpenSaveDialog dialog(this, folder + fileName, open);
    dialog.SetStyle(OFN_HIDEREADONLY, true);
    if (!open) {
        if (mask == "*.txt") dialog.SetStyle(OFN_SHOWHELP, false);
        dialog.SetStyle(OFN_OVERWRITEPROMPT, true);
    }
    std::vector<std::string> masks{"*.*"}, texts{calc::TextOf(aSprachTexte, calc::kTextAllFiles)};
    int chosen = 1;
    if (mask == "*.txt") {
        masks.push_back(mask);
        texts.push_back(calc::TextOf(aSprachTexte, calc::kTextTextFiles));
        chosen = 2;
    } else if (!mask.empty()) {
        masks.insert(masks.begin(), mask);
        texts.insert(texts.begin(), calc::TextOf(aSprachTexte, calc::kTextConfigurationFiles));
    }
    dialog.SetFilter(masks, texts, chosen);
    dialog.SetInitialDirectory(folder);
    dialog.SetCaption(gcProgramm + " -- " + calc::TextOf(aSprachTexte, title));
    if (!dialog.Show() || dialog.FileName().empty()) return "";
    const std::string path = FullPath(dialog.FileName(), lastFolder);
    if (calc::IsSameFile(path, gcPfadProto + "protocol.log")) {
        ReportError(calc::TextOf(aSprachTexte, calc::kTextProtocolNotChosen));
        return "";
    }
    return path;
}

void dtaCalcPar::ReadList(MultiLineEdit* list, std::string& lastFolder, int listText)
{
    if (!list->TextValue().empty() && !Ask(calc::kTextReplaceList)) return;
    const std::string path = ChooseFile(true, lastFolder, "*.*", calc::kTextReadListTitle, "");
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
    if (file.status == calc::ReadStatus::TooManyCharacters)
        ReportError(calc::TextOf(aSprachTexte, calc::kTextFileTooBig));
    if (file.status == calc::ReadStatus::LineTooLong)
        ReportError(calc::Filled(calc::TextOf(aSprachTexte, calc::kTextBadLine),
                                 {std::to_string(file.badLine), calc::TextOf(aSprachTexte, listText)}));
}

void dtaCalcPar::ButDateiLesenQ()
{
    ReadList(oDCKoordListQ, gcLesePfadQ, calc::kTextSourceList);
}
void dtaCalcPar::ButDateiLesenZ()
{
    ReadList(oDCKoordListZ, gcLesePfadZ, calc::kTextTargetList);
}

void dtaCalcPar::WriteList(const Side& side, MultiLineEdit* list, std::string& lastFolder, const char* name)
{
    const std::string text = list->TextValue();
    if (text.empty()) return ReportError(calc::TextOf(aSprachTexte, calc::kTextNothingToWrite));
    const std::string path = ChooseFile(false, lastFolder, name, calc::kTextWriteListTitle, "*.txt");
    if (path.empty()) return;
    std::vector<std::string> header;
    if (oDCCheckEllPar->Checked() && calc::NeedsEllipsoid(side.format->CurrentItemNo()))
        header = calc::EllipsoidHeader(side.ellipsoid->CurrentText(), Val(side.semiMajor->TextValue()),
                                       Val(side.semiMinor->TextValue()));
    std::string error;
    if (!calc::WriteLines(path, header, calc::SplitLines(text), error)) ReportError(error);
    ::SetFocus(list->Handle());
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
    const std::string text = oDCHelmertPar->TextValue();
    if (text.empty()) return ReportError(calc::TextOf(aSprachTexte, calc::kTextNothingToWrite));
    const std::string path = ChooseFile(false, gcSchreibPfadH, "helmert.txt", calc::kTextResultTitle, "*.txt");
    if (path.empty()) return;
    std::string error;
    if (!calc::WriteLines(path, {}, calc::SplitLines(text), error)) ReportError(error);
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
