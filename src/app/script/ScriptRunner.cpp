#include "app/script/ScriptRunner.h"

#include "core/Errors.h"
#include "io/NumberParse.h"

namespace zyt {

std::string ScriptArgs::get(const std::string& n, const std::string& dflt) const {
    auto it = named.find(n);
    return it == named.end() ? dflt : it->second;
}

long ScriptArgs::getInt(const std::string& n, long dflt) const {
    if (!has(n)) return dflt;
    auto v = parseInteger(get(n));
    if (!v) throw ScriptError(n + "=" + get(n) + " is not a whole number");
    return *v;
}

Extended ScriptArgs::getReal(const std::string& n, Extended dflt) const {
    if (!has(n)) return dflt;
    auto v = parseNumber(get(n));
    if (!v) throw ScriptError(n + "=" + get(n) + " is not a number");
    return *v;
}

bool ScriptArgs::getFlag(const std::string& n, bool dflt) const {
    if (!has(n)) return dflt;
    const std::string v = get(n);
    if (v == "1" || v == "on" || v == "yes") return true;
    if (v == "0" || v == "off" || v == "no") return false;
    throw ScriptError(n + "=" + v + " is not 0 or 1");
}

const std::string& ScriptArgs::word(std::size_t i, const char* what) const {
    if (i >= words.size()) throw ScriptError(std::string("missing ") + what);
    return words[i];
}

void ScriptReporter::message(std::string_view text) {
    out_ << "message: ";
    for (char c : text) {
        if (c == '\n')
            out_ << "\\n";
        else if (c != '\r')
            out_ << c;
    }
    out_ << '\n';
}

std::vector<std::pair<int, std::vector<std::string>>> splitScript(const std::string& script) {
    std::vector<std::pair<int, std::vector<std::string>>> cmds;
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false, comment = false;
    int line = 1, cmdLine = 1;
    auto endWord = [&] {
        if (inWord) words.push_back(word);
        word.clear();
        inWord = false;
    };
    auto endCmd = [&] {
        endWord();
        if (!words.empty()) cmds.emplace_back(cmdLine, words);
        words.clear();
    };
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (comment) {
            if (c == '\n') {
                comment = false;
                endCmd();
                ++line;
            }
            continue;
        }
        if (quoted) {
            if (c == '\\' && i + 1 < script.size() &&
                (script[i + 1] == '"' || script[i + 1] == '\\')) {
                word.push_back(script[++i]);
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                word.push_back(c);
            }
            continue;
        }
        if (c == '"') {
            if (!inWord && words.empty()) cmdLine = line;
            quoted = true;
            inWord = true;
        } else if (c == '#') {
            comment = true;
        } else if (c == '\n' || c == ';') {
            endCmd();
            if (c == '\n') ++line;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            endWord();
        } else {
            if (!inWord && words.empty()) cmdLine = line;
            word.push_back(c);
            inWord = true;
        }
    }
    endCmd();
    return cmds;
}

ScriptRunner::ScriptRunner(State& state, std::ostream& out, std::ostream& err)
    : state_(state), out_(out), err_(err), reporter_(out) {
    registerTableCommands(*this);
    registerEditCommands(*this);
    registerViewEffects(*this);
    registerFitCommands(*this);
    registerPlotCommands(*this);
}

void ScriptRunner::printInfo() {
    for (auto& p : info_) p(*this);
}

int ScriptRunner::run(const std::string& script) {
    for (auto& [line, words] : splitScript(script)) {
        auto it = commands_.find(words[0]);
        if (it == commands_.end()) {
            out_.flush();
            err_ << "error: line " << line << ": unknown command " << words[0] << '\n';
            return 2;
        }
        ScriptArgs args;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string& w = words[i];
            const std::size_t eq = w.find('=');
            if (eq != std::string::npos && eq > 0)
                args.named[w.substr(0, eq)] = w.substr(eq + 1);
            else
                args.words.push_back(w);
        }
        try {
            it->second(*this, args);
        } catch (const std::exception& e) {
            out_.flush();
            err_ << "error: line " << line << ": " << e.what() << '\n';
            return 1;
        }
    }
    out_.flush();
    return 0;
}

}  // namespace zyt
