#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "edit/KeyTable.h"
#include "edit/PointEdits.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

using test::readFile;
using test::TempDir;

// A table of (time, channel 1, channel 2) rows, all present, window = all.
struct Keys {
    std::unique_ptr<State> s = std::make_unique<State>();
    CollectingReporter rep;
    KeyTable table;
    TempDir dir;
    explicit Keys(const std::vector<std::array<double, 3>>& rows) {
        Table& t = s->table;
        t.lastChan = t.nChan = s->view.spinMax = 2;
        const std::string name = dir.file("star.dat");
        t.fileList = std::vector<std::string>{name};
        t.dataFileName = name;
        for (const auto& row : rows) {
            const int r = ++t.nRows;
            t.noteRowUsed(r);
            for (int c = 0; c < 3; ++c) t.obs(r, c) = row[std::size_t(c)];
            t.present(r, 1) = t.present(r, 2) = 1;
        }
        t.curRow = t.curChan = 1;
        s->view.viewFirst = 1;
        s->view.viewLast = t.nRows;
        s->view.xLeft = t.obs(1, 0);
        s->view.xRight = t.obs(t.nRows, 0);
        s->view.xSpan = s->view.xRight - s->view.xLeft;
    }
    Effects key(const std::string& name) {
        KeyContext ctx{*s, rep, {}, {}, dir.path().string() + "/"};
        return table.press(ctx, *parseKeyName(name));
    }
    Table& t() { return s->table; }
};

const std::vector<std::array<double, 3>> kFive = {
    {1, 10, 5}, {2, 11, 0}, {3, 12, 7}, {4, 13, 8}, {5, 14, 9}};

TEST(Keys, KeyNamesAndCodes) {
    struct Case {
        const char* text;
        const char* key;
        unsigned mods;
        int vk;
    } cases[] = {{"Delete", "Delete", ModNone, 46},
                 {"Ctrl+Delete", "Delete", ModCtrl, 46},
                 {"Alt+Shift+Left", "Left", ModAlt | ModShift, 37},
                 {"Numpad6", "Numpad6", ModNone, 102},
                 {"Numpad+", "Numpad+", ModNone, 107},
                 {"Ctrl+Numpad/", "Numpad/", ModCtrl, 111},
                 {"v", "V", ModNone, 86},
                 {"Space", "Space", ModNone, 32},
                 {"9", "9", ModNone, 57},
                 {"\\", "\\", ModNone, 220}};
    for (const Case& c : cases) {
        const auto k = parseKeyName(c.text);
        ASSERT_TRUE(k) << c.text;
        EXPECT_EQ(k->key, c.key);
        EXPECT_EQ(k->mods, c.mods) << c.text;
        EXPECT_EQ(virtualKeyCode(k->key), c.vk) << c.text;
    }
    EXPECT_FALSE(parseKeyName("Hyper+Q"));
    EXPECT_FALSE(parseKeyName("Nonsense"));
}

TEST(Keys, DeleteUndoOrderAndVoidEntries) {
    Keys k(kFive);
    k.t().curRow = 2;
    k.t().curChan = 2;  // value exactly 0: its entry is void
    k.key("Delete");
    EXPECT_EQ(k.t().present(2, 2), 0);
    EXPECT_EQ(k.t().curRow, 3);  // moved on to a present point
    k.key("Delete");             // row 3, value 7
    k.key("Delete");             // row 4, value 8
    EXPECT_EQ(k.t().undoCount(), 3);
    k.key("Ctrl+Z");
    EXPECT_EQ(k.t().curRow, 4);
    EXPECT_EQ(k.t().present(4, 2), 1);
    EXPECT_EQ(k.t().obs(4, 2), 8);
    k.key("Ctrl+Z");
    EXPECT_EQ(k.t().curRow, 3);
    k.key("Ctrl+Z");  // only the void entry is left: nothing comes back
    EXPECT_EQ(k.t().present(2, 2), 0);
    EXPECT_EQ(k.t().undoCount(), 0);
}

