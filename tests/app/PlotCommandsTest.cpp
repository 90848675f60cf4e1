#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <memory>
#include <sstream>

#include "app/script/ScriptRunner.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

std::string run(const std::string& script, int* code = nullptr) {
    auto s = std::make_unique<State>();
    initialiseState(*s);
    std::ostringstream out, err;
    ScriptRunner r(*s, out, err);
    const int c = r.run(script);
    if (code) *code = c;
    return out.str() + err.str();
}

bool hasLine(const std::string& out, const std::string& line) {
    return out.find("\n" + line + "\n") != std::string::npos;
}

struct InFolder : ::testing::Test {
    test::TempDir dir;
    std::filesystem::path old = std::filesystem::current_path();
    void SetUp() override { std::filesystem::current_path(dir.path()); }
    void TearDown() override { std::filesystem::current_path(old); }
};

TEST_F(InFolder, GenerateRandomIsTheSameInEveryRunAndOpensTheFile) {
    const std::string out = run("generate-random points=1 channels=1 dist=0; info");
    EXPECT_NE(out.find("message: Random array generated:1 points in 1 channels"),
              std::string::npos);
    EXPECT_TRUE(hasLine(out, "nRows=1"));
    const std::string first = test::readFile(dir.file("Random_0.dat"));
    ASSERT_EQ(first.size(), 4u + 1 + 8 + 2);
    EXPECT_EQ(first.substr(0, 5), "   1 ");
    run("generate-random points=1 channels=1 dist=0");
    EXPECT_EQ(test::readFile(dir.file("Random_0.dat")), first);
}

TEST_F(InFolder, GenerateRandomRefusesBadCounts) {
    int code = 0;
    const std::string out = run("generate-random points=1000002 channels=3", &code);
    EXPECT_EQ(code, 1);
    EXPECT_NE(out.find("message: Enter a valid integer number of points from 1 to 1000001"),
              std::string::npos);
}

TEST_F(InFolder, WindowZoomAndPictureAtTheChosenSize) {
    const std::string out =
        run("generate-random points=20 channels=2; size 300 200; window 5 15; cursor row=10; zoom; "
            "info; picture p.png");
    EXPECT_TRUE(hasLine(out, "xSpan=5"));
    EXPECT_TRUE(hasLine(out, "xLeft=7.5"));
    EXPECT_TRUE(hasLine(out, "Label4=5 points 8 to 12"));
    EXPECT_TRUE(hasLine(out, "imageWidth=300"));
    const QImage img(QString::fromStdString(dir.file("p.png")));
    EXPECT_EQ(img.width(), 300);
    EXPECT_EQ(img.height(), 200);
}

TEST_F(InFolder, StatusLineFollowsTheCursorKeys) {
    dir.write("d.dat", "1 10\r\n2 11\r\n4 12\r\n");
    const std::string out = run("open d.dat; key Right; key Right; info");
    EXPECT_TRUE(hasLine(out, "curRow=3"));
    EXPECT_TRUE(
        hasLine(out, "Label8=Current point = 3   1  x=4.0000000 y=12.0000000  1/x=0.2500000"));
}

// Pixels of the band colour of two standard deviations (green 0, 128, 0),
// which nothing else in this drawing uses.
int greenPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xffffffu) == 0x008000u;
    return n;
}

TEST_F(InFolder, PictureShowsTheFittedCurveWhileTheFitIsOn) {
    std::string data;
    for (int i = 0; i < 12; ++i) data += std::to_string(i) + (i % 2 ? " 3.5 " : " 3.0 ") + "\n";
    const std::string file = dir.write("zigzag.dat", data);
    int code = 0;
    const std::string out =
        run("open " + file +
                "; size 400 300; fit degree=1 trig1=0; picture on.png; key P; picture off.png",
            &code);
    ASSERT_EQ(code, 0) << out;
    EXPECT_GT(greenPixels(QImage(QString::fromStdString(dir.file("on.png")))), 300);
    EXPECT_EQ(greenPixels(QImage(QString::fromStdString(dir.file("off.png")))), 0);
}

TEST_F(InFolder, ViewsAndUnknownView) {
    const std::string out =
        run("generate-random points=5 channels=3; view differences; info; view single; info");
    EXPECT_TRUE(hasLine(out, "viewModeName=differencies"));
    EXPECT_TRUE(hasLine(out, "viewModeName=single chanel"));
    int code = 0;
    run("view sideways", &code);
    EXPECT_EQ(code, 1);
}

}  // namespace
}  // namespace zyt
