#include "ui/capture_piles_view.h"

#include <algorithm>
#include <string>

#include "data/asset_catalog.h"
#include "ui/options_panel.h"

namespace gnamm {

namespace {

// Each pile stands in the right part of the strip between Zeb's box and the notes, Zeb's near
// his side above, the human's below; the counts lie left of them, where no card flies past.
constexpr int kPilaX = 1040;
constexpr int kPilaW = 550;
constexpr int kPilaH = 790;
constexpr int kScalino = 40;  // each back of the stack a step up and to the right
constexpr std::array<int, 2> kPilaY = {3720, 4700};

// Side 0 is Zeb's pile, side 1 the human's.
const Mucchio& Di(const Mucchi& m, std::size_t lato) {
    return lato == 0 ? m.pc : m.h;
}

std::string Conta(int carte) {
    return carte == 1 ? "1 carta" : std::to_string(carte) + " carte";
}

// The last capture of the pile held, face up and fanned over the table row.
void MostraUltimaPresa(const Mucchio& m, std::optional<Player> tenuto, Screen& s) {
    const bool mostra = tenuto && !m.ultimaPresa.empty();
    s.lblUltimaPresa.visible = mostra;
    const Rect riga = s.ImgCarta[9].rect;  // the leftmost opening place
    const int passo = riga.w * 9 / 20;
    for (std::size_t k = 0; k < s.ImgUltimaPresa.size(); ++k) {
        Element& e = s.ImgUltimaPresa[k];
        e.visible = mostra && k < m.ultimaPresa.size();
        if (!e.visible) continue;
        e.picture = assets::CardFace(m.ultimaPresa[k]);
        e.rect = {riga.x + static_cast<int>(k) * passo, riga.y, riga.w, riga.h};
    }
    if (!mostra) return;
    s.lblUltimaPresa.text =
        *tenuto == Player::PC ? "L'ultima presa di Nonno Zeb" : "La tua ultima presa";
    // Its type follows the piles' scaled counts; its place, right of Zeb's corner (whose bubble
    // reaches down to the row), the scaled row.
    s.lblUltimaPresa.fontSize = s.lblMucchio[0].fontSize;
    s.lblUltimaPresa.rect = {riga.x + riga.w * 3 / 5, riga.y - riga.h / 6, riga.w * 12 / 5,
                             riga.h / 7};
}

}  // namespace

void LayoutMucchi(Screen& s) {
    for (std::size_t lato = 0; lato < 2; ++lato) {
        for (std::size_t k = 0; k < 3; ++k) {
            Element& e = s.ImgMucchio[lato * 3 + k];
            const int passo = static_cast<int>(k) * kScalino;
            e.rect = {kPilaX + passo, kPilaY[lato] - passo, kPilaW, kPilaH};
            e.visible = false;
            e.tooltip = "Tieni premuto per vedere l'ultima presa";
        }
        Element& l = s.lblMucchio[lato];
        l.rect = {60, kPilaY[lato] + kPilaH / 3, kPilaX - 220, 300};
        l.fontSize = 8.25f;
        l.bold = true;
        l.align = Align::Right;
        l.shrinkToFit = true;
        l.visible = false;
    }
    for (Element& e : s.ImgGnammMucchio) e.visible = false;
    for (Element& e : s.ImgUltimaPresa) e.visible = false;
    s.lblUltimaPresa.opaque = true;
    s.lblUltimaPresa.back = colors::kWhite;
    s.lblUltimaPresa.border = true;
    s.lblUltimaPresa.align = Align::Center;
    s.lblUltimaPresa.bold = true;
    s.lblUltimaPresa.visible = false;
}

Rect PostoGnamm(const Screen& s, std::size_t lato, std::size_t j) {
    // Crosswise across the stack's lower part, its top backs still in sight, each a step lower
    // and to the right of the one before, so that every sweep shows its edge; the fourth still
    // clear of the captions under the human's pile.
    const Rect base = s.ImgMucchio[lato * 3].rect;
    const int passi = static_cast<int>(std::min(j, kGnammMostrati - 1));
    return {base.x + (base.w - base.h) / 2 + passi * base.w / 12,
            base.y + base.h / 4 + passi * base.h / 20, base.h, base.w};
}

void MostraMucchi(const Mucchi& m, const Opzioni& o, std::optional<Player> tenuto, int64_t ora,
                  VistaMucchi& v, Screen& s) {
    const std::string dorso(RetroPicture(o.retroCarte));
    for (std::size_t lato = 0; lato < 2; ++lato) {
        const Mucchio& mu = Di(m, lato);
        // A thin pile shows fewer backs: one for a card or two, three from ten up.
        const std::size_t dorsi = mu.carte <= 0 ? 0 : mu.carte < 3 ? 1 : mu.carte < 10 ? 2 : 3;
        for (std::size_t k = 0; k < 3; ++k) {
            Element& e = s.ImgMucchio[lato * 3 + k];
            e.visible = k < dorsi;
            e.picture = dorso;
        }
        s.lblMucchio[lato].visible = mu.carte > 0;
        s.lblMucchio[lato].text = Conta(mu.carte);

        // A new Punto Gnamm glows a moment as it lands; a new Gioco starts the count again.
        if (mu.gnamm.size() > v.gnammVisti[lato]) v.lampoFino[lato] = ora + kLampoGnammMs;
        if (mu.gnamm.size() < v.gnammVisti[lato]) v.lampoFino[lato] = 0;
        v.gnammVisti[lato] = mu.gnamm.size();
        const std::size_t da =
            mu.gnamm.size() > kGnammMostrati ? mu.gnamm.size() - kGnammMostrati : 0;
        for (std::size_t j = 0; j < kGnammMostrati; ++j) {
            Element& e = s.ImgGnammMucchio[lato * kGnammMostrati + j];
            e.visible = da + j < mu.gnamm.size();
            if (!e.visible) continue;
            // A Punto Gnamm from a save of before the piles: its card unknown, face down.
            const Card c = mu.gnamm[da + j];
            e.picture = c ? assets::CardFace(c) : dorso;
            e.rect = PostoGnamm(s, lato, j);
            e.border = da + j + 1 == mu.gnamm.size() && ora < v.lampoFino[lato];
            e.borderColor = colors::kYellow;
        }
    }
    const std::size_t tenutoLato = tenuto == Player::PC ? 0 : 1;
    MostraUltimaPresa(Di(m, tenutoLato), tenuto, s);
}

}  // namespace gnamm
