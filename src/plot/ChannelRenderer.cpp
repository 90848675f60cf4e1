#include "plot/ChannelRenderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "fit/FitCurve.h"
#include "io/Format.h"
#include "plot/ControlStates.h"
#include "plot/Raster.h"
#include "plot/ViewModel.h"

namespace zyt {

TimeTicks timeTicks(Extended xSpan) {
    TimeTicks tt;
    const Extended L = std::log10(xSpan) - 0.01L;
    const Extended e = std::floor(L);
    const Extended m = std::pow(10.0L, L - e);
    tt.step = std::pow(10.0L, e);
    if (m < 2.1L) {
        tt.step /= 10;
        tt.every = 5;
    } else if (m < 5.1L) {
        tt.step /= 5;
        tt.every = 5;
    } else {
        tt.step /= 2;
        tt.every = 4;
    }
    const int d = int(std::trunc(std::log10((tt.step + 0.01L) * tt.every)));
    tt.digits = d >= 0 ? d : 3 - d;
    return tt;
}

Extended phaseColourPeriod(const State& s) {
    Extended p = 1;
    switch (s.view.phaseColourMode) {
        case 0:
        case 1:
            p = s.le.lePeriod;
            break;
        case 2:
            p = 1;
            break;
        case 3:
            p = 365.25L;
            break;
        default: {
            const std::string& f = s.view.phaseColourPeriodText;
            char* end = nullptr;
            const long double v = std::strtold(f.c_str(), &end);
            p = (end && *end == '\0' && !f.empty()) ? v : 0;
        }
    }
    return p == 0 ? 1 : p;
}

QRgb phaseColour(Extended tb, Extended epoch, Extended period, QRgb dflt) {
    const Extended c = std::trunc((tb - epoch) / period + 0.5L);
    const Extended q = c - 5 * std::trunc(c / 5);
    static const QRgb cycle[5] = {kBlue, kRed, kGreen, kPurple, kBlack};
    if (q >= 0 && q < 5) return cycle[int(q)];
    return dflt;
}

namespace {

// Text at a top-left point on a filled background, in the picture's font.
class TextPen {
  public:
    explicit TextPen(QImage& img) : p_(&img) {
        QFont f = p_.font();
        f.setPixelSize(11);
        p_.setFont(f);
        fm_ = std::make_unique<QFontMetrics>(p_.font());
    }
    void text(int x, int y, const std::string& s, QRgb fg, QRgb bg) {
        const QString q = QString::fromStdString(s);
        p_.fillRect(QRect(x, y, fm_->horizontalAdvance(q), fm_->height()), QColor::fromRgb(bg));
        p_.setPen(QColor::fromRgb(fg));
        p_.drawText(x, y + fm_->ascent(), q);
    }

