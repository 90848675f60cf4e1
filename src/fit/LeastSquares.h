#pragma once
// The least-squares engine: a channel's values against time fitted by an
// algebraic polynomial plus up to three trigonometric polynomials.
//
// Parameters, in this order (m of them):
//   1                          X = 1
//   2 .. p+1                   X = (t - T_mean)^(k-1)
//   per period 1, 2, 3 and harmonic j = 1..degree:
//     not symmetric            X = sin(j*w*(t - T_mean)), X = cos(j*w*(t - T_mean))
//     symmetric                X = cos(j*w1*t) for period 1 (t itself: the phase),
//                              X = cos(j*w*(t - T_mean)) for periods 2 and 3
// All arithmetic is Extended. Nothing here allocates.
#include "core/State.h"

namespace zyt {

// m = p + 1 + 2*(d1 + d2 + d3), or p + 1 + d1 + d2 + d3 in symmetric mode.
int fitParamCount(const FitModel& m);
// The dialog's limit counts two parameters per harmonic whatever the mode.
int fitParamCountFull(const FitParams& p);

// Fills X[1..fitParamCount(model)] for time t with the given origin.
void fitBasis(const FitModel& model, Extended tMean, Extended t, Extended* X);
// The same into s.fitResult.fitX with s.fitResult.tMean.
void fitBasis(State& s, Extended t);

// Gauss-Jordan inversion with full pivoting, in place, of the m x m matrix
// s.fitResult.normMat[ch] (m = s.fitResult.nParams, 1 <= ch <= 20); sets
// fitDet to the determinant (0 when a zero pivot stops it half way).
// The pivot search takes the last entry of largest magnitude in row-by-row
// order; interchanges change signs so that the product of pivots is the
// determinant itself.
void invertNormalMatrix(State& s, int ch);
// The same on any matrix of order m (1..20); returns the determinant.
Extended invertNormalMatrix(FitResult::Mat& a, int m);

// What one run of polynom did, for the status line of the commands.
struct PolynomOutcome {
    int fitted = 0;        // channels whose results were replaced
    int tooFewPoints = 0;  // rejected: n <= m, or every weight zero
    int dependent = 0;     // rejected: singular or nearly singular matrix
    bool ran = false;      // fitOn was set
};

// Fits channel 1, or channels 1..nChan with fitAllChannels, and fills
// s.fitResult. Does nothing but set nParams while fitOn is clear. A channel
// with n <= m used points, no positive weight, or det/prod(diag) <= 1e-29 is
// rejected: its coefficients, matrix slot, sums and the statistics stay as
// they were. With fitUseSigma a point whose error is 0 or less (or missing)
// is left out.
PolynomOutcome polynom(State& s);

// The status line text for an outcome that fitted nothing ("" otherwise).
std::string polynomStatusText(const PolynomOutcome& o);

// Fitted value of channel ch at t: sum_k fitCoef[k][ch] * X_k(t), with the
// basis of that channel's own origin. X receives the basis (m entries).
Extended fittedValue(const State& s, int ch, Extended t, Extended* X);
// sigma(t) = fitSigma0 * sqrt(X' A^-1 X) with A^-1 of slot ch and X the basis
// just computed (m = nParams). A rounding-negative form gives 0.
Extended fitAccuracyFromBasis(const FitResult& r, int ch, const Extended* X);
// The same, computing the basis of channel ch at t into fitX.
Extended fitAccuracyAt(State& s, Extended t, int ch);

}  // namespace zyt
