#include "game/human_turn.h"

#include <string>

#include "game/capture_execution.h"
#include "game/game.h"
#include "game/table_model.h"
#include "rules/capture_rules.h"

namespace gnamm {

namespace {

void Segna(Game& g, int place, Segno segno) {
    g.posti[static_cast<std::size_t>(place)].segno = segno;
}

// What the player is asked when the rule leaves the capture to them.
Istruzione IstruzioneScelta(const DecisionePresa& d) {
    if (d.esito == EsitoPresa::SceltaUguali) {
        return Chiedi(CosaChiedere::SceltaUguali, {}, d.stessoValore);
    }
    return Chiedi(CosaChiedere::SceltaSomma, {}, d.possibilitaDiPresa);
}

// The human's card decided: laid from `da` on place `a`, or capturing the places marked.
EventoTavolo Decisa(const Game& g, int da, int a) {
    EventoTavolo e{Accaduto::CartaDecisa};
    e.da = da;
    e.a = a;
    if (a != kNessunPosto) {
        e.carta = g.tavolo.carta[a];
        return e;
    }
    e.carta = g.tavolo.carta[da];
    for (const int i : kPostiTavolo) {
        if (g.umano.marcaPresa[i]) e.posti.push_back(i);
    }
    return e;
}

void RumoreSeLibero(Game& g) {
    g.annuncia({Accaduto::CartaGiocata});
}

void AvviaScomparsa(Game& g) {
    g.umano.presaDecisa = true;
    g.scheduler.start(Timer::ScompaionoCarteH, IntervalloGioco(g.opzioni.velocitaGioco));
}

// The pick that completes a capture: every picked card is marked and outlined for capture.
void CompletaScelta(Game& g) {
    HumanTurnState& u = g.umano;
    Segna(g, u.cartaGiocata, Segno::PresaUmano);
    for (const int i : kPostiTavolo) {
        if (!u.scelta[i]) continue;
        u.marcaPresa[i] = true;
        Segna(g, i, Segno::PresaUmano);
    }
    AvviaScomparsa(g);
    RumoreSeLibero(g);
}

void GiocaCarta(Game& g, int k) {
    TableState& t = g.tavolo;
    t.aChiTocca = Player::PC;
    g.manina = false;
    --t.carteInManoAdH;
    ++t.numeroCarteGiocate;
    g.istruzione = {};
    g.umano.cartaGiocata = k;
    EventoTavolo e{Accaduto::CartaDallaMano};
    e.carta = t.carta[k];
    e.da = k;
    AggiornaValoriRimasti(g.tavolo, t.carta[k]);
    DecidiPresaH(g);
    RumoreSeLibero(g);
    g.annuncia(e);
}

void ScegliCartaTavolo(Game& g, int k) {
    HumanTurnState& u = g.umano;
    const TableState& t = g.tavolo;
    // Zeb waits again for the next click, his urging gone and his portrait back.
    g.annuncia({Accaduto::SceltaAlTavolo});
    const int v = t.valore(u.cartaGiocata);
    const int w = t.valore(k);
    if (!u.valoriUguali) {
        if (w <= v) {
            if (!u.scelta[k]) {
                const int totale = u.valoreTotalePresa + w;
                if (totale > v) {
                    u.marcaPresa[k] = false;
                } else {
                    u.valoreTotalePresa = totale;
                    u.scelta[k] = true;
                    if (totale == v) {
                        CompletaScelta(g);
                    } else {
                        Segna(g, k, Segno::Scelta);
                        RumoreSeLibero(g);
                    }
                }
            } else {
                u.scelta[k] = false;
                Segna(g, k, Segno::Nessuno);
                u.valoreTotalePresa -= w;
                u.marcaPresa[k] = false;
            }
        }
    } else if (w == v) {
        u.valoriUguali = false;
        u.scelta[k] = true;
        CompletaScelta(g);
    }
}

void Rimprovera(Game& g, CosaChiedere rimprovero) {
    g.istruzione = Chiedi(rimprovero, g.nome);
    g.annuncia({Accaduto::ClicSbagliato});
}

void Rimproveri(Game& g, int k) {
    if (IsPostoTavolo(k) || k == kPostoSpare) {
        if (!g.umano.puoiScegliere) {
            Rimprovera(g, CosaChiedere::NonIlTavolo);
        }
    } else if (IsManoPC(k)) {
        if (!g.tavolo.carta[k].empty()) {
            Rimprovera(g, CosaChiedere::NonLeMieCarte);
        }
    } else if (k == kPostoMazzo) {
        Rimprovera(g, CosaChiedere::NonIlMazzo);
    }
}

}  // namespace

void ClickCarta(Game& g, int k) {
    if (k < 0 || k >= kNumeroPosti) return;
    // Only a card picture on show takes clicks.
    if (!g.posti[static_cast<std::size_t>(k)].inVista()) return;
    HumanTurnState& u = g.umano;
    TableState& t = g.tavolo;

    if (IsManoH(k) && t.aChiTocca == Player::H && u.cartaGiocata == 0 && !t.carta[k].empty()) {
        GiocaCarta(g, k);
    }
    if (IsPostoTavolo(k) && !t.carta[k].empty() && u.puoiScegliere && !u.presaDecisa &&
        u.cartaGiocata != 0) {
        ScegliCartaTavolo(g, k);
    }
    if (t.aChiTocca == Player::H) Rimproveri(g, k);
}

void DecidiPresaH(Game& g) {
    HumanTurnState& u = g.umano;
    TableState& t = g.tavolo;
    const Card giocata = t.carta[u.cartaGiocata];
    const DecisionePresa d = DecidiPresa(t.carta, giocata);

    switch (d.esito) {
        case EsitoPresa::Presa:
            Segna(g, u.cartaGiocata, Segno::PresaUmano);
            for (const int i : kPostiTavolo) {
                if (!d.marcate[i]) continue;
                u.marcaPresa[i] = true;
                Segna(g, i, Segno::PresaUmano);
            }
            AvviaScomparsa(g);
            g.annuncia(Decisa(g, u.cartaGiocata, kNessunPosto));
            // An ace that captures leaves no ace behind: the table held at most one.
            if (giocata.isAce()) t.assoInTavola = false;
            break;
        case EsitoPresa::SceltaSomma:
        case EsitoPresa::SceltaUguali: {
            const bool uguali = d.esito == EsitoPresa::SceltaUguali;
            Segna(g, u.cartaGiocata, Segno::Scelta);
            g.istruzione = IstruzioneScelta(d);
            u.marcaPresa.fill(false);
            u.scelta.fill(false);
            u.valoreTotalePresa = 0;
            u.puoiScegliere = true;
            u.valoriUguali = uguali;
            g.annuncia({Accaduto::SceltaAperta});
            break;
        }
        case EsitoPresa::Deposita: {
            const int mano = u.cartaGiocata;
            DeponiCartaSulTavolo(g);
            g.annuncia(Decisa(g, mano, t.posizioneInserimentoCarta));
            if (giocata.isAce()) t.assoInTavola = true;
            break;
        }
    }

    if (d.assoBevuto) g.annuncia({Accaduto::AssoBevuto});
}

void MostraSceltaInCorso(Game& g) {
    const HumanTurnState& u = g.umano;
    if (u.cartaGiocata == 0 && g.partita.esito == EsitoGioco::InCorso &&
        g.tavolo.aChiTocca == Player::H) {
        // The human's turn, no card played yet: the line and the hand that ask for one.
        g.istruzione = Chiedi(CosaChiedere::TuoTurno, g.nome);
        if (g.opzioni.mostraManina) g.manina = true;
        return;
    }
    if (u.cartaGiocata == 0 || !u.puoiScegliere) return;
    Segna(g, u.cartaGiocata, Segno::Scelta);
    for (const int i : kPostiTavolo) {
        if (u.scelta[i]) Segna(g, i, Segno::Scelta);
    }
    g.istruzione = IstruzioneScelta(DecidiPresa(g.tavolo.carta, g.tavolo.carta[u.cartaGiocata]));
}

void OnMuoviHAutomatico(Game& g) {
    g.scheduler.disable(Timer::MuoviHAutomatico);
    for (const int k : {4, 5, 6}) {
        if (!g.tavolo.carta[k].empty()) {
            ClickCarta(g, k);
            return;
        }
    }
}

}  // namespace gnamm
