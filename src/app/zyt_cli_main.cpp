// zyt-cli [-c "COMMANDS"] [SCRIPT-FILE]: runs Zyt's commands without a window.
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/script/ScriptRunner.h"

namespace {
void usage() {
    std::cerr << "usage: zyt-cli [-c \"COMMANDS\"] [SCRIPT-FILE]\n"
                 "Commands are separated by newlines or ';'; '#' starts a comment.\n";
}
}  // namespace

int main(int argc, char** argv) {
    std::string script;
    bool any = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-c" && i + 1 < argc) {
            script += argv[++i];
            script += "\n";
            any = true;
        } else if (arg == "-h" || arg == "--help") {
            usage();
            return 0;
        } else {
            std::ifstream in(arg, std::ios::binary);
            if (!in) {
                std::cerr << "error: cannot read script file \"" << arg << "\"\n";
                return 1;
            }
            std::ostringstream ss;
            ss << in.rdbuf();
            script += ss.str();
            script += "\n";
            any = true;
        }
    }
    if (!any) {
        std::ostringstream ss;
        ss << std::cin.rdbuf();
        script = ss.str();
    }
    std::ios::sync_with_stdio(false);
    auto state = std::make_unique<zyt::State>();
    zyt::initialiseState(*state);
    zyt::ScriptRunner runner(*state, std::cout, std::cerr);
    return runner.run(script);
}
