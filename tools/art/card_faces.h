// The 40 card faces of the game, rendered from one SVG deck of the system's card decks.
//
// Each card is one element of the deck ("1_heart", "king_spade"), rendered through librsvg's
// element API and trimmed to its opaque box: some decks give element boxes with margins,
// shadows or stray parts. All cards are then cut to the size most of the deck's cards have
// and scaled to the card size every deck shares, so the game can swap decks without touching
// its layout.
#pragma once

#include <string>

namespace gnamm::art {

// Writes "Ac.png" ... "Kp.png" into `folder` (made when missing); false, with a message on
// stderr, when the deck cannot be read or lacks a card.
bool RenderDeck(const std::string& deckFile, const std::string& folder);

}  // namespace gnamm::art
