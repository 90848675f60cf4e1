// The settings file reader (loadini).
//
// Any text either loads or fails with a message naming the file. What loaded
// must satisfy the reader's corrections (period not 0, running-mean count
// and gap positive) and must survive the program's own writer: written and
// read again it loads without error, and from then on writing and reading
// change nothing.
#include "io/Settings.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/Errors.h"

using namespace zyt;
using zyt::fuzz::check;

namespace {

const std::string kName = "fuzz/zyt.ini";

bool load(State& s, const std::string& text, bool mustLoad) {
    fuzz::resetState(s);
    try {
        loadiniFrom(s, text, kName);
    } catch (const IoError& e) {
        check(!mustLoad, "a file the program wrote does not load", e.what());
        check(fuzz::namesFile(e.what(), kName), "message names no file", e.what());
        return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    static State* s = new State;  // kept for the whole run (see resetState)
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    if (!load(*s, text, false)) return 0;

    const State& r = *s;
    check(r.red.runMeanN >= 0, "runMeanN negative");
    check(r.red.runMeanMaxGap >= 0, "runMeanMaxGap negative");
    check(!std::isnan(r.fit.fitOmega1) && !std::isnan(r.fit.fitOmega2) &&
              !std::isnan(r.fit.fitOmega3),
          "angular frequency NaN");

    const std::string once = settingsText(*s, 12);
    load(*s, once, true);
    const std::string twice = settingsText(*s, 12);
    load(*s, twice, true);
    check(settingsText(*s, 12) == twice, "written settings change when read again", twice);
    return 0;
}
