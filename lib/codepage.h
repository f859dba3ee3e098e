// Conversion of 8-bit text between code pages by way of UTF-16, and the
// Windows language identifiers and ANSI code pages of two-letter language
// codes.
#pragma once

#include <cstddef>
#include <string>
#include <variant>

// A code page, named by number (0 the system ANSI code page, 1 the system OEM
// code page, 2 UTF-8, any other number that Windows code page when the system
// knows it, else the ANSI code page) or by a two-letter language code (its
// default ANSI code page, see Lang2CodePage).
using CodePageArg = std::variant<unsigned, std::string>;

// Converts cText from code page uFrom to code page uTo into cResult and its
// length in bytes nLength. Equal arguments give the text unchanged without a
// conversion. When a step fails, cResult receives cText and the result is
// FALSE; when a code page cannot be resolved the outputs stay untouched.
// cResult may be cText itself.
bool ConvMultiByte2MultiByte(const std::string& cText, const CodePageArg& uFrom, std::string& cResult,
                             std::size_t& nLength, const CodePageArg& uTo);

// 8-bit text of code page uCodePage to UTF-16: cWide receives the code units as
// little-endian bytes, nBytes their number.
bool ConvMultiByte2Unicode(const std::string& cText, const CodePageArg& uCodePage, std::string& cWide,
                           std::size_t& nBytes);

// UTF-16 text of nBytes bytes (0: the text ends with a zero code unit) to code
// page uCodePage. Characters the code page lacks become its default character.
bool ConvUnicode2MultiByte(const void* pWide, std::size_t nBytes, const CodePageArg& uCodePage, std::string& cResult,
                           std::size_t& nLength);

// The default ANSI code page of a language; the system ANSI code page when the
// language has none. The last code asked for is remembered.
unsigned long Lang2CodePage(const std::string& cLang);

// The Windows language identifier of a two-letter language code, whatever its
// case; 0x0400 for a code not in the table. The last code asked for is
// remembered.
unsigned short Lang2LangId(const std::string& cLang);
