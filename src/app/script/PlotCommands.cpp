// Batch commands of the view model and the channel-panel drawing, and the
// window's file commands that open what they make (Generate Random, Open
// periodogram). The commands that load a table are wrapped so that, as in
// the window, the ranges and the channel selector follow every load.
#include <memory>

#include "app/script/ScriptRunner.h"
#include "io/DataReader.h"
#include "io/DataWriter.h"
#include "io/Format.h"
#include "io/GenerateRandom.h"
#include "io/NumberParse.h"
#include "plot/ChannelRenderer.h"
#include "plot/ViewModel.h"

namespace zyt {
namespace {

std::string num(long v) {
    return std::to_string(v);
}

using ViewOp = bool (*)(State&);

Extended realWord(const ScriptArgs& a, std::size_t i, const char* what) {
    auto v = parseNumber(a.word(i, what));
    if (!v) throw ScriptError(std::string(what) + " must be a number, not " + a.words[i]);
    return *v;
}

long intWord(const ScriptArgs& a, std::size_t i, const char* what) {
    auto v = parseInteger(a.word(i, what));
    if (!v) throw ScriptError(std::string(what) + " must be a whole number, not " + a.words[i]);
    return *v;
}

void viewInfo(ScriptRunner& r) {
    const State& s = r.state();
    const ViewState& v = s.view;
    const int n = std::clamp(s.table.nChan, 0, kMaxChannels);
    r.infoLine("viewFirst", num(v.viewFirst));
    r.infoLine("viewLast", num(v.viewLast));
    for (int c = 1; c <= n; ++c) {
        r.infoLine("yMin[" + num(c) + "]", fmtG21(v.yMin[std::size_t(c)]));
        r.infoLine("yMax[" + num(c) + "]", fmtG21(v.yMax[std::size_t(c)]));
    }
    for (int c = 0; c <= n; ++c)
        r.infoLine("panelTop[" + num(c) + "]", num(v.panelTop[std::size_t(c)]));
    r.infoLine("ySpanSum", fmtG21(v.ySpanSum));
    r.infoLine("xScale", fmtG21(v.xScale));
    r.infoLine("yScale", fmtG21(v.yScale));
    r.infoLine("plotLeft", num(v.plotLeft));
    r.infoLine("plotRight", num(v.plotRight));
    r.infoLine("plotTop", num(v.plotTop));
    r.infoLine("plotBottom", num(v.plotBottom));
    r.infoLine("imageWidth", num(v.imageWidth));
    r.infoLine("imageHeight", num(v.imageHeight));
    r.infoLine("shiftDir", num(v.shiftDir));
    r.infoLine("singleChan", num(v.singleChan));
    r.infoLine("spinedit1.Value", num(v.spinValue));
    r.infoLine("spinedit1.MaxValue", num(v.spinMax));
    r.infoLine("mag1", num(s.menu.mag1));
    r.infoLine("Phase02", num(v.phase02));
    r.infoLine("pictureSaved", num(v.pictureSaved));
    r.infoLine("symbolName", v.symbolName);
    r.infoLine("symbolSize", num(v.symbolSize));
    r.infoLine("Label4", v.label4);
    r.infoLine("Label8", v.label8);
    for (const auto& [name, on] : v.enabled) r.infoLine("enabled." + name, num(on));
}

}  // namespace

void registerPlotCommands(ScriptRunner& r) {
    auto canvas = std::make_shared<PlotCanvas>();
    auto redraw = [canvas](State& s) { Pictures(s, *canvas); };

    auto wrapLoad = [redraw](ScriptCommand inner) {
        return [inner, redraw](ScriptRunner& x, const ScriptArgs& a) {
            inner(x, a);
            if (!x.state().table.fileList) return;
            afterLoad(x.state());
            redraw(x.state());
        };
    };
    r.addCommand("open", wrapLoad([](ScriptRunner& x, const ScriptArgs& a) {
                     if (a.words.empty()) throw ScriptError("missing file name");
                     openCommand(x.state(), x.reporter(), a.words);
                 }));
    r.addCommand("reload", wrapLoad([](ScriptRunner& x, const ScriptArgs&) {
                     reloadCommand(x.state(), x.reporter());
                 }));
    r.addCommand("add-data", wrapLoad([](ScriptRunner& x, const ScriptArgs& a) {
                     if (a.words.empty()) throw ScriptError("missing file name");
                     addDataCommand(x.state(), x.reporter(), a.words);
                 }));
    r.addCommand("add-channel", wrapLoad([](ScriptRunner& x, const ScriptArgs& a) {
                     addChannelCommand(x.state(), x.reporter(), a.word(0, "file name"));
                 }));
    r.addCommand("generate-random", wrapLoad([](ScriptRunner& x, const ScriptArgs& a) {
                     GenerateRandomParams p;
                     p.pointsText = a.get("points", p.pointsText);
                     p.channelsText = a.get("channels", p.channelsText);
                     p.distribution = int(a.getInt("dist", 0));
                     if (p.distribution != 0 && p.distribution != 1)
                         throw ScriptError("dist must be 0 or 1");
                     const std::string why = p.validate();
                     if (!why.empty()) {
                         x.reporter().message(why);
                         throw ScriptError(why);
                     }
                     generateRandom(x.state(), x.reporter(), p);
                 }));
    r.addCommand("open-periodogram", wrapLoad([](ScriptRunner& x, const ScriptArgs&) {
                     openPeriodogram(x.state(), x.reporter());
                 }));
    r.addCommand("channels", [redraw](ScriptRunner& x, const ScriptArgs& a) {
        if (setSpinValue(x.state(),
                         int(std::clamp<long>(intWord(a, 0, "channel count"), -1000000, 1000000))))
            redraw(x.state());
    });

    r.addCommand("size", [](ScriptRunner& x, const ScriptArgs& a) {
        const long w = intWord(a, 0, "width"), h = intWord(a, 1, "height");
        if (w < 100 || w > 20000 || h < 100 || h > 20000)
            throw ScriptError("size must be 100..20000 pixels each way");
        x.state().view.imageWidth = int(w);
        x.state().view.imageHeight = int(h);
        computeRanges(x.state());
    });
    r.addCommand("picture", [canvas](ScriptRunner& x, const ScriptArgs& a) {
        const std::string& name = a.word(0, "file name");
        if (!x.state().table.fileList) throw ScriptError("no data file is open");
        Pictures(x.state(), *canvas);
        writeImageFile(canvas->picture, name, "PNG");
    });
    r.addCommand("window", [redraw](ScriptRunner& x, const ScriptArgs& a) {
        const Extended left = realWord(a, 0, "left edge"), right = realWord(a, 1, "right edge");
        if (!(left <= right)) throw ScriptError("the left edge must not exceed the right edge");
        ViewState& v = x.state().view;
        v.xLeft = left;
        v.xRight = right;
        v.xSpan = right - left;
        redraw(x.state());
    });
    const std::pair<const char*, ViewOp> ops[] = {
        {"zoom", zoomIn},
        {"unzoom", zoomOut},
        {"shift-left", shiftLeft},
        {"shift-right", shiftRight},
        {"left-edge", leftEdgeOnCursor},
        {"right-edge", rightEdgeOnCursor},
        {"center", centerOnCursor},
        {"phase02", togglePhase02},
        {"mag1", toggleMag1},
        {"invert-channel", invertCurrentChannel},
        {"initial", initialWindow},
    };
    for (const auto& [name, op] : ops) {
        ViewOp f = op;
        r.addCommand(name, [f, redraw](ScriptRunner& x, const ScriptArgs&) {
            if (f(x.state())) redraw(x.state());
        });
    }
    r.addCommand("view", [redraw](ScriptRunner& x, const ScriptArgs& a) {
        const std::string& w = a.word(0, "original, differences or single");
        bool changed;
        if (w == "original")
            changed = showOriginalData(x.state());
        else if (w == "differences")
            changed = showDifferences(x.state());
        else if (w == "single")
            changed = showSingleChannel(x.state());
        else
            throw ScriptError("view must be original, differences or single, not " + w);
        if (changed) redraw(x.state());
    });
    r.addCommand("save-visible", [](ScriptRunner& x, const ScriptArgs& a) {
        saveVisibleDataAs(x.state(), x.reporter(), a.word(0, "file name"));
    });
    r.addCommand("report", [](ScriptRunner& x, const ScriptArgs&) {
        // The report window opens with its labels empty.
        x.infoLine("TForm5", "Отчет о файле");
        for (int i = 1; i <= 4; ++i) x.infoLine("TForm5.Label" + num(i), "");
    });
    r.addInfo(viewInfo);
}

}  // namespace zyt
