#include "fit/LeastSquares.h"

#include <algorithm>
#include <cmath>

#include "fit/Trig.h"

namespace zyt {
namespace {

// Rejection threshold of det / prod(diag): below it the parameters are
// taken as dependent.
constexpr Extended kMinDetRatio = 1e-29L;

struct Period {
    Extended omega;
    int degree;
};

}  // namespace

int fitParamCountFull(const FitParams& p) {
    return p.polyDeg + 1 + 2 * (p.trigDeg1 + p.trigDeg2 + p.trigDeg3);
}

int fitParamCount(const FitModel& m) {
    if (m.fitSymmetric) return m.polyDeg + 1 + m.trigDeg1 + m.trigDeg2 + m.trigDeg3;
    return fitParamCountFull(m);
}

void fitBasis(const FitModel& model, Extended tMean, Extended t, Extended* X) {
    const Extended dt = t - tMean;
    X[1] = 1;
    int k = 1;
    for (int d = 1; d <= model.polyDeg; ++d, ++k) X[k + 1] = X[k] * dt;
    ++k;  // next free place: p + 2
    const Period periods[3] = {{model.fitOmega1, model.trigDeg1},
                               {model.fitOmega2, model.trigDeg2},
                               {model.fitOmega3, model.trigDeg3}};
    for (int pi = 0; pi < 3; ++pi) {
        const Extended omega = periods[pi].omega;
        for (int j = 1; j <= periods[pi].degree; ++j) {
            if (model.fitSymmetric) {
                // Period 1 keeps the time itself so that j*w1*t = j*2*pi*phase.
                X[k++] = cosExtended(Extended(j) * omega * (pi == 0 ? t : dt));
            } else {
                Extended sn, cs;
                sinCosExtended(Extended(j) * omega * dt, &sn, &cs);
                X[k++] = sn;
                X[k++] = cs;
            }
        }
    }
}

void fitBasis(State& s, Extended t) {
    fitBasis(s.fit, s.fitResult.tMean, t, s.fitResult.fitX.data());
}

Extended invertNormalMatrix(FitResult::Mat& a, int m) {
    int ik[kMaxFitParams + 1] = {};
    int jk[kMaxFitParams + 1] = {};
    Extended det = 1;
    for (int k = 1; k <= m; ++k) {
        Extended amax = 0;
        for (int i = k; i <= m; ++i)
            for (int j = k; j <= m; ++j)
                if (std::fabs(amax) - std::fabs(a[i][j]) <= 0) {
                    amax = a[i][j];
                    ik[k] = i;
                    jk[k] = j;
                }
        if (amax == 0) return 0;
        const int pr = ik[k];
        if (pr != k)
            for (int j = 1; j <= m; ++j) {
                const Extended old = a[k][j];
                a[k][j] = a[pr][j];
                a[pr][j] = -old;
            }
        const int pc = jk[k];
        if (pc != k)
            for (int i = 1; i <= m; ++i) {
                const Extended old = a[i][k];
                a[i][k] = a[i][pc];
                a[i][pc] = -old;
            }
        for (int i = 1; i <= m; ++i)
            if (i != k) a[i][k] = -a[i][k] / amax;
        for (int i = 1; i <= m; ++i) {
            if (i == k) continue;
            const Extended aik = a[i][k];
            for (int j = 1; j <= m; ++j)
                if (j != k) a[i][j] = a[i][j] + aik * a[k][j];
        }
        for (int j = 1; j <= m; ++j)
            if (j != k) a[k][j] = a[k][j] / amax;
        a[k][k] = 1 / amax;
        det = det * amax;
    }
    for (int k = m; k >= 1; --k) {
        const int j = ik[k];
        if (j > k)
            for (int i = 1; i <= m; ++i) {
                const Extended old = a[i][k];
                a[i][k] = -a[i][j];
                a[i][j] = old;
            }
        const int i = jk[k];
        if (i > k)
            for (int jj = 1; jj <= m; ++jj) {
                const Extended old = a[k][jj];
                a[k][jj] = -a[i][jj];
                a[i][jj] = old;
            }
    }
    return det;
}

void invertNormalMatrix(State& s, int ch) {
    FitResult& r = s.fitResult;
    r.fitDet = invertNormalMatrix(r.normMat[std::size_t(ch)], r.nParams);
}

namespace {

// The independent points: nRows / 2 when rows h+1..2h repeat the values of
// rows 2..h of channel ch (a doubled phase table), else nRows.
int independentPoints(const Table& t, int ch) {
    const int h = t.nRows / 2;
    if (2 * h != t.nRows) return t.nRows;
    for (int j = h; j >= 2; --j)
        if (t.obs(j, ch) != t.obs(j + h, ch)) return t.nRows;
    return h;
}

// Weight of row r of channel ch; 0 leaves the point out.
struct Weights {
    const ErrorTable* err = nullptr;  // null: every weight is 1
    int ch = 0;
    // sigma of the row, or 0 when the point is left out.
    Extended sigma(int r) const {
        if (r > err->rows || ch > err->cols) return 0;
        const Extended e = err->at(r, ch);
        return e > 0 ? e : 0;
    }
};

}  // namespace

PolynomOutcome polynom(State& s) {
    FitResult& R = s.fitResult;
    const FitModel& M = s.fit;
    const Table& T = s.table;
    PolynomOutcome out;
    R.nParams = fitParamCountFull(M);
    if (!R.fitOn) return out;
    out.ran = true;

    const int lastCh = M.fitAllChannels ? std::min(T.nChan, kMaxFitSlots) : 1;
    const bool useSigma = M.fitUseSigma && !T.errRows.empty();
    int first = 1, last = T.nRows;
    if (M.fitVisibleOnly) {
        first = std::max(s.view.viewFirst, 1);
        last = std::min(s.view.viewLast, T.nRows);
    }
    const Extended* time = T.cells.column(kTimeCol);
    Extended X[kMaxFitParams + 1];

    for (int ch = 1; ch <= lastCh; ++ch) {
        if (M.fitSymmetric) R.nParams = fitParamCount(M);
        const int m = R.nParams;
        const int nHalf = independentPoints(T, ch);
        const Extended* y = T.cells.column(ch);
        const uint8_t* here = T.cells.flagColumn(ch);
        Weights wt{useSigma ? &T.errRows : nullptr, ch};
        auto used = [&](int r) { return here[r] != 0 && (!useSigma || wt.sigma(r) > 0); };

        // Count and mean time of the used points.
        int n = 0;
        Extended sumT = 0;
        for (int r = first; r <= last; ++r)
            if (used(r)) {
                ++n;
                sumT += time[r];
            }
        if (n <= m) {
            ++out.tooFewPoints;
            continue;
        }
        Extended tMean = M.fitAutoMean ? sumT / n : 0;
        if (M.fitRoundMean) tMean = std::nearbyint(tMean);  // halves go to the even integer

        // Normal matrix and right-hand side in one pass: the basis is the same.
        FitResult::Mat a;
        Extended b[kMaxFitParams + 1];
        for (int i = 1; i <= m; ++i) {
            b[i] = 0;
            for (int j = 1; j <= m; ++j) a[std::size_t(i)][std::size_t(j)] = 0;
        }
        for (int r = first; r <= last; ++r) {
            if (!used(r)) continue;
            fitBasis(M, tMean, time[r], X);
            Extended w = 1;
            if (useSigma) {
                const Extended sg = wt.sigma(r);
                w = 1 / (sg * sg);
            }
            const Extended yr = y[r];
            for (int i = 1; i <= m; ++i) {
                const Extended wx = w * X[i];
                Extended* row = a[std::size_t(i)].data();
                for (int j = 1; j <= m; ++j) row[j] += wx * X[j];
                b[i] += wx * yr;
            }
        }
        Extended diag = 1;
        for (int k = 1; k <= m; ++k) diag *= a[std::size_t(k)][std::size_t(k)];
        const Extended sumW = a[1][1];

        // Invert in the channel's slot; a rejected channel gets its old slot back.
        FitResult::Mat& slot = R.normMat[std::size_t(ch)];
        const FitResult::Mat saved = slot;
        slot = a;
        const Extended det = invertNormalMatrix(slot, m);
        const Extended ratio = diag != 0 ? det / diag : 0;
        if (!(ratio > kMinDetRatio)) {
            slot = saved;
            ++out.dependent;
            continue;
        }

        Extended c[kMaxFitParams + 1];
        for (int j = 1; j <= m; ++j) c[j] = 0;
        for (int k = 1; k <= m; ++k)
            for (int j = 1; j <= m; ++j) c[j] += slot[std::size_t(k)][std::size_t(j)] * b[k];

        Extended S = 0;
        for (int r = first; r <= last; ++r) {
            if (!used(r)) continue;
            fitBasis(M, tMean, time[r], X);
            Extended f = 0;
            for (int k = 1; k <= m; ++k) f += c[k] * X[k];
            Extended res = y[r] - f;
            if (useSigma) res = res / wt.sigma(r);
            S += res * res;
        }

        for (int k = 1; k <= m; ++k) R.fitCoef[std::size_t(k)][std::size_t(ch)] = c[k];
        for (int k = m + 1; k <= kMaxFitParams; ++k) R.fitCoef[std::size_t(k)][std::size_t(ch)] = 0;
        R.tMean = tMean;
        R.chanTMean[std::size_t(ch)] = tMean;
        R.fitNHalf = nHalf;
        R.fitNUsed = n;
        R.fitSumW = sumW;
        R.fitDet = det;
        R.fitDetRatio = ratio;
        R.chanSumSq[std::size_t(ch)] = S;
        R.fitSumSq = S;
        R.fitSigma0 = std::sqrt(S / Extended(n - m));
        R.fitSigmaW = std::sqrt(Extended(n) / sumW);
        R.fitSigma0w = R.fitSigma0 * R.fitSigmaW;
        R.fitSigmaXc = std::sqrt(Extended(m) / sumW) * R.fitSigma0;
        for (int k = 1; k <= m; ++k)
            R.fitCoefSigma[std::size_t(k)][std::size_t(ch)] =
                std::sqrt(slot[std::size_t(k)][std::size_t(k)]) * R.fitSigma0;
        ++out.fitted;
    }
    return out;
}

std::string polynomStatusText(const PolynomOutcome& o) {
    if (!o.ran || o.fitted > 0) return "";
    if (o.dependent > 0 && o.tooFewPoints > 0)
        return "No channel fitted: too few points or dependent parameters";
    if (o.dependent > 0)
        return "No channel fitted: the parameters are dependent (singular normal matrix)";
    return "No channel fitted: too few points for the number of parameters";
}

Extended fittedValue(const State& s, int ch, Extended t, Extended* X) {
    const FitResult& r = s.fitResult;
    fitBasis(s.fit, r.chanTMean[std::size_t(ch)], t, X);
    const int m = fitParamCount(s.fit);
    Extended f = 0;
    for (int k = 1; k <= m; ++k) f += r.fitCoef[std::size_t(k)][std::size_t(ch)] * X[k];
    return f;
}

Extended fitAccuracyFromBasis(const FitResult& r, int ch, const Extended* X) {
    const FitResult::Mat& a = r.normMat[std::size_t(ch)];
    const int m = r.nParams;
    Extended q = 0;
    for (int i = 1; i <= m; ++i)
        for (int k = 1; k <= m; ++k) q += a[std::size_t(i)][std::size_t(k)] * X[i] * X[k];
    return q > 0 ? r.fitSigma0 * std::sqrt(q) : 0;
}

Extended fitAccuracyAt(State& s, Extended t, int ch) {
    FitResult& r = s.fitResult;
    fitBasis(s.fit, r.chanTMean[std::size_t(ch)], t, r.fitX.data());
    return fitAccuracyFromBasis(r, ch, r.fitX.data());
}

}  // namespace zyt
