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

// Every curve to draw: none while fitOn is clear, channel 1, or channels
// 1..nChan with "for all channels".
std::vector<FitCurve> fitCurves(State& s);

}  // namespace zyt
