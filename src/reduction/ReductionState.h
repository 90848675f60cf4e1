#pragma once
// State of the photometric reductions that other parts read or store:
// the comparison star and its weights, running-mean and interval settings,
// star and site coordinates (radians in memory).
#include <array>

#include "core/Extended.h"
#include "core/Table.h"

namespace zyt {

struct ReductionState {
    int compChan = 0;
    Extended compMag = 0;

    // Per channel 1..20: the artificial comparison star's results.
    std::array<Extended, kMaxChannels + 1> starMag{};
    std::array<Extended, kMaxChannels + 1> compWeight{};
    std::array<Extended, kMaxChannels + 1> starSigma{};
    std::array<Extended, kMaxChannels + 1> chanMean{};
    std::array<Extended, kMaxChannels + 1> meanCompErrByStar{};
    Extended meanCompSigma = 0;
    int nCompleteRows = 0;

    int runMeanN = 0;
    Extended runMeanMaxGap = 0;
    int nIntervals = 0;

    Extended starRA = 0;   // radians
    Extended starDec = 0;  // radians
    Extended siteLon = 0;  // radians
    Extended siteLat = 0;  // radians
};

}  // namespace zyt
