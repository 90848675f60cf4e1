#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/Errors.h"
#include "io/DataReader.h"
#include "io/DataWriter.h"
#include "io/Settings.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::readFile;
using test::TempDir;

struct Fixture {
    TempDir dir;
    std::unique_ptr<State> s = std::make_unique<State>();
    CollectingReporter rep;
    Table& t() { return s->table; }
    void open(const std::string& name, const std::string& text) {
        ASSERT_TRUE(openCommand(*s, rep, {dir.write(name, text)}));
    }
};

TEST(Writer, DeletedValueWithDefaultMarkerAndItsCompanions) {
    Fixture f;
    f.open("a.dat", "1 1.5 2.5 3.5\n2 4 5 6\n");
    f.t().present(1, 2) = 0;
    const std::string out = saveDataAs(*f.s, f.rep, f.dir.file("b"));
    EXPECT_EQ(out, f.dir.file("b.dat"));
    EXPECT_EQ(readFile(out),
              "    1.00000  1.5000  r   3.5000 \r\n    2.00000  4.0000   5.0000   6.0000 \r\n");
    EXPECT_EQ(readFile(out + ".log"), "101111");
    EXPECT_EQ(readFile(out + ".lov"), "101111");
    EXPECT_EQ(f.t().dataFileName, out);

    Fixture g;
    ASSERT_TRUE(openCommand(*g.s, g.rep, {out}));
    EXPECT_EQ(g.t().nChan, 3);
    EXPECT_EQ(g.t().present(1, 2), 0);
    EXPECT_EQ(g.t().obs(1, 3), 3.5L);
}

TEST(Writer, PlaceholderMarkerIsKeptAbsentOnlyByTheCompanion) {
    Fixture f;
    f.open("a.dat", "1 1.5 2.5 3.5\n");
    f.t().present(1, 2) = 0;
    setDelMarker(*f.s, "99.9999");
    const std::string out = saveDataAs(*f.s, f.rep, f.dir.file("c.dat"));
    EXPECT_EQ(readFile(out), "    1.00000  1.5000  99.9999   3.5000 \r\n");
    Fixture g;
    ASSERT_TRUE(openCommand(*g.s, g.rep, {out}));
    EXPECT_EQ(g.t().present(1, 2), 0);
    std::filesystem::remove(out + ".log");
    ASSERT_TRUE(openCommand(*g.s, g.rep, {out}));
    EXPECT_EQ(g.t().present(1, 2), 1);
    EXPECT_EQ(g.t().obs(1, 2), 99.9999L);
}

TEST(Writer, RowsWithoutShownValuesAndTheCurrentChannel) {
    Fixture f;
    f.open("a.dat", "1 1 2\n2 3 4\n3 5 6\n");
    f.t().present(2, 1) = f.t().present(2, 2) = 0;  // row 2 has nothing
    f.t().present(3, 2) = 0;
    f.t().interpolated(1, 2) = 1;
    std::string out = saveDataAs(*f.s, f.rep, f.dir.file("d.dat"));
    EXPECT_EQ(readFile(out), "    1.00000  1.0000   2.0000:\r\n    3.00000  5.0000  r \r\n");
    EXPECT_EQ(readFile(out + ".lov"), "1210");
    EXPECT_EQ(f.t().nRows, 2);  // the writer merged first, dropping row 2

    f.t().curChan = 2;
    out = saveCurrentChannel(*f.s, f.rep, f.dir.file("e.dat"));
    EXPECT_EQ(readFile(out), "    1.00000  2.0000\r\n");
    EXPECT_EQ(readFile(out + ".log"), "");
    EXPECT_EQ(readFile(out + ".lov"), "");
    EXPECT_FALSE(f.s->writer.writeCurChanOnly);
}

TEST(Writer, FileNameRules) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"ab", "ab.dat"},
                 {"x.txt", "x.txt.dat"},
                 {"xdat", "xdat"},
                 {"X.DAT", "X.DAT"},
                 {"y.Dat", "y.Dat.dat"}};
    for (const Case& c : cases) EXPECT_EQ(dataFileNameFor(c.in), c.out);
}

TEST(Writer, CancelWritesNothingAndDoesNotMerge) {
    Fixture f;
    f.open("a.dat", "1 1\n2 2\n");
    f.t().present(2, 1) = 0;
    EXPECT_EQ(saveDataAs(*f.s, f.rep, std::nullopt), "");
    EXPECT_EQ(f.t().nRows, 2);
}

TEST(Writer, FailedWriteKeepsTheOldFile) {
    Fixture f;
    f.open("a.dat", "1 1\n");
    const std::string target = f.dir.write("keep.dat", "old contents\n");
    std::filesystem::create_directory(target + ".tmp~");  // the temporary file cannot be made
    try {
        saveDataAs(*f.s, f.rep, target);
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find(target), std::string::npos);
    }
    EXPECT_EQ(readFile(target), "old contents\n");
    EXPECT_NE(f.t().dataFileName, target);
}

TEST(Writer, ValueErrorModePacksAndUnpacks) {
    Fixture f;
    f.open("a.dat", "1 10 0.1 20 0.2 30\n2 11 0.3 21 0.4 31\n");
    setErrorColumns(*f.s, true);
    const Table& t = f.t();
    EXPECT_EQ(t.lastChan, 3);
    EXPECT_EQ(t.nChan, 3);
    EXPECT_TRUE(f.s->writer.errPadded);
    EXPECT_EQ(t.obs(2, 2), 21);
    EXPECT_EQ(t.errRows.at(2, 2), 0.4);
    EXPECT_EQ(t.errRows.at(1, 3), 0.0);
    EXPECT_TRUE(f.s->menu.errorbar1Enabled);

    // Saving unpacks for the time of writing.
    const std::string out = saveDataAs(*f.s, f.rep, f.dir.file("p.dat"));
    EXPECT_EQ(readFile(out).substr(0, 50), "    1.00000 10.0000   0.1000  20.0000   0.2000  30");
    EXPECT_EQ(t.lastChan, 3);

    setErrorColumns(*f.s, false);
    EXPECT_EQ(t.lastChan, 5);
    EXPECT_EQ(t.obs(1, 1), 10);
    EXPECT_EQ(double(t.obs(1, 2)), 0.1);
    EXPECT_EQ(t.obs(2, 5), 31);
    EXPECT_TRUE(t.errRows.empty());
}

TEST(Writer, SeparateFilesOfATwelveChannelTable) {
    Fixture f;
    std::string line = "1";
    for (int c = 1; c <= 12; ++c) line += " " + std::to_string(c);
    f.open("run.txt", "header\nEND of header\n" + line + "\n");
    const auto names = splitIntoFiles(*f.s, f.rep);
    ASSERT_EQ(names.size(), 12u);
    EXPECT_EQ(names[0], f.dir.file("run.dat"));
    EXPECT_EQ(readFile(names[0]), "header\r\nEND of header\r\n    1.00000  1.00000\r\n");
    EXPECT_EQ(names[1], f.dir.file("run02.dat"));
    EXPECT_EQ(readFile(names[11]), "    1.00000 12.00000\r\n");
}

TEST(Writer, SeparateFilesNeverOverwriteTheirSource) {
    Fixture f;
    const std::string src = f.dir.write("a.dat", "1 5\n");
    ASSERT_TRUE(openCommand(*f.s, f.rep, {src}));
    const auto names = splitIntoFiles(*f.s, f.rep);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], f.dir.file("a1.dat"));
    EXPECT_EQ(readFile(src), "1 5\n");
}

}  // namespace
}  // namespace zyt
