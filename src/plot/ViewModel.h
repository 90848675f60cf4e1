#pragma once
// The view model: value ranges and panel layout, the visible time window,
// the mapping between (time, value) and pixels, and the commands that move
// the window, flip the value axes and switch the three data views.
// Times and values are in the table's units; pixels grow right and down.
#include <string>

#include "core/Reporter.h"
#include "core/State.h"

namespace zyt {

// Names of the three data views (`viewModeName`).
inline constexpr const char* kViewOriginal = "original data";
inline constexpr const char* kViewDifferences = "differencies";
inline constexpr const char* kViewSingle = "single chanel";

// yMin/yMax of channels 1..nChan over all rows (or viewFirst..viewLast when
// rangesVisibleOnly is set, which is then cleared), widened by |error| when
// "even channel is error" is on; a channel without values gets 0..0. Then
// ySpanSum, xSpan = xRight - xLeft, yScale = (H - 30 - 4(nChan-1)) / ySpanSum
// (1 when the sum is 0) for an image H pixels high, and
// panelTop[ch] = panelTop[ch-1] + Trunc(span_ch * yScale) + 4, panelTop[0] = 4.
// An error cell outside the error table is reported and counts as 0.
void computeRanges(State& s, Reporter* rep = nullptr);

// viewFirst..viewLast := the rows with xLeft <= t <= xRight. An empty window
// is moved (right when shiftDir, else widened to the left) until it holds a
// row; a window that cannot move (zero width) falls back to the whole range.
// Clamps curRow into the window and sets Label4 to
// "<n> points <first> to <last>". Nothing while no file was opened.
void computeVisibleWindow(State& s);

// The drawing geometry of a channel-panel drawing: plotLeft 50, plotRight
// W - 11, plotTop/plotBottom from panelTop, xScale, yScale (xSpan 0 -> 1,
// ySpanSum 0 -> 1e-30).
void setDrawingGeometry(State& s);

// Channel ch is drawn with larger values higher when the "Non-Reverse Y
// Axis" mark differs from chanInvertY[ch].
bool uprightChannel(const State& s, int ch);
// Round((t - xLeft) * xScale + plotLeft), halves to even; far-off results
// are clamped to +-1e9 so that they stay representable.
int plotX(const ViewState& v, Extended t);
// Round((yMax - v) * yScale + panelTop[ch-1]) upright, else
// Round((v - yMin) * yScale + panelTop[ch-1]).
int panelY(const State& s, int ch, Extended v);
// The inverses: time of pixel column x; panel of pixel row y (0 when y is
// above panel 1 or below the last) and the value there.
Extended timeAtX(const ViewState& v, int x);
int panelAtY(const State& s, int y);
Extended valueAtY(const State& s, int ch, int y);

// The channel-count selector: a new maximum (the value is clamped into
// 1..max) and a new value. When the value changes and a file is open,
// nChan := value and the ranges are recomputed. Return true when it changed.
bool setSpinMax(State& s, int max);
bool setSpinValue(State& s, int value);

// Window commands. Each returns true when the caller must redraw.
bool zoomIn(State& s);   // half the window around the cursor
bool zoomOut(State& s);  // double it
bool shiftLeft(State& s);
bool shiftRight(State& s);
bool leftEdgeOnCursor(State& s);
bool rightEdgeOnCursor(State& s);
bool centerOnCursor(State& s);
bool togglePhase02(State& s);  // window 0..2, or back to the whole range
bool initialWindow(State& s);  // "Initial": the whole time range
// Axis direction: toggles "Non-Reverse Y Axis", or chanInvertY[curChan];
// both recompute the ranges.
bool toggleMag1(State& s);
bool invertCurrentChannel(State& s);

// The data views. Each rebuilds the caption; true when the caller redraws.
bool showOriginalData(State& s);
bool showDifferences(State& s);
bool showSingleChannel(State& s);

// The view's start values: the controls' start states, "error bar (else
// point)" checked.
void initialiseViewState(State& s);

// What follows every load (Open, reLoad, Add Data, the command line,
// Generate Random, Open periodogram): the selector's maximum and value :=
// lastChan, the ranges, and the window commands enabled.
void afterLoad(State& s);

// True when a file was opened and the table has rows.
bool haveData(const State& s);

}  // namespace zyt
