#include <gtest/gtest.h>

#include <memory>

#include "edit/KeyTable.h"
#include "edit/Mouse.h"
#include "plot/ViewModel.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::readFile;
using test::TempDir;

// Times 10..19, channel 1 = 1..10 (steps of 1), channel 2 = 5 everywhere but
// for row 5 (6); drawn 601 pixels wide, so that one time unit is 60 pixels.
std::unique_ptr<State> plotted() {
    auto s = std::make_unique<State>();
    Table& t = s->table;
    t.lastChan = t.nChan = 2;
    t.fileList = std::vector<std::string>{"a.dat"};
    t.dataFileName = "a.dat";
    for (int r = 1; r <= 10; ++r) {
        t.nRows = r;
        t.noteRowUsed(r);
        t.obs(r, 0) = 9 + r;
        t.obs(r, 1) = r;
        t.obs(r, 2) = r == 5 ? 6 : 5;
        t.present(r, 1) = t.present(r, 2) = 1;
    }
    t.curRow = t.curChan = 1;
    s->view.xLeft = 10;
    s->view.xRight = 19;
    s->view.imageWidth = 601;
    s->view.imageHeight = 400;
    computeRanges(*s);
    computeVisibleWindow(*s);
    setDrawingGeometry(*s);
    return s;
}

int px(const State& s, Extended t) {
    return plotX(s.view, t);
}
int py(const State& s, int c, Extended v) {
    return panelY(s, c, v);
}

TEST(Mouse, ClickPicksTheNearestPointOfThePanelUnderThePointer) {
    auto s = plotted();
    ASSERT_EQ(px(*s, 11) - px(*s, 10), 60);
    // Exactly between rows 2 and 3 of channel 2 (both at 5): the earlier row wins.
    // (Value 5 lies on the panel's top edge, which still counts as panel 1.)
    const Effects e = mousePress(*s, px(*s, 11) + 30, py(*s, 2, 5) + 1, {});
    EXPECT_TRUE(e.cursor);
    EXPECT_EQ(s->table.curRow, 2);
    EXPECT_EQ(s->table.curChan, 2);

    // In the second panel only channel 2 can be picked.
    mousePress(*s, px(*s, 14), py(*s, 2, 6), {});
    EXPECT_EQ(s->table.curChan, 2);
    EXPECT_EQ(s->table.curRow, 5);
    EXPECT_EQ(s->caption, "Zyt v1.907.151108_QX a.dat original data magnitude ");
}

TEST(Mouse, CtrlClickDeletesPointsUpToThePointerInTheSameChannel) {
    auto s = plotted();
    s->table.curRow = 3;
    // The pointer a little left of row 7's point: rows 3..6 go, row 7 stays.
    mousePress(*s, px(*s, 16) - 2, py(*s, 1, 7), {true, false, false});
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(s->table.present(r, 1), r >= 3 && r <= 6 ? 0 : 1) << r;
    EXPECT_EQ(s->table.undoCount(), 4);
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(s->table.present(r, 2), 1);
}

TEST(Mouse, CtrlClickInAnotherChannelDeletesWholeRows) {
    auto s = plotted();
    s->table.curRow = 2;
    s->table.curChan = 1;
    mousePress(*s, px(*s, 14), py(*s, 2, 6), {true, false, false});  // row 5 of channel 2
    EXPECT_EQ(s->table.nRows, 6);                                    // rows 2..5 are gone
    EXPECT_EQ(s->table.obs(2, 0), 15);
}

