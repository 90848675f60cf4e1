// Redraw speed: 1,000,000 rows x 4 channels on a 1920 x 1080 picture. Times
// a full drawing and a cursor move, then the same points drawn by
// matplotlib (scatter into a PNG of the same size) and prints the ratio.
// Usage: bench_redraw [ROWS] [PYTHON]   (python defaults to /usr/bin/python3)
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "core/Reporter.h"
#include "edit/KeyTable.h"
#include "plot/ChannelRenderer.h"
#include "plot/ViewModel.h"

using namespace zyt;
using Clock = std::chrono::steady_clock;

static double seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const std::string python = argc > 2 ? argv[2] : "/usr/bin/python3";
    auto s = std::make_unique<State>();
    initialiseViewState(*s);
    Table& t = s->table;
    t.fileList = std::vector<std::string>{"bench.dat"};
    t.nRows = rows;
    t.lastChan = t.nChan = 4;
    uint32_t seed = 1;
    auto uni = [&] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / 16777216.0;
    };
    std::ofstream csv("/tmp/zyt_bench_points.bin", std::ios::binary);
    for (int r = 1; r <= rows; ++r) {
        const double time = 2460000.0 + r * 1e-5;
        t.obs(r, 0) = time;
        for (int c = 1; c <= 4; ++c) {
            const double v = 12 + c + 0.3 * std::sin(r * 1e-4 * c) + 0.05 * (uni() - 0.5) * c;
            t.obs(r, c) = v;
            // Channel 4 has a value in one row of 1000 only, so that a
            // cursor step there passes 999 absent cells.
            t.present(r, c) = c != 4 || r % 1000 == 1;
            float rec[3] = {float(time - 2460000.0), float(v), float(c)};
            csv.write(reinterpret_cast<const char*>(rec), sizeof rec);
        }
        t.noteRowUsed(r);
    }
    csv.close();
    t.curRow = t.curChan = 1;
    t.chanUnmarked = {};
    for (int c = 2; c <= 4; ++c) t.chanUnmarked[std::size_t(c)] = 1;
    s->view.imageWidth = 1920;
    s->view.imageHeight = 1080;
    s->view.xLeft = t.obs(1, 0);
    s->view.xRight = t.obs(rows, 0);
    afterLoad(*s);

    PlotCanvas canvas;
    Pictures(*s, canvas);  // warm-up (fonts, pages)
    const int reps = 5;
    auto a = Clock::now();
    for (int i = 0; i < reps; ++i) Pictures(*s, canvas);
    auto b = Clock::now();
    const double full = seconds(a, b) / reps;

    const int moves = 200;
    a = Clock::now();
    for (int i = 0; i < moves; ++i) {
        t.curRow = 1 + (i * 4999) % rows;
        redrawCursor(*s, canvas);
    }
    b = Clock::now();
    const double cursor = seconds(a, b) / moves;

    // Cursor steps by the key Right as the window runs them: the key, then
    // the marker and status line (or a full drawing when the key asks).
    KeyTable keys;
    CollectingReporter rep;
    KeyContext ctx{*s, rep, {}, {}, ""};
    const KeyPress right = *parseKeyName("Right");
    auto steps = [&](int chan, int n, int& redraws) {
        t.curRow = 1;
        t.curChan = chan;
        redraws = 0;
        const auto a0 = Clock::now();
        for (int i = 0; i < n; ++i) {
            const Effects e = keys.press(ctx, right);
            if (e.ranges) computeRanges(*s);
            if (e.visibleWindow) computeVisibleWindow(*s);
            if (e.picture) {
                Pictures(*s, canvas);
                ++redraws;
            } else if (e.cursor) {
                redrawCursor(*s, canvas);
            }
        }
        return seconds(a0, Clock::now()) / n;
    };
    int fullDense = 0, fullSparse = 0;
    const double stepDense = steps(1, 500, fullDense);
    const double stepSparse = steps(4, 500, fullSparse);
    writeImageFile(canvas.picture, "/tmp/zyt_bench.png", "PNG");

    const std::string script =
        python +
        " -c \"import time,numpy as np,matplotlib; matplotlib.use('Agg'); import matplotlib.pyplot "
        "as plt;"
        "d=np.fromfile('/tmp/zyt_bench_points.bin',dtype=np.float32).reshape(-1,3);"
        "t0=time.perf_counter(); f=plt.figure(figsize=(19.2,10.8),dpi=100);"
        "[f.add_subplot(4,1,c).scatter(d[d[:,2]==c,0],d[d[:,2]==c,1],s=4) for c in (1,2,3,4)];"
        "f.savefig('/tmp/zyt_bench_mpl.png'); print(time.perf_counter()-t0)\"";
    double mpl = -1;
    if (FILE* p = popen(script.c_str(), "r")) {
        if (std::fscanf(p, "%lf", &mpl) != 1) mpl = -1;
        pclose(p);
    }
    std::printf("rows %d x 4 channels, picture 1920x1080\n", rows);
    std::printf("full redraw (Pictures): %.4f s   (target < 0.3 s)\n", full);
    std::printf("cursor move:            %.3f ms  (target < 5 ms)\n", cursor * 1000);
    std::printf("cursor step (key Right): %.3f ms, %d full redraws in 500  (target < 5 ms)\n",
                stepDense * 1000, fullDense);
    std::printf("cursor step over 999 absent cells: %.3f ms, %d full redraws in 500\n",
                stepSparse * 1000, fullSparse);
    if (mpl > 0)
        std::printf("matplotlib scatter:     %.3f s   ratio %.1fx  (target >= 10x)\n", mpl,
                    mpl / full);
    else
        std::printf("matplotlib: not available (%s)\n", python.c_str());
    return 0;
}
