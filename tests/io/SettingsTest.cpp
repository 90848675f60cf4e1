#include <gtest/gtest.h>

#include <memory>

#include "core/Errors.h"
#include "io/Format.h"
#include "io/Settings.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::readFile;
using test::TempDir;

struct Fixture {
    TempDir dir;
    std::unique_ptr<State> s = std::make_unique<State>();
    Fixture() { s->table.settingsPath = dir.file("zyt.ini"); }
};

TEST(Settings, WrittenLinesAndRoundTrip) {
    Fixture f;
    State& s = *f.s;
    s.red.compChan = 3;
    s.red.compMag = 12.5L;
    s.le.leEpoch = 2459000.5L;
    s.le.lePeriod = 0.3L;
    s.red.runMeanN = 8;
    s.red.runMeanMaxGap = 0.5L;
    s.red.nIntervals = 4;
    s.red.starRA = 1.234567L;
    s.red.starDec = -0.5L;
    s.red.siteLon = 0.75L;
    s.red.siteLat = 0.9L;
    s.fit.polyDeg = 2;
    s.fit.fitPeriod1 = 0.5L;
    s.fit.trigDeg1 = 3;
    s.pg = {0.1L, 10, 1, 2, 1000, ""};
    s.le.leQ = -1e-10L;
    s.table.delMarker = "99.9999";
    saveini(s);
    const std::string text = readFile(s.table.settingsPath);
    EXPECT_EQ(text.substr(0, 27), "3  1.25000000000000E+0001\r\n");
    EXPECT_NE(text.find("\r\n2\r\n 5.00000000000000E-0001 3\r\n"), std::string::npos);
    EXPECT_NE(text.find(" 1.00000000000000E+0001 1 2 1000\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 9), "99.9999\r\n");

    Fixture g;
    g.s->table.settingsPath = s.table.settingsPath;
    loadini(*g.s);
    State& r = *g.s;
    EXPECT_EQ(r.red.compChan, 3);
    EXPECT_EQ(r.red.compMag, 12.5L);
    EXPECT_EQ(r.le.lePeriod, 0.3L);
    EXPECT_EQ(r.red.nIntervals, 4);
    // Coordinates come back to the 15 digits that E23 keeps.
    EXPECT_NEAR(double(r.red.starRA), 1.234567, 1e-14);
    EXPECT_NEAR(double(r.red.starDec), -0.5, 1e-14);
    EXPECT_EQ(r.fit.polyDeg, 2);
    EXPECT_EQ(r.fit.trigDeg1, 3);
    EXPECT_EQ(r.fit.fitOmega1, kTwoPi / 0.5L);
    EXPECT_EQ(r.fit.fitOmega2, 1);
    EXPECT_EQ(r.pg.pgNFreq, 1000);
    EXPECT_EQ(r.le.leQ, -1e-10L);
    EXPECT_EQ(r.table.delMarker, "99.9999");
    EXPECT_EQ(r.fields["TForm23.Edit3"], "0.5");
    EXPECT_EQ(r.fields["TForm17.Edit1"], "0.3");
    EXPECT_EQ(r.fields["TForm36.ComboBox1"], "99.9999");
}

TEST(Settings, ShortFilesAndCorrectedValues) {
    // clang-format off
    struct Case {
        const char* text;
        int compChan, runMeanN, nIntervals;
        long double lePeriod, gap;
        const char* marker;
    } cases[] = {
        {"4 1\r\n7 0\r\n0 -2\r\n", 4, 8, 99, 1, 1, "keep"},  // three lines; later groups keep
        {"4 1\r\n7 2\r\n5 0.25\r\n6\r\n", 4, 5, 6, 2, 0.25L, "keep"},
        {"1 0\n0 1\n8 1\n1\n0 0 0 0\n0\n0 0\n0 0\n0 0\n0 0 0 0 0\n0\n\n", 1, 8, 1, 1, 1, ""},  // empty marker
        {"", 99, 99, 99, 99, 99, "keep"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Fixture f;
        State& s = *f.s;
        s.red.compChan = s.red.runMeanN = s.red.nIntervals = 99;
        s.le.lePeriod = s.red.runMeanMaxGap = 99;
        s.table.delMarker = "keep";
        f.dir.write("zyt.ini", c.text);
        loadini(s);
        EXPECT_EQ(s.red.compChan, c.compChan) << c.text;
        EXPECT_EQ(s.red.runMeanN, c.runMeanN) << c.text;
        EXPECT_EQ(s.red.nIntervals, c.nIntervals) << c.text;
        EXPECT_EQ(s.le.lePeriod, c.lePeriod) << c.text;
        EXPECT_EQ(s.red.runMeanMaxGap, c.gap) << c.text;
        EXPECT_EQ(s.table.delMarker, c.marker) << c.text;
    }
}

TEST(Settings, MalformedNumberIsAnErrorAndEarlierValuesStay) {
    Fixture f;
    f.dir.write("zyt.ini", "3 1.5\r\n2.5 1.2E");
    try {
        loadini(*f.s);
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find(f.s->table.settingsPath), std::string::npos);
    }
    EXPECT_EQ(f.s->red.compChan, 3);
    EXPECT_EQ(f.s->le.leEpoch, 2.5L);
}

TEST(Settings, TenLineWriterAndNoFolderYet) {
    Fixture f;
    saveiniTenLines(*f.s);
    const std::string text = readFile(f.s->table.settingsPath);
    int lines = 0;
    for (char c : text) lines += c == '\n';
    EXPECT_EQ(lines, 10);

    Fixture g;
    g.s->table.settingsPath.clear();
    saveini(*g.s);  // no data file opened: nothing to write, no error
    EXPECT_FALSE(test::exists(g.dir.file("zyt.ini")));
}

TEST(Weights, WrittenLayoutAndReadBack) {
    Fixture f;
    State& s = *f.s;
    s.table.nChan = 2;
    s.table.chanUnmarked[1] = 0;
    s.table.chanUnmarked[2] = 1;
    s.red.starMag = {0, 12.5L, 13.25L};
    s.red.compWeight = {0, 0.75L, 0.25L};
    s.red.starSigma = {0, 0.05L, 0.01L};
    s.red.meanCompSigma = 0.03L;
    s.red.nCompleteRows = 5;
    s.red.meanCompErrByStar = {0, 0.1L, 0.2L};
    s.red.compChan = 2;
    s.red.compMag = 11.5L;
    const std::string name = saveWeightsFile(s, f.dir.file("w"));
    EXPECT_EQ(name, f.dir.file("w.ini"));
    EXPECT_EQ(readFile(name),
              "2\r\n"
              "12.5000000  0.750000  0.040000 0.050000 0.025000 \r\n"
              "13.2500000  0.250000           0.010000 0.005000 \r\n"
              "2 11.5000 =mcomp, xmcomp\r\n"
              "  0.030000 =sig_0\r\n"
              "  0.1000\r\n"
              "  0.2000\r\n");

    Fixture g;
    openWeightsFile(*g.s, name);
    EXPECT_EQ(g.s->red.chanMean[1], 12.5L);
    EXPECT_EQ(g.s->red.compWeight[2], 0.25L);
    EXPECT_EQ(g.s->red.compChan, 2);
    EXPECT_EQ(g.s->red.compMag, 11.5L);
}

TEST(Weights, ZeroChannelsAndBadFiles) {
    Fixture f;
    EXPECT_EQ(weightsText(*f.s), "0\r\n0  0.0000 =mcomp, xmcomp\r\n  0.000000 =sig_0\r\n");
    const std::string many = f.dir.write("many.ini", "1000\r\n1 1\r\n");
    f.s->red.compChan = 7;
    EXPECT_THROW(openWeightsFile(*f.s, many), IoError);
    EXPECT_EQ(f.s->red.compChan, 7);
    const std::string glued = f.dir.write("glued.ini", "0\r\n2-10.0000 =mcomp, xmcomp\r\n");
    EXPECT_THROW(openWeightsFile(*f.s, glued), IoError);
}

}  // namespace
}  // namespace zyt
