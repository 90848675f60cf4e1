#pragma once
// State of the editing commands that lasts for the run: dialog texts of the
// transforms and the mouse's press point and rubber-band selection.
#include <string>

#include "core/Extended.h"

namespace zyt {

struct EditDialogs {
    std::string form35Edit1 = "0";  // boundary of signal
    std::string form37Edit1 = "1";  // limiting value of sigma
};

struct MouseState {
    int mouseX = 0, mouseY = 0;  // the last press on the plot
    bool selectionReady = false;
    Extended selX1 = 0, selX2 = 0;  // time limits, left and right edge (whole numbers)
    Extended selY1 = 0, selY2 = 0;  // value limits, lower and upper edge (to 0.001)
    // The rubber band: the fixed corner (the press) and the moving corner.
    int fixedX = 0, fixedY = 0, movingX = 0, movingY = 0;
    bool bandShown = false;  // the rectangle is drawn over the picture
    int draggedLabel = 0;    // 5, 6 or 7 while a caption is dragged
};

}  // namespace zyt
