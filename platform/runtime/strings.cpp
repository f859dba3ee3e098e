#include "platform/runtime/strings.h"

#include <windows.h>

std::string LTrim(const std::string& text)
{
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string RTrim(const std::string& text)
{
    std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string AllTrim(const std::string& text)
{
    return LTrim(RTrim(text));
}

std::string Upper(const std::string& text)
{
    std::string result = text;
    if (!result.empty()) CharUpperBuffA(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

std::string Lower(const std::string& text)
{
    std::string result = text;
    if (!result.empty()) CharLowerBuffA(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

std::string PadR(const std::string& text, std::size_t length)
{
    if (text.size() >= length) return text.substr(0, length);
    return text + std::string(length - text.size(), ' ');
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    if (from.empty()) return text;
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

bool Empty(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

bool IsAlNum(char c)
{
    return IsCharAlphaNumericA(c);
}
