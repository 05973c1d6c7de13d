#include "game/capture_execution.h"

#include <vector>

#include "game/ai/pc_turn.h"
#include "game/deal.h"
#include "game/end_of_gioco.h"
#include "game/game.h"
#include "game/sound_indicator.h"
#include "game/table_model.h"
#include "rules/speeds.h"

namespace gnamm {

namespace {

// After the human's card: the next deal, the end of the Gioco, or the computer's move.
void PassaLaMano(Game& g) {
    TableState& t = g.tavolo;
    t.aChiTocca = Player::PC;
    g.manina = false;
    if (t.numeroCarteGiocate >= 6) {
        if (t.manche >= 6) {
            AvviaUltimeCarte(g);
        } else {
            AvviaDistribuzioneManche(g);
        }
        return;
    }
    PreparaMossePC(g);
}

}  // namespace

void DeponiCartaSulTavolo(Game& g) {
    TableState& t = g.tavolo;
    HumanTurnState& u = g.umano;
    const int mano = u.cartaGiocata;
    const Card carta = t.carta[mano];
    SvuotaPosto(g, mano);

    const int p = TrovaPosizioneLibera(t);
    t.posizioneInserimentoCarta = p;
    // Twelve places are the most the rules can fill (with every value 2..10 down, any further
    // card captures), so a place is always found; the check only keeps a position the rules
    // cannot reach from writing outside the table.
    if (p != 0) {
        t.carta[p] = carta;
        ++t.numeroCarteSulTavolo;
        MostraCarta(g, p, carta);
    }
    u.cartaGiocata = 0;
    u.puoiScegliere = false;
    u.valoreTotalePresa = 0;
    u.marcaPresa.fill(false);
    u.scelta.fill(false);
    g.istruzione = {};
    VerificaAssoInTavola(g.tavolo);
    PassaLaMano(g);
}

void OnScompaionoCarteH(Game& g) {
    TableState& t = g.tavolo;
    HumanTurnState& u = g.umano;
    g.scheduler.disable(Timer::ScompaionoCarteH);
    u.puoiScegliere = false;
    u.presaDecisa = false;
    t.ultimaCattura = Player::H;
    EventoTavolo presa{Accaduto::PresaFatta};
    presa.da = u.cartaGiocata;
    if (presa.da != 0) presa.carta = t.carta[presa.da];

    std::vector<Card> prese;
    for (const int i : kPostiTavolo) {
        if (!u.marcaPresa[i]) continue;
        presa.posti.push_back(i);
        prese.push_back(t.carta[i]);
        u.marcaPresa[i] = false;
        ContaPreseH(g, i);
        SvuotaPosto(g, i);
        --t.numeroCarteSulTavolo;
    }
    const int mano = u.cartaGiocata;
    if (mano != 0) ContaPreseH(g, mano);
    MettiNelMucchio(g.mucchi.h, presa.carta, prese, t.numeroCarteSulTavolo == 0);

    if (t.numeroCarteSulTavolo == 0) {
        AssegnaPuntoGnamm(g, Player::H);
        g.annuncia({Accaduto::PuntoGnammUmano});
    }

    if (mano != 0) SvuotaPosto(g, mano);
    u.cartaGiocata = 0;
    u.valoreTotalePresa = 0;
    u.scelta.fill(false);
    g.istruzione = {};
    VerificaAssoInTavola(g.tavolo);
    PassaLaMano(g);

    g.annuncia(presa);
}

void OnPresa(Game& g) {
    g.scheduler.disable(Timer::Presa);
    // While the hall of fame is on screen the indicator stays taken.
    LiberaSpiaFuoriAlbo(g.spia, g.classifica.alboAperto);
}

}  // namespace gnamm
