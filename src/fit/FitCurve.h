#pragma once
// The fitted curve the channel panels draw while fitOn is set: 10001 samples
// over the time window xLeft..xRight of each fitted channel, with the
// accuracy sigma(t) of the fit. The renderer maps them to pixels and draws
// five polylines: f (foreground colour), f+-sigma (red), f+-2 sigma (green).
#include <vector>

#include "core/State.h"

namespace zyt {

inline constexpr int kFitCurveSamples = 10001;

struct FitCurve {
    int chan = 0;
    std::vector<Extended> t, f, sigma;  // kFitCurveSamples each
};

// Samples t_k = xLeft + (xRight - xLeft)*k/10000 for one channel slot into
// `out` (its vectors are reused). Sets nParams from the model.
void fitCurveSamples(State& s, int ch, FitCurve& out);

// How many channel slots have a curve: 0 while fitOn is clear, 1, or
// nChan (at most 20) with "for all channels".
int fitCurveCount(const State& s);

// Every curve to draw: slots 1..fitCurveCount(s). A caller that draws one
// curve at a time can call fitCurveSamples with one buffer instead.
std::vector<FitCurve> fitCurves(State& s);

}  // namespace zyt
