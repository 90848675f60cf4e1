// Times Open and Save Data As of a deterministic file of 1,000,000 rows x 20
// channels, and reports the peak memory of the process.
//
//   bench_read [FOLDER] [--write-only]   (default folder: /tmp/zyt-bench)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "core/Reporter.h"
#include "core/State.h"
#include "io/DataReader.h"
#include "io/DataWriter.h"
#include "io/Format.h"

namespace {

double seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

long peakRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

// Julian dates and magnitudes with a few absent values, like real photometry.
void writeInput(const std::string& name, int rows, int chans) {
    std::FILE* f = std::fopen(name.c_str(), "wb");
    if (!f) {
        std::perror(name.c_str());
        std::exit(1);
    }
    uint32_t seed = 12345;
    std::string line;
    for (int r = 1; r <= rows; ++r) {
        line.clear();
        zyt::appendF(line, 2459000.0L + r * 0.0007L, 13, 6);
        for (int c = 1; c <= chans; ++c) {
            seed = seed * 134775813u + 1u;
            line.push_back(' ');
            if (seed % 997 == 0) {
                line.push_back('r');
            } else {
                zyt::appendF(line, 10.0L + c * 0.3L + (seed >> 8) / 16777216.0L * 0.1L, 7, 4);
            }
        }
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), f);
    }
    std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 && argv[1][0] != '-' ? argv[1] : "/tmp/zyt-bench";
    const bool writeOnly = argc > 2 && std::string(argv[2]) == "--write-only";
    std::filesystem::create_directories(dir);
    const std::string input = dir + "/bench_1M_20.dat";
    std::filesystem::remove(dir + "/bench_1M_20.dat.log");
    auto t0 = std::chrono::steady_clock::now();
    writeInput(input, 1000000, 20);
    auto t1 = std::chrono::steady_clock::now();
    std::printf("input: %s (%.0f MB) written in %.2f s\n", input.c_str(),
                double(std::filesystem::file_size(input)) / 1e6, seconds(t0, t1));
    if (writeOnly) return 0;

    auto state = std::make_unique<zyt::State>();
    zyt::CollectingReporter rep;
    t0 = std::chrono::steady_clock::now();
    zyt::openCommand(*state, rep, {input});
    t1 = std::chrono::steady_clock::now();
    std::printf("open: %.3f s  (%d rows, %d channels)\n", seconds(t0, t1), state->table.nRows,
                state->table.nChan);

    const std::string output = dir + "/bench_saved.dat";
    t0 = std::chrono::steady_clock::now();
    zyt::saveDataAs(*state, rep, output);
    t1 = std::chrono::steady_clock::now();
    std::printf("save: %.3f s\n", seconds(t0, t1));
    std::printf("peak memory: %ld MB\n", peakRssMb());
    for (const auto& m : rep.messages) std::printf("message: %s\n", m.c_str());
    return 0;
}
