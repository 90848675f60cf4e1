#pragma once
// What the fuzz targets share: a check that stops the run with the input
// saved (libFuzzer keeps the input of an abort as a crash artifact), and a
// reset of the state that one fuzzer process reuses for every input.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/State.h"

namespace zyt::fuzz {

inline void check(bool ok, const char* what, const std::string& detail = {}) {
    if (ok) return;
    std::fprintf(stderr, "MISMATCH: %s %s\n", what, detail.c_str());
    std::abort();
}

// The parameters the readers fill, back to a new State's values, and an
// empty table. A State is built once per process: it reserves the address
// space of the whole table, and clearing the rows used so far costs less.
inline void resetState(State& s) {
    Table& t = s.table;
    t.nRows = t.lastChan = t.nChan = 0;
    t.curRow = t.curChan = 0;
    t.undo.clear();
    t.clearAllFlags();
    t.chanUnmarked.fill(0);
    t.chanInvertY.fill(0);
    t.magMode = 0;
    t.dataFileName.clear();
    t.settingsPath.clear();
    t.fileList.reset();
    t.addFileName.clear();
    t.addedFilesText.clear();
    t.decimalSep = '.';
    t.delMarker = "r";
    s.view = ViewState{};
    s.fit = FitModel{};
    s.fitResult = FitResult{};
    s.mouse = MouseState{};
    s.le = LightElements{};
    s.pg = PeriodogramParams{};
    s.red = ReductionState{};
    s.fields.clear();
}

// Every message names the file it is about, in double quotes.
inline bool namesFile(const std::string& message, const std::string& file) {
    return message.find('"' + file + '"') != std::string::npos;
}

}  // namespace zyt::fuzz
