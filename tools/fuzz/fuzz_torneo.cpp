// Any bytes as a saved Torneo. Reading never crashes; what it accepts writes back to a text that
// reads again to the same, and a game resumed from it never stalls: the automatic player and the
// timers carry it through two more turns of the human's, or to the next Gioco.
#include <cstddef>
#include <cstdint>
#include <random>
#include <string_view>

#include "audio/recording_media_player.h"
#include "fuzz_check.h"
#include "human_policy.h"
#include "save/torneo_save.h"
#include "ui/startup.h"

using namespace gnamm;

namespace {

// Plays on from the resumed state; false when nothing the player or a timer can do moves it.
bool VaAvanti(Finestra& f, VirtualClock& clock) {
    Game& g = f.game;
    std::mt19937 scelte(7);
    int turni = 0;
    for (int passi = 0; passi < 20000 && turni < 2; ++passi) {
        if (g.vista.FraQuando.visible) return true;
        if (sim::TurnoUmano(f)) {
            ++turni;
            if (!sim::GiocaUmano(f, sim::Politica::Random, scelte)) return false;
            continue;
        }
        if (g.umano.puoiScegliere && !g.umano.presaDecisa) {
            // The cards picked before the save are let go, then a whole capture is picked.
            for (int p = 0; p < kNumeroPosti; ++p) {
                if (g.umano.scelta[p]) f.click({TargetKind::Carta, p});
            }
            if (!sim::ScegliPresa(f, sim::Politica::Random, scelte)) return false;
            continue;
        }
        const auto scadenza = g.scheduler.nextDeadline();
        if (!scadenza) return false;
        AdvanceVirtualTime(f, clock, *scadenza - clock.nowMs());
    }
    return turni == 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const LetturaTorneo letto = TorneoDaJson(input);
    FUZZ_CHECK(letto.torneo.has_value() != !letto.errore.empty());
    if (!letto.torneo) return 0;

    const std::string scritto = TorneoInJson(*letto.torneo);
    const LetturaTorneo ancora = TorneoDaJson(scritto);
    FUZZ_CHECK(ancora.torneo && TorneoInJson(*ancora.torneo) == scritto);

    // A window with no Dati folder, past the name, the level choice left for the saved one.
    VirtualClock clock{TimeOfDay{2026, 1, 1, 12, 0, 0}};
    SeededRandom rng(1);
    RecordingMediaPlayer media{clock};
    Finestra g{clock, rng, media, Paths{}};
    g.deriveScreen = false;
    Avvio(g, 12000, 9000);
    ScriviNomeSplash(g, "Fuzz");
    InvioSplash(g);
    g.screen.FraPannello[4].visible = false;
    RiprendiTorneo(g.game, g.zeb, g.suoni, *letto.torneo);
    FUZZ_CHECK(VaAvanti(g, clock));
    return 0;
}
