#include "io/GenerateRandom.h"

#include "core/Errors.h"
#include "io/DataReader.h"
#include "io/Format.h"
#include "io/NumberParse.h"
#include "io/TextFile.h"

namespace zyt {

namespace {
std::optional<long> wholeIn(const std::string& text, long lo, long hi) {
    auto v = parseInteger(text);
    if (!v || *v < lo || *v > hi) return std::nullopt;
    return v;
}
}  // namespace

std::string GenerateRandomParams::validate() const {
    if (!wholeIn(pointsText, 1, kMaxRandomPoints))
        return "Enter a valid integer number of points from 1 to " +
               std::to_string(kMaxRandomPoints);
    if (!wholeIn(channelsText, 1, kMaxChannels))
        return "Enter a valid integer number of channels from 1 to " + std::to_string(kMaxChannels);
    return "";
}

int GenerateRandomParams::points() const {
    return int(wholeIn(pointsText, 1, kMaxRandomPoints).value_or(0));
}
int GenerateRandomParams::channels() const {
    return int(wholeIn(channelsText, 1, kMaxChannels).value_or(0));
}

double nextUniform(uint32_t& seed) {
    seed = seed * 134775813u + 1u;
    return double(seed) / 4294967296.0;
}

std::string randomFileName(int distribution) {
    return "Random_" + std::to_string(distribution == 1 ? 1 : 0) + ".dat";
}

std::string generateRandom(State& s, Reporter& rep, const GenerateRandomParams& p) {
    const std::string why = p.validate();
    if (!why.empty()) throw IoError(why);
    const int n = p.points(), m = p.channels();
    const bool gauss = p.distribution == 1;
    const std::string name = randomFileName(p.distribution);
    {
        SafeFile f(name);
        std::string buf;
        nextUniform(s.randomSeed);
        for (int i = 1; i <= n; ++i) {
            buf += fmtI(i, 4);
            for (int c = 0; c < m; ++c) {
                double v;
                if (gauss) {
                    v = 0;
                    for (int k = 0; k < 6; ++k) {
                        const double u1 = nextUniform(s.randomSeed);
                        const double u2 = nextUniform(s.randomSeed);
                        v += u1 - u2;
                    }
                } else {
                    v = nextUniform(s.randomSeed);
                }
                buf.push_back(' ');
                appendF(buf, v, 8, 5);
            }
            buf += "\r\n";
            f.flushIfLarge(buf);
        }
        f.write(buf);
        f.commit();
    }
    rep.message("Random array generated:" + std::to_string(n) + " points in " + std::to_string(m) +
                " channels");
    if (fileExists(name)) openWithoutDialog(s, rep, {name});
    return name;
}

bool openPeriodogram(State& s, Reporter& rep) {
    const std::string& name = s.pg.pgTableName;
    if (name.empty() || !fileExists(name)) return false;
    return openWithoutDialog(s, rep, {name});
}

}  // namespace zyt
