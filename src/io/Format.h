#pragma once
// Every number format of the program's files and texts, each in one place.
// The decimal character of file formats is always '.'.
#include <string>

#include "core/Extended.h"

namespace zyt {

// F(w,d): fixed notation with d decimals (0..18), right-aligned in at least w
// characters; a wider number takes the room it needs.
std::string fmtF(Extended x, int w, int d);
void appendF(std::string& out, Extended x, int w, int d);

// I(w): integer right-aligned in w characters. I: as many as it needs.
std::string fmtI(long long v, int w = 0);

// E23: " d.ddddddddddddddE+dddd" (a blank or '-', one digit, 14 decimals,
// the exponent with its sign and four digits): 23 characters.
std::string fmtE23(Extended x);

// The general format of messages and dialog fields: up to `digits`
// significant digits, no trailing zeros, fixed notation for 1e-5 <= |x| with
// at most `digits` integer digits, otherwise "d.dddE-7" / "1E20".
std::string fmtGeneral(Extended x, int digits = 15, char point = '.');

// Fixed notation with `decimals` decimals after rounding to at most
// `precision` significant digits (digits beyond them shown as zeros);
// scientific when the integer part has more than `precision` digits.
std::string fmtFixedPrec(Extended x, int precision, int decimals, char point = '.');

// printf "%.21Lg": the 21-significant-digit form of the batch runner.
std::string fmtG21(Extended x);

}  // namespace zyt
