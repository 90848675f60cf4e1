#include <gtest/gtest.h>

#include <cstring>

#include "fit/ApproximationCommands.h"
#include "fit/FitCurve.h"
#include "fit/FitFixture.h"
#include "fit/FitReports.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::setPeriod;
using test::tableOf;

// One period sampled at four points: the design is orthogonal (A^-1 =
// diag(1/4, 1/2, 1/2)) and the residual is 0.01*(1,-1,1,-1), so every number
// of the report is known by construction (worked out apart from the engine).
std::unique_ptr<State> koefFixture() {
    const Extended w = kTwoPi / 4;
    std::vector<std::vector<Extended>> rows;
    for (int i = 0; i < 4; ++i) {
        const Extended d = i - 1.5L;
        rows.push_back({Extended(i), 10 + 0.3L * std::sin(w * d) + 0.4L * std::cos(w * d) +
                                         (i % 2 ? -0.01L : 0.01L)});
    }
    auto s = tableOf(rows);
    setPeriod(s->fit, 1, 4, 1);
    s->fitResult.fitOn = true;
    EXPECT_EQ(polynom(*s).fitted, 1);
    return s;
}

TEST(KoefInfo, ExactText) {
    auto s = koefFixture();
    const std::string want =
        "      C           sigma C           function              C/(sigma C) \r\n"
        "10.00000000000000000 (+/- 0.01000000000000000)                                1000.000\r\n"
        " 0.300000000 (+/-   0.014142) * sin(1.570796327*(t-T_mean) )    21.213   0.014142\r\n"
        " 0.400000000 (+/-   0.014142) * cos(1.570796327*(t-T_mean) )    28.284\r\n"
        "  T_mean  =   1.50000\r\n"
        "T_Maxm=    1.90967  T_minm=   -0.09033 +- 0.01801  Ampl=0.50000 +- 0.01414 rr/rs=35.36 "
        "Period=   "
        "4.0000000000 j=1\r\n"
        "number of data points  nse=4   ns=4   ns2=4\r\n"
        "number of parameters j1=3\r\n"
        "unit weight error   sigma_0=0.020000000\r\n"
        "r.m.s. deviations of data from the fit  sigma_0w=0.020000000\r\n"
        "r.m.s. accuracy  sigma_0weight=1.000000000\r\n"
        "weighted r.m.s. accuracy of the fit at arguments of signal  sigma[x_c]=0.017320508\r\n"
        "Sum(O-C)^2=0.000400000\r\n";
    EXPECT_EQ(koefInfoText(*s), want);

    test::TempDir d;
    writeKoefInfo(*s, d.file("koef.info"));
    EXPECT_EQ(test::readFile(d.file("koef.info")), want);
}

// Symmetric mode: one cosine line per harmonic, for periods 2 and 3 too, no
// harmonic lines, j1 = the lines written; with sigma the chi^2 line.
TEST(KoefInfo, SymmetricLinesAndChiSquare) {
    auto s = koefFixture();
    s->fit.fitSymmetric = true;
    setPeriod(s->fit, 2, 7, 1);
    s->fit.fitUseSigma = true;
    const std::string text = koefInfoText(*s);
    EXPECT_NE(text.find(") * cos(1*2*pi*Phase )"), std::string::npos) << text;
    EXPECT_NE(text.find(") * cos(0.897597901*(t-T_mean) )"), std::string::npos) << text;
    EXPECT_EQ(text.find("sin("), std::string::npos);
    EXPECT_EQ(text.find("T_Maxm"), std::string::npos);
    EXPECT_NE(text.find("number of parameters j1=3\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nChi^2[1]=0.000400000\r\n"), std::string::npos) << text;
}

// A constant fit of 4 and 6: C = 5, sigma0 = sqrt(2), sigma(t) = 1 everywhere.
std::unique_ptr<State> constantFixture() {
    auto s = tableOf({{0, 4}, {2, 6}});
    s->fitResult.fitOn = true;
    EXPECT_EQ(polynom(*s).fitted, 1);
    return s;
}

