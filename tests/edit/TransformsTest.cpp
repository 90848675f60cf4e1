#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "edit/Transforms.h"
#include "io/DataWriter.h"

namespace zyt {
namespace {

// Rows as text: "time v v ~v" where '~' marks an absent value.
std::unique_ptr<State> makeState(const std::vector<std::string>& rows, int chans) {
    auto s = std::make_unique<State>();
    Table& t = s->table;
    t.lastChan = t.nChan = chans;
    t.fileList = std::vector<std::string>{"x.dat"};
    t.dataFileName = "x.dat";
    for (const std::string& row : rows) {
        const int r = ++t.nRows;
        t.noteRowUsed(r);
        std::istringstream in(row);
        std::string w;
        in >> w;
        t.obs(r, 0) = std::stold(w);
        t.obs(r, -1) = 100 + r;
        for (int c = 1; c <= chans && in >> w; ++c) {
            const bool absent = w[0] == '~';
            t.obs(r, c) = std::stold(absent ? w.substr(1) : w);
            t.present(r, c) = !absent;
        }
    }
    t.curRow = 1;
    t.curChan = 1;
    s->view.viewFirst = 1;
    s->view.viewLast = t.nRows;
    return s;
}

std::string cellText(const Table& t, int r, int c) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%.12Lg", t.present(r, c) ? "" : "~", t.obs(r, c));
    return buf;
}

std::string rowText(const Table& t, int r, int chans) {
    std::string s = cellText(t, r, 0).substr(t.present(r, 0) ? 0 : 1);
    for (int c = 1; c <= chans; ++c) s += " " + cellText(t, r, c);
    return s;
}

const std::vector<std::string> kValues = {"1 2 0 -1", "2 ~3 0.00001 4", "3 5 ~-2 0", "4 1 1 1"};

TEST(Transforms, ValueCommandsOnPresentAbsentZeroAndNegativeCells) {
    // clang-format off
    struct Case {
        const char* name;
        int curRow, curChan;
        Effects (*run)(State&);
        std::vector<std::string> rows;
        bool fitOff;
    } cases[] = {
        {"zero is bad point", 2, 1, zeroIsBadPoint, {"1 2 ~0 -1", "2 ~3 1e-05 4", "3 5 ~-2 ~0", "4 1 1 1"}, false},
        {"inverse sign", 2, 1, inverseSign, {"1 -2 -0 1", "2 ~-3 -1e-05 -4", "3 -5 ~2 -0", "4 -1 -1 -1"}, false},
        {"+1 to the start", 2, 1, [](State& s) { return addOneFromCursor(s, 1, true); },
         {"1 3 0 -1", "2 ~4 1e-05 4", "3 5 ~-2 0", "4 1 1 1"}, false},
        {"-1 to the end", 2, 2, [](State& s) { return addOneFromCursor(s, -1, false); },
         {"1 2 0 -1", "2 ~3 -0.99999 4", "3 5 ~-3 0", "4 1 0 1"}, false},
        {"mag -> intensity", 1, 1, magToIntensity,
         {"1 0.158489319246 0 -1", "2 ~0.063095734448 1e-05 4", "3 0.01 ~-2 0", "4 0.398107170553 1 1"}, true},
        {"intensity -> mag", 1, 3, intensityToMag,
         {"1 2 0 ~-1", "2 ~3 1e-05 -1.50514997832", "3 5 ~-2 ~0", "4 1 1 -0"}, true},
        {"intensity -> mag of an absent positive cell", 1, 1, intensityToMag,
         {"1 -0.75257498916 0 -1", "2 ~-1.1928031368 1e-05 4", "3 -1.74742501084 ~-2 0", "4 -0 1 1"}, true},
        {"lg current channel", 1, 3, [](State& s) { return lgChannels(s, false); },
         {"1 2 0 ~-1", "2 ~3 1e-05 0.602059991328", "3 5 ~-2 ~0", "4 1 1 0"}, true},
        {"lg all channels", 1, 1, [](State& s) { return lgChannels(s, true); },
         {"1 0.301029995664 ~0 ~-1", "2 ~3 -5 0.602059991328", "3 0.698970004336 ~-2 ~0", "4 0 0 0"}, true},
        {"10^ current channel", 1, 1, [](State& s) { return pow10Channels(s, false); },
         {"1 100 0 -1", "2 ~3 1e-05 4", "3 100000 ~-2 0", "4 10 1 1"}, true},
    };
    // clang-format on
    for (const Case& k : cases) {
        auto s = makeState(kValues, 3);
        s->table.curRow = k.curRow;
        s->table.curChan = k.curChan;
        const Effects e = k.run(*s);
        EXPECT_TRUE(e.picture) << k.name;
        EXPECT_EQ(e.fitOff, k.fitOff) << k.name;
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ(rowText(s->table, r, 3), k.rows[std::size_t(r - 1)]) << k.name;
    }
}

TEST(Transforms, PlusThenMinusRestoresAndCursorRowIsInBoth) {
    auto s = makeState(kValues, 3);
    s->table.curRow = 3;
    addOneFromCursor(*s, 1, false);
    addOneFromCursor(*s, 1, true);
    EXPECT_EQ(s->table.obs(3, 1), 7);
    addOneFromCursor(*s, -1, false);
    addOneFromCursor(*s, -1, true);
    auto fresh = makeState(kValues, 3);
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(rowText(s->table, r, 3), rowText(fresh->table, r, 3));
    s->table.curRow = 0;  // not a valid cursor: nothing changes
    addOneFromCursor(*s, 1, true);
    EXPECT_EQ(s->table.obs(1, 1), 2);
}

TEST(Transforms, BothFiltersKeepTheSameRowsOnlyOneEmptiesTheUndoStack) {
    const std::vector<std::string> rows = {"1 1 1 ~9", "2 ~1 1 9", "3 1 1 ~9", "4 1 ~1 9",
                                           "5 1 1 9"};
    auto a = makeState(rows, 3);
    auto b = makeState(rows, 3);
    for (State* s : {a.get(), b.get()}) {
        s->table.nChan = 2;  // channel 3 is hidden: it does not decide
        s->table.undo = {{2, 1, 7}, {3, 3, 8}, {5, 2, 6}};
    }
    removeLinesWithZero(*a);
    leaveOnlyCompleteSets(*b);
    ASSERT_EQ(a->table.nRows, 3);
    ASSERT_EQ(b->table.nRows, 3);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(rowText(a->table, r, 3), rowText(b->table, r, 3));
        EXPECT_EQ(a->table.obs(r, -1), b->table.obs(r, -1));
    }
    EXPECT_EQ(rowText(a->table, 2, 3), "3 1 1 ~9");  // hidden channel moved with its row
    EXPECT_EQ(a->table.obs(3, -1), 105);
    EXPECT_EQ(a->red.nCompleteRows, 3);
    EXPECT_EQ(b->red.nCompleteRows, 0);
    EXPECT_EQ(a->table.undoCount(), 0);
    // The entry of removed row 2 is dropped; rows 3 and 5 are now rows 2 and 3.
    ASSERT_EQ(b->table.undoCount(), 2);
    EXPECT_EQ(b->table.undo[0].row, 2);
    EXPECT_EQ(b->table.undo[1].row, 3);
    EXPECT_EQ(a->table.obsAux(2, 0), 3);
    EXPECT_EQ(a->table.presentAux(2, 2), 1);
}