TEST(Keys, CtrlDeleteRenumbersTheUndoStack) {
    Keys k(
        {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, {6, 6, 6}, {7, 7, 7}, {8, 8, 8}});
    k.t().curRow = 7;
    k.key("Delete");  // point of row 7
    k.t().curRow = 5;
    k.key("Delete");  // point of row 5 (its entry will be void)
    k.t().present(5, 1) = 1;
    k.t().curRow = 5;
    k.key("Ctrl+Delete");
    EXPECT_EQ(k.t().nRows, 7);
    EXPECT_EQ(k.t().obs(5, 0), 6);
    k.key("Ctrl+Z");
    EXPECT_EQ(k.t().curRow, 6);  // the row-7 point is restored into row 6
    EXPECT_EQ(k.t().obs(6, 0), 7);
    EXPECT_EQ(k.t().present(6, 1), 1);
    EXPECT_EQ(k.t().undoCount(), 0);  // the entry of the deleted row was void
}

TEST(Keys, WalksWrapAndScroll) {
    Keys k(kFive);
    k.t().present(2, 1) = 0;
    struct Step {
        const char* key;
        int row;
        bool cursorOnly;
    } steps[] = {{"Left", 5, true}, {"Right", 1, true}, {"Right", 3, true},
                 {"Left", 1, true}, {"End", 5, true},   {"Home", 1, true}};
    for (const Step& st : steps) {
        const Effects e = k.key(st.key);
        EXPECT_EQ(k.t().curRow, st.row) << st.key;
        EXPECT_EQ(e.cursor && !e.picture, st.cursorOnly) << st.key;
    }
    // Leaving the window scrolls it by one window span.
    k.s->view.viewFirst = 1;
    k.s->view.viewLast = 3;
    k.s->view.xSpan = 2;
    k.t().curRow = 3;
    const Effects e = k.key("Right");
    EXPECT_EQ(k.t().curRow, 4);
    EXPECT_TRUE(e.ranges && e.picture);
    EXPECT_EQ(k.s->view.xRight, 4);
    EXPECT_EQ(k.s->view.xLeft, 2);
}

TEST(Keys, PhaseCurveWalkFollowsObservationTime) {
    Keys k({{0.1, 1, 1}, {0.2, 2, 2}, {0.3, 3, 3}, {0.4, 4, 4}});
    k.s->menu.fasecur1 = true;
    const double obsTime[] = {0, 30, 10, 40, 20};
    for (int r = 1; r <= 4; ++r) k.t().obs(r, -1) = obsTime[r];
    k.t().curRow = 2;  // time 10
    k.key("Right");
    EXPECT_EQ(k.t().curRow, 4);  // time 20, the next observation
    k.key("Left");
    EXPECT_EQ(k.t().curRow, 2);
}

TEST(Keys, InterpolationLinearAndCubic) {
    Keys k({{1, 1, 0}, {2, 8, 0}, {3, 99, 0}, {4, 64, 0}, {5, 125, 0}});
    k.t().curRow = 3;
    k.key("V");  // cubic through t^3 at 1, 2, 4, 5 gives 27 at 3
    EXPECT_NEAR(double(k.t().obs(3, 1)), 27.0, 1e-15);
    EXPECT_EQ(k.t().interpolated(3, 1), 1);

    k.t().present(1, 1) = 0;
    k.t().obs(3, 1) = 99;
    k.key("V");  // one point before: the line through (2, 8) and (4, 64)
    EXPECT_EQ(k.t().obs(3, 1), 36);

    k.t().present(2, 1) = 0;
    k.t().obs(3, 1) = 99;
    k.key("V");  // none before: nothing changes
    EXPECT_EQ(k.t().obs(3, 1), 99);
    EXPECT_EQ(k.t().interpolated(3, 1), 0);
}

TEST(Keys, IntervalFileLines) {
    Keys k(kFive);
    k.t().curRow = 2;
    k.key("9");
    k.t().curRow = 4;
    k.key("0");
    k.key("0");
    EXPECT_EQ(readFile(k.dir.file("star.da!")), "2     2.00000 4     4.00000\r\n4     4.00000\r\n");
}

