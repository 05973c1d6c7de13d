// Gnamm: the game joined to the SDL2 platform.
#include "platform/app.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
    // --help and --version answer at once, before SDL or a window.
    if (const auto answered = gnamm::platform::AnswerCommandLine(argc, argv)) return *answered;
    return gnamm::platform::RunApp(argc, argv);
}
