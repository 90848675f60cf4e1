#include "io/Settings.h"

#include <cmath>
#include <optional>

#include "core/Errors.h"
#include "io/Format.h"
#include "io/NumberParse.h"
#include "io/TextFile.h"

namespace zyt {
namespace {

// Whitespace-separated tokens of a whole file, with the line structure
// available where a reader skips to the next line.
class TokenScanner {
  public:
    TokenScanner(std::string text, std::string fileName)
        : text_(std::move(text)), file_(std::move(fileName)) {}

    // Nothing but white space is left.
    bool atEnd() {
        skipWhite();
        return pos_ >= text_.size();
    }
    // Nothing at all is left.
    bool atEndPlain() const { return pos_ >= text_.size(); }

    Extended real() {
        const std::string tok = token();
        auto v = parseNumber(tok);
        if (!v) fail("invalid number", tok);
        // An exponent beyond the range gives infinity, which the writer
        // could not store again: refuse it like a malformed number.
        if (!std::isfinite(*v)) fail("number out of range", tok);
        return *v;
    }
    int integer() {
        const std::string tok = token();
        auto v = parseInteger(tok);
        if (!v) fail("invalid integer", tok);
        return int(*v);
    }
    void skipLine() {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        if (pos_ < text_.size()) ++pos_;
        ++line_;
    }
    std::string restOfLine() {
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != '\n') ++end;
        std::string s = text_.substr(pos_, end - pos_);
        if (!s.empty() && s.back() == '\r') s.pop_back();
        pos_ = end;
        return s;
    }

