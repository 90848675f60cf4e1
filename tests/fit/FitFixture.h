#pragma once
// Small tables for the fit tests and an independent dense solver.
#include <cmath>
#include <memory>
#include <vector>

#include "core/State.h"

namespace zyt::test {

// A state with rows (t, y1, y2, ...) present; a data file counts as open.
inline std::unique_ptr<State> tableOf(const std::vector<std::vector<Extended>>& rows) {
    auto s = std::make_unique<State>();
    Table& t = s->table;
    int r = 0;
    for (const auto& row : rows) {
        ++r;
        t.obs(r, kTimeCol) = row[0];
        for (std::size_t c = 1; c < row.size(); ++c) {
            t.obs(r, int(c)) = row[c];
            t.present(r, int(c)) = 1;
        }
        t.noteRowUsed(r);
        t.nChan = t.lastChan = int(row.size()) - 1;
    }
    t.nRows = r;
    t.fileList = std::vector<std::string>{"data.dat"};
    t.dataFileName = "data.dat";
    return s;
}

inline void setPeriod(FitModel& m, int which, Extended period, int degree) {
    const Extended omega = kTwoPi / period;
    if (which == 1) m.fitPeriod1 = period, m.fitOmega1 = omega, m.trigDeg1 = degree;
    if (which == 2) m.fitPeriod2 = period, m.fitOmega2 = omega, m.trigDeg2 = degree;
    if (which == 3) m.fitPeriod3 = period, m.fitOmega3 = omega, m.trigDeg3 = degree;
}

// Solves a x = b by Gaussian elimination with partial pivoting (row-major,
// 0-based, n x n). The test's own solver, written apart from the engine.
inline std::vector<long double> solve(std::vector<std::vector<long double>> a,
                                      std::vector<long double> b) {
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t piv = col;
        for (std::size_t r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[piv][col])) piv = r;
        std::swap(a[piv], a[col]);
        std::swap(b[piv], b[col]);
        for (std::size_t r = col + 1; r < n; ++r) {
            const long double f = a[r][col] / a[col][col];
            for (std::size_t c = col; c < n; ++c) a[r][c] -= f * a[col][c];
            b[r] -= f * b[col];
        }
    }
    std::vector<long double> x(n);
    for (std::size_t i = n; i-- > 0;) {
        long double v = b[i];
        for (std::size_t c = i + 1; c < n; ++c) v -= a[i][c] * x[c];
        x[i] = v / a[i][i];
    }
    return x;
}

// Determinant by elimination with partial pivoting (sign of the swaps kept).
inline long double determinant(std::vector<std::vector<long double>> a) {
    const std::size_t n = a.size();
    long double det = 1;
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t piv = col;
        for (std::size_t r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[piv][col])) piv = r;
        if (piv != col) {
            std::swap(a[piv], a[col]);
            det = -det;
        }
        det *= a[col][col];
        if (a[col][col] == 0) return 0;
        for (std::size_t r = col + 1; r < n; ++r) {
            const long double f = a[r][col] / a[col][col];
            for (std::size_t c = col; c < n; ++c) a[r][c] -= f * a[col][c];
        }
    }
    return det;
}

}  // namespace zyt::test
