// Nonno Zeb's remarks: voice, bubble, text and photo for a set time.
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

void MostraCommento(Game& g, const Commento& c, bool segnaOccupato);
void CommentoFineIncontro(Game& g, const Commento& c);
void OnDurataGnammH(Game& g);
void OnAssoBevuto(Game& g);
void MostraFotoLivello(Game& g);
void CommentoLivello(Game& g);
void GnammH(Game& g);
void GnammPCinf4(Game& g);
void GnammPCsup4(Game& g);

}  // namespace gnamm
