#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "core/Table.h"

namespace zyt {
namespace {

std::unique_ptr<Table> makeTable(const std::vector<std::vector<double>>& rows, int chans) {
    // rows: time, then values per channel; NaN = absent.
    auto t = std::make_unique<Table>();
    t->lastChan = t->nChan = chans;
    for (const auto& row : rows) {
        const int r = ++t->nRows;
        t->noteRowUsed(r);
        t->obs(r, 0) = row[0];
        t->obs(r, -1) = 1000 + r;  // the spare cell remembers the original row
        for (int c = 1; c <= chans; ++c) {
            const double v = row[std::size_t(c)];
            t->present(r, c) = !std::isnan(v);
            t->obs(r, c) = std::isnan(v) ? -1 : v;
        }
    }
    return t;
}

// The exchange Shell sort done on whole rows, as a person would write it.
void referenceShellSort(Table& t) {
    const int n = t.nRows;
    if (n < 2) return;
    int h = 1;
    while (h < n / 9) h = 3 * h + 1;
    for (; h >= 1; h /= 3) {
        for (int i = h + 1; i <= n; ++i) {
            for (int j = i - h; j >= 1 && t.obs(j, 0) > t.obs(j + h, 0); j -= h) {
                for (int c = -1; c <= t.lastChan; ++c) {
                    std::swap(t.obs(j, c), t.obs(j + h, c));
                    std::swap(t.present(j, c), t.present(j + h, c));
                }
                if (t.curRow == j)
                    t.curRow = j + h;
                else if (t.curRow == j + h)
                    t.curRow = j;
            }
        }
    }
}

TEST(SortByTime, MatchesRowExchangeShellSortIncludingEqualTimes) {
    std::mt19937 rng(7);
    for (int n : {0, 1, 2, 9, 17, 40, 200, 1000}) {
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < n; ++i)
            rows.push_back({double(rng() % 25), double(i), double(rng() % 3)});
        auto a = makeTable(rows, 2);
        auto b = makeTable(rows, 2);
        a->curRow = b->curRow = n > 0 ? 1 + int(rng() % unsigned(n)) : 0;
        sortByTime(*a);
        referenceShellSort(*b);
        ASSERT_EQ(a->curRow, b->curRow) << "n=" << n;
        for (int r = 1; r <= n; ++r) {
            for (int c = -1; c <= 2; ++c) {
                ASSERT_EQ(a->obs(r, c), b->obs(r, c)) << "n=" << n << " r=" << r << " c=" << c;
                ASSERT_EQ(a->present(r, c), b->present(r, c));
            }
        }
        for (int r = 2; r <= n; ++r) ASSERT_LE(a->obs(r - 1, 0), a->obs(r, 0));
    }
}

TEST(SortByTime, CursorFollowsItsObservationAndHigherChannelsStay) {
    auto t = makeTable({{5, 1, 10}, {3, 2, 20}, {1, 3, 30}, {4, 4, 40}}, 2);
    t->lastChan = 1;  // channel 2 is above lastChan: it must not move
    t->curRow = 3;    // the smallest time
    sortByTime(*t);
    EXPECT_EQ(t->curRow, 1);
    EXPECT_EQ(t->obs(1, 0), 1);
    EXPECT_EQ(t->obs(1, 1), 3);
    EXPECT_EQ(t->obs(1, -1), 1003);
    EXPECT_EQ(t->obs(1, 2), 10);  // channel 2 of row 1 is where it was
    EXPECT_EQ(t->obs(4, 2), 40);
}

TEST(MergeEqualTimes, JoinsComplementaryRowsAndDropsEmptyOnes) {
    const double A = std::nan("");
    // clang-format off
    struct Case {
        const char* name;
        std::vector<std::vector<double>> rows;
        std::vector<std::vector<double>> expect;  // time, values (NaN = absent)
    };
    const Case cases[] = {
        {"three complementary rows become one",
         {{1, 10, A, A}, {1, A, 20, A}, {1, A, A, 30}, {2, 1, 1, 1}},
         {{1, 10, 20, 30}, {2, 1, 1, 1}}},
        {"both rows have channel 1: two rows stay",
         {{1, 10, A, A}, {1, 11, 5, A}},
         {{1, 10, 5, A}, {1, 11, A, A}}},
        {"a row without values disappears",
         {{1, 10, 1, 1}, {2, A, A, A}, {3, 3, 3, 3}},
         {{1, 10, 1, 1}, {3, 3, 3, 3}}},
        {"different times are not joined", {{1, 10, A, A}, {2, A, 20, A}}, {{1, 10, A, A}, {2, A, 20, A}}},
    };
    // clang-format on
    for (const Case& k : cases) {
        auto t = makeTable(k.rows, 3);
        t->curRow = int(k.rows.size());
        mergeEqualTimes(*t);
        ASSERT_EQ(t->nRows, int(k.expect.size())) << k.name;
        EXPECT_LE(t->curRow, t->nRows) << k.name;
        for (int r = 1; r <= t->nRows; ++r) {
            const auto& e = k.expect[std::size_t(r - 1)];
            EXPECT_EQ(t->obs(r, 0), e[0]) << k.name;
            for (int c = 1; c <= 3; ++c) {
                const bool here = !std::isnan(e[std::size_t(c)]);
                EXPECT_EQ(t->present(r, c) != 0, here) << k.name << " r=" << r << " c=" << c;
                if (here) {
                    EXPECT_EQ(t->obs(r, c), e[std::size_t(c)]) << k.name;
                }
            }
        }
    }
}

TEST(Table, BackupRestoreAndClearCostOnlyTheUsedRows) {
    auto t = std::make_unique<Table>();
    t->nRows = 3;
    t->noteRowUsed(3);
    for (int r = 1; r <= 3; ++r) {
        t->obs(r, 1) = r * 1.5L;
        t->present(r, 1) = 1;
    }
    t->interpolated(2, 1) = 1;
    t->backupToAux();
    t->obs(2, 1) = 99;
    t->present(2, 1) = 0;
    t->restoreFromAux();
    EXPECT_EQ(t->obs(2, 1), 3.0L);
    EXPECT_EQ(t->present(2, 1), 1);
    t->clearAllFlags();
    for (int r = 0; r <= 3; ++r) EXPECT_EQ(t->present(r, 1), 0);
    EXPECT_EQ(t->interpolated(2, 1), 0);
}

TEST(Table, TitleIsPlainConcatenation) {
    auto t = std::make_unique<Table>();
    t->dataFileName = "/d/x.dat";
    EXPECT_EQ(titleText(*t), "Zyt v1.907.151108_QX /d/x.dat original data magnitude ");
}

}  // namespace
}  // namespace zyt
