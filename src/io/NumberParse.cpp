#include "io/NumberParse.h"

#include <locale.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace zyt {
namespace {

enum S : uint8_t { Start, Sign, Int, PointS, Frac, ExpE, ExpSign, ExpDig, Dead };

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline S step(S s, char c, char point) {
    const bool dig = isDigit(c);
    const bool sign = c == '+' || c == '-';
    const bool e = c == 'e' || c == 'E';
    switch (s) {
        case Start:
            if (c == ' ') return Start;
            if (sign) return Sign;
            [[fallthrough]];
        case Sign:
        case Int:
            if (dig) return Int;
            if (c == point) return PointS;
            if (e) return ExpE;
            return Dead;
        case PointS:
        case Frac:
            if (dig) return Frac;
            if (e) return ExpE;
            return Dead;
        case ExpE:
            if (sign) return ExpSign;
            [[fallthrough]];
        case ExpSign:
        case ExpDig:
            return dig ? ExpDig : Dead;
        default:
            return Dead;
    }
}

inline bool accepting(S s) {
    return s == Int || s == PointS || s == Frac || s == ExpDig;
}

// Exact powers of ten in Extended: 10^k for k <= 27 has at most 64
// significant bits (5^27 < 2^64), so one multiplication or division by it
// of an exact mantissa is correctly rounded.
const Extended kPow10[28] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
                             1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
                             1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

}  // namespace

std::size_t longestNumberPrefix(const char* text, std::size_t limit, char point) {
    S s = Start;
    std::size_t best = 0;
    for (std::size_t i = 0; i < limit; ++i) {
        s = step(s, text[i], point);
        if (s == Dead) break;
        if (accepting(s)) best = i + 1;
    }
    return best;
}

Extended convertNumber(const char* text, std::size_t len, char point) {
    std::size_t i = 0;
    while (i < len && text[i] == ' ') ++i;
    bool neg = false;
    if (i < len && (text[i] == '+' || text[i] == '-')) neg = text[i++] == '-';

    uint64_t mant = 0;
    int sig = 0;      // significant digits taken into mant
    int dropped = 0;  // nonzero digits that did not fit
    int exp10 = 0;    // decimal exponent applied to mant
    bool anyMant = false;
    for (; i < len && isDigit(text[i]); ++i) {
        anyMant = true;
        if (sig < 19) {
            mant = mant * 10 + uint64_t(text[i] - '0');
            if (mant) ++sig;
        } else {
            ++exp10;
            if (text[i] != '0') ++dropped;
        }
    }
    if (i < len && text[i] == point) {
        ++i;
        for (; i < len && isDigit(text[i]); ++i) {
            anyMant = true;
            if (sig < 19) {
                mant = mant * 10 + uint64_t(text[i] - '0');
                if (mant) ++sig;
                --exp10;
            } else if (text[i] != '0') {
                ++dropped;
            }
        }
    }
    long expPart = 0;
    if (i < len && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool eneg = false;
        if (i < len && (text[i] == '+' || text[i] == '-')) eneg = text[i++] == '-';
        for (; i < len && isDigit(text[i]); ++i) {
            if (expPart < 100000) expPart = expPart * 10 + (text[i] - '0');
        }
        if (eneg) expPart = -expPart;
    }
    if (!anyMant || mant == 0) return neg ? -0.0L : 0.0L;

    const long e = long(exp10) + expPart;
    if (dropped == 0 && e >= -27 && e <= 27) {
        Extended v = Extended(mant);
        v = e >= 0 ? v * kPow10[e] : v / kPow10[-e];
        return neg ? -v : v;
    }
    // Rare: long mantissas or large exponents. Let the C library round it.
    std::string clean;
    clean.reserve(len + 1);
    for (std::size_t k = 0; k < len; ++k) {
        const char c = text[k];
        if (c == ' ') continue;
        clean.push_back(c == point ? '.' : c);
    }
    if (clean.empty() || clean[0] == 'e' || clean[0] == 'E' ||
        ((clean[0] == '+' || clean[0] == '-') && clean.size() > 1 &&
         (clean[1] == 'e' || clean[1] == 'E')))
        return neg ? -0.0L : 0.0L;
    return strtold_l(clean.c_str(), nullptr, cLocale());
}

std::optional<Extended> parseNumber(std::string_view text, char point) {
    if (text.empty()) return std::nullopt;
    if (longestNumberPrefix(text.data(), text.size(), point) != text.size()) return std::nullopt;
    return convertNumber(text.data(), text.size(), point);
}

std::optional<long> parseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool neg = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) neg = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    long v = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > 2147483647L) return std::nullopt;
    }
    return neg ? -v : v;
}

char probeDecimalSep() {
    return parseNumber("1.2").has_value() ? '.' : ',';
}

}  // namespace zyt
