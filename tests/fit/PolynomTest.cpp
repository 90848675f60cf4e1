#include <gtest/gtest.h>

#include <random>

#include "fit/FitFixture.h"
#include "fit/LeastSquares.h"

namespace zyt {
namespace {

using test::setPeriod;
using test::tableOf;

Extended coef(const State& s, int k, int ch = 1) {
    return s.fitResult.fitCoef[std::size_t(k)][std::size_t(ch)];
}

TEST(Polynom, StraightLineWithAndWithoutMeanTime) {
    std::vector<std::vector<Extended>> rows;
    for (int i = 1; i <= 10; ++i) rows.push_back({Extended(i), 3 + 0.5L * i});
    auto s = tableOf(rows);
    s->fit.polyDeg = 1;
    s->fitResult.fitOn = true;
    PolynomOutcome o = polynom(*s);
    EXPECT_EQ(o.fitted, 1);
    EXPECT_EQ(s->fitResult.nParams, 2);
    EXPECT_EQ(s->fitResult.tMean, 5.5L);
    EXPECT_NEAR(double(coef(*s, 1)), 3 + 0.5 * 5.5, 1e-16);
    EXPECT_NEAR(double(coef(*s, 2)), 0.5, 1e-17);
    EXPECT_LT(s->fitResult.fitSumSq, 1e-30L);
    EXPECT_EQ(s->fitResult.fitNUsed, 10);
    EXPECT_EQ(s->fitResult.fitSumW, 10);

    s->fit.fitAutoMean = false;
    polynom(*s);
    EXPECT_EQ(s->fitResult.tMean, 0);
    EXPECT_NEAR(double(coef(*s, 1)), 3, 1e-16);

    // Rounded mean: 5.5 goes to the even integer 6.
    s->fit.fitAutoMean = true;
    s->fit.fitRoundMean = true;
    polynom(*s);
    EXPECT_EQ(s->fitResult.tMean, 6);
    EXPECT_NEAR(double(coef(*s, 1)), 6, 1e-16);
}

// A sinusoid of two harmonics over unevenly spaced times: the coefficients
// come back and the fit has no residuals.
TEST(Polynom, PureSinusoidRecoversItsCoefficients) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> u(0, 0.05);
    std::vector<Extended> times;
    Extended t = 2459000;
    for (int i = 0; i < 60; ++i) times.push_back(t += 0.01L + u(rng));
    Extended mean = 0;
    for (Extended x : times) mean += x;
    mean /= Extended(times.size());
    const Extended P = 0.37L, w = kTwoPi / P;
    std::vector<std::vector<Extended>> rows;
    for (Extended x : times) {
        const Extended d = x - mean;
        rows.push_back(
            {x, 10 + 0.3L * std::sin(w * d) - 0.1L * std::cos(w * d) + 0.2L * std::cos(2 * w * d)});
    }
    auto s = tableOf(rows);
    setPeriod(s->fit, 1, P, 2);
    s->fitResult.fitOn = true;
    ASSERT_EQ(polynom(*s).fitted, 1);
    const Extended want[] = {0, 10, 0.3L, -0.1L, 0, 0.2L};
    for (int k = 1; k <= 5; ++k) EXPECT_NEAR(double(coef(*s, k)), double(want[k]), 1e-12) << k;
    EXPECT_LT(s->fitResult.fitSigma0, 1e-12L);
}

// m = 1 with "use sigma": the weighted mean, its error sigma0*sqrt(1/W),
// chi^2 from (r/sigma)^2; a point with error 0 is left out.
TEST(Polynom, WeightedMeanWithSigma) {
    auto s = tableOf({{1, 10}, {2, 12}, {3, 11}, {4, 99}, {5, 13}});
    Table& t = s->table;
    t.errRows.resize(5, 1);
    const double err[] = {0, 0.1, 0.2, 0.1, 0, 0.4};
    for (int r = 1; r <= 5; ++r) t.errRows.at(r, 1) = err[r];
    s->fit.fitUseSigma = true;
    s->fitResult.fitOn = true;
    ASSERT_EQ(polynom(*s).fitted, 1);
    const long double y[] = {10, 12, 11, 13}, sg[] = {0.1, 0.2, 0.1, 0.4};
    long double W = 0, Wy = 0;
    for (int i = 0; i < 4; ++i) {
        W += 1 / (sg[i] * sg[i]);
        Wy += y[i] / (sg[i] * sg[i]);
    }
    const long double mean = Wy / W;
    long double chi = 0;
    for (int i = 0; i < 4; ++i) chi += (y[i] - mean) * (y[i] - mean) / (sg[i] * sg[i]);
    EXPECT_EQ(s->fitResult.fitNUsed, 4);
    EXPECT_NEAR(double(s->fitResult.fitSumW / W), 1, 1e-15);
    EXPECT_NEAR(double(coef(*s, 1)), double(mean), 1e-14);
    EXPECT_NEAR(double(s->fitResult.fitSumSq / chi), 1, 1e-13);
    const long double s0 = std::sqrt(chi / 3);
    EXPECT_NEAR(double(s->fitResult.fitCoefSigma[1][1] / (s0 * std::sqrt(1 / W))), 1, 1e-13);
    EXPECT_NEAR(double(s->fitResult.fitSigmaW / std::sqrt(4 / W)), 1, 1e-13);
}

// Noisy data, polynomial of degree 2 plus a period of degree 1: the
// coefficients are those of the normal equations solved by the test's own
// elimination, the errors those of the diagonal of its inverse.
TEST(Polynom, AgreesWithAnIndependentSolver) {
    std::mt19937 rng(11);
    std::normal_distribution<double> noise(0, 0.02);
    const Extended P = 1.7L, w = kTwoPi / P;
    std::vector<std::vector<Extended>> rows;
    for (int i = 0; i < 80; ++i) {
        const Extended t = 100 + 0.11L * i;
        rows.push_back({t, 5 + 0.02L * t - 0.001L * t * t + 0.4L * std::sin(w * t) + noise(rng)});
    }
    auto s = tableOf(rows);
    s->fit.polyDeg = 2;
    setPeriod(s->fit, 1, P, 1);
    s->fitResult.fitOn = true;
    ASSERT_EQ(polynom(*s).fitted, 1);
    const Extended tm = s->fitResult.tMean;
    auto basis = [&](Extended t) {
        const Extended d = t - tm;
        return std::vector<long double>{1, d, d * d, std::sin(w * d), std::cos(w * d)};
    };
    std::vector<std::vector<long double>> a(5, std::vector<long double>(5, 0));
    std::vector<long double> b(5, 0);
    for (const auto& row : rows) {
        const auto x = basis(row[0]);
        for (int i = 0; i < 5; ++i) {
            b[std::size_t(i)] += x[std::size_t(i)] * row[1];
            for (int j = 0; j < 5; ++j)
                a[std::size_t(i)][std::size_t(j)] += x[std::size_t(i)] * x[std::size_t(j)];
        }
    }
    const auto c = test::solve(a, b);
    long double S = 0;
    for (const auto& row : rows) {
        const auto x = basis(row[0]);
        long double f = 0;
        for (int k = 0; k < 5; ++k) f += c[std::size_t(k)] * x[std::size_t(k)];
        S += (row[1] - f) * (row[1] - f);
    }
    const long double s0 = std::sqrt(S / (80 - 5));
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(double(coef(*s, k + 1) - c[std::size_t(k)]), 0,
                    1e-12 * (1 + std::fabs(double(c[std::size_t(k)]))));
        std::vector<long double> e(5, 0);
        e[std::size_t(k)] = 1;
        const long double var = test::solve(a, e)[std::size_t(k)];
        EXPECT_NEAR(
            double(s->fitResult.fitCoefSigma[std::size_t(k + 1)][1] / (s0 * std::sqrt(var))), 1,
            1e-10);
    }
    EXPECT_NEAR(double(s->fitResult.fitSumSq / S), 1, 1e-10);
    EXPECT_NEAR(double(s->fitResult.fitSigma0 / s0), 1, 1e-10);
    EXPECT_NEAR(double(s->fitResult.fitSigmaXc / (s0 * std::sqrt(5.0L / 80))), 1, 1e-10);
    EXPECT_GT(s->fitResult.fitDetRatio, 0);
    EXPECT_LE(s->fitResult.fitDetRatio, 1);
    EXPECT_NEAR(double(s->fitResult.fitDet / test::determinant(a)), 1, 1e-10);

