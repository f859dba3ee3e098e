// Number texts and the float-to-integer conversion shared by the whole program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The decimal separator that Str and StrZero write. The program sets "." at
// start-up; a caller that changes it restores it afterwards. Val always
// reads "." only.
void SetDecimalSep(char separator);
char GetDecimalSep();

// x right-aligned in a field of `width` characters, rounded to `decimals`
// decimals (halves away from zero, taken on the shortest decimal text that
// reads back as x, so 2.675 gives 2.68). A result that rounds to zero has no
// minus sign. A number that does not fit, and an infinite or NaN value,
// gives `width` asterisks. Negative decimals count as 0.
std::string Str(double x, int width, int decimals);

// x rounded to `decimals` decimals by the rule of Str (halves away from
// zero, taken on the shortest decimal text that reads back as x, so 2.675
// gives 2.68 and -2.5 gives -3), as the double nearest to that decimal. A
// result of zero has no minus sign; infinite and NaN values come back as
// they are. Negative decimals count as 0.
double Round(double x, int decimals);

// x without a fixed width: the shortest plain decimal text that reads back
// as x ("12", "0.5", "-3.25"), never with an exponent.
std::string Str(double x);

// As Str(x, width, decimals), but padded with leading zeros; a minus sign
// comes first ("-0012.50"). A number that does not fit gives asterisks.
std::string StrZero(double x, int width, int decimals);

// The leading number of a text: leading blanks and tabs, an optional sign,
// digits with at most one ".", and an optional exponent (e or E with at least
// one digit). Reading stops at the first character that does not belong to
// the number ("12.5abc" gives 12.5, "1,5" gives 1); a text that does not
// begin with a number gives 0.
double Val(const std::string& text);

// The number in Val's syntax that begins at text[pos] (no blanks before it):
// its length, 0 when no number begins there; value receives it.
std::size_t ScanNumber(std::string_view text, std::size_t pos, double& value);

// TRUE when the text, without leading and trailing blanks and tabs, is one
// number in Val's syntax and nothing else ("12.5" but not "12.5m", "1.2.3",
// "1e" or "12 3"); value receives it.
bool IsWholeNumber(std::string_view text, double& value);

// The float-to-integer conversion of every world-to-device step and of every
// float stored into an integer: rounds to the nearest integer, halves away
// from zero (2.5 gives 3, -2.5 gives -3). Values beyond the 32-bit range are
// clamped to its ends; NaN gives 0.
std::int32_t Long(double x);

// The remainder of a / b with the sign of the divisor (-1 mod 360 is 359);
// b = 0 gives a.
double Mod(double a, double b);

// The plain little-endian reading of the first four bytes as a signed
// integer and of the first eight bytes as a double; missing bytes count as 0.
std::int32_t Bin2L(std::string_view bytes);
double Bin2Real8(std::string_view bytes);
