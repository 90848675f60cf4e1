#pragma once
// The observation table: rows 1..1,000,001 of a time, a spare cell and up to
// 20 channel values, every cell with a presence flag, plus the counters,
// cursor, per-channel flags, undo stack and names that travel with it.
//
// Storage is column-major address space reserved once; a page is committed
// when first written, so memory and the whole-table operations (clearing the
// flags, the backup copy and its restore) cost in proportion to the rows
// that were ever used, not to the capacity.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/BigArray.h"
#include "core/Extended.h"

namespace zyt {

constexpr int kRowCapacity = 1000001;  // rows 1..kRowCapacity
constexpr int kMaxChannels = 20;       // channels 1..20
constexpr int kSpareCol = -1;          // obs[r][-1]: observation time while phases are shown
constexpr int kTimeCol = 0;
constexpr int kUndoCapacity = 1000000;

// One copy of the cells and their flags: `obs`/`present` or their backup.
class CellTable {
  public:
    static constexpr std::size_t kRowSlots = std::size_t(kRowCapacity) + 1;  // rows 0..capacity
    static constexpr int kColumns = kMaxChannels + 2;                        // -1..20

    CellTable() : vals_(kRowSlots * kColumns), flags_(kRowSlots * kColumns) {}

    Extended& value(int r, int c) { return vals_[index(r, c)]; }
    Extended value(int r, int c) const { return vals_[index(r, c)]; }
    uint8_t& flag(int r, int c) { return flags_[index(r, c)]; }
    uint8_t flag(int r, int c) const { return flags_[index(r, c)]; }
    // Contiguous column c (rows 0..capacity); index it by row number.
    Extended* column(int c) { return &vals_[index(0, c)]; }
    const Extended* column(int c) const { return &vals_[index(0, c)]; }
    uint8_t* flagColumn(int c) { return &flags_[index(0, c)]; }
    const uint8_t* flagColumn(int c) const { return &flags_[index(0, c)]; }

    // Rows above this were never written and hold zeros.
    int usedRows() const { return used_; }
    void noteUsed(int row) {
        if (row > used_) used_ = row;
    }
    void clearFlags();
    // Makes this an exact copy of `other` (rows 0..the higher of both extents).
    void copyFrom(const CellTable& other);

  private:
    static std::size_t index(int r, int c) {
        return std::size_t(c + 1) * kRowSlots + std::size_t(r);
    }
    BigArray<Extended> vals_;
    BigArray<uint8_t> flags_;
    int used_ = 0;
};

// One deleted point: its row, channel and the value it had (0 = void entry).
struct UndoEntry {
    int row = 0;
    int chan = 0;
    Extended value = 0;
};

// The errors of the packed value/error layout, rows 0..nRows, columns 0..k.
struct ErrorTable {
    int rows = 0;
    int cols = 0;
    std::vector<double> cells;
    bool empty() const { return cells.empty(); }
    void resize(int nRowsIn, int nColsIn) {
        rows = nRowsIn;
        cols = nColsIn;
        cells.assign(std::size_t(rows + 1) * std::size_t(cols + 1), 0.0);
    }
    void clear() {
        rows = cols = 0;
        cells.clear();
        cells.shrink_to_fit();
    }
    double& at(int r, int k) {
        return cells[std::size_t(r) * std::size_t(cols + 1) + std::size_t(k)];
    }
    double at(int r, int k) const {
        return cells[std::size_t(r) * std::size_t(cols + 1) + std::size_t(k)];
    }
};

struct Table {
    Table() : interp_(CellTable::kRowSlots * (kMaxChannels + 1)) {}

    // The cells. obs(r, 0) is the time, obs(r, -1) the spare cell.
    CellTable cells;
    CellTable aux;  // `obsAux` / `presentAux`
    Extended& obs(int r, int c) { return cells.value(r, c); }
    Extended obs(int r, int c) const { return cells.value(r, c); }
    uint8_t& present(int r, int c) { return cells.flag(r, c); }
    uint8_t present(int r, int c) const { return cells.flag(r, c); }
    Extended& obsAux(int r, int c) { return aux.value(r, c); }
    uint8_t& presentAux(int r, int c) { return aux.flag(r, c); }
    // Interpolation marks stay with the row number; rows moves leave them.
    uint8_t& interpolated(int r, int c) {
        notedInterp_ = std::max(notedInterp_, r);
        return interp_[std::size_t(c) * CellTable::kRowSlots + std::size_t(r)];
    }
    uint8_t interpolated(int r, int c) const {
        return interp_[std::size_t(c) * CellTable::kRowSlots + std::size_t(r)];
    }

    // Counters and cursor.
    int nRows = 0;
    int lastChan = 0;
    int nChan = 0;
    int curRow = 0;
    int curChan = 0;

    // Per-channel flags, index 1..20.
    std::array<uint8_t, kMaxChannels + 1> chanUnmarked{};
    std::array<uint8_t, kMaxChannels + 1> chanInvertY{};

    // Undo stack of deleted points; entry k of the description is undo[k-1].
    std::vector<UndoEntry> undo;
    int undoCount() const { return int(undo.size()); }

    uint8_t magMode = 0;  // 1 = magnitudes, 0 = intensities

    // Names kept for the run.
    std::string dataFileName;
    std::string settingsPath;
    std::optional<std::vector<std::string>> fileList;  // absent until the first Open
    std::string addFileName;
    std::string addedFilesText;
    std::string bangFileName;
    std::string viewModeName = "original data";
    std::string unitName = " magnitude ";
    char decimalSep = '.';
    std::string delMarker = "r";

    ErrorTable errRows;

    // Call after writing a row above nRows (a reader's new row).
    void noteRowUsed(int r) { cells.noteUsed(r); }
    // Highest row that can hold anything of the main table.
    int extent() const { return std::max(cells.usedRows(), nRows); }

    // Every presence flag of all rows := 0.
    void clearAllFlags();
    // obsAux/presentAux := obs/present, and back.
    void backupToAux();
    void restoreFromAux();
    void clearInterpolationMarks();

  private:
    BigArray<uint8_t> interp_;
    int notedInterp_ = 0;
};

// Sort rows 1..nRows by ascending time exactly as the exchange Shell sort with
// the gaps 1, 4, 13, 40, ... does (equal times are never exchanged, so the
// order of equal times is that sort's); curRow follows its observation. Only
// the spare cell, the time and channels 1..lastChan move (with their flags).
void sortByTime(Table& t);

// The row permutation the exchange Shell sort produces on these keys:
// result[i] = index (1-based) of the key that ends in position i. keys[0] is
// unused. Exposed for tests and for callers that sort other keys.
std::vector<int> shellSortOrder(const Extended* keys, int n);

// Join rows of equal times (channels 1..20, bottom up), then drop rows without
// a present value among channels 1..lastChan. curRow is clamped into
// 1..nRows when rows were removed (0 stays 0 for an empty table).
void mergeEqualTimes(Table& t);

// Undo entries name rows by number: after rows were removed or reordered,
// entries follow their rows; entries of removed rows are dropped.
// `kept[i]` is the old number of the row that is now row i + 1.
void remapUndo(Table& t, const std::vector<int>& kept);

// "Zyt v1.907.151108_QX " + dataFileName + " " + viewModeName + unitName.
std::string titleText(const Table& t);
inline constexpr const char* kProgramTitle = "Zyt v1.907.151108_QX ";

}  // namespace zyt
