// Writes the contact sheet of the game's pictures.
//
// Usage: gnamm-contact-sheet ASSETS_FOLDER OUTPUT.png
#include <cstdio>

#include "contact_sheet.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gnamm-contact-sheet ASSETS_FOLDER OUTPUT.png\n");
        return 2;
    }
    const int missing = gnamm::art::WriteContactSheet(argv[1], argv[2]);
    if (missing < 0) {
        std::fprintf(stderr, "gnamm-contact-sheet: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %d pictures missing\n", argv[2], missing);
    return 0;
}
