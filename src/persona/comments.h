// Nonno Zeb's remarks: voice, bubble, text and photo for a set time.
//
// Callers check "Commenti Zeb" and that the sound indicator is free before any remark: these
// procedures test nothing themselves.
#pragma once

#include <string>

namespace gnamm {

class Game;
struct TableState;

// One remark: asset names of voice, bubble and photo (photo may be empty), text, duration.
struct Commento {
    std::string voce;
    std::string testo;
    std::string fumetto;
    std::string foto;
    int durataMs = 0;
};

// Says a remark on the comment channel and ends it after its duration (TmrDurataGnammH);
// with segnaOccupato the sound indicator is busy until then.
void MostraCommento(Game& g, const Commento& c, bool segnaOccupato);
// The end-of-match remark: silences every other speaker and stays until Quando hides it.
void CommentoFineIncontro(Game& g, const Commento& c);
// End of a remark, and of the ace remark.
void OnDurataGnammH(Game& g);
void OnAssoBevuto(Game& g);
// Puts the current level's portrait back in Zeb's frame.
void MostraFotoLivello(Game& g);
// The remark on the level just chosen.
void CommentoLivello(Game& g);
// Punto Gnamm remarks, each drawn without repetition within its cycle.
void GnammH(Game& g);
void GnammPCinf4(Game& g);
void GnammPCsup4(Game& g);

}  // namespace gnamm
