#include "lib/number.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace {

constexpr int kField = 15;

// Makes "." the runtime's decimal separator for its lifetime.
class PointSeparator {
public:
    PointSeparator() : previous_(GetDecimalSep())
    {
        if (previous_ != '.') SetDecimalSep('.');
    }
    ~PointSeparator()
    {
        if (previous_ != '.') SetDecimalSep(previous_);
    }
    PointSeparator(const PointSeparator&) = delete;
    PointSeparator& operator=(const PointSeparator&) = delete;

private:
    char previous_;
};

std::string Formatted(double nValue, int nMaxLen, bool lTrim)
{
    if (std::isnan(nValue) || std::isinf(nValue)) return std::string(static_cast<std::size_t>(nMaxLen), '*');
    const int integerWidth = static_cast<int>(AllTrim(Str(nValue, kField, 0)).size());
    const int decimals = std::max(0, std::min(12, 14 - integerWidth));
    std::string text = AllTrim(Str(nValue, kField, decimals));
    if (text.find('*') != std::string::npos) return std::string(static_cast<std::size_t>(nMaxLen), '*');
    if (lTrim && text.find('.') != std::string::npos && text.back() == '0') text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text += '0';
    else if (text.find('.') == std::string::npos)
        text += ".0";
    if (static_cast<int>(text.size()) <= nMaxLen) return text;
    if (text.ends_with(".0")) {
        text.resize(text.size() - 2);
        return static_cast<int>(text.size()) <= nMaxLen ? text : std::string(static_cast<std::size_t>(nMaxLen), '*');
    }
    const int point = static_cast<int>(text.find('.')) + 1;
    if (nMaxLen < point - 1) return std::string(static_cast<std::size_t>(nMaxLen), '*');
    return Str(Val(text), nMaxLen, nMaxLen - point);
}

}  // namespace

std::string NormNum(double nValue, int nMaxLen, bool lTrim, bool lComma)
{
    const PointSeparator point;
    std::string text = Formatted(nValue, std::max(nMaxLen, 0), lTrim);
    if (const auto dot = text.find('.'); lComma && dot != std::string::npos) text[dot] = ',';
    return text;
}

std::string NormNum(const std::string& cValue, int nMaxLen, bool lTrim, bool lComma)
{
    std::string text = cValue;
    if (const auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
    return NormNum(Val(text), nMaxLen, lTrim, lComma);
}

double Integ(double nValue)
{
    return nValue >= 0.0 ? std::floor(nValue) : std::ceil(nValue);
}
