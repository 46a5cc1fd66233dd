#pragma once
// deckplate-cli run in this process, as a script runs it: the arguments, standard output and
// standard error, the exit status. In the process, so that the tests run under Wine as well.

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace deckplate::cli {

struct InProcessRun {
    int status = -1;
    std::string out, err;
};

inline InProcessRun RunInProcess(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"deckplate-cli"};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out, err;
    const int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace deckplate::cli
