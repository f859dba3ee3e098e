// Text helpers for ANSI texts (the Windows ANSI code page).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Trims remove blanks (spaces) only, as the program's texts expect.
std::string LTrim(const std::string& text);
std::string RTrim(const std::string& text);
std::string AllTrim(const std::string& text);

// Case conversion by the rules of the ANSI code page ("ä" becomes "Ä" in
// Windows-1252), as Windows converts file names.
std::string Upper(const std::string& text);
std::string Lower(const std::string& text);

// The text brought to exactly `length` characters: filled with blanks on the
// right, or cut to its first `length` characters when it is longer.
std::string PadR(const std::string& text, std::size_t length);

// The text with every occurrence of `from` replaced by `to`, left to right;
// a replacement is not searched again. An empty `from` changes nothing.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// The emptiness test of texts: no characters, or only blanks, tabs, CR and LF.
bool Empty(std::string_view text);

// The alphanumeric test of the ANSI code page: digits and letters, national
// letters such as "\xE4" (a-umlaut in Windows-1252) included.
bool IsAlNum(char c);
