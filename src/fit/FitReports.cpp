#include "fit/FitReports.h"

#include <algorithm>
#include <cmath>

#include "fit/LeastSquares.h"
#include "io/Format.h"
#include "io/TextFile.h"

namespace zyt {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string F(Extended x, int w, int d) {
    return fmtF(x, w, d);
}
std::string I(long long v) {
    return fmtI(v);
}

struct PeriodTerm {
    Extended omega;
    int degree;
};

// One harmonic line: the extremum times, amplitude and their errors of
// s*sin(j*w*(t-T_mean)) + c*cos(j*w*(t-T_mean)); k is the sine's index.
std::string harmonicLine(const FitResult& r, Extended tMean, Extended omega, int j, int k) {
    const Extended s = r.fitCoef[std::size_t(k)][1];
    const Extended c = r.fitCoef[std::size_t(k + 1)][1];
    const FitResult::Mat& a = r.normMat[1];
    const Extended a11 = a[std::size_t(k)][std::size_t(k)];
    const Extended a12 = a[std::size_t(k)][std::size_t(k + 1)];
    const Extended a22 = a[std::size_t(k + 1)][std::size_t(k + 1)];
    const Extended s0 = r.fitSigma0;
    Extended psi = std::atan2(s, c) / kTwoPi;
    if (psi < -0.5L) psi += 1;
    if (psi > 0.5L) psi -= 1;
    const Extended tMax = kTwoPi * psi / omega / j + tMean;
    if (psi > 0)
        psi -= 0.5L;
    else
        psi += 0.5L;
    const Extended tMin = kTwoPi * psi / omega / j + tMean;
    const Extended amp = std::sqrt(s * s + c * c);
    const Extended sT =
        s0 * std::sqrt(c * c * a11 - 2 * s * c * a12 + s * s * a22) / (amp * amp) / omega / j;
    const Extended sA = s0 * std::sqrt(s * s * a11 + 2 * s * c * a12 + c * c * a22) / amp;
    return "T_Maxm=" + F(tMax, 11, 5) + "  T_minm=" + F(tMin, 11, 5) + " +- " + F(sT, 7, 5) +
           "  Ampl=" + F(amp, 7, 5) + " +- " + F(sA, 7, 5) + " rr/rs=" + F(amp / sA, 4, 2) +
           " Period=" + F(kTwoPi / omega, 15, 10) + " j=" + I(j);
}

}  // namespace

std::string koefInfoText(State& s) {
    const FitModel& M = s.fit;
    FitResult& R = s.fitResult;
    R.nParams = fitParamCount(M);
    const int p = M.polyDeg;
    const Extended tMean = R.chanTMean[1];
    auto C = [&](int k) { return R.fitCoef[std::size_t(k)][1]; };
    auto SC = [&](int k) { return R.fitCoefSigma[std::size_t(k)][1]; };

    std::string t;
    auto line = [&](const std::string& text) { t += text + kCrLf; };
    line("      C           sigma C           function              C/(sigma C) ");
    int lines = 0;
    for (int k = 1; k <= p + 1; ++k, ++lines) {
        std::string l = F(C(k), 20, 17) + " (+/-" + F(SC(k), 20, 17) + ")";
        l += k == 1 ? std::string(16, ' ') : " * (t-T_mean)^" + I(k - 1) + " ";
        line(l + " " + F(C(k) / SC(k), 23, 3));
    }
    const PeriodTerm periods[3] = {
        {M.fitOmega1, M.trigDeg1}, {M.fitOmega2, M.trigDeg2}, {M.fitOmega3, M.trigDeg3}};
    int k = p + 2;
    for (int pi = 0; pi < 3; ++pi) {
        const Extended omega = periods[pi].omega;
        for (int j = 1; j <= periods[pi].degree; ++j) {
            const std::string arg = F(Extended(j) * omega, 11, 9) + "*(t-T_mean) )";
            if (M.fitSymmetric) {
                // One cosine parameter per harmonic in symmetric mode.
                std::string l = F(C(k), 12, 9) + " (+/-" + F(SC(k), 11, 9) + ") * cos(";
                l += pi == 0 ? I(j) + "*2*pi*Phase )" : arg;
                line(l + F(C(k) / SC(k), 10, 3));
                ++k;
                ++lines;
                continue;
            }
            const int sigDecimals = pi == 0 ? 6 : 9;
            std::string sn = F(C(k), 12, 9) + " (+/-" + F(SC(k), 11, sigDecimals) + ") * sin(" +
                             arg + F(C(k) / SC(k), 10, 3);
            if (pi == 0) {
                const Extended akk = R.normMat[1][std::size_t(k)][std::size_t(k)];
                sn += F(R.fitSigma0 * std::sqrt(akk), 11, 6);
            }
            line(sn);
            line(F(C(k + 1), 12, 9) + " (+/-" + F(SC(k + 1), 11, sigDecimals) + ") * cos(" + arg +
                 F(C(k + 1) / SC(k + 1), 10, 3));
            k += 2;
            lines += 2;
        }
    }
    line("  T_mean  =" + F(tMean, 10, 5));
    if (!M.fitSymmetric) {
        int kk = p + 2;
        for (int pi = 0; pi < 3; ++pi)
            for (int j = 1; j <= periods[pi].degree; ++j, kk += 2)
                line(harmonicLine(R, tMean, periods[pi].omega, j, kk));
    }
    line("number of data points  nse=" + I(R.fitNHalf) + "   ns=" + I(s.table.nRows) +
         "   ns2=" + I(R.fitNUsed));
    const int j1 = M.fitSymmetric ? lines : fitParamCountFull(M);
    line("number of parameters j1=" + I(j1));
    line("unit weight error   sigma_0=" + F(R.fitSigma0, 10, 9));
    line("r.m.s. deviations of data from the fit  sigma_0w=" + F(R.fitSigma0w, 10, 9));
    line("r.m.s. accuracy  sigma_0weight=" + F(R.fitSigmaW, 10, 9));
    line("weighted r.m.s. accuracy of the fit at arguments of signal  sigma[x_c]=" +
         F(R.fitSigmaXc, 10, 9));
    if (M.fitUseSigma)
        line("Chi^2[" + I(R.fitNHalf - j1) + "]=" + F(R.fitSumSq, 10, 9));
    else
        line("Sum(O-C)^2=" + F(R.fitSumSq, 10, 9));
    return t;
}

