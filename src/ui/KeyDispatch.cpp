#include "ui/KeyDispatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/Actions.h"
#include "ui/MainWindow.h"

namespace zyt {

KeyDispatcher::KeyDispatcher(MainWindow& w) : QObject(&w), w_(w) {}

bool KeyDispatcher::eventFilter(QObject* obj, QEvent* e) {
    if (e->type() != QEvent::KeyPress || QApplication::activeModalWidget()) return QObject::eventFilter(obj, e);
    // Keys of the main window only (not of its tool windows); the receiver
    // tells, also where no window manager marks a window active.
    auto* widget = qobject_cast<QWidget*>(obj);
    if (!widget || widget->window() != &w_) return QObject::eventFilter(obj, e);
    // A key reaches the filter once per widget on its way up; act on the
    // first delivery only (the receiver that has focus).
    if (obj != QApplication::focusWidget() && obj != &w_ && QApplication::focusWidget())
        return QObject::eventFilter(obj, e);
    auto* k = static_cast<QKeyEvent*>(e);
    const Qt::KeyboardModifiers mods = k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    for (const KeySpec& spec : keyTable()) {
        if (spec.key == k->key() && spec.modifiers == mods) {
            (w_.*spec.handler)();
            return true;
        }
    }
    return QObject::eventFilter(obj, e);
}

}  // namespace zyt
