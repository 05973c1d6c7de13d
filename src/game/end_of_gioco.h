// The end of a Gioco, Partita and Torneo: the last cards, the open deck points, the outcome,
// and Quando, which resets the table and deals again.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "rules/table_state.h"

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

// What the continue prompt's line says.
enum class RigaQuando { Nessuna, Spareggio, NuovaPartita, ContinuaPartita, DopoTorneo };

// The pause between Giochi as the game stands: the continue prompt and what its line says, the
// Torneo's winner (named in red until the next Torneo), and the side boxes "Dati", "Punti",
// "Notes", "Zeb": shown, and pinned by their toggles. A pinned box stays through the end of a
// Gioco; the others show only between Giochi. Shown by ui/pause_view.cpp.
struct PausaState {
    bool quando = false;  // the continue prompt waits for Enter
    RigaQuando riga = RigaQuando::Nessuna;
    std::string nome;  // the player the line names
    std::optional<Player> vincitore;
    std::array<bool, 4> riquadro = {true, true, true, true};
    std::array<bool, 4> riquadroFisso = {true, true, true, true};
};

// The outcome of totals at the end of a Gioco, before the Partite are counted.
EsitoGioco DecidiEsito(int puntiPC, int puntiH, int partitePC, int partiteH);
// The continue prompt's line in the pause after a Gioco that did not end the Torneo.
void PreparaQuando(Game& g);

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
