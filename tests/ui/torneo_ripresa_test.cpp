// The Torneo saved when the window closes, offered back after the name, and forgotten on a
// surrender.
#include "ui/torneo_ripresa.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "game/torneo_save.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

// An answer to the question, and whether it takes the saved Torneo up again.
struct Risposta {
    const char* come;
    std::optional<Key> tasto;  // else a click on the answer
    int risposta = 0;          // 0 "Sì", 1 "No"
    bool riprende = false;
    bool domandaAperta = false;  // the question is still waiting
};

// What an element puts on the screen: nothing when hidden or empty.
Element Disegno(const Element& e) {
    const bool vuoto = e.picture.empty() && e.text.empty() && !e.opaque && !e.border;
    Element niente;
    niente.visible = false;
    return e.visible && !vuoto ? e : niente;
}

class Ripresa : public test_ui::UiTest, public ::testing::WithParamInterface<Risposta> {
  protected:
    // A Torneo under way, stopped at the human's turn and saved by closing the window.
    void SetUp() override {
        avviaConNome("Ugo");
        g.key(Key::Digit1);
        for (int i = 0; i < 600 && !MomentoTranquillo(g); ++i) avanza(100);
        ASSERT_TRUE(MomentoTranquillo(g));
        g.click({TargetKind::Carta, 5});  // a card played, up to the next quiet moment
        for (int i = 0; i < 600 && !MomentoTranquillo(g); ++i) avanza(100);
        ASSERT_TRUE(MomentoTranquillo(g));
        g.close();
        EXPECT_FALSE(g.screen.FraPannello[1].visible);  // closing asks nothing
        ASSERT_TRUE(std::filesystem::exists(file()));
    }

    std::filesystem::path file() const { return dati.dati() / kFileTorneo; }

    // The program started again and the name given on the splash.
    Finestra& riavvia(std::string_view nome) {
        dopo.emplace(clock, rng2, media2, g.paths);
        Avvio(*dopo, 12000, 9000);
        dopo->screen.txtNome.text = std::string(nome);
        dopo->key(Key::Enter);
        return *dopo;
    }

    SeededRandom rng2{99};
    RecordingMediaPlayer media2{clock};
    std::optional<Finestra> dopo;
};

TEST_P(Ripresa, TheAnswerResumesTheTableOrForgetsIt) {
    const Risposta r = GetParam();
    Finestra& f = riavvia("Ugo");
    ASSERT_TRUE(f.screen.FraPannello[1].visible && !f.screen.FraPannello[4].visible);
    EXPECT_EQ(f.screen.lblRegole[14].text, "Vuoi riprendere il Torneo lasciato in sospeso?");
    if (r.tasto) {
        f.key(*r.tasto);
    } else {
        f.click({TargetKind::Uscita, r.risposta});
    }
    EXPECT_EQ(f.screen.FraPannello[1].visible, r.domandaAperta);
    if (r.domandaAperta) return;
    EXPECT_EQ(std::tuple(f.screen.lblRegole[14].text, f.screen.FraPannello[4].visible,
                         std::filesystem::exists(file())),
              std::tuple("Davvero vuoi arrenderti?", !r.riprende, r.riprende));
    if (!r.riprende) return;
    // The same table: every card, mat and outline as drawn, the scores and the names.
    const auto disegno = [](const Screen& s, int p) {
        return std::tuple(Disegno(s.ImgCarta[p]), Disegno(s.ShpCarta[p]),
                          Disegno(s.ShpContornoCarta[p]));
    };
    for (int p = 0; p < kNumeroPosti; ++p) {
        EXPECT_EQ(disegno(f.screen, p), disegno(g.screen, p)) << "place " << p;
    }
    EXPECT_EQ(std::tuple(Disegno(f.screen.ImgManina), f.screen.lblPuntiH,
                         f.screen.lblCarteRimasteNelMazzo, f.screen.lblIstruzioni.text,
                         f.screen.windowBack),
              std::tuple(Disegno(g.screen.ImgManina), g.screen.lblPuntiH,
                         g.screen.lblCarteRimasteNelMazzo, g.screen.lblIstruzioni.text,
                         g.screen.windowBack));
    EXPECT_TRUE(f.screen.lblH.text == "Ugo" && MomentoTranquillo(f));
}

INSTANTIATE_TEST_SUITE_P(Risposte, Ripresa,
                         ::testing::Values(Risposta{"Enter", Key::Enter, 0, true},
                                           Risposta{"S", Key::S, 0, true},
                                           Risposta{"N", Key::N, 1, false},
                                           Risposta{"ClickSi", std::nullopt, 0, true},
                                           Risposta{"ClickNo", std::nullopt, 1, false},
                                           Risposta{"Escape", Key::Escape, 0, false, true},
                                           Risposta{"Digit1", Key::Digit1, 0, false, true}),
                         [](const auto& info) { return std::string(info.param.come); });

TEST_F(Ripresa, AnotherNameIsNotAskedAndTheSaveIsKeptUntilItsOwnerSurrenders) {
    Finestra& f = riavvia("Bea");
    EXPECT_TRUE(!f.screen.FraPannello[1].visible && f.screen.FraPannello[4].visible);
    EXPECT_TRUE(CaricaTorneoSalvato(dati.dati(), "Ugo"));
    // Its owner's surrender forgets it, and the farewell saves nothing.
    g.click({TargetKind::Pannelli, 1});
    g.click({TargetKind::Uscita, 0});
    EXPECT_FALSE(std::filesystem::exists(file()));
    g.close();
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(Ripresa, SavedAtQuietMomentsOnlyWhenSwitchedOnAndOnlyWhenChanged) {
    std::filesystem::remove(file());
    SalvaAlMomentoTranquillo(g);
    EXPECT_FALSE(std::filesystem::exists(file()));  // off: tests and the simulator never write
    g.salvaTorneo = true;
    SalvaAlMomentoTranquillo(g);
    ASSERT_TRUE(std::filesystem::exists(file()));
    std::filesystem::remove(file());
    SalvaAlMomentoTranquillo(g);
    EXPECT_FALSE(std::filesystem::exists(file()));  // the same moment is not written twice
}

}  // namespace
}  // namespace gnamm
