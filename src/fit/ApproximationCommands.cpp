#include "fit/ApproximationCommands.h"

#include <algorithm>

#include "fit/FitReports.h"

namespace zyt {
namespace {

// Runs polynom and puts the reason on the status line when nothing was fitted.
void runFit(State& s, Reporter& rep) {
    const PolynomOutcome o = polynom(s);
    const std::string why = polynomStatusText(o);
    if (!why.empty()) rep.status(why);
}

bool dataOpen(const State& s) {
    return s.table.fileList.has_value() && s.table.nRows > 0;
}

}  // namespace

void polynomialCommand(State& s, Reporter& rep, const PolynomialDialogRunner& showDialog) {
    s.fitResult.fitOn = !s.fitResult.fitOn;
    if (!s.fitResult.fitOn) return;
    PolynomialDialog dlg(s);
    dlg.activate();
    if (showDialog(dlg))
        runFit(s, rep);
    else if (s.fitResult.fitNUsed == 0)
        // Cancel shows the earlier curve; before any fit there is none, and
        // the next use opens the dialog again instead of switching off.
        s.fitResult.fitOn = false;
}

void approximationButton(State& s, Reporter& rep) {
    runFit(s, rep);
    s.workChanged = true;
}

void hotKeyP(State& s, Reporter& rep) {
    s.fitResult.fitOn = !s.fitResult.fitOn;
    runFit(s, rep);
}

void hotKeyK(State& s) {
    if (s.fitResult.fitOn) writeKoefInfo(s);
}

bool coefficientsCommand(State& s, Reporter& rep) {
    if (!s.fitResult.fitOn) {
        rep.message(kNotCalculatedText);
        return false;
    }
    writeKoefInfo(s);
    return true;
}

bool saveApproximationCommand(State& s) {
    if (!s.fitResult.fitOn) return false;
    writeApproximation(s);
    return true;
}

bool saveOriginalApproximationCommand(State& s) {
    if (!s.fitResult.fitOn) return false;
    writeOriginalApproximation(s);
    return true;
}

namespace {

// Channel 1 minus the terms kFirst..kLast of its fit.
bool subtractTerms(State& s, int kFirst, int kLast) {
    if (!s.fitResult.fitOn || !dataOpen(s)) return false;
    Table& t = s.table;
    const FitResult& r = s.fitResult;
    Extended X[kMaxFitParams + 1];
    for (int row = 1; row <= t.nRows; ++row) {
        if (!t.present(row, 1)) continue;
        fitBasis(s.fit, r.chanTMean[1], t.obs(row, kTimeCol), X);
        Extended f = 0;
        for (int k = kFirst; k <= kLast; ++k) f += r.fitCoef[std::size_t(k)][1] * X[k];
        t.obs(row, 1) = t.obs(row, 1) - f;
    }
    s.fitResult.fitOn = false;
    return true;
}

}  // namespace

bool detrendCommand(State& s) {
    return subtractTerms(s, 1, fitParamCount(s.fit));
}

bool detrendPolyCommand(State& s) {
    return subtractTerms(s, 2, s.fit.polyDeg + 1);
}

int addColorsApproxCommand(State& s, Reporter& rep) {
    Table& t = s.table;
    if (!dataOpen(s)) return 0;
    FitModel& m = s.fit;
    FitResult& r = s.fitResult;
    m.fitAllChannels = true;
    r.fitOn = true;
    const PolynomOutcome o = polynom(s);
    const int n = std::min(t.nChan, kMaxFitSlots);
    int added = 0;
    if (o.fitted < n) {
        // A difference with a channel that kept older coefficients would be wrong.
        rep.status(o.fitted == 0 ? polynomStatusText(o)
                                 : "Colors not added: " + std::to_string(n - o.fitted) +
                                       " channel(s) could not be fitted");
    } else {
        const int mp = fitParamCount(m);
        Extended X[kMaxFitParams + 1], Y[kMaxFitParams + 1];
        int i = n + 1;
        for (int j = 2; j <= n && i <= kMaxChannels; ++j, ++i, ++added) {
            const bool sameOrigin = r.chanTMean[std::size_t(j - 1)] == r.chanTMean[std::size_t(j)];
            for (int row = 1; row <= t.nRows; ++row) {
                const Extended time = t.obs(row, kTimeCol);
                Extended v = 0;
                if (sameOrigin) {
                    fitBasis(m, r.chanTMean[std::size_t(j)], time, X);
                    for (int k = 1; k <= mp; ++k)
                        v += (r.fitCoef[std::size_t(k)][std::size_t(j - 1)] -
                              r.fitCoef[std::size_t(k)][std::size_t(j)]) *
                             X[k];
                } else {
                    v = fittedValue(s, j - 1, time, X) - fittedValue(s, j, time, Y);
                }
                t.obs(row, i) = v;
                t.present(row, i) = 1;
            }
        }
        t.nChan = std::min(2 * n - 1, kMaxChannels);
        // The channel selector's maximum; channels loaded beyond it stay reachable.
        t.lastChan = std::max(t.lastChan, t.nChan);
    }
    m.fitAllChannels = false;
    r.fitOn = false;
    return added;
}

void togglePhase0515(State& s) {
    s.fit.saveapproximation05151 = !s.fit.saveapproximation05151;
}

}  // namespace zyt