TEST(Keys, ParabolicExtremumMessageAndFile) {
    // y = 2 + (t - 3)^2 at t = 2, 4, 5 (row 3 absent): vertex (3, 2).
    Keys k({{1, 50, 0}, {2, 3, 0}, {3, 0, 0}, {4, 3, 0}, {6, 11, 0}});
    k.t().present(3, 1) = 0;
    k.t().curRow = 4;
    k.key("Insert");
    ASSERT_EQ(k.rep.messages.size(), 1u);
    EXPECT_EQ(k.rep.messages[0].substr(0, 26), "parabolic extremum x_e=3\n ");
    const std::string line = readFile(k.dir.file("ext.dat"));
    EXPECT_EQ(line.substr(0, 47), " 3.00000000000000E+0000  2.00000000000000E+0000");
    EXPECT_EQ(line.size(), 4 * 23 + 3 + 2u);

    Keys flat({{1, 1, 0}, {2, 2, 0}, {3, 3, 0}});
    flat.t().curRow = 2;
    flat.key("Insert");
    ASSERT_EQ(flat.rep.messages.size(), 1u);
    EXPECT_NE(flat.rep.messages[0].find("no parabolic extremum"), std::string::npos);
    EXPECT_FALSE(test::exists(flat.dir.file("ext.dat")));
}

TEST(Keys, UnitsChannelsAndExtremumSearch) {
    Keys k(kFive);
    k.t().magMode = 1;
    k.key("M");
    EXPECT_NEAR(double(k.t().obs(1, 1)), 100 * std::pow(10.0, -4.0), 1e-18);
    EXPECT_EQ(k.t().unitName, " flux ");
    k.key("M");
    EXPECT_NEAR(double(k.t().obs(1, 1)), 10, 1e-15);
    const Extended before = k.t().obs(1, 1);
    k.key("I");
    EXPECT_EQ(k.t().obs(1, 1), before);
    EXPECT_EQ(k.t().magMode, 0);

    k.t().curChan = 1;
    k.t().undo = {{1, 1, 4}, {1, 2, 5}};
    k.key("D");
    EXPECT_EQ(k.t().nChan, 1);
    EXPECT_NEAR(double(k.t().obs(3, 1)), 7, 1e-15);
    EXPECT_EQ(k.t().undo[0].value, 0);
    EXPECT_EQ(k.t().undo[1].chan, 1);
    k.key("D");  // one channel left: nothing happens
    EXPECT_EQ(k.t().nChan, 1);

    Keys e({{1, 5, 0}, {2, 7, 0}, {3, 6, 0}, {4, 2, 0}, {5, 3, 0}});
    e.key("Numpad6");
    EXPECT_EQ(e.t().curRow, 2);
    e.key("Numpad6");
    EXPECT_EQ(e.t().curRow, 4);
    e.key("Numpad6");
    EXPECT_EQ(e.t().curRow, 5);  // none left: the last row
    e.key("Numpad6");
    EXPECT_EQ(e.t().curRow, 5);  // clamped, not beyond the table
    e.key("Numpad9");            // reversed axis: the peak as drawn is a minimum
    EXPECT_EQ(e.t().curRow, 5);
    e.key("Numpad7");
    EXPECT_EQ(e.t().curRow, 4);
}

TEST(Keys, CaptionAfterEveryKeyAndNothingBeforeOpen) {
    Keys k(kFive);
    k.key("Ctrl+Delete");
    EXPECT_EQ(k.s->caption,
              "Zyt v1.907.151108_QX " + k.t().dataFileName + " original data  magnitude 46");
    k.key("V");  // a typed character follows the key
    EXPECT_EQ(k.s->caption, k.t().dataFileName + "original data magnitude v");

    Keys none(kFive);
    none.t().fileList.reset();
    none.key("Delete");
    EXPECT_EQ(none.t().present(1, 1), 1);
    EXPECT_EQ(none.s->caption.substr(none.s->caption.size() - 2), "46");

    Keys space(kFive);
    space.t().nChan = 1;
    space.key("Space");
    EXPECT_EQ(space.t().nChan, 2);
}

}  // namespace
}  // namespace zyt