TEST(Transforms, TimeTransformsSortAndKeepTheCursorOnItsObservation) {
    auto s = makeState({"0 1", "2 2", "4 3", "5 4"}, 1);
    s->table.curRow = 2;  // time 2
    s->view.viewFirst = 2;
    s->view.viewLast = 4;
    dayToCycle(*s);
    EXPECT_EQ(rowText(s->table, 1, 1), "0 1");  // 0 stays 0 and stays first
    EXPECT_EQ(rowText(s->table, 2, 1), "0.2 4");
    EXPECT_EQ(rowText(s->table, 4, 1), "0.5 2");
    EXPECT_EQ(s->table.curRow, 4);
    EXPECT_EQ(s->view.xLeft, 0.2L);
    EXPECT_EQ(s->view.xRight, 0.5L);
    dayToCycle(*s);
    EXPECT_EQ(rowText(s->table, 2, 1), "2 2");
    EXPECT_EQ(rowText(s->table, 4, 1), "5 4");
    EXPECT_EQ(s->table.curRow, 2);

    negateTime(*s);
    EXPECT_EQ(rowText(s->table, 1, 1), "-5 4");
    EXPECT_EQ(rowText(s->table, 4, 1), "-0 1");
    EXPECT_EQ(s->table.curRow, 3);

    auto w = makeState({"1 30", "2 10", "3 20"}, 1);
    swapTimeAndFirst(*w);
    EXPECT_EQ(rowText(w->table, 1, 1), "10 2");
    EXPECT_EQ(w->view.xLeft, 10);
    EXPECT_EQ(w->view.xRight, 30);

    auto l = makeState({"0.1 1", "10 2", "-1 3"}, 1);
    const Effects e = lgTime(*l);
    EXPECT_TRUE(e.fitOff && e.visibleWindow);
    EXPECT_EQ(rowText(l->table, 1, 1), "-1 1");  // not re-sorted
    EXPECT_EQ(rowText(l->table, 3, 1), "-1 3");

    const Effects n = nsvsTime(*l);
    EXPECT_FALSE(n.picture || n.ranges);
    EXPECT_EQ(l->table.obs(2, 0), 50001.5L);
}

