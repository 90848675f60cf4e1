#pragma once
// The visible time window, the per-channel value ranges, the panel layout
// and pixel geometry of the last drawing, the drawing settings, the status
// texts and the enabled state of the controls that drawings switch on.
// Plain data: the code that changes it is plot/ViewModel.h and the renderers.
#include <array>
#include <cstdint>
#include <map>
#include <string>

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

    // 1 after zoom, unzoom or a shift right; 0 after a shift left. Steers the
    // search for rows when the window holds none.
    bool shiftDir = false;
    // One-shot: the next computeRanges scans viewFirst..viewLast only.
    bool rangesVisibleOnly = false;
    Extended ySpanSum = 0;
    Extended yScale = 1;  // pixels per value unit
    Extended xScale = 1;  // pixels per time unit
    // panelTop[0] = 4; panelTop[ch] is the lower boundary of panel ch.
    std::array<int, kMaxChannels + 1> panelTop{};
    int plotTop = 0, plotBottom = 0, plotLeft = 50, plotRight = 0;

    // Size of the plot picture (the window's plot area, or `size W H`).
    int imageWidth = 1000;
    int imageHeight = 700;

    // The channel of the "single chanel" view.
    int singleChan = 0;
    // The channel-count selector: its value and maximum (minimum 1).
    int spinValue = 1;
    int spinMax = 1;

    // Display options, kept for the run.
    bool allInOne = false;              // "All in one"
    bool phase02 = false;               // "Phase 0..2"
    bool linesForUnmarked = false;      // "lines for UnMark chanel "
    std::string symbolName = "circle";  // "point", "circle" or "line"
    int symbolSize = 2;                 // circle radius in pixels
    uint32_t fgColor = 0xff000000u;     // ARGB of frame, ticks, labels
    // Phase colouring: mode 0 one colour, 1 cycles, 2 dates, 3 years,
    // 4 another period (with its period field text).
    int phaseColourMode = 1;
    std::string phaseColourPeriodText = "1";
    Extended colourPeriod = 1;

    // 1 while the plot has not been drawn anew since the start, the last
    // activation or the last picture export.
    int pictureSaved = 1;
    bool captionsVisible = false;  // Label5..Label7 shown

    // Status labels of the bottom panel.
    std::string label1, label2, label4, label8;

    // Enabled state of controls by designer name; drawings and loads switch
    // them, the window applies them.
    std::map<std::string, bool> enabled;
};

}  // namespace zyt
