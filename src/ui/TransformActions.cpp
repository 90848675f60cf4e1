#include "ui/TransformActions.h"

#include "edit/Transforms.h"

namespace zyt {

const std::vector<TransformAction>& transformActions() {
    // clang-format off
    static const std::vector<TransformAction> table = {
        {"removelineswithzero1", "&Remove lines with zero", "", true, false, removeLinesWithZero},
        {"InverseSign1", "&Inverse Sign", "", true, false, inverseSign},
        {"leaveonlycompletesets1", "leave only complete sets", "", true, false, leaveOnlyCompleteSets},
        {"NSVSt5000051", "NSVS t+50000.5", "", true, false, nsvsTime},
        {"removZero1", "Zero is bad point", "", false, false, zeroIsBadPoint},
        {"N1fromcurrentpointtothestart2", "+1 from current point to the start", "", false, false,
         [](State& s) { return addOneFromCursor(s, +1, true); }},
        {"N1fromcurrentpointtotheend1", "+1 from current point to the end", "", false, false,
         [](State& s) { return addOneFromCursor(s, +1, false); }},
        {"N1fromcurrentpointtothestart1", "-1 from current point to the start", "", false, false,
         [](State& s) { return addOneFromCursor(s, -1, true); }},
        {"N1fromcurrentpointtotheend2", "-1 from current point to the end", "", false, false,
         [](State& s) { return addOneFromCursor(s, -1, false); }},
        {"magintensity1", "mag -> intensity", "", false, false, magToIntensity},
        {"intensitymag1", "intensity -> mag", "", false, false, intensityToMag},
        {"lgcurrentchannel1", "lg (current channel)", "", false, false, [](State& s) { return lgChannels(s, false); }},
        {"lgallchannels1", "lg (all channels)", "", false, false, [](State& s) { return lgChannels(s, true); }},
        {"N10currentchannel1", "10^(current channel)", "", false, false, [](State& s) { return pow10Channels(s, false); }},
        {"N10allchannels1", "10^(all channels)", "", false, false, [](State& s) { return pow10Channels(s, true); }},
        {"day2cyclex1x1", "day2cycle (x=1/x)", "", false, false, dayToCycle},
        {"xx1", "x=-x", "", false, false, negateTime},
        {"lgt1", "lg t", "", false, false, lgTime},
        {"swapxt1", "swap x, t", "", false, false, swapTimeAndFirst},
        {"MarkAl1", "Mark All", "Ctrl+A", false, false, markAll},
        {"MarkAl2", "UnMark All", "Ctrl+Alt+A", false, false, unmarkAll},
        {"invertMark1", "invert Mark All", "", false, false, invertMarks},
        {"linesforUnMarkchanel1", "lines for UnMark chanel ", "", false, true, toggleLinesForUnmarked},
    };
    // clang-format on
    return table;
}

}  // namespace zyt
