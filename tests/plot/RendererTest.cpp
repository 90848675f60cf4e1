#include <gtest/gtest.h>

#include <QFont>
#include <QGuiApplication>
#include <cmath>
#include <memory>

#include "fit/LeastSquares.h"
#include "plot/ChannelRenderer.h"
#include "plot/Raster.h"
#include "plot/ViewModel.h"
#include "support/ControlImage.h"

namespace zyt {
namespace {

struct DrawFixture : ::testing::Test {
    std::unique_ptr<State> s = std::make_unique<State>();
    PlotCanvas canvas;
    void build(int w, int h, const std::vector<Extended>& times,
               const std::vector<Extended>& vals) {
        Table& t = s->table;
        t.fileList = std::vector<std::string>{"fixture.dat"};
        t.nRows = int(times.size());
        t.lastChan = t.nChan = 1;
        t.chanUnmarked[1] = 1;
        for (int r = 1; r <= t.nRows; ++r) {
            t.obs(r, 0) = times[std::size_t(r - 1)];
            t.obs(r, 1) = vals[std::size_t(r - 1)];
            t.present(r, 1) = 1;
            t.noteRowUsed(r);
        }
        t.curRow = t.curChan = 1;
        s->view.imageWidth = w;
        s->view.imageHeight = h;
        s->view.xLeft = times.front();
        s->view.xRight = times.back();
        afterLoad(*s);
    }
    QRgb at(int x, int y) const { return canvas.picture.pixel(x, y) | 0xff000000u; }
};

TEST_F(DrawFixture, FrameSeparatorsAndPointPixels) {
    build(120, 100, {0, 1, 2}, {0, 1, 2});
    s->view.symbolName = "point";
    s->table.curRow = 3;  // the cursor marker covers row 3 only
    Pictures(*s, canvas);
    const ViewState& v = s->view;
    ASSERT_EQ(canvas.picture.width(), 120);
    EXPECT_EQ(v.plotRight, 109);
    // Frame: x = 43 and plotRight + 7, from plotTop - 2 down to (not incl.) plotBottom.
    EXPECT_EQ(at(116, v.plotTop + 20), kBlack);
    EXPECT_EQ(at(116, v.plotBottom), kWhite);
    // Separator of panel 1's bottom at panelTop[1] - 2, from 43 to plotRight + 7 (exclusive).
    EXPECT_EQ(at(80, v.panelTop[1] - 2), kBlue);
    EXPECT_EQ(at(116, v.panelTop[1] - 2), kBlack);  // the frame, not the separator
    // Points: x = Round((t - 0) * 59/2 + 50), reversed axis: value 0 at the top.
    EXPECT_NEAR(double(v.xScale), 59.0 / 2, 1e-12);
    const int y0 = panelY(*s, 1, 0), y2 = panelY(*s, 1, 2);
    EXPECT_EQ(y0, 4);
    EXPECT_EQ(at(50, y0), kBlack);
    EXPECT_EQ(at(80, panelY(*s, 1, 1)), kBlack);  // 29.5 + 50 rounds to even 80
    EXPECT_EQ(at(109, y2), kRed);
    EXPECT_EQ(s->view.pictureSaved, 0);
    EXPECT_TRUE(s->view.enabled["SpeedButton4"]);
}

TEST_F(DrawFixture, ZeroLineOnlyWhenRangeStraddlesZero) {
    build(120, 100, {0, 1}, {-0.3L, 0.2L});
    Pictures(*s, canvas);
    const int y = panelY(*s, 1, 0);
    EXPECT_EQ(at(90, y), kYellow);
    build(120, 100, {0, 1}, {0.1L, 0.5L});
    Pictures(*s, canvas);
    for (int yy = 0; yy < 100; ++yy) EXPECT_NE(at(90, yy), kYellow);
}

TEST_F(DrawFixture, CursorMarkerAndCursorlessCopy) {
    build(200, 120, {0, 1, 2, 3}, {1, 2, 3, 4});
    s->table.curRow = 2;
    Pictures(*s, canvas);
    const int x = plotX(s->view, 1), y = panelY(*s, 1, 2);
    EXPECT_EQ(at(x, y), kRed);
    EXPECT_EQ(canvas.cursorless.pixel(x, y) | 0xff000000u, kBlack);  // the point, without marker
    s->table.curRow = 3;
    redrawCursor(*s, canvas);
    EXPECT_EQ(at(x, y), kBlack);
    EXPECT_EQ(at(plotX(s->view, 2), panelY(*s, 1, 3)), kRed);
    EXPECT_EQ(s->view.label8.substr(0, 20), "Current point = 3   ");
}

TEST_F(DrawFixture, StatusLineNumbers) {
    build(200, 120, {0, 2}, {1.5L, 2});
    s->table.curRow = 2;
    EXPECT_EQ(statusLine(*s), "Current point = 2   1  x=2.0000000 y=2.0000000  1/x=0.5000000");
    s->table.curRow = 1;  // time 0: no reciprocal
    EXPECT_EQ(statusLine(*s), "Current point = 1   1  x=0.0000000 y=1.5000000");
}

TEST_F(DrawFixture, LineStyleSkipsAbsentCells) {
    build(200, 120, {0, 1, 2}, {0, 5, 0});
    s->table.present(2, 1) = 0;
    s->view.symbolName = "line";
    s->table.curRow = 0;
    Pictures(*s, canvas);
    // The polyline joins rows 1 and 3 straight across at the top value.
    const int y = panelY(*s, 1, 0);
    EXPECT_EQ(at(plotX(s->view, 1), y), kBlack);
}

// Whole pictures against control images. Text is drawn in one named font so
// that the labels do not depend on the machine's default.
struct ControlPictures : DrawFixture {
    void SetUp() override {
        ensureGuiApplication();
        QFont f("DejaVu Sans");
        f.setStyleHint(QFont::SansSerif);
        QGuiApplication::setFont(f);
    }
    // Rows 1..n of channels 1..3: a sinusoid, a flat star with one absent
    // point, a line through zero; channel 2 marked (drawn blue).
    void buildThree(int w, int h) {
        const int n = 24;
        std::vector<Extended> times, vals;
        for (int r = 0; r < n; ++r) {
            times.push_back(2459000.2L + r * 0.01L);
            vals.push_back(12.3L + 0.4L * std::sin(r * 0.5L));
        }
        build(w, h, times, vals);
        Table& t = s->table;
        t.lastChan = t.nChan = 3;
        t.chanUnmarked[2] = 0;
        t.chanUnmarked[3] = 1;
        for (int r = 1; r <= n; ++r) {
            t.obs(r, 2) = 11.0L + 0.02L * ((r * 7) % 5);
            t.present(r, 2) = r != 9;
            t.obs(r, 3) = -0.2L + 0.02L * r;
            t.present(r, 3) = 1;
        }
        afterLoad(*s);
        t.curRow = 6;
        t.curChan = 2;
    }
};

TEST_F(ControlPictures, ThreePanelsCirclesAndCursor) {
    buildThree(320, 240);
    Pictures(*s, canvas);
    EXPECT_TRUE(test::matchesControlImage(canvas.picture, "three-panels"));
    EXPECT_TRUE(test::matchesControlImage(canvas.cursorless, "three-panels-cursorless"));
}

TEST_F(ControlPictures, LinesAndErrorBars) {
    buildThree(320, 240);
    s->view.symbolName = "line";
    s->menu.evenchanneliserror1 = true;
    s->menu.errorbar1 = true;
    Table& t = s->table;
    t.errRows.resize(t.nRows, 3);
    for (int r = 1; r <= t.nRows; ++r) t.errRows.at(r, 1) = 0.05 + 0.01 * (r % 3);
    computeRanges(*s);
    Pictures(*s, canvas);
    EXPECT_TRUE(test::matchesControlImage(canvas.picture, "lines-error-bars"));
}

TEST_F(ControlPictures, SingleChannelViewAfterZoom) {
    buildThree(320, 200);
    s->view.symbolName = "point";
    showSingleChannel(*s);
    zoomIn(*s);
    computeVisibleWindow(*s);
    Pictures(*s, canvas);
    EXPECT_TRUE(test::matchesControlImage(canvas.picture, "single-channel-zoomed"));
}

TEST(RasterTest, LineOmitsEndPixelAndEllipseFillsBox) {
    QImage img = blankImage(20, 20);
    Raster r(img);
    r.setPen(kRed);
    r.moveTo(2, 5);
    r.lineTo(8, 5);
    EXPECT_EQ(img.pixel(2, 5) | 0xff000000u, kRed);
    EXPECT_EQ(img.pixel(7, 5) | 0xff000000u, kRed);
    EXPECT_EQ(img.pixel(8, 5) | 0xff000000u, kWhite);
    r.setFill(kBlue);
    r.ellipse(10, 10, 14, 14);  // 4 x 4 box: 12 pixels, the corners stay white
    int n = 0;
    for (int y = 8; y < 16; ++y)
        for (int x = 8; x < 16; ++x) n += (img.pixel(x, y) | 0xff000000u) != kWhite;
    EXPECT_EQ(n, 12);
    EXPECT_EQ(img.pixel(10, 10) | 0xff000000u, kWhite);
    EXPECT_EQ(img.pixel(11, 11) | 0xff000000u, kBlue);  // inside: fill
    EXPECT_EQ(img.pixel(10, 11) | 0xff000000u, kRed);   // outline: pen
}

TEST(PhaseColourTest, CyclesRepeatAfterFive) {
    const QRgb want[] = {kBlue, kRed, kGreen, kPurple, kBlack, kBlue};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(phaseColour(10 + k * 2.0L, 10, 2, kYellow), want[k]);
    EXPECT_EQ(phaseColour(10 - 2.5L * 2, 10, 2, kYellow), kYellow);  // c = -2
    EXPECT_EQ(phaseColour(10 - 5.5L * 2, 10, 2, kYellow), kBlue);    // c = -5
}

// y = 2 + 0.5 t (+ k for channel k) at t = 0..10 with the residuals +d, -d,
// -d, +d at t = 0, 1, 9, 10: they sum to zero and are orthogonal to t, so
// the least-squares line is exactly the chosen one, T_mean = 5,
// sigma0 = sqrt(4 d^2 / 9) and sigma(t) = sigma0 sqrt(1/11 + (t-5)^2/110).
struct FitDrawFixture : DrawFixture {
    static constexpr Extended d = 0.6L;
    static Extended line(int ch, Extended t) { return 1 + ch + 0.5L * t; }
    static Extended sigma(Extended t) {
        return std::sqrt(4 * d * d / 9) * std::sqrt(1 / 11.0L + (t - 5) * (t - 5) / 110);
    }
    void buildLines(int channels) {
        std::vector<Extended> times, vals;
        for (int i = 0; i <= 10; ++i) times.push_back(i), vals.push_back(0);
        build(400, 300, times, vals);
        Table& t = s->table;
        for (int ch = 1; ch <= channels; ++ch)
            for (int r = 1; r <= t.nRows; ++r) {
                const int i = r - 1;
                const Extended e = (i == 0 || i == 10) ? d : (i == 1 || i == 9) ? -d : 0;
                t.obs(r, ch) = line(ch, i) + e;
                t.present(r, ch) = 1;
                t.chanUnmarked[std::size_t(ch)] = 1;
            }
        t.nChan = t.lastChan = channels;
        s->view.symbolName = "point";
        s->fit.polyDeg = 1;
        s->fit.trigDeg1 = 0;
        s->fit.fitAllChannels = channels > 1;
        s->fitResult.fitOn = true;
        afterLoad(*s);
        ASSERT_EQ(polynom(*s).fitted, channels);
    }
    QRgb cursorlessAt(int x, int y) const { return canvas.cursorless.pixel(x, y) | 0xff000000u; }
    // Pixels of colour c in the cursor-free copy (the marker is red).
    int countColour(QRgb c) const {
        int n = 0;
        for (int y = 0; y < canvas.cursorless.height(); ++y)
            for (int x = 0; x < canvas.cursorless.width(); ++x) n += cursorlessAt(x, y) == c;
        return n;
    }
};

TEST_F(ControlPictures, FittedCurveWithItsBands) {
    buildThree(320, 240);
    s->view.symbolName = "point";
    // A parabola through the sinusoid of channel 1: bands of one and two
    // sigma stand clear of the curve.
    s->fit.polyDeg = 2;
    s->fit.trigDeg1 = 0;
    s->fitResult.fitOn = true;
    ASSERT_EQ(polynom(*s).fitted, 1);
    Pictures(*s, canvas);
    EXPECT_TRUE(test::matchesControlImage(canvas.picture, "fitted-curve"));
}

TEST_F(FitDrawFixture, FittedLineAndItsBandsWhereTheMappingPutsThem) {
    buildLines(1);
    s->table.curRow = 6;  // the marker on the data point at t = 5
    Pictures(*s, canvas);
    EXPECT_EQ(s->fitResult.nParams, 2);
    // Sample times of the 10001-point grid 0..10, away from the data points.
    for (Extended t : {2.5L, 4.25L, 7.75L}) {
        const int x = plotX(s->view, t);
        const Extended f = line(1, t), sg = sigma(t);
        const int yf = panelY(*s, 1, f);
        const int yUp = panelY(*s, 1, f + sg), yDown = panelY(*s, 1, f - sg);
        const int y2Up = panelY(*s, 1, f + 2 * sg), y2Down = panelY(*s, 1, f - 2 * sg);
        ASSERT_GT(std::abs(yUp - yf), 1) << "the band must be wider than a pixel for this check";
        EXPECT_TRUE((yUp < yf && yf < yDown) || (yDown < yf && yf < yUp)) << double(t);
        EXPECT_EQ(at(x, yf), kBlack) << double(t);
        EXPECT_EQ(at(x, yUp), kRed) << double(t);
        EXPECT_EQ(at(x, yDown), kRed) << double(t);
        EXPECT_EQ(at(x, y2Up), kGreen) << double(t);
        EXPECT_EQ(at(x, y2Down), kGreen) << double(t);
        // Between the lines the panel stays white.
        EXPECT_EQ(at(x, (yf + yUp) / 2), kWhite) << double(t);
        EXPECT_EQ(cursorlessAt(x, yf), kBlack) << "the curve is part of the cursor-free copy";
    }
    // A cursor move puts the cursor-free copy back: the curve stays.
    s->table.curRow = 2;
    redrawCursor(*s, canvas);
    EXPECT_EQ(at(plotX(s->view, 4.25L), panelY(*s, 1, line(1, 4.25L))), kBlack);
}

TEST_F(FitDrawFixture, NothingDrawnWhileFitOnIsClear) {
    buildLines(1);
    Pictures(*s, canvas);
    EXPECT_GT(countColour(kRed), 300);
    EXPECT_GT(countColour(kGreen), 300);
    s->fitResult.fitOn = false;
    Pictures(*s, canvas);
    EXPECT_EQ(countColour(kRed), 0);
    EXPECT_EQ(countColour(kGreen), 0);
    EXPECT_EQ(at(plotX(s->view, 4.25L), panelY(*s, 1, line(1, 4.25L))), kWhite);
}

TEST_F(FitDrawFixture, ForAllChannelsEachPanelGetsItsOwnCurve) {
    buildLines(2);
    s->table.curRow = 11;  // the marker at the right end, away from t = 7.75
    Pictures(*s, canvas);
    for (int ch = 1; ch <= 2; ++ch) {
        const int y = panelY(*s, ch, line(ch, 7.75L));
        EXPECT_GE(y, s->view.panelTop[std::size_t(ch - 1)]);
        EXPECT_LT(y, s->view.panelTop[std::size_t(ch)]);
        EXPECT_EQ(at(plotX(s->view, 7.75L), y), kBlack) << ch;
        EXPECT_EQ(at(plotX(s->view, 7.75L), panelY(*s, ch, line(ch, 7.75L) + sigma(7.75L))), kRed)
            << ch;
    }
    // Without "for all channels" only panel 1 has a curve.
    s->fit.fitAllChannels = false;
    Pictures(*s, canvas);
    EXPECT_EQ(at(plotX(s->view, 7.75L), panelY(*s, 2, line(2, 7.75L))), kWhite);
}

}  // namespace
}  // namespace zyt
