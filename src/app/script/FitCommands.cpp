// Batch commands of the fit: the Polynomial dialog and menu, the tool
// button, the reports, de-trending and the hot keys P and K.
#include "app/script/ScriptRunner.h"
#include "fit/ApproximationCommands.h"
#include "fit/FitReports.h"
#include "io/Format.h"

namespace zyt {
namespace {

std::string g21(Extended x) {
    return fmtG21(x);
}
std::string num(long v) {
    return std::to_string(v);
}

// The fields of the dialog as the `fit` command names them.
struct FieldArg {
    const char* arg;
    const char* edit;
};
constexpr FieldArg kFieldArgs[] = {{"degree", "Edit1"},  {"period1", "Edit3"}, {"period2", "Edit4"},
                                   {"period3", "Edit5"}, {"trig1", "Edit6"},   {"trig2", "Edit7"},
                                   {"trig3", "Edit8"}};
struct BoxArg {
    const char* arg;
    int box;
};
constexpr BoxArg kBoxArgs[] = {{"symmetric", 1}, {"automean", 2}, {"roundmean", 4},
                               {"sigma", 5},     {"all", 6},      {"visible", 7}};

// Presses Ok; a refusal is the command's error.
bool pressOk(PolynomialDialog& d) {
    const std::string why = d.ok();
    if (!why.empty()) throw ScriptError("Polynomial dialog refused: " + why);
    return true;
}

void fitCommand(ScriptRunner& x, const ScriptArgs& a) {
    for (const auto& [name, value] : a.named) {
        bool known = false;
        for (const FieldArg& f : kFieldArgs) known = known || name == f.arg;
        for (const BoxArg& b : kBoxArgs) known = known || name == b.arg;
        if (!known) throw ScriptError("fit has no field " + name);
    }
    State& s = x.state();
    PolynomialDialog d(s);
    d.activate();
    for (const FieldArg& f : kFieldArgs)
        if (a.has(f.arg)) d.setField(f.edit, a.get(f.arg));
    for (const BoxArg& b : kBoxArgs) {
        if (!a.has(b.arg)) continue;
        const bool on = a.getFlag(b.arg, false);
        if (!d.enabled(b.box) && on)
            throw ScriptError("use sigma needs the value/error layout (errors on)");
        d.setChecked(b.box, on);
    }
    pressOk(d);
    s.fitResult.fitOn = true;
    const std::string why = polynomStatusText(polynom(s));
    if (!why.empty()) x.reporter().status(why);
}

bool onOff(const ScriptArgs& a) {
    const std::string& w = a.word(0, "on or off");
    if (w == "on" || w == "1") return true;
    if (w == "off" || w == "0") return false;
    throw ScriptError("expected on or off, not " + w);
}

void fitInfo(ScriptRunner& x) {
    State& s = x.state();
    const FitModel& m = s.fit;
    const FitResult& r = s.fitResult;
    x.infoLine("fitOn", num(r.fitOn));
    x.infoLine("nParams", num(r.nParams));
    x.infoLine("tMean", g21(r.tMean));
    for (int k = 1; k <= r.nParams && k <= kMaxFitParams; ++k) {
        x.infoLine("fitCoef[" + num(k) + "]", g21(r.fitCoef[std::size_t(k)][1]));
        x.infoLine("fitCoefSigma[" + num(k) + "]", g21(r.fitCoefSigma[std::size_t(k)][1]));
    }
    x.infoLine("chanSumSq[1]", g21(r.chanSumSq[1]));
    x.infoLine("fitNUsed", num(r.fitNUsed));
    x.infoLine("fitNHalf", num(r.fitNHalf));
    x.infoLine("fitSumW", g21(r.fitSumW));
    x.infoLine("fitSumSq", g21(r.fitSumSq));
    x.infoLine("fitSigma0", g21(r.fitSigma0));
    x.infoLine("fitSigmaW", g21(r.fitSigmaW));
    x.infoLine("fitSigma0w", g21(r.fitSigma0w));
    x.infoLine("fitSigmaXc", g21(r.fitSigmaXc));
    x.infoLine("fitDet", g21(r.fitDet));
    x.infoLine("fitDetRatio", g21(r.fitDetRatio));
    x.infoLine("fitSymmetric", num(m.fitSymmetric));
    x.infoLine("fitAutoMean", num(m.fitAutoMean));
    x.infoLine("fitRoundMean", num(m.fitRoundMean));
    x.infoLine("fitUseSigma", num(m.fitUseSigma));
    x.infoLine("fitAllChannels", num(m.fitAllChannels));
    x.infoLine("fitVisibleOnly", num(m.fitVisibleOnly));
    x.infoLine("saveapproximation05151", num(m.saveapproximation05151));
    x.infoLine("TForm23.Caption", m.form23Caption);
    x.infoLine("status", static_cast<ScriptReporter&>(x.reporter()).lastStatus);
}

}  // namespace

void registerFitCommands(ScriptRunner& r) {
    r.addCommand("fit", fitCommand);
    r.addCommand("polynomial", [](ScriptRunner& x, const ScriptArgs&) {
        polynomialCommand(x.state(), x.reporter(), pressOk);
    });
    r.addCommand("approximation", [](ScriptRunner& x, const ScriptArgs&) {
        approximationButton(x.state(), x.reporter());
    });
    r.addCommand("coefficients", [](ScriptRunner& x, const ScriptArgs&) {
        coefficientsCommand(x.state(), x.reporter());
    });
    r.addCommand("save-approximation",
                 [](ScriptRunner& x, const ScriptArgs&) { saveApproximationCommand(x.state()); });
    r.addCommand("save-original-approximation", [](ScriptRunner& x, const ScriptArgs&) {
        saveOriginalApproximationCommand(x.state());
    });
    r.addCommand("detrend", [](ScriptRunner& x, const ScriptArgs&) { detrendCommand(x.state()); });
    r.addCommand("detrend-poly",
                 [](ScriptRunner& x, const ScriptArgs&) { detrendPolyCommand(x.state()); });
    r.addCommand("add-colors-approx", [](ScriptRunner& x, const ScriptArgs&) {
        addColorsApproxCommand(x.state(), x.reporter());
    });
    r.addCommand("phase-0515", [](ScriptRunner& x, const ScriptArgs& a) {
        x.state().fit.saveapproximation05151 = onOff(a);
    });
    // A command that rewrote values makes the fitted curve stale.
    r.addEffectHandler([](ScriptRunner& x, const Effects& e) {
        if (e.fitOff) x.state().fitResult.fitOn = false;
    });
    r.addInfo(fitInfo);
}

}  // namespace zyt
