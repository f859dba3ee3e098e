#include "lib/sprache.h"

#include <windows.h>

#include "lib/codepage.h"
#include "lib/files.h"
#include "lib/ini.h"
#include "platform/framework/app.h"
#include "platform/framework/controls.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

std::vector<SprachZeile> gaSprachen;
std::string gcSprache = "eng";
std::string gcPfadSprache;

namespace {

constexpr unsigned kValueBuffer = 1000;
constexpr int kTextCount = 100;

// Looks the texts of one section up in the file of the current language, then
// in the English file, and brings them into the system's ANSI code page. Each
// file's section is read once.
class TextSource {
public:
    explicit TextSource(const std::string& cSection)
        : texts_(cSection, GetSprachPfad(gcSprache), kValueBuffer),
          englishTexts_(cSection, GetSprachPfad(gcSprache) == GetSprachPfad("eng") ? "" : GetSprachPfad("eng"),
                        kValueBuffer),
          codePage_(GetSprachCodePage(gcSprache))
    {
    }

    // The text, empty when neither file has it.
    std::string Find(const std::string& cKey) const
    {
        std::string text = texts_.Find(cKey);
        if (text.empty()) text = englishTexts_.Find(cKey);
        if (!text.empty() && codePage_ > 0) {
            std::size_t length = 0;
            ConvMultiByte2MultiByte(text, codePage_, text, length, 0u);
        }
        return text;
    }

private:
    IniSection texts_;
    IniSection englishTexts_;
    unsigned codePage_;
};

const SprachZeile* RowOf(const std::string& cCode)
{
    for (const auto& row : gaSprachen) {
        if (row.cCode == cCode) return &row;
    }
    return nullptr;
}

unsigned PositiveNumber(const std::string& cText)
{
    const double n = Val(cText);
    return n > 0 && n < 4294967296.0 ? static_cast<unsigned>(n) : 0;
}

}  // namespace

void SprachenLaden()
{
    gaSprachen.clear();
    const unsigned ansi = GetACP();
    for (const auto& entry : Directory(gcPfadSprache + "mdx_???.lng")) {
        SprachZeile row;
        row.cPfad = gcPfadSprache + entry.name;
        row.cText = GetIniString("LANGUAGE", "LANG_TEXT", row.cPfad);
        if (row.cText.empty()) continue;
        const std::string iso = GetIniString("LANGUAGE", "LANG_ISO", row.cPfad);
        row.cCode = Lower(iso.empty() ? entry.name.substr(4, 3) : iso);
        row.nHilfe = row.cCode == "ger" ? 1 : 2;
        const unsigned fileCodePage = PositiveNumber(GetIniString("LANGUAGE", "LANG_CODEPAGE_FILE", row.cPfad));
        row.nCodePage =
            fileCodePage != ansi && IsValidCodePage(fileCodePage) && !IniReaderDecodes(row.cPfad) ? fileCodePage : 0;
        row.lNachfrage = PositiveNumber(GetIniString("LANGUAGE", "LANG_CODEPAGE_COMP", row.cPfad)) != ansi;
        gaSprachen.push_back(row);
    }
    if (gaSprachen.empty())
        gaSprachen.push_back({"???", 2, gcPfadSprache + "mdx_???.lng", "No language files found", 0, false});
}

std::vector<std::string> GetSprachFileText(const std::string& cClassName, const std::string& cSuffix)
{
    const TextSource source(cClassName + cSuffix);
    std::vector<std::string> texts(kTextCount, "-");
    for (int n = 1; n <= kTextCount; ++n) {
        std::string text = source.Find("STRING_" + StrZero(n, 3, 0));
        if (!text.empty())
            texts[static_cast<std::size_t>(n - 1)] = ReplaceAll(ReplaceAll(text, "<LF>", "\r\n"), "<#>", "#");
    }
    return texts;
}

std::vector<std::vector<std::string>> GetSprachFileMenue(const std::string& cClassName,
                                                         const std::vector<std::string>& aCommands)
{
    const TextSource source(cClassName + "_MENUE");
    std::vector<std::vector<std::string>> texts;
    for (const auto& command : aCommands) {
        const std::string caption = command.empty() ? std::string() : source.Find(command + "_C");
        if (caption.empty()) {
            texts.push_back({"-"});
            continue;
        }
        const std::string description = source.Find(command + "_D");
        texts.push_back(description.empty() ? std::vector<std::string>{caption}
                                            : std::vector<std::string>{caption, description});
    }
    return texts;
}

std::vector<std::optional<ControlTexts>> GetSprachFileControl(Window& oWindow, const std::string& cClassName,
                                                              std::vector<Control*>& aControls)
{
    ApplicationExec();
    aControls = oWindow.GetAllChildren();
    const TextSource source(cClassName + "_CONTROL");
    std::vector<std::optional<ControlTexts>> texts(aControls.size());
    for (std::size_t i = 0; i < aControls.size(); ++i) {
        const std::string& name = aControls[i]->NameSym();
        if (name.empty()) continue;
        texts[i] = ControlTexts{ReplaceAll(source.Find(name + "_C"), "<LF>", "\r\n"),
                                ReplaceAll(source.Find(name + "_D"), "<LF>", "\n")};
    }
    return texts;
}

void SetSprachFileControl(Window& oWindow, const std::string& cClassName)
{
    std::vector<Control*> controls;
    const auto texts = GetSprachFileControl(oWindow, cClassName, controls);
    for (std::size_t i = 0; i < controls.size() && i < texts.size(); ++i) {
        if (!texts[i] || (texts[i]->caption.empty() && texts[i]->description.empty())) continue;
        HyperLabel label = controls[i]->GetHyperLabel();
        if (!texts[i]->caption.empty()) label.caption = texts[i]->caption;
        if (!texts[i]->description.empty()) label.description = texts[i]->description;
        controls[i]->SetHyperLabel(label);
    }
}

std::vector<std::string> SprachDialog(Window& oDialog, const std::string& cClassName)
{
    std::vector<std::string> texts = GetSprachFileText(cClassName);
    oDialog.SetCaption(texts.front());
    SetSprachFileControl(oDialog, cClassName);
    return texts;
}

std::string GetSprachPfad(const std::string& cCode)
{
    const auto* row = RowOf(cCode);
    return row ? row->cPfad : std::string();
}

unsigned GetSprachCodePage(const std::string& cCode)
{
    const auto* row = RowOf(cCode);
    return row ? row->nCodePage : 0;
}

bool IsSprache(const std::string& cCode)
{
    return !cCode.empty() && RowOf(cCode) != nullptr;
}

unsigned GetPrimLangId(unsigned nLangId)
{
    return nLangId & 0x3FF;
}
