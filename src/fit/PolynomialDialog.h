#pragma once
// The Polynomial dialog ("Zyt: Polynomial", designer name TForm23) without
// its widgets: the texts of the edit fields exactly as the dialog holds
// them, the check boxes, the rules applied when it is shown, the label
// double clicks and Ok. A window only mirrors these into its controls.
//
// The edit texts live in State::fields under "TForm23.Edit1" .. "TForm23.Edit8"
// (the settings file fills them too); the check boxes are the FitModel options,
// which the periodogram dialog shows as well.
#include <string>

#include "core/State.h"

namespace zyt {

class PolynomialDialog {
  public:
    explicit PolynomialDialog(State& s) : s_(s) {}

    static constexpr const char* kCaption = "Zyt: Polynomial";
    static constexpr const char* kTooManyCaption = "уменьшите ранг полинома";

    // Edit fields by designer name "Edit1", "Edit3".."Edit8"; a field never
    // set shows its default ("0", "1", "3", "7", "1", "0", "0").
    std::string field(const std::string& edit) const;
    void setField(const std::string& edit, const std::string& text);
    static std::string defaultText(const std::string& edit);
    // The field name of period column 1..3 and of its degree.
    static std::string periodField(int column) { return "Edit" + std::to_string(column + 2); }
    static std::string degreeField(int column) { return "Edit" + std::to_string(column + 5); }

    // Check boxes 1..7 (CheckBox3 "Double Phase" is read by nothing).
    bool checked(int box) const;
    void setChecked(int box, bool on);
    bool enabled(int box) const { return box != 5 || s_.fit.form23CheckBox5Enabled; }

    const std::string& caption() const { return s_.fit.form23Caption; }

    // Shown: "use sigma" only with the value/error layout (otherwise cleared
    // and disabled); a period field "0" becomes "1" and its degree "0".
    void activate();

    // Double click on the label "1 period" .. "3 period": the light-element
    // period into that column's field (15 significant digits, decimalSep).
    void labelDoubleClick(int column);

    // Ok: an empty result means the model was stored, the settings file
    // rewritten (lines 1..10) and the dialog closed. Otherwise the dialog
    // stays open and the text says why (a window shows nothing for a field
    // that does not convert; the caption shows the parameter limit).
    std::string ok();

  private:
    State& s_;
};

}  // namespace zyt
