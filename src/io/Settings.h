#pragma once
// The settings file "zyt.ini" beside the data (positional lines, numbers as
// blank-separated tokens) and the per-star weights file.
//
// Settings lines: 1 compChan compMag | 2 leEpoch lePeriod | 3 runMeanN
// runMeanMaxGap | 4 nIntervals | 5 RA[h] Dec[deg] Lon[h] Lat[deg] | 6 polyDeg
// | 7-9 fitPeriodK trigDegK | 10 pgMinPeriod pgMaxPeriod pgTrendDeg pgTrigDeg
// pgNFreq | 11 leQ | 12 delMarker. Integers as I, reals as E23, CR LF.
#include <string>

#include "core/State.h"

namespace zyt {

// Reads settingsPath if it exists. Groups after the end of the file keep
// their values; a malformed number throws IoError naming the file (values
// read before it keep their new values). Fills the dialog fields it feeds.
void loadini(State& s);
// The same on the file's text in memory; `fileName` is what messages name.
void loadiniFrom(State& s, std::string text, const std::string& fileName);

// Writes all 12 lines; nothing when no data file was opened yet.
void saveini(State& s);

// The Polynomial dialog's own writer: the same file, lines 1..10 only.
void saveiniTenLines(State& s);

// The 12 (or 10) lines as text.
std::string settingsText(State& s, int lines);

// "Save ini File": the weights of the comparison star to `nameAsTyped` +
// ".ini". Returns the name written.
std::string saveWeightsFile(const State& s, const std::string& nameAsTyped);
std::string weightsText(const State& s);

// "Open ini File": chanMean and compWeight per channel, compChan, compMag.
// A file that claims more than 20 channels is refused whole.
void openWeightsFile(State& s, const std::string& fileName);
// The same on the file's text in memory; returns the channels it held.
int readWeightsFrom(State& s, std::string text, const std::string& fileName);

// The marker dialog: every change of its combo text sets delMarker.
void setDelMarker(State& s, const std::string& text);
// "Save Data As Setings": Ok writes the settings, Cancel reads them again.
void saveDataAsSettings(State& s, bool ok);

}  // namespace zyt
