#pragma once
// Parameters of the fits that the settings file keeps (the polynomial and
// trigonometric model, the light elements and the periodogram range), the
// options of the fit that the dialogs show, and the results of the last fit.
// Plain data; the fit code that uses them lives beside this header.
#include <array>
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

// The whole fit model: the numbers the settings file keeps plus the check
// boxes of the Polynomial dialog. "use sigma" and "for all channels" are
// shown by the periodogram dialog as well, so both read these fields.
struct FitModel : FitParams {
    bool fitSymmetric = false;    // cosine terms only; period 1 uses t itself
    bool fitAutoMean = true;      // T_mean = mean time of the used points
    bool fitRoundMean = false;    // T_mean rounded to an integer
    bool fitUseSigma = false;     // weights 1/sigma^2 from the error table
    bool fitAllChannels = false;  // every channel 1..nChan, else channel 1
    bool fitVisibleOnly = false;  // rows viewFirst..viewLast only
    bool fitDoublePhase = false;  // "Double Phase": shown, read by nothing

    // "Phase -0.5..1.5" of the Approximation menu (read by "save approximation").
    bool saveapproximation05151 = false;

    // The Polynomial dialog's own state that outlives one showing: its
    // caption (a refused model changes it) and whether "use sigma" may be set.
    std::string form23Caption = "Zyt: Polynomial";
    bool form23CheckBox5Enabled = false;
};

constexpr int kMaxFitParams = 20;  // parameters 1..20
constexpr int kMaxFitSlots = 20;   // channel slots 1..20

// Results of the last fit. Arrays are 1-based like the parameters and
// channels they hold; index 0 is unused.
struct FitResult {
    using Vec = std::array<Extended, kMaxFitParams + 1>;
    using Mat = std::array<Vec, kMaxFitParams + 1>;  // Mat[i][j]

    bool fitOn = false;  // fit active: polynom computes, the panels draw the curve
    int nParams = 0;     // m
    Extended tMean = 0;  // T_mean of the last fitted channel
    Vec fitX{};          // basis of the last fitBasis call

    // normMat[ch][i][j]: normal matrix A(i, j) of channel slot ch; after a
    // fit the inverse A^-1 of that channel's matrix.
    std::array<Mat, kMaxFitSlots + 1> normMat{};
    // fitCoef[k][ch], fitCoefSigma[k][ch]: coefficient k of channel ch and its error.
    Mat fitCoef{};
    Mat fitCoefSigma{};
    std::array<Extended, kMaxFitSlots + 1> chanSumSq{};  // S of each channel's last fit
    // T_mean each channel's coefficients belong to, so that a channel whose
    // refit was rejected, or that was fitted over other points than the
    // last one, is still evaluated with its own origin.
    std::array<Extended, kMaxFitSlots + 1> chanTMean{};

    int fitNUsed = 0;
    int fitNHalf = 0;
    Extended fitSumW = 0;
    Extended fitSumSq = 0;
    Extended fitSigma0 = 0;
    Extended fitSigmaW = 0;
    Extended fitSigma0w = 0;
    Extended fitSigmaXc = 0;
    Extended fitDet = 0;
    Extended fitDetRatio = 0;
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
