#include "platform/z_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

// A bare table: only the places under test are shown.
using testing_support::BareScreen;
using testing_support::KindIndex;
using testing_support::PlacedRect;

// Where an element stands in the drawing order; -1 when it is not drawn.
std::ptrdiff_t DrawnAt(const std::vector<Placed>& placed, const Element& e) {
    const auto it = std::ranges::find(placed, &e, &Placed::element);
    return it == placed.end() ? -1 : it - placed.begin();
}

TEST(ZOrder, EveryCardPlaceAnswersWithItsOwnIndexEvenOnAFullTable) {
    Screen s = BareScreen();
    for (int i = 0; i < kNumeroPosti; ++i) {
        if (i == kPostoSpare) continue;
        Screen one = s;
        one.ShpCarta[i].visible = one.ImgCarta[i].visible = true;
        const Rect r = one.ImgCarta[i].rect;
        EXPECT_EQ(KindIndex(HitTest(one, r.x + r.w / 2, r.y + r.h / 2)),
                  std::pair(TargetKind::Carta, i));
    }
    // A full table leaves the left strip of every card on top.
    constexpr int kTavolo[] = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, kPostoDodicesimo};
    for (int i : kTavolo) s.ShpCarta[i].visible = s.ImgCarta[i].visible = true;
    for (int i : kTavolo) {
        const Rect r = s.ImgCarta[i].rect;
        EXPECT_EQ(HitTest(s, r.x + 300, r.y + r.h / 2).index, i) << "place " << i;
    }
}

TEST(ZOrder, HiddenElementsAndEmptySpaceTakeNoClick) {
    Screen s = BareScreen();
    const Rect r = s.ImgCarta[5].rect;
    EXPECT_EQ(HitTest(s, r.x + 10, r.y + 10).kind, TargetKind::None);
    s.ShpCarta[5].visible = s.ImgCarta[5].visible = true;
    EXPECT_EQ(HitTest(s, r.x + 10, r.y + 10).kind, TargetKind::Carta);
    EXPECT_EQ(HitTest(s, -5, -5).kind, TargetKind::None);
    EXPECT_EQ(HitTest(s, r.x + r.w + 200, r.y + 10).kind, TargetKind::None);
    // The cover of an open panel, and the splash, shield what lies below.
    s.lblCopriCarte.visible = true;
    s.lblCopriCarte.rect = {r.x - 500, r.y - 500, r.w + 1000, r.h + 1000};
    EXPECT_EQ(HitTest(s, r.x + 50, r.y + 50).kind, TargetKind::None);
    s.lblCopriCarte.visible = false;
    s.FraSplash.visible = true;
    s.FraSplash.rect = {0, 0, 12000, 9000};
    EXPECT_EQ(HitTest(s, r.x + 50, r.y + 50).kind, TargetKind::None);
}

TEST(ZOrder, FrameMembersFollowTheirFrameInPlaceVisibilityAndOrder) {
    Screen s = BareScreen();
    Element& panel = s.FraPannello[4];
    panel.visible = true;
    panel.rect = {3000, 600, 6000, 6000};
    Element& name = s.lblLivello[1];
    name.visible = true;
    name.frame = FrameId::Pannello4;
    name.rect = {100, 200, 1000, 300};  // relative to the panel

    EXPECT_EQ(KindIndex(HitTest(s, 3000 + 150, 600 + 250)), std::pair(TargetKind::Livello, 1));
    // Its own coordinates on the window show nothing of it.
    EXPECT_NE(HitTest(s, 150, 250).kind, TargetKind::Livello);

    // Drawn right after its frame, even though the level names come before the level panel's
    // successors in the table: the panel's fill never hides its own contents.
    const auto placed = VisibleInZOrder(s);
    EXPECT_GE(DrawnAt(placed, panel), 0);
    EXPECT_LT(DrawnAt(placed, panel), DrawnAt(placed, name));
    EXPECT_EQ(PlacedRect(s, name), (Rect{3100, 800, 1000, 300}));

    panel.visible = false;
    EXPECT_EQ(HitTest(s, 3000 + 150, 600 + 250).kind, TargetKind::None);
}

