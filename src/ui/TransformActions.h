#pragma once
// The menu items of the data transforms: each calls one command of the
// editing layer and then the recomputation and redraw that command asks for.
#include <vector>

#include "core/Effects.h"
#include "core/State.h"

namespace zyt {

struct TransformAction {
    const char* name;  // objectName (designer name)
    const char* caption;
    const char* shortcut;  // "" for none
    bool reductionMenu;    // "&Reduction" (else "&View")
    bool checkable;
    Effects (*run)(State&);
};

const std::vector<TransformAction>& transformActions();

}  // namespace zyt