TEST(Transforms, SplitAtAboveAndBelowEveryValue) {
    // clang-format off
    struct Case {
        Extended boundary;
        std::vector<std::string> rows;
    } cases[] = {
        // The new channel's absent cells keep what the shift put there.
        {2, {"1 1 ~7 7", "2 2 ~8 8", "3 ~3 3 9"}},  // equal stays, above moves
        {10, {"1 1 ~7 7", "2 2 ~8 8", "3 3 ~9 9"}},
        {0, {"1 ~1 1 7", "2 ~2 2 8", "3 ~3 3 9"}},
    };
    // clang-format on
    for (const Case& k : cases) {
        auto s = makeState({"1 1 7", "2 2 8", "3 3 9"}, 2);
        CollectingReporter rep;
        splitChannelBySignal(*s, rep, k.boundary);
        EXPECT_EQ(s->table.nChan, 3);
        EXPECT_EQ(s->table.lastChan, 2);
        for (int r = 1; r <= 3; ++r) EXPECT_EQ(rowText(s->table, r, 3), k.rows[std::size_t(r - 1)]);
    }
    auto full = makeState({"1 1"}, 1);
    full->table.nChan = 20;
    CollectingReporter rep;
    const Effects e = splitChannelBySignal(*full, rep, 0);
    EXPECT_EQ(full->table.nChan, 20);
    EXPECT_FALSE(e.picture);
    ASSERT_EQ(rep.messages.size(), 1u);
    EXPECT_EQ(rep.messages[0], "no free channel for the split");
}

TEST(Transforms, LinearTransformDialogAndTheOldValueInBothTerms) {
    auto s = makeState({"1 2 10", "2 3 20"}, 2);
    LinearTransformFields f;
    f.edit1 = "1,5";
    f.edit2 = "2";
    f.edit3 = "3";
    f.edit4 = "1";  // k = T = the current channel 1
    auto p = acceptLinearTransform(f, '.');
    ASSERT_TRUE(p);
    EXPECT_EQ(f.edit1, "1.5");
    linearTransform(*s, *p);
    EXPECT_EQ(s->table.obs(1, 1), 2 * 2 + 1.5L + 3 * 2);
    EXPECT_EQ(s->table.obs(2, 1), 2 * 3 + 1.5L + 3 * 3);

    f.edit4 = "21";
    std::string why;
    EXPECT_FALSE(acceptLinearTransform(f, '.', &why));
    EXPECT_FALSE(why.empty());
    f.edit4 = "2";
    f.edit2 = "x";
    EXPECT_FALSE(acceptLinearTransform(f, '.'));

    LinearTransformFields g;
    g.setCheckBox2(true);  // checking the channel box unchecks "all points"
    EXPECT_FALSE(g.checkBox1);
    g.edit3 = "1";
    g.edit4 = "0";
    s->table.curRow = 2;
    linearTransform(*s, *acceptLinearTransform(g, '.'));
    EXPECT_EQ(s->table.obs(1, 1), 11.5L);
    EXPECT_EQ(s->table.obs(2, 1), 16.5L + 2);  // y + t, in the cursor row only
}

TEST(Transforms, MarksAndSigmaFilter) {
    auto s = makeState({"1 1 0.1 2 0.5 3", "2 1 0.9 2 0.2 3"}, 5);
    s->table.chanUnmarked = {};
    markAll(*s);
    invertMarks(*s);
    EXPECT_EQ(s->table.chanUnmarked[1], 1);
    unmarkAll(*s);
    EXPECT_EQ(s->table.chanUnmarked[5], 1);
    EXPECT_EQ(s->table.chanUnmarked[6], 0);

    setErrorColumns(*s, true);  // 3 channels; the third has the added zero errors
    sigmaFilter(*s, "0,5");
    EXPECT_EQ(s->table.present(1, 1), 0);  // 0.1 < 0.5
    EXPECT_EQ(s->table.present(2, 1), 1);
    EXPECT_EQ(s->table.present(1, 2), 1);  // equal to the limit keeps its point
    EXPECT_EQ(s->table.present(2, 2), 0);
    EXPECT_EQ(s->table.present(1, 3), 0);
    sigmaFilter(*s, "nonsense");
    EXPECT_EQ(s->table.present(2, 1), 1);
}

}  // namespace
}  // namespace zyt
