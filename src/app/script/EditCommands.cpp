// Batch commands of the data transforms.
#include "app/script/ScriptRunner.h"
#include "edit/KeyTable.h"
#include "edit/Mouse.h"
#include "edit/Transforms.h"
#include "io/Format.h"
#include "io/NumberParse.h"

namespace zyt {
namespace {

using Simple = Effects (*)(State&);

void simple(ScriptRunner& r, const char* name, Simple f) {
    r.addCommand(name, [f](ScriptRunner& x, const ScriptArgs&) { x.applyEffects(f(x.state())); });
}

}  // namespace

void registerEditCommands(ScriptRunner& r) {
    simple(r, "remove-zero-lines", removeLinesWithZero);
    simple(r, "complete-sets", leaveOnlyCompleteSets);
    simple(r, "zero-bad", zeroIsBadPoint);
    simple(r, "inverse-sign", inverseSign);
    simple(r, "plus1-start", [](State& s) { return addOneFromCursor(s, +1, true); });
    simple(r, "plus1-end", [](State& s) { return addOneFromCursor(s, +1, false); });
    simple(r, "minus1-start", [](State& s) { return addOneFromCursor(s, -1, true); });
    simple(r, "minus1-end", [](State& s) { return addOneFromCursor(s, -1, false); });
    simple(r, "mag2int", magToIntensity);
    simple(r, "int2mag", intensityToMag);
    simple(r, "lg-current", [](State& s) { return lgChannels(s, false); });
    simple(r, "lg-all", [](State& s) { return lgChannels(s, true); });
    simple(r, "pow10-current", [](State& s) { return pow10Channels(s, false); });
    simple(r, "pow10-all", [](State& s) { return pow10Channels(s, true); });
    simple(r, "day2cycle", dayToCycle);
    simple(r, "negate-time", negateTime);
    simple(r, "lg-time", lgTime);
    simple(r, "nsvs", nsvsTime);
    simple(r, "swap-xt", swapTimeAndFirst);
    simple(r, "mark-all", markAll);
    simple(r, "unmark-all", unmarkAll);
    simple(r, "invert-marks", invertMarks);
    simple(r, "lines-unmarked", toggleLinesForUnmarked);

    // The dialog's fields as typed, then Ok; a refused dialog is an error.
    r.addCommand("linear", [](ScriptRunner& x, const ScriptArgs& a) {
        LinearTransformFields f;
        f.edit1 = a.get("a", f.edit1);
        f.edit2 = a.get("b", f.edit2);
        f.edit3 = a.get("c", f.edit3);
        f.edit4 = a.get("k", f.edit4);
        f.checkBox1 = a.getFlag("all", f.checkBox1);
        f.checkBox2 = a.getFlag("current", f.checkBox2);
        std::string why;
        const auto p = acceptLinearTransform(f, x.state().table.decimalSep, &why);
        if (!p) throw ScriptError("Linear Transform: " + why);
        x.applyEffects(linearTransform(x.state(), *p));
    });
    r.addCommand("split-channel", [](ScriptRunner& x, const ScriptArgs& a) {
        if (x.state().table.dataFileName.empty()) return;
        const std::string text = a.get("boundary", x.state().editDialogs.form35Edit1);
        const Extended b = a.getReal("boundary", 0);
        x.state().editDialogs.form35Edit1 = text;
        x.applyEffects(splitChannelBySignal(x.state(), x.reporter(), b));
    });
    r.addCommand("sigma-filter", [](ScriptRunner& x, const ScriptArgs& a) {
        x.applyEffects(sigmaFilter(x.state(), a.get("limit", x.state().editDialogs.form37Edit1)));
    });
    r.addCommand("key", [](ScriptRunner& x, const ScriptArgs& a) {
        const std::string& name = a.word(0, "key name");
        const auto k = parseKeyName(name);
        if (!k) throw ScriptError("unknown key " + name);
        KeyContext ctx{x.state(), x.reporter(), {}, {}, ""};
        // The line-list dialog answered by line="..." (no line: Cancel).
        if (a.has("line")) {
            const std::string line = a.get("line");
            ctx.chooseLine = [line]() -> std::optional<std::string> { return line; };
        }
        x.applyEffects(x.keys().press(ctx, *k));
    });
    auto mouse = [](Effects (*f)(State&, int, int, MouseButtons)) {
        return [f](ScriptRunner& x, const ScriptArgs& a) {
            ensureDrawn(x);
            auto px = [&](std::size_t i, const char* what) {
                const auto v = parseInteger(a.word(i, what));
                if (!v) throw ScriptError(std::string(what) + " must be a whole number of pixels");
                return int(*v);
            };
            MouseButtons b;
            b.ctrl = a.getFlag("ctrl", false);
            b.alt = a.getFlag("alt", false);
            b.left = a.getFlag("button", false);
            x.applyEffects(f(x.state(), px(0, "X"), px(1, "Y"), b));
        };
    };
    r.addCommand("click", mouse(mousePress));
    r.addCommand("move", mouse(mouseMove));
    r.addCommand("release", mouse(mouseRelease));
    r.addInfo([](ScriptRunner& x) {
        const State& s = x.state();
        x.infoLine("nCompleteRows", std::to_string(s.red.nCompleteRows));
        x.infoLine("linesforUnMarkchanel1", std::to_string(int(s.view.linesForUnmarked)));
        x.infoLine("spinMax", std::to_string(s.view.spinMax));
        const MouseState& m = s.mouse;
        x.infoLine("mouseX", std::to_string(m.mouseX));
        x.infoLine("mouseY", std::to_string(m.mouseY));
        x.infoLine("selectionReady", std::to_string(int(m.selectionReady)));
        x.infoLine("selX1", fmtG21(m.selX1));
        x.infoLine("selX2", fmtG21(m.selX2));
        x.infoLine("selY1", fmtG21(m.selY1));
        x.infoLine("selY2", fmtG21(m.selY2));
        const Table& t = s.table;
        const bool onCell =
            t.curRow >= 1 && t.curRow <= t.nRows && t.curChan >= 1 && t.curChan <= kMaxChannels;
        x.infoLine("interpolated",
                   onCell ? std::to_string(int(t.interpolated(t.curRow, t.curChan))) : "0");
        // The top entries of the undo stack, the newest first.
        const int shown = std::min(t.undoCount(), 10);
        for (int i = 0; i < shown; ++i) {
            const UndoEntry& e = t.undo[std::size_t(t.undoCount() - 1 - i)];
            x.infoLine(
                "undo[" + std::to_string(t.undoCount() - i) + "]",
                std::to_string(e.row) + " " + std::to_string(e.chan) + " " + fmtG21(e.value));
        }
    });
}

}  // namespace zyt
