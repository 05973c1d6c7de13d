#include "resume_check.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "audio/recording_media_player.h"
#include "human_policy.h"
#include "save/torneo_file.h"
#include "shown_table.h"
#include "sim_play.h"
#include "ui/panels.h"
#include "ui/torneo_ripresa.h"

namespace gnamm::sim {

namespace {

// Timer ticks in one Gioco beyond which the game is taken as stalled.
constexpr int kMaxPassiPerGioco = 200000;

// Every sound on: the music, saloon and card-noise timers run through the saves as well.
const Opzioni kTuttiISuoni = [] {
    Opzioni o;
    o.musiche = true;
    o.rumoriSaloon = true;
    o.rumoriCarte = true;
    return o;
}();

// Everything a running game owns: rebuilt whole when the game is resumed.
struct Mondo {
    Mondo(TimeOfDay ora, uint32_t seed, const std::filesystem::path& dati)
        : clock(ora),
          rng(seed),
          media(clock),
          finestra(clock, rng, media, Paths{dati / "assets", dati / "Dati"}) {}
    // The traces set the table as the game holds it: a card still on its way when the Torneo
    // was saved is not part of the save, and would hide its place in one run only. Set after
    // the start, which reads the player's own choice from the data folder.
    void senzaAnimazioni() { finestra.animazioni = false; }
    VirtualClock clock;
    SeededRandom rng;
    RecordingMediaPlayer media;
    Finestra finestra;
};

class Corsa {
  public:
    Corsa(Livello livello, uint32_t seed, bool riprendi)
        : livello_(livello), seed_(seed), riprendi_(riprendi), politica_(seed ^ 0x9e3779b9u) {}

    // Plays `giochi` Giochi; the trace, or a stall noted in it.
    std::vector<std::string> gioca(int giochi, EsitoRipresa& e) {
        mondo_ = std::make_unique<Mondo>(OraDelSeme(seed_), seed_, cartella_.path());
        AvviaFinoAlLivello(mondo_->finestra, &kTuttiISuoni);
        mondo_->senzaAnimazioni();
        // The "Dati" box unpinned, as its toggle leaves it (kept in the settings file the
        // resumed games read): shown only in the pause. "Punti" stays pinned.
        ClickRiquadri(mondo_->finestra, 0);
        ScegliLivello(mondo_->finestra, livello_);
        int passi = 0;
        while (e.giochi < giochi) {
            if (MomentoTranquillo(mondo_->finestra.game)) {
                leggiSuoni(true);
                if (riprendi_ && !riprendi(e)) break;
                // In the resumed run, the moment as the fresh game brought it back: the same
                // bytes as the save when nothing was lost. The window resumed into is a new one.
                const Finestra& ora = mondo_->finestra;
                const std::string stato =
                    TorneoInJson(FotografaTorneo(ora.game, ora.zeb, ora.suoni));
                if (riprendi_) {
                    e.byteMedi += stato.size();
                    e.byteMassimi = std::max(e.byteMassimi, stato.size());
                }
                traccia_.push_back("@" + std::to_string(mondo_->clock.nowMs()) + " " + stato);
                traccia_.push_back(schermo());
            }
            Finestra& h = mondo_->finestra;
            if (h.game.pausa.quando) {
                ++e.giochi;
                passi = 0;
                const Scoreboard& s = h.game.punteggi;
                traccia_.push_back("Gioco " + std::to_string(e.giochi) + " " +
                                   std::to_string(s.pc.puntiGiocoInCorso) + "-" +
                                   std::to_string(s.h.puntiGiocoInCorso));
                h.key(Key::Enter);
                if (h.screen.FraPannello[4].visible) ScegliLivello(h, livello_);
                continue;
            }
            // The human's play as GiocaUmano makes it, one click a step: the pick between the
            // clicks is a quiet moment too.
            if (!preseDaCliccare_.empty()) {
                const int posto = preseDaCliccare_.front();
                preseDaCliccare_.erase(preseDaCliccare_.begin());
                h.click({TargetKind::Carta, posto});
                if (preseDaCliccare_.empty() &&
                    !h.game.scheduler.isEnabled(Timer::ScompaionoCarteH)) {
                    traccia_.push_back("a legal pick was refused");
                    break;
                }
                continue;
            }
            if (TurnoUmano(h)) {
                const Giocata giocata = ScegliGiocata(h.game.tavolo, Politica::Random, politica_);
                h.click({TargetKind::Carta, giocata.posto});
                if (h.game.umano.puoiScegliere) preseDaCliccare_ = giocata.prese;
                continue;
            }
            const auto scadenza = h.game.scheduler.nextDeadline();
            if (!scadenza || ++passi > kMaxPassiPerGioco) {
                traccia_.push_back("the game stalled");
                break;
            }
            AdvanceVirtualTime(h, mondo_->clock, *scadenza - mondo_->clock.nowMs());
        }
        leggiSuoni(true);
        return std::move(traccia_);
    }

