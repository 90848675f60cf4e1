#pragma once
// Pixel operations of the plot pictures, done directly on a 32-bit QImage so
// that every pixel is where the drawing rules put it (no anti-aliasing, no
// pen widths): move to / line to without its end pixel, single pixels, and
// ellipses in a bounding box. Everything outside the image is clipped.
#include <QImage>
#include <cstdint>
#include <vector>

namespace zyt {

struct PixelOffset {
    int dx, dy;
};

class Raster {
  public:
    // `img` must be Format_RGB32 or Format_ARGB32; it is not owned.
    explicit Raster(QImage& img);

    void setPen(QRgb c) { pen_ = c; }
    void setFill(QRgb c) { fill_ = c; }
    QRgb pen() const { return pen_; }

    void pixel(int x, int y, QRgb c) {
        if (unsigned(x) < unsigned(w_) && unsigned(y) < unsigned(h_)) row(y)[x] = c;
    }
    void moveTo(int x, int y) {
        px_ = x;
        py_ = y;
    }
    // A line from the pen position to (x, y) in the pen colour; the end
    // pixel is not drawn (Bresenham); the pen position becomes (x, y).
    void lineTo(int x, int y);
    // The ellipse inscribed in the box [x1, x2) x [y1, y2) (the corners may
    // come in any order): the pixels whose centres lie inside it; those with
    // a 4-neighbour outside are the outline (pen), the rest the fill.
    void ellipse(int x1, int y1, int x2, int y2);
    // Stamps a precomputed pixel set around (x, y) in colour c.
    void stamp(const std::vector<PixelOffset>& offs, int x, int y, QRgb c);
    // True when the whole box [x-r, x+r] x [y-r, y+r] lies in the image.
    bool inside(int x, int y, int r) const {
        return x - r >= 0 && y - r >= 0 && x + r < w_ && y + r < h_;
    }

  private:
    QRgb* row(int y) { return reinterpret_cast<QRgb*>(bits_ + std::ptrdiff_t(y) * stride_); }
    uchar* bits_;
    std::ptrdiff_t stride_;
    int w_, h_;
    QRgb pen_ = 0xff000000u, fill_ = 0xffffffffu;
    int px_ = 0, py_ = 0;
};

// The pixels of the ellipse in the box [x1, x2) x [y1, y2), relative to
// (ox, oy), split into outline and inside as Raster::ellipse draws them.
void ellipsePixels(int x1, int y1, int x2, int y2, int ox, int oy,
                   std::vector<PixelOffset>& outline, std::vector<PixelOffset>& inside);

}  // namespace zyt
