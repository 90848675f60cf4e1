#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "io/Format.h"

namespace zyt {
namespace {

TEST(Format, FixedIntegerAndE23) {
    // clang-format off
    struct Case {
        std::string got, want;
    } cases[] = {
        {fmtF(5.5L, 11, 5), "    5.50000"},
        {fmtF(-1.23456L, 7, 4), "-1.2346"},
        {fmtF(12345.678L, 7, 4), "12345.6780"},  // a wider number takes the room
        {fmtF(-0.00001L, 7, 4), "-0.0000"},
        {fmtF(0, 8, 5), " 0.00000"},
        {fmtF(2459000.123456L, 11, 5), "2459000.12346"},
        {fmtF(2.5L, 1, 0), "2"},
        {fmtF(1e20L, 3, 1), "100000000000000000000.0"},
        {fmtF(INFINITY, 7, 4), "   +Inf"},
        {fmtI(5, 4), "   5"},
        {fmtI(-12), "-12"},
        {fmtE23(1), " 1.00000000000000E+0000"},
        {fmtE23(-12.5L), "-1.25000000000000E+0001"},
        {fmtE23(0), " 0.00000000000000E+0000"},
        {fmtE23(6.283185307179586477L), " 6.28318530717959E+0000"},
        {fmtE23(1.5e-300L), " 1.50000000000000E-0300"},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
    EXPECT_EQ(fmtE23(123.0L).size(), 23u);
}

TEST(Format, FastFixedPathAgreesWithPrintf) {
    std::mt19937_64 rng(5);
    for (int i = 0; i < 100000; ++i) {
        const long double x = (long double)(int64_t(rng() % 2000000000) - 1000000000) / 1e4L;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%7.4Lf", x);
        ASSERT_EQ(fmtF(x, 7, 4), buf);
        std::snprintf(buf, sizeof buf, "%11.5Lf", x * 1.37L);
        ASSERT_EQ(fmtF(x * 1.37L, 11, 5), buf);
    }
}

TEST(Format, GeneralAndFixedWithPrecision) {
    // clang-format off
    struct Case {
        std::string got, want;
    } cases[] = {
        {fmtGeneral(0.5L), "0.5"},
        {fmtGeneral(100), "100"},
        {fmtGeneral(-2459000.125L), "-2459000.125"},
        {fmtGeneral(1.0L / 3), "0.333333333333333"},
        {fmtGeneral(123456789012345.0L), "123456789012345"},
        {fmtGeneral(1e15L), "1E15"},
        {fmtGeneral(0.00001L), "0.00001"},
        {fmtGeneral(1.5e-7L), "1.5E-7"},
        {fmtGeneral(0), "0"},
        {fmtGeneral(0.25L, 15, ','), "0,25"},
        {fmtFixedPrec(0, 5, 2), "0.00"},
        {fmtFixedPrec(12.3456L, 5, 2), "12.35"},
        {fmtFixedPrec(-3.5L, 5, 2), "-3.50"},
        {fmtFixedPrec(1234.567L, 5, 2), "1234.60"},
        {fmtFixedPrec(123456.7L, 5, 2), "1.2346E5"},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

}  // namespace
}  // namespace zyt
