#include "edit/Mouse.h"

#include <cmath>

#include "edit/PointEdits.h"
#include "io/Format.h"
#include "io/TextFile.h"
#include "plot/ViewModel.h"

namespace zyt {
namespace {

long long sq(long long d) {
    return d * d;
}

long long distanceTo(const State& s, int r, int c, int x, int y) {
    const Table& t = s.table;
    return sq(plotX(s.view, t.obs(r, kTimeCol)) - x) + sq(panelY(s, c, t.obs(r, c)) - y);
}

// The panel a pixel row belongs to: counting down from below the last panel,
// the first whose top is at or above the row; below the last panel the last.
int panelOfRow(const State& s, int y) {
    const int n = std::clamp(s.table.nChan, 1, kMaxChannels);
    const int from = s.view.allInOne ? 1 : n;
    for (int c = from; c >= 2; --c)
        if (s.view.panelTop[std::size_t(c - 1)] <= y) return c;
    return 1;
}

void updateSelection(State& s, int x, int y) {
    MouseState& m = s.mouse;
    m.movingX = x;
    m.movingY = y;
    m.bandShown = true;
    const int left = std::min(m.fixedX, m.movingX), right = std::max(m.fixedX, m.movingX);
    const int lower = std::max(m.fixedY, m.movingY), upper = std::min(m.fixedY, m.movingY);
    m.selY1 = std::trunc(valueAtY(s, panelOfRow(s, lower), lower) * 1000) / 1000;
    m.selY2 = std::trunc(valueAtY(s, panelOfRow(s, upper), upper) * 1000) / 1000;
    m.selX1 = std::trunc(timeAtX(s.view, left));
    m.selX2 = std::trunc(timeAtX(s.view, right));
    m.selectionReady = true;
    showSelection(s);
}

bool rowVisible(const State& s, int r) {
    return r >= s.view.viewFirst && r <= s.view.viewLast;
}

// Ctrl + press: from the cursor to the point under the pointer.
void deleteRange(State& s, int r0, int c0) {
    Table& t = s.table;
    const int r1 = t.curRow, c1 = t.curChan;
    int start;
    Extended tEnd;
    if (r0 < r1) {
        start = r0;
        tEnd = timeAtX(s.view, s.mouse.mouseX);
    } else {
        start = r1;
        tEnd = t.obs(r0, kTimeCol);
    }
    t.curRow = start;
    // Each step deletes one row or point; the walk only goes forward and
    // ends when the cursor would fall back before the range.
    for (int guard = t.nRows + 1; guard > 0 && t.nRows > 0; --guard) {
        if (t.curRow < start || t.curRow > t.nRows) break;
        const Extended tc = t.obs(t.curRow, kTimeCol);
        if (c1 != c0) {
            if (!(tc <= tEnd) || !rowVisible(s, t.curRow)) break;
            deleteRow(s);
        } else {
            if (!(tc <= tEnd) || !(tc <= s.view.xRight)) break;
            if (!t.present(t.curRow, t.curChan)) break;
            deletePoint(s);
        }
    }
}

}  // namespace

void pickNearestPoint(State& s) {
    Table& t = s.table;
    const MouseState& m = s.mouse;
    t.curRow = s.view.viewFirst;
    t.curChan = 1;
    const int n = std::clamp(t.nChan, 0, kMaxChannels);
    if (t.nRows >= 1 && n >= 1) {
        const int first = std::max(s.view.viewFirst, 1), last = std::min(s.view.viewLast, t.nRows);
        // With panels only the panel under the pointer takes part; with one
        // panel every channel does (earlier channel and row win on a tie).
        int from = 1, to = n;
        if (!s.view.allInOne && n > 1) {
            from = to = 1;
            for (int k = n; k >= 2; --k) {
                if (s.view.panelTop[std::size_t(k - 1)] < m.mouseY) {
                    from = to = k;
                    break;
                }
            }
            t.curChan = from;
        }
        long long best = distanceTo(s, 1, from, m.mouseX, m.mouseY);
        for (int c = from; c <= to; ++c) {
            for (int r = first; r <= last; ++r) {
                if (!t.present(r, c)) continue;
                const long long d = distanceTo(s, r, c, m.mouseX, m.mouseY);
                if (d < best) {
                    best = d;
                    t.curRow = r;
                    t.curChan = c;
                }
            }
        }
    }
    s.caption = std::string(kProgramTitle) + t.dataFileName + " " + t.viewModeName + t.unitName;
}

Effects mousePress(State& s, int x, int y, MouseButtons b) {
    if (!s.table.fileList) return kNothing;
    MouseState& m = s.mouse;
    m.mouseX = x;
    m.mouseY = y;
    if (b.alt) {
        m.fixedX = m.movingX = x;
        m.fixedY = m.movingY = y;
        m.bandShown = true;
        return kNothing;
    }
    Effects e;
    if (b.ctrl) {
        const int r0 = s.table.curRow, c0 = s.table.curChan;
        pickNearestPoint(s);
        deleteRange(s, r0, c0);
        e = kPictureOnly;
    }
    pickNearestPoint(s);
    e.cursor = true;
    return e;
}

Effects mouseMove(State& s, int x, int y, MouseButtons b) {
    if (s.table.dataFileName.empty() || s.view.yScale == 0) return kNothing;
    if (b.alt && b.left) {
        updateSelection(s, x, y);
        return kNothing;
    }
    const int c = panelOfRow(s, y);
    s.view.label1 = fmtFixedPrec(timeAtX(s.view, x), 11, 5);
    s.view.label2 = fmtFixedPrec(valueAtY(s, c, y), 15, 7);
    return kNothing;
}

Effects mouseRelease(State& s, int x, int y, MouseButtons b) {
    if (!s.table.fileList || !b.alt) return kNothing;
    updateSelection(s, x, y);
    return kNothing;
}

void showSelection(State& s) {
    const MouseState& m = s.mouse;
    s.view.label8 = "x1=" + fmtGeneral(m.selX1) + " x2=" + fmtGeneral(m.selX2) +
                    " y1=" + fmtGeneral(m.selY1) + " y2=" + fmtGeneral(m.selY2);
}

Effects moveSelectionEdge(State& s, const std::string& arrow, bool shift) {
    MouseState& m = s.mouse;
    if (!m.selectionReady) return kNothing;
    if (arrow == "Left" || arrow == "Right") {
        const int d = arrow == "Left" ? -1 : 1;
        Extended& edge = shift ? m.selX1 : m.selX2;
        edge += d;
        int& leftPx = m.fixedX <= m.movingX ? m.fixedX : m.movingX;
        int& rightPx = m.fixedX <= m.movingX ? m.movingX : m.fixedX;
        (shift ? leftPx : rightPx) = plotX(s.view, edge);
    } else {
        const bool up = arrow == "Up";
        const Extended step = (up == uprightChannel(s, 1)) ? 0.001L : -0.001L;
        Extended& edge = shift ? m.selY2 : m.selY1;
        edge += step;
        int& upperPx = m.fixedY <= m.movingY ? m.fixedY : m.movingY;
        int& lowerPx = m.fixedY <= m.movingY ? m.movingY : m.fixedY;
        (shift ? upperPx : lowerPx) = panelY(s, 1, edge);
    }
    showSelection(s);
    return kNothing;
}

int findLine(const std::vector<std::string>& items, const std::string& typed) {
    if (typed.empty()) return -1;
    const std::string needle = typed.front() == ' ' ? typed : " " + typed;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].find(needle) != std::string::npos) return int(i);
    return -1;
}

Effects lineListEntry(State& s, const std::string& line, const std::string& folder) {
    MouseState& m = s.mouse;
    m.selectionReady = false;
    std::string text = line.substr(0, 8) + "\r\n";
    std::string rest = line.size() > 8 ? line.substr(8) : std::string();
    // The fields of the rest become comma-separated: a comma after every
    // word that a blank follows (the word itself is kept).
    std::string out;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        out.push_back(rest[i]);
        if (i + 2 < rest.size() && rest[i] != ' ' && rest[i + 1] == ' ') out.push_back(',');
    }
    const Extended vmax = std::max(m.selY1, m.selY2), vmin = std::min(m.selY1, m.selY2);
    text += out + ", " + fmtF(m.selX1, 5, 0) + ", " + fmtF(m.selX2, 5, 0) + ", " +
            fmtF(vmax, 6, 3) + ", " + fmtF(vmin, 6, 3) + ", 1.0\r\n\r\n";
    appendToFile(folder + "ttt.dat", text);
    return kPictureOnly;
}

}  // namespace zyt
