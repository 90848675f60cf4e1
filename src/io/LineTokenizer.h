#pragma once
// The fields of one data line.
//
// A field is the longest prefix of the remaining text that reads as a number
// (leading blanks skipped); a lone "r" where no number starts marks an absent
// value and skips its column. The rule is that of trying every prefix from
// the longest down, with its exact consequences:
//  - "r1.3" is an absent field followed by 1.3;
//  - "1,234.5" (after ',' became '.') reads as 1.234 and then .5;
//  - "12.5e" gives 12.5, then the 'e' ends the line;
//  - after an "r", a remainder of blanks and a single "r" is not counted.
// The line must already have its '.'/',' turned into the decimal character
// (and TABs into blanks where the reader wants that). Linear in the length.
#include <cstddef>
#include <string_view>

#include "core/Extended.h"
#include "io/NumberParse.h"

namespace zyt {

struct LineField {
    bool absent = false;  // an "r" field
    Extended value = 0;
};

template <class OnField>
void tokenizeLine(std::string_view line, char point, OnField&& onField) {
    const char* s = line.data();
    const std::size_t len = line.size();
    std::size_t p = 0;       // s[p..len) is the remaining text
    long e = long(len);      // length of the prefix to try next
    bool sameRPass = false;  // a field "r" was just dropped in this pass
    while (e > 0) {
        if (!sameRPass) {
            // a. Leading blanks: each one shortens the text and the prefix.
            while (p < len && s[p] == ' ') {
                ++p;
                --e;
            }
            // b. A lone "r" where no longer prefix read as a number.
            if (e == 1 && p < len && s[p] == 'r') {
                ++p;
                e = long(len - p);
                onField(LineField{true, 0});
                sameRPass = true;
            }
        }
        // c. The longest prefix of at most e characters that is a number.
        const std::size_t cap = e > 0 ? std::size_t(e) : 0;
        const std::size_t L = longestNumberPrefix(s + p, cap, point);
        if (L > 0) {
            onField(LineField{false, convertNumber(s + p, L, point)});
            p += L;
            e = long(len - p);
            sameRPass = false;
            continue;
        }
        // Every prefix failed. The shortening passes do nothing but for the
        // blank strip (only possible right after an "r") and the "r" test at
        // e == 1, so jump to where one of them acts.
        const bool startsBlank = p < len && s[p] == ' ';
        if (sameRPass) {
            sameRPass = false;
            --e;                        // the failed try of this pass
            if (startsBlank) continue;  // the next pass strips the blanks
        }
        if (e <= 0) break;
        if (s[p] == 'r') {
            e = 1;  // the next pass finds the lone "r"
        } else {
            break;
        }
    }
}

}  // namespace zyt
