#pragma once
// Commands that rewrite the observation table in place: row filters, value
// arithmetic, time transforms, the channel split, the sigma filter and the
// channel marks. Each returns the recomputation and redraw it needs.
//
// Unless a command says otherwise it changes values, never presence flags,
// and changes a value whether its cell is present or not. A row is complete
// when every shown channel 1..nChan is present in it.
#include <optional>
#include <string>

#include "core/Effects.h"
#include "core/Reporter.h"
#include "core/State.h"

namespace zyt {

// "&Remove lines with zero": keep complete rows (whole rows move), through
// obsAux; nCompleteRows := their number; the undo stack is emptied.
Effects removeLinesWithZero(State& s);
// "leave only complete sets": the same rows, in place; undo entries follow
// their rows and those of removed rows are dropped.
Effects leaveOnlyCompleteSets(State& s);
// "Zero is bad point": an exact 0 in channels 1..lastChan becomes absent.
Effects zeroIsBadPoint(State& s);
// "&Inverse Sign": v := -v in channels 1..lastChan.
Effects inverseSign(State& s);
// "+1/-1 from current point to the start/end" (keys Q, W, Z, X): rows
// 1..curRow or curRow..nRows of curChan; nothing unless the cursor is valid.
Effects addOneFromCursor(State& s, int delta, bool toStart);

Effects magToIntensity(State& s);  // v := 10^(-0.4 v), current channel
Effects intensityToMag(State& s);  // v := -2.5 lg v where v > 0, else absent
Effects lgChannels(State& s, bool allChannels);
Effects pow10Channels(State& s, bool allChannels);

// The "Linear Transform" dialog: y[T] := b*y[T] + a + c*y[k].
struct LinearTransformFields {
    std::string edit1 = "0";  // a
    std::string edit2 = "1";  // b
    std::string edit3 = "0";  // c
    std::string edit4 = "1";  // k: 0 = time, 1..20 = channel
    bool checkBox1 = true;    // all points (else the cursor row)
    bool checkBox2 = true;    // current channel (else the time)
    // Checking the channel box unchecks "all points".
    void setCheckBox2(bool on) {
        checkBox2 = on;
        if (on) checkBox1 = false;
    }
};
struct LinearTransform {
    Extended a = 0, b = 1, c = 0;
    int k = 1;
    bool allRows = true;
    bool currentChannel = true;
};
// Ok of the dialog: the separators become decimalSep in the fields, then all
// four must parse (k a whole number 0..20), else the reason and no change.
std::optional<LinearTransform> acceptLinearTransform(LinearTransformFields& f, char decimalSep,
                                                     std::string* whyNot = nullptr);
Effects linearTransform(State& s, const LinearTransform& p);

// "Split channel by signal": values of curChan above `boundary` move to a new
// channel curChan+1 (the later channels shift up); nChan grows by one. With
// 20 channels shown it refuses with a message and changes nothing.
Effects splitChannelBySignal(State& s, Reporter& rep, Extended boundary);

Effects dayToCycle(State& s);  // t := 1/t (0 stays), the window kept, re-sorted
Effects negateTime(State& s);  // t := -t, re-sorted
Effects lgTime(State& s);      // t := lg t where t > 0, not re-sorted
Effects nsvsTime(State& s);    // t := t + 50000.5, nothing else
Effects swapTimeAndFirst(State& s);

Effects markAll(State& s);      // chanUnmarked := 0 for 1..nChan
Effects unmarkAll(State& s);    // := 1
Effects invertMarks(State& s);  // toggled
Effects toggleLinesForUnmarked(State& s);

// Ok of "Form37": in the packed value/error layout, points whose error is
// below the limit become absent. A text that does not parse changes nothing.
Effects sigmaFilter(State& s, std::string limitText);

}  // namespace zyt