    // The accuracy of the curve at a time: sigma0 * sqrt(x' A^-1 x).
    const auto x = basis(103);
    const auto ax = test::solve(a, x);
    long double q = 0;
    for (int k = 0; k < 5; ++k) q += x[std::size_t(k)] * ax[std::size_t(k)];
    EXPECT_NEAR(double(fitAccuracyAt(*s, 103, 1) / (s0 * std::sqrt(q))), 1, 1e-10);
}

// The doubled phase table: rows h+1..2h repeat rows 2..h; row 1 is not compared.
TEST(Polynom, IndependentPointsOfADoubledTable) {
    struct Case {
        std::vector<Extended> values;
        int nHalf;
    };
    const std::vector<Case> cases = {
        {{1, 2, 3, 9, 2, 3}, 3},     // doubled, row 1 differs from row 4
        {{1, 2, 3, 1, 2, 4}, 6},     // one difference
        {{1, 2, 3, 1, 2, 3, 5}, 7},  // odd row count
    };
    for (const Case& c : cases) {
        std::vector<std::vector<Extended>> rows;
        for (std::size_t i = 0; i < c.values.size(); ++i)
            rows.push_back({Extended(i) * 0.1L, c.values[i]});
        auto s = tableOf(rows);
        s->fitResult.fitOn = true;
        ASSERT_EQ(polynom(*s).fitted, 1);
        EXPECT_EQ(s->fitResult.fitNHalf, c.nHalf) << c.values.size();
    }
}

