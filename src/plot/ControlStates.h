#pragma once
// Which controls are enabled: at start, after a load, after a drawing and
// after "Clean". The window applies view.enabled to its tool buttons and
// menu items by designer name.
#include "core/State.h"

namespace zyt {

void setStartControls(State& s);
void enableAfterLoad(State& s);
void enableAfterDrawing(State& s);
void disableOnClean(State& s);
// "Add Fig" leaves the window commands disabled until the next drawing.
void disableAfterAddFigure(State& s);

}  // namespace zyt