TEST(ZOrder, CaptionsAndPanelsMapToTheirTargets) {
    Screen s = BareScreen();
    auto expectAt = [&s](Element& e, TargetKind kind, int index) {
        const Element before = e;
        e.visible = true;
        e.frame = FrameId::None;  // on the window itself, whatever panel the layout puts it in
        e.rect = {500, 500, 400, 300};
        EXPECT_EQ(KindIndex(HitTest(s, 600, 600)), std::pair(kind, index));
        e = before;
    };
    expectAt(s.lblPannelli[2], TargetKind::Pannelli, 2);
    expectAt(s.lblClassifica, TargetKind::Classifica, 0);
    expectAt(s.lblRiquadri[3], TargetKind::Riquadri, 3);
    expectAt(s.lblVoceOpzioni[15], TargetKind::VoceOpzioni, 15);
    expectAt(s.FraPannello[2], TargetKind::PannelloOpzioni, 2);
    expectAt(s.ImgNonnoZeb[0], TargetKind::NonnoZeb, 0);
    expectAt(s.lblUscita[1], TargetKind::Uscita, 1);
    expectAt(s.lblRegole[3], TargetKind::Regole, 1);
    expectAt(s.lblRegole[4], TargetKind::Regole, 0);
    expectAt(s.lblQuando, TargetKind::Quando, 0);
    expectAt(s.LstAlbo, TargetKind::LstAlbo, 0);
    expectAt(s.lblAssoInTavola, TargetKind::AssoInTavola, 0);
    expectAt(s.lblTimer, TargetKind::TimerLabel, 0);
    expectAt(s.cmdLivello, TargetKind::CmdLivello, 0);
    expectAt(s.lblAbilita, TargetKind::Abilita, 0);
    expectAt(s.lblChiudiAvviso, TargetKind::Avviso, 0);
}

// A notice stands over everything, the splash too: its box takes the click, and the rest of the
// window answers as before.
TEST(ZOrder, TheNoticeBoxIsOnTopOfTheSplashAndTakesItsOwnClick) {
    Screen s = BareScreen();
    s.FraSplash.visible = s.txtNome.visible = true;
    s.FraAvviso.visible = s.lblAvviso.visible = true;
    const Rect a = PlacedRect(s, s.lblAvviso);
    EXPECT_EQ(HitTest(s, a.x + a.w / 2, a.y + a.h / 2).kind, TargetKind::Avviso);
    const auto placed = VisibleInZOrder(s);
    EXPECT_GT(DrawnAt(placed, s.FraAvviso), DrawnAt(placed, s.txtNome));
    EXPECT_GT(DrawnAt(placed, s.lblAvviso), DrawnAt(placed, s.FraAvviso));
    EXPECT_EQ(HitTest(s, a.x + a.w / 2, a.y + a.h + 2000).kind, TargetKind::None);
    s.FraAvviso.visible = false;
    EXPECT_NE(HitTest(s, a.x + a.w / 2, a.y + a.h / 2).kind, TargetKind::Avviso);
}

// The cover of an open panel hides the table row, but the deck and the side boxes it reaches
// into are drawn whole above it.
TEST(ZOrder, ThePanelCoverLeavesTheDeckAndTheSideBoxesWholeAndAPanelCoversThePrompt) {
    Screen s;
    ApplyDesignLayout(s);
    s.lblCopriCarte.visible = true;
    for (Element& f : s.FraRiquadro) f.visible = true;
    s.ImgCarta[kPostoMazzo].visible = true;
    const std::vector<Placed> placed = VisibleInZOrder(s);
    const auto cover = DrawnAt(placed, s.lblCopriCarte);
    ASSERT_GE(cover, 0);
    EXPECT_GT(DrawnAt(placed, s.ImgCarta[kPostoMazzo]), cover);
    for (const Element& f : s.FraRiquadro) EXPECT_GT(DrawnAt(placed, f), cover);
    // The deck's left edge lies under the cover's rectangle, and still takes its click.
    const Rect deck = s.ImgCarta[kPostoMazzo].rect;
    ASSERT_LT(deck.x + 10, s.lblCopriCarte.rect.x + s.lblCopriCarte.rect.w);
    EXPECT_EQ(KindIndex(HitTest(s, deck.x + 10, deck.y + deck.h / 2)),
              std::pair(TargetKind::Carta, kPostoMazzo));
    // The prompt stands over the hall of fame and under a panel opened while it waits.
    s = BareScreen();
    s.FraPannello[3].visible = true;
    s.FraQuando.visible = s.cmdQuando.visible = true;
    s.FraQuando.rect = s.FraPannello[3].rect;  // wherever it stands, over the panel
    const Rect b = PlacedRect(s, s.cmdQuando);
    EXPECT_EQ(HitTest(s, b.x + 10, b.y + 10).kind, TargetKind::Quando);
    s.FraPannello[0].visible = true;  // the rules, opened during the pause
    EXPECT_NE(HitTest(s, b.x + 10, b.y + 10).kind, TargetKind::Quando);
}

}  // namespace
}  // namespace gnamm::platform
