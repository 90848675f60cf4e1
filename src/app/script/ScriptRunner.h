#pragma once
// The batch runner: executes the program's commands from a script without a
// window. Commands are separated by newlines or ';', '#' starts a comment,
// arguments are words or name=value, and "double quotes" keep blanks, ';'
// and '#' inside a word (\" and \\ inside them stand for " and \).
//
// A message box of the program becomes a line "message: TEXT" on the output
// (line feeds written as \n). A failing command prints
// "error: line N: WHY" to the error stream and ends the run with 1; an
// unknown command ends it with 2.
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/Effects.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "edit/KeyTable.h"

namespace zyt {

struct ScriptArgs {
    std::vector<std::string> words;            // positional, in order
    std::map<std::string, std::string> named;  // name=value
    bool has(const std::string& n) const { return named.count(n) != 0; }
    std::string get(const std::string& n, const std::string& dflt = "") const;
    long getInt(const std::string& n, long dflt) const;
    Extended getReal(const std::string& n, Extended dflt) const;
    bool getFlag(const std::string& n, bool dflt) const;
    const std::string& word(std::size_t i, const char* what) const;
};

// A command failed: the text is the reason.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptRunner;
using ScriptCommand = std::function<void(ScriptRunner&, const ScriptArgs&)>;
using InfoProvider = std::function<void(ScriptRunner&)>;
using EffectHandler = std::function<void(ScriptRunner&, const Effects&)>;

class ScriptReporter : public Reporter {
  public:
    explicit ScriptReporter(std::ostream& out) : out_(out) {}
    void message(std::string_view text) override;
    void status(std::string_view text) override { lastStatus = std::string(text); }
    std::string lastStatus;

  private:
    std::ostream& out_;
};

class ScriptRunner {
  public:
    ScriptRunner(State& state, std::ostream& out, std::ostream& err);

    // Runs a whole script; returns the exit code (0, 1 or 2).
    int run(const std::string& script);

    void addCommand(const std::string& name, ScriptCommand cmd) {
        commands_[name] = std::move(cmd);
    }
    void addInfo(InfoProvider p) { info_.push_back(std::move(p)); }
    // Subsystems that recompute or redraw after a command register here.
    void addEffectHandler(EffectHandler h) { effects_.push_back(std::move(h)); }
    void applyEffects(const Effects& e) {
        for (auto& h : effects_) h(*this, e);
    }

    State& state() { return state_; }
    // The hot keys; other subsystems bind theirs here.
    KeyTable& keys() { return keys_; }
    Reporter& reporter() { return reporter_; }
    std::ostream& out() { return out_; }
    // One "name=value" line of info.
    void infoLine(const std::string& name, const std::string& value) {
        out_ << name << '=' << value << '\n';
    }
    void printInfo();

  private:
    State& state_;
    std::ostream& out_;
    std::ostream& err_;
    ScriptReporter reporter_;
    std::map<std::string, ScriptCommand> commands_;
    std::vector<InfoProvider> info_;
    std::vector<EffectHandler> effects_;
    KeyTable keys_;
};

// Splits one script into commands: (line number, words).
std::vector<std::pair<int, std::vector<std::string>>> splitScript(const std::string& script);

// The commands of each subsystem.
void registerTableCommands(ScriptRunner& r);
void registerEditCommands(ScriptRunner& r);
void registerViewEffects(ScriptRunner& r);
void ensureDrawn(ScriptRunner& r);
void registerFitCommands(ScriptRunner& r);
// The view, the drawing and the window's file commands (PlotCommands.cpp).
void registerPlotCommands(ScriptRunner& r);

// The state a fresh program has after its window first became active.
void initialiseState(State& s);

}  // namespace zyt
