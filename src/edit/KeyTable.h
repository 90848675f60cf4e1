#pragma once
// The hot keys: one table from key (with the modifier it needs) to command.
//
// A key whose binding names no modifier acts with or without modifiers,
// unless a binding of the same key names a modifier that is held (Ctrl+Z
// undoes, Z and Shift+Z subtract 1). Before a file is opened only the
// caption changes. After every key the caption shows the file, the view,
// the unit and the key's virtual-key code; a printable key then also types
// its character.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Effects.h"
#include "core/Reporter.h"
#include "core/State.h"

namespace zyt {

enum KeyMod : unsigned { ModNone = 0, ModShift = 1, ModCtrl = 2, ModAlt = 4 };

struct KeyPress {
    std::string key;  // "Left", "Delete", "Numpad6", "Z", "9", "Space", "[", ...
    unsigned mods = ModNone;
};

// "Ctrl+Alt+Left", "Shift+F2", "Numpad*", "Space"; nothing for an unknown name.
std::optional<KeyPress> parseKeyName(const std::string& text);
// The Windows virtual-key code the caption shows, 0 for none.
int virtualKeyCode(const std::string& key);
// The character a key types without Ctrl and Alt, 0 for none.
char typedChar(const KeyPress& k);

// What a key command may need from the window around it.
struct KeyContext {
    State& state;
    Reporter& rep;
    // The exit question; returns after the person answered.
    std::function<void()> exitQuestion;
    // The line-list dialog of Alt+S: the chosen line, or nothing for Cancel.
    std::function<std::optional<std::string>()> chooseLine;
    // The folder where "ext.dat" and "ttt.dat" are written ("" = current).
    std::string resultFolder;
};

using KeyHandler = std::function<Effects(KeyContext&)>;

class KeyTable {
  public:
    // The table with every key command of the editing layer.
    KeyTable();
    // Adds or replaces a binding; `mods` is the modifier the binding needs
    // (ModNone = any modifiers).
    void bind(const std::string& key, unsigned mods, KeyHandler h);
    // Runs the key: the binding, the caption, a typed character.
    Effects press(KeyContext& ctx, const KeyPress& k) const;
    bool has(const std::string& key, unsigned mods) const;

  private:
    struct Binding {
        std::string key;
        unsigned mods;
        KeyHandler handler;
    };
    const Binding* find(const KeyPress& k) const;
    void bindViewKeys();
    std::vector<Binding> bindings_;
};

// A typed character: the caption, the space bar's two channels, a redraw.
Effects typeCharacter(State& s, char c);

}  // namespace zyt
