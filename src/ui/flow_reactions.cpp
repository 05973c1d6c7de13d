#include "ui/flow_reactions.h"

#include "save/torneo_file.h"
#include "ui/finestra.h"
#include "ui/hall_of_fame_panel.h"
#include "ui/options_panel.h"
#include "ui/quando_prompt.h"

namespace gnamm {

namespace {

// The prompt with the focus for Enter: over the table, or after a Torneo over the hall of fame.
void MostraQuando(Finestra& f, PostoQuando posto) {
    LayoutQuando(f.screen, posto);
    // Over the hall of fame the line says what Enter does after a Torneo.
    f.game.mostraQuando(posto == PostoQuando::Albo);
    f.screen.FraQuando.back = f.screen.windowBack;
}

}  // namespace

void ReagisciAlFlusso(Finestra& f, EventoFlusso e) {
    Game& g = f.game;
    switch (e) {
        case EventoFlusso::GiocoFinito:
            MostraQuando(f, PostoQuando::Tavolo);
            return;
        case EventoFlusso::TorneoDeciso:
            CancellaTorneoSalvato(g, f.custodiaTorneo);  // nothing left to resume
            return;
        case EventoFlusso::TorneoFinito:
            ApriClassifica(f.screen, f.game);
            MostraQuando(f, PostoQuando::Albo);
            return;
        case EventoFlusso::NuovoTorneo:
            ChiudiClassifica(f.screen, f.game);
            f.screen.FraPannello[4].back = f.screen.windowBack;
            f.screen.FraPannello[4].visible = true;
            return;
        case EventoFlusso::NuovoGioco:
            if (g.opzioni.randomGrafica) {
                CasualeColoreTavolo(f);
                CasualeColoreCarte(f);
                CasualeRetro(f);
            }
            return;
    }
}

}  // namespace gnamm
