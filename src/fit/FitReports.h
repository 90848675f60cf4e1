#pragma once
// The reports of a fit: "koef.info" (coefficients and statistics) and the two
// layouts of "aproxy.dat" (the curve on a grid of times, or beside the data).
// Files go to the current working directory, through SafeFile, lines CR LF.
#include <string>

#include "core/State.h"

namespace zyt {

inline constexpr const char* kKoefFileName = "koef.info";
inline constexpr const char* kAproxyFileName = "aproxy.dat";

// The text of "koef.info" for channel 1's coefficients and the statistics of
// the last fitted channel. Recomputes nParams from the model first.
std::string koefInfoText(State& s);
// Writes it to `fileName` (throws IoError naming the file).
void writeKoefInfo(State& s, const std::string& fileName = kKoefFileName);

// Time grid of layout A: N + 1 times tStart + g*step, g = 0..N.
struct ApproxGrid {
    int n = 0;
    Extended tStart = 0;
    Extended step = 0;
};
// N = 3*nRows over the time span of the rows; "Phase 0..2" gives 0..2 step
// 0.01; "Phase -0.5..1.5" or the phase-curve view gives -0.5..1.5 step 0.005.
ApproxGrid approximationGrid(const State& s);

// Layout A: the fitted curve, its +-sigma and +-2sigma and sigma on the grid.
void writeApproximation(State& s, const std::string& fileName = kAproxyFileName);
// Layout B: every row's data and fit (an empty line where channel 1 is absent).
void writeOriginalApproximation(State& s, const std::string& fileName = kAproxyFileName);

}  // namespace zyt
