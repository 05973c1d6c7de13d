// Start-up, the splash and the player's name.
#pragma once

#include <string_view>

namespace gnamm {

class Finestra;

// The start-up sequence: settings, the opening flags, the table graphics, the layout fitted to
// a screen of the given size in twips, the ranking and the splash waiting for a name.
void Avvio(Finestra& f, int screenWidthTwips, int screenHeightTwips);

// Enter on the splash: takes a non-empty name, hides the splash and leaves the level choice
// showing. Returns true when the splash took the key.
bool InvioSplash(Finestra& f);
// Typing into and erasing from the splash's name box.
void ScriviNomeSplash(Finestra& f, std::string_view utf8);
void CancellaNomeSplash(Finestra& f);

void OnInserisci(Finestra& f);
void OnAudioSplash(Finestra& f);

}  // namespace gnamm
