#include "lib/faststring.h"

#include <cstring>

#include "lib/codepage.h"
#include "platform/runtime/numtext.h"

namespace {

// Two-character cells per code from 192 (upper) and 224 (lower); a blank as
// second character means a one-letter replacement.
constexpr const char* kLatinUpper = "A A A A AeA AeC E E E E I I I I DhN O O O O Oe\xD7 OeU U U UeY Thss";
constexpr const char* kLatinLower = "a a a a aea aec e e e e i i i i dhn o o o o oe\xF7 oeu u u uey thy ";
constexpr const char* kSpecials = "\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xA2";
constexpr const char* kSpecialsPlain = "SCZsozyc";

struct Switches {
    unsigned long classes = 0;
    bool fromOem = false;
    bool fromUtf8 = false;
    bool toUpper = false;
    bool toLower = false;
    bool translit = false;
    char dropped = 0;  // written for a dropped character; 0 for nothing
};

Switches Decode(unsigned long nFlags)
{
    Switches s;
    s.classes = nFlags & 0xFFFF;
    s.fromOem = nFlags & FAS_FROM_OEM;
    s.fromUtf8 = !s.fromOem && (nFlags & FAS_FROM_UTF8);
    s.toUpper = (nFlags & FAS_TO_UPPER) && (s.classes & (FAS_LOWER | FAS_LATIN_LOWER));
    s.toLower = (nFlags & FAS_TO_LOWER) && (s.classes & (FAS_UPPER | FAS_LATIN_UPPER));
    s.translit = (nFlags & FAS_TRANSLIT) && (s.classes & (FAS_LATIN_UPPER | FAS_LATIN_LOWER | FAS_SPECIAL));
    if (nFlags & FAS_DROP_BLANK)
        s.dropped = ' ';
    else if (nFlags & FAS_DROP_QUESTION)
        s.dropped = '?';
    return s;
}

// The switches of the flags, decoded anew only when the flags change.
const Switches& SwitchesOf(unsigned long nFlags)
{
    static unsigned long lastFlags = 0;
    static Switches last;
    if (nFlags != lastFlags) {
        last = Decode(nFlags);
        lastFlags = nFlags;
    }
    return last;
}

bool IsSpecial(unsigned char c)
{
    return c != 0 && std::strchr(kSpecials, c) != nullptr;
}

// Whether the classes let c pass.
bool Passes(unsigned char c, unsigned long classes)
{
    struct Range {
        unsigned long flag;
        unsigned char from, to;
    };
    static constexpr Range kRanges[] = {
        {FAS_NUL, 0, 0},
        {FAS_CONTROL, 1, 31},
        {FAS_BLANK, 32, 32},
        {FAS_PUNCT, 33, 47},
        {FAS_PUNCT, 58, 64},
        {FAS_PUNCT, 91, 96},
        {FAS_PUNCT, 123, 127},
        {FAS_DIGIT, 48, 57},
        {FAS_UPPER, 65, 90},
        {FAS_LOWER, 97, 122},
        {FAS_HIGH1, 128, 159},
        {FAS_HIGH2, 160, 191},
        {FAS_LATIN_UPPER, 192, 222},
        {FAS_LATIN_LOWER, 223, 255},
    };
    for (const auto& r : kRanges) {
        if ((classes & r.flag) && c >= r.from && c <= r.to) return true;
    }
    if (classes & FAS_SPECIAL) return IsSpecial(c);
    return (classes & FAS_UNDERSCORE) && c == '_';
}

unsigned char ConvertCase(unsigned char c, const Switches& s)
{
    const bool lower = (c >= 97 && c <= 122) || (c >= 224 && c <= 254);
    const bool upper = (c >= 65 && c <= 90) || (c >= 192 && c <= 222);
    if (s.toUpper && lower) return c - 32;
    if (s.toLower && upper) return c + 32;
    return c;
}

void WriteTransliterated(unsigned char c, bool upperCase, std::string& out)
{
    if (c >= 192) {
        const char* cell = (c < 224 ? kLatinUpper + 2 * (c - 192) : kLatinLower + 2 * (c - 224));
        char first = cell[0];
        if (upperCase && c == 223) first = 'S';
        out += first;
        if (cell[1] != ' ')
            out += upperCase && cell[1] >= 'a' && cell[1] <= 'z' ? static_cast<char>(cell[1] - 32) : cell[1];
    } else if (IsSpecial(c)) {
        out += kSpecialsPlain[std::strchr(kSpecials, c) - kSpecials];
    } else {
        out += static_cast<char>(c);
    }
}

void ForEachToken(const std::string& cText, const std::string& cDelimiters, auto&& onToken)
{
    std::size_t pos = cText.find_first_not_of(cDelimiters);
    while (pos != std::string::npos) {
        const std::size_t end = cText.find_first_of(cDelimiters, pos);
        if (!onToken(cText.substr(pos, end == std::string::npos ? std::string::npos : end - pos))) return;
        pos = end == std::string::npos ? end : cText.find_first_not_of(cDelimiters, end);
    }
}

}  // namespace

std::string FastAnsiSelect(const std::string& cText, unsigned long nFlags)
{
    if (cText.empty() || nFlags == 0) return cText;
    const Switches& s = SwitchesOf(nFlags);
    std::string text = cText;
    std::size_t length = 0;
    if (s.fromOem)
        ConvMultiByte2MultiByte(cText, 1u, text, length, 0u);
    else if (s.fromUtf8)
        ConvMultiByte2MultiByte(cText, 2u, text, length, 0u);
    std::string out;
    out.reserve(2 * text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (Passes(c, s.classes)) {
            const unsigned char written = ConvertCase(c, s);
            if (s.translit)
                WriteTransliterated(written, s.toUpper, out);
            else
                out += static_cast<char>(written);
        } else if (s.dropped) {
            out += s.dropped;
        }
    }
    return out;
}

std::vector<std::string> FastTokenWhiteArray(const std::string& cText, const std::string& cDelimiters,
                                             unsigned short nMaxTokens)
{
    std::vector<std::string> tokens;
    if (nMaxTokens == 0) return tokens;
    ForEachToken(cText, cDelimiters, [&](std::string token) {
        tokens.push_back(std::move(token));
        return tokens.size() < nMaxTokens;
    });
    return tokens;
}

std::vector<double> FastTokenWhiteNumbers(const std::string& cText, const std::string& cDelimiters,
                                          unsigned short nMaxTokens)
{
    std::vector<double> numbers;
    for (auto token : FastTokenWhiteArray(cText, cDelimiters, nMaxTokens)) {
        if (const auto comma = token.find(','); comma != std::string::npos) token[comma] = '.';
        numbers.push_back(Val(token));
    }
    return numbers;
}

std::string FastTokenWhiteCount3(const std::string& cText, const std::string& cDelimiters, unsigned short nToken)
{
    std::string wanted;
    unsigned short count = 0;
    if (nToken == 0) return wanted;
    ForEachToken(cText, cDelimiters, [&](std::string token) {
        if (++count < nToken) return true;
        wanted = std::move(token);
        return false;
    });
    return wanted;
}

std::string FastMakeLines(const std::string& cText, unsigned short nWidth)
{
    std::string result;
    std::string line;  // its words, each followed by a blank
    for (const auto& word : FastTokenWhiteArray(cText, " \r\n", 1000)) {
        if (!line.empty() && line.size() + 1 + word.size() > nWidth) {
            line.pop_back();
            result += line + "\r\n";
            line.clear();
        }
        line += word + " ";
    }
    if (!line.empty()) {
        line.pop_back();
        result += line;
    }
    return result;
}
