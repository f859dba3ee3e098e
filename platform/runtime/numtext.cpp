#include "platform/runtime/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

char gDecimalSep = '.';

// |x| rounded to `decimals` decimals as a digit string of the scaled integer
// (round(|x| * 10^decimals)), without leading zeros ("0" for zero).
std::string ScaledDigits(double magnitude, int decimals)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    std::string text(buf, res.ptr);
    // text is "d.ddde+XX" or "de+XX": the shortest digits that read back exactly.
    std::size_t e = text.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    int exponent = std::atoi(text.c_str() + e + 1);
    // The value is 0.digits * 10^(exponent + 1); keep `kept` digits.
    long kept = static_cast<long>(exponent) + 1 + decimals;
    if (kept < 0) return "0";
    bool roundUp = static_cast<std::size_t>(kept) < digits.size() && digits[kept] >= '5';
    if (static_cast<std::size_t>(kept) <= digits.size())
        digits.resize(kept);
    else
        digits.append(kept - digits.size(), '0');
    if (roundUp) {
        long i = static_cast<long>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i];
    }
    std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// x rounded to `decimals` decimals, with sign, without padding.
std::string FixedText(double x, int decimals)
{
    std::string digits = ScaledDigits(std::fabs(x), decimals);
    bool negative = std::signbit(x) && digits != "0";
    if (static_cast<int>(digits.size()) <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
    std::string text = negative ? "-" : "";
    text += digits.substr(0, digits.size() - decimals);
    if (decimals > 0) {
        text += gDecimalSep;
        text += digits.substr(digits.size() - decimals);
    }
    return text;
}

}  // namespace

void SetDecimalSep(char separator)
{
    gDecimalSep = separator;
}
char GetDecimalSep()
{
    return gDecimalSep;
}

std::string Str(double x, int width, int decimals)
{
    if (width < 0) width = 0;
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(x)) return std::string(width, '*');
    std::string text = FixedText(x, decimals);
    if (static_cast<int>(text.size()) > width) return std::string(width, '*');
    return std::string(width - text.size(), ' ') + text;
}

double Round(double x, int decimals)
{
    if (!std::isfinite(x)) return x;
    if (decimals < 0) decimals = 0;
    const std::string digits = ScaledDigits(std::fabs(x), decimals);
    if (digits == "0") return 0.0;
    const std::string text = digits + "e-" + std::to_string(decimals);
    double magnitude = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
    return std::signbit(x) ? -magnitude : magnitude;
}

std::string Str(double x)
{
    if (!std::isfinite(x)) return "*";
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    std::string text(buf, res.ptr);
    if (text == "-0") text = "0";
    if (gDecimalSep != '.')
        if (auto p = text.find('.'); p != std::string::npos) text[p] = gDecimalSep;
    return text;
}

std::string StrZero(double x, int width, int decimals)
{
    std::string text = Str(x, width, decimals);
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos || text[first] == '*') return text;
    bool negative = text[first] == '-';
    std::string zeros(first, '0');
    return negative ? "-" + zeros + text.substr(first + 1) : zeros + text.substr(first);
}

std::size_t ScanNumber(std::string_view text, std::size_t pos, double& value)
{
    std::size_t i = pos;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    auto isDigit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    std::string number;
    bool anyDigit = false, point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(i)) {
            anyDigit = true;
            number += text[i];
        } else if (text[i] == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!anyDigit) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (isDigit(k)) {
            number += 'e';
            number.append(text, i + 1, k - i - 1);
            while (isDigit(k)) number += text[k++];
            i = k;
        }
    }
    value = 0.0;
    auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) value = std::strtod(number.c_str(), nullptr);
    if (negative) value = -value;
    return i - pos;
}

double Val(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    double value = 0.0;
    if (first == std::string::npos || ScanNumber(text, first, value) == 0) return 0.0;
    return value;
}

bool IsWholeNumber(std::string_view text, double& value)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    const std::size_t length = ScanNumber(text, first, value);
    return length > 0 && text.find_first_not_of(" \t", first + length) == std::string_view::npos;
}

std::int32_t Long(double x)
{
    if (std::isnan(x)) return 0;
    // Halves away from zero, computed exactly: x - trunc(x) has no rounding
    // error, whereas the round() of the 64-bit MinGW-w64 runtime takes
    // 0.49999999999999994 to 1.
    double r = std::trunc(x);
    if (std::fabs(x - r) >= 0.5) r += std::copysign(1.0, x);
    if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

double Mod(double a, double b)
{
    if (b == 0.0) return a;
    double r = std::fmod(a, b);
    return r != 0.0 && (r < 0.0) != (b < 0.0) ? r + b : r;
}

namespace {

template <typename T>
T FromBytes(std::string_view bytes)
{
    unsigned char raw[sizeof(T)] = {};
    if (!bytes.empty()) std::memcpy(raw, bytes.data(), bytes.size() < sizeof raw ? bytes.size() : sizeof raw);
    T value;
    std::memcpy(&value, raw, sizeof value);
    return value;
}

}  // namespace

std::int32_t Bin2L(std::string_view bytes)
{
    return FromBytes<std::int32_t>(bytes);
}

double Bin2Real8(std::string_view bytes)
{
    return FromBytes<double>(bytes);
}
