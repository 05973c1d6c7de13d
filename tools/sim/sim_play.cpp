#include "sim_play.h"

#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <random>
#include <set>

#include "human_policy.h"
#include "ui/panels.h"
#include "ui/startup.h"

namespace gnamm::sim {

namespace {

constexpr int kMaxViolazioniRiportate = 10;
// Timer ticks in one Gioco beyond which the game is taken as stalled.
constexpr int kMaxPassiPerGioco = 200000;

class Partita {
  public:
    Partita(const OpzioniSim& o, const std::filesystem::path& dati)
        : o_(o),
          clock_(OraDelSeme(o.seed)),
          rng_(o.seed),
          game_(clock_, rng_, media_, Paths{dati / "assets", dati / "Dati"}),
          politica_(o.seed ^ 0x9e3779b9u) {}

    Riepilogo gioca() {
        Game& g = game_;
        g.opzioni = Opzioni{};
        Avvio(g, 12000, 9000);
        ScriviNomeSplash(g, "Sim");
        InvioSplash(g);
        g.screen.FraCervello.visible = false;
        ScegliLivello(g, o_.livello);

        int passi = 0;
        while (!finito()) {
            if (g.screen.FraQuando.visible) {
                fineGioco();
                if (finito()) break;
                passi = 0;
                g.key(Key::Enter);
                if (g.screen.FraPannello[4].visible) ScegliLivello(g, o_.livello);
                continue;
            }
            if (turnoUmano()) {
                controlla();
                giocaUmano();
                continue;
            }
            if (g.scheduler.isEnabled(Timer::RitardoMossaPC) && !controllatoPC_) {
                controllatoPC_ = true;
                controlla();
            }
            const auto scadenza = g.scheduler.nextDeadline();
            if (!scadenza || ++passi > kMaxPassiPerGioco) {
                violazione("the game stalled");
                break;
            }
            if (!g.scheduler.isEnabled(Timer::RitardoMossaPC)) controllatoPC_ = false;
            AdvanceVirtualTime(g, clock_, *scadenza - clock_.nowMs());
        }
        return r_;
    }

  private:
    static TimeOfDay OraDelSeme(uint32_t seed) {
        TimeOfDay t;
        t.year = 2026;
        t.month = 1 + static_cast<int>(seed % 12);
        t.day = 1 + static_cast<int>(seed % 28);
        t.hour = static_cast<int>(seed / 7 % 24);
        t.minute = static_cast<int>(seed / 3 % 60);
        t.second = static_cast<int>(seed % 60);
        return t;
    }

    bool finito() const {
        if (r_.violazioni > 0 && fermo_) return true;
        if (o_.giochi > 0 && r_.giochi >= o_.giochi) return true;
        if (o_.tornei > 0 && r_.tornei >= o_.tornei) return true;
        return false;
    }

    bool turnoUmano() const {
        const Game& g = game_;
        if (g.tavolo.aChiTocca != Player::H || g.umano.cartaGiocata != 0) return false;
        if (g.scheduler.isEnabled(Timer::Scegli6Carte) ||
            g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo)) {
            return false;
        }
        for (int k = 4; k <= 6; ++k) {
            if (!g.tavolo.carta[k].empty()) return true;
        }
        return false;
    }

    void giocaUmano() {
        Game& g = game_;
        const Giocata scelta = ScegliGiocata(g.tavolo, o_.umano, politica_);
        g.click({TargetKind::Carta, scelta.posto});
        if (g.umano.puoiScegliere) {
            for (const int p : scelta.prese) g.click({TargetKind::Carta, p});
            if (!g.scheduler.isEnabled(Timer::ScompaionoCarteH)) {
                violazione("a legal pick was refused");
                fermo_ = true;
            }
        }
    }

    void violazione(const std::string& cosa) {
        ++r_.violazioni;
        if (static_cast<int>(r_.primeViolazioni.size()) < kMaxViolazioniRiportate) {
            r_.primeViolazioni.push_back("Gioco " + std::to_string(r_.giochi + 1) + ": " + cosa);
        }
    }

