// The game's few command-line options.
#include "platform/command_line.h"

#include <cstdio>

#ifndef GNAMM_VERSION
#define GNAMM_VERSION "0"
#endif

namespace gnamm::platform {

namespace {

constexpr const char* kAiuto =
    "Uso: gnamm [--help | --version]\n"
    "\n"
    "Gnamm, il gioco di carte contro Nonno Zeb. Senza opzioni apre la finestra del gioco.\n"
    "\n"
    "  -h, --help     mostra questo aiuto ed esce\n"
    "  -v, --version  mostra la versione ed esce\n"
    "\n"
    "Il nome, le opzioni, la classifica e l'albo stanno in $XDG_DATA_HOME/gnamm/Dati\n"
    "(di solito ~/.local/share/gnamm/Dati). Altro in: man 6 gnamm\n";

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string_view>& args,
                                                   std::string_view version) {
    if (args.empty()) return std::nullopt;
    const std::string_view a = args.front();
    if (a == "-h" || a == "--help") return CommandLineAnswer{0, kAiuto, {}};
    if (a == "-v" || a == "--version") {
        return CommandLineAnswer{0, "gnamm " + std::string(version) + "\n", {}};
    }
    return CommandLineAnswer{
        2, {}, "gnamm: opzione sconosciuta \"" + std::string(a) + "\" (vedi gnamm --help)\n"};
}

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto answer = AnswerCommandLine(args, GNAMM_VERSION);
    if (!answer) return std::nullopt;
    std::fputs(answer->out.c_str(), stdout);
    std::fputs(answer->err.c_str(), stderr);
    return answer->exitCode;
}

}  // namespace gnamm::platform
