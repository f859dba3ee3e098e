// String functions that work byte by byte on 8-bit ANSI text.
#pragma once

#include <string>
#include <vector>

// Character classes of FastAnsiSelect (low word): the characters that pass.
constexpr unsigned long FAS_NUL = 0x0001;          // 0
constexpr unsigned long FAS_CONTROL = 0x0002;      // 1 to 31
constexpr unsigned long FAS_BLANK = 0x0004;        // 32
constexpr unsigned long FAS_PUNCT = 0x0008;        // 33-47, 58-64, 91-96, 123-127
constexpr unsigned long FAS_DIGIT = 0x0010;        // 48-57
constexpr unsigned long FAS_UPPER = 0x0020;        // A-Z
constexpr unsigned long FAS_LOWER = 0x0040;        // a-z
constexpr unsigned long FAS_HIGH1 = 0x0080;        // 128-159
constexpr unsigned long FAS_HIGH2 = 0x0100;        // 160-191
constexpr unsigned long FAS_LATIN_UPPER = 0x0200;  // 192-222
constexpr unsigned long FAS_LATIN_LOWER = 0x0400;  // 223-255
// Only the letters Š Œ Ž š œ ž Ÿ and ¢ among the characters no class above
// lets pass; FAS_UNDERSCORE is then not tried.
constexpr unsigned long FAS_SPECIAL = 0x0800;
constexpr unsigned long FAS_UNDERSCORE = 0x1000;  // 95
// Conversions (high word).
constexpr unsigned long FAS_FROM_OEM = 0x00010000;       // first OEM to ANSI
constexpr unsigned long FAS_FROM_UTF8 = 0x00020000;      // first UTF-8 to ANSI (without FAS_FROM_OEM)
constexpr unsigned long FAS_TO_UPPER = 0x00040000;       // kept lower-case letters in upper case
constexpr unsigned long FAS_TO_LOWER = 0x00080000;       // kept upper-case letters in lower case
constexpr unsigned long FAS_TRANSLIT = 0x00100000;       // Latin-1 letters spelt in ASCII (Ä as Ae)
constexpr unsigned long FAS_DROP_BLANK = 0x00200000;     // a dropped character becomes a blank
constexpr unsigned long FAS_DROP_QUESTION = 0x00400000;  // ... or "?" (without FAS_DROP_BLANK)

// The text filtered by character classes and converted as the flags say. The
// case conversions work only together with a class of their letters, the
// transliteration only with FAS_LATIN_UPPER, FAS_LATIN_LOWER or FAS_SPECIAL.
// Flags 0 give the text unchanged.
std::string FastAnsiSelect(const std::string& cText, unsigned long nFlags);

// The tokens of a text: maximal runs of bytes that are not delimiters; runs
// of delimiters give no empty tokens. At most nMaxTokens tokens; tokens of any
// length come through whole.
std::vector<std::string> FastTokenWhiteArray(const std::string& cText, const std::string& cDelimiters,
                                             unsigned short nMaxTokens);
// The same tokens as numbers, a decimal comma read as a point.
std::vector<double> FastTokenWhiteNumbers(const std::string& cText, const std::string& cDelimiters,
                                          unsigned short nMaxTokens);

// Token nToken (from 1) of the text; empty when there are fewer, or for 0.
std::string FastTokenWhiteCount3(const std::string& cText, const std::string& cDelimiters, unsigned short nToken);

// The words of the text (at most 1000, split at blanks and line ends) joined by
// single blanks into lines of at most nWidth - 1 characters, one longer word
// alone on its line; lines joined by CR LF.
std::string FastMakeLines(const std::string& cText, unsigned short nWidth);
