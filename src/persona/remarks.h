// Every line Nonno Zeb says, in one place: voice file, text, bubble, photo and duration.
//
// The game's procedures take their remarks from here and the voice generator walks
// VoiceLines(), so a text or a duration is never written twice.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "persona/comments.h"

namespace gnamm {
enum class Livello;
enum class Player;
}  // namespace gnamm

namespace gnamm::remarks {

inline constexpr int kGnammH = 12;
inline constexpr int kGnammPCinf4 = 8;
inline constexpr int kGnammPCsup4 = 6;
inline constexpr int kImpazienza = 12;

// The human's Punto Gnamm, line k = 1..12.
Commento GnammH(int k);
// The computer's Punto Gnamm sweeping fewer than 4 table cards, k = 1..8.
Commento GnammPCinf4(int k);
// The computer's Punto Gnamm sweeping 4 or more table cards, k = 1..6.
Commento GnammPCsup4(int k);
// Urging a slow player, k = 1..12 (voice on the impatience channel).
Commento Impazienza(int k);

// The level chosen ("Bravo!", "Gnamm!", "He-he-he..."); no photo. None gives an empty remark.
Commento Livello(gnamm::Livello livello);
// "Gioca!" at the first lead of a Gioco.
Commento Gioca();
// The reproach for a wrong click (S28, 320 ms); no photo.
Commento Rimprovero();
// Asso bevuto: 1 "Asso bevuto... gioco astuto!" (S14, 3650 ms), 2 "Hai bevuto l'asso, eh?"
// (S13, 1550 ms); the value AssoBevuto takes when the line is said.
Commento AssoBevuto(int n);
// The 5 di Cuori: 1 "Il Cinque è mio!" (S44), 2 "Questi cuoricini sono miei!!" (S43); the value
// the 5DiCuori mark takes when the line is said.
Commento CinqueDiCuori(int n);
// The last capture of a Gioco: by whom, whether more than one card is left, and the toggle.
Commento UltimaCattura(Player chi, bool piuCarte, bool toggle);

// End of a Gioco, Partita or Torneo (no duration: they stay until Quando).
Commento Mmmh();                // tie-break Gioco
Commento HoVinto();             // Torneo won by the computer
Commento MiHaiFregato();        // Torneo won by the human
Commento NonCantareVittoria();  // Partita won by the human
Commento EUno();                // first Partita won by the computer
Commento EDue();                // second Partita won by the computer

// Leaving the program: 1 "A presto, figliolo!!" (S26), 2 "Ti saluto!!" (S27); photo Foto19.
Commento Saluto(int n);
// Answering "No" to the exit question: "Bravo!" with the Honest portrait, 700 ms.
Commento BravoRestaQui();

// The splash voice of tick n = 1..4 (later ticks repeat 4).
std::string SplashVoice(int n);

// One recorded voice: its asset name, the words it says, and the longest it may last.
struct VoiceLine {
    std::string file;  // "\Zeb\S01.wav", "\Impaz\I01.wav"
    std::string testo;
    int limiteMs = 0;  // the shortest duration any remark or timer gives the line
};
// S01..S50 then I01..I12, in that order.
std::vector<VoiceLine> VoiceLines();

}  // namespace gnamm::remarks
