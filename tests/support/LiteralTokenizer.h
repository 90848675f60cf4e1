#pragma once
// The data-line rule done literally, one pass at a time, trying every prefix
// from the longest down: the reference the fast tokenizer is checked against.
#include <string>
#include <vector>

#include "io/LineTokenizer.h"
#include "io/NumberParse.h"

namespace zyt::test {

inline std::vector<LineField> literalTokenize(std::string s, char point) {
    std::vector<LineField> out;
    long e = long(s.size());
    while (e > 0) {
        while (!s.empty() && s[0] == ' ') {
            s.erase(0, 1);
            --e;
        }
        if (e == 1 && !s.empty() && s[0] == 'r') {
            s.erase(0, 1);
            e = long(s.size());
            out.push_back({true, 0});
        }
        const std::string cand = e > 0 ? s.substr(0, std::size_t(e)) : std::string();
        const auto v = cand.empty() ? std::nullopt : parseNumber(cand, point);
        if (v) {
            out.push_back({false, *v});
            s.erase(0, std::size_t(e));
            e = long(s.size());
        } else {
            --e;
        }
    }
    return out;
}

}  // namespace zyt::test
