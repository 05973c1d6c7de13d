// The design layout table: where every element sits in the 12000 x 9000 window.
#include "ui/screen.h"

#include "game/hall_of_fame.h"
#include "ui/avvisi_view.h"
#include "ui/capture_piles_view.h"
#include "ui/hall_of_fame_panel.h"
#include "ui/keyboard_focus.h"
#include "ui/panels_layout.h"

#include "ui/scoreboard_view.h"
#include "ui/statistics_page.h"

namespace gnamm {

namespace {

constexpr int kCartaW = 1515;
constexpr int kCartaH = 2175;
// The mat stands a little larger than the card; the outline a little larger again.
constexpr int kMatMargin = 30;
constexpr int kOutlineMargin = 60;

struct Posto {
    int x, y;
};
// Top-left corners of the card places 0..17 and the twelfth table place 19.
constexpr Posto kPosti[kNumeroPosti] = {
    {10215, 3660},                                            // 0 the deck
    {3360, 840},   {5250, 840},  {7140, 840},                 // 1..3 Nonno Zeb's hand
    {3360, 6480},  {5250, 6480}, {7140, 6480},                // 4..6 the human's hand
    {4290, 3660},  {6180, 3660}, {2400, 3660}, {8070, 3660},  // 7..10 the opening places
    {4920, 3660},  {6810, 3660}, {3030, 3660}, {8730, 3660},  // 11..14
    {5550, 3660},  {3660, 3660}, {7440, 3660},                // 15..17
    {225, 4425},                                              // 18 spare (240 x 150)
    {1770, 3660},                                             // 19 twelfth table place
};

void PlaceCard(Screen& s, int i) {
    const Posto p = kPosti[i];
    const bool spare = i == kPostoSpare;
    const int w = spare ? 240 : kCartaW;
    const int h = spare ? 150 : kCartaH;
    s.ImgCarta[i].rect = {p.x, p.y, w, h};
    s.ShpCarta[i].rect = {p.x - kMatMargin, p.y - kMatMargin, w + 2 * kMatMargin,
                          h + 2 * kMatMargin};
    s.ShpContornoCarta[i].rect = {p.x - kOutlineMargin, p.y - kOutlineMargin,
                                  w + 2 * kOutlineMargin, h + 2 * kOutlineMargin};
    s.ShpCarta[i].opaque = true;
    s.ShpContornoCarta[i].border = true;
    // Nothing is dealt yet: only the deck shows.
    const bool deck = i == kPostoMazzo;
    s.ImgCarta[i].visible = deck;
    s.ShpCarta[i].visible = deck;
    s.ShpContornoCarta[i].visible = false;
}

}  // namespace

void ApplyDesignLayout(Screen& s) {
    for (int i = 0; i < kNumeroPosti; ++i) PlaceCard(s, i);
    LayoutTastiera(s);
    LayoutMucchi(s);
    for (Element& e : s.ImgVolo) e.visible = false;
    // The pick colour is the colour of the deck's outline.
    s.ShpContornoCarta[kPostoMazzo].borderColor = colors::kPick;
    LayoutPannelli(s);
    ApplicaScritteTabellone(s);
    LayoutClassifica(s);
    LayoutStatistiche(s);
    // No notice yet: the box shows when the game has one.
    LayoutAvviso(s);
    s.FraAvviso.visible = false;
    // The summary shows only in the pause after a Gioco.
    s.FraRiepilogo.visible = false;
}

}  // namespace gnamm
