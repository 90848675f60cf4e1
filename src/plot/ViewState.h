#pragma once
// The visible time window and the per-channel value ranges.
#include <array>

#include "core/Extended.h"
#include "core/Table.h"

namespace zyt {

struct ViewState {
    int viewFirst = 0;
    int viewLast = 0;
    Extended xLeft = 0;
    Extended xRight = 0;
    Extended xSpan = 0;
    std::array<Extended, kMaxChannels + 1> yMin{};
    std::array<Extended, kMaxChannels + 1> yMax{};
};

}  // namespace zyt
