#include "ui/InfoTexts.h"

namespace zyt {

QString generalInfoText() {
    return QStringLiteral(
        "Zyt shows, cleans and analyses multi-channel time series of variable-star photometry.\n\n"
        "A data file is plain text: every line holds a time (usually a Julian date) and the values "
        "of "
        "the channels measured at that time (the variable, comparison and check stars), separated "
        "by "
        "blanks; \"r\" marks a missing value. Each value column becomes a channel, and every "
        "channel is "
        "drawn as its own panel on one shared time axis. Panels are as tall as the scatter of "
        "their "
        "channel at one common scale, so equal differences look equally tall everywhere.\n\n"
        "Magnitudes are drawn with brighter values higher (the value axis is reversed); "
        "\"Non-Reverse Y Axis\" turns every panel, \"Inverse Y-axis for current channel\" one "
        "panel.\n\n"
        "The View menu switches between the original data, the differences of neighbouring "
        "channels "
        "and a single channel; edits made in a single channel are kept when you go back.\n\n"
        "All data stay in memory; \"Save Data As\" writes them back as text (decimal point '.', "
        "lines "
        "ending CR LF) with a .log file of the presence flags beside it. The settings file zyt.ini "
        "is "
        "kept next to the data.");
}

QString rulesIntroText() {
    return QStringLiteral(
        "Rules of use\n\n"
        "1. Open a data file with File / Open (or the first tool button). Several files chosen "
        "together "
        "are put side by side as channels. The rows are sorted by time; rows with equal times are "
        "merged.\n"
        "2. The window shows every channel as a panel; the red circle is the cursor (the current "
        "point), "
        "described in the status line at the bottom.\n"
        "3. Zoom halves the time window around the cursor, Unzoom doubles it, the arrows shift the "
        "window "
        "by half its width; Form / Initial shows the whole time range again.\n"
        "4. The number next to the tool buttons is the count of channels shown; change it with the "
        "small "
        "arrows beside it.\n"
        "5. Exit asks whether to save the picture when the plot was drawn since the last save; Esc "
        "asks "
        "whether to save the data.\n"
        "6. Approximation / Polynomial asks for the degree of the polynomial and up to three "
        "periods "
        "with the degrees of their trigonometric polynomials, then draws the fit over the data "
        "with "
        "its accuracy: one sigma red, two sigma green. Choosing it again hides the fit; the "
        "Approximation tool button fits again with the same model. \"coefficients of a "
        "polynomial\" "
        "shows koef.info; the fit reports koef.info and aproxy.dat go into the working folder.\n\n"
        "Keys:\n");
}

}  // namespace zyt