TEST(Mouse, RubberBandLimitsDoNotDependOnTheDragDirection) {
    auto a = plotted();
    auto b = plotted();
    const int x1 = px(*a, 11) + 3, x2 = px(*a, 16) + 5;
    const int y1 = py(*a, 1, 8) + 2, y2 = py(*a, 1, 3) - 1;
    mousePress(*a, x1, y1, {false, true, false});
    mouseMove(*a, x2, y2, {false, true, true});
    mousePress(*b, x2, y2, {false, true, false});
    mouseRelease(*b, x1, y1, {false, true, false});
    for (State* s : {a.get(), b.get()}) {
        EXPECT_TRUE(s->mouse.selectionReady);
        EXPECT_EQ(s->mouse.selX1, 11);
        EXPECT_EQ(s->mouse.selX2, 16);
        // Channel 1 is drawn reversed: the lower edge has the larger value.
        EXPECT_GT(s->mouse.selY1, s->mouse.selY2);
    }
    EXPECT_EQ(a->mouse.selY1, b->mouse.selY1);
    EXPECT_EQ(a->mouse.selY2, b->mouse.selY2);
    EXPECT_EQ(a->view.label8, b->view.label8);
    EXPECT_EQ(a->view.label8.rfind("x1=11 x2=16 y1=", 0), 0u);
    EXPECT_EQ(a->table.curRow, 1);  // an Alt press does not pick
}

TEST(Mouse, SelectionKeysAndTheLineList) {
    auto s = plotted();
    TempDir dir;
    s->mouse = {};
    s->mouse.selectionReady = true;
    s->mouse.selX1 = 11;
    s->mouse.selX2 = 16;
    s->mouse.selY1 = 2.5L;
    s->mouse.selY2 = 7.25L;
    KeyTable keys;
    CollectingReporter rep;
    KeyContext ctx{*s,
                   rep,
                   {},
                   [] { return std::optional<std::string>("H alpha 6562.8 01 x"); },
                   dir.path().string() + "/"};
    keys.press(ctx, *parseKeyName("Alt+Shift+Left"));
    keys.press(ctx, *parseKeyName("Alt+Right"));
    EXPECT_EQ(s->mouse.selX1, 10);
    EXPECT_EQ(s->mouse.selX2, 17);
    keys.press(ctx,
               *parseKeyName("Alt+Up"));  // channel 1 reversed: up on screen is a smaller value
    EXPECT_EQ(s->mouse.selY1, 2.499L);
    keys.press(ctx, *parseKeyName("Alt+S"));
    EXPECT_FALSE(s->mouse.selectionReady);
    EXPECT_EQ(readFile(dir.file("ttt.dat")),
              "H alpha \r\n6562.8, 01, x,    10,    17,  7.250,  2.499, 1.0\r\n\r\n");

    // Without a selection Alt+Left walks like Left.
    s->table.curRow = 4;
    keys.press(ctx, *parseKeyName("Alt+Left"));
    EXPECT_EQ(s->table.curRow, 3);
}

TEST(Mouse, LineSearchFindsTheFirstItemHoldingTheTypedWord) {
    const std::vector<std::string> items = {"6562.8   H alpha", "4861.3   H beta", "5875.6   He I",
                                            "4861.3   Hbeta"};
    // clang-format off
    struct Case {
        const char* typed;
        int want;
    } cases[] = {
        {"H", 0},      // " H" is in the first line already
        {"He", 2},     // " He" first stands in the third line
        {"beta", 1},   // a blank goes in front: " beta"
        {" Hbeta", 3}, // starts with a blank: taken as typed
        {"4861", -1},  // " 4861" is nowhere: the lines start with the number
        {"", -1},
        {"Fe", -1},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(findLine(items, c.typed), c.want) << '"' << c.typed << '"';
}

TEST(Mouse, PointerTextsAndNothingBeforeAFile) {
    auto s = plotted();
    mouseMove(*s, px(*s, 12), py(*s, 2, 5), {});
    EXPECT_EQ(s->view.label1, "12.00000");
    EXPECT_EQ(s->view.label2.substr(0, 1), "5");

    auto none = plotted();
    none->table.fileList.reset();
    mousePress(*none, 10, 10, {true, false, false});
    EXPECT_EQ(none->table.undoCount(), 0);
}

}  // namespace
}  // namespace zyt
