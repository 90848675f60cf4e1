#pragma once
// Reading data files into the observation table: Open (one or several files
// side by side as channels), reLoad, Add Data and Add new channel, with the
// ".log" flags companion.
//
// Data lines start with a digit, ',', '.', a blank, '+' or '-'; every other
// line is skipped. '.' and ',' are decimal characters. The first field is
// the time, the next ones the channel values; "r" marks an absent value.
// The table never overflows: reading stops at 1,000,001 rows and columns
// beyond channel 20 are dropped, each with a message naming the file.
#include <optional>
#include <string>
#include <vector>

#include "core/Reporter.h"
#include "core/State.h"
#include "io/TextFile.h"

namespace zyt {

// The channel reader: appends the file's rows with its value columns as new
// channels after channel nChan. Throws IoError when the file cannot be read
// (rows read so far stay).
void addchanel(State& s, Reporter& rep, const std::string& fileName);

// The Add Data reader: appends the file's rows with its values in channels
// 1, 2, ...; TABs end the reading of a line.
void readAddDataFile(State& s, Reporter& rep, const std::string& fileName);

// The two readers on lines already open: `in` gives the lines of the file
// called `fileName`, `flags` the text of the ".log" companion (none when there
// is no companion). The readers above open the files and call these; tests
// and the fuzz targets give text in memory.
void addchanelFrom(State& s, Reporter& rep, const std::string& fileName, LineReader& in,
                   const std::optional<std::string>& flags);
void readAddDataFrom(State& s, Reporter& rep, const std::string& fileName, LineReader& in,
                     const std::optional<std::string>& flags);

// The open procedure. `chosen` is what the Open dialog returned (used only
// when openAsk = 1; empty = Cancel). Returns true when files were read.
bool openData(State& s, Reporter& rep, const std::vector<std::string>& chosen);

// Starting a new table from `files` without a dialog: clears it, openAsk := 0,
// openData (reLoad, the command line, Open periodogram, Generate Random).
bool openWithoutDialog(State& s, Reporter& rep, std::vector<std::string> files);

// Commands. Each returns true when the table changed (the caller recomputes
// the ranges and redraws).
bool openCommand(State& s, Reporter& rep, const std::vector<std::string>& chosen);  // "&Open"
bool reloadCommand(State& s, Reporter& rep);                                        // "reLoad"
bool addDataCommand(State& s, Reporter& rep, const std::vector<std::string>& chosen);
bool addChannelCommand(State& s, Reporter& rep, const std::string& chosen);

// xLeft := time of row 1, xRight := time of row nRows, xSpan between.
void setTimeWindowToTable(State& s);

// "&Set Comparison (m_2=0.00)" for the current compChan and compMag.
std::string setComparisonCaption(const State& s);

}  // namespace zyt
