#include "plot/Raster.h"

#include <algorithm>
#include <cstdlib>

namespace zyt {

Raster::Raster(QImage& img)
    : bits_(img.bits()), stride_(img.bytesPerLine()), w_(img.width()), h_(img.height()) {}

void Raster::lineTo(int x, int y) {
    int x0 = px_, y0 = py_;
    px_ = x;
    py_ = y;
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    // Lines far outside the picture are not walked pixel by pixel.
    if ((x0 < 0 && x < 0) || (y0 < 0 && y < 0) || (x0 >= w_ && x >= w_) || (y0 >= h_ && y >= h_))
        return;
    if (dx > 4 * (w_ + h_) || -dy > 4 * (w_ + h_)) {
        // A line reaching far outside: clip it to the picture (plus a
        // margin) first, so that the walk stays as long as the picture.
        double t0 = 0, t1 = 1;
        const double fx = x - x0, fy = y - y0;
        auto clip = [&](double p, double q) {
            if (p == 0) return q >= 0;
            const double r = q / p;
            if (p < 0) {
                if (r > t1) return false;
                t0 = std::max(t0, r);
            } else {
                if (r < t0) return false;
                t1 = std::min(t1, r);
            }
            return true;
        };
        if (!clip(-fx, x0 + 1.0) || !clip(fx, w_ - x0) || !clip(-fy, y0 + 1.0) ||
            !clip(fy, h_ - y0))
            return;
        const int cx0 = int(x0 + t0 * fx), cy0 = int(y0 + t0 * fy);
        const int cx1 = int(x0 + t1 * fx), cy1 = int(y0 + t1 * fy);
        const int keepX = px_, keepY = py_;
        px_ = cx0;
        py_ = cy0;
        lineTo(cx1, cy1);
        if (t1 < 1) pixel(cx1, cy1, pen_);
        px_ = keepX;
        py_ = keepY;
        return;
    }
    int err = dx + dy;
    long guard = long(dx) - long(dy) + 1;
    while (!(x0 == x && y0 == y) && guard-- > 0) {
        pixel(x0, y0, pen_);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void ellipsePixels(int x1, int y1, int x2, int y2, int ox, int oy,
                   std::vector<PixelOffset>& outline, std::vector<PixelOffset>& insideOut) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int w = x2 - x1, h = y2 - y1;
    if (w <= 0 || h <= 0) return;
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0, ax = w / 2.0, ay = h / 2.0;
    auto in = [&](int px, int py) {
        if (px < x1 || px >= x2 || py < y1 || py >= y2) return false;
        const double u = (px + 0.5 - cx) / ax, v = (py + 0.5 - cy) / ay;
        return u * u + v * v <= 1.0;
    };
    for (int py = y1; py < y2; ++py)
        for (int px = x1; px < x2; ++px) {
            if (!in(px, py)) continue;
            const bool edge =
                !in(px - 1, py) || !in(px + 1, py) || !in(px, py - 1) || !in(px, py + 1);
            (edge ? outline : insideOut).push_back({px - ox, py - oy});
        }
}

void Raster::ellipse(int x1, int y1, int x2, int y2) {
    std::vector<PixelOffset> outline, in;
    ellipsePixels(x1, y1, x2, y2, 0, 0, outline, in);
    for (auto p : in) pixel(p.dx, p.dy, fill_);
    for (auto p : outline) pixel(p.dx, p.dy, pen_);
}

void Raster::stamp(const std::vector<PixelOffset>& offs, int x, int y, QRgb c) {
    for (auto p : offs) pixel(x + p.dx, y + p.dy, c);
}

}  // namespace zyt
