#include "edit/Transforms.h"

#include <cmath>

#include "io/DataReader.h"
#include "io/NumberParse.h"

namespace zyt {
namespace {

constexpr Effects kValuesChanged{true, true, false, true};       // ranges, fit off, picture
constexpr Effects kValuesChangedWindow{true, true, true, true};  // ... and the visible window

bool complete(const Table& t, int r) {
    for (int c = 1; c <= std::min(t.nChan, kMaxChannels); ++c)
        if (!t.present(r, c)) return false;
    return true;
}

int lastChanCol(const Table& t) {
    return std::min(t.lastChan, kMaxChannels);
}
int nChanCol(const Table& t) {
    return std::min(t.nChan, kMaxChannels);
}
bool cursorChannelValid(const Table& t) {
    return t.curChan >= 1 && t.curChan <= kMaxChannels;
}

// Rows `keep` (ascending) become rows 1..n, whole (all columns with flags).
void keepRows(Table& t, const std::vector<int>& keep) {
    const int n = int(keep.size());
    for (int c = kSpareCol; c <= kMaxChannels; ++c) {
        Extended* v = t.cells.column(c);
        uint8_t* p = t.cells.flagColumn(c);
        for (int i = 0; i < n; ++i) {
            v[i + 1] = v[keep[std::size_t(i)]];
            p[i + 1] = p[keep[std::size_t(i)]];
        }
    }
    t.nRows = n;
}

std::vector<int> completeRows(const Table& t) {
    std::vector<int> keep;
    for (int r = 1; r <= t.nRows; ++r)
        if (complete(t, r)) keep.push_back(r);
    return keep;
}

// The window shows the same rows after 1/x or -x reversed their order.
Effects reverseTimeAndSort(State& s, Extended (*f)(Extended)) {
    Table& t = s.table;
    for (int r = 1; r <= t.nRows; ++r) t.obs(r, kTimeCol) = f(t.obs(r, kTimeCol));
    if (t.nRows >= 1) {
        const int last = std::clamp(s.view.viewLast, 1, t.nRows);
        const int first = std::clamp(s.view.viewFirst, 1, t.nRows);
        s.view.xLeft = t.obs(last, kTimeCol);
        s.view.xRight = t.obs(first, kTimeCol);
    }
    sortByTime(t);
    s.view.xSpan = s.view.xRight - s.view.xLeft;
    return kPictureOnly;
}

}  // namespace

Effects removeLinesWithZero(State& s) {
    Table& t = s.table;
    t.undo.clear();
    const std::vector<int> keep = completeRows(t);
    s.red.nCompleteRows = int(keep.size());
    const int nc = nChanCol(t);
    for (std::size_t i = 0; i < keep.size(); ++i) {
        const int to = int(i) + 1;
        t.aux.noteUsed(to);
        for (int c = kTimeCol; c <= nc; ++c) {
            t.obsAux(to, c) = t.obs(keep[i], c);
            t.presentAux(to, c) = t.present(keep[i], c);
        }
    }
    keepRows(t, keep);
    if (t.curRow > t.nRows) t.curRow = t.nRows;
    return kRangesAndPicture;
}

Effects leaveOnlyCompleteSets(State& s) {
    Table& t = s.table;
    const std::vector<int> keep = completeRows(t);
    remapUndo(t, keep);
    keepRows(t, keep);
    if (t.curRow > t.nRows) t.curRow = t.nRows;
    return kRangesAndPicture;
}

Effects zeroIsBadPoint(State& s) {
    Table& t = s.table;
    for (int c = 1; c <= lastChanCol(t); ++c)
        for (int r = 1; r <= t.nRows; ++r)
            if (t.obs(r, c) == 0) t.present(r, c) = 0;
    return kRangesAndPicture;
}

Effects inverseSign(State& s) {
    Table& t = s.table;
    for (int c = 1; c <= lastChanCol(t); ++c)
        for (int r = 1; r <= t.nRows; ++r) t.obs(r, c) = -t.obs(r, c);
    return kRangesAndPicture;
}

Effects addOneFromCursor(State& s, int delta, bool toStart) {
    Table& t = s.table;
    if (t.curRow >= 1 && t.curRow <= t.nRows && t.curChan >= 1 && t.curChan <= t.lastChan) {
        const int from = toStart ? 1 : t.curRow;
        const int to = toStart ? t.curRow : t.nRows;
        for (int r = from; r <= to; ++r) t.obs(r, t.curChan) += delta;
    }
    return kRangesAndPicture;
}

Effects magToIntensity(State& s) {
    Table& t = s.table;
    if (!cursorChannelValid(t)) return kValuesChanged;
    for (int r = 1; r <= t.nRows; ++r)
        t.obs(r, t.curChan) = std::pow(10.0L, -0.4L * t.obs(r, t.curChan));
    return kValuesChanged;
}

Effects intensityToMag(State& s) {
    Table& t = s.table;
    if (!cursorChannelValid(t)) return kValuesChanged;
    for (int r = 1; r <= t.nRows; ++r) {
        Extended& v = t.obs(r, t.curChan);
        if (v > 0)
            v = -2.5L * std::log10(v);
        else
            t.present(r, t.curChan) = 0;
    }
    return kValuesChanged;
}

namespace {
template <class F>
void eachChosenChannel(Table& t, bool all, F&& f) {
    if (all) {
        for (int c = 1; c <= nChanCol(t); ++c) f(c);
    } else if (cursorChannelValid(t)) {
        f(t.curChan);
    }
}
}  // namespace

Effects lgChannels(State& s, bool allChannels) {
    Table& t = s.table;
    eachChosenChannel(t, allChannels, [&](int c) {
        for (int r = 1; r <= t.nRows; ++r) {
            if (t.present(r, c) && t.obs(r, c) > 0)
                t.obs(r, c) = std::log10(t.obs(r, c));
            else
                t.present(r, c) = 0;
        }
    });
    return kValuesChangedWindow;
}

Effects pow10Channels(State& s, bool allChannels) {
    Table& t = s.table;
    eachChosenChannel(t, allChannels, [&](int c) {
        for (int r = 1; r <= t.nRows; ++r)
            if (t.present(r, c)) t.obs(r, c) = std::pow(10.0L, t.obs(r, c));
    });
    return kValuesChangedWindow;
}

std::optional<LinearTransform> acceptLinearTransform(LinearTransformFields& f, char decimalSep,
                                                     std::string* whyNot) {
    for (std::string* e : {&f.edit1, &f.edit2, &f.edit3, &f.edit4})
        for (char& ch : *e)
            if (ch == '.' || ch == ',') ch = decimalSep;
    auto refuse = [&](const std::string& why) -> std::optional<LinearTransform> {
        if (whyNot) *whyNot = why;
        return std::nullopt;
    };
    const auto a = parseNumber(f.edit1, decimalSep);
    const auto b = parseNumber(f.edit2, decimalSep);
    const auto c = parseNumber(f.edit3, decimalSep);
    const auto k = parseInteger(f.edit4);
    if (!a) return refuse("a \"" + f.edit1 + "\" is not a number");
    if (!b) return refuse("b \"" + f.edit2 + "\" is not a number");
    if (!c) return refuse("c \"" + f.edit3 + "\" is not a number");
    if (!k) return refuse("k \"" + f.edit4 + "\" is not a whole number");
    if (*k < 0 || *k > kMaxChannels) return refuse("k must name a column 0..20");
    return LinearTransform{*a, *b, *c, int(*k), f.checkBox1, f.checkBox2};
}

Effects linearTransform(State& s, const LinearTransform& p) {
    Table& t = s.table;
    const int T = p.currentChannel ? t.curChan : kTimeCol;
    if (T < 0 || T > kMaxChannels || p.k < 0 || p.k > kMaxChannels) return kRangesAndPicture;
    auto apply = [&](int r) {
        const Extended old = t.obs(r, T);
        const Extended second = t.obs(r, p.k);
        t.obs(r, T) = p.b * old + p.a + p.c * second;
    };
    if (p.allRows) {
        for (int r = 1; r <= t.nRows; ++r) apply(r);
    } else if (t.curRow >= 1 && t.curRow <= t.nRows) {
        apply(t.curRow);
    }
    return kRangesAndPicture;
}

Effects splitChannelBySignal(State& s, Reporter& rep, Extended boundary) {
    Table& t = s.table;
    if (t.dataFileName.empty()) return kNothing;
    if (t.nChan >= kMaxChannels) {
        rep.message("no free channel for the split");
        return kNothing;
    }
    if (t.curChan < 1 || t.curChan > t.nChan) return kNothing;
    const int cur = t.curChan;
    for (int c = t.nChan; c >= cur + 1; --c) {
        for (int r = 1; r <= t.nRows; ++r) {
            t.obs(r, c + 1) = t.obs(r, c);
            t.present(r, c + 1) = t.present(r, c);
        }
    }
    t.nChan += 1;
    for (int r = 1; r <= t.nRows; ++r) {
        if (t.obs(r, cur) > boundary) {
            t.obs(r, cur + 1) = t.obs(r, cur);
            t.present(r, cur + 1) = t.present(r, cur);
            t.present(r, cur) = 0;
        } else {
            t.present(r, cur + 1) = 0;
        }
    }
    return Effects{true, false, true, true};
}

Effects dayToCycle(State& s) {
    return reverseTimeAndSort(s, [](Extended x) { return x != 0 ? 1 / x : x; });
}

Effects negateTime(State& s) {
    return reverseTimeAndSort(s, [](Extended x) { return -x; });
}

Effects lgTime(State& s) {
    Table& t = s.table;
    for (int r = 1; r <= t.nRows; ++r)
        if (t.obs(r, kTimeCol) > 0) t.obs(r, kTimeCol) = std::log10(t.obs(r, kTimeCol));
    setTimeWindowToTable(s);
    return kValuesChangedWindow;
}

Effects nsvsTime(State& s) {
    Table& t = s.table;
    for (int r = 1; r <= t.nRows; ++r) t.obs(r, kTimeCol) += 50000.5L;
    return kNothing;
}

Effects swapTimeAndFirst(State& s) {
    Table& t = s.table;
    for (int r = 1; r <= t.nRows; ++r) std::swap(t.obs(r, kTimeCol), t.obs(r, 1));
    sortByTime(t);
    setTimeWindowToTable(s);
    return kRangesAndPicture;
}

Effects markAll(State& s) {
    for (int c = 1; c <= nChanCol(s.table); ++c) s.table.chanUnmarked[std::size_t(c)] = 0;
    return kPictureOnly;
}

Effects unmarkAll(State& s) {
    for (int c = 1; c <= nChanCol(s.table); ++c) s.table.chanUnmarked[std::size_t(c)] = 1;
    return kPictureOnly;
}

Effects invertMarks(State& s) {
    for (int c = 1; c <= nChanCol(s.table); ++c) {
        uint8_t& m = s.table.chanUnmarked[std::size_t(c)];
        m = m ? 0 : 1;
    }
    return kPictureOnly;
}

Effects toggleLinesForUnmarked(State& s) {
    s.view.linesForUnmarked = !s.view.linesForUnmarked;
    return kNothing;
}

Effects sigmaFilter(State& s, std::string limitText) {
    Table& t = s.table;
    for (char& ch : limitText)
        if (ch == '.' || ch == ',') ch = t.decimalSep;
    s.editDialogs.form37Edit1 = limitText;
    const auto limit = parseNumber(limitText, t.decimalSep);
    if (!limit || t.errRows.empty()) return kNothing;
    const int chans = std::min(t.lastChan, t.errRows.cols);
    const int rows = std::min(t.nRows, t.errRows.rows);
    for (int k = 1; k <= chans; ++k)
        for (int r = 1; r <= rows; ++r)
            if (*limit > Extended(t.errRows.at(r, k))) t.present(r, k) = 0;
    return kNothing;
}

}  // namespace zyt
