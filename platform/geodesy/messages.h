// Texts of the library in German or English, and the message of the last
// failure that geterrorcode hands out.
#pragma once

#include <initializer_list>
#include <string>

namespace geodesy {

void SetGerman(bool german);
bool IsGerman();

// The text of the current language.
const char* Say(const char* english, const char* german);

// The pattern with %1 .. %9 replaced by the arguments in order.
std::string Format(const std::string& pattern, std::initializer_list<std::string> arguments);

// A number as a message shows it: up to 12 significant digits.
std::string Number(double value);

// Stores the message of a failure; returns false for the caller to pass on.
bool Fail(const std::string& message);
void ClearError();
const char* ErrorText();

// Shared checks: each fails with a message naming the argument.
bool CheckPointer(const void* pointer, const char* name);
bool CheckFinite(double value, const char* name);

}  // namespace geodesy
