#include "calc/parser.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "calc/formats.h"
#include "calc/pump.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace calc {

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsSign(char c)
{
    return c == '-' || c == '+';
}

// Length of an exponent ("E-3") at text[pos], 0 when there is none.
std::size_t ExponentLength(std::string_view text, std::size_t pos)
{
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) return 0;
    std::size_t i = pos + 1;
    if (i < text.size() && IsSign(text[i])) ++i;
    if (i >= text.size() || !IsDigit(text[i])) return 0;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i - pos;
}

// The first run of letters and digits; the text after it stays in `rest`.
bool CutPointNumber(std::string_view line, std::string& number, std::string_view& rest)
{
    std::size_t i = 0;
    while (i < line.size() && !IsCharAlphaNumericA(line[i])) ++i;
    if (i == line.size()) return false;
    std::size_t end = i;
    while (end < line.size() && IsCharAlphaNumericA(line[end])) ++end;
    number.assign(line.substr(i, end - i));
    rest = line.substr(end);
    return true;
}

double* BufferOfFormat(int format, const ParseTarget& target)
{
    switch (ClassOfFormat(format)) {
    case FormatClass::Cartesian: return target.cartesian;
    case FormatClass::Geographic: return target.geographic;
    default: return target.inputValues;
    }
}

}  // namespace

std::vector<double> Tokenise(std::string_view text, std::size_t limit)
{
    std::vector<double> values;
    std::size_t i = 0;
    while (i < text.size() && values.size() < limit) {
        if (!IsDigit(text[i]) && !IsSign(text[i])) {
            ++i;
            continue;
        }
        std::size_t start = i;
        bool digits = IsDigit(text[i]);
        ++i;
        for (; i < text.size() && (IsDigit(text[i]) || text[i] == '.'); ++i)
            if (IsDigit(text[i])) digits = true;
        if (!digits) continue;  // a lone sign (or sign and points)
        i += ExponentLength(text, i);
        std::string number(text.substr(start, i - start));
        values.push_back(Val(number));
        if (i < text.size() && !IsSign(text[i])) ++i;  // the character that ended the number is used up
    }
    return values;
}

ParseResult ParsePointList(const std::vector<std::string_view>& lines, int format, bool decimalComma,
                           const ParseTarget& target, std::vector<std::string>& numbers)
{
    const Format& layout = FormatOf(format);
    double* buffer = BufferOfFormat(format, target);
    numbers.clear();
    std::uint32_t count = 0;
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        VoEventLoop();
        std::string_view line = lines[i];
        if (Empty(line)) continue;
        std::string number;
        std::string_view rest = line;
        bool hasNumber = layout.numbered && CutPointNumber(line, number, rest);
        text.assign(rest);
        if (decimalComma)
            for (char& c : text)
                if (c == ',') c = '.';
        const std::size_t taken = layout.withHeight ? 3 : 2;
        std::vector<double> values = Tokenise(text, taken + 1);
        if (values.empty()) continue;
        const std::uint32_t lineNumber = static_cast<std::uint32_t>(i + 1);
        if (count == target.capacity) {
            numbers.clear();
            return {ParseStatus::TooManyPoints, 0, lineNumber};
        }
        ++count;
        LineFault fault = values.size() < taken   ? LineFault::Layout
                          : values.size() > taken ? LineFault::ExtraNumbers
                                                  : LineFault::None;
        if (fault == LineFault::None &&
            std::any_of(values.begin(), values.end(), [](double v) { return !(std::fabs(v) <= kMaxValue); }))
            fault = LineFault::OutOfRange;
        if (fault != LineFault::None) {
            numbers.clear();
            return {ParseStatus::BadLine, 0, lineNumber, fault};
        }
        numbers.push_back(hasNumber ? number : std::to_string(count));
        double* triple = buffer + 3 * (count - 1);
        triple[0] = layout.latitudeFirst ? values[1] : values[0];
        triple[1] = layout.latitudeFirst ? values[0] : values[1];
        triple[2] = layout.withHeight ? values[2] : 0.0;
    }
    return {ParseStatus::Ok, count, 0};
}

}  // namespace calc
