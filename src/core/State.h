#pragma once
// The process-wide state: one object made by main() and passed by reference.
// It aggregates what each subsystem owns; the subsystems' state types are
// plain data headers kept beside their code (they depend on core only).
#include <cstdint>
#include <map>
#include <string>

#include "core/Table.h"
#include "edit/EditState.h"
#include "fit/FitState.h"
#include "plot/ViewState.h"
#include "reduction/ReductionState.h"

namespace zyt {

// Check marks and enabled states of menu items that commands consult.
struct MenuState {
    bool fasecur1 = false;             // phase curve shown
    bool mag1 = false;                 // "Non-Reverse Y Axis"
    bool evenchanneliserror1 = false;  // packed value/error layout
    bool errorbar1Enabled = false;
    bool errorbar1 = false;
    std::string redSetCompCaption = "&Set Comparison";
};

// Writer state of the data-file writer.
struct WriterState {
    int writeFirstRow = 0;
    int writeLastRow = 0;
    bool writeCurChanOnly = false;
    std::string saveFileName;
    bool errPadded = false;  // a zero error column was added when packing
    bool rangeSet = false;   // one of the save commands set the row range
};

struct State {
    Table table;
    ViewState view;
    FitModel fit;  // the fit model: settings numbers and dialog options
    FitResult fitResult;
    LightElements le;
    PeriodogramParams pg;
    ReductionState red;
    MenuState menu;
    WriterState writer;
    EditDialogs editDialogs;
    MouseState mouse;

    // Seed of the uniform generator of Generate Random: 0 at program start,
    // never reseeded, so every run makes the same sequence.
    uint32_t randomSeed = 0;

    bool workChanged = false;  // the exit prompt offers to save

    int openAsk = 1;  // 1 = Open shows the dialog and clears the table
    // The Open dialog's current list and its first name ("the Open dialog's
    // file name"), which the save dialogs are preset with.
    std::string openDialogFileName;

    // Texts of dialog fields that the settings file fills, by designer name
    // ("TForm23.Edit1"); a dialog shows them when it opens.
    std::map<std::string, std::string> fields;

    // Main-window caption and application title.
    std::string caption = kProgramTitle;
    std::string appTitle = kProgramTitle;
};

// 2*pi as the settings code uses it.
inline constexpr Extended kTwoPi = 6.283185307179586477L;

}  // namespace zyt
