#pragma once
// What the window tests share: one QApplication (offscreen unless a
// platform is chosen) and a button press on a modal dialog once it shows.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <functional>

namespace zyt {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

// Presses a button of the dialog once it is shown modally.
inline void pressWhenShown(QDialog& d, const char* button, std::function<void()> fill = {}) {
    QTimer::singleShot(0, &d, [&d, button, fill] {
        if (fill) fill();
        d.findChild<QPushButton*>(button)->click();
    });
}

}  // namespace zyt
