#include <gtest/gtest.h>

#include <random>

#include "fit/FitFixture.h"
#include "fit/LeastSquares.h"

namespace zyt {
namespace {

using Dense = std::vector<std::vector<long double>>;

FitResult::Mat toMat(const Dense& d) {
    FitResult::Mat a{};
    for (std::size_t i = 0; i < d.size(); ++i)
        for (std::size_t j = 0; j < d.size(); ++j) a[i + 1][j + 1] = d[i][j];
    return a;
}

// The inverse times the original is the identity, and the determinant is
// that of an independent elimination, sign included.
TEST(InvertNormalMatrix, InverseAndSignedDeterminant) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-3, 3);
    const std::vector<Dense> fixed = {
        {{0, 1}, {1, 0}},                   // one interchange: det -1
        {{1, 2}, {3, 4}},                   // det -2
        {{2, 0, 0}, {0, 0, 3}, {0, 5, 0}},  // det -30
        {{4, 1, 2}, {1, 5, 3}, {2, 3, 6}},  // symmetric positive definite
    };
    std::vector<Dense> cases = fixed;
    for (int n : {5, 7, 12, 20}) {
        Dense d(std::size_t(n), std::vector<long double>(std::size_t(n), 0.0L));
        for (auto& row : d)
            for (auto& x : row) x = u(rng);
        cases.push_back(d);
    }
    for (const Dense& d : cases) {
        const int n = int(d.size());
        FitResult::Mat a = toMat(d);
        const Extended det = invertNormalMatrix(a, n);
        const long double ref = test::determinant(d);
        EXPECT_NEAR(double(det / ref), 1.0, 1e-14) << "order " << n;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                long double sum = 0;
                for (int k = 0; k < n; ++k)
                    sum += d[std::size_t(i)][std::size_t(k)] *
                           a[std::size_t(k + 1)][std::size_t(j + 1)];
                EXPECT_NEAR(double(sum), i == j ? 1.0 : 0.0, 1e-13)
                    << "order " << n << " at " << i << "," << j;
            }
    }
}

// Among pivot candidates of equal magnitude the last one in row-by-row order
// is taken. On a singular matrix the elimination stops at the zero pivot, so
// the half-transformed matrix shows which entry was the first pivot: with
// A(2,2) it is [[1, 1], [-1, 0]]; A(1,1) would have left [[1, -1], [1, 0]].
TEST(InvertNormalMatrix, LastOfEqualPivotsWinsAndZeroPivotStops) {
    FitResult::Mat a = toMat({{1, -1}, {-1, 1}});
    EXPECT_EQ(invertNormalMatrix(a, 2), 0);
    EXPECT_EQ(a[1][1], 1);
    EXPECT_EQ(a[1][2], 1);
    EXPECT_EQ(a[2][1], -1);
    EXPECT_EQ(a[2][2], 0);

    // Through the State: fitDet of the slot.
    auto s = std::make_unique<State>();
    s->fitResult.nParams = 2;
    s->fitResult.normMat[3] = toMat({{2, 1}, {1, 3}});
    invertNormalMatrix(*s, 3);
    EXPECT_NEAR(double(s->fitResult.fitDet), 5.0, 1e-17);
    EXPECT_NEAR(double(s->fitResult.normMat[3][1][2]), -0.2, 1e-17);
}

}  // namespace
}  // namespace zyt
