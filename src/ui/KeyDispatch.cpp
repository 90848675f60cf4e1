#include "ui/KeyDispatch.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <map>
#include <optional>

#include "ui/Actions.h"
#include "ui/MainWindow.h"

namespace zyt {

KeyDispatcher::KeyDispatcher(MainWindow& w) : QObject(&w), w_(w) {}

bool KeyDispatcher::eventFilter(QObject* obj, QEvent* e) {
    if (e->type() != QEvent::KeyPress || QApplication::activeModalWidget())
        return QObject::eventFilter(obj, e);
    // Keys of the main window only (not of its tool windows); the receiver
    // tells, also where no window manager marks a window active.
    auto* widget = qobject_cast<QWidget*>(obj);
    if (!widget || widget->window() != &w_) return QObject::eventFilter(obj, e);
    // A key reaches the filter once per widget on its way up; act on the
    // first delivery only (the receiver that has focus).
    if (obj != QApplication::focusWidget() && obj != &w_ && QApplication::focusWidget())
        return QObject::eventFilter(obj, e);
    auto* k = static_cast<QKeyEvent*>(e);
    const Qt::KeyboardModifiers mods =
        k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    for (const KeySpec& spec : keyTable()) {
        if (spec.key == k->key() && spec.modifiers == mods) {
            (w_.*spec.handler)();
            return true;
        }
    }
    // Menu shortcuts win over the hot keys. Qt runs them before the key
    // arrives here while the window is active; where nothing marks it active
    // (no window manager) they are looked up here.
    const QKeySequence seq(k->keyCombination());
    for (QAction* a : w_.findChildren<QAction*>()) {
        if (a->shortcut() == seq && a->isEnabled()) {
            a->trigger();
            return true;
        }
    }
    if (auto press = keyPressOf(*k)) {
        w_.pressKey(*press);
        return true;
    }
    return QObject::eventFilter(obj, e);
}

std::optional<KeyPress> keyPressOf(const QKeyEvent& k) {
    KeyPress p;
    const auto m = k.modifiers();
    if (m & Qt::ShiftModifier) p.mods |= ModShift;
    if (m & Qt::ControlModifier) p.mods |= ModCtrl;
    if (m & Qt::AltModifier) p.mods |= ModAlt;
    const int key = k.key();
    if (m & Qt::KeypadModifier) {
        // The numeric pad, with or without Num Lock.
        static const std::map<int, const char*> pad = {
            {Qt::Key_Insert, "Numpad0"},   {Qt::Key_End, "Numpad1"},
            {Qt::Key_Down, "Numpad2"},     {Qt::Key_PageDown, "Numpad3"},
            {Qt::Key_Left, "Numpad4"},     {Qt::Key_Clear, "Numpad5"},
            {Qt::Key_Right, "Numpad6"},    {Qt::Key_Home, "Numpad7"},
            {Qt::Key_Up, "Numpad8"},       {Qt::Key_PageUp, "Numpad9"},
            {Qt::Key_Asterisk, "Numpad*"}, {Qt::Key_Plus, "Numpad+"},
            {Qt::Key_Minus, "Numpad-"},    {Qt::Key_Slash, "Numpad/"},
            {Qt::Key_Delete, "Numpad."},
        };
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            p.key = "Numpad" + std::to_string(key - Qt::Key_0);
            return p;
        }
        auto it = pad.find(key);
        if (it != pad.end()) {
            p.key = it->second;
            return p;
        }
    }
    static const std::map<int, const char*> named = {
        {Qt::Key_Left, "Left"},     {Qt::Key_Right, "Right"},   {Qt::Key_Up, "Up"},
        {Qt::Key_Down, "Down"},     {Qt::Key_Home, "Home"},     {Qt::Key_End, "End"},
        {Qt::Key_Delete, "Delete"}, {Qt::Key_Insert, "Insert"}, {Qt::Key_Escape, "Esc"},
        {Qt::Key_Space, "Space"},   {Qt::Key_BracketLeft, "["}, {Qt::Key_BracketRight, "]"},
        {Qt::Key_Backslash, "\\"},  {Qt::Key_PageUp, "PageUp"}, {Qt::Key_PageDown, "PageDown"},
    };
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        p.key = std::string(1, char('A' + (key - Qt::Key_A)));
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        p.key = std::string(1, char('0' + (key - Qt::Key_0)));
    } else if (auto it = named.find(key); it != named.end()) {
        p.key = it->second;
    } else {
        return std::nullopt;
    }
    return p;
}

}  // namespace zyt
