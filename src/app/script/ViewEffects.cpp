// What the batch runner does after a command asked for a recomputation or a
// redraw: the ranges, the visible window, the drawing geometry that a
// drawing of the current size would have and the status line.
#include "app/script/ScriptRunner.h"
#include "plot/ChannelRenderer.h"
#include "plot/ViewModel.h"

namespace zyt {

void registerViewEffects(ScriptRunner& r) {
    r.addEffectHandler([](ScriptRunner& x, const Effects& e) {
        State& s = x.state();
        if (!s.table.fileList) return;
        if (e.ranges) computeRanges(s, &x.reporter());
        if (e.visibleWindow || e.picture) computeVisibleWindow(s);
        if (e.picture) setDrawingGeometry(s);
        // The status line a redraw or a cursor move would show.
        if (e.picture || e.cursor) s.view.label8 = statusLine(s);
    });
}

// Pixel commands need the geometry of a drawing; make one when none was made.
void ensureDrawn(ScriptRunner& r) {
    State& s = r.state();
    if (s.view.plotRight > 0 || !s.table.fileList) return;
    computeRanges(s, &r.reporter());
    computeVisibleWindow(s);
    setDrawingGeometry(s);
}

}  // namespace zyt
