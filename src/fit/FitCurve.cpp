#include "fit/FitCurve.h"

#include <algorithm>

#include "fit/LeastSquares.h"

namespace zyt {

void fitCurveSamples(State& s, int ch, FitCurve& out) {
    s.fitResult.nParams = fitParamCount(s.fit);
    out.chan = ch;
    out.t.resize(kFitCurveSamples);
    out.f.resize(kFitCurveSamples);
    out.sigma.resize(kFitCurveSamples);
    const Extended left = s.view.xLeft, span = s.view.xRight - s.view.xLeft;
    Extended X[kMaxFitParams + 1];
    for (int k = 0; k < kFitCurveSamples; ++k) {
        const Extended t = left + span * k / (kFitCurveSamples - 1);
        out.t[std::size_t(k)] = t;
        out.f[std::size_t(k)] = fittedValue(s, ch, t, X);
        out.sigma[std::size_t(k)] = fitAccuracyFromBasis(s.fitResult, ch, X);
    }
}

int fitCurveCount(const State& s) {
    if (!s.fitResult.fitOn) return 0;
    return s.fit.fitAllChannels ? std::clamp(s.table.nChan, 0, kMaxFitSlots) : 1;
}

std::vector<FitCurve> fitCurves(State& s) {
    std::vector<FitCurve> curves;
    const int k = fitCurveCount(s);
    curves.resize(std::size_t(k));
    for (int ch = 1; ch <= k; ++ch) fitCurveSamples(s, ch, curves[std::size_t(ch - 1)]);
    return curves;
}

}  // namespace zyt
