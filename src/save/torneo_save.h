// A Torneo left in the middle: the whole state needed to go on from a quiet moment, gathered
// from the game (game/game_save.h), Nonno Zeb and the sounds, each through its own save, and its
// text: JSON with a format version, every field checked on reading. The file on disk is
// torneo_file.h's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "audio/suoni.h"
#include "game/game_save.h"
#include "persona/nonno_zeb.h"

namespace gnamm {

class Game;

// 2: the capture piles.
inline constexpr int kFormatoTorneo = 2;

struct TorneoSalvato : GiocoSalvato {
    PersonaState persona;            // Zeb's remark cycles and alternations
    SoundState suoni;                // the music cycle
    std::optional<ZebMostrato> zeb;  // absent from older saves: the level portrait, no remark
};

// The state of the game, Zeb and the sounds as it stands.
TorneoSalvato FotografaTorneo(const Game& g, const NonnoZeb& zeb, const Suoni& suoni);
// Puts a saved state into a game just past the name (the level panel still to close) and shows
// the table as it was, Zeb's corner included; the timers go on from where they stood.
void RiprendiTorneo(Game& g, NonnoZeb& zeb, Suoni& suoni, const TorneoSalvato& s);

// The text of a saved Torneo, and back. Reading fails, with the reason, on anything that is not
// a whole state of this format version the game could be in (game/invariants.h); `piuRecente`
// tells a newer version from damage.
std::string TorneoInJson(const TorneoSalvato& s);
struct LetturaTorneo {
    std::optional<TorneoSalvato> torneo;
    bool piuRecente = false;
    std::string errore;
    std::string nome;  // the player's name in the file, when it reads even if the rest does not
    // The piles were damaged and were rebuilt from the scoreboard's counts; the rest reads.
    bool mucchiRifatti = false;
};
LetturaTorneo TorneoDaJson(std::string_view testo);

}  // namespace gnamm
