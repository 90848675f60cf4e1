#include "io/DataWriter.h"

#include <filesystem>

#include "core/Errors.h"
#include "io/Format.h"
#include "io/TextFile.h"

namespace zyt {
namespace {

bool anyShownPresent(const Table& t, int r, int nChan) {
    for (int c = 1; c <= nChan; ++c)
        if (t.present(r, c)) return true;
    return false;
}

void writeRows(State& s, const std::string& name) {
    Table& t = s.table;
    const WriterState& w = s.writer;
    const int nChan = std::min(t.nChan, kMaxChannels);
    SafeFile data(name), log(name + ".log"), lov(name + ".lov");
    std::string line, logBuf, lovBuf;
    line.reserve(1 << 21);
    const int first = std::max(w.writeFirstRow, 1);
    for (int r = first; r <= w.writeLastRow; ++r) {
        if (!anyShownPresent(t, r, nChan)) continue;
        if (w.writeCurChanOnly) {
            if (t.curChan < 1 || t.curChan > kMaxChannels || !t.present(r, t.curChan)) continue;
            appendF(line, t.obs(r, kTimeCol), 11, 5);
            line.push_back(' ');
            appendF(line, t.obs(r, t.curChan), 7, 4);
            line += "\r\n";
        } else {
            appendF(line, t.obs(r, kTimeCol), 11, 5);
            for (int c = 1; c <= nChan; ++c) {
                line.push_back(' ');
                const bool here = t.present(r, c) != 0;
                if (here) {
                    appendF(line, t.obs(r, c), 7, 4);
                } else {
                    line += t.delMarker;
                }
                logBuf.push_back(here ? '1' : '0');
                const int d = here ? (t.interpolated(r, c) == 1 ? 2 : 1) : 0;
                line.push_back(d == 2 ? ':' : ' ');
                lovBuf.push_back(char('0' + d));
            }
            line += "\r\n";
        }
        data.flushIfLarge(line);
        log.flushIfLarge(logBuf);
        lov.flushIfLarge(lovBuf);
    }
    data.write(line);
    log.write(logBuf);
    lov.write(lovBuf);
    commitAll({&data, &log, &lov});
}

void pack(State& s) {
    Table& t = s.table;
    s.menu.errorbar1 = false;
    s.menu.errorbar1Enabled = true;
    if (t.lastChan % 2 == 1) {
        t.lastChan += 1;
        for (int r = 1; r <= t.nRows; ++r) t.obs(r, t.lastChan) = 0;
        s.writer.errPadded = true;
    } else {
        s.writer.errPadded = false;
    }
    const int half = t.lastChan / 2;
    t.errRows.resize(t.nRows, half);
    for (int k = 1; k <= half; ++k) {
        for (int r = 1; r <= t.nRows; ++r) {
            t.errRows.at(r, k) = double(t.obs(r, 2 * k));
            t.obs(r, k) = t.obs(r, 2 * k - 1);
            t.present(r, k) = t.present(r, 2 * k - 1);
        }
    }
    t.lastChan = half;
    t.nChan = t.lastChan;
    s.view.spinMax = s.view.spinValue = std::max(t.lastChan, 1);
}

void unpack(State& s) {
    Table& t = s.table;
    s.menu.errorbar1Enabled = false;
    const int half = std::min(t.lastChan, kMaxChannels / 2);
    for (int k = half; k >= 1; --k) {
        for (int r = 1; r <= t.nRows; ++r) {
            t.obs(r, 2 * k - 1) = t.obs(r, k);
            t.present(r, 2 * k - 1) = t.present(r, k);
        }
    }
    // Rows added after packing (Add Data) have no stored error: 0.
    for (int k = 1; k <= half; ++k) {
        for (int r = 1; r <= t.nRows; ++r) {
            const bool stored = r <= t.errRows.rows && k <= t.errRows.cols;
            t.obs(r, 2 * k) = stored ? Extended(t.errRows.at(r, k)) : 0;
            t.present(r, 2 * k) = 1;
        }
    }
    t.lastChan = std::max(0, 2 * half - (s.writer.errPadded ? 1 : 0));
    t.errRows.clear();
    t.nChan = t.lastChan;
    s.view.spinMax = s.view.spinValue = std::max(t.lastChan, 1);
}

std::string beforeFirstDot(const std::string& name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos || dot == 0) return name;
    return name.substr(0, dot);
}

bool sameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

std::string headerOf(const std::string& source) {
    std::string header;
    LineReader in(source);
    std::string_view line;
    std::string lines;
    while (in.next(line)) {
        lines.append(line.data(), line.size());
        lines += "\r\n";
        if (line.substr(0, 3) == "END") return lines;
    }
    return header;  // no "END" line: nothing is copied
}

}  // namespace

