#pragma once
// The action table: every command of the window once, with its designer
// name, caption (the hint for a tool button), shortcut, place, icon, start
// state and handler. The menus, the tool bar and the rules text are built
// from it; the key table feeds the application-level key dispatch.
// A later command is one more line here (a null handler keeps a control
// hidden until its command exists).
#include <Qt>
#include <vector>

namespace zyt {

class MainWindow;
using Handler = void (MainWindow::*)();

enum class Place { ToolBar, File, Approximation, Form, View, Help };

struct ActionSpec {
    const char* name;      // objectName (designer name)
    const char* caption;   // menu caption with '&', or the tool button's hint
    const char* shortcut;  // QKeySequence text, "" for none
    Place place;
    int icon;      // QStyle::StandardPixmap, -1 for a text button
    bool enabled;  // at start
    bool checkable;
    bool checked;     // at start
    Handler handler;  // nullptr: not built yet, the control stays hidden
};

const std::vector<ActionSpec>& actionTable();

// Keys the window handles before its controls see them.
struct KeySpec {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* description;  // for the rules text
    Handler handler;
};

const std::vector<KeySpec>& keyTable();

}  // namespace zyt
