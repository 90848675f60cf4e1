#include "edit/PointEdits.h"

#include <cmath>

#include "io/Format.h"
#include "io/TextFile.h"
#include "plot/ViewModel.h"

namespace zyt {
namespace {

bool cursorValid(const Table& t) {
    return t.curRow >= 1 && t.curRow <= t.nRows && t.curChan >= 1 && t.curChan <= kMaxChannels;
}

// The other row of the same observation in the doubled phase table.
int twinRow(int row, int n) {
    return row <= n / 2 ? row + n / 2 : row - n / 2;
}

}  // namespace

void pushUndo(Table& t, int row, int chan, Extended value) {
    if (t.undoCount() >= kUndoCapacity) t.undo.erase(t.undo.begin());
    t.undo.push_back({row, chan, value});
}

void cursorToPresentPoint(State& s) {
    Table& t = s.table;
    if (t.nRows < 1 || t.curChan < 1 || t.curChan > kMaxChannels) return;
    t.curRow = std::clamp(t.curRow, 1, t.nRows);
    while (!t.present(t.curRow, t.curChan) && t.curRow < s.view.viewLast && t.curRow < t.nRows)
        ++t.curRow;
    while (!t.present(t.curRow, t.curChan) && t.curRow > 1) --t.curRow;
}

Effects deletePoint(State& s) {
    Table& t = s.table;
    if (!cursorValid(t)) return kNothing;
    pushUndo(t, t.curRow, t.curChan, t.obs(t.curRow, t.curChan));
    t.present(t.curRow, t.curChan) = 0;
    if (s.menu.fasecur1) {
        const int twin = twinRow(t.curRow, t.nRows);
        if (twin >= 1 && twin <= t.nRows) t.present(twin, t.curChan) = 0;
    }
    cursorToPresentPoint(s);
    return kPictureOnly;
}

Effects undoDeletion(State& s) {
    Table& t = s.table;
    while (!t.undo.empty() && t.undo.back().value == 0) t.undo.pop_back();
    if (t.undo.empty()) return kPictureOnly;
    const UndoEntry e = t.undo.back();
    t.undo.pop_back();
    if (e.row < 1 || e.row > t.nRows || e.chan < 1 || e.chan > kMaxChannels) return kPictureOnly;
    t.curRow = e.row;
    t.curChan = e.chan;
    t.obs(e.row, e.chan) = e.value;
    t.present(e.row, e.chan) = 1;
    return kPictureOnly;
}

Effects deleteRow(State& s) {
    Table& t = s.table;
    if (t.curRow < 1 || t.curRow > t.nRows) return kNothing;
    const int oldN = t.nRows;
    const int gone = t.curRow;
    const int last = std::min(t.lastChan, kMaxChannels);
    for (int c = kTimeCol; c <= last; ++c) {
        Extended* v = t.cells.column(c);
        uint8_t* p = t.cells.flagColumn(c);
        for (int r = gone; r < oldN; ++r) {
            v[r] = v[r + 1];
            p[r] = p[r + 1];
        }
    }
    t.nRows = oldN - 1;
    if (s.menu.fasecur1 && t.curChan >= 1 && t.curChan <= kMaxChannels) {
        const int twin = twinRow(gone, oldN);
        if (twin >= 1 && twin <= t.nRows) t.present(twin, t.curChan) = 0;
    }
    for (UndoEntry& e : t.undo) {
        if (e.row == gone)
            e.value = 0;
        else if (e.row > gone)
            --e.row;
    }
    cursorToPresentPoint(s);
    return kPictureOnly;
}

Effects deleteChannel(State& s) {
    Table& t = s.table;
    if (s.view.spinMax <= 1 || t.curChan < 1 || t.curChan > kMaxChannels) return kNothing;
    const int gone = t.curChan;
    for (int c = gone; c < kMaxChannels; ++c) {
        for (int r = 1; r <= t.nRows; ++r) {
            t.obs(r, c) = t.obs(r, c + 1);
            t.present(r, c) = t.present(r, c + 1);
        }
    }
    t.nChan = std::max(t.nChan - 1, 1);
    s.view.spinValue = t.nChan;
    if (t.viewModeName == "original data") t.lastChan -= 1;
    s.view.spinMax -= 1;
    for (UndoEntry& e : t.undo) {
        if (e.chan == gone)
            e.value = 0;
        else if (e.chan > gone)
            --e.chan;
    }
    if (t.curChan > t.nChan) t.curChan = t.nChan;
    return kRangesAndPicture;
}

Effects interpolatePoint(State& s) {
    Table& t = s.table;
    if (!cursorValid(t)) return kNothing;
    const int r0 = t.curRow, c = t.curChan;
    t.interpolated(r0, c) = 0;
    int before[2] = {0, 0}, after[2] = {0, 0};
    for (int r = r0 - 1, k = 0; r >= 1 && k < 2; --r)
        if (t.present(r, c)) before[k++] = r;
    for (int r = r0 + 1, k = 0; r <= t.nRows && k < 2; ++r)
        if (t.present(r, c)) after[k++] = r;
    const Extended t0 = t.obs(r0, kTimeCol);
    Extended v = 0;
    bool made = false;
    if (before[0] && before[1] && after[0] && after[1]) {
        const int rows[4] = {before[0], before[1], after[0], after[1]};
        for (int i = 0; i < 4; ++i) {
            Extended term = t.obs(rows[i], c);
            for (int j = 0; j < 4; ++j) {
                if (j == i) continue;
                term *= (t0 - t.obs(rows[j], kTimeCol)) /
                        (t.obs(rows[i], kTimeCol) - t.obs(rows[j], kTimeCol));
            }
            v += term;
        }
        made = true;
    } else if (before[0] && after[0]) {
        const Extended t1 = t.obs(before[0], kTimeCol), t3 = t.obs(after[0], kTimeCol);
        const Extended y1 = t.obs(before[0], c), y3 = t.obs(after[0], c);
        v = y1 + (y3 - y1) * (t0 - t1) / (t3 - t1);
        made = true;
    }
    if (made) {
        t.obs(r0, c) = v;
        t.interpolated(r0, c) = 1;
    }
    return kPictureOnly;
}

Effects toggleUnits(State& s, bool convert) {
    Table& t = s.table;
    if (convert) {
        for (int c = 1; c <= kMaxChannels; ++c) {
            for (int r = 1; r <= t.nRows; ++r) {
                if (!t.present(r, c)) continue;
                Extended& v = t.obs(r, c);
                v = t.magMode == 1 ? 100 * std::pow(10.0L, -0.4L * v) : -2.5L * std::log10(v / 100);
            }
        }
    }
    t.magMode = t.magMode ? 0 : 1;
    s.menu.mag1 = !s.menu.mag1;
    t.unitName = t.unitName == " magnitude " ? " flux " : " magnitude ";
    return convert ? kRangesAndPicture : kNothing;
}

Effects toggleChannelMark(State& s) {
    Table& t = s.table;
    if (t.curChan < 1 || t.curChan > kMaxChannels) return kNothing;
    uint8_t& m = t.chanUnmarked[std::size_t(t.curChan)];
    m = m ? 0 : 1;
    return kPictureOnly;
}

Effects spareToChannel2(State& s) {
    Table& t = s.table;
    for (int r = 1; r <= t.nRows; ++r) t.obs(r, 2) = t.obs(r, kSpareCol);
    return kNothing;
}

Effects zeroAtLowerRange(State& s) {
    Table& t = s.table;
    if (t.curChan < 1 || t.curChan > kMaxChannels) return kNothing;
    const Extended low = s.view.yMin[std::size_t(t.curChan)];
    for (int r = 1; r <= t.nRows; ++r)
        if (t.obs(r, t.curChan) == low) t.obs(r, t.curChan) = 0;
    return kRangesAndPicture;
}

Effects parabolicExtremum(State& s, Reporter& rep, const std::string& folder) {
    Table& t = s.table;
    if (!cursorValid(t) || t.curRow <= 1 || t.curRow >= t.nRows || !t.present(t.curRow, t.curChan))
        return kNothing;
    const int c = t.curChan;
    int prev = t.curRow - 1;
    while (prev > 1 && !t.present(prev, c)) --prev;
    int next = t.curRow + 1;
    while (next < t.nRows && !t.present(next, c)) ++next;
    Extended x1 = t.obs(prev, kTimeCol), x2 = t.obs(t.curRow, kTimeCol), x3 = t.obs(next, kTimeCol);
    const Extended y1 = t.obs(prev, c), y2 = t.obs(t.curRow, c), y3 = t.obs(next, c);
    const Extended m = (x1 + x2 + x3) / 3;
    x1 -= m;
    x2 -= m;
    x3 -= m;
    const Extended N =
        y1 * (x2 * x2 - x3 * x3) + y2 * (x3 * x3 - x1 * x1) + y3 * (x1 * x1 - x2 * x2);
    const Extended D = y1 * (x2 - x3) + y2 * (x3 - x1) + y3 * (x1 - x2);
    const bool sameTimes = x1 == x2 || x2 == x3 || x1 == x3;
    Extended a = 0;
    if (!sameTimes)
        a = (y3 - ((y2 - y1) * x3 + x2 * y1 - x1 * y2) / (x2 - x1)) / ((x3 - x1) * (x3 - x2));
    if (sameTimes || D == 0 || a == 0 || !std::isfinite(a)) {
        rep.message(
            "no parabolic extremum here: the three points lie on a straight line or share a time");
        return kPictureOnly;
    }
    const Extended xe = m + N / (2 * D);
    const Extended b = (y2 - y1) / (x2 - x1) - a * (x1 + x2);
    const Extended cc = (x2 * y1 - x1 * y2) / (x2 - x1) + a * x1 * x2;
    const Extended ye = (4 * a * cc - b * b) / (4 * a);

    std::string text = "parabolic extremum x_e=" + fmtGeneral(xe) + "\n y_e=" + fmtGeneral(ye);
    std::string line = fmtE23(xe) + " " + fmtE23(ye);
    if (xe > 0) {
        text += "\n1/x_e=" + fmtGeneral(1 / xe) + "\nlg x_e=" + fmtGeneral(std::log10(xe));
        line += " " + fmtE23(1 / xe) + " " + fmtE23(std::log10(xe));
    }
    appendToFile(folder + "ext.dat", line + "\r\n");
    rep.message(text);
    return kPictureOnly;
}

Effects intervalMark(State& s, bool end) {
    Table& t = s.table;
    if (t.curRow < 1 || t.curRow > t.nRows || t.bangFileName.empty()) return kNothing;
    std::string text = fmtI(t.curRow) + " " + fmtF(t.obs(t.curRow, kTimeCol), 11, 5);
    text += end ? "\r\n" : " ";
    appendToFile(t.bangFileName, text);
    return kNothing;
}

namespace {

Effects phaseStep(State& s, bool left) {
    Table& t = s.table;
    const int c = t.curChan;
    auto T = [&](int r) { return t.obs(r, kSpareCol); };
    if (left) {
        if (t.curRow == 1) t.curRow = 2;
        t.curRow = std::min(t.curRow, t.nRows);
        int best = 1;
        for (int j = 1; j <= t.curRow - 1; ++j) {
            if (!t.present(j, c) || !(T(j) < T(t.curRow))) continue;
            if (T(j) >= T(best) || T(best) > T(t.curRow)) best = j;
        }
        t.curRow = best;
    } else {
        if (t.curRow == t.nRows) t.curRow = t.nRows - 1;
        t.curRow = std::max(t.curRow, 1);
        int best = t.nRows;
        for (int j = t.curRow + 1; j <= t.nRows; ++j) {
            if (!t.present(j, c) || !(T(j) > T(t.curRow))) continue;
            if (T(j) < T(best) || T(best) < T(t.curRow)) best = j;
        }
        t.curRow = best;
    }
    t.curRow = std::clamp(t.curRow, 1, t.nRows);
    return kPictureOnly;
}

Effects step(State& s, bool left) {
    Table& t = s.table;
    if (t.nRows < 1 || t.curChan < 1 || t.curChan > kMaxChannels) return kNothing;
    if (s.menu.fasecur1) return phaseStep(s, left);
    ViewState& v = s.view;
    t.curRow = std::clamp(t.curRow, 1, t.nRows);
    if (left) {
        if (t.curRow == 1) {
            t.curRow = t.nRows;
            v.xRight = t.obs(t.nRows, kTimeCol);
            v.xLeft = v.xRight - v.xSpan;
            return kCursorOnly;
        }
        do --t.curRow;
        while (t.curRow > 1 && !t.present(t.curRow, t.curChan));
        if (t.curRow < v.viewFirst) {
            v.xLeft = t.obs(t.curRow, kTimeCol);
            v.xRight = v.xLeft + v.xSpan;
            return kRangesAndPicture;
        }
    } else {
        if (t.curRow == t.nRows) {
            t.curRow = 1;
            v.xLeft = t.obs(1, kTimeCol);
            v.xRight = v.xLeft + v.xSpan;
            return kCursorOnly;
        }
        do ++t.curRow;
        while (t.curRow < t.nRows && !t.present(t.curRow, t.curChan));
        if (t.curRow > v.viewLast) {
            v.xRight = t.obs(t.curRow, kTimeCol);
            v.xLeft = v.xRight - v.xSpan;
            return kRangesAndPicture;
        }
    }
    return kCursorOnly;
}

}  // namespace

Effects cursorLeft(State& s) {
    return step(s, true);
}
Effects cursorRight(State& s) {
    return step(s, false);
}

Effects cursorHome(State& s) {
    if (s.table.nRows < 1) return kNothing;
    s.table.curRow = std::clamp(s.view.viewFirst, 1, s.table.nRows);
    return kCursorOnly;
}

Effects cursorEnd(State& s) {
    if (s.table.nRows < 1) return kNothing;
    s.table.curRow = std::clamp(s.view.viewLast, 1, s.table.nRows);
    return kCursorOnly;
}

Effects cursorHighest(State& s, bool highest) {
    Table& t = s.table;
    if (t.nRows < 1 || t.curChan < 1 || t.curChan > kMaxChannels) return kNothing;
    const int c = t.curChan;
    const int first = std::clamp(s.view.viewFirst, 1, t.nRows);
    const int last = std::clamp(s.view.viewLast, 1, t.nRows);
    const bool wantLargest = highest == uprightChannel(s, c);
    Extended best = wantLargest ? -1e32L : 1e32L;
    int row = first;
    for (int r = first; r <= last; ++r) {
        if (!t.present(r, c)) continue;
        const Extended v = t.obs(r, c);
        if (wantLargest ? v > best : v < best) {
            best = v;
            row = r;
        }
    }
    while (!t.present(row, c) && row < last) ++row;
    t.curRow = row;
    return kRangesAndPicture;
}

Effects cursorToExtremum(State& s, ExtremumKind kind, bool forward) {
    Table& t = s.table;
    if (t.nRows < 1 || t.curChan < 1 || t.curChan > kMaxChannels) return kNothing;
    const int c = t.curChan;
    const bool upright = uprightChannel(s, c);
    auto isMax = [&](int r) {
        return t.obs(r - 1, c) < t.obs(r, c) && t.obs(r, c) > t.obs(r + 1, c);
    };
    auto isMin = [&](int r) {
        return t.obs(r - 1, c) > t.obs(r, c) && t.obs(r, c) < t.obs(r + 1, c);
    };
    auto wanted = [&](int r) {
        switch (kind) {
            case ExtremumKind::Any:
                return isMax(r) || isMin(r);
            case ExtremumKind::Peak:
                return upright ? isMax(r) : isMin(r);
            case ExtremumKind::Trough:
                return upright ? isMin(r) : isMax(r);
        }
        return false;
    };
    int r = t.curRow;
    if (forward) {
        for (r = t.curRow + 1; r < t.nRows; ++r)
            if (r >= 2 && wanted(r)) break;
    } else {
        for (r = t.curRow - 1; r > 1; --r)
            if (r < t.nRows && wanted(r)) break;
    }
    t.curRow = std::clamp(r, 1, t.nRows);
    return kPictureOnly;
}

}  // namespace zyt
