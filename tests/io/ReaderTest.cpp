#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/Errors.h"
#include "io/DataReader.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::TempDir;

struct Fixture {
    TempDir dir;
    std::unique_ptr<State> s = std::make_unique<State>();
    CollectingReporter rep;
    Table& t() { return s->table; }
    bool open(std::vector<std::string> names) { return openCommand(*s, rep, names); }
    // Cell text: "-" absent, else the value with %.6Lg.
    std::string cell(int r, int c) {
        if (!t().present(r, c)) return "-";
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.6Lg", t().obs(r, c));
        return buf;
    }
    std::string row(int r) {
        std::string out = cell0(r);
        for (int c = 1; c <= t().nChan; ++c) out += " " + cell(r, c);
        return out;
    }
    std::string cell0(int r) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.8Lg", t().obs(r, 0));
        return buf;
    }
};

TEST(Reader, OneLineCases) {
    // clang-format off
    struct Case {
        const char* text;
        std::vector<std::string> rows;  // time and channels 1..nChan
    } cases[] = {
        {"5.5 1.2 r 1.3\n", {"5.5 1.2 - 1.3"}},
        {"5.5 r1.3\n", {"5.5 - 1.3"}},
        {"5,5 1,2\n", {"5.5 1.2"}},
        {"1 1,234.5\n", {"1 1.234 0.5"}},
        {"   7 1\n\t8 2\n", {"7 1"}},             // leading blanks: data; a TAB first: skipped
        {"3 12.5e 4\n", {"3 12.5"}},
        {"e5 1\n# c\nEND\n2 3\n", {"2 3"}},       // letters start no data line
        {"1\t2\t3\r\n", {"1 2 3"}},               // TABs are blanks for Open, CR LF ends lines
        {"2 4\n1 3\n", {"1 3", "2 4"}},            // sorted by time
        {"1 2\n\x1a" "5 6\n", {"1 2"}},          // Ctrl+Z ends the file
        {"9\n8\n7\n", {"1 9", "2 8", "3 7"}},     // one column: values at times 1..m
        {"1 2\n-\n", {"1 2"}},                     // a line that gives no time is dropped
    };
    // clang-format on
    for (const Case& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.open({f.dir.write("a.dat", c.text)}));
        ASSERT_EQ(f.t().nRows, int(c.rows.size())) << c.text;
        for (int r = 1; r <= f.t().nRows; ++r)
            EXPECT_EQ(f.row(r), c.rows[std::size_t(r - 1)]) << c.text;
        EXPECT_EQ(f.t().curRow, 1);
        EXPECT_EQ(f.t().nChan, f.t().lastChan);
    }
}

TEST(Reader, OpenSetsNamesFlagsAndTimeWindow) {
    Fixture f;
    const std::string name = f.dir.write("stars.dat", "2 1 2\n1 3 4\n");
    f.s->red.compChan = 5;
    ASSERT_TRUE(f.open({name}));
    const Table& t = f.t();
    EXPECT_EQ(t.dataFileName, name);
    EXPECT_EQ(t.settingsPath, f.dir.file("zyt.ini"));
    EXPECT_EQ(t.bangFileName, name.substr(0, name.size() - 1) + "!");
    EXPECT_EQ(t.chanUnmarked[1], 0);
    EXPECT_EQ(t.chanUnmarked[2], 1);
    EXPECT_EQ(t.magMode, 1);
    EXPECT_EQ(f.s->red.compChan, 2);
    EXPECT_EQ(f.s->view.xLeft, 1);
    EXPECT_EQ(f.s->view.xRight, 2);
    EXPECT_EQ(f.s->view.xSpan, 1);
    EXPECT_EQ(f.s->appTitle, "stars.dat");
    EXPECT_EQ(f.s->caption, "Zyt v1.907.151108_QX " + name + " original data magnitude ");
    EXPECT_EQ(f.s->menu.redSetCompCaption, "&Set Comparison (m_2=0.00)");
}

TEST(Reader, CancelledOpenResetsComparisonButKeepsTable) {
    Fixture f;
    ASSERT_TRUE(f.open({f.dir.write("a.dat", "1 2\n")}));
    f.s->red.compMag = 3;
    EXPECT_FALSE(f.open({}));
    EXPECT_EQ(f.t().nRows, 1);
    EXPECT_EQ(f.s->red.compChan, 2);
    EXPECT_EQ(f.s->red.compMag, 0);
    EXPECT_EQ(f.t().dataFileName, "");
}