  private:
    QPainter p_;
    std::unique_ptr<QFontMetrics> fm_;
};

std::string dotted(std::string s) {
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

int truncPixel(Extended p) {
    if (!(p > -1e9L)) return -1000000000;
    if (p > 1e9L) return 1000000000;
    return int(std::trunc(p));
}

int nShown(const State& s) {
    return std::clamp(s.table.nChan, 0, kMaxChannels);
}

// Ticks at both ends of the panels and labels under the last one.
int drawTimeAxis(const State& s, Raster& ras, TextPen& tp) {
    const ViewState& v = s.view;
    const int n = nShown(s);
    const TimeTicks tt = timeTicks(v.xSpan);
    if (!(tt.step > 0) || !std::isfinite(tt.step)) return 0;
    const Extended kf = std::trunc((v.xLeft - 5 / v.xScale) / tt.step + 0.001L);
    const Extended kl = std::trunc((v.xRight + 5 / v.xScale) / tt.step);
    if (!(kl - kf < 100000)) return 0;  // an absurd step would flood the axis
    int len = 0;
    ras.setPen(v.fgColor);
    const int top = v.panelTop[0] - 2, bottom = v.panelTop[std::size_t(n)] - 2;
    for (Extended k = kf; k <= kl; k += 1) {
        const Extended t = k * tt.step;
        if (!(v.xLeft <= t && t <= v.xRight)) continue;
        const int x = truncPixel((t - v.xLeft) * v.xScale + 50);
        const bool major = std::fmod(k, Extended(tt.every)) == 0;
        len = major ? 7 : 4;
        ras.moveTo(x, top);
        ras.lineTo(x, top + len);
        ras.moveTo(x, bottom);
        ras.lineTo(x, bottom - len);
        if (major)
            tp.text(x - (tt.digits * 3) / 2, v.panelTop[std::size_t(n)],
                    dotted(fmtGeneral(t, 15, '.')), v.fgColor, kWhite);
    }
    return len;
}

void hline(Raster& ras, int x1, int x2, int y) {
    ras.moveTo(x1, y);
    ras.lineTo(x2, y);
}

// Steps 5 and 6: separators, zero lines, value labels and ticks.
void drawValueAxes(const State& s, Raster& ras, TextPen& tp, int len) {
    const ViewState& v = s.view;
    const int n = nShown(s);
    const int right = v.plotRight + 7;
    ras.setPen(kBlue);
    for (int i = 0; i <= n; ++i) hline(ras, 43, right, v.panelTop[std::size_t(i)] - 2);
    for (int i = 1; i <= n; ++i) {
        if (v.yMax[std::size_t(i)] * v.yMin[std::size_t(i)] < 0) {
            ras.setPen(kYellow);
            hline(ras, 43, right, panelY(s, i, 0));
            ras.setPen(kBlue);
        }
    }
    for (int ch = 1; ch <= n; ++ch) {
        const int T = v.panelTop[std::size_t(ch - 1)], B = v.panelTop[std::size_t(ch)];
        const bool up = uprightChannel(s, ch);
        const Extended lo = v.yMin[std::size_t(ch)], hi = v.yMax[std::size_t(ch)];
        hline(ras, 43, 43 + len, T);
        tp.text(0, B - 13, dotted(fmtFixedPrec(up ? lo : hi, 9, 4, '.')), v.fgColor, kWhite);
        hline(ras, 43, 43 + len, B - 4);
        tp.text(0, T, dotted(fmtFixedPrec(up ? hi : lo, 9, 4, '.')), v.fgColor, kWhite);
        hline(ras, right - len, right, T);
        hline(ras, right - len, right, B - 4);
    }
}

// The pixel sets of a point: the circle, plus the small inner ellipse of a
// marked channel (pen and fill have one colour, so only the union counts).
std::vector<PixelOffset> circleStamp(int r, bool marked) {
    std::vector<PixelOffset> a, b;
    ellipsePixels(-r, -r, r, r, 0, 0, a, b);
    a.insert(a.end(), b.begin(), b.end());
    if (marked) {
        std::vector<PixelOffset> c, d;
        ellipsePixels(2, 1, -2, -1, 0, 0, c, d);
        a.insert(a.end(), c.begin(), c.end());
        a.insert(a.end(), d.begin(), d.end());
    }
    std::sort(a.begin(), a.end(), [](PixelOffset p, PixelOffset q) {
        return p.dy != q.dy ? p.dy < q.dy : p.dx < q.dx;
    });
    a.erase(std::unique(a.begin(), a.end(),
                        [](PixelOffset p, PixelOffset q) { return p.dx == q.dx && p.dy == q.dy; }),
            a.end());
    return a;
}

// The points of every shown channel.
void drawPoints(const State& s, Raster& ras, int width, int height) {
    const ViewState& v = s.view;
    const Table& t = s.table;
    const int n = nShown(s);
    const int vf = std::max(v.viewFirst, 1), vl = std::min(v.viewLast, t.nRows);
    if (vl < vf) return;
    const Extended* tcol = t.cells.column(kTimeCol);
    const Extended* spare = t.cells.column(kSpareCol);
    std::vector<int> xs(std::size_t(vl - vf + 1));
    for (int r = vf; r <= vl; ++r) xs[std::size_t(r - vf)] = plotX(v, tcol[r]);

    const bool phase = s.menu.fasecur1;
    const bool errors = s.menu.evenchanneliserror1;
    const bool bars = s.menu.errorbar1;
    const Extended cp = phaseColourPeriod(s);
    const std::string& style = v.symbolName;
    const int rad = v.symbolSize;
    std::vector<uint64_t> seen;
    for (int ch = 1; ch <= n; ++ch) {
        const bool unmarked = t.chanUnmarked[std::size_t(ch)] == 1;
        const QRgb base = unmarked ? v.fgColor : kBlue;
        const bool asLine = style == "line" || (v.linesForUnmarked && unmarked);
        const bool asCircle = !asLine && style == "circle";
        const bool asPoint = !asLine && style == "point";
        const auto stamp = circleStamp(rad, !unmarked);
        // Points on one pixel with one colour give the same picture when
        // drawn once.
        const bool dedup = !phase && !errors && (asCircle || asPoint);
        if (dedup) seen.assign((std::size_t(width) * std::size_t(height) + 63) / 64, 0);
        const Extended* val = t.cells.column(ch);
        const uint8_t* here = t.cells.flagColumn(ch);
        const bool up = uprightChannel(s, ch);
        // panelY of this channel, with its constants taken out of the loop.
        const Extended top = v.panelTop[std::size_t(ch - 1)], scale = v.yScale;
        const Extended ref = up ? v.yMax[std::size_t(ch)] : v.yMin[std::size_t(ch)];
        const Extended sign = up ? -1 : 1;
        auto yOf = [&](Extended value) {
            const Extended p = sign * (value - ref) * scale + top;
            if (!(p > -1e9L)) return -1000000000;
            if (p > 1e9L) return 1000000000;
            return int(std::rint(p));
        };
        int count = 0;
        for (int r = vf; r <= vl; ++r) {
            if (!here[r]) continue;
            const int x = xs[std::size_t(r - vf)];
            const int y = yOf(val[r]);
            QRgb col = base;
            if (phase) {
                col = phaseColour(spare[r], s.le.leEpoch, cp, base);
                if (v.phaseColourMode == 0) col = v.fgColor;
            }
            ras.setPen(col);
            ras.setFill(col);
            ++count;
            if (dedup && unsigned(x) < unsigned(width) && unsigned(y) < unsigned(height)) {
                const std::size_t bit = std::size_t(y) * std::size_t(width) + std::size_t(x);
                uint64_t& word = seen[bit >> 6];
                const uint64_t mask = uint64_t(1) << (bit & 63);
                if (word & mask) continue;
                word |= mask;
            }
            if (asPoint) {
                ras.pixel(x, y, v.fgColor);
            } else if (asCircle) {
                ras.stamp(stamp, x, y, col);
            } else if (asLine) {
                if (count == 1)
                    ras.moveTo(x, y);
                else
                    ras.lineTo(x, y);
            }
            if (errors) {
                double e = 0;
                if (!t.errRows.empty() && r <= t.errRows.rows && ch <= t.errRows.cols)
                    e = t.errRows.at(r, ch);
                const int y1 = panelY(s, ch, val[r] - e), y2 = panelY(s, ch, val[r] + e);
                if (bars) {
                    ras.moveTo(x, y1);
                    ras.lineTo(x, y2);
                } else {
                    ras.pixel(x, y1, v.fgColor);
                    ras.pixel(x, y2, v.fgColor);
                }
                ras.moveTo(x, y);
            }
        }
    }
}

// The fitted curve of every fitted slot in its own panel, with the
// accuracy band: f in fgColor, f+-sigma red, f+-2 sigma green. Each of the
// five polylines goes on from its own previous sample.
void drawFitCurves(State& s, Raster& ras) {
    const int k = std::min(fitCurveCount(s), nShown(s));
    if (k < 1) return;
    struct Line {
        Extended sigmas;
        QRgb colour;
        int x = 0, y = 0;
    };
    Line lines[5] = {{0, s.view.fgColor}, {1, kRed}, {-1, kRed}, {2, kGreen}, {-2, kGreen}};
    FitCurve curve;
    for (int ch = 1; ch <= k; ++ch) {
        fitCurveSamples(s, ch, curve);
        for (std::size_t i = 0; i < curve.t.size(); ++i) {
            const int x = plotX(s.view, curve.t[i]);
            for (Line& l : lines) {
                const int y = panelY(s, ch, curve.f[i] + l.sigmas * curve.sigma[i]);
                if (i > 0) {
                    ras.setPen(l.colour);
                    ras.moveTo(l.x, l.y);
                    ras.lineTo(x, y);
                }
                l.x = x;
                l.y = y;
            }
        }
    }
}

bool cursorDrawable(const State& s) {
    const Table& t = s.table;
    return t.curRow >= 1 && t.curRow <= t.nRows && t.curChan >= 1 && t.curChan <= nShown(s);
}

void drawCursorMarker(const State& s, QImage& img) {
    if (!cursorDrawable(s)) return;
    const Table& t = s.table;
    Raster ras(img);
    const int x = plotX(s.view, t.obs(t.curRow, kTimeCol));
    const int y = panelY(s, t.curChan, t.obs(t.curRow, t.curChan));
    const int r = s.view.symbolSize;
    ras.setPen(kRed);
    ras.setFill(kRed);
    ras.ellipse(x - 2 * r, y - 2 * r, x + 2 * r, y + 2 * r);
    ras.ellipse(x - 2 * r + 1, y - 2 * r + 1, x + 2 * r - 1, y + 2 * r - 1);
}

// The cycle number of the light elements for the status line: linear, or the
// root of Q E^2 + P E = x - T0 near the linear one.
Extended statusCycle(const State& s, Extended x) {
    const LightElements& le = s.le;
    const Extended e0 = (x - le.leEpoch) / le.lePeriod;
    if (le.leQ == 0) return e0;
    const Extended q2p = 2 * le.leQ / le.lePeriod;
    const Extended z = 2 * e0 * q2p;
    if (std::fabs(z) <= 0.035L) {
        Extended p = 715.0L / 65536;
        for (Extended c : {-429.0L / 32768, 33.0L / 2048, -21.0L / 1024, 7.0L / 256, -5.0L / 128,
                           1.0L / 16, -1.0L / 8, 1.0L / 2})
            p = p * z + c;
        return p * z / q2p;
    }
    return (std::sqrt(1 + z) - 1) / q2p;
}

}  // namespace

std::string statusLine(const State& s) {
    const Table& t = s.table;
    const int r = t.curRow;
    if (r < 1 || r > t.nRows || t.curChan < 1 || t.curChan > kMaxChannels) return "";
    // The single view shows its channel under its own number; the value is
    // the one drawn (column 1).
    const bool single = t.viewModeName == kViewSingle;
    const int shownCh = single ? s.view.singleChan : t.curChan;
    const int col = t.curChan;
    const char sep = t.decimalSep;
    auto F = [&](Extended x) { return fmtFixedPrec(x, 15, 7, sep); };
    const Extended time = t.obs(r, kTimeCol), val = t.obs(r, col);
    std::string text = "Current point = " + std::to_string(r) + "   " + std::to_string(shownCh) +
                       "  x=" + F(time) + " y=" + F(val);
    if (t.present(r, col) && time != 0) text += "  1/x=" + F(1 / time);
    if (s.menu.fasecur1) {
        text += " t=" + fmtGeneral(t.obs(r, kSpareCol), 15, sep) +
                " T0=" + fmtGeneral(s.le.leEpoch, 15, sep) +
                " P=" + fmtGeneral(s.le.lePeriod, 15, sep);
    } else if (s.le.lePeriod > 0) {
        const Extended E = statusCycle(s, val);
        Extended ph = E - std::trunc(E);
        if (ph < 0) ph += 1;
        text += " phase:=" + fmtFixedPrec(ph, 6, 4, sep);
    }
    return text;
}

void drawChannelPanels(State& s, PlotCanvas& canvas) {
    const Table& t = s.table;
    if (!t.fileList || t.fileList->empty() || t.fileList->front().empty()) return;
    ensureGuiApplication();
    ViewState& v = s.view;
    computeVisibleWindow(s);
    QImage img = blankImage(v.imageWidth, v.imageHeight);
    setDrawingGeometry(s);
    {
        Raster ras(img);
        TextPen tp(img);
        ras.setPen(v.fgColor);
        ras.moveTo(43, v.plotTop - 2);
        ras.lineTo(43, v.plotBottom);
        ras.moveTo(v.plotRight + 7, v.plotTop - 2);
        ras.lineTo(v.plotRight + 7, v.plotBottom);
        const int len = drawTimeAxis(s, ras, tp);
        computeVisibleWindow(s);
        drawValueAxes(s, ras, tp, len);
        v.colourPeriod = phaseColourPeriod(s);
        drawPoints(s, ras, img.width(), img.height());
        drawFitCurves(s, ras);
    }
    canvas.cursorless = img;
    drawCursorMarker(s, img);
    canvas.picture = img;
    v.label8 = statusLine(s);
    v.pictureSaved = 0;
    enableAfterDrawing(s);
    v.captionsVisible = true;
}

void Pictures(State& s, PlotCanvas& canvas) {
    drawChannelPanels(s, canvas);
}

void redrawCursor(State& s, PlotCanvas& canvas) {
    if (canvas.cursorless.isNull()) return;
    QImage img = canvas.cursorless.copy();
    drawCursorMarker(s, img);
    canvas.picture = img;
    s.view.label8 = statusLine(s);
}

}  // namespace zyt
