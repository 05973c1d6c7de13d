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

// Places stretch with each side of the screen, fonts follow its height, pictures have no font.
TEST(ScalaGrafica, PlacesFollowBothSidesAndFontsTheHeight) {
    Screen design;
    ApplyDesignLayout(design);
    Screen s = design;
    const float kx = 2.4f, ky = 1.8f;
    ScalaGrafica(s, 28800, 16200);
    for (int i = 0; i < kNumeroPosti; ++i) {
        EXPECT_EQ(s.ImgCarta[i].rect, Per(design.ImgCarta[i].rect, kx, ky)) << i;
        EXPECT_EQ(s.ShpCarta[i].rect, Per(design.ShpCarta[i].rect, kx, ky)) << i;
    }
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(s.FraPannello[k].rect, Per(design.FraPannello[k].rect, kx, ky));
    EXPECT_EQ(s.lblCopriCarte.rect, Per(design.lblCopriCarte.rect, kx, ky));
    EXPECT_FLOAT_EQ(s.txtNome.fontSize, design.txtNome.fontSize * ky);
    EXPECT_FLOAT_EQ(s.lblOpzioni[3].fontSize, design.lblOpzioni[3].fontSize * ky);
    EXPECT_FLOAT_EQ(s.ImgSplash.fontSize, design.ImgSplash.fontSize);
    EXPECT_EQ(s.widthTwips, 28800);
    EXPECT_EQ(s.heightTwips, 16200);
}

class AvvioScala : public test_ui::UiTest {};

TEST_F(AvvioScala, AScreenNineThousandTwipsHighIsLeftAsDesignedWhateverItsWidth) {
    Screen design;
    ApplyDesignLayout(design);
    Avvio(g, 16000, 9000);
    EXPECT_EQ(g.screen.ImgCarta[5].rect, design.ImgCarta[5].rect);
    EXPECT_FLOAT_EQ(g.screen.lblRegole[0].fontSize, design.lblRegole[0].fontSize);
    EXPECT_EQ(g.screen.widthTwips, 12000);
    EXPECT_EQ(g.screen.heightTwips, 9000);
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
