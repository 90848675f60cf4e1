#pragma once
// Editing commands of the hot keys that work on the table and the cursor:
// deleting and restoring points, rows and channels, interpolation, the
// parabolic extremum, unit switches, the interval file, and cursor walks.
#include <string>

#include "core/Effects.h"
#include "core/Reporter.h"
#include "core/State.h"

namespace zyt {

// Pushes a deleted point; a full stack drops its oldest entry.
void pushUndo(Table& t, int row, int chan, Extended value);

// After a deletion: forward while absent and before viewLast, then back
// while absent and above row 1.
void cursorToPresentPoint(State& s);

Effects deletePoint(State& s);                // Delete
Effects undoDeletion(State& s);               // Ctrl+Z
Effects deleteRow(State& s);                  // Ctrl+Delete
Effects deleteChannel(State& s);              // D (only with more than one channel)
Effects interpolatePoint(State& s);           // V
Effects toggleUnits(State& s, bool convert);  // M (convert) and I
Effects toggleChannelMark(State& s);          // A
Effects spareToChannel2(State& s);            // T
Effects zeroAtLowerRange(State& s);           // Ctrl+Numpad 0

// Insert: the vertex of the parabola through the current point and its
// present neighbours; shows it and appends it to "ext.dat" in `folder`.
Effects parabolicExtremum(State& s, Reporter& rep, const std::string& folder = "");

// Keys 9 and 0: the interval start or end appended to bangFileName.
Effects intervalMark(State& s, bool end);

// Left and Right, with the phase-curve variant while fasecur1 is checked.
Effects cursorLeft(State& s);
Effects cursorRight(State& s);
Effects cursorHome(State& s);
Effects cursorEnd(State& s);
// Up / Down: the visually highest / lowest present point in the window.
Effects cursorHighest(State& s, bool highest);
// Numpad 6/4 (any extremum), 9/7 (peaks as drawn), 3/1 (troughs as drawn).
enum class ExtremumKind { Any, Peak, Trough };
Effects cursorToExtremum(State& s, ExtremumKind kind, bool forward);

}  // namespace zyt
