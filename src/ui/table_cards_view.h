// The card places on the screen: the picture, mat and outline of each place drawn afresh, every
// frame, from what the game says the place shows (game/card_places.h), with the back and mat
// colour the options choose and the outlines of the advice on show.
#pragma once

#include <vector>

#include "game/card_places.h"
#include "rules/options.h"
#include "ui/capture_preview.h"
#include "ui/screen.h"

namespace gnamm {

// The mat under a back, as "Colore carte" chooses it.
Rgb ColoreMat(ColoreCarte c);
// The outline of a mark; no outline for Nessuno and for Zeb's own card, whose mat is outlined.
Rgb ColoreSegno(Segno s);
bool HaContorno(Segno s);

// The places as `posti` says, backs and mats as `o` chooses, the advice's outlines on the
// places in `consiglio` and what a card would take (ui/capture_preview.h) on `anteprima`.
void MostraPosti(const PostiCarte& posti, const Opzioni& o, const std::vector<int>& consiglio,
                 const std::vector<ContornoAnteprima>& anteprima, Screen& s);

}  // namespace gnamm
