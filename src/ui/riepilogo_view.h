// The summary beside the continue prompt after each Gioco: the five deck points with both
// sides' counts and who took each and how, the Punti Gnamm, the Gioco's total, the Partita
// against 15 and the Partite against 3, and the outcome of the Gioco, Partita or Torneo. It
// reads the scoreboard and the match as the end of the Gioco left them; it never changes them.
#pragma once

#include <array>
#include <string>

#include "game/end_of_gioco.h"
#include "game/scoreboard.h"

namespace gnamm {

class Game;
struct Screen;

inline constexpr std::size_t kRigheRiepilogo = 10;   // the heading, then nine rows
inline constexpr std::size_t kColonneRiepilogo = 4;  // caption, Zeb, the player, the point

struct Riepilogo {
    // Row by row: the caption, Zeb's count, the player's count, who took the point and how.
    std::array<std::array<std::string, kColonneRiepilogo>, kRigheRiepilogo> righe;
    std::string esito;  // what the Gioco decided
};

Riepilogo FaiRiepilogo(const Scoreboard& punti, const MatchState& partita);

// Shown while the continue prompt waits: below it over the table, or after a Torneo, when the
// hall of fame fills the middle, in the place of the notes box beside the prompt's band (the
// box hides). Run by MostraPausa, after the boxes.
void MostraRiepilogo(const Game& g, Screen& s);

}  // namespace gnamm
