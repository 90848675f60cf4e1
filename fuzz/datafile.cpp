// The whole data-file reader with its ".log" flags companion.
//
// The input is a data file, optionally followed by a line "@log" and the
// text of the companion. Each input is read as an Open would read it (a new
// table, the file as new channels, sorted), then again as a second file of
// new channels and as Add Data (sorted and joined), and after every step the
// table must be consistent: counters within bounds, flags only 0 or 1 and
// only in loaded channels, rows in time order, joined rows not empty, every
// message naming its file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "core/Reporter.h"
#include "io/DataReader.h"

using namespace zyt;
using zyt::fuzz::check;

namespace {

const std::string kMain = "fuzz.dat";

long countDataLines(std::string_view text) {
    long n = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        if (text[start] == 0x1A) break;  // Ctrl+Z ends the file
        const char c = text[start];
        if ((c >= '0' && c <= '9') || c == ',' || c == '.' || c == ' ' || c == '+' || c == '-') ++n;
        const std::size_t nl = text.find('\n', start);
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return n;
}

void checkTable(const Table& t, const CollectingReporter& rep, const std::string& file,
                long maxRows, bool joined) {
    check(t.nRows >= 0 && t.nRows <= kRowCapacity && t.nRows <= maxRows, "nRows out of bounds",
          std::to_string(t.nRows));
    check(t.lastChan >= 0 && t.lastChan <= kMaxChannels, "lastChan out of bounds",
          std::to_string(t.lastChan));
    check(t.nChan == t.lastChan, "nChan differs from lastChan after a read");
    check(t.nRows <= t.extent(), "rows beyond the used extent");
    for (int r = 1; r <= t.nRows; ++r) {
        bool any = false;
        for (int c = 1; c <= kMaxChannels; ++c) {
            const uint8_t p = t.present(r, c);
            check(p == 0 || p == 1, "flag neither 0 nor 1");
            check(p == 0 || c <= t.lastChan, "flag set beyond lastChan", std::to_string(c));
            any = any || p;
        }
        if (joined) check(any, "joined table keeps an empty row", std::to_string(r));
        if (r > 1)
            check(t.obs(r - 1, kTimeCol) <= t.obs(r, kTimeCol), "rows out of time order",
                  std::to_string(r));
    }
    for (const std::string& m : rep.messages)
        check(fuzz::namesFile(m, file) || fuzz::namesFile(m, kMain + ".log"),
              "message names no file", m);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    static State* s = new State;  // kept for the whole run (see resetState)
    fuzz::resetState(*s);
    Table& t = s->table;
    t.dataFileName = kMain;

    std::string_view data(reinterpret_cast<const char*>(bytes), size);
    std::optional<std::string> flags;
    const std::size_t sep = data.find("\n@log\n");
    if (sep != std::string_view::npos) {
        flags = std::string(data.substr(sep + 6));
        data = data.substr(0, sep + 1);
    }
    const long lines = countDataLines(data);

    // Open: the file as channels 1.., sorted.
    {
        CollectingReporter rep;
        LineReader in(kMain, data);
        addchanelFrom(*s, rep, kMain, in, flags);
        sortByTime(t);
        checkTable(t, rep, kMain, lines, false);
    }
    // Add new channel: the same text as a second file, sorted and joined.
    {
        CollectingReporter rep;
        const long before = t.nRows;
        LineReader in("second.dat", data);
        addchanelFrom(*s, rep, "second.dat", in, flags);
        sortByTime(t);
        mergeEqualTimes(t);
        checkTable(t, rep, "second.dat", std::max(before + lines, lines), true);
    }
    // Add Data: the same text as more rows of the existing channels.
    {
        CollectingReporter rep;
        const long before = t.nRows;
        LineReader in("more.dat", data);
        readAddDataFrom(*s, rep, "more.dat", in, flags);
        sortByTime(t);
        mergeEqualTimes(t);
        checkTable(t, rep, "more.dat", before + lines, true);
    }
    return 0;
}
