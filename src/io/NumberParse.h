#pragma once
// Reading numbers the way data files and dialog fields are read.
//
// Grammar of one number (the whole candidate text must match):
//   blank* [+-]? mantissa exponent?    with at least a mantissa or an exponent
//   mantissa = digit* (point digit*)?  and not empty
//   exponent = (E|e) [+-]? digit+
// So "." and "-." read as 0, "e5" reads as 0 (no mantissa digits), while "",
// blanks only, a bare sign and "e" are not numbers. `point` is the decimal
// character ('.' unless a caller says otherwise).
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/Extended.h"

namespace zyt {

// The whole of `text` as a number, or nothing.
std::optional<Extended> parseNumber(std::string_view text, char point = '.');

// Length of the longest prefix of text[0..limit) that is a whole number by
// the grammar above, 0 if there is none. Linear in the characters looked at.
std::size_t longestNumberPrefix(const char* text, std::size_t limit, char point = '.');

// Converts a prefix known to match the grammar (as found by
// longestNumberPrefix) to the correctly rounded Extended.
Extended convertNumber(const char* text, std::size_t len, char point = '.');

// An integer field: blank* [+-]? digit+ with nothing after it, in int range.
std::optional<long> parseInteger(std::string_view text);

// The decimal character the program works with: '.' when "1.2" reads whole.
char probeDecimalSep();

}  // namespace zyt
