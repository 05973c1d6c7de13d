#include "game/deal.h"

#include "game/ai/pc_turn.h"
#include "game/game.h"
#include "game/table_model.h"

namespace gnamm {

namespace {

// Rejection sampling draws again until a position fits, in a loop: a call per rejected draw
// would nest as deep as the bad luck goes. A fair generator gets there in a few hundred draws;
// one that keeps returning taken positions must still not hang the game, so after this many
// misses the next fitting position from the last draw is taken.
constexpr int kTentativiMassimi = 4000;

template <typename Adatta>
int EstraiPosizione(Game& g, Adatta adatta) {
    // Every try is at the same moment of the clock.
    EstrazioniAdesso estrai(g.rng, g.clock);
    int p = 1;
    for (int tentativo = 0; tentativo < kTentativiMassimi; ++tentativo) {
        p = estrai(40);
        if (adatta(p)) return p;
    }
    for (int passo = 0; passo < 40; ++passo) {
        const int q = (p - 1 + passo) % 40 + 1;
        if (adatta(q)) return q;
    }
    return 0;
}

// The opening places in the order they are laid: left to right on the screen.
int ProssimoPostoApertura(int place) {
    switch (place) {
        case 9:
            return 7;
        case 7:
            return 8;
        case 8:
            return 10;
        default:
            return 11;
    }
}

bool IsPostoApertura(int place) {
    return place >= 7 && place <= 10;
}

void DaiIlTurnoAlGiocatore(Game& g) {
    g.tavolo.aChiTocca = Player::H;
    if (g.opzioni.mostraManina) g.manina = true;
    g.istruzione = Chiedi(CosaChiedere::TuoTurno, g.nome);
    g.annuncia({Accaduto::TurnoUmano});
    if (g.tavolo.carteRimasteNelMazzo == 30) g.annuncia({Accaduto::PrimoTurno});
}

}  // namespace

void MescolaCarte(Game& g) {
    TableState& t = g.tavolo;
    t.presaDalMescolatore.fill(false);
    for (int k = 1; k <= 40; ++k) {
        const int p = EstraiPosizione(g, [&](int q) { return !t.presaDalMescolatore[q]; });
        t.presaDalMescolatore[p] = true;
        t.carteDaGiocare[k] = Card::FromDeckPosition(p);
        t.distribuita[k] = false;
    }
    t.contatoreCartaDaEstrarre = 9;
    t.presaDalMescolatore.fill(false);

    MostraMazzo(g, true);
    t.assoInTavola = false;
    g.scheduler.start(Timer::Scegli4CarteSulTavolo, IntervalloMazziere(g.opzioni.velocitaMazziere));
}

void Scegli4CarteSulTavolo(Game& g) {
    TableState& t = g.tavolo;
    const int c = t.contatoreCartaDaEstrarre;
    if (!IsPostoApertura(c)) return;
    // A dealt card is drawn again, and so is a second ace: the table never opens with two.
    const int p = EstraiPosizione(g, [&](int q) {
        return !t.distribuita[q] && !(t.carteDaGiocare[q].isAce() && t.assoInTavola);
    });
    if (p == 0) return;
    const Card carta = t.carteDaGiocare[p];
    t.carta[c] = carta;
    if (carta.isAce()) t.assoInTavola = true;
    t.distribuita[p] = true;
    MostraCarta(g, c, carta);
    t.contatoreCartaDaEstrarre = ProssimoPostoApertura(c);
    AggiornaValoriRimasti(g.tavolo, carta);
    --t.carteRimasteNelMazzo;
}

void OnScegli4CarteSulTavolo(Game& g) {
    TableState& t = g.tavolo;
    if (t.contatoreCartaDaEstrarre != 11) {
        Scegli4CarteSulTavolo(g);
        return;
    }
    t.contatoreCartaDaEstrarre = PrimoPostoDistribuzione(t.mazziere);
    g.scheduler.disable(Timer::Scegli4CarteSulTavolo);
    EventoTavolo e{Accaduto::QuattroInTavola};
    e.chi = t.mazziere;
    for (int q = 7; q <= 10; ++q) e.posti.push_back(q);
    g.annuncia(e);
    t.numeroCarteSulTavolo = 4;
    SpiaSuoni& spia = g.spia;
    // The deal holds the indicator only when no saloon sound does; it gives back only what it
    // took, so a saloon sound still playing keeps it.
    const bool presa = spia.ambiente == 0;
    if (presa) OccupaSpia(spia);
    Scegli6Carte(g);
    g.scheduler.start(Timer::Scegli6Carte, IntervalloMazziere(g.opzioni.velocitaMazziere));
    if (presa) LiberaSpia(spia);
}

int AvanzaDistribuzione(Player mazziere, int place) {
    // Human dealer: 1, 4, 2, 5, 3, 6; computer dealer: 4, 1, 5, 2, 6, 3.
    if (mazziere == Player::H) {
        switch (place) {
            case 1:
                return 4;
            case 4:
                return 2;
            case 2:
                return 5;
            case 5:
                return 3;
            case 3:
                return 6;
            case 6:
                return 7;
            default:
                return place;
        }
    }
    switch (place) {
        case 4:
            return 1;
        case 1:
            return 5;
        case 5:
            return 2;
        case 2:
            return 6;
        case 6:
            return 3;
        case 3:
            return 7;
        default:
            return place;
    }
}

void Scegli6Carte(Game& g) {
    TableState& t = g.tavolo;
    const int c = t.contatoreCartaDaEstrarre;
    if (c < 1 || c > 6) return;
    const int p = EstraiPosizione(g, [&](int q) { return !t.distribuita[q]; });
    if (p == 0) return;
    t.distribuita[p] = true;
    const Card carta = t.carteDaGiocare[p];
    t.carta[c] = carta;
    if (IsManoPC(c)) {
        MostraRetro(g, c);
        AggiornaValoriRimasti(g.tavolo, carta);
    } else {
        MostraCarta(g, c, carta);
    }
    t.contatoreCartaDaEstrarre = AvanzaDistribuzione(t.mazziere, c);
    EventoTavolo e{Accaduto::CartaDistribuita};
    e.carta = carta;
    e.da = kPostoMazzo;
    e.a = c;
    e.chi = t.mazziere;
    g.annuncia(e);
    --t.carteRimasteNelMazzo;
}

void OnScegli6Carte(Game& g) {
    TableState& t = g.tavolo;
    if (t.contatoreCartaDaEstrarre != 7) {
        Scegli6Carte(g);
        return;
    }
    t.contatoreCartaDaEstrarre = 1;
    ++t.manche;
    g.scheduler.disable(Timer::Scegli6Carte);
    SpiaSuoni& spia = g.spia;
    if (spia.ambiente == 0 && !g.scheduler.isEnabled(Timer::DurataGnammH)) LiberaSpia(spia);
    t.carteInManoAdH = 3;
    t.carteInManoAPC = 3;
    // 'Cunning' Zeb turns honest and dishonest from one Manche to the next.
    if (g.livello == Livello::Cunning) g.pc.onesta = !g.pc.onesta;

    if (t.mazziere != Player::PC) {
        t.aChiTocca = Player::PC;
        g.manina = false;
        PreparaMossePC(g);
    } else {
        DaiIlTurnoAlGiocatore(g);
    }
    if (t.carteRimasteNelMazzo == 0) MostraMazzo(g, false);
    g.annuncia({Accaduto::ManoDistribuita});
}

void AvviaDistribuzioneManche(Game& g) {
    TableState& t = g.tavolo;
    t.numeroCarteGiocate = 0;
    t.contatoreCartaDaEstrarre = PrimoPostoDistribuzione(t.mazziere);
    if (g.spia.ambiente == 0) OccupaSpia(g.spia);
    g.scheduler.start(Timer::Scegli6Carte, IntervalloMazziere(g.opzioni.velocitaMazziere));
}

}  // namespace gnamm
