#include "core/Table.h"

#include <cstring>

namespace zyt {

void CellTable::clearFlags() {
    for (int c = -1; c <= kMaxChannels; ++c) {
        std::memset(flagColumn(c), 0, std::size_t(used_) + 1);
    }
}

void CellTable::copyFrom(const CellTable& other) {
    const int rows = std::max(used_, other.used_);
    for (int c = -1; c <= kMaxChannels; ++c) {
        std::memcpy(column(c), other.column(c), (std::size_t(rows) + 1) * sizeof(Extended));
        std::memcpy(flagColumn(c), other.flagColumn(c), std::size_t(rows) + 1);
    }
    used_ = other.used_;
    if (rows > used_) used_ = rows;  // zeros copied above other's extent still count as written
}

void Table::clearAllFlags() {
    cells.noteUsed(nRows);
    cells.clearFlags();
    // The marks belong to the values of the table that is being replaced; a
    // new file's values must not be written back as interpolated ones.
    clearInterpolationMarks();
}

void Table::backupToAux() {
    cells.noteUsed(nRows);
    aux.copyFrom(cells);
}

void Table::restoreFromAux() {
    cells.copyFrom(aux);
}

void Table::clearInterpolationMarks() {
    for (int c = 0; c <= kMaxChannels; ++c) {
        std::memset(&interp_[std::size_t(c) * CellTable::kRowSlots], 0,
                    std::size_t(notedInterp_) + 1);
    }
    notedInterp_ = 0;
}

std::vector<int> shellSortOrder(const Extended* keys, int n) {
    struct Item {
        Extended key;
        int index;
    };
    std::vector<Item> a(std::size_t(n) + 1);
    for (int i = 1; i <= n; ++i) a[std::size_t(i)] = {keys[i], i};

    int h = 1;
    while (h < n / 9) h = 3 * h + 1;
    for (; h >= 1; h /= 3) {
        for (int i = h + 1; i <= n; ++i) {
            int j = i - h;
            while (j >= 1 && a[std::size_t(j)].key > a[std::size_t(j + h)].key) {
                std::swap(a[std::size_t(j)], a[std::size_t(j + h)]);
                j -= h;
            }
        }
    }
    std::vector<int> order(std::size_t(n) + 1, 0);
    for (int i = 1; i <= n; ++i) order[std::size_t(i)] = a[std::size_t(i)].index;
    return order;
}

namespace {

// Column c := column c taken in `order` (order[i] = old row of new row i).
template <class T>
void permuteColumn(T* col, const std::vector<int>& order, int n, std::vector<T>& tmp) {
    tmp.resize(std::size_t(n) + 1);
    for (int i = 1; i <= n; ++i) tmp[std::size_t(i)] = col[order[std::size_t(i)]];
    std::memcpy(static_cast<void*>(col + 1), tmp.data() + 1, std::size_t(n) * sizeof(T));
}

}  // namespace

void sortByTime(Table& t) {
    const int n = t.nRows;
    if (n < 2) return;
    std::vector<int> order = shellSortOrder(t.cells.column(kTimeCol), n);

    // Exchanging rows j and j+h moves the cursor with its row; the net effect
    // is that it lands where its observation ended.
    if (t.curRow >= 1 && t.curRow <= n) {
        for (int i = 1; i <= n; ++i) {
            if (order[std::size_t(i)] == t.curRow) {
                t.curRow = i;
                break;
            }
        }
    }

    bool moved = false;
    for (int i = 1; i <= n && !moved; ++i) moved = order[std::size_t(i)] != i;
    if (!moved) return;
    if (!t.undo.empty()) remapUndo(t, std::vector<int>(order.begin() + 1, order.end()));

    std::vector<Extended> tmpV;
    std::vector<uint8_t> tmpF;
    const int last = std::min(t.lastChan, kMaxChannels);
    for (int c = kSpareCol; c <= last; ++c) {
        permuteColumn(t.cells.column(c), order, n, tmpV);
        permuteColumn(t.cells.flagColumn(c), order, n, tmpF);
    }
}

void mergeEqualTimes(Table& t) {
    const int n = t.nRows;
    const Extended* time = t.cells.column(kTimeCol);

    // 1. Joining, bottom up. Each channel moves independently of the others,
    //    so the walk can go channel by channel.
    for (int c = 1; c <= kMaxChannels; ++c) {
        Extended* v = t.cells.column(c);
        uint8_t* p = t.cells.flagColumn(c);
        for (int i = n; i >= 2; --i) {
            if (time[i] == time[i - 1] && p[i - 1] == 0 && p[i] == 1) {
                v[i - 1] = v[i];
                p[i - 1] = 1;
                p[i] = 0;
            }
        }
    }

    // 2. Compaction: keep rows with a present value among 1..lastChan.
    const int last = std::min(t.lastChan, kMaxChannels);
    std::vector<int> keep;
    keep.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i) {
        bool any = false;
        for (int c = 1; c <= last && !any; ++c) any = t.present(i, c) != 0;
        if (any) keep.push_back(i);
    }
    const int kept = int(keep.size());
    if (kept == n) return;
    remapUndo(t, keep);
    for (int c = kSpareCol; c <= kMaxChannels; ++c) {
        Extended* v = t.cells.column(c);
        uint8_t* p = t.cells.flagColumn(c);
        for (int k = 0; k < kept; ++k) {
            const int from = keep[std::size_t(k)];
            v[k + 1] = v[from];
            p[k + 1] = p[from];
        }
    }
    t.nRows = kept;
    if (t.curRow > t.nRows) t.curRow = t.nRows;
}

void remapUndo(Table& t, const std::vector<int>& kept) {
    if (t.undo.empty()) return;
    int maxRow = 0;
    for (const UndoEntry& e : t.undo) maxRow = std::max(maxRow, e.row);
    std::vector<int> newRow(std::size_t(maxRow) + 1, 0);
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (kept[i] <= maxRow) newRow[std::size_t(kept[i])] = int(i) + 1;
    std::size_t w = 0;
    for (const UndoEntry& e : t.undo) {
        const int to = e.row >= 0 && e.row <= maxRow ? newRow[std::size_t(e.row)] : 0;
        if (to == 0) continue;
        t.undo[w] = e;
        t.undo[w].row = to;
        ++w;
    }
    t.undo.resize(w);
}

std::string titleText(const Table& t) {
    return std::string(kProgramTitle) + t.dataFileName + " " + t.viewModeName + t.unitName;
}

}  // namespace zyt
