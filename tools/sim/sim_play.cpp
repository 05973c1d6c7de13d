#include "sim_play.h"

#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <random>

#include "human_policy.h"
#include "invariants.h"
#include "ui/options_panel.h"
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
          finestra_(clock_, rng_, media_, Paths{dati / "assets", dati / "Dati"}),
          politica_(o.seed ^ 0x9e3779b9u) {
        // Nobody sees the screen, and no player keeps the record of the simulator's games:
        // what the loop reads is state.
        finestra_.deriveScreen = false;
        finestra_.game.record.tenuto = false;
    }

    Riepilogo gioca() {
        Finestra& g = finestra_;
        AvviaFinoAlLivello(g);
        ScegliLivello(g, o_.livello);

        int passi = 0;
        while (!finito()) {
            if (g.game.pausa.quando) {
                fineGioco();
                if (finito()) break;
                passi = 0;
                g.key(Key::Enter);
                if (g.screen.FraPannello[4].visible) ScegliLivello(g, o_.livello);
                continue;
            }
            if (TurnoUmano(g)) {
                controlla();
                giocaUmano();
                continue;
            }
            if (g.game.scheduler.isEnabled(Timer::RitardoMossaPC) && !controllatoPC_) {
                controllatoPC_ = true;
                controlla();
            }
            const auto scadenza = g.game.scheduler.nextDeadline();
            if (!scadenza || ++passi > kMaxPassiPerGioco) {
                violazione("the game stalled");
                break;
            }
            if (!g.game.scheduler.isEnabled(Timer::RitardoMossaPC)) controllatoPC_ = false;
            AdvanceVirtualTime(g, clock_, *scadenza - clock_.nowMs());
        }
        return r_;
    }

  private:
    bool finito() const {
        if (r_.violazioni > 0 && fermo_) return true;
        if (o_.giochi > 0 && r_.giochi >= o_.giochi) return true;
        if (o_.tornei > 0 && r_.tornei >= o_.tornei) return true;
        return false;
    }

    void giocaUmano() {
        if (!GiocaUmano(finestra_, o_.umano, politica_)) {
            violazione("a legal pick was refused");
            fermo_ = true;
        }
    }

    void violazione(const std::string& cosa) {
        ++r_.violazioni;
        if (static_cast<int>(r_.primeViolazioni.size()) < kMaxViolazioniRiportate) {
            r_.primeViolazioni.push_back("Gioco " + std::to_string(r_.giochi + 1) + ": " + cosa);
        }
    }

    void controlla() {
        if (!o_.check) return;
        for (const std::string& v : ControllaCarte(finestra_.game)) violazione(v);
        const Finestra& g = finestra_;
        for (const std::string& v : ControllaConti(g.game.tavolo, g.game.punteggi, 0, false))
            violazione(v);
    }

    void fineGioco() {
        const Finestra& g = finestra_;
        const Scoreboard& s = g.game.punteggi;
        ++r_.giochi;
        r_.puntiZeb += s.pc.puntiGiocoInCorso;
        r_.puntiUmano += s.h.puntiGiocoInCorso;
        r_.gnammZeb += s.pc.puntiGnamm;
        r_.gnammUmano += s.h.puntiGnamm;
        r_.puntiZeb2 += long{s.pc.puntiGiocoInCorso} * s.pc.puntiGiocoInCorso;
        r_.puntiUmano2 += long{s.h.puntiGiocoInCorso} * s.h.puntiGiocoInCorso;
        r_.gnammZeb2 += long{s.pc.puntiGnamm} * s.pc.puntiGnamm;
        r_.gnammUmano2 += long{s.h.puntiGnamm} * s.h.puntiGnamm;
        r_.giochiZeb += s.pc.puntiGiocoInCorso > s.h.puntiGiocoInCorso ? 1 : 0;
        r_.giochiUmano += s.h.puntiGiocoInCorso > s.pc.puntiGiocoInCorso ? 1 : 0;
        switch (g.game.partita.esito) {
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
        for (const std::string& v : punti_.fineGioco(g.game)) violazione(v);
    }

    OpzioniSim o_;
    VirtualClock clock_;
    SeededRandom rng_;
    SilentMediaPlayer media_;
    Finestra finestra_;
    std::mt19937 politica_;
    Riepilogo r_;
    bool controllatoPC_ = false;
    bool fermo_ = false;
    ControlloPunti punti_;
};

}  // namespace

TimeOfDay OraDelSeme(uint32_t seed) {
    TimeOfDay t;
    t.year = 2026;
    t.month = 1 + static_cast<int>(seed % 12);
    t.day = 1 + static_cast<int>(seed % 28);
    t.hour = static_cast<int>(seed / 7 % 24);
    t.minute = static_cast<int>(seed / 3 % 60);
    t.second = static_cast<int>(seed % 60);
    return t;
}

void AvviaFinoAlLivello(Finestra& f, const Opzioni* opzioni) {
    Game& g = f.game;
    g.opzioni = Opzioni{};
    Avvio(f, 12000, 9000);
    if (opzioni) {
        // The table drawn for them, as a start with them in the settings file draws it.
        g.opzioni = *opzioni;
        ApplicaColoreTavolo(f);
    }
    f.screen.txtNome.text.clear();  // typed afresh, not after the name the folder remembers
    ScriviNomeSplash(f, "Sim");
    InvioSplash(f);
    g.cervello.aperto = false;
}

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
