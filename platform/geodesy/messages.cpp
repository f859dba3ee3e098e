#include "platform/geodesy/messages.h"

#include <cmath>
#include <cstdio>

namespace geodesy {

namespace {

bool german = false;
std::string lastError;

}  // namespace

void SetGerman(bool on)
{
    german = on;
}

bool IsGerman()
{
    return german;
}

const char* Say(const char* english, const char* germanText)
{
    return german ? germanText : english;
}

std::string Format(const std::string& pattern, std::initializer_list<std::string> arguments)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const std::size_t index = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : 99;
        if (c == '%' && index < arguments.size()) {
            text += arguments.begin()[index];
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

std::string Number(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.12g", value);
    return buffer;
}

bool Fail(const std::string& message)
{
    lastError = message;
    return false;
}

void ClearError()
{
    lastError.clear();
}

const char* ErrorText()
{
    return lastError.c_str();
}

bool CheckPointer(const void* pointer, const char* name)
{
    if (pointer != nullptr) return true;
    return Fail(Format(Say("The argument %1 is a null pointer.", "Das Argument %1 ist ein Nullzeiger."), {name}));
}

bool CheckFinite(double value, const char* name)
{
    if (std::isfinite(value)) return true;
    return Fail(Format(Say("The value %1 (%2) is not a finite number.", "Der Wert %1 (%2) ist keine endliche Zahl."),
                       {name, Number(value)}));
}

}  // namespace geodesy
