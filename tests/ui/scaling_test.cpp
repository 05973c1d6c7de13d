#include "ui/scaling.h"

#include <gtest/gtest.h>

#include "ui/panels.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

Rect Per(Rect r, float kx, float ky) {
    auto s = [](int v, float k) {
        return static_cast<int>(std::lround(static_cast<float>(v) * k));
    };
    return {s(r.x, kx), s(r.y, ky), s(r.w, kx), s(r.h, ky)};
}

TEST(ScalaGrafica, FactorsAreSinglePrecisionQuotientsOfTheScreen) {
    const FattoriScala f = CalcolaFattori(28800, 16200);  // 1920 x 1080 pixels
    EXPECT_FLOAT_EQ(f.kx, 2.4f);
    EXPECT_FLOAT_EQ(f.ky, 1.8f);
    EXPECT_FLOAT_EQ(f.kf, f.ky);
}

TEST(ScalaGrafica, At1600x1200EveryPlaceSizeAndFontDoubles) {
    Screen design;
    ApplyDesignLayout(design);
    Screen s = design;
    ScalaGrafica(s, 24000, 18000);

    for (int i = 0; i < kNumeroPosti; ++i) {
        EXPECT_EQ(s.ImgCarta[i].rect, Per(design.ImgCarta[i].rect, 2, 2)) << "card place " << i;
        EXPECT_EQ(s.ShpCarta[i].rect, Per(design.ShpCarta[i].rect, 2, 2)) << "mat " << i;
    }
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(s.FraPannello[k].rect, Per(design.FraPannello[k].rect, 2, 2));
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(s.lblVoceOpzioni[i].rect, Per(design.lblVoceOpzioni[i].rect, 2, 2));
        EXPECT_FLOAT_EQ(s.lblOpzioni[i].fontSize, 2 * design.lblOpzioni[i].fontSize);
    }
    EXPECT_EQ(s.txtNome.rect, Per(design.txtNome.rect, 2, 2));
    EXPECT_FLOAT_EQ(s.txtNome.fontSize, 2 * design.txtNome.fontSize);
    EXPECT_FLOAT_EQ(s.lblRegole[0].fontSize, 2 * design.lblRegole[0].fontSize);
    EXPECT_EQ(s.lblCopriCarte.rect, Per(design.lblCopriCarte.rect, 2, 2));
    EXPECT_EQ(s.widthTwips, 24000);
    EXPECT_EQ(s.heightTwips, 18000);
}

TEST(ScalaGrafica, OnAWideScreenPlacesStretchAndFontsFollowTheHeight) {
    Screen design;
    ApplyDesignLayout(design);
    Screen s = design;
    ScalaGrafica(s, 28800, 16200);  // 1920 x 1080 pixels: kx 2.4, ky 1.8

    EXPECT_EQ(s.ImgCarta[kPostoMazzo].rect, Per(design.ImgCarta[kPostoMazzo].rect, 2.4f, 1.8f));
    EXPECT_EQ(s.FraSplash.rect, (Rect{0, 0, 28800, 16200}));
    EXPECT_FLOAT_EQ(s.lblInserisci.fontSize, design.lblInserisci.fontSize * 1.8f);
    EXPECT_FLOAT_EQ(s.lblRegole[14].fontSize, design.lblRegole[14].fontSize * 1.8f);
    // Pictures have no font to scale.
    EXPECT_FLOAT_EQ(s.ImgSplash.fontSize, design.ImgSplash.fontSize);
}

TEST(ScalaVerticale, FollowsTheScreenHeight) {
    EXPECT_EQ(ScalaVerticale(2550, 9000), 2550);
    EXPECT_EQ(ScalaVerticale(2550, 18000), 5100);
    EXPECT_EQ(ScalaVerticale(1770, 16200), 3186);
}

class AvvioScala : public test_ui::UiTest {};

TEST_F(AvvioScala, At800x600NothingIsScaled) {
    Screen design;
    ApplyDesignLayout(design);
    Avvio(g, 12000, 9000);
    EXPECT_EQ(g.screen.ImgCarta[5].rect, design.ImgCarta[5].rect);
    EXPECT_EQ(g.screen.lblOpzioni[3].rect, design.lblOpzioni[3].rect);
    EXPECT_FLOAT_EQ(g.screen.lblRegole[0].fontSize, design.lblRegole[0].fontSize);
    EXPECT_EQ(g.screen.heightTwips, 9000);
}

TEST_F(AvvioScala, AScreenNineThousandTwipsHighIsLeftAsDesignedWhateverItsWidth) {
    Screen design;
    ApplyDesignLayout(design);
    Avvio(g, 16000, 9000);
    EXPECT_EQ(g.screen.ImgCarta[0].rect, design.ImgCarta[0].rect);
    EXPECT_EQ(g.screen.widthTwips, 12000);
}

TEST_F(AvvioScala, At1600x1200TheLayoutAndTheRulesTextTopAreDoubled) {
    Screen design;
    ApplyDesignLayout(design);
    Avvio(g, 24000, 18000);
    EXPECT_EQ(g.screen.ImgCarta[7].rect, Per(design.ImgCarta[7].rect, 2, 2));
    // The panels are placed before the scaling, so they too land doubled.
    EXPECT_EQ(g.screen.FraPannello[2].rect, (Rect{6260, 1230, 2 * design.FraPannello[2].rect.w,
                                                  2 * design.FraPannello[2].rect.h}));
    EXPECT_EQ(g.screen.lblRegole[0].rect.y, 2 * 1770);
    g.pannelli.paginaRegole = 7;
    ClickRegole(g, true);  // page 8, text top 2550
    EXPECT_EQ(g.screen.lblRegole[0].rect.y, 5100);
}

}  // namespace
}  // namespace gnamm
