#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "app/script/ScriptRunner.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::readFile;
using test::TempDir;

struct RunResult {
    int code;
    std::string out, err;
};

RunResult runScript(const std::string& script) {
    auto s = std::make_unique<State>();
    initialiseState(*s);
    std::ostringstream out, err;
    ScriptRunner r(*s, out, err);
    const int code = r.run(script);
    return {code, out.str(), err.str()};
}

TEST(Script, SplittingQuotesCommentsAndLines) {
    const auto cmds =
        splitScript("open a.dat b.dat; info # note\n\nmarker \"\"\nsave \"x y;#.dat\" k=\"v w\"");
    ASSERT_EQ(cmds.size(), 4u);
    EXPECT_EQ(cmds[0].first, 1);
    EXPECT_EQ(cmds[0].second, (std::vector<std::string>{"open", "a.dat", "b.dat"}));
    EXPECT_EQ(cmds[1].second, (std::vector<std::string>{"info"}));
    EXPECT_EQ(cmds[2].first, 3);
    EXPECT_EQ(cmds[2].second, (std::vector<std::string>{"marker", ""}));
    EXPECT_EQ(cmds[3].first, 4);
    EXPECT_EQ(cmds[3].second, (std::vector<std::string>{"save", "x y;#.dat", "k=v w"}));
}

TEST(Script, OpenDumpInfoAndErrors) {
    TempDir d;
    const std::string a = d.write("a.dat", "2 1.5 r\n1 2.5 3.5\n");
    RunResult r = runScript("open " + a + "\ndump\ninfo");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("rows 2\n1 1 2.5 3.5\n2 2 1.5 ~"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nnRows=2\n"), std::string::npos);
    EXPECT_NE(r.out.find("\ndataFileName=" + a + "\n"), std::string::npos);
    EXPECT_NE(r.out.find("\ncompChan=2\n"), std::string::npos);
    EXPECT_NE(r.out.find("\ntwoPi=6.28318530717958647703\n"), std::string::npos);

    r = runScript("open " + d.file("missing.dat"));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("error: line 1: "), std::string::npos);
    EXPECT_NE(r.err.find("missing.dat"), std::string::npos);

    r = runScript("info\nfrobnicate");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("error: line 2: unknown command frobnicate"), std::string::npos);

    r = runScript("open " + a + "; cursor row=9 chan=1");
    EXPECT_EQ(r.code, 1);
}

TEST(Script, MessagesBecomeLines) {
    TempDir d;
    std::string wide = "1";
    for (int c = 0; c < 22; ++c) wide += " 1";
    const std::string a = d.write("w.dat", wide + "\n");
    RunResult r = runScript("open " + a);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.rfind("message: File \"" + a + "\"", 0), 0u) << r.out;
}

// The real program, end to end: open, edit the marker, save, save settings.
TEST(Script, ZytCliEndToEnd) {
    TempDir d;
    const std::string a =
        d.write("v.dat", "# V star\n2459000.1 10.5 11.2 12.3\n2459000.2 10.6 r 12.4\n");
    const std::string script = d.write("s.zyt", "open " + a +
                                                    "\n"
                                                    "marker 99.9999   # placeholder\n"
                                                    "save " +
                                                    d.file("out") +
                                                    "\n"
                                                    "save-settings\n"
                                                    "channels 2; info\n");
    const std::string outFile = d.file("stdout.txt");
    const std::string cmd = std::string(ZYT_CLI) + " " + script + " > " + outFile + " 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << readFile(outFile);
    EXPECT_EQ(
        readFile(d.file("out.dat")),
        "2459000.10000 10.5000  11.2000  12.3000 \r\n2459000.20000 10.6000  99.9999  12.4000 \r\n");
    EXPECT_EQ(readFile(d.file("out.dat.log")), "111101");
    const std::string ini = readFile(d.file("zyt.ini"));
    EXPECT_EQ(ini.substr(ini.size() - 9), "99.9999\r\n");
    const std::string out = readFile(outFile);
    EXPECT_NE(out.find("\nnChan=2\n"), std::string::npos);
    EXPECT_NE(out.find("\ndataFileName=" + d.file("out.dat") + "\n"), std::string::npos);
}

}  // namespace
}  // namespace zyt

namespace zyt {
namespace {

TEST(Script, TransformAndKeyCommands) {
    TempDir d;
    const std::string a = d.write("a.dat", "1 10 0\n2 11 5\n3 12 6\n");
    RunResult r = runScript("open " + a +
                            "\nzero-bad\nlinear a=1 b=2 c=0 k=1 all=1 current=1\n"
                            "cursor row=2 chan=1\nkey Delete\nkey Ctrl+Z\nkey Delete\ninfo\ndump");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("rows 3\n1 1 21 ~0\n2 2 ~23 5\n3 3 25 6\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nundoCount=1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nundo[1]=2 1 23\n"), std::string::npos) << r.out;

    r = runScript("open " + a + "\nlinear k=x");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("error: line 2: Linear Transform: k \"x\" is not a whole number"),
              std::string::npos)
        << r.err;

    r = runScript("open " + a + "\nkey Hyper+Q");
    EXPECT_EQ(r.code, 1);

    r = runScript("open " + a + "\ncursor row=2 chan=1\nkey Insert");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("message: no parabolic extremum"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace zyt
