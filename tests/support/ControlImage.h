#pragma once
// Compares a drawn picture with a control image kept under
// tests/data/images/NAME.png, pixel for pixel.
//
// ZYT_UPDATE_CONTROL_IMAGES=1 writes the picture as the new control image
// instead (look at it before committing it). On a mismatch the picture and a
// diff (differing pixels in magenta over a faded copy of the control) are
// written to the working folder as NAME.actual.png and NAME.diff.png.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <string>

#ifndef ZYT_TEST_DATA
#error "ZYT_TEST_DATA must name the fixture folder"
#endif

namespace zyt::test {

inline std::string controlImagePath(const std::string& name) {
    return std::string(ZYT_TEST_DATA) + "/images/" + name + ".png";
}

inline ::testing::AssertionResult matchesControlImage(const QImage& drawn,
                                                      const std::string& name) {
    const QImage img = drawn.convertToFormat(QImage::Format_RGB32);
    const QString path = QString::fromStdString(controlImagePath(name));
    const char* update = std::getenv("ZYT_UPDATE_CONTROL_IMAGES");
    if (update && std::string(update) == "1") {
        if (!img.save(path, "PNG"))
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        return ::testing::AssertionSuccess() << "control image written";
    }
    QImage want;
    if (!want.load(path, "PNG"))
        return ::testing::AssertionFailure() << "no control image " << path.toStdString()
                                             << " (ZYT_UPDATE_CONTROL_IMAGES=1 writes it)";
    want = want.convertToFormat(QImage::Format_RGB32);
    if (want.size() != img.size())
        return ::testing::AssertionFailure()
               << name << ": picture is " << img.width() << "x" << img.height()
               << ", control image " << want.width() << "x" << want.height();

    QImage diff(img.size(), QImage::Format_RGB32);
    long differing = 0;
    int firstX = -1, firstY = -1;
    QRgb firstGot = 0, firstWant = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(want.constScanLine(y));
        QRgb* d = reinterpret_cast<QRgb*>(diff.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if ((a[x] & 0xffffffu) == (b[x] & 0xffffffu)) {
                const int g = 192 + qGray(b[x]) / 4;
                d[x] = qRgb(g, g, g);
                continue;
            }
            d[x] = qRgb(255, 0, 255);
            if (differing++ == 0) {
                firstX = x;
                firstY = y;
                firstGot = a[x];
                firstWant = b[x];
            }
        }
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    img.save(QString::fromStdString(name + ".actual.png"), "PNG");
    diff.save(QString::fromStdString(name + ".diff.png"), "PNG");
    return ::testing::AssertionFailure()
           << name << ": " << differing << " pixels differ from the control image, first at ("
           << firstX << ", " << firstY << "): drawn #" << std::hex << (firstGot & 0xffffffu)
           << ", control #" << (firstWant & 0xffffffu) << std::dec << "; see " << name
           << ".diff.png";
}

}  // namespace zyt::test
