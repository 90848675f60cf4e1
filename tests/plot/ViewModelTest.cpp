#include <gtest/gtest.h>

#include <memory>

#include "plot/ChannelRenderer.h"
#include "plot/ViewModel.h"

namespace zyt {
namespace {

// A table built in memory: rows at the given times, channels with values.
struct ViewFixture : ::testing::Test {
    std::unique_ptr<State> s = std::make_unique<State>();
    void build(const std::vector<Extended>& times,
               const std::vector<std::vector<Extended>>& chans) {
        Table& t = s->table;
        t.fileList = std::vector<std::string>{"fixture.dat"};
        t.nRows = int(times.size());
        t.lastChan = t.nChan = int(chans.size());
        for (int r = 1; r <= t.nRows; ++r) {
            t.obs(r, 0) = times[std::size_t(r - 1)];
            for (int c = 1; c <= t.nChan; ++c) {
                t.obs(r, c) = chans[std::size_t(c - 1)][std::size_t(r - 1)];
                t.present(r, c) = 1;
            }
            t.noteRowUsed(r);
        }
        t.curRow = t.curChan = 1;
        s->view.xLeft = times.front();
        s->view.xRight = times.back();
        afterLoad(*s);
        computeVisibleWindow(*s);
    }
    std::vector<Extended> range(int n, Extended step = 1) {
        std::vector<Extended> v;
        for (int i = 0; i < n; ++i) v.push_back(i * step);
        return v;
    }
};

TEST_F(ViewFixture, PanelsShareOneScale) {
    s->view.imageHeight = 430;  // 400 pixels available
    build({0, 1}, {{0, 0.1L}, {0, 0.4L}});
    const ViewState& v = s->view;
    EXPECT_NEAR(double(v.yScale), (400.0 - 4) / 0.5, 1e-9);
    EXPECT_EQ(v.panelTop[0], 4);
    EXPECT_EQ(v.panelTop[1], 4 + int(0.1 * 792) + 4);
    EXPECT_EQ(v.panelTop[2], v.panelTop[1] + int(0.4 * 792) + 4);
}

TEST_F(ViewFixture, EmptyChannelGetsZeroRangeAndVisibleOnlyIsOneShot) {
    build(range(10), {range(10), range(10)});
    for (int r = 1; r <= 10; ++r) s->table.present(r, 2) = 0;
    s->view.viewFirst = 3;
    s->view.viewLast = 5;
    s->view.rangesVisibleOnly = true;
    computeRanges(*s);
    EXPECT_EQ(s->view.yMin[1], 2);
    EXPECT_EQ(s->view.yMax[1], 4);
    EXPECT_EQ(s->view.yMin[2], 0);
    EXPECT_EQ(s->view.yMax[2], 0);
    EXPECT_FALSE(s->view.rangesVisibleOnly);
    computeRanges(*s);
    EXPECT_EQ(s->view.yMax[1], 9);
}

TEST_F(ViewFixture, ShiftLeftWalksToTheEnd) {
    build(range(101), {range(101)});
    s->view.xLeft = 0;
    s->view.xRight = 10;
    s->view.xSpan = 10;
    shiftLeft(*s);
    EXPECT_EQ(s->view.xRight, 5);  // first row in the middle
    shiftLeft(*s);
    EXPECT_EQ(s->view.xRight, 0);  // first row at the right edge
    EXPECT_EQ(s->view.xLeft, -10);
    shiftLeft(*s);
    EXPECT_EQ(s->view.xRight, 100);  // jumped to the end of the data
    EXPECT_EQ(s->view.xLeft, 90);
}

TEST_F(ViewFixture, ShiftRightStopsAtTheEnd) {
    build(range(101), {range(101)});
    s->view.xLeft = 90;
    s->view.xRight = 100;
    s->view.xSpan = 10;
    shiftRight(*s);
    EXPECT_EQ(s->view.xLeft, 95);
    shiftRight(*s);
    EXPECT_EQ(s->view.xLeft, 100);  // last row at the left edge
    shiftRight(*s);
    EXPECT_EQ(s->view.xRight, 100);
    EXPECT_EQ(s->view.xLeft, 90);
}

TEST_F(ViewFixture, EmptyWindowMovesByShiftDirection) {
    build(range(11), {range(11)});
    s->view.xLeft = 11;
    s->view.xRight = 15;
    s->view.xSpan = 4;
    s->view.shiftDir = false;
    computeVisibleWindow(*s);
    EXPECT_EQ(s->view.viewLast, 11);  // grew left to the last row
    EXPECT_EQ(s->view.xLeft, 9);
    EXPECT_EQ(s->view.xRight, 15);
    s->view.xLeft = 11;
    s->view.xRight = 15;
    s->view.shiftDir = true;
    computeVisibleWindow(*s);
    EXPECT_EQ(s->view.viewFirst, 1);  // restarted at the first row
    EXPECT_EQ(s->view.label4, std::to_string(s->view.viewLast) + " points 1 to " +
                                  std::to_string(s->view.viewLast));
}

TEST_F(ViewFixture, ZeroWidthWindowBetweenRowsDoesNotHang) {
    build({0, 1, 2}, {{1, 2, 3}});
    s->view.xLeft = s->view.xRight = 0.5L;
    s->view.xSpan = 0;
    computeVisibleWindow(*s);
    EXPECT_EQ(s->view.viewFirst, 1);
    EXPECT_EQ(s->view.viewLast, 3);
}

TEST_F(ViewFixture, ZoomKeepsCursorAtLeftEdgeWhenItIsTheFirstRow) {
    build({0, 10, 11, 12}, {{1, 2, 3, 4}});
    s->table.curRow = 2;  // t = 10; the halved window is 7..13
    zoomIn(*s);
    EXPECT_EQ(s->view.xSpan, 6);
    EXPECT_EQ(s->view.xLeft, 10);
    EXPECT_EQ(s->view.xRight, 16);
}

TEST_F(ViewFixture, CenterOnCursorAtLeftEdgeChangesNothing) {
    build(range(5), {range(5)});
    EXPECT_FALSE(centerOnCursor(*s));
    EXPECT_EQ(s->view.xLeft, 0);
}

TEST_F(ViewFixture, ViewsRoundTripKeepsSingleChannelEdits) {
    build(range(4), {{1, 2, 3, 4}, {10, 20, 30, 40}, {100, 200, 300, 400}});
    s->table.curChan = 3;
    showSingleChannel(*s);
    EXPECT_EQ(s->table.nChan, 1);
    EXPECT_EQ(s->table.obs(2, 1), 200);
    s->table.present(2, 1) = 0;  // an edit in the single view
    s->table.obs(3, 1) = 333;
    showDifferences(*s);
    EXPECT_EQ(s->table.nChan, 2);
    EXPECT_EQ(s->table.obs(1, 1), 1 - 10);
    EXPECT_EQ(s->table.obs(3, 2), 30 - 333);
    EXPECT_EQ(s->table.present(2, 2), 0);  // absent where a value is absent
    showOriginalData(*s);
    EXPECT_EQ(s->table.nChan, 3);
    EXPECT_EQ(s->table.obs(1, 1), 1);
    EXPECT_EQ(s->table.obs(4, 2), 40);
    EXPECT_EQ(s->table.obs(3, 3), 333);
    EXPECT_EQ(s->table.present(2, 3), 0);
    EXPECT_EQ(s->table.viewModeName, kViewOriginal);
}

TEST_F(ViewFixture, AxisDirectionFlags) {
    build(range(2), {{1, 2}, {1, 2}});
    EXPECT_FALSE(uprightChannel(*s, 1));
    toggleMag1(*s);
    EXPECT_TRUE(uprightChannel(*s, 1));
    s->table.curChan = 2;
    invertCurrentChannel(*s);
    EXPECT_TRUE(uprightChannel(*s, 1));
    EXPECT_FALSE(uprightChannel(*s, 2));
}

TEST_F(ViewFixture, MappingRoundsHalfToEvenAndInverts) {
    build(range(3), {{0, 1, 2}});
    ViewState& v = s->view;
    v.xLeft = 0;
    v.xScale = 1;
    v.plotLeft = 50;
    EXPECT_EQ(plotX(v, 0.5L), 50);
    EXPECT_EQ(plotX(v, 1.5L), 52);
    EXPECT_EQ(plotX(v, 2.5L), 52);
    v.yScale = 10;
    v.panelTop[0] = 4;
    EXPECT_EQ(panelY(*s, 1, 1), 14);  // reversed: yMin at the top
    EXPECT_EQ(valueAtY(*s, 1, 14), 1);
    EXPECT_EQ(timeAtX(v, 52), 2);
}

TEST(TimeTicks, StepsFollowTheSpan) {
    struct Case {
        double span, step;
        int every;
    } cases[] = {{3.7, 0.2, 5}, {0.15, 0.01, 5}, {7.0, 0.5, 4}, {10.0, 0.5, 4}};
    for (const Case& c : cases) {
        const TimeTicks t = timeTicks(c.span);
        EXPECT_NEAR(double(t.step), c.step, 1e-12) << c.span;
        EXPECT_EQ(t.every, c.every) << c.span;
    }
}

}  // namespace
}  // namespace zyt
