#pragma once
// The pictures of the plot: what is shown, and the same drawing without the
// cursor marker, which a cursor move puts back before it draws the marker.
#include <QImage>
#include <string>

namespace zyt {

struct PlotCanvas {
    QImage picture;
    QImage cursorless;
};

// Makes sure text can be drawn into a QImage: creates a QGuiApplication on
// the offscreen platform when the program has none (the batch runner).
void ensureGuiApplication();

// A white picture of w x h pixels (at least 1 x 1).
QImage blankImage(int w, int h);

// Encodes the picture as PNG or BMP (by `format`) and writes it through a
// temporary file renamed over `fileName`; throws IoError naming the file.
void writeImageFile(const QImage& img, const std::string& fileName, const char* format);

}  // namespace zyt
