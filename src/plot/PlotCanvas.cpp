#include "plot/PlotCanvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <cstdlib>

#include "core/Errors.h"
#include "io/TextFile.h"

namespace zyt {

void ensureGuiApplication() {
    if (QGuiApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "zyt";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

QImage blankImage(int w, int h) {
    QImage img(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
    img.fill(0xffffffffu);
    return img;
}

void writeImageFile(const QImage& img, const std::string& fileName, const char* format) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (img.isNull() || !img.save(&buf, format))
        throw IoError("cannot encode the picture for \"" + fileName + "\"");
    SafeFile f(fileName);
    f.write(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    f.commit();
}

}  // namespace zyt
