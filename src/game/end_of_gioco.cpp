#include "game/end_of_gioco.h"

#include "game/ai/pc_turn.h"
#include "game/deal.h"
#include "game/game.h"
#include "game/gioco_reset.h"
#include "game/scoreboard.h"
#include "game/table_model.h"
#include "rules/speeds.h"

namespace gnamm {

namespace {

// A remaining card joins the last capturer's pile.
void ContaUltimaCarta(Game& g, Player chi, Card c) {
    Colonna& col = g.punteggi.of(chi);
    for (int k = 0; k < 4; ++k) {
        if (c == kSeiSpareggio[k]) col.seiPreso[k] = true;
    }
    if (c.valore() == 7) ++col.prese[0];
    if (c.seme() == 'q') ++col.prese[1];
    if (c.valore() >= 8) ++col.prese[2];
    ++col.prese[3];
    if (c == kCinqueDiCuori) AssegnaCinqueDiCuori(g, chi);
}

// The four counted points still open go by the computer's count against the threshold.
void AssegnaPuntiAperti(Game& g) {
    const Colonna& pc = g.punteggi.pc;
    for (const PuntoMazzo p : kPuntiMazzo) {
        const int k = static_cast<int>(p);
        if (pc.punto[k] || g.punteggi.h.punto[k]) continue;
        const int c = pc.prese[k];
        const bool alPC = c > kSoglia[k] || (c == kSoglia[k] && pc.seiPreso[k]);
        AssegnaPunto(g, alPC ? Player::PC : Player::H, p);
    }
}

void Esito(Game& g) {
    MatchState& m = g.partita;
    const int pc = g.punteggi.pc.puntiPartita;
    const int h = g.punteggi.h.puntiPartita;
    m.esito = DecidiEsito(pc, h, m.partitePC, m.partiteH);
    g.annunciaFineGioco();
    if (m.torneoFinito()) g.annuncia(EventoFlusso::TorneoDeciso);
    switch (m.esito) {
        case EsitoGioco::InCorso:
        case EsitoGioco::Continua:
            PreparaQuando(g);
            g.annuncia(EventoFlusso::GiocoFinito);
            return;
        case EsitoGioco::Spareggio:
            PreparaQuando(g);
            g.annuncia(EventoFlusso::GiocoFinito);
            g.annuncia({Accaduto::FineIncontro});
            return;
        case EsitoGioco::TorneoPC:
        case EsitoGioco::TorneoH: {
            const bool vincePC = m.esito == EsitoGioco::TorneoPC;
            ++(vincePC ? m.partitePC : m.partiteH);
            if (vincePC) {
                m.vincitore = std::string(LivelloText(g.livello));
                g.pausa.vincitore = Player::PC;
                g.annuncia({Accaduto::FineIncontro});
            } else {
                m.vincitore = g.nome;
                g.pausa.vincitore = Player::H;
                g.annuncia({Accaduto::FineIncontro});
            }
            g.annunciaFineTorneo();
            g.annuncia(EventoFlusso::TorneoFinito);
            if (g.spia.ambiente == 0) OccupaSpia(g.spia);
            g.scheduler.startKeepingInterval(Timer::LampeggiaScritta, speeds::kLampeggia);
            m.giocoTerminato = true;
            return;
        }
        case EsitoGioco::PartitaPC:
        case EsitoGioco::PartitaH:
            if (m.esito == EsitoGioco::PartitaH) {
                ++m.partiteH;
                g.annuncia({Accaduto::FineIncontro});
            } else {
                ++m.partitePC;
                g.annuncia({Accaduto::FineIncontro});
            }
            PreparaQuando(g);
            g.annuncia(EventoFlusso::GiocoFinito);
            m.giocoTerminato = true;
            return;
    }
}

void FineGiro(Game& g) {
    TableState& t = g.tavolo;
    g.pc.cartaPCInEsame = 0;
    g.spia.bordo = false;
    g.scheduler.disable(Timer::UltimeCarte);
    g.partita.contaUltimeCarte = 0;
    g.annuncia({Accaduto::FineUltimeCarte});

    AssegnaPuntiAperti(g);

    for (const int p : kPostiTavolo) {
        if (!t.carta[p].empty()) SvuotaPosto(g, p);
    }
    t.numeroCarteSulTavolo = 0;
    t.assoInTavola = false;

    Esito(g);
    MostraRiquadriDellaPausa(g, true);
}

}  // namespace

EsitoGioco DecidiEsito(int puntiPC, int puntiH, int partitePC, int partiteH) {
    if (puntiPC < kPuntiPartita && puntiH < kPuntiPartita) return EsitoGioco::Continua;
    if (puntiPC == puntiH) return EsitoGioco::Spareggio;
    if (puntiPC > puntiH) {
        return partitePC + 1 >= kPartiteTorneo ? EsitoGioco::TorneoPC : EsitoGioco::PartitaPC;
    }
    return partiteH + 1 >= kPartiteTorneo ? EsitoGioco::TorneoH : EsitoGioco::PartitaH;
}

void AvviaUltimeCarte(Game& g) {
    g.pc.cartaPCInEsame = 0;
    g.scheduler.startKeepingInterval(Timer::UltimeCarte, IntervalloGioco(g.opzioni.velocitaGioco));
}

void OnUltimeCarte(Game& g) {
    UltimeCarte(g);
}

void UltimeCarte(Game& g) {
    TableState& t = g.tavolo;
    int& cursore = g.pc.cartaPCInEsame;
    // Empty places cost no tick: the walk runs on to the next card or to its end.
    while (true) {
        cursore = ProssimoPostoSchermo(cursore);
        if (cursore == 0) {
            FineGiro(g);
            return;
        }
        const int p = cursore;
        const Card c = t.carta[p];
        if (c.empty()) continue;
        if (++g.partita.contaUltimeCarte == 1 && g.spia.free() && !g.spia.bordo) {
            EventoTavolo e{Accaduto::UltimaCattura};
            e.carta = c;
            e.da = p;
            e.chi = t.ultimaCattura;
            g.annuncia(e);
        }
        g.posti[static_cast<std::size_t>(p)].segno =
            t.ultimaCattura == Player::PC ? Segno::UltimeAZeb : Segno::UltimeAllUmano;
        ContaUltimaCarta(g, t.ultimaCattura, c);
        UltimaCartaNelMucchio(g.mucchi.di(t.ultimaCattura), c, g.partita.contaUltimeCarte == 1);
        return;
    }
}

void Quando(Game& g) {
    TableState& t = g.tavolo;
    MatchState& m = g.partita;
    g.pausa.quando = false;
    const bool dopoTorneo = m.torneoFinito();
    if (dopoTorneo) {
        m.partitePC = 0;
        m.partiteH = 0;
        m.vincitore.clear();
        g.pausa.vincitore.reset();
    }

    // A fresh Gioco: the table, the deck and the counts; the Partita totals stay.
    AzzeraGioco(g);

    if (m.giocoTerminato) {
        m.giocoTerminato = false;
        m.gioco = 1;
        g.punteggi.pc.puntiPartita = 0;
        g.punteggi.h.puntiPartita = 0;
    } else {
        ++m.gioco;
    }
    t.mazziere = Other(t.mazziere);

    g.annuncia(EventoFlusso::NuovoGioco);

    if (dopoTorneo) {
        g.annuncia(EventoFlusso::NuovoTorneo);
        LiberaSpia(g.spia);
        g.annuncia({Accaduto::NuovoTorneo});
        g.scheduler.startKeepingInterval(Timer::LampeggiaScritta2, speeds::kLampeggia);
    } else {
        g.annuncia({Accaduto::NuovoGioco});
        MescolaCarte(g);
    }

    MostraMazzo(g, true);
    MostraRiquadriDellaPausa(g, false);
    t.assoInTavola = false;
}

void MostraRiquadriDellaPausa(Game& g, bool pausa) {
    for (const int k : {1, 0}) {
        if (!g.pausa.riquadroFisso[k]) g.pausa.riquadro[k] = pausa;
    }
}

void PreparaQuando(Game& g) {
    switch (g.partita.esito) {
        case EsitoGioco::Spareggio:
            g.pausa.riga = RigaQuando::Spareggio;
            break;
        case EsitoGioco::PartitaPC:
        case EsitoGioco::PartitaH:
            g.pausa.riga = RigaQuando::NuovaPartita;
            break;
        default:
            g.pausa.riga = RigaQuando::ContinuaPartita;
            break;
    }
    g.pausa.nome = g.nome;
}

}  // namespace gnamm