void writeKoefInfo(State& s, const std::string& fileName) {
    const std::string text = koefInfoText(s);
    SafeFile out(fileName);
    out.write(text);
    out.commit();
}

ApproxGrid approximationGrid(const State& s) {
    const Table& t = s.table;
    ApproxGrid g;
    g.n = 3 * t.nRows;
    if (t.nRows >= 1) {
        g.tStart = t.obs(1, kTimeCol);
        g.step = g.n > 0 ? (t.obs(t.nRows, kTimeCol) - g.tStart) / g.n : 0;
    }
    if (s.view.phase02) g = {200, 0, 0.01L};
    if (s.fit.saveapproximation05151 || s.menu.fasecur1) g = {400, -0.5L, 0.005L};
    return g;
}

namespace {

int channelsOfFit(const State& s) {
    return s.fit.fitAllChannels ? std::min(s.table.nChan, kMaxFitSlots) : 1;
}

// v, v+s, v-s, v+2s, v-2s in F(14,7).
void appendBand(std::string& out, Extended v, Extended sg) {
    appendF(out, v, 14, 7);
    appendF(out, v + sg, 14, 7);
    appendF(out, v - sg, 14, 7);
    appendF(out, v + 2 * sg, 14, 7);
    appendF(out, v - 2 * sg, 14, 7);
}

}  // namespace

void writeApproximation(State& s, const std::string& fileName) {
    s.fitResult.nParams = fitParamCount(s.fit);
    const ApproxGrid g = approximationGrid(s);
    const int chans = channelsOfFit(s);
    SafeFile out(fileName);
    std::string buf;
    Extended X[kMaxFitParams + 1];
    for (int i = 0; i <= g.n; ++i) {
        const Extended t = g.tStart + i * g.step;
        for (int ch = 1; ch <= chans; ++ch) {
            const Extended v = fittedValue(s, ch, t, X);
            const Extended sg = fitAccuracyFromBasis(s.fitResult, ch, X);
            if (ch == 1) appendF(buf, t, 14, 5);
            appendBand(buf, v, sg);
            appendF(buf, sg, 14, 7);
        }
        buf += kCrLf;
        out.flushIfLarge(buf);
    }
    out.write(buf);
    out.commit();
}

void writeOriginalApproximation(State& s, const std::string& fileName) {
    s.fitResult.nParams = fitParamCount(s.fit);
    const Table& tb = s.table;
    const int chans = channelsOfFit(s);
    SafeFile out(fileName);
    std::string buf;
    Extended X[kMaxFitParams + 1];
    for (int r = 1; r <= tb.nRows; ++r) {
        const Extended t = tb.obs(r, kTimeCol);
        if (tb.present(r, 1)) {
            for (int ch = 1; ch <= chans; ++ch) {
                const Extended v = fittedValue(s, ch, t, X);
                const Extended sg = fitAccuracyFromBasis(s.fitResult, ch, X);
                if (ch == 1) appendF(buf, t, 14, 5);
                appendF(buf, tb.obs(r, ch), 14, 7);
                appendBand(buf, v, sg);
            }
        }
        buf += kCrLf;
        out.flushIfLarge(buf);
    }
    out.write(buf);
    out.commit();
}

}  // namespace zyt
