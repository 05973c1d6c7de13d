// The rules, exit and level-choice panels and the side boxes.
#pragma once

#include "game/game.h"

namespace gnamm {

// Chooses Nonno Zeb's level and starts a Gioco; a Gioco under way is abandoned first.
void ScegliLivello(Game& g, Livello l);
// Level panel: a photo or a name (i: 0 'Cheat', 1 'Cunning', 2 'Honest'), the "Livello" button.
void ClickLivello(Game& g, int i);
void ClickCmdLivello(Game& g);
// lblAbilità: shows or hides the level panel.
void ClickAbilita(Game& g);

// Bar captions "Regole", "Esci", "Opzioni" (k = 0..2): open or close that panel.
void ClickPannelli(Game& g, int k);
// Rules viewer: next or previous page, and showing the current one.
void ClickRegole(Game& g, bool avanti);
void MostraPaginaRegole(Game& g);

// Exit question: i = 0 "Sì", 1 "No".
void RispostaUscita(Game& g, int i);
void Congedo(Game& g);
void OnEsci(Game& g);

// Side box toggles "Dati", "Punti", "Notes", "Zeb" (k = 0..3).
void ClickRiquadri(Game& g, int k);

// Derives the panels' marks from their state: the pinned side boxes' bordered toggles and the
// frame around the level photo that stands chosen.
void MostraPannelli(const PanelsState& p, const TableView& v, Screen& s);

}  // namespace gnamm
