#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "app/script/ScriptRunner.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::readFile;
using test::TempDir;

// Runs a script with the working directory in a fresh folder, where the fit
// reports are written.
struct FitRun {
    TempDir dir;
    int code = 0;
    std::string out, err;
    void run(const std::string& script) {
        const auto old = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
        auto s = std::make_unique<State>();
        initialiseState(*s);
        std::ostringstream o, e;
        ScriptRunner r(*s, o, e);
        code = r.run(script);
        std::filesystem::current_path(old);
        out = o.str();
        err = e.str();
    }
    bool has(const std::string& line) const {
        return out.find("\n" + line + "\n") != std::string::npos;
    }
};

std::string lineData() {
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += std::to_string(i) + " " + std::to_string(3 + 0.5 * i) + "\n";
    return text;
}

TEST(FitCli, FitInfoReportsAndKeys) {
    FitRun f;
    const std::string data = f.dir.write("line.dat", lineData());
    f.run("open " + data +
          "\nfit degree=1 trig1=0 automean=0\ninfo\ncoefficients\nsave-approximation\n"
          "save-original-approximation\nkey P\ninfo\ncoefficients\nkey p\nkey K");
    ASSERT_EQ(f.code, 0) << f.err;
    EXPECT_TRUE(f.has("fitOn=1")) << f.out;
    EXPECT_TRUE(f.has("nParams=2"));
    EXPECT_TRUE(f.has("tMean=0"));
    EXPECT_TRUE(f.has("fitCoef[1]=3"));
    EXPECT_TRUE(f.has("fitCoef[2]=0.5"));
    EXPECT_TRUE(f.has("fitNUsed=10"));
    EXPECT_TRUE(f.has("TForm23.Edit1=1"));
    EXPECT_TRUE(f.has("fitOn=0"));  // after key P
    EXPECT_NE(f.out.find("message: The polynomial was not calculated "), std::string::npos);
    const std::string koef = readFile(f.dir.file("koef.info"));
    EXPECT_EQ(koef.rfind("      C           sigma C", 0), 0u);
    EXPECT_NE(koef.find("\r\nnumber of data points  nse=10   ns=10   ns2=10\r\n"),
              std::string::npos);
    const std::string aproxy = readFile(f.dir.file("aproxy.dat"));
    EXPECT_EQ(aproxy.substr(0, 28), "       0.00000     3.0000000")
        << aproxy;  // layout B, the last written
    // The settings beside the data got the ten lines of the dialog.
    EXPECT_NE(readFile(f.dir.file("zyt.ini")).find("\r\n1\r\n"), std::string::npos);
}

TEST(FitCli, RefusedDialogAndBadArguments) {
    FitRun f;
    const std::string data = f.dir.write("line.dat", lineData());
    f.run("open " + data + "\nfit degree=2 trig1=3 trig2=3 trig3=3 symmetric=1");
    EXPECT_EQ(f.code, 1);
    EXPECT_NE(f.err.find("уменьшите ранг полинома"), std::string::npos) << f.err;
    f.run("open " + data + "\nfit period1=abc");
    EXPECT_EQ(f.code, 1);
    EXPECT_NE(f.err.find("period 1 \"abc\" is not a number"), std::string::npos) << f.err;
    f.run("open " + data + "\nfit sigma=1");
    EXPECT_EQ(f.code, 1);
    EXPECT_NE(f.err.find("use sigma"), std::string::npos);
    f.run("open " + data + "\nfit colour=1");
    EXPECT_EQ(f.code, 1);
    f.run("key NoSuchKey");
    EXPECT_EQ(f.code, 1);
    // Too many parameters for ten points: fitted nothing, the status says why.
    f.run("open " + data + "\nfit degree=9 trig1=0\ninfo");
    EXPECT_EQ(f.code, 0) << f.err;
    EXPECT_NE(f.out.find("\nstatus=No channel fitted: too few points"), std::string::npos) << f.out;
}

TEST(FitCli, PolynomialToggleDetrendAndColors) {
    FitRun f;
    std::string text;
    for (int i = 0; i < 6; ++i)
        text += std::to_string(i) + " " + std::to_string(1 + i) + " " + std::to_string(10 - 2 * i) +
                "\n";
    const std::string data = f.dir.write("two.dat", text);
    // The dialog's defaults put one harmonic of period 1 on integer times:
    // sin(2*pi*t) is 0 at every point, so the parameters are dependent.
    f.run("open " + data +
          "\nchannels 2\nphase-0515 on\npolynomial\ninfo\npolynomial\n"
          "fit degree=1 trig1=0\napproximation\nadd-colors-approx\ninfo\nfit degree=1 "
          "trig1=0\ndetrend\ndump");
    ASSERT_EQ(f.code, 0) << f.err;
    EXPECT_TRUE(
        f.has("status=No channel fitted: the parameters are dependent (singular normal matrix)"))
        << f.out;
    EXPECT_TRUE(f.has("saveapproximation05151=1"));
    EXPECT_TRUE(f.has("nChan=3")) << f.out;  // the colour channel fit(1) - fit(2)
    EXPECT_TRUE(f.has("fitAllChannels=0"));
    // De-trended by its line, channel 1 is zero in every row.
    EXPECT_NE(f.out.find("\n1 0 0 10 -9\n2 1 0 8 -6\n"), std::string::npos) << f.out;
}

}  // namespace
}  // namespace zyt
