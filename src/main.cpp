// Gnamm: the game joined to the SDL2 platform.
#include "platform/app.h"

int main(int argc, char** argv) {
    return gnamm::platform::RunApp(argc, argv);
}
