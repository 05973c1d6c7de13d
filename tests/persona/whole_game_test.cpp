// Whole Tornei through the real code paths, the options varied by seed: the simulator's human
// clicks as a player would, after a pause long enough, often, for Nonno Zeb to grow impatient.
// Every card and every point must be accounted for, and the sound indicator must never be left
// busy when the game waits for the human and nothing is playing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "audio/music.h"
#include "audio/recording_media_player.h"
#include "data/temp_dati.h"
#include "game/deal.h"
#include "game/player_record.h"
#include "game/table_model.h"
#include "human_policy.h"
#include "invariants.h"
#include "rules/capture_rules.h"
#include "support/scripted_random.h"
#include "ui/colors.h"
#include "ui/finestra.h"

namespace gnamm {
namespace {

using ::testing::IsEmpty;

// Timers whose running means a sound, a remark or a move is still under way.
constexpr Timer kAttivita[] = {Timer::DurataGnammH,     Timer::AssoBevuto,
                               Timer::DurataImpazienza, Timer::Carta,
                               Timer::Rumoregioco,      Timer::Presa,
                               Timer::DurataAmbiente,   Timer::Scegli4CarteSulTavolo,
                               Timer::Scegli6Carte,     Timer::ScompaionoCarteH,
                               Timer::RitardoMossaPC,   Timer::EffettuaMossaPC,
                               Timer::UltimeCarte,      Timer::MuoviHAutomatico};

class WholeGame {
  public:
    explicit WholeGame(uint32_t seed, const std::filesystem::path& dati)
        : rng(clock, seed), think(seed), g(clock, rng, media, Paths{{}, dati}) {
        g.game.nome = "Ugo";
        g.game.livello = static_cast<Livello>(1 + seed % 3);
        Opzioni& o = g.game.opzioni;
        // Seeds 1 and 2 in every four have every sound and remark on; the others vary them.
        tuttiISuoni = seed % 4 == 1 || seed % 4 == 2;
        o.commentiZeb = tuttiISuoni || seed % 4 == 0;
        o.rumoriCarte = tuttiISuoni || seed % 3 == 0;
        o.rumoriSaloon = o.musiche = tuttiISuoni;
        // Odd seeds urge at 5 s with the default paces; even ones at 8 s, quick, with the last
        // card of a hand played by itself.
        o.impazienzaZeb = seed % 2 == 1 ? Impazienza::VeryImpatient : Impazienza::Impatient;
        if (seed % 2 == 0) {
            o.velocitaGioco = o.velocitaZeb = o.velocitaMazziere = Velocita::High;
            o.giocoTerzaCarta = TerzaCarta::Automatic;
        }
        g.screen.FraSplash.visible = false;
        g.screen.FraPannello[4].visible = false;
        if (o.musiche) ScegliMusiche(g.suoni);
        MescolaCarte(g.game);
    }

    bool waitsForCard() const {
        return g.game.tavolo.aChiTocca == Player::H && g.game.umano.cartaGiocata == 0 &&
               !g.game.pausa.quando && !g.screen.FraPannello[3].visible &&
               !g.screen.FraPannello[4].visible;
    }
    bool quiet() const {
        for (const Timer t : kAttivita) {
            if (g.game.scheduler.isEnabled(t)) return false;
        }
        return g.game.spia.ambiente == 0;
    }

    // Advances in small steps, checking the indicator whenever the game is at rest.
    void wait(int64_t ms) {
        for (int64_t done = 0; done < ms; done += 10) {
            AdvanceVirtualTime(g, clock, 10);
            ASSERT_LE(ContaCarteSulTavolo(g.game.tavolo.carta), 12);
            if (g.game.spia.ambiente != 0) {
                EXPECT_TRUE(g.game.scheduler.isEnabled(Timer::DurataAmbiente))
                    << "a saloon number with no sound at " << clock.nowMs();
            }
            if (waitsForCard() && quiet()) {
                ++restingChecks;
                ASSERT_FALSE(g.game.spia.busy) << "indicator left busy at " << clock.nowMs();
            }
        }
    }

    // Plays until `giochi` Giochi have ended; false if the game stalls.
    bool play(int giochi) {
        int ended = 0;
        int64_t idle = 0;
        while (ended < giochi) {
            if (::testing::Test::HasFailure()) return false;
            if (g.game.pausa.quando) {
                ++ended;
                EXPECT_EQ(g.game.tavolo.carteRimasteNelMazzo, 0);
                EXPECT_THAT(punti.fineGioco(g.game), IsEmpty());
                wait(1500);
                g.key(Key::Enter);
                if (g.screen.FraPannello[4].visible) {
                    ++tornei;
                    g.click({TargetKind::Livello, 1});
                }
                idle = 0;
            } else if (waitsForCard()) {
                chiediConsiglio();
                wait(std::uniform_int_distribution<int>(0, 900)(think) * 10);
                if (!sim::TurnoUmano(g)) continue;
                EXPECT_THAT(sim::ControllaCarte(g.game), IsEmpty());
                giocaUmano();
                ++plays;
                idle = 0;
            } else if (g.game.umano.puoiScegliere && !g.game.umano.presaDecisa &&
                       g.game.umano.cartaGiocata != 0) {
                chiediConsiglio();
                wait(std::uniform_int_distribution<int>(0, 300)(think) * 10);
                EXPECT_TRUE(sim::ScegliPresa(g, sim::Politica::Random, think));
                idle = 0;
            } else {
                wait(10);
                if ((idle += 10) > 120000) return false;
            }
        }
        return true;
    }

