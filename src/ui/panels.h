// The rules, exit and level-choice panels and the side boxes.
#pragma once

#include "ui/finestra.h"

namespace gnamm {

// Chooses Nonno Zeb's level and starts a Gioco; a Gioco under way is abandoned first.
void ScegliLivello(Finestra& f, Livello l);
// Level panel: a photo or a name (i: 0 'Cheat', 1 'Cunning', 2 'Honest'), the "Livello" button.
void ClickLivello(Finestra& f, int i);
void ClickCmdLivello(Finestra& f);
// lblAbilità: shows or hides the level panel.
void ClickAbilita(Finestra& f);

// Bar captions "Regole", "Esci", "Opzioni" (k = 0..2): open or close that panel.
void ClickPannelli(Finestra& f, int k);
// Rules viewer: next or previous page, and showing the current one.
void ClickRegole(Finestra& f, bool avanti);
void MostraPaginaRegole(Finestra& f);

// Exit question: i = 0 "Sì", 1 "No".
void RispostaUscita(Finestra& f, int i);
void Congedo(Finestra& f);
void OnEsci(Finestra& f);

// Side box toggles "Dati", "Punti", "Notes", "Zeb" (k = 0..3).
void ClickRiquadri(Finestra& f, int k);

// Derives the panels' marks from their state: the pinned side boxes' bordered toggles and the
// frame around the level photo that stands chosen.
void MostraPannelli(const PanelsState& p, const TableView& v, Screen& s);

}  // namespace gnamm
