// Each side's pile as the table shows it (game/capture_piles.h): a short stack of backs with its
// count, the card of each Punto Gnamm laid crosswise on it with a brief glow when it lands, and
// the side's last capture fanned out while the player holds the mouse on the pile.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/capture_piles.h"
#include "rules/options.h"
#include "ui/screen.h"

namespace gnamm {

// How long a new Punto Gnamm's card glows on its pile.
inline constexpr int kLampoGnammMs = 900;

// What the piles' view keeps between frames: the Punti Gnamm seen on each pile (Zeb's, then
// the human's) and until when the newest glows.
struct VistaMucchi {
    std::array<std::size_t, 2> gnammVisti{};
    std::array<int64_t, 2> lampoFino{};
    // True while a glow is still on at `ora`.
    bool inMovimento(int64_t ora) const { return ora < lampoFino[0] || ora < lampoFino[1]; }
};

// The Punti Gnamm a pile shows, its newest last.
inline constexpr std::size_t kGnammMostrati = 4;

// Where the `j`th Punto Gnamm shown lies crosswise on side `lato`'s pile (0 Zeb's, 1 the
// human's): a landscape rectangle.
Rect PostoGnamm(const Screen& s, std::size_t lato, std::size_t j);

// The piles' design rectangles, left of the table row between Zeb's box and the notes.
void LayoutMucchi(Screen& s);

// The piles as `m` has them at `ora`, backs as `o` chooses; `tenuto` is the side whose pile the
// mouse holds, whose last capture then shows.
void MostraMucchi(const Mucchi& m, const Opzioni& o, std::optional<Player> tenuto, int64_t ora,
                  VistaMucchi& v, Screen& s);

}  // namespace gnamm
