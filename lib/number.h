// Number texts of the fields and settings, and the integer part of a number.
#pragma once

#include <string>

// The decimal text of a number as the fields show it and the settings store
// it: "." as decimal separator (the runtime's separator is "." for the time of
// the call and restored afterwards), 14 significant places with at most 12
// decimals, always at least one decimal. lTrim removes trailing zeros of the
// decimals (5 gives "5.0"); lComma writes "," as separator. A text longer than
// nMaxLen is rounded to fewer decimals; when its integer part does not fit it
// becomes nMaxLen asterisks.
std::string NormNum(double nValue, int nMaxLen = 15, bool lTrim = false, bool lComma = false);
// The same for a number typed as text: its first "," counts as the decimal
// point and its leading number is read; a text that does not begin with a
// number counts as 0.
std::string NormNum(const std::string& cValue, int nMaxLen = 15, bool lTrim = false, bool lComma = false);

// The integer part, truncated toward zero (2.7 gives 2, -2.7 gives -2).
double Integ(double nValue);
