// Hostile files: each gives a message naming the file, never a crash, and
// the table stays consistent.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>

#include "core/Errors.h"
#include "io/DataReader.h"
#include "io/Settings.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::TempDir;

std::string garbage() {
    std::mt19937 rng(7);
    std::string g;
    for (int i = 0; i < 4096; ++i) {
        char c = char(128 + rng() % 128);  // no line starts like a data line
        if (i % 97 == 0) c = '\n';
        if (i % 97 == 1) c = char(0x80);
        g.push_back(c);
    }
    return g;
}

std::string longLine() {
    std::string l = "2459000.5";
    l.reserve(10u << 20);
    while (l.size() < (10u << 20)) l += " 12.345";
    return l + "\n2459000.6 1 2\n";
}

enum class Action { Open, Weights };

// clang-format off
struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;  // name, contents; the first is opened
    Action action;
    const char* named;    // the file the message must name
    const char* reason;   // a word of the message
    int maxRows;          // data lines the file holds
};

TEST(BadInput, MessageNamesTheFileAndTheStateStaysConsistent) {
    const std::string nulLines = std::string("1 2\0\0 3\n\0\0\0\n2 3\n", 17);
    const Case cases[] = {
        {"binary garbage", {{"g.dat", garbage()}}, Action::Open, "g.dat", "no data line", 0},
        {"nothing but NUL bytes", {{"z.dat", std::string(1000, '\0')}}, Action::Open, "z.dat", "no data line", 0},
        {"NUL bytes inside lines", {{"n.dat", nulLines}, {"n.dat.log", "1"}}, Action::Open, "n.dat.log",
         "flags", 2},
        {"a 10 MB line", {{"l.dat", longLine()}}, Action::Open, "l.dat", "channels", 2},
        {"settings cut off inside a number",
         {{"c.dat", "1 2\n"}, {"zyt.ini", "2 1.13470000000000E+\r\n"}}, Action::Open, "zyt.ini",
         "invalid number", 0},
        {"weights claiming 1000 channels", {{"w.ini", "1000\r\n12.5 0.5\r\n2 11.5 =mcomp\r\n"}},
         Action::Weights, "w.ini", "1000 channels", 0},
        {"companion shorter than the data", {{"s.dat", "1 2 3\n2 4 5\n"}, {"s.dat.log", "101"}},
         Action::Open, "s.dat.log", "without a flag", 2},
        {"companion longer than the data", {{"o.dat", "1 2 3\n2 4 5\n"}, {"o.dat.log", "1111111111"}},
         Action::Open, "o.dat.log", "not used", 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        for (const auto& [name, text] : c.files) dir.write(name, text);
        auto s = std::make_unique<State>();
        s->red.compChan = 7;
        CollectingReporter rep;
        const std::string first = dir.file(c.files.front().first);
        try {
            if (c.action == Action::Open)
                openCommand(*s, rep, {first});
            else
                openWeightsFile(*s, first);
        } catch (const IoError& e) {
            rep.messages.emplace_back(e.what());
        }
        const std::string named = '"' + dir.file(c.named) + '"';
        bool found = false;
        for (const std::string& m : rep.messages)
            found = found ||
                    (m.find(named) != std::string::npos && m.find(c.reason) != std::string::npos);
        EXPECT_TRUE(found) << "no message naming " << named << " with \"" << c.reason << "\"; got "
                           << ::testing::PrintToString(rep.messages);

        const Table& t = s->table;
        EXPECT_GE(t.nRows, 0);
        EXPECT_LE(t.nRows, c.maxRows);
        EXPECT_LE(t.lastChan, kMaxChannels);
        EXPECT_EQ(t.nChan, t.lastChan);
        EXPECT_LE(t.curRow, std::max(t.nRows, 1));
        for (int r = 1; r <= t.nRows; ++r)
            for (int ch = t.lastChan + 1; ch <= kMaxChannels; ++ch) EXPECT_EQ(t.present(r, ch), 0);
        if (c.action == Action::Weights) {
            EXPECT_EQ(s->red.compChan, 7);  // refused whole
        }
    }
}

}  // namespace
}  // namespace zyt
