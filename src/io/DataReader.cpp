#include "io/DataReader.h"

#include <algorithm>
#include <optional>

#include "core/Errors.h"
#include "io/Format.h"
#include "io/LineTokenizer.h"
#include "io/Settings.h"
#include "io/TextFile.h"

namespace zyt {
namespace {

bool isDataLine(std::string_view line) {
    if (line.empty()) return false;
    const char c = line[0];
    return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == ' ' || c == '+' || c == '-';
}

enum class ReadMode { NewChannels, AddData };

struct ReadOutcome {
    int firstNewRow = 0;  // N + 1
    bool single = true;   // no value landed in a channel
};

std::string companionName(const State& s) {
    return s.table.dataFileName + ".log";
}

// Lines that are not data lines are skipped silently, but a file that gave
// no row at all (binary, a wrong file) is said.
std::string noDataText(const std::string& file) {
    return "File \"" + file + "\" holds no data line that could be read";
}

std::string rowLimitText(const std::string& file) {
    return "File \"" + file + "\": the table holds at most " + std::to_string(kRowCapacity) +
           " rows; the lines after that were not read";
}

std::string columnLimitText(const std::string& file) {
    return "File \"" + file + "\": at most " + std::to_string(kMaxChannels) +
           " channels can be held; the columns beyond channel " + std::to_string(kMaxChannels) +
           " were not read";
}

// Reads the data lines of one file as new rows. `first` is the channel of the
// first value column; `afterAbsentTime` the column an "r" in the time
// position sends the following values to.
ReadOutcome readRows(State& s, Reporter& rep, LineReader& in, const std::string& fileName,
                     ReadMode mode, int first, int afterAbsentTime) {
    Table& t = s.table;
    ReadOutcome out;
    out.firstNewRow = t.nRows + 1;
    const char point = t.decimalSep;
    std::string buf;
    bool rowLimitSaid = false, colLimitSaid = false;
    std::string_view raw;
    while (in.next(raw)) {
        if (!isDataLine(raw)) continue;
        if (t.nRows >= kRowCapacity) {
            if (!rowLimitSaid) rep.message(rowLimitText(fileName));
            rowLimitSaid = true;
            break;
        }
        const int r = ++t.nRows;
        t.noteRowUsed(r);
        for (int c = kSpareCol; c <= kMaxChannels; ++c) t.present(r, c) = 0;

        buf.assign(raw.data(), raw.size());
        for (char& ch : buf) {
            if (ch == '.' || ch == ',')
                ch = point;
            else if (ch == '\t' && mode == ReadMode::NewChannels)
                ch = ' ';
        }
        int k = 0;  // 0 = the time is still to come
        bool overflow = false;
        tokenizeLine(buf, point, [&](const LineField& f) {
            if (k == 0) {
                if (f.absent) {
                    k = afterAbsentTime;
                } else {
                    t.obs(r, kTimeCol) = f.value;
                    k = first;
                }
                return;
            }
            if (k > kMaxChannels) {
                overflow = true;
                return;
            }
            if (!f.absent) {
                t.obs(r, k) = f.value;
                t.present(r, k) = 1;
            }
            ++k;
            out.single = false;
        });
        if (overflow && !colLimitSaid) {
            rep.message(columnLimitText(fileName));
            colLimitSaid = true;
        }
        if (k == 0) {
            --t.nRows;  // not even a time was read
            continue;
        }
        if (k - 1 > t.lastChan) t.lastChan = std::min(k - 1, kMaxChannels);
    }
    return out;
}

// The ".log" companion of the main data file, consumed from its beginning
// for the new rows and channels first..lastChan. A '0' makes the cell
// absent. It can only take away: a cell that got no value from its line stays
// absent, and cells beyond the companion's end keep what their line gave.
// A companion that does not hold one flag per cell is said, naming both files.
void applyCompanion(State& s, Reporter& rep, const std::string& fileName, int firstRow,
                    int firstChan, const std::optional<std::string>& flags) {
    if (!flags) return;
    Table& t = s.table;
    std::size_t pos = 0;
    for (int r = firstRow; r <= t.nRows && pos < flags->size(); ++r) {
        for (int c = firstChan; c <= t.lastChan && pos < flags->size(); ++c) {
            if ((*flags)[pos++] == '0') t.present(r, c) = 0;
        }
    }
    const std::size_t rows = std::size_t(std::max(t.nRows - firstRow + 1, 0));
    const std::size_t chans = std::size_t(std::max(t.lastChan - firstChan + 1, 0));
    const std::size_t cells = rows * chans;
    if (flags->size() == cells) return;
    std::string text = "File \"" + companionName(s) + "\" holds " + std::to_string(flags->size()) +
                       " flags for the " + std::to_string(cells) + " values read from \"" +
                       fileName + "\"";
    text += flags->size() < cells ? "; the values without a flag keep what their lines gave"
                                  : "; the flags beyond them were not used";
    rep.message(text);
}

std::string withoutLastChar(const std::string& s) {
    return s.empty() ? s : s.substr(0, s.size() - 1);
}

void switchErrorModeOff(State& s) {
    s.menu.evenchanneliserror1 = false;
    s.menu.errorbar1Enabled = false;
    s.menu.errorbar1 = false;
    s.table.errRows.clear();
}

void resetForNewTable(State& s) {
    Table& t = s.table;
    t.nRows = 0;
    t.lastChan = 0;
    t.nChan = 0;
    t.undo.clear();
    t.clearAllFlags();
}

}  // namespace

void setTimeWindowToTable(State& s) {
    const Table& t = s.table;
    s.view.xLeft = t.obs(1, kTimeCol);
    s.view.xRight = t.obs(std::max(t.nRows, 1), kTimeCol);
    s.view.xSpan = s.view.xRight - s.view.xLeft;
}

std::string setComparisonCaption(const State& s) {
    return "&Set Comparison (m_" + std::to_string(s.red.compChan) + "=" +
           fmtFixedPrec(s.red.compMag, 5, 2) + ")";
}

std::optional<std::string> readCompanion(const State& s) {
    const std::string log = companionName(s);
    if (!fileExists(log)) return std::nullopt;
    return readWholeFile(log);
}

void addchanel(State& s, Reporter& rep, const std::string& fileName) {
    if (fileName.empty()) {
        s.table.addFileName.clear();
        return;
    }
    LineReader in(fileName);  // an unreadable file ends the command before anything changes
    addchanelFrom(s, rep, fileName, in, readCompanion(s));
}

void addchanelFrom(State& s, Reporter& rep, const std::string& fileName, LineReader& in,
                   const std::optional<std::string>& flags) {
    Table& t = s.table;
    t.addFileName = fileName;
    s.caption = titleText(t);
    if (t.nChan >= kMaxChannels) {
        rep.message(columnLimitText(fileName));
        return;
    }

    t.nChan += 1;
    t.lastChan = t.nChan;
    const int F = t.nChan;
    const int N = t.nRows;
    for (int r = 1; r <= N; ++r) t.present(r, F) = 0;

    const ReadOutcome rd = readRows(s, rep, in, fileName, ReadMode::NewChannels, F, F);
    const int m = t.nRows - N;
    if (m == 0) rep.message(noDataText(fileName));

    applyCompanion(s, rep, fileName, N + 1, F, flags);

    for (int c = F; c <= t.lastChan; ++c) {
        t.chanUnmarked[std::size_t(c)] = 1;
        t.chanInvertY[std::size_t(c)] = 0;
    }
    if (F == 1) t.chanUnmarked[1] = 0;
    t.nChan = t.lastChan;

    if (rd.single) {
        // A single column holds values, not times: value i goes to row i.
        for (int i = 1; i <= m; ++i) {
            const Extended v = t.obs(N + i, kTimeCol);
            t.obs(i, F) = v;
            t.present(i, F) = 1;
            if (i > N) t.obs(i, kTimeCol) = Extended(i);
        }
        t.nRows = std::max(m, N);
    }
}

void readAddDataFile(State& s, Reporter& rep, const std::string& fileName) {
    if (fileName.empty()) {
        s.table.addFileName.clear();
        return;
    }
    LineReader in(fileName);
    readAddDataFrom(s, rep, fileName, in, readCompanion(s));
}

void readAddDataFrom(State& s, Reporter& rep, const std::string& fileName, LineReader& in,
                     const std::optional<std::string>& flags) {
    Table& t = s.table;
    t.addFileName = fileName;
    s.caption = titleText(t);
    const int N = t.nRows;
    const ReadOutcome rd = readRows(s, rep, in, fileName, ReadMode::AddData, 1, t.nChan);
    if (t.nRows == N) rep.message(noDataText(fileName));
    applyCompanion(s, rep, fileName, N + 1, 1, flags);
    t.nChan = t.lastChan;
    if (rd.single) {
        for (int r = N + 1; r <= t.nRows; ++r) {
            t.obs(r, 1) = t.obs(r, kTimeCol);
            t.present(r, 1) = 1;
        }
        if (t.nRows > N && t.lastChan < 1) t.lastChan = t.nChan = 1;
    }
}

bool openData(State& s, Reporter& rep, const std::vector<std::string>& chosen) {
    Table& t = s.table;
    // 1. The comparison star is reset even when the dialog is cancelled.
    t.dataFileName.clear();
    s.red.compChan = 2;
    s.red.compMag = 0;
    s.fields["TForm16.SpinEdit1"] = "2";
    s.menu.redSetCompCaption = setComparisonCaption(s);

    // 2.-3. The files.
    if (s.openAsk == 1) {
        if (chosen.empty()) return false;
        t.fileList = chosen;
        s.openDialogFileName = chosen.front();
    }
    if (!t.fileList || t.fileList->empty()) return false;

    // 4.-6. Names and settings.
    t.dataFileName = t.fileList->front();
    t.bangFileName = withoutLastChar(t.dataFileName) + "!";
    t.settingsPath = folderOf(t.dataFileName) + "zyt.ini";
    loadini(s);
    s.menu.fasecur1 = false;
    if (s.red.runMeanMaxGap == 0) {
        s.red.runMeanMaxGap = 0.5L;
        s.red.runMeanN = 8;
    }

    // 7. A new table.
    if (s.openAsk == 1) {
        resetForNewTable(s);
        t.magMode = 1;
        t.unitName = " magnitude ";
        switchErrorModeOff(s);
    }

    // 8. Title.
    t.viewModeName = "original data";
    s.caption = titleText(t);
    s.appTitle = bareName(t.dataFileName);

    // 9.-11. Read, sort, join.
    const std::vector<std::string> files = *t.fileList;
    for (const std::string& name : files) addchanel(s, rep, name);
    sortByTime(t);
    setTimeWindowToTable(s);
    if (files.size() > 1) mergeEqualTimes(t);

    // 12.
    s.menu.mag1 = false;
    t.curRow = 1;
    t.curChan = 1;
    t.nChan = t.lastChan;
    s.view.spinMax = s.view.spinValue = std::max(t.lastChan, 1);
    return true;
}

bool openWithoutDialog(State& s, Reporter& rep, std::vector<std::string> files) {
    s.table.fileList = std::move(files);
    s.openDialogFileName = s.table.fileList->empty() ? "" : s.table.fileList->front();
    resetForNewTable(s);
    switchErrorModeOff(s);
    s.openAsk = 0;
    return openData(s, rep, {});
}

bool openCommand(State& s, Reporter& rep, const std::vector<std::string>& chosen) {
    s.openAsk = 1;
    return openData(s, rep, chosen);
}

bool reloadCommand(State& s, Reporter& rep) {
    if (!s.table.fileList) return false;
    return openWithoutDialog(s, rep, *s.table.fileList);
}

bool addDataCommand(State& s, Reporter& rep, const std::vector<std::string>& chosen) {
    if (chosen.empty()) return false;
    Table& t = s.table;
    t.fileList = chosen;  // Open and Add Data share the dialog and its list
    s.openDialogFileName = chosen.front();
    t.addedFilesText.clear();
    try {
        for (const std::string& name : chosen) readAddDataFile(s, rep, name);
    } catch (...) {
        t.undo.clear();
        throw;
    }
    t.undo.clear();
    for (const std::string& name : chosen) t.addedFilesText += " " + name;
    sortByTime(t);
    setTimeWindowToTable(s);
    t.nChan = t.lastChan;
    s.view.spinMax = s.view.spinValue = std::max(t.lastChan, 1);
    mergeEqualTimes(t);
    return true;
}

bool addChannelCommand(State& s, Reporter& rep, const std::string& chosen) {
    Table& t = s.table;
    if (!t.fileList || chosen.empty()) return false;
    for (int r = 1; r <= t.nRows; ++r)
        for (int c = t.nChan + 1; c <= kMaxChannels; ++c) t.present(r, c) = 0;
    t.undo.clear();
    addchanel(s, rep, chosen);
    sortByTime(t);
    setTimeWindowToTable(s);
    t.nChan = t.lastChan;
    s.view.spinMax = s.view.spinValue = std::max(t.lastChan, 1);
    mergeEqualTimes(t);
    return true;
}

}  // namespace zyt
