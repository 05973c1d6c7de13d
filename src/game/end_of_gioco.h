// The end of a Gioco, Partita and Torneo: the last cards, the open deck points, the outcome,
// and Quando, which resets the table and deals again.
#pragma once

#include <string>

namespace gnamm {

class Game;

// Points that win a Partita, and Partite that win a Torneo.
inline constexpr int kPuntiPartita = 15;
inline constexpr int kPartiteTorneo = 3;

// What the end of a Gioco decided; the prompt and the remarks follow from it.
enum class EsitoGioco { InCorso, Continua, Spareggio, PartitaPC, PartitaH, TorneoPC, TorneoH };

struct MatchState {
    int partitePC = 0;
    int partiteH = 0;
    int gioco = 1;
    bool giocoTerminato = false;
    int contaUltimeCarte = 0;                // cards found so far in the walk of the last cards
    std::string vincitore;                   // the name of the Torneo's winner
    EsitoGioco esito = EsitoGioco::InCorso;  // the last Gioco's outcome, until Quando
    // The last Gioco ended the Torneo: Quando opens the level choice instead of dealing.
    bool torneoFinito() const {
        return esito == EsitoGioco::TorneoPC || esito == EsitoGioco::TorneoH;
    }
};

// The outcome of totals at the end of a Gioco, before the Partite are counted.
EsitoGioco DecidiEsito(int puntiPC, int puntiH, int partitePC, int partiteH);
// The continue prompt's line in the pause after a Gioco that did not end the Torneo.
std::string TestoQuando(const Game& g);

// The sixth Manche's last card has been played: the walk over the remaining cards begins.
void AvviaUltimeCarte(Game& g);
// One tick of TmrUltimeCarte.
void OnUltimeCarte(Game& g);
void UltimeCarte(Game& g);
// Continue after the prompt: the next Gioco, or the level choice after a Torneo.
void Quando(Game& g);
// The side boxes "Dati" and "Punti", unless pinned by their toggles, show only in the pause.
void MostraRiquadriDellaPausa(Game& g, bool pausa);

}  // namespace gnamm
