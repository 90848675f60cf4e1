#pragma once
// Writing the observation table: the data file with its ".log" (1/0 per
// cell) and ".lov" (0 absent, 1 present, 2 interpolated) companions, the
// current channel alone, one file per channel, and the packed value/error
// layout of "even channel is error".
//
// A data line: the time F(11,5), then per channel 1..nChan a blank, the value
// F(7,4) or delMarker, and ':' after an interpolated value or a blank.
// Rows without a present shown value are not written. Files are written
// beside their targets and renamed over them only when complete.
#include <optional>
#include <string>

#include "core/Reporter.h"
#include "core/State.h"

namespace zyt {

// The name the writer uses for what the dialog returned: ".dat" is appended
// unless the name ends in "dat" or "DAT" (and has at least 3 characters).
std::string dataFileNameFor(const std::string& dialogName);

// The writer with the rows writeFirstRow..writeLastRow. `dialogName` is the
// save dialog's answer; nullopt = Cancel (nothing is written). Returns the
// name written, empty after Cancel. Throws IoError; the old files then stay.
std::string writeData(State& s, Reporter& rep, const std::optional<std::string>& dialogName);

// "&Save Data As", "Save &Visible Data As", "Save current channel ".
std::string saveDataAs(State& s, Reporter& rep, const std::optional<std::string>& name);
std::string saveVisibleDataAs(State& s, Reporter& rep, const std::optional<std::string>& name);
std::string saveCurrentChannel(State& s, Reporter& rep, const std::optional<std::string>& name);
// The exit question's save: the row range of the last save, or the whole
// table when none ran.
std::string saveOnExit(State& s, Reporter& rep, const std::optional<std::string>& name);

// Packs when the "even channel is error" mark is on, unpacks when it is off.
void toggleErrorColumns(State& s);
// The menu command: sets the mark, then toggles.
void setErrorColumns(State& s, bool on);

// "Save in separate files". Returns the names written.
std::vector<std::string> splitIntoFiles(State& s, Reporter& rep);

}  // namespace zyt
