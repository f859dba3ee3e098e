#include "calc/parser.h"

#include <algorithm>
#include <cmath>

#include "calc/formats.h"
#include "calc/pump.h"
#include "platform/runtime/numtext.h"

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

constexpr std::string_view kDigits = "0123456789";

bool IsSign(char c)
{
    return c == '-' || c == '+';
}

// What separates numbers, and the point number from them. A comma does so
// only where it is no decimal comma.
bool IsSeparator(char c, bool commaSeparates = true)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == ';' ||
           (c == ',' && commaSeparates);
}

// The line's first word; the text after it stays in `rest`.
bool CutPointNumber(std::string_view line, bool decimalComma, std::string& number, std::string_view& rest)
{
    std::size_t i = 0;
    while (i < line.size() && IsSeparator(line[i], !decimalComma)) ++i;
    if (i == line.size()) return false;
    std::size_t end = i;
    while (end < line.size() && !IsSeparator(line[end], !decimalComma)) ++end;
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

Tokens Tokenise(std::string_view text, std::size_t limit)
{
    Tokens tokens;
    std::size_t i = 0;
    while (i < text.size() && tokens.values.size() < limit) {
        if (IsSeparator(text[i])) {
            ++i;
            continue;
        }
        double value = 0.0;
        const std::size_t length = ScanNumber(text, i, value);
        i += length;
        if (length == 0 || (i < text.size() && !IsSeparator(text[i]) && !IsSign(text[i]))) {
            tokens.malformed = true;
            return tokens;
        }
        tokens.values.push_back(value);
    }
    return tokens;
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
        // Only a line without any digit holds no point; once it has one, what
        // stands after the point number must be the format's numbers.
        if (line.find_first_of(kDigits) == std::string_view::npos) continue;
        std::string number;
        std::string_view rest = line;
        bool hasNumber = layout.numbered && CutPointNumber(line, decimalComma, number, rest);
        text.assign(rest);
        if (decimalComma)
            for (char& c : text)
                if (c == ',') c = '.';
        const std::size_t taken = layout.withHeight ? 3 : 2;
        const Tokens tokens = Tokenise(text, taken + 1);
        const std::vector<double>& values = tokens.values;
        const std::uint32_t lineNumber = static_cast<std::uint32_t>(i + 1);
        if (count == target.capacity) {
            numbers.clear();
            return {ParseStatus::TooManyPoints, 0, lineNumber};
        }
        ++count;
        LineFault fault = tokens.malformed        ? LineFault::Malformed
                          : values.size() < taken ? LineFault::Layout
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