  private:
    // Every sound command since the last look, noted in the trace when `annota` (each remark is
    // among them, as its voice file); the music channel followed either way.
    void leggiSuoni(bool annota) {
        for (const auto& v : mondo_->media.log()) {
            if (v.channel == Channel::Musiche) {
                if (v.isFile) {
                    fileMusica_ = v.file;
                } else if (v.command == Command::Play) {
                    suonaMusica_ = fileMusica_;
                } else if (v.command == Command::Close) {
                    suonaMusica_.clear();
                }
            }
            if (!annota) continue;
            traccia_.push_back(std::to_string(v.timeMs) + " " +
                               std::string(ChannelName(v.channel)) + " " +
                               (v.isFile ? v.file : std::string(CommandName(v.command))));
        }
        mondo_->media.clear();
    }

    // What the screen shows at a quiet moment beyond what the saved state says, and the track
    // playing while the music counts down.
    std::string schermo() const {
        const Finestra& g = mondo_->finestra;
        std::string out = "schermo";
        for (const std::string& e : TavolaMostrata(g.screen)) out += "; " + e;
        return out + "; musica " +
               (g.game.scheduler.isEnabled(Timer::Musiche) ? suonaMusica_ : std::string("-"));
    }

    // Saves, drops the whole game, and goes on in a fresh one that takes the saved Torneo up as
    // the window does: offered after the name, Enter to the question.
    bool riprendi(EsitoRipresa& e) {
        Finestra& g = mondo_->finestra;
        const int64_t ora = mondo_->clock.nowMs();
        const auto inizio = std::chrono::steady_clock::now();
        const bool salvato = SalvaTorneo(g.game, g.zeb, g.suoni, g.custodiaTorneo);
        const double us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - inizio)
                .count();
        if (!salvato) {
            traccia_.push_back("the save failed");
            return false;
        }
        ++e.salvataggi;
        e.microsecondiMedi += us;
        e.microsecondiMassimi = std::max(e.microsecondiMassimi, us);

        mondo_.reset();
        // The same time of day (the draws mix it in), a different seed: the saved state must
        // bring the random source back.
        mondo_ = std::make_unique<Mondo>(OraDelSeme(seed_), seed_ + 1, cartella_.path());
        Finestra& nuovo = mondo_->finestra;
        AvviaFinoAlLivello(nuovo, &kTuttiISuoni);
        mondo_->senzaAnimazioni();
        mondo_->clock.set(ora);
        if (!OffriRipresa(nuovo)) {
            traccia_.push_back("the save was not offered back");
            return false;
        }
        nuovo.key(Key::Enter);
        fileMusica_.clear();
        suonaMusica_.clear();
        leggiSuoni(false);
        return true;
    }

    Livello livello_;
    uint32_t seed_;
    bool riprendi_;
    std::mt19937 politica_;
    CartellaTemporanea cartella_;
    std::unique_ptr<Mondo> mondo_;
    std::vector<std::string> traccia_;
    std::vector<int> preseDaCliccare_;      // the rest of the pick under way
    std::string fileMusica_, suonaMusica_;  // the music channel's file, and the one it plays
};

}  // namespace

EsitoRipresa ControllaRipresa(Livello livello, int giochi, uint32_t seed) {
    EsitoRipresa diritto;
    const std::vector<std::string> a = Corsa(livello, seed, false).gioca(giochi, diritto);
    EsitoRipresa e;
    const std::vector<std::string> b = Corsa(livello, seed, true).gioca(giochi, e);
    if (e.salvataggi > 0) {
        e.byteMedi /= static_cast<std::size_t>(e.salvataggi);
        e.microsecondiMedi /= static_cast<double>(e.salvataggi);
    }
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n && e.primaDifferenza.empty(); ++i) {
        if (a[i] != b[i]) {
            // The first line that differs inside the two entries.
            std::size_t da = 0, db = 0, riga = 0;
            for (;;) {
                const std::size_t fa = a[i].find('\n', da), fb = b[i].find('\n', db);
                const std::string la = a[i].substr(da, fa == std::string::npos ? fa : fa - da);
                const std::string lb = b[i].substr(db, fb == std::string::npos ? fb : fb - db);
                if (la != lb || fa == std::string::npos || fb == std::string::npos) {
                    // Shown from a little before the first character that differs.
                    const std::size_t da0 =
                        std::mismatch(la.begin(), la.begin() + std::min(la.size(), lb.size()),
                                      lb.begin())
                            .first -
                        la.begin();
                    const std::size_t da1 = da0 > 100 ? da0 - 100 : 0;
                    e.primaDifferenza = "trace entry " + std::to_string(i) + ", line " +
                                        std::to_string(riga) + ": straight \"" +
                                        la.substr(da1, 200) + "\", resumed \"" +
                                        lb.substr(da1, 200) + "\"";
                    break;
                }
                da = fa + 1;
                db = fb + 1;
                ++riga;
            }
        }
    }
    if (e.primaDifferenza.empty() && diritto.giochi < giochi) {
        e.primaDifferenza = "the straight run stopped after " + std::to_string(diritto.giochi) +
                            " Giochi: " + (a.empty() ? "" : a.back());
    }
    if (e.primaDifferenza.empty() && a.size() != b.size()) {
        e.primaDifferenza = "the traces differ in length: straight " + std::to_string(a.size()) +
                            ", resumed " + std::to_string(b.size()) + " entries; last straight \"" +
                            (a.empty() ? "" : a.back()) + "\", last resumed \"" +
                            (b.empty() ? "" : b.back()) + "\"";
    }
    return e;
}

}  // namespace gnamm::sim