TEST(Aproxy, LayoutAOnTheDataGrid) {
    auto s = constantFixture();
    test::TempDir d;
    writeApproximation(*s, d.file("a.dat"));
    std::string want;
    const char* times[] = {"0.00000", "0.33333", "0.66667", "1.00000",
                           "1.33333", "1.66667", "2.00000"};
    for (const char* t : times)
        want += std::string(14 - std::strlen(t), ' ') + t +
                "     5.0000000     6.0000000     4.0000000     7.0000000     3.0000000     "
                "1.0000000\r\n";
    EXPECT_EQ(test::readFile(d.file("a.dat")), want);
}

TEST(Aproxy, GridChoices) {
    auto s = constantFixture();
    struct Case {
        bool phase02, phase0515, phaseView;
        int n;
        Extended start, step;
    };
    const Case cases[] = {{false, false, false, 6, 0, 2.0L / 6},
                          {true, false, false, 200, 0, 0.01L},
                          {true, true, false, 400, -0.5L, 0.005L},
                          {false, false, true, 400, -0.5L, 0.005L}};
    for (const Case& c : cases) {
        s->view.phase02 = c.phase02;
        s->fit.saveapproximation05151 = c.phase0515;
        s->menu.fasecur1 = c.phaseView;
        const ApproxGrid g = approximationGrid(*s);
        EXPECT_EQ(g.n, c.n);
        EXPECT_EQ(g.tStart, c.start);
        EXPECT_EQ(g.step, c.step);
    }
}

TEST(Aproxy, LayoutBBesideTheDataWithEmptyLines) {
    auto s = tableOf({{0, 4, 1}, {1, 5, 2}, {2, 6, 3}});
    s->table.present(2, 1) = 0;
    s->fitResult.fitOn = true;
    s->fit.fitAllChannels = true;
    // Channel 1: mean 5 of two points (A^-1 = 1/2); channel 2: mean 2 of
    // three, S = 2, sigma0 = 1, which every channel's accuracy uses: 1/sqrt(2).
    ASSERT_EQ(polynom(*s).fitted, 2);
    test::TempDir d;
    writeOriginalApproximation(*s, d.file("b.dat"));
    const std::string text = test::readFile(d.file("b.dat"));
    const std::string first =
        "       0.00000     4.0000000     5.0000000     5.7071068     4.2928932     6.4142136     "
        "3.5857864"
        "     1.0000000     2.0000000";
    EXPECT_EQ(text.substr(0, first.size()), first) << text;
    EXPECT_NE(text.find("\r\n\r\n       2.00000     6.0000000     5.0000000"), std::string::npos)
        << text;
}

TEST(FitCommands, DetrendingAndColors) {
    std::vector<std::vector<Extended>> rows;
    for (int i = 0; i < 8; ++i)
        rows.push_back({Extended(i), 1 + 0.5L * i, 2 - 0.25L * i, 3 + 0.0L * i});
    auto s = tableOf(rows);
    s->fit.polyDeg = 1;
    s->fitResult.fitOn = true;
    ASSERT_EQ(polynom(*s).fitted, 1);
    EXPECT_TRUE(detrendPolyCommand(*s));  // keeps the constant: the mean 2.75
    EXPECT_FALSE(s->fitResult.fitOn);
    for (int r = 1; r <= 8; ++r) EXPECT_NEAR(double(s->table.obs(r, 1)), 2.75, 1e-15);
    EXPECT_FALSE(detrendCommand(*s));  // no active fit: nothing
    s->fitResult.fitOn = true;
    ASSERT_EQ(polynom(*s).fitted, 1);
    EXPECT_TRUE(detrendCommand(*s));
    for (int r = 1; r <= 8; ++r) EXPECT_NEAR(double(s->table.obs(r, 1)), 0, 1e-15);

    CollectingReporter rep;
    EXPECT_EQ(addColorsApproxCommand(*s, rep), 2);
    EXPECT_EQ(s->table.nChan, 5);
    EXPECT_FALSE(s->fit.fitAllChannels);
    EXPECT_FALSE(s->fitResult.fitOn);
    for (int r = 1; r <= 8; ++r) {
        const Extended t = r - 1;
        EXPECT_NEAR(double(s->table.obs(r, 4)), double(0 - (2 - 0.25L * t)), 1e-14);
        EXPECT_NEAR(double(s->table.obs(r, 5)), double((2 - 0.25L * t) - 3), 1e-14);
        EXPECT_EQ(s->table.present(r, 5), 1);
    }
}