    // With `consiglio` set, H whenever the human may be to play: on his turn the advice must
    // show, outlined; before it (the deal) nothing may happen.
    void chiediConsiglio() {
        if (!consiglio || g.consiglio.attivo) return;
        g.key(Key::H);
        const bool decide =
            sim::TurnoUmano(g) || (g.game.umano.puoiScegliere && !g.game.umano.presaDecisa);
        EXPECT_EQ(g.consiglio.attivo, decide);
        if (!decide) return;
        EXPECT_THAT(g.screen.lblIstruzioni.text, ::testing::StartsWith("Zeb giocherebbe "));
        bool segnata = false;
        for (const int p : g.consiglio.segni) {
            segnata = segnata || (g.screen.ShpContornoCarta[p].visible &&
                                  g.screen.ShpContornoCarta[p].borderColor == colors::kPick);
        }
        EXPECT_TRUE(segnata) << "the advised cards are not outlined";
        ++consigli;
    }

    // The simulator's random human, asking for advice between his card and his pick.
    void giocaUmano() {
        const sim::Giocata scelta = sim::ScegliGiocata(g.game.tavolo, sim::Politica::Random, think);
        g.click({TargetKind::Carta, scelta.posto});
        nessunSegnoRimasto();
        if (!g.game.umano.puoiScegliere) return;
        chiediConsiglio();
        for (const int posto : scelta.prese) g.click({TargetKind::Carta, posto});
        nessunSegnoRimasto();
        EXPECT_TRUE(g.game.scheduler.isEnabled(Timer::ScompaionoCarteH))
            << "a legal pick was refused";
    }

    // Once the human has played, a grey outline is the card played or a card he picked.
    void nessunSegnoRimasto() const {
        for (int p = 0; p < kNumeroPosti; ++p) {
            const Element& c = g.screen.ShpContornoCarta[p];
            if (!c.visible || c.borderColor != colors::kPick) continue;
            EXPECT_TRUE(p == g.game.umano.cartaGiocata || g.game.umano.scelta[p])
                << "a stray mark at " << p;
        }
    }

    // What the game did, in order and on the clock: every sound and remark, and the score.
    std::vector<std::string> traccia() const {
        std::vector<std::string> t;
        for (const auto& e : media.log()) {
            t.push_back(std::to_string(e.timeMs) + " " + std::string(ChannelName(e.channel)) + " " +
                        e.file + " " + std::string(CommandName(e.command)));
        }
        const Colonna& h = g.game.punteggi.h;
        const Colonna& pc = g.game.punteggi.pc;
        for (const int n : {h.puntiGiocoInCorso, pc.puntiGiocoInCorso, h.puntiGnamm, pc.puntiGnamm,
                            g.game.partita.partiteH, g.game.partita.partitePC, plays}) {
            t.push_back(std::to_string(n));
        }
        t.push_back("alle " + std::to_string(clock.nowMs()));
        return t;
    }

    VirtualClock clock{TimeOfDay{2026, 12, 6, 21, 14, 0}};
    testing_support::ScriptedRandom rng;
    std::mt19937 think;
    RecordingMediaPlayer media{clock};
    Finestra g;
    sim::ControlloPunti punti;
    bool tuttiISuoni = false;
    int restingChecks = 0;
    int plays = 0;
    int tornei = 0;
    bool consiglio = false;
    int consigli = 0;
};

TEST(WholeGame, EveryCardAndPointIsAccountedForAndTheIndicatorIsFreeAtRest) {
    for (uint32_t seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE(seed);
        testing_support::TempDati dati;
        WholeGame w(seed, dati.dati());
        ASSERT_TRUE(w.play(14)) << "the game stalled at " << w.clock.nowMs() << " ms";
        // Eighteen cards a Gioco, less the last of each hand when it plays itself.
        EXPECT_GE(w.plays, 14 * (seed % 2 == 1 ? 18 : 12));
        EXPECT_GT(w.restingChecks, 100) << "the check must have had chances to fail";
        // A Torneo ended, so the hall of fame held the indicator and let it go again.
        EXPECT_GE(w.tornei, 1);
        if (!w.tuttiISuoni) continue;
        // Everything was heard along the way.
        for (const Channel c :
             {Channel::Commenti, Channel::Impazienza, Channel::Ambiente, Channel::Rumori}) {
            EXPECT_FALSE(w.media.played(c).empty()) << ChannelName(c);
        }
        EXPECT_GE(w.media.played(Channel::Musiche).size(), 2u);
    }
}

// The same cards, sounds, remarks, points and moments as without advice, whatever the options.
TEST(WholeGame, AskingForAdviceAtEveryTurnLeavesTheGameAsItWas) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        testing_support::TempDati senza, con;
        WholeGame a(seed, senza.dati());
        WholeGame b(seed, con.dati());
        b.consiglio = true;
        ASSERT_TRUE(a.play(3) && b.play(3));
        EXPECT_GE(b.consigli, b.plays);
        EXPECT_EQ(std::tuple(a.traccia(), a.rng.uniform()),
                  std::tuple(b.traccia(), b.rng.uniform()));
        // Each one counted in the player's record, at the one level played.
        int aiuti = 0;
        Statistiche record = CaricaStatistiche(con.dati());
        for (const ContiLivello& c : record["Ugo"]) {
            if (c.aiuti > 0) aiuti = aiuti == 0 ? c.aiuti : -1;
        }
        EXPECT_EQ(aiuti, b.consigli);
    }
}

}  // namespace
}  // namespace gnamm
