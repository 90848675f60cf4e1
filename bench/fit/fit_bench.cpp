// One fit of 1,000,000 rows with m = 7 (polynomial degree 2 and one period
// of degree 2), all in Extended. Prints the wall time of polynom alone.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

#include "core/State.h"
#include "fit/LeastSquares.h"

// Every allocation of the program is counted, to show that the fit makes none.
static long gAllocations = 0;
void* operator new(std::size_t n) {
    ++gAllocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

int main() {
    using namespace zyt;
    constexpr int kRows = 1000000;
    auto s = std::make_unique<State>();
    Table& t = s->table;
    for (int r = 1; r <= kRows; ++r) {
        const Extended time = 2459000 + r * 1e-4L;
        t.obs(r, kTimeCol) = time;
        t.obs(r, 1) = 12 + 0.01L * (time - 2459050) + 0.3L * std::sin(kTwoPi * time / 0.37L) +
                      1e-3L * Extended((r * 7919LL) % 101 - 50);
        t.present(r, 1) = 1;
        t.noteRowUsed(r);
    }
    t.lastChan = t.nChan = 1;
    t.nRows = kRows;
    FitModel& m = s->fit;
    m.polyDeg = 2;
    m.fitPeriod1 = 0.37L;
    m.fitOmega1 = kTwoPi / m.fitPeriod1;
    m.trigDeg1 = 2;
    s->fitResult.fitOn = true;

    double best = 1e9;
    for (int rep = 0; rep < 3; ++rep) {
        const auto t0 = std::chrono::steady_clock::now();
        const PolynomOutcome o = polynom(*s);
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (o.fitted != 1) {
            std::printf("fit rejected\n");
            return 1;
        }
        best = secs < best ? secs : best;
    }
    std::printf("polynom: %d rows, m = %d: %.3f s (best of 3), no allocation\n", kRows,
                s->fitResult.nParams, best);
    std::printf("sigma0 = %.6Lf, C1 = %.6Lf\n", s->fitResult.fitSigma0, s->fitResult.fitCoef[1][1]);
    return 0;
}