TEST(FitCommands, TwelveChannelsGiveTwenty) {
    std::vector<std::vector<Extended>> rows;
    for (int i = 0; i < 4; ++i) {
        std::vector<Extended> row{Extended(i)};
        for (int c = 1; c <= 12; ++c) row.push_back(c + 0.1L * (i % 2));
        rows.push_back(row);
    }
    auto s = tableOf(rows);
    CollectingReporter rep;
    EXPECT_EQ(addColorsApproxCommand(*s, rep), 8);
    EXPECT_EQ(s->table.nChan, 20);
    EXPECT_NEAR(double(s->table.obs(1, 20)), -1, 1e-15);  // fit of 8 minus fit of 9
}

TEST(FitCommands, TogglesReportsAndStatus) {
    auto s = constantFixture();
    CollectingReporter rep;
    s->fitResult.fitOn = false;
    EXPECT_FALSE(coefficientsCommand(*s, rep));
    EXPECT_EQ(rep.messages, std::vector<std::string>{"The polynomial was not calculated "});
    EXPECT_FALSE(saveApproximationCommand(*s));

    hotKeyP(*s, rep);  // on, fits
    EXPECT_TRUE(s->fitResult.fitOn);
    s->fit.polyDeg = 3;  // four parameters for two points
    hotKeyP(*s, rep);    // off: nothing computed
    EXPECT_FALSE(s->fitResult.fitOn);
    hotKeyP(*s, rep);
    EXPECT_NE(rep.lastStatus.find("too few points"), std::string::npos);

    // Polynomial: toggled on, dialog answered; Cancel keeps fitOn set.
    s->fitResult.fitOn = false;
    bool shown = false;
    polynomialCommand(*s, rep, [&](PolynomialDialog&) { return shown = true, false; });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(s->fitResult.fitOn);
    shown = false;
    polynomialCommand(*s, rep, [&](PolynomialDialog&) { return shown = true; });
    EXPECT_FALSE(shown);
    EXPECT_FALSE(s->fitResult.fitOn);

    // Cancel before any fit: nothing to show, so the fit stays off.
    auto fresh = tableOf({{0, 4}, {2, 6}});
    polynomialCommand(*fresh, rep, [](PolynomialDialog&) { return false; });
    EXPECT_FALSE(fresh->fitResult.fitOn);
    polynomialCommand(*fresh, rep, [](PolynomialDialog&) { return true; });
    EXPECT_TRUE(fresh->fitResult.fitOn);
    EXPECT_EQ(fresh->fitResult.fitNUsed, 2);
}

TEST(FitCurve, SamplesOverTheWindow) {
    auto s = constantFixture();
    s->view.xLeft = -1;
    s->view.xRight = 3;
    auto curves = fitCurves(*s);
    ASSERT_EQ(curves.size(), 1u);
    const FitCurve& c = curves[0];
    ASSERT_EQ(c.t.size(), std::size_t(kFitCurveSamples));
    EXPECT_EQ(c.t.front(), -1);
    EXPECT_EQ(c.t.back(), 3);
    EXPECT_EQ(c.t[5000], 1);
    EXPECT_NEAR(double(c.f[1234]), 5, 1e-16);
    EXPECT_NEAR(double(c.sigma[9999]), 1, 1e-16);
    s->fitResult.fitOn = false;
    EXPECT_TRUE(fitCurves(*s).empty());
}

}  // namespace
}  // namespace zyt
