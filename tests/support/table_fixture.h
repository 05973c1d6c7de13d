// A whole Game on pinned services for scenario tests: a virtual clock, a recording media player
// and a random source that can be told which number a draw must give.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "audio/recording_media_player.h"
#include "game/table_model.h"
#include "rules/capture_rules.h"
#include "rules/clock.h"
#include "support/scripted_random.h"
#include "ui/finestra.h"
#include "ui/table_cards_view.h"

namespace gnamm::test_tavolo {

using testing_support::FixedRandom;
using testing_support::ScriptedRandom;

inline Card C(std::string_view code) {
    return Card::Parse(code).value();
}

// A position for the computer's search: table cards go to places 7, 8, ... in order, hand cards
// to places 1, 2, 3 ("" leaves a place empty).
inline TableState Posizione(std::initializer_list<std::string_view> tavolo,
                            std::initializer_list<std::string_view> mano) {
    TableState t;
    int p = 7;
    for (const auto code : tavolo) t.carta[p++] = C(code);
    p = 1;
    for (const auto code : mano) {
        if (!code.empty()) t.carta[p] = C(code);
        ++p;
    }
    t.numeroCarteSulTavolo = ContaCarteSulTavolo(t.carta);
    t.assoInTavola = CeAssoInTavola(t.carta);
    return t;
}

// The game with the game's default options; the helpers set up tables and move time on.
class Banco {
  public:
    explicit Banco(uint32_t seed = 7) : rng(clock, seed) {}

    // Puts a card in a place and shows it: a face, or a back in the computer's hand.
    void posa(int place, std::string_view code) {
        g.tavolo.carta[place] = C(code);
        if (IsManoPC(place)) {
            MostraRetro(g, place);
        } else {
            MostraCarta(g, place, C(code));
        }
        if (IsPostoTavolo(place)) g.tavolo.numeroCarteSulTavolo++;
    }
    void tavolo(std::initializer_list<std::pair<int, std::string_view>> carte) {
        for (const auto& [place, code] : carte) posa(place, code);
        g.tavolo.assoInTavola = CeAssoInTavola(g.tavolo.carta);
    }
    // The human is to play from these hand places; the computer holds cards in 1..3 and the
    // Manche is `manche` with `giocate` cards already played.
    void turnoUmano(std::initializer_list<std::pair<int, std::string_view>> mano, int manche = 1,
                    int giocate = 0) {
        for (const auto& [place, code] : mano) posa(place, code);
        for (int k = 1; k <= 3; ++k) {
            if (g.tavolo.carta[k].empty()) posa(k, "Kc");
        }
        g.tavolo.carteInManoAdH = static_cast<int>(mano.size());
        g.tavolo.carteInManoAPC = 3;
        g.tavolo.manche = manche;
        g.tavolo.numeroCarteGiocate = giocate;
        g.tavolo.carteRimasteNelMazzo = 30 - 6 * (manche - 1);
        g.tavolo.aChiTocca = Player::H;
    }

    // Empties every hand and table place.
    void sgombera() {
        for (int k = 1; k <= 19; ++k) g.tavolo.carta[k] = Card();
        g.tavolo.numeroCarteSulTavolo = 0;
    }
    // The codes of the cards in these places, "-" for an empty place: "- Kc".
    std::string carte(std::initializer_list<int> places) const {
        std::string out;
        for (const int p : places) {
            out += (out.empty() ? "" : " ") +
                   (g.tavolo.carta[p].empty() ? "-" : g.tavolo.carta[p].code());
        }
        return out;
    }
    // A side's pile as "count: last capture / Punti Gnamm".
    std::string mucchio(Player chi) const {
        const Mucchio& m = g.mucchi.di(chi);
        std::string out = std::to_string(m.carte) + ":";
        for (const Card c : m.ultimaPresa) out += " " + c.code();
        out += " /";
        for (const Card c : m.gnamm) out += " " + c.code();
        return out;
    }
    void click(int k) { finestra.click(Target{TargetKind::Carta, k}); }
    void avanza(int64_t ms) { AdvanceVirtualTime(finestra, clock, ms); }
    bool attivo(Timer t) const { return g.scheduler.isEnabled(t); }
    // The card places as the screen draws them now.
    const Screen& posti() {
        MostraPosti(g.posti, g.opzioni, finestra.consiglio.segni,
                    AnteprimaPresa(g, finestra.cartaSotto), finestra.screen);
        return finestra.screen;
    }
    bool contorno(int place) { return posti().ShpContornoCarta[place].visible; }
    Rgb coloreContorno(int place) { return posti().ShpContornoCarta[place].borderColor; }
    std::vector<std::string> suonati(Channel c) const { return media.played(c); }
    // The commands and files sent on one channel, as text ("Prev", "Close", "file:\Zeb\S01.wav").
    std::vector<std::string> traccia(Channel c) const {
        std::vector<std::string> out;
        for (const auto& e : media.log()) {
            if (e.channel != c) continue;
            out.push_back(e.isFile ? "file:" + e.file : std::string(CommandName(e.command)));
        }
        return out;
    }

    VirtualClock clock{TimeOfDay{2026, 12, 6, 10, 0, 0}};
    ScriptedRandom rng;
    RecordingMediaPlayer media{clock};
    Finestra finestra{clock, rng, media, Paths{}};
    Game& g = finestra.game;
};

// The table as a test of the rules wants it: the name given, the splash gone, Honest Zeb, and
// no noise or remark unless the test switches it on.
class TableTest : public ::testing::Test, public Banco {
  protected:
    TableTest() {
        g.nome = "Ugo";
        g.livello = Livello::Honest;
        g.opzioni.rumoriCarte = false;
        g.opzioni.rumoriSaloon = false;
        g.opzioni.commentiZeb = false;
        finestra.screen.FraSplash.visible = false;
    }
};

}  // namespace gnamm::test_tavolo
