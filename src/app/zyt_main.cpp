// zyt [FILE]: the window program. FILE, when given, is opened at the first
// activation of the main window.
#include <QApplication>
#include <memory>

#include "app/script/ScriptRunner.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    auto state = std::make_unique<zyt::State>();
    zyt::initialiseState(*state);
    const std::string file = argc > 1 ? argv[1] : "";
    zyt::MainWindow w(*state, file);
    w.showMaximized();
    return app.exec();
}
