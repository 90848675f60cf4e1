#pragma once
// The mouse on the plot: picking the nearest point, deleting a range of
// points or rows with Ctrl, the rubber-band rectangle with Alt, and the
// time and value under the pointer. Pixels are those of the last drawing.
#include <string>
#include <vector>

#include "core/Effects.h"
#include "core/State.h"

namespace zyt {

struct MouseButtons {
    bool ctrl = false;
    bool alt = false;
    bool left = false;  // the left button is held (moves)
};

// curRow/curChan := the present visible point nearest to (mouseX, mouseY):
// in the panel under the pointer, or among all channels with one panel.
void pickNearestPoint(State& s);

// A press at (x, y). Ctrl deletes from the cursor to the pointer (points of
// the same channel, whole rows of another); Alt starts a rectangle.
Effects mousePress(State& s, int x, int y, MouseButtons b);
// Pointer move: Label1/Label2 show the time and value under it; with Alt and
// the left button the rectangle follows it.
Effects mouseMove(State& s, int x, int y, MouseButtons b);
Effects mouseRelease(State& s, int x, int y, MouseButtons b);

// "x1=.. x2=.. y1=.. y2=.." of the selection into Label8.
void showSelection(State& s);

// Alt+arrows: a time edge by 1 (Shift: the left one, else the right one) or
// a value edge by 0.001 (Shift: the upper one, else the lower one).
Effects moveSelectionEdge(State& s, const std::string& arrow, bool shift);

// The line-list dialog's search: the first item that holds the typed text,
// with a blank put in front when the text does not start with one; -1 when
// none does or nothing was typed.
int findLine(const std::vector<std::string>& items, const std::string& typed);

// Alt+S: one line-list entry for the chosen line into "ttt.dat" in folder.
Effects lineListEntry(State& s, const std::string& line, const std::string& folder = "");

}  // namespace zyt
