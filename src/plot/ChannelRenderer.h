#pragma once
// The channel-panel drawing: one panel per channel 1..nChan stacked
// downward on a shared time axis, with the frame, the time ticks and labels,
// separators, zero lines, value labels, the data points, error bars, the
// fitted curve with its accuracy band (while fitOn is set), the cursor
// marker and the status line. The picture is view.imageWidth x
// view.imageHeight pixels; the geometry globals of the view are set.
#include <string>

#include "core/State.h"
#include "plot/PlotCanvas.h"

namespace zyt {

// Colours of the drawing (ARGB).
inline constexpr QRgb kBlue = 0xff0000ffu, kRed = 0xffff0000u, kGreen = 0xff008000u,
                      kPurple = 0xff800080u, kBlack = 0xff000000u, kYellow = 0xffffff00u,
                      kWhite = 0xffffffffu;

// The time-axis step: step and "every" (labelled ticks are the multiples of
// every), and the digit count that centres a label.
struct TimeTicks {
    Extended step = 0;
    int every = 5;
    int digits = 0;
};
TimeTicks timeTicks(Extended xSpan);

// Draws everything (nothing when no file name was opened). The cursor-free
// copy is kept in canvas.cursorless.
void drawChannelPanels(State& s, PlotCanvas& canvas);

// The redraw of the plot: the channel panels (the all-in-one drawing joins
// here when it exists).
void Pictures(State& s, PlotCanvas& canvas);

// A cursor move: the cursor-free copy comes back, then the marker and the
// status line of the current point.
void redrawCursor(State& s, PlotCanvas& canvas);

// The status line of the current point (Label8).
std::string statusLine(const State& s);

// The colour period of the phase colouring for the chosen mode.
Extended phaseColourPeriod(const State& s);
// The colour of a row in the phase colouring: blue, red, green, purple,
// black for cycles 0..4 mod 5; `dflt` for a negative remainder.
QRgb phaseColour(Extended timeBeforeFolding, Extended epoch, Extended period, QRgb dflt);

}  // namespace zyt
