#pragma once
// The texts of the two information windows.
#include <QString>

namespace zyt {
QString generalInfoText();
// The rules of use up to the list of keys, which the window appends from
// its key and action tables.
QString rulesIntroText();
}  // namespace zyt
