// The table played from the keyboard: 1, 2, 3 play the hand's cards; during a pick the arrows
// walk a focus along the table row and Space picks or un-picks the card under it.
#include <gtest/gtest.h>

#include "game/human_turn.h"
#include "support/table_fixture.h"
#include "ui/keyboard_focus.h"

namespace gnamm::test_tavolo {
namespace {

class KeyboardPlay : public TableTest {
  protected:
    void key(Key k) { g.key(k); }
    bool fuocoVisibile() const { return g.screen.ShpFuoco.visible; }
    // The focus outline stands round the card of the place, wholly.
    bool fuocoSu(int place) const {
        const Rect f = g.screen.ShpFuoco.rect;
        const Rect c = g.screen.ImgCarta[place].rect;
        return g.umano.fuoco == place && fuocoVisibile() && f.x < c.x && f.y < c.y &&
               f.x + f.w > c.x + c.w && f.y + f.h > c.y + c.h;
    }
};

TEST_F(KeyboardPlay, DigitsPlayTheHandsCardsUnlessAPanelCoversTheTableAndNoFocusOutsideAPick) {
    tavolo({{7, "Kq"}});
    turnoUmano({{4, "5c"}, {5, "2f"}, {6, "3p"}});
    key(Key::Right);
    key(Key::Space);
    EXPECT_FALSE(fuocoVisibile());
    EXPECT_EQ(g.umano.fuoco, 0);
    EXPECT_EQ(g.umano.cartaGiocata, 0);
    g.screen.FraPannello[2].visible = true;  // the options
    key(Key::Digit1);
    EXPECT_EQ(g.tavolo.carteInManoAdH, 3);
    g.screen.FraPannello[2].visible = false;
    key(Key::Digit2);
    // The two of flowers went to the table; the other two stay in the hand.
    EXPECT_EQ(g.tavolo.carteInManoAdH, 2);
    EXPECT_EQ(g.tavolo.carta[4], C("5c"));
    EXPECT_EQ(g.tavolo.carta[6], C("3p"));
}

TEST_F(KeyboardPlay, ArrowsWalkTheRowAsItLiesAndSpacePicksAndUnpicks) {
    // Left to right on the screen: place 9, 7, 8, 10.
    tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}, {10, "Kc"}});
    turnoUmano({{4, "7p"}, {5, "2f"}});
    key(Key::Digit1);
    ASSERT_TRUE(SceltaInCorso(g));
    EXPECT_FALSE(fuocoVisibile());  // until an arrow is pressed

    // Left from the first card goes round the row; Down walks as Right, Up as Left.
    const std::pair<Key, int> passi[] = {{Key::Right, 9}, {Key::Right, 7}, {Key::Left, 9},
                                         {Key::Left, 10}, {Key::Down, 9},  {Key::Up, 10}};
    for (const auto& [k, place] : passi) {
        key(k);
        EXPECT_TRUE(fuocoSu(place)) << place;
    }

    key(Key::Space);  // a king cannot be part of a seven
    EXPECT_FALSE(g.umano.scelta[10]);
    key(Key::Right);
    key(Key::Space);
    EXPECT_TRUE(g.umano.scelta[9]);
    EXPECT_TRUE(contorno(9));
    key(Key::Space);
    EXPECT_FALSE(g.umano.scelta[9]);
    EXPECT_FALSE(contorno(9));

    key(Key::Space);  // the four again, then the three of clubs: seven
    key(Key::Right);
    EXPECT_TRUE(fuocoSu(7));
    key(Key::Space);
    EXPECT_TRUE(g.umano.presaDecisa);
    EXPECT_FALSE(fuocoVisibile());
    avanza(600);
    EXPECT_TRUE(g.tavolo.carta[7].empty());
    EXPECT_TRUE(g.tavolo.carta[9].empty());
    EXPECT_EQ(g.tavolo.carta[8], C("3q"));
}

TEST_F(KeyboardPlay, AMouseClickThatEndsThePickHidesTheFocus) {
    tavolo({{7, "5q"}, {8, "5f"}});
    turnoUmano({{4, "5c"}, {5, "2f"}});
    key(Key::Digit1);
    key(Key::Left);
    EXPECT_TRUE(fuocoSu(8));
    click(7);
    EXPECT_TRUE(g.umano.presaDecisa);
    EXPECT_FALSE(fuocoVisibile());
    EXPECT_EQ(g.umano.fuoco, 0);
}

}  // namespace
}  // namespace gnamm::test_tavolo
