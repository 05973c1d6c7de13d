// The two ways a Gioco starts over: the next Gioco after the continue prompt, and a Gioco
// given up when a level is chosen in the middle of it.
#include "game/gioco_reset.h"

#include <array>

#include "game/game.h"
#include "game/sound_indicator.h"
#include "game/table_model.h"

namespace gnamm {

namespace {

// Every timer that moves cards, scores or speaks for the table.
constexpr std::array<Timer, 14> kTimerDelGioco = {
    Timer::Scegli4CarteSulTavolo,
    Timer::Scegli6Carte,
    Timer::MuoviHAutomatico,
    Timer::ScompaionoCarteH,
    Timer::Presa,
    Timer::RitardoMossaPC,
    Timer::EffettuaMossaPC,
    Timer::UltimeCarte,
    Timer::DurataGnammH,
    Timer::AssoBevuto,
    Timer::Impazienza,
    Timer::DurataImpazienza,
    Timer::Carta,
    Timer::Rumoregioco,
};

}  // namespace

bool TavoloInUso(const TableState& t, const Scheduler& s) {
    if (t.carteRimasteNelMazzo != 40) return true;
    if (s.isEnabled(Timer::Scegli4CarteSulTavolo) || s.isEnabled(Timer::Scegli6Carte)) return true;
    for (int p = 1; p < kNumeroPosti; ++p) {
        if (!t.carta[static_cast<std::size_t>(p)].empty()) return true;
    }
    return false;
}

void AbbandonaGioco(Game& g) {
    for (const Timer t : kTimerDelGioco) g.scheduler.disable(t);
    g.annuncia({Accaduto::GiocoAbbandonato});
    for (int p = 1; p < kNumeroPosti; ++p) SvuotaPosto(g, p);
    for (Colonna* c : {&g.punteggi.pc, &g.punteggi.h}) c->puntiPartita -= c->puntiGiocoInCorso;
    AzzeraGioco(g);
    g.pc.lista = ListaMosse{};
    g.pc.mossaScelta = false;
    g.pc.cartaPCInEsame = 0;
    g.pc.marcaPresaPC.fill(false);
    g.pc.cinqueDiCuoriInPresa = false;
    g.pc.inPausa = false;
    g.tavolo.aChiTocca = Player::PC;
    g.tavolo.assoInTavola = false;
    LiberaSpia(g.spia);
    g.pausa.quando = false;
    g.manina = false;
    g.istruzione = {};
    MostraMazzo(g, true);
}

void AzzeraGioco(Game& g) {
    NuovoGioco(g);
    g.pc.ricerca = Ricerca{};
    g.pc.valutazione = Valutazione{};
    g.pc.scelta = Scelta{};
    AzzeraTabellone(g.punteggi);
    g.punteggi.pc.puntiGiocoInCorso = 0;
    g.punteggi.h.puntiGiocoInCorso = 0;
    g.partita.esito = EsitoGioco::InCorso;
}

}  // namespace gnamm
