// A Torneo left in the middle: the whole state needed to go on from a quiet moment (the human's
// turn waiting for a card or for a pick among the table cards, the pause after a Gioco waiting
// for Enter), and its text: JSON with a format version, every field checked on reading. The
// file on disk is torneo_file.h's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/sound_state.h"
#include "game/end_of_gioco.h"
#include "game/human_turn.h"
#include "rules/livello.h"
#include "rules/options.h"
#include "game/scoreboard.h"
#include "rules/table_state.h"
#include "rules/timers.h"
#include "persona/persona_state.h"

namespace gnamm {

class Game;

inline constexpr int kFormatoTorneo = 1;

// A timer as it stood. A running one ticks after `restanoMs`, then every `intervalloMs`; a
// stopped one keeps its interval, since some are started again without one being given.
struct TimerSalvato {
    Timer timer = Timer::Impazienza;
    int intervalloMs = 0;
    bool acceso = false;
    int64_t restanoMs = 0;
};

// Nonno Zeb's corner as it showed: his photo and, while a remark runs, its line and bubble
// (empty when none shows).
struct ZebMostrato {
    std::string foto;
    std::string commento;
    std::string fumetto;
    friend bool operator==(const ZebMostrato&, const ZebMostrato&) = default;
};

struct TorneoSalvato {
    std::string nome;
    Livello livello = Livello::Honest;
    Opzioni opzioni;
    TableState tavolo;
    HumanTurnState umano;
    Scoreboard punteggi;
    MatchState partita;
    bool onesta = true;     // 'Cunning' Zeb's honesty in this Manche
    int cinqueDiCuori = 1;  // which 5 di Cuori remark comes next
    PersonaState persona;
    SoundState suoni;
    std::string casuale;              // the random source's state
    std::vector<TimerSalvato> timer;  // every timer with an interval, running ones in the order
                                      // they were started
    std::optional<ZebMostrato> zeb;   // absent from older saves: the level portrait, no remark
};

// The game is at a moment a Torneo can be saved and resumed from.
bool MomentoTranquillo(const Game& g);

// The state of the game as it stands.
TorneoSalvato FotografaTorneo(const Game& g);
// Puts a saved state into a game just past the name (the level panel still to close) and shows
// the table as it was: the cards, the deck while it holds any, the side boxes of a pause and
// Zeb's corner; the timers go on from where they stood.
void RiprendiTorneo(Game& g, const TorneoSalvato& s);

// The text of a saved Torneo, and back. Reading fails, with the reason, on anything that is not
// a whole state of this format version the game could be in (game/invariants.h); `piuRecente`
// tells a newer version from damage.
std::string TorneoInJson(const TorneoSalvato& s);
struct LetturaTorneo {
    std::optional<TorneoSalvato> torneo;
    bool piuRecente = false;
    std::string errore;
    std::string nome;  // the player's name in the file, when it reads even if the rest does not
};
LetturaTorneo TorneoDaJson(std::string_view testo);

}  // namespace gnamm
