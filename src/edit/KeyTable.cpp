#include "edit/KeyTable.h"

#include <map>

#include "edit/Mouse.h"
#include "edit/PointEdits.h"
#include "edit/Transforms.h"
#include "fit/ApproximationCommands.h"
#include "io/DataReader.h"
#include "plot/ViewModel.h"

namespace zyt {

namespace {

const std::map<std::string, int>& vkCodes() {
    static const std::map<std::string, int> m = [] {
        std::map<std::string, int> v = {
            {"Backspace", 8}, {"Tab", 9},       {"Enter", 13},    {"Esc", 27},
            {"Space", 32},    {"PageUp", 33},   {"PageDown", 34}, {"End", 35},
            {"Home", 36},     {"Left", 37},     {"Up", 38},       {"Right", 39},
            {"Down", 40},     {"Insert", 45},   {"Delete", 46},   {"Numpad*", 106},
            {"Numpad+", 107}, {"Numpad-", 109}, {"Numpad.", 110}, {"Numpad/", 111},
            {";", 186},       {"=", 187},       {",", 188},       {"-", 189},
            {".", 190},       {"/", 191},       {"`", 192},       {"[", 219},
            {"\\", 220},      {"]", 221},       {"'", 222},
        };
        for (char c = '0'; c <= '9'; ++c) v[std::string(1, c)] = c;
        for (char c = 'A'; c <= 'Z'; ++c) v[std::string(1, c)] = c;
        for (int i = 0; i <= 9; ++i) v["Numpad" + std::to_string(i)] = 96 + i;
        for (int i = 1; i <= 12; ++i) v["F" + std::to_string(i)] = 111 + i;
        return v;
    }();
    return m;
}

std::string canonicalKey(std::string k) {
    if (k.size() == 1 && k[0] >= 'a' && k[0] <= 'z') k[0] = char(k[0] - 'a' + 'A');
    static const std::map<std::string, std::string> aliases = {
        {"Escape", "Esc"},         {"Del", "Delete"},          {"Ins", "Insert"},
        {"space", "Space"},        {"Backslash", "\\"},        {"NumpadMultiply", "Numpad*"},
        {"NumpadPlus", "Numpad+"}, {"NumpadMinus", "Numpad-"}, {"NumpadDivide", "Numpad/"},
        {"Return", "Enter"},
    };
    auto it = aliases.find(k);
    return it == aliases.end() ? k : it->second;
}

}  // namespace

std::optional<KeyPress> parseKeyName(const std::string& text) {
    KeyPress k;
    std::size_t start = 0;
    for (;;) {
        const std::size_t plus = text.find('+', start);
        if (plus == std::string::npos || plus + 1 >= text.size()) break;  // "Numpad+" keeps its '+'
        const std::string mod = text.substr(start, plus - start);
        if (mod == "Ctrl")
            k.mods |= ModCtrl;
        else if (mod == "Alt")
            k.mods |= ModAlt;
        else if (mod == "Shift")
            k.mods |= ModShift;
        else
            break;
        start = plus + 1;
    }
    k.key = canonicalKey(text.substr(start));
    if (virtualKeyCode(k.key) == 0) return std::nullopt;
    return k;
}

int virtualKeyCode(const std::string& key) {
    auto it = vkCodes().find(key);
    return it == vkCodes().end() ? 0 : it->second;
}

char typedChar(const KeyPress& k) {
    if (k.mods & (ModCtrl | ModAlt)) return 0;
    const std::string& n = k.key;
    const bool shift = k.mods & ModShift;
    if (n.size() == 1) {
        const char c = n[0];
        if (c >= 'A' && c <= 'Z') return shift ? c : char(c - 'A' + 'a');
        if (c >= '0' && c <= '9') return c;
        if (std::string("[]\\;=,-./`'").find(c) != std::string::npos) return c;
        return 0;
    }
    if (n == "Space") return ' ';
    if (n.rfind("Numpad", 0) == 0 && n.size() == 7) return n[6];
    return 0;
}

Effects typeCharacter(State& s, char c) {
    Table& t = s.table;
    s.caption = t.dataFileName + t.viewModeName + t.unitName + std::string(1, c);
    if (!t.fileList) return kNothing;
    if (c == ' ') {
        // The channel spin edit is set to 2 (within its range).
        const int v = std::clamp(2, 1, std::max(s.view.spinMax, 1));
        t.nChan = s.view.spinValue = v;
        return kRangesAndPicture;
    }
    return kPictureOnly;
}

void KeyTable::bind(const std::string& key, unsigned mods, KeyHandler h) {
    for (Binding& b : bindings_) {
        if (b.key == key && b.mods == mods) {
            b.handler = std::move(h);
            return;
        }
    }
    bindings_.push_back({key, mods, std::move(h)});
}

bool KeyTable::has(const std::string& key, unsigned mods) const {
    return find(KeyPress{key, mods}) != nullptr;
}

const KeyTable::Binding* KeyTable::find(const KeyPress& k) const {
    // The binding that needs the most of the held modifiers wins; one that
    // needs none acts when no other applies.
    const Binding* best = nullptr;
    int bestBits = -1;
    for (const Binding& b : bindings_) {
        if (b.key != k.key || (k.mods & b.mods) != b.mods) continue;
        const int bits = __builtin_popcount(b.mods);
        if (bits > bestBits) {
            best = &b;
            bestBits = bits;
        }
    }
    return best;
}

namespace {

Effects redrawIf(bool changed) {
    return changed ? kPictureOnly : kNothing;
}

Effects showEverything(State& s) {
    Table& t = s.table;
    if (t.nRows < 1) return kNothing;
    setTimeWindowToTable(s);
    s.view.rangesVisibleOnly = false;
    return kRangesAndPicture;
}

Effects rangesOfVisibleRows(State& s) {
    s.view.rangesVisibleOnly = true;
    return kRangesAndPicture;
}

Effects zoomToSelection(State& s) {
    MouseState& m = s.mouse;
    if (!m.selectionReady) return kNothing;
    s.view.xLeft = std::min(m.selX1, m.selX2);
    s.view.xRight = std::max(m.selX1, m.selX2);
    s.view.xSpan = s.view.xRight - s.view.xLeft;
    computeVisibleWindow(s);
    s.view.rangesVisibleOnly = true;
    m.selectionReady = false;
    m.bandShown = false;
    return kRangesAndPicture;
}

Effects equalScales(State& s) {
    ViewState& v = s.view;
    if (v.yScale == 0) return kNothing;
    v.xScale = v.yScale;
    v.xSpan = (v.plotRight - v.plotLeft) / v.xScale;
    return kPictureOnly;
}

// Ctrl+Up / Ctrl+Down: the previous / next channel; in the single-channel
// view the shown channel is swapped through the backup table.
Effects changeChannel(State& s, bool up) {
    Table& t = s.table;
    if (t.viewModeName == "single chanel") {
        const int sc = std::clamp(s.view.singleChan, 1, kMaxChannels);
        for (int r = 1; r <= t.nRows; ++r) {
            t.obsAux(r, sc) = t.obs(r, 1);
            t.presentAux(r, sc) = t.present(r, 1);
        }
        const int last = std::clamp(t.lastChan, 1, kMaxChannels);
        int next = up ? sc - 1 : sc + 1;
        if (next < 1) next = last;
        if (next > last) next = 1;
        s.view.singleChan = next;
        for (int r = 1; r <= t.nRows; ++r) {
            t.obs(r, 1) = t.obsAux(r, next);
            t.present(r, 1) = t.presentAux(r, next);
        }
    } else {
        const int n = std::clamp(t.nChan, 1, kMaxChannels);
        int next = up ? t.curChan - 1 : t.curChan + 1;
        if (next < 1) next = n;
        if (next > n) next = 1;
        t.curChan = next;
    }
    if (t.nRows >= 1 && t.curChan >= 1 && t.curChan <= kMaxChannels) {
        t.curRow = std::clamp(t.curRow, 1, t.nRows);
        while (!t.present(t.curRow, t.curChan) && t.curRow < s.view.viewLast && t.curRow < t.nRows)
            ++t.curRow;
    }
    return kRangesAndPicture;
}

}  // namespace

void KeyTable::bindViewKeys() {
    auto on = [this](const char* key, unsigned mods, Effects (*f)(State&)) {
        bind(key, mods, [f](KeyContext& c) { return f(c.state); });
    };
    on("[", ModNone, [](State& s) { return redrawIf(leftEdgeOnCursor(s)); });
    on("]", ModNone, [](State& s) { return redrawIf(rightEdgeOnCursor(s)); });
    on("E", ModNone, [](State& s) { return redrawIf(centerOnCursor(s)); });
    on("Numpad+", ModNone, [](State& s) { return redrawIf(zoomIn(s)); });
    on("Numpad-", ModNone, [](State& s) { return redrawIf(zoomOut(s)); });
    on("R", ModNone, showEverything);
    on("7", ModNone, rangesOfVisibleRows);
    on("8", ModNone, zoomToSelection);
    on("N", ModNone, equalScales);
    on("Numpad/", ModCtrl, [](State& s) { return redrawIf(invertCurrentChannel(s)); });
    on("Numpad/", ModNone, [](State& s) { return redrawIf(toggleMag1(s)); });
    on("Up", ModCtrl, [](State& s) { return changeChannel(s, true); });
    on("Down", ModCtrl, [](State& s) { return changeChannel(s, false); });
    struct Arrow {
        const char* name;
        Effects (*plain)(State&);
    };
    const Arrow arrows[] = {{"Left", cursorLeft},
                            {"Right", cursorRight},
                            {"Up", [](State& s) { return cursorHighest(s, true); }},
                            {"Down", [](State& s) { return cursorHighest(s, false); }}};
    for (const Arrow& a : arrows) {
        for (bool shift : {false, true}) {
            bind(a.name, ModAlt | (shift ? ModShift : 0u), [a, shift](KeyContext& c) {
                // Without a selection the arrow acts as it does without Alt.
                if (!c.state.mouse.selectionReady) return a.plain(c.state);
                return moveSelectionEdge(c.state, a.name, shift);
            });
        }
    }
    bind("S", ModAlt, [](KeyContext& c) {
        if (!c.state.mouse.selectionReady || !c.chooseLine) return kNothing;
        const auto line = c.chooseLine();
        if (!line) return kNothing;
        return lineListEntry(c.state, *line, c.resultFolder);
    });
}

Effects KeyTable::press(KeyContext& ctx, const KeyPress& k) const {
    State& s = ctx.state;
    Table& t = s.table;
    Effects e;
    if (t.fileList) {
        if (!t.fileList->empty()) {
            const std::string& first = t.fileList->front();
            t.bangFileName = (first.empty() ? first : first.substr(0, first.size() - 1)) + "!";
        }
        if (const Binding* b = find(k)) e = b->handler(ctx);
    }
    s.caption = std::string(kProgramTitle) + t.dataFileName + " " + t.viewModeName + " " +
                t.unitName + std::to_string(virtualKeyCode(k.key));
    if (const char c = typedChar(k)) e |= typeCharacter(s, c);
    return e;
}

KeyTable::KeyTable() {
    auto on = [this](const char* key, unsigned mods, Effects (*f)(State&)) {
        bind(key, mods, [f](KeyContext& c) { return f(c.state); });
    };
    on("Delete", ModNone, deletePoint);
    on("Delete", ModCtrl, deleteRow);
    on("Z", ModCtrl, undoDeletion);
    on("Z", ModNone, [](State& s) { return addOneFromCursor(s, -1, true); });
    on("Q", ModNone, [](State& s) { return addOneFromCursor(s, +1, true); });
    on("W", ModNone, [](State& s) { return addOneFromCursor(s, +1, false); });
    on("X", ModNone, [](State& s) { return addOneFromCursor(s, -1, false); });
    on("Numpad*", ModNone, dayToCycle);
    on("\\", ModNone, negateTime);
    on("D", ModNone, deleteChannel);
    on("V", ModNone, interpolatePoint);
    on("M", ModNone, [](State& s) { return toggleUnits(s, true); });
    on("I", ModNone, [](State& s) { return toggleUnits(s, false); });
    on("A", ModNone, toggleChannelMark);
    on("T", ModNone, spareToChannel2);
    on("Numpad0", ModCtrl, zeroAtLowerRange);
    on("9", ModNone, [](State& s) { return intervalMark(s, false); });
    on("0", ModNone, [](State& s) { return intervalMark(s, true); });
    on("Left", ModNone, cursorLeft);
    on("Right", ModNone, cursorRight);
    on("Home", ModNone, cursorHome);
    on("End", ModNone, cursorEnd);
    on("Up", ModNone, [](State& s) { return cursorHighest(s, true); });
    on("Down", ModNone, [](State& s) { return cursorHighest(s, false); });
    on("Numpad6", ModNone, [](State& s) { return cursorToExtremum(s, ExtremumKind::Any, true); });
    on("Numpad4", ModNone, [](State& s) { return cursorToExtremum(s, ExtremumKind::Any, false); });
    on("Numpad9", ModNone, [](State& s) { return cursorToExtremum(s, ExtremumKind::Peak, true); });
    on("Numpad7", ModNone, [](State& s) { return cursorToExtremum(s, ExtremumKind::Peak, false); });
    on("Numpad3", ModNone,
       [](State& s) { return cursorToExtremum(s, ExtremumKind::Trough, true); });
    on("Numpad1", ModNone,
       [](State& s) { return cursorToExtremum(s, ExtremumKind::Trough, false); });
    bindViewKeys();
    bind("Insert", ModNone,
         [](KeyContext& c) { return parabolicExtremum(c.state, c.rep, c.resultFolder); });
    bind("P", ModNone, [](KeyContext& c) {
        hotKeyP(c.state, c.rep);
        return kPictureOnly;
    });
    bind("K", ModNone, [](KeyContext& c) {
        hotKeyK(c.state);
        return kNothing;
    });
    bind("Esc", ModNone, [](KeyContext& c) {
        if (c.exitQuestion) c.exitQuestion();
        return kNothing;
    });
}

}  // namespace zyt
