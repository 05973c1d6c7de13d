// Renders the card faces of the game from one deck of the system's card decks.
//
// Usage: gnamm-art-cards DECK.svgz OUTPUT_FOLDER
#include <cstdio>

#include "card_faces.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gnamm-art-cards DECK.svgz OUTPUT_FOLDER\n");
        return 2;
    }
    return gnamm::art::RenderDeck(argv[1], argv[2]) ? 0 : 1;
}
