// Nonno Zeb's remarks: voice, bubble, text and photo for a set time.
//
// Callers check "Commenti Zeb" and that the sound indicator is free before any remark: these
// procedures test nothing themselves.
#pragma once

#include <string>

namespace gnamm {

class NonnoZeb;

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
void MostraCommento(NonnoZeb& z, const Commento& c, bool segnaOccupato);
// The end-of-match remark: silences every other speaker and stays until Quando hides it.
void CommentoFineIncontro(NonnoZeb& z, const Commento& c);
// Hides his line and its bubble.
void NascondiFumetto(NonnoZeb& z);
// End of a remark, and of the ace remark.
void OnDurataGnammH(NonnoZeb& z);
void OnAssoBevuto(NonnoZeb& z);
// Puts the current level's portrait back in Zeb's frame.
void MostraFotoLivello(NonnoZeb& z);
// The remark on the level just chosen.
void CommentoLivello(NonnoZeb& z);
// Punto Gnamm remarks, each drawn without repetition within its cycle.
void GnammH(NonnoZeb& z);
void GnammPCinf4(NonnoZeb& z);
void GnammPCsup4(NonnoZeb& z);
// The reproach for a wrong click: the voice alone, no line.
void VoceRimprovero(NonnoZeb& z);
// The farewell line, said when the program closes.
void CommentoCongedo(NonnoZeb& z);

}  // namespace gnamm
