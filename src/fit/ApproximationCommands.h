#pragma once
// The commands of the Approximation menu, the tool button and the hot keys P
// and K. Each takes the State and a Reporter; the window calls computeRanges
// and Pictures after them (the tool button runs computeVisibleWindow before
// approximationButton), the batch runner calls them directly.
#include <functional>

#include "core/Reporter.h"
#include "core/State.h"
#include "fit/LeastSquares.h"
#include "fit/PolynomialDialog.h"

namespace zyt {

// Shows the Polynomial dialog (after activate()) and returns true when it
// closed with Ok, false on Cancel.
using PolynomialDialogRunner = std::function<bool(PolynomialDialog&)>;

// "Polynomial" (N1): toggles fitOn; when it is now set, shows the dialog and,
// on Ok, runs polynom. Cancel leaves fitOn set (the earlier curve shows),
// unless nothing was ever fitted.
void polynomialCommand(State& s, Reporter& rep, const PolynomialDialogRunner& showDialog);

// Tool button "Approximation" (SpeedButton16): polynom with the stored model
// (nothing while fitOn is clear) and the work marked as changed.
void approximationButton(State& s, Reporter& rep);

// Hot key P: toggles fitOn and runs polynom with the stored model.
void hotKeyP(State& s, Reporter& rep);
// Hot key K: writes "koef.info" while fitOn is set; shows nothing.
void hotKeyK(State& s);

// "coefficients of a polynomial": true when "koef.info" was written and the
// window "Coefficients of the fit" (TForm29) is to show it; without a fit the
// message "The polynomial was not calculated ".
bool coefficientsCommand(State& s, Reporter& rep);
inline constexpr const char* kNotCalculatedText = "The polynomial was not calculated ";
inline constexpr const char* kCoefficientsCaption = "Coefficients of the fit";

// "save approximation" (layout A) and "save original data+approximation"
// (layout B) into "aproxy.dat"; nothing while fitOn is clear. True when written.
bool saveApproximationCommand(State& s);
bool saveOriginalApproximationCommand(State& s);

// "&De-trending": channel 1 minus the whole fit; "De-trending (only
// polynomial trend)": minus the polynomial terms without the constant. Both
// need fitOn and an open data file, and clear fitOn. True when values changed.
bool detrendCommand(State& s);
bool detrendPolyCommand(State& s);

// "Add colors as chanels use aproxymations": fits every channel and appends
// channels holding fit(j-1) - fit(j). Returns the number of channels added.
int addColorsApproxCommand(State& s, Reporter& rep);

// "Phase -0.5..1.5": toggles its check mark.
void togglePhase0515(State& s);

}  // namespace zyt
