#include "game/ai/pc_turn.h"

#include <array>
#include <vector>

#include "game/ai/cervello.h"
#include "game/ai/move_choice.h"
#include "game/ai/move_list.h"
#include "game/deal.h"
#include "game/end_of_gioco.h"
#include "game/game.h"
#include "game/scoreboard.h"
#include "game/table_model.h"
#include "rules/speeds.h"

namespace gnamm {

namespace {

void SvuotaRicerca(PcState& pc) {
    pc.ricerca = Ricerca{};
    SvuotaLista(pc.lista);
    pc.valutazione = Valutazione{};
    pc.datiCarte = {};
    pc.scelta = Scelta{};
}

void TurnoAllUmano(Game& g) {
    TableState& t = g.tavolo;
    t.aChiTocca = Player::H;
    g.istruzione = Chiedi(CosaChiedere::TuoTurno, g.nome);
    g.annuncia({Accaduto::TurnoUmano});
    if (g.opzioni.mostraManina) g.manina = true;
    if (t.carteInManoAdH == 1 && g.opzioni.giocoTerzaCarta == TerzaCarta::Automatic) {
        g.scheduler.startKeepingInterval(Timer::MuoviHAutomatico,
                                         IntervalloTerzaCarta(g.opzioni.velocitaGioco));
    }
}

void CompletaMossa(Game& g) {
    PcState& pc = g.pc;
    TableState& t = g.tavolo;
    pc.cartaPCInEsame = 0;
    g.scheduler.disable(Timer::EffettuaMossaPC);
    pc.inPausa = false;

    const Mossa mossa = pc.lista[pc.scelta.mossaMigliore];
    const int p = mossa.posto;
    const Card giocata = t.carta[p];
    // The card leaves his hand: nothing shows in its place, even a card kept for want of room.
    g.posti[static_cast<std::size_t>(p)] = PostoCarta{};

    EventoTavolo presa{Accaduto::PresaZeb};
    presa.carta = giocata;
    presa.da = p;
    presa.chi = Player::PC;
    std::vector<Card> prese;
    for (const int q : kPostiTavolo) {
        if (!pc.marcaPresaPC[q]) continue;
        presa.posti.push_back(q);
        prese.push_back(t.carta[q]);
        pc.marcaPresaPC[q] = false;
        SvuotaPosto(g, q);
        --t.numeroCarteSulTavolo;
    }

    bool inMano = false;
    if (!mossa.presa()) {
        const int j = TrovaPosizioneLibera(t);
        if (j != 0) {
            t.carta[j] = giocata;
            ++t.numeroCarteSulTavolo;
            t.contatoreCartaDaEstrarre = j;
            MostraCarta(g, j, giocata);
        } else {
            inMano = true;  // no room on the table: the card is not thrown away
        }
    } else {
        t.ultimaCattura = Player::PC;
        ContaPresePC(g, p);
        MettiNelMucchio(g.mucchi.pc, giocata, prese, mossa.gnamm);
        if (mossa.gnamm) AssegnaPuntoGnamm(g, Player::PC);
        g.annuncia(presa);
    }
    AssegnaPuntiMazzoPC(g);
    if (!inMano) {
        t.carta[p] = Card{};
        --t.carteInManoAPC;
    }

    SvuotaRicerca(pc);
    pc.mossaScelta = false;
    if (const int libero = TrovaPosizioneLibera(t)) t.posizioneInserimentoCarta = libero;
    ++t.numeroCarteGiocate;
    VerificaAssoInTavola(g.tavolo);
    AggiornaCervello(g);

    if (t.numeroCarteGiocate == 6 && t.manche != 6) {
        t.numeroCarteGiocate = 0;
        AvviaDistribuzioneManche(g);
    } else if (t.numeroCarteGiocate == 6) {
        AvviaUltimeCarte(g);
    } else {
        TurnoAllUmano(g);
    }
}

}  // namespace

Sguardo SguardoDi(Livello livello, bool onesta) {
    if (livello == Livello::Cheat || (livello == Livello::Cunning && !onesta)) {
        return Sguardo::ManoUmano;
    }
    return Sguardo::Stima;
}

// The place after each one in screen order (0 after the last and for places off the
// table), and the first place after 0: looked up at every step of Zeb's walk.
constexpr std::array<int, kNumeroPosti> kDopoSchermo = [] {
    std::array<int, kNumeroPosti> dopo{};
    dopo[0] = kOrdineSchermo.front();
    for (size_t i = 0; i + 1 < kOrdineSchermo.size(); ++i) {
        dopo[static_cast<size_t>(kOrdineSchermo[i])] = kOrdineSchermo[i + 1];
    }
    return dopo;
}();

int ProssimoPostoSchermo(int posto) {
    return posto >= 0 && posto < kNumeroPosti ? kDopoSchermo[static_cast<size_t>(posto)] : 0;
}

void PreparaMossePC(Game& g) {
    PcState& pc = g.pc;
    PreparaRicerca(g.tavolo, pc.ricerca);
    TrovaCombinazioniPC(g.tavolo, pc.ricerca, pc.lista);
    ValutaMossePC(g.tavolo, pc.ricerca, pc.lista, g.punteggi, SguardoDi(g.livello, pc.onesta),
                  pc.valutazione);
    AggiornaCervello(g);
    // An empty hand has nothing to play: no pause is started, so nothing is played from it.
    if (pc.lista.mossePossibili == 0) return;
    g.scheduler.startKeepingInterval(Timer::RitardoMossaPC, IntervalloZeb(g.opzioni.velocitaZeb));
}

void OnRitardoMossaPC(Game& g) {
    g.scheduler.disable(Timer::RitardoMossaPC);
    ScegliMossaPC(g);
}

void ScegliMossaPC(Game& g) {
    if (g.pc.lista.mossePossibili == 0) return;
    g.pc.scelta = ScegliMossa(g.tavolo, g.pc.lista, g.pc.valutazione);
    g.pc.mossaScelta = true;
    AggiornaCervello(g);
    MostraMossaPC(g);
}

void MostraMossaPC(Game& g) {
    PcState& pc = g.pc;
    TableState& t = g.tavolo;
    const Mossa& mossa = pc.lista[pc.scelta.mossaMigliore];
    const int p = mossa.posto;
    t.contatoreCartaDaEstrarre = p;
    MostraCarta(g, p, t.carta[p]);
    g.posti[static_cast<std::size_t>(p)].segno = Segno::GiocataDaZeb;

    pc.datiCarte = {};
    int conta = 0;
    for (int k = 0; k < mossa.numeroCatturate; ++k) {
        pc.datiCarte[k + 1] = mossa.catturate[k];
        pc.marcaPresaPC[pc.ricerca.posto(mossa.catturate[k])] = true;
        ++conta;
    }
    EventoTavolo e{Accaduto::MossaZeb};
    for (const int q : kPostiTavolo) {
        if (!pc.marcaPresaPC[q]) continue;
        if (t.carta[q] == kCinqueDiCuori) pc.cinqueDiCuoriInPresa = true;
        e.posti.push_back(q);
    }
    e.gnamm = mossa.gnamm;
    e.carteCatturate = conta;
    e.cinqueDiCuori = pc.cinqueDiCuoriInPresa;
    e.carta = t.carta[p];
    e.da = p;
    e.chi = Player::PC;
    g.annuncia(e);
    pc.cinqueDiCuoriInPresa = false;
    pc.cartaPCInEsame = 0;
    g.scheduler.startKeepingInterval(Timer::EffettuaMossaPC, IntervalloZeb(g.opzioni.velocitaZeb));
}

void MossaPC(Game& g) {
    PcState& pc = g.pc;
    // Places without a captured card cost no time: the walk goes on to the next one at once.
    while (true) {
        if (pc.cartaPCInEsame != PcState::kFineGiro) {
            const int prossimo = ProssimoPostoSchermo(pc.cartaPCInEsame);
            pc.cartaPCInEsame = prossimo == 0 ? PcState::kFineGiro : prossimo;
        }
        if (pc.cartaPCInEsame == PcState::kFineGiro) {
            CompletaMossa(g);
            return;
        }
        const int q = pc.cartaPCInEsame;
        if (!pc.marcaPresaPC[q]) continue;
        g.posti[static_cast<std::size_t>(q)].segno = Segno::PresaZeb;
        ContaPresePC(g, q);
        return;
    }
}

void OnEffettuaMossaPC(Game& g) {
    MossaPC(g);
}

void ClickTimerLabel(Game& g) {
    if (g.tavolo.aChiTocca != Player::PC) return;
    // Only a move that is being played can be paused, and only a paused one resumed: starting
    // the steps before a move is chosen would play an empty list.
    if (g.scheduler.isEnabled(Timer::EffettuaMossaPC)) {
        g.scheduler.disable(Timer::EffettuaMossaPC);
        g.pc.inPausa = true;
    } else if (g.pc.inPausa) {
        g.pc.inPausa = false;
        g.scheduler.enable(Timer::EffettuaMossaPC);
    }
}

void ToggleCervello(Game& g) {
    Cervello& c = g.cervello;
    c.aperto = !c.aperto;
    if (c.aperto) AggiornaCervello(g);
}

}  // namespace gnamm
