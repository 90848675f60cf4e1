// Batch commands of the data files, the settings and the table itself.
#include <cstdio>

#include "app/script/ScriptRunner.h"
#include "io/DataReader.h"
#include "io/DataWriter.h"
#include "io/Format.h"
#include "io/NumberParse.h"
#include "io/Settings.h"
#include "plot/ViewModel.h"

namespace zyt {
namespace {

std::string g21(Extended x) {
    return fmtG21(x);
}
std::string num(long v) {
    return std::to_string(v);
}

bool onOff(const ScriptArgs& a) {
    const std::string& w = a.word(0, "on or off");
    if (w == "on" || w == "1") return true;
    if (w == "off" || w == "0") return false;
    throw ScriptError("expected on or off, not " + w);
}

void needFiles(const ScriptArgs& a) {
    if (a.words.empty()) throw ScriptError("missing file name");
}

void tableInfo(ScriptRunner& r) {
    const State& s = r.state();
    const Table& t = s.table;
    r.infoLine("nRows", num(t.nRows));
    r.infoLine("lastChan", num(t.lastChan));
    r.infoLine("nChan", num(t.nChan));
    r.infoLine("curRow", num(t.curRow));
    r.infoLine("curChan", num(t.curChan));
    r.infoLine("magMode", num(t.magMode));
    r.infoLine("undoCount", num(t.undoCount()));
    r.infoLine("openAsk", num(s.openAsk));
    for (int c = 1; c <= kMaxChannels; ++c) {
        r.infoLine("chanUnmarked[" + num(c) + "]", num(t.chanUnmarked[std::size_t(c)]));
        r.infoLine("chanInvertY[" + num(c) + "]", num(t.chanInvertY[std::size_t(c)]));
    }
    r.infoLine("dataFileName", t.dataFileName);
    r.infoLine("settingsPath", t.settingsPath);
    if (t.fileList) {
        r.infoLine("fileList.count", num(long(t.fileList->size())));
        for (std::size_t i = 0; i < t.fileList->size(); ++i)
            r.infoLine("fileList[" + num(long(i + 1)) + "]", (*t.fileList)[i]);
    } else {
        r.infoLine("fileList.count", "absent");
    }
    r.infoLine("addFileName", t.addFileName);
    r.infoLine("addedFilesText", t.addedFilesText);
    r.infoLine("bangFileName", t.bangFileName);
    r.infoLine("viewModeName", t.viewModeName);
    r.infoLine("unitName", t.unitName);
    r.infoLine("decimalSep", std::string(1, t.decimalSep));
    r.infoLine("delMarker", t.delMarker);
    r.infoLine("caption", s.caption);
    r.infoLine("appTitle", s.appTitle);
    r.infoLine("evenchanneliserror1", num(s.menu.evenchanneliserror1));
    r.infoLine("errPadded", num(s.writer.errPadded));
    r.infoLine("errRows.rows", num(t.errRows.empty() ? 0 : t.errRows.rows));
    r.infoLine("errRows.cols", num(t.errRows.empty() ? 0 : t.errRows.cols));
    r.infoLine("writeFirstRow", num(s.writer.writeFirstRow));
    r.infoLine("writeLastRow", num(s.writer.writeLastRow));
    r.infoLine("saveFileName", s.writer.saveFileName);
    r.infoLine("RedSetComp", s.menu.redSetCompCaption);
}

void settingsInfo(ScriptRunner& r) {
    const State& s = r.state();
    const ReductionState& d = s.red;
    r.infoLine("compChan", num(d.compChan));
    r.infoLine("compMag", g21(d.compMag));
    r.infoLine("leEpoch", g21(s.le.leEpoch));
    r.infoLine("lePeriod", g21(s.le.lePeriod));
    r.infoLine("leQ", g21(s.le.leQ));
    r.infoLine("runMeanN", num(d.runMeanN));
    r.infoLine("runMeanMaxGap", g21(d.runMeanMaxGap));
    r.infoLine("nIntervals", num(d.nIntervals));
    r.infoLine("starRA", g21(d.starRA));
    r.infoLine("starDec", g21(d.starDec));
    r.infoLine("siteLon", g21(d.siteLon));
    r.infoLine("siteLat", g21(d.siteLat));
    const FitParams& p = s.fit;
    r.infoLine("polyDeg", num(p.polyDeg));
    r.infoLine("fitPeriod1", g21(p.fitPeriod1));
    r.infoLine("trigDeg1", num(p.trigDeg1));
    r.infoLine("fitPeriod2", g21(p.fitPeriod2));
    r.infoLine("trigDeg2", num(p.trigDeg2));
    r.infoLine("fitPeriod3", g21(p.fitPeriod3));
    r.infoLine("trigDeg3", num(p.trigDeg3));
    r.infoLine("fitOmega1", g21(p.fitOmega1));
    r.infoLine("fitOmega2", g21(p.fitOmega2));
    r.infoLine("fitOmega3", g21(p.fitOmega3));
    const PeriodogramParams& g = s.pg;
    r.infoLine("pgMinPeriod", g21(g.pgMinPeriod));
    r.infoLine("pgMaxPeriod", g21(g.pgMaxPeriod));
    r.infoLine("pgTrendDeg", num(g.pgTrendDeg));
    r.infoLine("pgTrigDeg", num(g.pgTrigDeg));
    r.infoLine("pgNFreq", num(g.pgNFreq));
    r.infoLine("twoPi", g21(kTwoPi));
    for (int c = 1; c <= kMaxChannels; ++c) {
        const std::size_t i = std::size_t(c);
        if (d.chanMean[i] == 0 && d.compWeight[i] == 0) continue;
        r.infoLine("chanMean[" + num(c) + "]", g21(d.chanMean[i]));
        r.infoLine("compWeight[" + num(c) + "]", g21(d.compWeight[i]));
    }
    r.infoLine("xLeft", g21(s.view.xLeft));
    r.infoLine("xRight", g21(s.view.xRight));
    r.infoLine("xSpan", g21(s.view.xSpan));
    for (const auto& [name, text] : s.fields) r.infoLine(name, text);
}

void dump(ScriptRunner& r, const ScriptArgs& a) {
    const Table& t = r.state().table;
    const long chans = a.getInt("chans", t.nChan);
    if (chans < 0 || chans > kMaxChannels)
        throw ScriptError("chans must be 0.." + num(kMaxChannels));
    const bool spare = a.getFlag("spare", false);
    std::string out = "rows " + num(t.nRows) + "\n";
    auto cell = [&](Extended v, bool here) {
        out.push_back(' ');
        if (!here) out.push_back('~');
        out += g21(v);
    };
    for (int row = 1; row <= t.nRows; ++row) {
        out += num(row) + " " + g21(t.obs(row, kTimeCol));
        if (spare) cell(t.obs(row, kSpareCol), true);
        for (int c = 1; c <= chans; ++c) cell(t.obs(row, c), t.present(row, c) != 0);
        out.push_back('\n');
        if (out.size() > (1u << 20)) {
            r.out() << out;
            out.clear();
        }
    }
    r.out() << out;
}

void setChannels(State& s, long n) {
    Table& t = s.table;
    if (!t.fileList) return;
    // The spin edit keeps its value within 1..lastChan.
    long v = std::min<long>(n, t.lastChan);
    v = std::max<long>(v, 1);
    t.nChan = int(v);
}

}  // namespace

void initialiseState(State& s) {
    // What the first activation of the main window sets.
    s.table.decimalSep = probeDecimalSep();
    s.table.delMarker = "r";
    s.caption = kProgramTitle;
    initialiseViewState(s);
}

void registerTableCommands(ScriptRunner& r) {
    r.addCommand("open", [](ScriptRunner& x, const ScriptArgs& a) {
        needFiles(a);
        if (openCommand(x.state(), x.reporter(), a.words)) x.applyEffects(kRangesAndPicture);
    });
    r.addCommand("reload", [](ScriptRunner& x, const ScriptArgs&) {
        if (reloadCommand(x.state(), x.reporter())) x.applyEffects(kRangesAndPicture);
    });
    r.addCommand("add-data", [](ScriptRunner& x, const ScriptArgs& a) {
        needFiles(a);
        if (addDataCommand(x.state(), x.reporter(), a.words)) x.applyEffects(kRangesAndPicture);
    });
    r.addCommand("add-channel", [](ScriptRunner& x, const ScriptArgs& a) {
        if (addChannelCommand(x.state(), x.reporter(), a.word(0, "file name")))
            x.applyEffects(kRangesAndPicture);
    });
    r.addCommand("save", [](ScriptRunner& x, const ScriptArgs& a) {
        saveDataAs(x.state(), x.reporter(), a.word(0, "file name"));
    });
    r.addCommand("save-current", [](ScriptRunner& x, const ScriptArgs& a) {
        saveCurrentChannel(x.state(), x.reporter(), a.word(0, "file name"));
    });
    r.addCommand("split-files", [](ScriptRunner& x, const ScriptArgs&) {
        splitIntoFiles(x.state(), x.reporter());
    });
    r.addCommand("errors", [](ScriptRunner& x, const ScriptArgs& a) {
        setErrorColumns(x.state(), onOff(a));
    });
    r.addCommand("marker", [](ScriptRunner& x, const ScriptArgs& a) {
        setDelMarker(x.state(), a.word(0, "marker text"));
    });
    r.addCommand("save-settings", [](ScriptRunner& x, const ScriptArgs&) { saveini(x.state()); });
    r.addCommand("load-settings", [](ScriptRunner& x, const ScriptArgs&) { loadini(x.state()); });
    r.addCommand("save-weights", [](ScriptRunner& x, const ScriptArgs& a) {
        saveWeightsFile(x.state(), a.word(0, "file name"));
    });
    r.addCommand("open-weights", [](ScriptRunner& x, const ScriptArgs& a) {
        openWeightsFile(x.state(), a.word(0, "file name"));
    });
    r.addCommand("cursor", [](ScriptRunner& x, const ScriptArgs& a) {
        Table& t = x.state().table;
        const long row = a.getInt("row", t.curRow);
        const long chan = a.getInt("chan", t.curChan);
        if (row < 1 || row > t.nRows) throw ScriptError("row must be 1.." + num(t.nRows));
        if (chan < 1 || chan > t.nChan) throw ScriptError("chan must be 1.." + num(t.nChan));
        t.curRow = int(row);
        t.curChan = int(chan);
    });
    r.addCommand("channels", [](ScriptRunner& x, const ScriptArgs& a) {
        auto n = parseInteger(a.word(0, "channel count"));
        if (!n) throw ScriptError("channel count must be a whole number");
        setChannels(x.state(), *n);
        x.applyEffects(kRangesAndPicture);
    });
    r.addCommand("info", [](ScriptRunner& x, const ScriptArgs&) { x.printInfo(); });
    r.addCommand("dump", dump);
    r.addInfo(tableInfo);
    r.addInfo(settingsInfo);
}

}  // namespace zyt
