#pragma once
// What a command asks its caller to do after it changed the state: the
// standard recomputation and redraw, which belong to layers above it.
namespace zyt {

struct Effects {
    bool ranges = false;         // computeRanges
    bool fitOff = false;         // the fitted curve is stale: fitOn := 0
    bool visibleWindow = false;  // computeVisibleWindow
    bool picture = false;        // Pictures
    bool cursor = false;         // showCurrentPoint: the marker and the status line only
    Effects& operator|=(const Effects& o) {
        ranges |= o.ranges;
        fitOff |= o.fitOff;
        visibleWindow |= o.visibleWindow;
        picture |= o.picture;
        cursor |= o.cursor;
        return *this;
    }
};

inline constexpr Effects kRangesAndPicture{true, false, false, true, false};
inline constexpr Effects kPictureOnly{false, false, false, true, false};
inline constexpr Effects kCursorOnly{false, false, false, false, true};
inline constexpr Effects kNothing{};

}  // namespace zyt
