// The pose of Nonno Zeb in each of his 24 photos, chosen for the remarks that show it:
// impatience (1, 2, 3, 12), his answer to the player's Punto Gnamm (4 to 7), his own Punto
// Gnamm (8 to 11), the end of a Partita or Torneo (13 to 17), the level portraits ('Honest'
// 18, 'Cheat' 23, 'Cunning' 24), goodbye (19), the turn passed to the player (20), cards
// gathered (21) and a drink (22).
#pragma once

#include "zeb_model.h"

namespace gnamm::art {

// Photo n, 1..24; any other n gives the 'Cunning' portrait.
ZebPose PhotoPose(int n);

}  // namespace gnamm::art