TEST(Reader, TwoFilesJoinOnEqualTimes) {
    Fixture f;
    const auto a = f.dir.write("a.dat", "1 10\n2 20\n");
    const auto b = f.dir.write("b.dat", "1 11 12\n3 33 34\n");
    ASSERT_TRUE(f.open({a, b}));
    ASSERT_EQ(f.t().nChan, 3);
    ASSERT_EQ(f.t().nRows, 3);
    EXPECT_EQ(f.row(1), "1 10 11 12");
    EXPECT_EQ(f.row(2), "2 20 - -");
    EXPECT_EQ(f.row(3), "3 - 33 34");
}

TEST(Reader, AddNewChannelWithMoreValuesThanRows) {
    Fixture f;
    ASSERT_TRUE(f.open({f.dir.write("a.dat", "1 10\n2 20\n")}));
    ASSERT_TRUE(addChannelCommand(*f.s, f.rep, f.dir.write("c.dat", "7\n8\n9\n")));
    ASSERT_EQ(f.t().nRows, 3);
    EXPECT_EQ(f.row(1), "1 10 7");
    EXPECT_EQ(f.row(2), "2 20 8");
    EXPECT_EQ(f.row(3), "3 - 9");
}

TEST(Reader, AddDataAppendsRowsAndStopsAtTabs) {
    Fixture f;
    ASSERT_TRUE(f.open({f.dir.write("a.dat", "1 10 11\n")}));
    const auto more = f.dir.write("m.dat", "2 20 21\n3 30\t31\n");
    ASSERT_TRUE(addDataCommand(*f.s, f.rep, {more}));
    ASSERT_EQ(f.t().nRows, 3);
    EXPECT_EQ(f.row(2), "2 20 21");
    EXPECT_EQ(f.row(3), "3 30 -");
    EXPECT_EQ(f.t().addedFilesText, " " + more);
    ASSERT_TRUE(f.t().fileList);
    EXPECT_EQ(f.t().fileList->front(), more);
}

TEST(Reader, CompanionTakesAwayFlagsFromItsBeginning) {
    Fixture f;
    const auto name = f.dir.write("a.dat", "1 10 99.9999\n2 20 21\n3 30 31\n");
    f.dir.write("a.dat.log", "1011");  // ends before the last row
    ASSERT_TRUE(f.open({name}));
    EXPECT_EQ(f.row(1), "1 10 -");
    EXPECT_EQ(f.row(2), "2 20 21");
    EXPECT_EQ(f.row(3), "3 30 31");
}

TEST(Reader, LimitsOfTheTableGiveAMessageAndKeepWhatFits) {
    Fixture f;
    std::string wide = "1";
    for (int c = 1; c <= 25; ++c) wide += " " + std::to_string(c);
    const auto name = f.dir.write("wide.dat", wide + "\n");
    ASSERT_TRUE(f.open({name}));
    EXPECT_EQ(f.t().lastChan, 20);
    EXPECT_EQ(f.cell(1, 20), "20");
    ASSERT_EQ(f.rep.messages.size(), 1u);
    EXPECT_NE(f.rep.messages[0].find(name), std::string::npos);
    EXPECT_NE(f.rep.messages[0].find("20"), std::string::npos);
}

TEST(Reader, StopsAtTheRowCapacity) {
    Fixture f;
    std::string text;
    text.reserve(8 * std::size_t(kRowCapacity));
    for (int i = 0; i < kRowCapacity + 5; ++i) text += "1 2\n";
    const auto name = f.dir.write("big.dat", text);
    ASSERT_TRUE(f.open({name}));
    EXPECT_EQ(f.t().nRows, kRowCapacity);
    ASSERT_EQ(f.rep.messages.size(), 1u);
    EXPECT_NE(f.rep.messages[0].find("1000001"), std::string::npos);
}

TEST(Reader, MissingFileIsAnErrorNamingIt) {
    Fixture f;
    const std::string name = f.dir.file("nothere.dat");
    try {
        f.open({name});
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find(name), std::string::npos);
    }
}

TEST(Reader, ReloadReadsTheListAgain) {
    Fixture f;
    const auto name = f.dir.write("a.dat", "1 10\n");
    ASSERT_TRUE(f.open({name}));
    f.t().present(1, 1) = 0;
    f.dir.write("a.dat", "1 10\n2 20\n");
    ASSERT_TRUE(reloadCommand(*f.s, f.rep));
    EXPECT_EQ(f.t().nRows, 2);
    EXPECT_EQ(f.row(1), "1 10");
    EXPECT_EQ(f.s->openAsk, 0);
}

}  // namespace
}  // namespace zyt
