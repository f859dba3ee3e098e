// Configuration files (*.kns) of the calculation window's inputs, and the
// reference-system (*.knt) and ellipsoid (*.kne) files for LORVANTE. All
// four share the last folder gcDateiPfadK.
#include <algorithm>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/computation.h"
#include "calc/listfiles.h"
#include "calc/texts.h"
#include "lib/meldung.h"
#include "lib/number.h"
#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"

namespace {

constexpr const char* kConfigurationHeader = "MERIDOXA KNS";
// The width of a key in a configuration line; the value starts after it.
constexpr std::size_t kKeyWidth = 20;
// A configuration has 8 lines; reading stops after this many.
constexpr int kMaxConfigurationLines = 1000;

void ReportError(const std::string& text)
{
    if (goFehler) goFehler->FehlerMeldung(text);
}

// A number of the parameter set or a field as LORVANTE reads it: "." as
// separator, trailing zeros of the decimals dropped.
template <class Number>
std::string ExportNumber(const Number& value)
{
    return NormNum(value, 15, true);
}

}  // namespace

void dtaCalcPar::WriteConfigurationFile(const std::string& path, const std::vector<std::string>& lines)
{
    std::string error;
    if (!calc::WriteLines(path, lines, {}, error, calc::TextOf(aSprachTexte, calc::kTextFileNotOpened)))
        ReportError(path + ": " + error);
}

void dtaCalcPar::ButKonfSichern()
{
    const std::string path = ChooseFile(false, gcDateiPfadK, "*.kns", calc::kTextSaveConfigurationTitle, "*.kns");
    if (path.empty()) return;
    std::vector<std::string> lines{kConfigurationHeader};
    for (const ProfileRow& row : ProfilPrg2Array())
        lines.push_back(row.key + std::string(kKeyWidth - std::min(kKeyWidth, row.key.size()), ' ') + row.value);
    WriteConfigurationFile(path, lines);
}

void dtaCalcPar::ButKonfLaden(const std::string& cFile)
{
    const std::string path = cFile.empty()
                                 ? ChooseFile(true, gcDateiPfadK, "*.kns", calc::kTextLoadConfigurationTitle, "*.kns")
                                 : FullPath(cFile, gcDateiPfadK);
    if (path.empty()) return;
    HANDLE file = FOpen(path, FO_SHARED);
    if (file == F_ERROR) return ReportError(path + ": " + calc::TextOf(aSprachTexte, calc::kTextFileNotOpened));
    std::string error;
    Profile aProfile;
    // One character more than the header is enough to tell a foreign file.
    if (FReadLine(file, std::string_view(kConfigurationHeader).size() + 1) != kConfigurationHeader) {
        error = calc::TextOf(aSprachTexte, calc::kTextNoConfiguration);
    } else {
        for (int n = 0; n < kMaxConfigurationLines && !FEof(file); ++n) {
            const std::string line = FReadLine(file);
            if (FError() != 0 && FError() != ERROR_HANDLE_EOF) {
                error = DosErrString(FError());
                break;
            }
            aProfile.push_back(
                {RTrim(line.substr(0, kKeyWidth)), line.size() > kKeyWidth ? line.substr(kKeyWidth) : ""});
        }
    }
    FClose(file);
    if (!error.empty()) return ReportError(path + ": " + error);
    ProfilArray2Prg(aProfile);
}

void dtaCalcPar::Export(const char* mask, bool allowed, int refusal, const std::vector<std::string>& lines)
{
    if (!allowed) return ShowError(refusal);
    const std::string path = ChooseFile(false, gcDateiPfadK, mask, calc::kTextSaveConfigurationTitle, mask);
    if (!path.empty()) WriteConfigurationFile(path, lines);
}

void dtaCalcPar::ButKonfTrdBez()
{
    std::vector<std::string> lines{"LORVANTE KNT", std::to_string(parameterConvention_), "1"};
    for (double parameter : aParameter) lines.push_back(ExportNumber(parameter));
    lines.insert(lines.end(), 7, "0.0");
    lines.push_back(oDCKom->TextValue());
    Export("*.knt", lErgebnis, calc::kTextNoResult, lines);
}

void dtaCalcPar::ButKonfTrdEll()
{
    std::vector<std::string> lines{"LORVANTE KNE", "1000", "1000"};
    for (const SingleLineEdit* field : {oDCHalbAchsGQ, oDCHalbAchsKQ, oDCHalbAchsGZ, oDCHalbAchsKZ})
        lines.push_back(ExportNumber(field->TextValue()));
    lines.push_back(oDCKom->TextValue());
    Export("*.kne", lEllOkQ && lEllOkZ, calc::kTextEllipsoidsInvalid, lines);
}
