#pragma once
// "Generate Random": a data file of uniform or Gaussian numbers, opened at
// once, and "Open periodogram", which opens the last periodogram table.
#include <cstdint>
#include <string>

#include "core/Reporter.h"
#include "core/State.h"

namespace zyt {

inline constexpr int kMaxRandomPoints = 1000001;

// What the Generate Random dialog collected.
struct GenerateRandomParams {
    std::string pointsText = "100";   // "Number of points"
    std::string channelsText = "10";  // "Number of channels"
    int distribution = 0;             // 0 homogeneous, 1 Gaussian; -1 = none chosen
    // The message the dialog shows before it asks again, empty when valid.
    std::string validate() const;
    int points() const;
    int channels() const;
};

// seed := seed * 134775813 + 1 (mod 2^32); returns seed / 2^32 in [0, 1).
double nextUniform(uint32_t& seed);

// "Random_" + k + ".dat" for the distribution index k (none counts as 0).
std::string randomFileName(int distribution);

// Writes the file in the current folder (one discarded draw, then per row
// I(4) and per channel " " F(8,5); Gaussian = sum of 6 differences of
// uniforms), reports "Random array generated:<n> points in <m> channels" and
// opens it as a new table. Returns the file name. Throws IoError.
std::string generateRandom(State& s, Reporter& rep, const GenerateRandomParams& p);

// Opens pgTableName as the data file when it exists; returns true when it
// did. Nothing happens when no periodogram was computed or its file is gone.
bool openPeriodogram(State& s, Reporter& rep);

}  // namespace zyt