  private:
    static bool white(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    void skipWhite() {
        while (pos_ < text_.size() && white(text_[pos_])) {
            if (text_[pos_] == '\n') ++line_;
            ++pos_;
        }
    }
    std::string token() {
        skipWhite();
        if (pos_ >= text_.size()) fail("unexpected end of file", "");
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !white(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }
    [[noreturn]] void fail(const char* what, const std::string& tok) {
        std::string msg = "File \"" + file_ + "\", line " + std::to_string(line_) + ": " + what;
        if (!tok.empty()) msg += " \"" + (tok.size() > 40 ? tok.substr(0, 40) + "..." : tok) + "\"";
        throw IoError(msg);
    }

    std::string text_;
    std::string file_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

std::string gen(Extended x) {
    return fmtGeneral(x);
}
std::string gen(int x) {
    return std::to_string(x);
}

Extended omegaOf(Extended period) {
    return period != 0 ? kTwoPi / period : 1;
}

const char* kCrLf = "\r\n";

}  // namespace

void loadini(State& s) {
    if (!fileExists(s.table.settingsPath)) return;
    loadiniFrom(s, readWholeFile(s.table.settingsPath), s.table.settingsPath);
}

void loadiniFrom(State& s, std::string text, const std::string& fileName) {
    TokenScanner in(std::move(text), fileName);
    auto& f = s.fields;

    if (in.atEnd()) return;
    s.red.compChan = in.integer();
    s.red.compMag = in.real();
    f["TForm16.SpinEdit1"] = gen(s.red.compChan);
    f["TForm16.Edit2"] = gen(s.red.compMag);

    if (in.atEnd()) return;
    s.le.leEpoch = in.real();
    s.le.lePeriod = in.real();
    if (s.le.lePeriod == 0) s.le.lePeriod = 1;
    f["TForm17.Edit1"] = gen(s.le.lePeriod);
    f["TForm17.Edit2"] = gen(s.le.leEpoch);

    if (in.atEnd()) return;
    s.red.runMeanN = in.integer();
    s.red.runMeanMaxGap = in.real();
    if (s.red.runMeanN <= 0) s.red.runMeanN = 8;
    if (!(s.red.runMeanMaxGap > 0)) s.red.runMeanMaxGap = 1;
    f["TForm18.Edit1"] = gen(s.red.runMeanN);
    f["TForm18.Edit2"] = gen(s.red.runMeanMaxGap);

    if (in.atEnd()) return;
    s.red.nIntervals = in.integer();
    f["TForm22.Edit1"] = gen(s.red.nIntervals);

    if (in.atEnd()) return;
    s.red.starRA = in.real();
    s.red.starDec = in.real();
    s.red.siteLon = in.real();
    s.red.siteLat = in.real();
    f["TForm19.Edit1"] = gen(s.red.starRA);
    f["TForm19.Edit2"] = gen(s.red.starDec);
    f["TForm19.Edit3"] = gen(s.red.siteLon);
    f["TForm19.Edit4"] = gen(s.red.siteLat);
    s.red.starRA = s.red.starRA / 24 * kTwoPi;
    s.red.starDec = s.red.starDec / 360 * kTwoPi;
    s.red.siteLon = s.red.siteLon / 24 * kTwoPi;
    s.red.siteLat = s.red.siteLat / 360 * kTwoPi;

    if (in.atEnd()) return;
    FitParams& p = s.fit;
    p.polyDeg = in.integer();
    in.skipLine();
    p.fitPeriod1 = in.real();
    p.trigDeg1 = in.integer();
    in.skipLine();
    p.fitPeriod2 = in.real();
    p.trigDeg2 = in.integer();
    in.skipLine();
    p.fitPeriod3 = in.real();
    p.trigDeg3 = in.integer();
    in.skipLine();
    p.fitOmega1 = omegaOf(p.fitPeriod1);
    p.fitOmega2 = omegaOf(p.fitPeriod2);
    p.fitOmega3 = omegaOf(p.fitPeriod3);
    f["TForm23.Edit1"] = gen(p.polyDeg);
    f["TForm23.Edit3"] = gen(p.fitPeriod1);
    f["TForm23.Edit4"] = gen(p.fitPeriod2);
    f["TForm23.Edit5"] = gen(p.fitPeriod3);
    f["TForm23.Edit6"] = gen(p.trigDeg1);
    f["TForm23.Edit7"] = gen(p.trigDeg2);
    f["TForm23.Edit8"] = gen(p.trigDeg3);

    if (in.atEnd()) return;
    PeriodogramParams& g = s.pg;
    g.pgMinPeriod = in.real();
    g.pgMaxPeriod = in.real();
    g.pgTrendDeg = in.integer();
    g.pgTrigDeg = in.integer();
    g.pgNFreq = in.integer();
    in.skipLine();
    f["TForm24.Edit1"] = gen(g.pgMinPeriod);
    f["TForm24.Edit2"] = gen(g.pgMaxPeriod);
    f["TForm24.Edit3"] = gen(g.pgTrendDeg);
    f["TForm24.Edit4"] = gen(g.pgTrigDeg);
    f["TForm24.Edit5"] = gen(g.pgNFreq);

    if (in.atEnd()) return;
    s.le.leQ = in.real();
    in.skipLine();
    f["TForm17.Edit3"] = gen(s.le.leQ);

    // The marker is the whole 12th line, which may be empty.
    if (in.atEndPlain()) return;
    s.table.delMarker = in.restOfLine();
    in.skipLine();
    f["TForm36.ComboBox1"] = s.table.delMarker;
}

std::string settingsText(State& s, int lines) {
    const ReductionState& r = s.red;
    const FitParams& p = s.fit;
    const PeriodogramParams& g = s.pg;
    std::string t;
    auto line = [&](const std::string& text) { t += text + kCrLf; };
    line(fmtI(r.compChan) + " " + fmtE23(r.compMag));
    line(fmtE23(s.le.leEpoch) + " " + fmtE23(s.le.lePeriod));
    line(fmtI(r.runMeanN) + " " + fmtE23(r.runMeanMaxGap));
    line(fmtI(r.nIntervals));
    // Divided first: the product could overflow for a huge value the reader took.
    line(fmtE23(r.starRA / kTwoPi * 24) + " " + fmtE23(r.starDec / kTwoPi * 360) + " " +
         fmtE23(r.siteLon / kTwoPi * 24) + " " + fmtE23(r.siteLat / kTwoPi * 360));
    line(fmtI(p.polyDeg));
    line(fmtE23(p.fitPeriod1) + " " + fmtI(p.trigDeg1));
    line(fmtE23(p.fitPeriod2) + " " + fmtI(p.trigDeg2));
    line(fmtE23(p.fitPeriod3) + " " + fmtI(p.trigDeg3));
    line(fmtE23(g.pgMinPeriod) + " " + fmtE23(g.pgMaxPeriod) + " " + fmtI(g.pgTrendDeg) + " " +
         fmtI(g.pgTrigDeg) + " " + fmtI(g.pgNFreq));
    if (lines > 10) {
        line(fmtE23(s.le.leQ));
        line(s.table.delMarker);
    }
    return t;
}

namespace {
void writeSettings(State& s, int lines) {
    if (s.table.settingsPath.empty()) return;  // no data folder yet
    SafeFile out(s.table.settingsPath);
    out.write(settingsText(s, lines));
    out.commit();
}
}  // namespace

void saveini(State& s) {
    writeSettings(s, 12);
}
void saveiniTenLines(State& s) {
    writeSettings(s, 10);
}

std::string weightsText(const State& s) {
    const ReductionState& r = s.red;
    const int n = std::min(s.table.nChan, kMaxChannels);
    std::string t = fmtI(n) + kCrLf;
    for (int ch = 1; ch <= n; ++ch) {
        const std::size_t c = std::size_t(ch);
        t += fmtF(r.starMag[c], 10, 7) + " " + fmtF(r.compWeight[c], 9, 6) + " ";
        if (s.table.chanUnmarked[c] == 0) {
            if (r.starSigma[c] > r.meanCompSigma)
                t += fmtF(
                    std::sqrt(r.starSigma[c] * r.starSigma[c] - r.meanCompSigma * r.meanCompSigma),
                    9, 6);
            else
                t += "   0    ";
        } else {
            t += "         ";
        }
        t += fmtF(r.starSigma[c], 9, 6);
        const Extended perPoint =
            r.nCompleteRows > 1 ? r.starSigma[c] / std::sqrt(Extended(r.nCompleteRows - 1)) : 0;
        t += fmtF(perPoint, 9, 6);
        t += " ";
        t += kCrLf;
    }
    // F(8,4) normally brings its own blank; a magnitude that fills the field
    // gets one, or the line would read as one number and not load again.
    std::string mag = fmtF(r.compMag, 8, 4);
    if (mag.front() != ' ') mag.insert(0, 1, ' ');
    t += fmtI(r.compChan) + mag + " =mcomp, xmcomp" + kCrLf;
    t += fmtF(r.meanCompSigma, 10, 6) + " =sig_0" + kCrLf;
    for (int ch = 1; ch <= n; ++ch) t += fmtF(r.meanCompErrByStar[std::size_t(ch)], 8, 4) + kCrLf;
    return t;
}

std::string saveWeightsFile(const State& s, const std::string& nameAsTyped) {
    const std::string name = nameAsTyped + ".ini";
    SafeFile out(name);
    out.write(weightsText(s));
    out.commit();
    return name;
}

void openWeightsFile(State& s, const std::string& fileName) {
    readWeightsFrom(s, readWholeFile(fileName), fileName);
}

int readWeightsFrom(State& s, std::string text, const std::string& fileName) {
    TokenScanner in(std::move(text), fileName);
    const int n = in.integer();
    if (n < 0 || n > kMaxChannels)
        throw IoError("File \"" + fileName + "\": " + std::to_string(n) +
                      " channels; a weights file holds 0 to " + std::to_string(kMaxChannels));
    in.skipLine();
    for (int ch = 1; ch <= n; ++ch) {
        s.red.chanMean[std::size_t(ch)] = in.real();
        s.red.compWeight[std::size_t(ch)] = in.real();
        in.skipLine();
    }
    s.red.compChan = in.integer();
    s.red.compMag = in.real();
    return n;
}

void setDelMarker(State& s, const std::string& text) {
    s.table.delMarker = text;
    s.fields["TForm36.ComboBox1"] = text;
}

void saveDataAsSettings(State& s, bool ok) {
    if (ok)
        saveini(s);
    else
        loadini(s);
}

}  // namespace zyt
