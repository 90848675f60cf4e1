#pragma once
// Parameters of the fits that the settings file keeps: the polynomial and
// trigonometric model, the light elements and the periodogram range.
// Plain data; the fit code that uses them lives beside this header.
#include <string>

#include "core/Extended.h"

namespace zyt {

struct FitParams {
    int polyDeg = 0;  // degree of the algebraic polynomial
    Extended fitPeriod1 = 0, fitPeriod2 = 0, fitPeriod3 = 0;
    int trigDeg1 = 0, trigDeg2 = 0, trigDeg3 = 0;
    // 2*pi / period, or 1 where the period is 0.
    Extended fitOmega1 = 1, fitOmega2 = 1, fitOmega3 = 1;
};

struct LightElements {
    Extended leEpoch = 0;   // T0
    Extended lePeriod = 0;  // P
    Extended leQ = 0;       // quadratic term
};

struct PeriodogramParams {
    Extended pgMinPeriod = 0;
    Extended pgMaxPeriod = 0;
    int pgTrendDeg = 0;
    int pgTrigDeg = 0;
    int pgNFreq = 0;
    // The table file of the last periodogram run ("Open periodogram" opens it).
    std::string pgTableName;
};

}  // namespace zyt
