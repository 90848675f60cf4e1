// The weights file reader ("Open ini File").
//
// Any text either loads or fails with a message naming the file; a load
// never touches a channel beyond 20. What loaded, written by "Save ini File"
// and read again, loads without error, and from then on writing and reading
// change nothing.
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/Errors.h"
#include "io/Settings.h"

using namespace zyt;
using zyt::fuzz::check;

namespace {

const std::string kName = "fuzz/star.ini";

// Reads `text`; on success `n` is the number of channels it held.
bool load(State& s, const std::string& text, bool mustLoad, int& n) {
    fuzz::resetState(s);
    try {
        n = readWeightsFrom(s, text, kName);
    } catch (const IoError& e) {
        check(!mustLoad, "a file the program wrote does not load", e.what());
        check(fuzz::namesFile(e.what(), kName), "message names no file", e.what());
        return false;
    }
    return true;
}

// The file "Save ini File" writes for what was read: the first number of a
// channel line is read as chanMean and written as starMag.
std::string written(State& s, int n) {
    s.table.nChan = n;
    for (int ch = 1; ch <= n; ++ch)
        s.red.starMag[std::size_t(ch)] = s.red.chanMean[std::size_t(ch)];
    return weightsText(s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    static State* s = new State;  // kept for the whole run (see resetState)
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    int n = 0;
    if (!load(*s, text, false, n)) return 0;
    check(n >= 0 && n <= kMaxChannels, "channel count out of bounds", std::to_string(n));

    const std::string once = written(*s, n);
    int again = 0;
    load(*s, once, true, again);
    check(again == n, "written weights hold another channel count");
    const std::string twice = written(*s, n);
    load(*s, twice, true, again);
    check(written(*s, n) == twice, "written weights change when read again", twice);
    return 0;
}