// Symmetric mode puts t itself into the cosine of period 1: a cosine in phase
// comes back whatever the mean time, and shifting the times changes the fit,
// while the ordinary mode with the mean time is not moved by the shift.
TEST(Polynom, SymmetricModeUsesTimeNotTimeMinusMean) {
    const Extended P = 0.5L, w = kTwoPi / P;
    auto make = [&](Extended shift, bool symmetric) {
        std::vector<std::vector<Extended>> rows;
        for (int i = 0; i < 40; ++i) {
            const Extended t = 10.03L + 0.037L * i;
            rows.push_back({t + shift, 2 + 0.5L * std::cos(w * t)});
        }
        auto s = tableOf(rows);
        s->fit.fitSymmetric = symmetric;
        setPeriod(s->fit, 1, P, 1);
        s->fitResult.fitOn = true;
        EXPECT_EQ(polynom(*s).fitted, 1);
        return s;
    };
    auto sym = make(0, true);
    EXPECT_EQ(sym->fitResult.nParams, 2);
    EXPECT_NEAR(double(coef(*sym, 1)), 2, 1e-14);
    EXPECT_NEAR(double(coef(*sym, 2)), 0.5, 1e-14);
    EXPECT_NE(sym->fitResult.tMean, 0);
    auto symShifted = make(P / 4, true);  // the cosine turns into a sine: no longer fitted
    EXPECT_GT(symShifted->fitResult.fitSigma0, 0.1L);

    auto plain = make(0, false), plainShifted = make(P / 4, false);
    for (int k = 1; k <= 3; ++k)
        EXPECT_NEAR(double(coef(*plain, k) - coef(*plainShifted, k)), 0, 1e-13);
}

// Dependent parameters (the same period twice) and too few points are
// rejected; the coefficients, matrix slot and statistics of the earlier fit stay.
TEST(Polynom, RejectionKeepsTheEarlierResults) {
    std::vector<std::vector<Extended>> rows;
    for (int i = 0; i < 20; ++i) rows.push_back({Extended(i), 1 + 0.1L * i + 0.01L * (i % 3)});
    auto s = tableOf(rows);
    s->fit.polyDeg = 1;
    s->fitResult.fitOn = true;
    ASSERT_EQ(polynom(*s).fitted, 1);
    const FitResult before = s->fitResult;

    setPeriod(s->fit, 1, 3, 1);
    setPeriod(s->fit, 2, 3, 1);
    PolynomOutcome o = polynom(*s);
    EXPECT_EQ(o.fitted, 0);
    EXPECT_EQ(o.dependent, 1);
    EXPECT_NE(polynomStatusText(o).find("dependent"), std::string::npos);
    for (int k = 1; k <= 2; ++k) EXPECT_EQ(coef(*s, k), before.fitCoef[std::size_t(k)][1]);
    EXPECT_EQ(s->fitResult.normMat[1], before.normMat[1]);
    EXPECT_EQ(s->fitResult.fitSigma0, before.fitSigma0);
    EXPECT_EQ(s->fitResult.tMean, before.tMean);
    EXPECT_EQ(s->fitResult.fitNUsed, before.fitNUsed);

    // Two points for two parameters, and a channel with no point at all.
    setPeriod(s->fit, 1, 3, 0);
    setPeriod(s->fit, 2, 3, 0);
    for (int r = 3; r <= 20; ++r) s->table.present(r, 1) = 0;
    o = polynom(*s);
    EXPECT_EQ(o.tooFewPoints, 1);
    EXPECT_NE(polynomStatusText(o).find("too few points"), std::string::npos);
    s->table.present(1, 1) = s->table.present(2, 1) = 0;
    EXPECT_EQ(polynom(*s).tooFewPoints, 1);
    EXPECT_EQ(coef(*s, 2), before.fitCoef[2][1]);

    // fitOn clear: only nParams is set.
    s->fitResult.fitOn = false;
    s->fit.polyDeg = 3;
    EXPECT_FALSE(polynom(*s).ran);
    EXPECT_EQ(s->fitResult.nParams, 4);
}

// All channels: per-channel coefficients; the statistics are the last
// channel's; visible rows only limits the range.
TEST(Polynom, AllChannelsAndVisibleRows) {
    std::vector<std::vector<Extended>> rows;
    for (int i = 0; i < 10; ++i)
        rows.push_back({Extended(i), 1 + 2.0L * i, 5 - 1.0L * i + (i == 9 ? 100 : 0)});
    auto s = tableOf(rows);
    s->fit.polyDeg = 1;
    s->fit.fitAutoMean = false;
    s->fit.fitAllChannels = true;
    s->fit.fitVisibleOnly = true;
    s->view.viewFirst = 1;
    s->view.viewLast = 9;  // leaves out the outlier of row 10
    s->fitResult.fitOn = true;
    ASSERT_EQ(polynom(*s).fitted, 2);
    EXPECT_NEAR(double(coef(*s, 2, 1)), 2, 1e-16);
    EXPECT_NEAR(double(coef(*s, 1, 2)), 5, 1e-15);
    EXPECT_NEAR(double(coef(*s, 2, 2)), -1, 1e-16);
    EXPECT_EQ(s->fitResult.fitNUsed, 9);
}

}  // namespace
}  // namespace zyt
