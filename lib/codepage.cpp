#include "lib/codepage.h"

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/runtime/strings.h"

namespace {

struct LanguageRow {
    const char* code;
    unsigned short primary;
};

// Primary languages of the codes; the sub-language is 1 in every row.
constexpr LanguageRow kLanguages[] = {
    {"af", 0x36}, {"ar", 0x01}, {"az", 0x2C}, {"be", 0x23}, {"bs", 0x1A}, {"bg", 0x02}, {"ca", 0x03},
    {"cs", 0x05}, {"da", 0x06}, {"de", 0x07}, {"el", 0x08}, {"en", 0x09}, {"es", 0x0A}, {"et", 0x25},
    {"fr", 0x0C}, {"fi", 0x0B}, {"he", 0x0D}, {"hr", 0x1A}, {"hu", 0x0E}, {"hy", 0x2B}, {"id", 0x21},
    {"is", 0x0F}, {"it", 0x10}, {"ja", 0x11}, {"ka", 0x37}, {"ko", 0x12}, {"kt", 0x11}, {"lv", 0x26},
    {"lt", 0x27}, {"mk", 0x2F}, {"mn", 0x50}, {"ms", 0x3E}, {"mt", 0x3A}, {"nl", 0x13}, {"no", 0x14},
    {"pl", 0x15}, {"pt", 0x16}, {"ro", 0x18}, {"ru", 0x19}, {"sk", 0x1B}, {"sl", 0x24}, {"sq", 0x1C},
    {"sr", 0x1A}, {"sv", 0x1D}, {"th", 0x1E}, {"tr", 0x1F}, {"uk", 0x22}, {"vi", 0x2A}, {"zh", 0x04},
};

constexpr unsigned short kSubLanguage = 1;

// The code page argument as a number: numbers stay, language codes become
// their ANSI code page; nothing when a language has none.
std::optional<unsigned long> Resolve(const CodePageArg& u)
{
    if (const auto* n = std::get_if<unsigned>(&u)) return *n;
    const unsigned long cp = Lang2CodePage(std::get<std::string>(u));
    if (cp == 0) return std::nullopt;
    return cp;
}

// The Windows code page of a resolved number.
UINT WindowsCodePage(unsigned long n)
{
    switch (n) {
    case 0: return CP_ACP;
    case 1: return CP_OEMCP;
    case 2: return CP_UTF8;
    default: return IsValidCodePage(n) ? n : CP_ACP;
    }
}

}  // namespace

bool ConvMultiByte2MultiByte(const std::string& cText, const CodePageArg& uFrom, std::string& cResult,
                             std::size_t& nLength, const CodePageArg& uTo)
{
    const auto from = Resolve(uFrom);
    const auto to = Resolve(uTo);
    if (!from || !to) return false;
    if (*from == *to) {
        cResult = cText;
        nLength = cText.size();
        return true;
    }
    // The result is built apart, so that cResult may be cText itself.
    std::string wide;
    std::string converted;
    std::size_t wideBytes = 0;
    std::size_t length = 0;
    bool ok = ConvMultiByte2Unicode(cText, *from, wide, wideBytes);
    if (ok && wideBytes > 0) ok = ConvUnicode2MultiByte(wide.data(), wideBytes, *to, converted, length);
    if (!ok) converted = cText;
    cResult = std::move(converted);
    nLength = cResult.size();
    return ok;
}

bool ConvMultiByte2Unicode(const std::string& cText, const CodePageArg& uCodePage, std::string& cWide,
                           std::size_t& nBytes)
{
    const auto resolved = Resolve(uCodePage);
    if (!resolved) return false;
    const UINT cp = WindowsCodePage(*resolved);
    cWide.clear();
    nBytes = 0;
    if (cText.empty()) return true;
    const int length = static_cast<int>(cText.size());
    const int units = MultiByteToWideChar(cp, 0, cText.data(), length, nullptr, 0);
    if (units <= 0) return false;
    std::vector<wchar_t> wide(static_cast<std::size_t>(units));
    const int count = MultiByteToWideChar(cp, 0, cText.data(), length, wide.data(), units);
    if (count <= 0) return false;
    nBytes = 2 * static_cast<std::size_t>(count);
    cWide.assign(reinterpret_cast<const char*>(wide.data()), nBytes);
    return true;
}

bool ConvUnicode2MultiByte(const void* pWide, std::size_t nBytes, const CodePageArg& uCodePage, std::string& cResult,
                           std::size_t& nLength)
{
    const auto resolved = Resolve(uCodePage);
    if (!resolved) return false;
    const UINT cp = WindowsCodePage(*resolved);
    cResult.clear();
    nLength = 0;
    const auto* text = static_cast<const wchar_t*>(pWide);
    const int units = nBytes == 0 ? -1 : static_cast<int>(nBytes / 2);
    const int size = WideCharToMultiByte(cp, 0, text, units, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return true;
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int count = WideCharToMultiByte(cp, 0, text, units, buffer.data(), size, nullptr, nullptr);
    if (count <= 0) return false;
    // A zero-terminated input also counts its terminating zero.
    const auto length = static_cast<std::size_t>(units < 0 ? count - 1 : count);
    cResult.assign(buffer.data(), length);
    nLength = length;
    return true;
}

unsigned long Lang2CodePage(const std::string& cLang)
{
    static std::string cachedCode;
    static unsigned long cachedCodePage = 0;
    if (cachedCodePage != 0 && cLang == cachedCode) return cachedCodePage;
    const LCID locale = MAKELCID(Lang2LangId(cLang), SORT_DEFAULT);
    char buffer[10];
    const int n = GetLocaleInfoA(locale, LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer);
    unsigned long cp =
        n > 0 ? std::strtoul(std::string(buffer, static_cast<std::size_t>(n - 1)).c_str(), nullptr, 10) : 0;
    if (cp == 0) cp = GetACP();
    cachedCode = cLang;
    cachedCodePage = cp;
    return cp;
}

unsigned short Lang2LangId(const std::string& cLang)
{
    static std::string cachedCode;
    static unsigned short cachedId = 0;
    if (cachedId != 0 && cLang == cachedCode) return cachedId;
    const std::string lower = Lower(cLang);
    unsigned short primary = 0;
    for (const auto& row : kLanguages) {
        if (lower == row.code) {
            primary = row.primary;
            break;
        }
    }
    cachedCode = cLang;
    cachedId = MAKELANGID(primary, kSubLanguage);
    return cachedId;
}