std::string dataFileNameFor(const std::string& dialogName) {
    const std::size_t n = dialogName.size();
    if (n < 3) return dialogName + ".dat";
    const std::string tail = dialogName.substr(n - 3);
    if (tail == "dat" || tail == "DAT") return dialogName;
    return dialogName + ".dat";
}

std::string writeData(State& s, Reporter& rep, const std::optional<std::string>& dialogName) {
    WriterState& w = s.writer;
    if (!dialogName) {
        w.writeCurChanOnly = false;
        return {};
    }
    const bool packed = s.menu.evenchanneliserror1;
    if (packed) unpack(s);
    std::string name;
    try {
        mergeEqualTimes(s.table);
        if (w.writeLastRow > s.table.nRows) w.writeLastRow = s.table.nRows;
        name = dataFileNameFor(*dialogName);
        w.saveFileName = name;
        writeRows(s, name);
    } catch (...) {
        if (packed) pack(s);
        w.writeCurChanOnly = false;
        throw;
    }
    s.table.dataFileName = name;
    if (packed) pack(s);
    w.writeCurChanOnly = false;
    return name;
}

namespace {
std::string saveRows(State& s, Reporter& rep, const std::optional<std::string>& name, int first,
                     int last, bool curOnly) {
    if (!name) return {};
    s.writer.writeFirstRow = first;
    s.writer.writeLastRow = last;
    s.writer.writeCurChanOnly = curOnly;
    s.writer.rangeSet = true;
    return writeData(s, rep, name);
}
}  // namespace

std::string saveDataAs(State& s, Reporter& rep, const std::optional<std::string>& name) {
    return saveRows(s, rep, name, 1, s.table.nRows, false);
}

std::string saveVisibleDataAs(State& s, Reporter& rep, const std::optional<std::string>& name) {
    return saveRows(s, rep, name, s.view.viewFirst, s.view.viewLast, false);
}

std::string saveCurrentChannel(State& s, Reporter& rep, const std::optional<std::string>& name) {
    return saveRows(s, rep, name, 1, s.table.nRows, true);
}

std::string saveOnExit(State& s, Reporter& rep, const std::optional<std::string>& name) {
    if (!s.writer.rangeSet) {
        s.writer.writeFirstRow = 1;
        s.writer.writeLastRow = s.table.nRows;
    }
    return writeData(s, rep, name);
}

void toggleErrorColumns(State& s) {
    if (s.menu.evenchanneliserror1)
        pack(s);
    else
        unpack(s);
}

void setErrorColumns(State& s, bool on) {
    if (s.menu.evenchanneliserror1 == on) return;
    s.menu.evenchanneliserror1 = on;
    toggleErrorColumns(s);
}

std::vector<std::string> splitIntoFiles(State& s, Reporter& rep) {
    const Table& t = s.table;
    std::vector<std::string> written;
    const std::vector<std::string> list = t.fileList.value_or(std::vector<std::string>{});
    for (int c = 1; c <= std::min(t.lastChan, kMaxChannels); ++c) {
        const std::string source = std::size_t(c) <= list.size() ? list[std::size_t(c - 1)] : "";
        const bool haveSource = fileExists(source);
        std::string number = std::to_string(c);
        if (t.lastChan >= 10 && c < 10) number = "0" + number;
        const std::string numbered = beforeFirstDot(s.openDialogFileName) + number + ".dat";
        std::string name = haveSource ? beforeFirstDot(source) + ".dat" : numbered;
        // Never write a channel over the file it came from.
        if (haveSource && sameFile(name, source)) name = numbered;
        if (haveSource && sameFile(name, source)) name = numbered + ".dat";

        SafeFile out(name);
        std::string text = haveSource ? headerOf(source) : std::string();
        for (int r = 1; r <= t.nRows; ++r) {
            if (!t.present(r, c)) continue;
            appendF(text, t.obs(r, kTimeCol), 11, 5);
            text.push_back(' ');
            appendF(text, t.obs(r, c), 8, 5);
            text += "\r\n";
            out.flushIfLarge(text);
        }
        out.write(text);
        out.commit();
        written.push_back(name);
    }
    (void)rep;
    return written;
}

}  // namespace zyt
