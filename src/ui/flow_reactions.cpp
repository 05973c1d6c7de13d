#include "ui/flow_reactions.h"

#include "save/torneo_file.h"
#include "ui/finestra.h"
#include "ui/hall_of_fame_panel.h"
#include "ui/options_panel.h"
#include "ui/quando_prompt.h"

namespace gnamm {

namespace {

// The prompt with the focus for Enter: over the table, or after a Torneo over the hall of fame.
void MostraQuando(Finestra& g, PostoQuando posto) {
    LayoutQuando(g.screen, posto);
    // Over the hall of fame the line says what Enter does after a Torneo.
    if (posto == PostoQuando::Albo) g.vista.lblQuando.text = std::string(kQuandoTorneo);
    g.screen.FraQuando.back = g.screen.windowBack;
    g.vista.FraQuando.visible = true;
}

}  // namespace

void ReagisciAlFlusso(Finestra& g, EventoFlusso e) {
    switch (e) {
        case EventoFlusso::GiocoFinito:
            MostraQuando(g, PostoQuando::Tavolo);
            return;
        case EventoFlusso::TorneoDeciso:
            CancellaTorneoSalvato(g, g.custodiaTorneo);  // nothing left to resume
            return;
        case EventoFlusso::TorneoFinito:
            ApriClassifica(g);
            MostraQuando(g, PostoQuando::Albo);
            return;
        case EventoFlusso::NuovoTorneo:
            ChiudiClassifica(g);
            g.screen.FraPannello[4].back = g.screen.windowBack;
            g.screen.FraPannello[4].visible = true;
            return;
        case EventoFlusso::NuovoGioco:
            if (g.opzioni.randomGrafica) {
                CasualeColoreTavolo(g);
                CasualeColoreCarte(g);
                CasualeRetro(g);
                MostraRetroMazzo(g);
            }
            return;
    }
}

}  // namespace gnamm
