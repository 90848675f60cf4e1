// The data-line tokenizer and the number parser.
//
// Every line of the input is split into fields by the linear tokenizer and by
// a slow literal reference (every prefix tried from the longest down, one
// pass at a time); the fields must be the same. The number parser is checked
// against a grammar matcher written out separately and against the C
// library's conversion, the integer parser against a plain digit count.
#include <locale.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "io/LineTokenizer.h"
#include "io/NumberParse.h"
#include "support/LiteralTokenizer.h"

using namespace zyt;
using zyt::fuzz::check;

namespace {

// Lines longer than this get only the cheap checks: the reference costs
// about the cube of the length.
constexpr std::size_t kReferenceMax = 160;

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// blank* [+-]? digit* (point digit*)? ((E|e) [+-]? digit+)?, not empty after
// the sign: either mantissa text or an exponent.
bool matchesGrammar(std::string_view t, char point) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t mantStart = i;
    while (i < t.size() && digit(t[i])) ++i;
    if (i < t.size() && t[i] == point) {
        ++i;
        while (i < t.size() && digit(t[i])) ++i;
    }
    const bool mantissa = i > mantStart;
    bool exponent = false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        const std::size_t expStart = i;
        while (i < t.size() && digit(t[i])) ++i;
        if (i == expStart) return false;
        exponent = true;
    }
    return i == t.size() && (mantissa || exponent);
}

// The value of a text that matches the grammar: 0 (with its sign) without
// mantissa digits, otherwise the C library's correctly rounded conversion.
long double expectedValue(std::string_view t, char point) {
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    std::string clean;
    bool neg = false, mantDigits = false, inExp = false;
    for (char ch : t) {
        if (ch == ' ') continue;
        if (ch == 'e' || ch == 'E') inExp = true;
        if (!inExp && ch == '-') neg = true;
        if (!inExp && digit(ch)) mantDigits = true;
        clean.push_back(ch == point ? '.' : ch);
    }
    if (!mantDigits) return neg ? -0.0L : 0.0L;
    return strtold_l(clean.c_str(), nullptr, c);
}

bool sameValue(long double a, long double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

std::string show(std::string_view line) {
    std::string out = "\"";
    for (unsigned char ch : line) {
        if (ch >= 32 && ch < 127 && ch != '"') {
            out.push_back(char(ch));
        } else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02x", ch);
            out += b;
        }
    }
    return out + "\"";
}

void checkNumber(std::string_view t, char point) {
    const std::optional<Extended> v = parseNumber(t, point);
    const bool ok = !t.empty() && matchesGrammar(t, point);
    check(v.has_value() == ok, "parseNumber accepts", show(t));
    if (ok) check(sameValue(*v, expectedValue(t, point)), "parseNumber value", show(t));
}

void checkInteger(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    bool neg = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
    std::string digits(t.substr(i));
    bool ok = !digits.empty();
    for (char ch : digits) ok = ok && digit(ch);
    long long value = 0;
    if (ok) {
        const std::size_t nz = digits.find_first_not_of('0');
        const std::string sig = nz == std::string::npos ? "0" : digits.substr(nz);
        ok = sig.size() <= 10 && std::stoll(sig) <= 2147483647LL;
        if (ok) value = neg ? -std::stoll(sig) : std::stoll(sig);
    }
    const std::optional<long> v = parseInteger(t);
    check(v.has_value() == ok, "parseInteger accepts", show(t));
    if (ok) check(*v == value, "parseInteger value", show(t));
}

struct Field {
    bool absent;
    long double value;
    bool operator==(const Field& o) const {
        return absent == o.absent && (absent || sameValue(value, o.value));
    }
};

std::vector<Field> fast(std::string_view line, char point) {
    std::vector<Field> out;
    tokenizeLine(line, point, [&](const LineField& f) { out.push_back({f.absent, f.value}); });
    return out;
}

std::vector<Field> slow(std::string s, char point) {
    std::vector<Field> out;
    for (const LineField& f : test::literalTokenize(std::move(s), point))
        out.push_back({f.absent, f.value});
    return out;
}

void checkLine(std::string_view line, char point) {
    const std::vector<Field> got = fast(line, point);
    check(got.size() <= line.size(), "more fields than characters", show(line));
    if (line.size() > kReferenceMax) return;
    check(got == slow(std::string(line), point), "tokenizer fields differ from the reference",
          show(line));
    // The longest prefix is the longest one the grammar accepts.
    std::size_t longest = 0;
    for (std::size_t k = 1; k <= line.size(); ++k)
        if (matchesGrammar(line.substr(0, k), point)) longest = k;
    check(longestNumberPrefix(line.data(), line.size(), point) == longest, "longestNumberPrefix",
          show(line));
    checkNumber(line, point);
    checkInteger(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        checkLine(line, '.');
        checkLine(line, ',');
        start = end + 1;
    }
    return 0;
}
