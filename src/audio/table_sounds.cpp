#include "audio/table_sounds.h"

#include "audio/sounds.h"
#include "game/game.h"

namespace gnamm {

void ReagisconoISuoni(Game& g, const EventoTavolo& e, bool zebHaParlato) {
    if (zebHaParlato || !g.opzioni.rumoriCarte || !g.suoni.spia.free()) return;
    switch (e.cosa) {
        case Accaduto::CartaGiocata:
            OccupaSpia(g.suoni.spia);
            RumoreGioco(g);
            return;
        case Accaduto::MossaZeb:
            // Zeb's card is heard without taking the indicator.
            RumoreGioco(g);
            return;
        case Accaduto::PuntoGnammUmano:
        case Accaduto::CinqueDiCuoriUmano:
        case Accaduto::PresaFatta:
            SuonoPresa(g);
            return;
        case Accaduto::PrimoTurno:
        case Accaduto::AssoBevuto:
        case Accaduto::UltimaCattura:
        case Accaduto::FineIncontro:
            return;
    }
}

}  // namespace gnamm
