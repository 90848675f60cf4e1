#include "plot/ControlStates.h"

#include <initializer_list>

namespace zyt {
namespace {
void set(State& s, std::initializer_list<const char*> names, bool on) {
    for (const char* n : names) s.view.enabled[n] = on;
}
}  // namespace

void setStartControls(State& s) {
    set(s, {"SpeedButton1", "SpeedButton11", "SpeedButton14", "SpeedButton8", "SpeedButton7"},
        true);
    set(s,
        {"SpeedButton2", "SpeedButton4", "SpeedButton3", "SpeedButton9", "SpeedButton5",
         "SpeedButton6", "SpeedButton16", "SpeedButton10", "SpeedButton12"},
        false);
    set(s,
        {"N17", "N12", "N28", "N18", "N30", "N13", "channelchannel1", "RulesEng1", "N4", "N1",
         "N9"},
        false);
}

void enableAfterLoad(State& s) {
    set(s, {"SpeedButton5", "SpeedButton6", "SpeedButton16", "SpeedButton10", "SpeedButton12"},
        true);
}

void enableAfterDrawing(State& s) {
    set(s,
        {"SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton6", "SpeedButton16",
         "SpeedButton9", "SpeedButton2", "SpeedButton10", "SpeedButton12"},
        true);
    set(s, {"N4", "N12", "N1", "N18", "N28", "N30", "N9"}, true);
}

void disableOnClean(State& s) {
    set(s,
        {"SpeedButton2", "SpeedButton4", "SpeedButton3", "SpeedButton9", "SpeedButton5",
         "SpeedButton6", "SpeedButton16", "SpeedButton10", "SpeedButton12"},
        false);
    set(s, {"N9", "N4", "N1", "N12", "N18", "N28", "N13", "N30"}, false);
}

void disableAfterAddFigure(State& s) {
    set(s, {"SpeedButton5", "SpeedButton6", "SpeedButton16", "SpeedButton10", "SpeedButton12"},
        false);
}

}  // namespace zyt
