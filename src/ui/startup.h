// Start-up, the splash and the player's name.
#pragma once

#include <string_view>

namespace gnamm {

class Game;

// The start-up sequence: settings, the opening flags, the table graphics, the layout fitted to
// a screen of the given size in twips, the ranking and the splash waiting for a name.
void Avvio(Game& g, int screenWidthTwips, int screenHeightTwips);

// Enter on the splash: takes a non-empty name, hides the splash and leaves the level choice
// showing. Returns true when the splash took the key.
bool InvioSplash(Game& g);
// Typing into and erasing from the splash's name box.
void ScriviNomeSplash(Game& g, std::string_view utf8);
void CancellaNomeSplash(Game& g);

void OnInserisci(Game& g);
void OnAudioSplash(Game& g);

}  // namespace gnamm