    // Every card once: in the deck, a hand, on the table or counted in a pile.
    void controlla() {
        if (!o_.check) return;
        const Game& g = game_;
        const TableState& t = g.tavolo;
        std::set<int> viste;
        int carte = t.carteRimasteNelMazzo + g.punteggi.pc.prese[3] + g.punteggi.h.prese[3];
        for (int p = 0; p < kNumeroPosti; ++p) {
            const Card c = t.carta[p];
            if (c.empty()) continue;
            const bool ammesso = IsManoPC(p) || IsManoH(p) || IsPostoTavolo(p);
            if (!ammesso) violazione("a card outside the card places: " + std::to_string(p));
            if (!viste.insert(c.deckPosition()).second) violazione("a card twice: " + c.code());
            ++carte;
        }
        int sulTavolo = 0;
        for (const int p : kPostiTavolo) sulTavolo += t.carta[p].empty() ? 0 : 1;
        if (sulTavolo != t.numeroCarteSulTavolo) violazione("NumeroCarteSulTavolo is off");
        int manoPC = 0, manoH = 0;
        bool asso = false;
        for (int p = 1; p <= 3; ++p) manoPC += t.carta[p].empty() ? 0 : 1;
        for (int p = 4; p <= 6; ++p) manoH += t.carta[p].empty() ? 0 : 1;
        for (const int p : kPostiTavolo) asso = asso || t.carta[p].isAce();
        if (manoPC != t.carteInManoAPC) violazione("CarteInManoAPC is off");
        if (manoH != t.carteInManoAdH) violazione("CarteInManoAdH is off");
        if (asso != t.assoInTavola) violazione("AssoInTavola is off");
        if (carte != 40) violazione("cards accounted for: " + std::to_string(carte));
    }

    void fineGioco() {
        const Game& g = game_;
        const Scoreboard& s = g.punteggi;
        ++r_.giochi;
        r_.puntiZeb += s.pc.puntiGiocoInCorso;
        r_.puntiUmano += s.h.puntiGiocoInCorso;
        r_.gnammZeb += s.pc.puntiGnamm;
        r_.gnammUmano += s.h.puntiGnamm;
        switch (g.partita.esito) {
            case EsitoGioco::TorneoPC:
                ++r_.torneiZeb;
                ++r_.tornei;
                [[fallthrough]];
            case EsitoGioco::PartitaPC:
                ++r_.partiteZeb;
                break;
            case EsitoGioco::TorneoH:
                ++r_.torneiUmano;
                ++r_.tornei;
                [[fallthrough]];
            case EsitoGioco::PartitaH:
                ++r_.partiteUmano;
                break;
            case EsitoGioco::InCorso:
            case EsitoGioco::Continua:
            case EsitoGioco::Spareggio:
                break;
        }
        if (!o_.check) return;
        controlla();
        if (s.pc.prese[3] + s.h.prese[3] != 40) violazione("the piles do not hold 40 cards");
        for (int k = 0; k < 4; ++k) {
            if (s.pc.punto[k] == s.h.punto[k]) {
                violazione("deck point " + std::to_string(k) + " not assigned exactly once");
            }
        }
        if (s.pc.punto5DiCuori == s.h.punto5DiCuori) {
            violazione("the 5 di Cuori not assigned exactly once");
        }
        for (const Colonna* c : {&s.pc, &s.h}) {
            int mazzo = c->punto5DiCuori ? 1 : 0;
            for (const bool p : c->punto) mazzo += p ? 1 : 0;
            if (c->puntiGiocoInCorso != mazzo + c->puntiGnamm) {
                violazione("a Gioco total differs from deck points plus Punti Gnamm");
            }
        }
        // The Partita totals grow with the Gioco totals.
        const int attesoPC = (nuovaPartita_ ? 0 : partitaPC_) + s.pc.puntiGiocoInCorso;
        const int attesoH = (nuovaPartita_ ? 0 : partitaH_) + s.h.puntiGiocoInCorso;
        if (s.pc.puntiPartita != attesoPC || s.h.puntiPartita != attesoH) {
            violazione("a Partita total differs from the sum of its Giochi");
        }
        partitaPC_ = s.pc.puntiPartita;
        partitaH_ = s.h.puntiPartita;
        nuovaPartita_ = g.partita.giocoTerminato;
    }

    OpzioniSim o_;
    VirtualClock clock_;
    SeededRandom rng_;
    SilentMediaPlayer media_;
    Game game_;
    std::mt19937 politica_;
    Riepilogo r_;
    bool controllatoPC_ = false;
    bool fermo_ = false;
    bool nuovaPartita_ = true;
    int partitaPC_ = 0, partitaH_ = 0;
};

}  // namespace

CartellaTemporanea::CartellaTemporanea() {
    // A memory-backed folder when there is one: the game syncs its data files to disk at the
    // end of every Torneo, which would otherwise set the pace of the whole simulation.
    std::error_code ec;
    const std::filesystem::path shm = "/dev/shm";
    const auto base = std::filesystem::is_directory(shm, ec) && access("/dev/shm", W_OK) == 0
                          ? shm
                          : std::filesystem::temp_directory_path();
    std::string modello = (base / "gnamm-sim-XXXXXX").string();
    if (const char* d = mkdtemp(modello.data())) path_ = d;
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

Riepilogo Gioca(const OpzioniSim& o) {
    const auto inizio = std::chrono::steady_clock::now();
    Partita partita(o, o.dati);
    Riepilogo r = partita.gioca();
    r.secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    return r;
}

}  // namespace gnamm::sim
