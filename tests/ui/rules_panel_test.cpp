#include <gtest/gtest.h>

#include "ui/panels.h"
#include "ui/rules_text.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

TEST(RulesText, EveryPageHasItsNumberedTitleAndANumberOutOfRangeShowsTheFirst) {
    for (int p = 1; p <= kPagineRegole; ++p) {
        EXPECT_TRUE(PaginaDelleRegole(p).titolo.starts_with(std::to_string(p) + " - ")) << p;
    }
    EXPECT_EQ(PaginaDelleRegole(0).titolo, PaginaDelleRegole(1).titolo);
    EXPECT_EQ(PaginaDelleRegole(13).titolo, PaginaDelleRegole(1).titolo);
}

class Pannelli : public test_ui::UiTest {
  protected:
    void SetUp() override { avviaConNome(); }
    void clickVoce(int k) { g.click({TargetKind::Pannelli, k}); }
};

TEST_F(Pannelli, TheRulesViewerWrapsAndKeepsItsPageAcrossClosing) {
    clickVoce(0);
    EXPECT_TRUE(g.screen.FraPannello[0].visible);
    EXPECT_EQ(g.screen.lblRegole[6].text, "1");
    g.click({TargetKind::Regole, 0});  // previous from page 1
    EXPECT_EQ(g.screen.lblRegole[6].text, "12");
    EXPECT_EQ(g.screen.lblRegole[0].rect.y, PaginaDelleRegole(12).topTesto);
    g.click({TargetKind::Regole, 1});  // next from page 12
    EXPECT_EQ(g.screen.lblRegole[6].text, "1");
    g.click({TargetKind::Regole, 1});
    g.click({TargetKind::Regole, 1});

    clickVoce(0);
    EXPECT_FALSE(g.screen.FraPannello[0].visible);
    clickVoce(0);
    EXPECT_EQ(g.screen.lblRegole[6].text, "3");
    EXPECT_EQ(g.screen.lblRegole[5].text, "3 - Preparazione del Gioco");
    EXPECT_EQ(g.screen.lblRegole[0].text, PaginaDelleRegole(3).testo);
}

TEST_F(Pannelli, TheArrowsLightUpWhileTheButtonIsHeld) {
    clickVoce(0);
    g.mouseDown({TargetKind::Regole, 0});
    EXPECT_EQ(g.screen.lblRegole[4].back, colors::kGreen);
    g.mouseUp({TargetKind::Regole, 0});
    EXPECT_EQ(g.screen.lblRegole[4].back, colors::kWhite);
    g.mouseDown({TargetKind::Regole, 1});
    EXPECT_EQ(g.screen.lblRegole[3].back, colors::kRed);
    EXPECT_EQ(g.screen.lblRegole[4].back, colors::kWhite);
    g.mouseUp({TargetKind::None, 0});  // released elsewhere
    EXPECT_EQ(g.screen.lblRegole[3].back, colors::kWhite);
}

TEST_F(Pannelli, OneBarPanelAtATimeWithItsCaptionGreenAndTheCardsCovered) {
    g.opzioni.coloreTavolo = ColoreTavolo::Gold;
    g.screen.windowBack = {193, 181, 138};
    clickVoce(2);
    EXPECT_TRUE(g.screen.FraPannello[2].visible);
    EXPECT_EQ(g.screen.lblPannelli[2].fore, colors::kGreen);
    EXPECT_TRUE(g.screen.lblCopriCarte.visible);
    EXPECT_EQ(g.screen.lblCopriCarte.back, g.screen.windowBack);
    EXPECT_EQ(g.screen.FraPannello[2].back, g.screen.windowBack);

    g.mouseMove({TargetKind::VoceOpzioni, 4});
    clickVoce(1);  // the exit question replaces the options
    EXPECT_FALSE(g.screen.FraPannello[2].visible);
    EXPECT_EQ(g.screen.lblPannelli[2].fore, colors::kWhite);
    EXPECT_TRUE(g.screen.FraPannello[1].visible);
    EXPECT_EQ(g.screen.lblPannelli[1].fore, colors::kGreen);
    EXPECT_EQ(g.screen.ImgEsci[0].picture, "\\Carte\\Ap.jpg");
    EXPECT_EQ(g.screen.ImgEsci[1].picture, "\\Carte\\Ac.jpg");

    clickVoce(1);  // and closes with its own caption
    EXPECT_FALSE(g.screen.FraPannello[1].visible);
    EXPECT_FALSE(g.screen.lblCopriCarte.visible);
    EXPECT_EQ(g.pannelli.selezione, 16);
    EXPECT_FALSE(g.screen.lblOpzioni[4].opaque);
}

TEST_F(Pannelli, EscapeAndF1OpenTheExitQuestionAndTheRules) {
    g.key(Key::Escape);
    EXPECT_TRUE(g.screen.FraPannello[1].visible);
    g.key(Key::F1);
    EXPECT_TRUE(g.screen.FraPannello[0].visible);
    EXPECT_FALSE(g.screen.FraPannello[1].visible);
    g.key(Key::Right);
    EXPECT_EQ(g.screen.lblRegole[6].text, "2");
}

TEST_F(Pannelli, SideBoxTogglesShowHideAndAreSaved) {
    ASSERT_TRUE(g.screen.FraRiquadro[2].visible);
    g.click({TargetKind::Riquadri, 2});
    EXPECT_FALSE(g.screen.FraRiquadro[2].visible);
    EXPECT_FALSE(g.screen.lblRiquadri[2].border);
    EXPECT_FALSE(data::LoadSettings(dati.dati()).value.riquadri[2].shown);
    EXPECT_EQ(data::LoadSettings(dati.dati()).value.riquadri[2].borderStyle, 0);
    g.click({TargetKind::Riquadri, 2});
    EXPECT_TRUE(g.screen.FraRiquadro[2].visible);
    EXPECT_TRUE(g.screen.lblRiquadri[2].border);
    EXPECT_TRUE(data::LoadSettings(dati.dati()).value.riquadri[2].shown);
}

TEST_F(Pannelli, AbilitaShowsAndHidesTheLevelPanel) {
    ScegliLivello(g, Livello::Honest);
    ASSERT_FALSE(g.screen.FraPannello[4].visible);
    g.screen.windowBack = {158, 184, 148};
    g.click({TargetKind::Abilita, 0});
    EXPECT_TRUE(g.screen.FraPannello[4].visible);
    EXPECT_EQ(g.screen.FraPannello[4].back, g.screen.windowBack);
    g.click({TargetKind::Abilita, 0});
    EXPECT_FALSE(g.screen.FraPannello[4].visible);
}

}  // namespace
}  // namespace gnamm
