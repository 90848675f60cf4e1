#include "fit/PolynomialDialog.h"

#include <optional>

#include "fit/LeastSquares.h"
#include "io/Format.h"
#include "io/NumberParse.h"
#include "io/Settings.h"

namespace zyt {
namespace {

std::string key(const std::string& edit) {
    return "TForm23." + edit;
}

bool& box(FitModel& m, int b) {
    switch (b) {
        case 1:
            return m.fitSymmetric;
        case 2:
            return m.fitAutoMean;
        case 3:
            return m.fitDoublePhase;
        case 4:
            return m.fitRoundMean;
        case 5:
            return m.fitUseSigma;
        case 6:
            return m.fitAllChannels;
        default:
            return m.fitVisibleOnly;
    }
}

}  // namespace

std::string PolynomialDialog::defaultText(const std::string& edit) {
    if (edit == "Edit3") return "1";
    if (edit == "Edit4") return "3";
    if (edit == "Edit5") return "7";
    if (edit == "Edit6") return "1";
    return "0";  // Edit1, Edit7, Edit8
}

std::string PolynomialDialog::field(const std::string& edit) const {
    auto it = s_.fields.find(key(edit));
    return it == s_.fields.end() ? defaultText(edit) : it->second;
}

void PolynomialDialog::setField(const std::string& edit, const std::string& text) {
    s_.fields[key(edit)] = text;
}

bool PolynomialDialog::checked(int b) const {
    return box(s_.fit, b);
}

void PolynomialDialog::setChecked(int b, bool on) {
    if (b == 5 && !enabled(5)) return;  // a disabled box cannot be clicked
    box(s_.fit, b) = on;
}

void PolynomialDialog::activate() {
    s_.fit.form23CheckBox5Enabled = s_.menu.evenchanneliserror1;
    if (!s_.menu.evenchanneliserror1) s_.fit.fitUseSigma = false;
    for (int c = 1; c <= 3; ++c)
        if (field(periodField(c)) == "0") {
            setField(periodField(c), "1");
            setField(degreeField(c), "0");
        }
}

void PolynomialDialog::labelDoubleClick(int column) {
    if (column < 1 || column > 3) return;
    setField(periodField(column), fmtGeneral(s_.le.lePeriod, 15, s_.table.decimalSep));
}

std::string PolynomialDialog::ok() {
    const char sep = s_.table.decimalSep;
    for (int c = 1; c <= 3; ++c) {
        std::string text = field(periodField(c));
        for (char& ch : text)
            if (ch == ',' || ch == '.') ch = sep;
        setField(periodField(c), text);
    }
    std::optional<long> deg = parseInteger(field("Edit1"));
    std::optional<long> tdeg[3];
    std::optional<Extended> period[3];
    for (int c = 0; c < 3; ++c) {
        tdeg[c] = parseInteger(field(degreeField(c + 1)));
        period[c] = parseNumber(field(periodField(c + 1)), sep);
        if (period[c] && *period[c] == 0) {
            period[c] = 1;
            if (tdeg[c]) tdeg[c] = 0;
        }
    }
    if (!deg) return "degree of the polynomial \"" + field("Edit1") + "\" is not a whole number";
    for (int c = 0; c < 3; ++c) {
        if (!period[c])
            return "period " + std::to_string(c + 1) + " \"" + field(periodField(c + 1)) +
                   "\" is not a number";
        if (!tdeg[c])
            return "degree of period " + std::to_string(c + 1) + " \"" + field(degreeField(c + 1)) +
                   "\" is not a whole number";
    }
    // A negative degree would make the parameter count meaningless.
    if (*deg < 0 || *tdeg[0] < 0 || *tdeg[1] < 0 || *tdeg[2] < 0) return "a degree is negative";
    if (*period[0] * *period[1] * *period[2] == 0) return "a period is zero";
    FitParams p;
    p.polyDeg = int(*deg);
    p.trigDeg1 = int(*tdeg[0]);
    p.trigDeg2 = int(*tdeg[1]);
    p.trigDeg3 = int(*tdeg[2]);
    // Two parameters per harmonic, whatever the symmetric box says.
    if (*deg + 1 + 2 * (*tdeg[0] + *tdeg[1] + *tdeg[2]) > kMaxFitParams) {
        s_.fit.form23Caption = kTooManyCaption;
        return kTooManyCaption;
    }
    FitModel& m = s_.fit;
    m.polyDeg = p.polyDeg;
    m.trigDeg1 = p.trigDeg1;
    m.trigDeg2 = p.trigDeg2;
    m.trigDeg3 = p.trigDeg3;
    m.fitPeriod1 = *period[0];
    m.fitPeriod2 = *period[1];
    m.fitPeriod3 = *period[2];
    m.fitOmega1 = kTwoPi / m.fitPeriod1;
    m.fitOmega2 = kTwoPi / m.fitPeriod2;
    m.fitOmega3 = kTwoPi / m.fitPeriod3;
    saveiniTenLines(s_);
    return "";
}

}  // namespace zyt
