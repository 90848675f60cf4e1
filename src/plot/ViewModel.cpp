#include "plot/ViewModel.h"

#include <algorithm>
#include <cmath>

#include "plot/ControlStates.h"

namespace zyt {
namespace {

Extended timeOf(const State& s, int r) {
    return s.table.obs(r, kTimeCol);
}

// First row r in lo..hi with t(r) >= x (hi + 1 when none); rows are sorted.
int firstAtOrAfter(const State& s, int lo, int hi, Extended x) {
    const Extended* t = s.table.cells.column(kTimeCol);
    return int(std::lower_bound(t + lo, t + hi + 1, x) - t);
}
// First row r in lo..hi with t(r) > x (hi + 1 when none).
int firstAfter(const State& s, int lo, int hi, Extended x) {
    const Extended* t = s.table.cells.column(kTimeCol);
    return int(std::upper_bound(t + lo, t + hi + 1, x) - t);
}

bool someRowInside(const State& s, Extended left, Extended right) {
    const int n = s.table.nRows;
    const int r = firstAtOrAfter(s, 1, n, left);
    return r <= n && timeOf(s, r) <= right;
}

// The scan of the window: viewFirst is the first row at or after xLeft (the
// last row when none), viewLast the last row at or before xRight from there.
void scanWindow(State& s) {
    ViewState& v = s.view;
    const int n = s.table.nRows;
    v.viewFirst = std::min(firstAtOrAfter(s, 1, n, v.xLeft), n);
    v.viewLast = firstAfter(s, v.viewFirst, n, v.xRight) - 1;
    if (v.xLeft > timeOf(s, v.viewLast)) v.viewLast = 0;
}

void wholeRange(State& s) {
    ViewState& v = s.view;
    v.xLeft = timeOf(s, 1);
    v.xRight = timeOf(s, s.table.nRows);
    v.xSpan = v.xRight - v.xLeft;
}

// Moves are bounded: a window that makes no progress would otherwise loop
// for ever (a zero width between two rows, or non-finite edges).
constexpr int kMaxMoves = 1000000;

void clampCursor(State& s) {
    Table& t = s.table;
    if (t.curRow > s.view.viewLast) t.curRow = s.view.viewLast;
    if (t.curRow < s.view.viewFirst) t.curRow = s.view.viewFirst;
}

int cursorRow(const State& s) {
    return std::clamp(s.table.curRow, 1, s.table.nRows);
}

void copyChannel(CellTable& to, int toCol, const CellTable& from, int fromCol, int rows) {
    for (int r = 1; r <= rows; ++r) {
        to.value(r, toCol) = from.value(r, fromCol);
        to.flag(r, toCol) = from.flag(r, fromCol);
    }
}

// The single view's channel 1 goes back to its place in the saved table.
void writeBackSingle(State& s) {
    Table& t = s.table;
    const int ch = s.view.singleChan;
    if (ch < 1 || ch > kMaxChannels) return;
    copyChannel(t.aux, ch, t.cells, 1, t.nRows);
    t.aux.noteUsed(t.nRows);
}

void setCaption(State& s) {
    s.caption = titleText(s.table);
}

}  // namespace

void initialiseViewState(State& s) {
    setStartControls(s);
    s.menu.errorbar1 = true;
}

void afterLoad(State& s) {
    s.view.spinMax = std::max(s.table.lastChan, 1);
    s.view.spinValue = std::clamp(s.table.nChan, 1, s.view.spinMax);
    computeRanges(s);
    enableAfterLoad(s);
}

bool haveData(const State& s) {
    return s.table.fileList.has_value() && s.table.nRows >= 1;
}

void computeRanges(State& s, Reporter* rep) {
    Table& t = s.table;
    ViewState& v = s.view;
    const int nChan = std::clamp(t.nChan, 0, kMaxChannels);
    int first = 1, last = t.nRows;
    if (v.rangesVisibleOnly) {
        first = std::max(v.viewFirst, 1);
        last = std::min(v.viewLast, t.nRows);
    }
    const bool withErrors = s.menu.evenchanneliserror1;
    for (int ch = 1; ch <= nChan; ++ch) {
        Extended lo = 1e32L, hi = -1e32L;
        const Extended* val = t.cells.column(ch);
        const uint8_t* here = t.cells.flagColumn(ch);
        for (int r = first; r <= last; ++r) {
            if (!here[r]) continue;
            Extended e = 0;
            if (withErrors) {
                if (r <= t.errRows.rows && ch <= t.errRows.cols && !t.errRows.empty()) {
                    e = std::fabs(t.errRows.at(r, ch));
                } else if (rep) {
                    rep->message("  i=" + std::to_string(r) + "/" + std::to_string(last) +
                                 "  k=" + std::to_string(ch) + "/" + std::to_string(t.lastChan));
                }
            }
            const Extended x = val[r];
            if (lo > x - e) lo = x - e;
            if (!(hi >= x + e)) hi = x + e;
        }
        if (hi < lo) lo = hi = 0;
        v.yMin[std::size_t(ch)] = lo;
        v.yMax[std::size_t(ch)] = hi;
    }
    v.ySpanSum = 0;
    for (int ch = 1; ch <= nChan; ++ch)
        v.ySpanSum += v.yMax[std::size_t(ch)] - v.yMin[std::size_t(ch)];
    v.xSpan = v.xRight - v.xLeft;

    const int available = v.imageHeight - 30;
    v.yScale = v.ySpanSum != 0 ? (available - 4 * (nChan - 1)) / v.ySpanSum : 1;
    v.panelTop[0] = 4;
    for (int ch = 1; ch <= nChan; ++ch) {
        const Extended h = (v.yMax[std::size_t(ch)] - v.yMin[std::size_t(ch)]) * v.yScale;
        v.panelTop[std::size_t(ch)] = v.panelTop[std::size_t(ch - 1)] + int(std::trunc(h)) + 4;
    }
    if (v.allInOne && nChan >= 1) {
        for (int ch = 2; ch <= nChan; ++ch) {
            v.yMax[1] = std::max(v.yMax[1], v.yMax[std::size_t(ch)]);
            v.yMin[1] = std::min(v.yMin[1], v.yMin[std::size_t(ch)]);
        }
        v.ySpanSum = v.yMax[1] - v.yMin[1];
        v.yScale = v.ySpanSum != 0 ? (available - 4) / v.ySpanSum : 1;
        v.panelTop[1] = v.panelTop[0] + int(std::trunc(v.ySpanSum * v.yScale)) + 4;
    }
    v.rangesVisibleOnly = false;
}

void computeVisibleWindow(State& s) {
    if (!s.table.fileList) return;
    ViewState& v = s.view;
    const int n = s.table.nRows;
    if (n < 1) {
        v.viewFirst = 1;
        v.viewLast = 0;
        s.table.curRow = 0;
        v.label4 = "0 points 1 to 0";
        return;
    }
    int moves = 0;
    for (;;) {
        scanWindow(s);
        if (v.viewLast >= v.viewFirst) break;
        const Extended oldLeft = v.xLeft, oldRight = v.xRight;
        v.xLeft += (v.shiftDir ? 1 : -1) * v.xSpan / 2;
        if (v.xLeft > timeOf(s, n)) {
            v.xLeft = timeOf(s, 1);
            v.xRight = v.xLeft + v.xSpan;
        }
        if (timeOf(s, 1) > v.xRight) {
            v.xRight = timeOf(s, n);
            v.xLeft = v.xRight - v.xSpan;
        }
        if ((v.xLeft == oldLeft && v.xRight == oldRight) || ++moves > kMaxMoves) wholeRange(s);
    }
    clampCursor(s);
    v.label4 = std::to_string(v.viewLast - v.viewFirst + 1) + " points " +
               std::to_string(v.viewFirst) + " to " + std::to_string(v.viewLast);
}

void setDrawingGeometry(State& s) {
    ViewState& v = s.view;
    const int nChan = std::clamp(s.table.nChan, 0, kMaxChannels);
    v.plotLeft = 50;
    v.plotRight = v.imageWidth - 11;
    v.plotTop = v.panelTop[0];
    v.plotBottom = v.panelTop[std::size_t(nChan)];
    if (v.xSpan == 0) v.xSpan = 1;
    v.xScale = (v.plotRight - v.plotLeft) / v.xSpan;
    if (v.ySpanSum == 0) v.ySpanSum = 1e-30L;
    v.yScale = (v.plotBottom - v.plotTop - 14 - 4 * nChan) / v.ySpanSum;
}

bool uprightChannel(const State& s, int ch) {
    const bool inv = ch >= 1 && ch <= kMaxChannels && s.table.chanInvertY[std::size_t(ch)] != 0;
    return s.menu.mag1 != inv;
}

namespace {
int roundPixel(Extended p) {
    if (!(p > -1e9L)) return -1000000000;  // NaN too
    if (p > 1e9L) return 1000000000;
    return int(std::rint(p));  // the default rounding mode: halves to even
}
}  // namespace

int plotX(const ViewState& v, Extended t) {
    return roundPixel((t - v.xLeft) * v.xScale + v.plotLeft);
}

int panelY(const State& s, int ch, Extended val) {
    const ViewState& v = s.view;
    const std::size_t c = std::size_t(std::clamp(ch, 1, kMaxChannels));
    const Extended top = v.panelTop[c - 1];
    if (uprightChannel(s, ch)) return roundPixel((v.yMax[c] - val) * v.yScale + top);
    return roundPixel((val - v.yMin[c]) * v.yScale + top);
}

Extended timeAtX(const ViewState& v, int x) {
    return v.xLeft + (x - v.plotLeft) / v.xScale;
}

int panelAtY(const State& s, int y) {
    const int nChan = std::clamp(s.table.nChan, 0, kMaxChannels);
    for (int ch = 1; ch <= nChan; ++ch)
        if (s.view.panelTop[std::size_t(ch - 1)] <= y && y < s.view.panelTop[std::size_t(ch)])
            return ch;
    return 0;
}

Extended valueAtY(const State& s, int ch, int y) {
    const ViewState& v = s.view;
    const std::size_t c = std::size_t(std::clamp(ch, 1, kMaxChannels));
    const Extended d = (y - v.panelTop[c - 1]) / v.yScale;
    return uprightChannel(s, ch) ? v.yMax[c] - d : v.yMin[c] + d;
}

bool setSpinMax(State& s, int max) {
    s.view.spinMax = std::max(max, 1);
    if (s.view.spinValue > s.view.spinMax) return setSpinValue(s, s.view.spinMax);
    return false;
}

bool setSpinValue(State& s, int value) {
    value = std::clamp(value, 1, std::max(s.view.spinMax, 1));
    if (value == s.view.spinValue) return false;
    s.view.spinValue = value;
    if (!s.table.fileList) return false;
    s.table.nChan = value;
    computeRanges(s);
    return true;
}

namespace {
bool zoomBy(State& s, bool in) {
    if (!haveData(s)) return false;
    ViewState& v = s.view;
    v.label4.clear();
    v.pictureSaved = 0;
    const int cur = cursorRow(s);
    s.table.curRow = cur;
    const Extended c = timeOf(s, cur);
    if (in) {
        v.xRight = c + v.xSpan / 4;
        v.xLeft = c - v.xSpan / 4;
        v.xSpan = v.xSpan / 2;
    } else {
        v.xRight = c + v.xSpan;
        v.xLeft = c - v.xSpan;
        v.xSpan = 2 * v.xSpan;
    }
    computeVisibleWindow(s);
    if (v.viewFirst != v.viewLast) {
        if (v.viewFirst == s.table.curRow) {
            v.xLeft = timeOf(s, v.viewFirst);
            v.xRight = v.xLeft + v.xSpan;
        }
        if (v.viewLast == s.table.curRow) {
            v.xRight = timeOf(s, v.viewLast);
            v.xLeft = v.xRight - v.xSpan;
        }
    }
    v.shiftDir = true;
    return true;
}
}  // namespace

bool zoomIn(State& s) {
    return zoomBy(s, true);
}
bool zoomOut(State& s) {
    return zoomBy(s, false);
}

bool shiftLeft(State& s) {
    if (!haveData(s)) return false;
    ViewState& v = s.view;
    const int n = s.table.nRows;
    v.shiftDir = false;
    for (int moves = 0;; ++moves) {
        v.xRight = (v.xRight + v.xLeft) / 2;
        if (timeOf(s, 1) > v.xRight) v.xRight = timeOf(s, n);
        v.xLeft = v.xRight - v.xSpan;
        if (someRowInside(s, v.xLeft, v.xRight)) break;
        if (moves > kMaxMoves) {
            wholeRange(s);
            break;
        }
    }
    return true;
}

bool shiftRight(State& s) {
    if (!haveData(s)) return false;
    ViewState& v = s.view;
    const int n = s.table.nRows;
    v.shiftDir = true;
    for (int moves = 0;; ++moves) {
        v.xLeft = (v.xRight + v.xLeft) / 2;
        v.xRight = v.xLeft + v.xSpan;
        if (timeOf(s, n) < v.xLeft) {
            v.xRight = timeOf(s, n);
            v.xLeft = v.xRight - v.xSpan;
        }
        if (someRowInside(s, v.xLeft, v.xRight)) break;
        if (moves > kMaxMoves) {
            wholeRange(s);
            break;
        }
    }
    return true;
}

bool leftEdgeOnCursor(State& s) {
    if (!haveData(s)) return false;
    ViewState& v = s.view;
    const Extended tc = timeOf(s, cursorRow(s));
    if (!(v.xRight > tc)) return false;
    v.xLeft = tc;
    v.xSpan = v.xRight - v.xLeft;
    return true;
}

bool rightEdgeOnCursor(State& s) {
    if (!haveData(s)) return false;
    ViewState& v = s.view;
    const Extended tc = timeOf(s, cursorRow(s));
    if (!(v.xLeft < tc)) return false;
    v.xRight = tc;
    v.xSpan = v.xRight - v.xLeft;
    return true;
}

bool centerOnCursor(State& s) {
    if (!haveData(s)) return false;
    ViewState& v = s.view;
    const Extended tc = timeOf(s, cursorRow(s));
    if (!(tc > v.xLeft)) return false;
    v.xRight = tc + v.xSpan / 2;
    v.xLeft = tc - v.xSpan / 2;
    return true;
}

bool togglePhase02(State& s) {
    ViewState& v = s.view;
    v.phase02 = !v.phase02;
    if (v.phase02) {
        v.xLeft = 0;
        v.xRight = 2;
    } else if (haveData(s)) {
        v.xLeft = timeOf(s, 1);
        v.xRight = timeOf(s, s.table.nRows);
    }
    v.xSpan = v.xRight - v.xLeft;
    return true;
}

bool initialWindow(State& s) {
    if (!haveData(s)) return false;
    s.view.pictureSaved = 0;
    wholeRange(s);
    return true;
}

bool toggleMag1(State& s) {
    s.menu.mag1 = !s.menu.mag1;
    computeRanges(s);
    return true;
}

bool invertCurrentChannel(State& s) {
    const int ch = s.table.curChan;
    if (ch < 1 || ch > kMaxChannels) return false;
    s.table.chanInvertY[std::size_t(ch)] ^= 1;
    computeRanges(s);
    return true;
}

bool showOriginalData(State& s) {
    Table& t = s.table;
    const std::string before = t.viewModeName;
    if (before == kViewOriginal) return false;
    if (before == kViewSingle) {
        writeBackSingle(s);
        t.curChan = s.view.singleChan;
    }
    t.restoreFromAux();
    setSpinMax(s, t.lastChan);
    t.nChan = t.lastChan;
    if (before == kViewDifferences) setSpinValue(s, s.view.spinValue + 1);
    if (before == kViewSingle) setSpinValue(s, t.nChan);
    computeRanges(s);
    t.viewModeName = kViewOriginal;
    setCaption(s);
    return true;
}

bool showDifferences(State& s) {
    Table& t = s.table;
    const std::string before = t.viewModeName;
    if (before == kViewDifferences || t.lastChan <= 1) return false;
    if (before == kViewOriginal) t.backupToAux();
    if (before == kViewSingle) writeBackSingle(s);
    for (int j = 1; j <= kMaxChannels - 1; ++j) {
        for (int r = 1; r <= t.nRows; ++r) {
            if (t.presentAux(r, j) && t.presentAux(r, j + 1)) {
                t.obs(r, j) = t.obsAux(r, j) - t.obsAux(r, j + 1);
                t.present(r, j) = 1;
            } else {
                t.present(r, j) = 0;
            }
        }
    }
    t.nChan = t.lastChan - 1;
    s.view.spinMax = t.lastChan - 1;
    s.view.spinValue = t.lastChan - 1;
    t.viewModeName = kViewDifferences;
    computeRanges(s);
    setCaption(s);
    return true;
}

bool showSingleChannel(State& s) {
    Table& t = s.table;
    if (t.viewModeName != kViewSingle && haveData(s)) {
        ViewState& v = s.view;
        v.singleChan = std::clamp(t.curChan, 1, kMaxChannels);
        if (t.viewModeName == kViewOriginal) t.backupToAux();
        copyChannel(t.cells, 1, t.aux, v.singleChan, t.nRows);
        t.curChan = 1;
        v.spinValue = 1;
        v.spinMax = 1;
        t.nChan = 1;
        t.viewModeName = kViewSingle;
        // The ranges follow the extracted channel even when the selector
        // already stood at 1 (its change would not have fired).
        computeRanges(s);
    }
    setCaption(s);
    return true;
}

}  // namespace zyt
