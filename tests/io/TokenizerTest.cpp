#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "io/LineTokenizer.h"
#include "io/NumberParse.h"
#include "support/LiteralTokenizer.h"

namespace zyt {
namespace {

// "r" for an absent field, otherwise the value printed with %.10Lg.
std::string show(const LineField& f) {
    if (f.absent) return "r";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10Lg", f.value);
    return buf;
}

std::vector<std::string> fast(const std::string& line) {
    std::vector<std::string> out;
    tokenizeLine(line, '.', [&](const LineField& f) { out.push_back(show(f)); });
    return out;
}

std::vector<std::string> slow(const std::string& line) {
    std::vector<std::string> out;
    for (const LineField& f : test::literalTokenize(line, '.')) out.push_back(show(f));
    return out;
}

using Fields = std::vector<std::string>;

TEST(Tokenizer, FieldsOfTypicalAndAwkwardLines) {
    // clang-format off
    struct Case {
        const char* line;
        Fields fields;
    } cases[] = {
        {"5.5 1.2 r 1.3", {"5.5", "1.2", "r", "1.3"}},
        {"5.5 r1.3", {"5.5", "r", "1.3"}},
        {"1.234.5", {"1.234", "0.5"}},  // "1,234.5" after ',' became '.'
        {"12.5e 7", {"12.5"}},
        {"   7   8  ", {"7", "8"}},
        {"1e5 2E-2 3e+1", {"100000", "0.02", "30"}},
        {". -. e5", {"0", "-0", "0"}},
        {"1 - 2", {"1"}},          // a bare sign is no number and ends the line
        {"1 2x 3", {"1", "2"}},
        {"1 r", {"1", "r"}},
        {"1 r ", {"1", "r"}},
        {"1 rr 2", {"1", "r", "r", "2"}},
        {"1 r r 2", {"1", "r", "r", "2"}},
        {"1 r r", {"1", "r"}},     // the lone last "r" after an "r" is not counted
        {"1 rr", {"1", "r"}},
        {"1+2", {"1", "2"}},
        {"1e+", {"1"}},
        {"", {}},
        {"x 1", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(fast(c.line), c.fields) << '"' << c.line << '"';
        EXPECT_EQ(slow(c.line), c.fields) << '"' << c.line << '"';
    }
}

TEST(Tokenizer, AgreesWithTheLiteralRuleOnRandomLines) {
    const std::string alphabet = "   rr0123456789..+-eEx";
    std::mt19937 rng(12345);
    for (int n = 0; n < 20000; ++n) {
        std::string line;
        const int len = int(rng() % 18);
        for (int i = 0; i < len; ++i) line.push_back(alphabet[rng() % alphabet.size()]);
        ASSERT_EQ(fast(line), slow(line)) << '"' << line << '"';
    }
}

TEST(NumberParse, WholeCandidateMustMatchTheGrammar) {
    // clang-format off
    struct Case {
        const char* text;
        bool ok;
        long double value;
    } cases[] = {
        {"1.2", true, 1.2L},   {"  -3", true, -3},   {"+.5", true, 0.5L}, {".", true, 0},
        {"e5", true, 0},       {"1e3", true, 1000},  {"2.", true, 2},     {"1.5E-3", true, 0.0015L},
        {"", false, 0},        {" ", false, 0},      {"-", false, 0},     {"e", false, 0},
        {"1e", false, 0},      {"1 ", false, 0},     {"1.2.3", false, 0}, {"0x10", false, 0},
        {"12345678901234567890123", true, 12345678901234567890123.0L},
    };
    // clang-format on
    for (const Case& c : cases) {
        const auto v = parseNumber(c.text);
        EXPECT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
        if (v && c.ok) {
            EXPECT_EQ(*v, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(NumberParse, ConversionIsCorrectlyRounded) {
    // Compared with the C library's conversion of the same text.
    std::mt19937_64 rng(99);
    for (int i = 0; i < 5000; ++i) {
        char buf[64];
        const unsigned long long mant = rng() % 100000000000000ULL;
        const int exp = int(rng() % 40) - 20;
        std::snprintf(buf, sizeof buf, "%llue%d", mant, exp);
        ASSERT_EQ(*parseNumber(buf), std::strtold(buf, nullptr)) << buf;
        std::snprintf(buf, sizeof buf, "%llu.%llu", mant % 10000000, mant % 9999991);
        ASSERT_EQ(*parseNumber(buf), std::strtold(buf, nullptr)) << buf;
    }
    EXPECT_EQ(*parseNumber("2459000.12345"), 2459000.12345L);
}

TEST(NumberParse, Integers) {
    EXPECT_EQ(parseInteger(" 12"), 12);
    EXPECT_EQ(parseInteger("-3"), -3);
    EXPECT_FALSE(parseInteger("2.5"));
    EXPECT_FALSE(parseInteger(""));
    EXPECT_FALSE(parseInteger("99999999999"));
    EXPECT_EQ(probeDecimalSep(), '.');
}

}  // namespace
}  // namespace zyt
