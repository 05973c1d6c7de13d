// The keyboard's focus over the table cards during a pick.
#include "ui/keyboard_focus.h"

#include <algorithm>
#include <vector>

#include "data/colors.h"
#include "game/human_turn.h"
#include "rules/table_state.h"
#include "ui/finestra.h"
#include "ui/panels_layout.h"
#include "ui/screen.h"

namespace gnamm {

namespace {

// Wider than the pick outline, so a picked card under the focus shows both.
constexpr int kMargine = 110;

// The table places holding a card, left to right as they lie on the screen.
std::vector<int> CarteInFila(const Finestra& g) {
    std::vector<int> fila;
    for (const int p : kPostiTavolo) {
        if (!g.tavolo.carta[p].empty() && g.vista.ImgCarta[p].visible) fila.push_back(p);
    }
    std::sort(fila.begin(), fila.end(), [&g](int a, int b) {
        return g.screen.ImgCarta[a].rect.x < g.screen.ImgCarta[b].rect.x;
    });
    return fila;
}

void Mostra(Finestra& g, int posto) {
    g.umano.fuoco = posto;
    Element& f = g.screen.ShpFuoco;
    const Rect r = g.screen.ImgCarta[posto].rect;
    f.rect = {r.x - kMargine, r.y - kMargine, r.w + 2 * kMargine, r.h + 2 * kMargine};
    f.visible = true;
}

void Nascondi(Finestra& g) {
    g.umano.fuoco = 0;
    g.screen.ShpFuoco.visible = false;
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

bool SceltaInCorso(const Finestra& g) {
    const HumanTurnState& u = g.umano;
    return u.puoiScegliere && !u.presaDecisa && u.cartaGiocata != 0;
}

void MuoviFuoco(Finestra& g, int passo) {
    if (!SceltaInCorso(g) || passo == 0) return;
    const std::vector<int> fila = CarteInFila(g);
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
    Mostra(g, fila[static_cast<std::size_t>(i)]);
}

void ScegliConFuoco(Finestra& g) {
    if (!SceltaInCorso(g) || g.umano.fuoco == 0) return;
    ClickCarta(g, g.umano.fuoco);
}

void AggiornaFuoco(Finestra& g) {
    const int f = g.umano.fuoco;
    if (f == 0) {
        g.screen.ShpFuoco.visible = false;
        return;
    }
    if (!SceltaInCorso(g) || g.tavolo.carta[f].empty() || !g.vista.ImgCarta[f].visible) {
        Nascondi(g);
    } else {
        Mostra(g, f);  // the card may have moved
    }
}

}  // namespace gnamm
