// The keyboard's focus over the table cards during a pick.
#include "ui/keyboard_focus.h"

#include <algorithm>
#include <array>
#include <vector>

#include "game/human_turn.h"
#include "rules/table_state.h"
#include "ui/capture_preview.h"
#include "ui/colors.h"
#include "ui/finestra.h"
#include "ui/panels_layout.h"
#include "ui/screen.h"

namespace gnamm {

namespace {

// Wider than the pick outline, so a picked card under the focus shows both.
constexpr int kMargine = 110;

// The table cards the pick can take, left to right as they lie on the screen: the focus never
// rests on a card that cannot be taken.
std::vector<int> CarteInFila(const Finestra& f) {
    const Game& g = f.game;
    const std::array<bool, kNumeroPosti> prendibili = Prendibili(g);
    std::vector<int> fila;
    for (const int p : kPostiTavolo) {
        if (prendibili[p] && g.posti[static_cast<std::size_t>(p)].inVista()) fila.push_back(p);
    }
    std::sort(fila.begin(), fila.end(), [&f](int a, int b) {
        return f.screen.ImgCarta[a].rect.x < f.screen.ImgCarta[b].rect.x;
    });
    return fila;
}

void Mostra(Finestra& f, int posto) {
    f.game.mettiFuoco(posto);
    Element& fuoco = f.screen.ShpFuoco;
    const Rect r = f.screen.ImgCarta[posto].rect;
    fuoco.rect = {r.x - kMargine, r.y - kMargine, r.w + 2 * kMargine, r.h + 2 * kMargine};
    fuoco.visible = true;
}

void Nascondi(Finestra& f) {
    f.game.mettiFuoco(0);
    f.screen.ShpFuoco.visible = false;
}

}  // namespace

void LayoutTastiera(Screen& s) {
    s.ShpFuoco.visible = false;
    s.ShpFuoco.border = true;
    s.ShpFuoco.borderColor = colors::kYellow;
    s.ShpFuoco.rect = s.ImgCarta[kPostiTavolo[0]].rect;

    Element& t = s.lblTasti;
    t.frame = FrameId::Pannello0;
    t.rect = {240, 5900, kPannello.w - 480, 900};
    t.fontSize = 8.25f;
    t.fore = colors::kBlack;
    t.text =
        "Tastiera: 1, 2, 3 giocano la prima, la seconda, la terza carta; quando devi scegliere "
        "le carte da catturare, le frecce muovono il riquadro giallo e Spazio prende o lascia la "
        "carta. H per un Consiglio di Zeb, Esc per arrenderti, F1 per le Regole, F11 per lo "
        "schermo intero.";
}

bool SceltaInCorso(const Finestra& f) {
    const Game& g = f.game;
    const HumanTurnState& u = g.umano;
    return u.puoiScegliere && !u.presaDecisa && u.cartaGiocata != 0;
}

void MuoviFuoco(Finestra& f, int passo) {
    Game& g = f.game;
    if (!SceltaInCorso(f) || passo == 0) return;
    const std::vector<int> fila = CarteInFila(f);
    if (fila.empty()) return;
    const auto it = std::find(fila.begin(), fila.end(), g.umano.fuoco);
    const int n = static_cast<int>(fila.size());
    int i = 0;
    if (it == fila.end()) {
        i = passo > 0 ? 0 : n - 1;
    } else {
        i = static_cast<int>(it - fila.begin()) + (passo > 0 ? 1 : -1);
        i = (i + n) % n;
    }
    Mostra(f, fila[static_cast<std::size_t>(i)]);
}

void ScegliConFuoco(Finestra& f) {
    Game& g = f.game;
    if (!SceltaInCorso(f) || g.umano.fuoco == 0) return;
    ClickCarta(g, g.umano.fuoco);
}

void AggiornaFuoco(Finestra& f) {
    Game& g = f.game;
    const int posto = g.umano.fuoco;
    if (posto == 0) {
        f.screen.ShpFuoco.visible = false;
        return;
    }
    if (!SceltaInCorso(f) || g.tavolo.carta[posto].empty() ||
        !g.posti[static_cast<std::size_t>(posto)].inVista()) {
        Nascondi(f);
    } else {
        Mostra(f, posto);  // the card may have moved
    }
}

}  // namespace gnamm
