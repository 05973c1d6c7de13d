// What the game answers on the command line (--help, --version) without opening a window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gnamm::platform {

struct CommandLineAnswer {
    int exitCode = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// The answer to the arguments after the program's name; nothing when there are none and the
// game should start. An argument the game does not know is an error (exit code 2).
std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string_view>& args,
                                                   std::string_view version);

// Prints the answer to argv, if any, and gives the program's exit code.
std::optional<int> AnswerCommandLine(int argc, char** argv);

}  // namespace gnamm::platform
