#include "ui/capture_preview.h"

#include "game/game.h"
#include "rules/capture_rules.h"
#include "ui/colors.h"
#include "ui/screen.h"

namespace gnamm {

namespace {
// A card that may be taken: orange, which shows on white faces and on every table colour, and
// is neither the grey of a card picked nor the blue and red of a capture.
constexpr Rgb kPrendibile{255, 140, 0};
}  // namespace

Rgb ColoreAnteprima(Anteprima a) {
    return a == Anteprima::Presa ? colors::kCapture : kPrendibile;
}

std::array<bool, kNumeroPosti> Prendibili(const Game& g) {
    const HumanTurnState& u = g.umano;
    const TableState& t = g.tavolo;
    std::array<bool, kNumeroPosti> out{};
    if (!u.puoiScegliere || u.presaDecisa || !IsManoH(u.cartaGiocata)) return out;
    const Card giocata = t.carta[u.cartaGiocata];
    if (giocata.empty()) return out;
    const DecisionePresa d = DecidiPresa(t.carta, giocata);
    if (d.esito != EsitoPresa::SceltaUguali && d.esito != EsitoPresa::SceltaSomma) return out;
    for (const int p : kPostiTavolo) out[p] = d.marcate[p] && !t.carta[p].empty();
    return out;
}

std::vector<ContornoAnteprima> AnteprimaPresa(const Game& g, int cartaSotto) {
    const TableState& t = g.tavolo;
    std::vector<ContornoAnteprima> out;
    const auto aggiungi = [&](const std::array<bool, kNumeroPosti>& marcate, Anteprima cosa) {
        for (const int p : kPostiTavolo) {
            if (marcate[p] && g.posti[static_cast<std::size_t>(p)].inVista()) {
                out.push_back({p, cosa});
            }
        }
    };
    if (g.umano.cartaGiocata != 0) {
        std::array<bool, kNumeroPosti> resta = Prendibili(g);
        for (const int p : kPostiTavolo) resta[p] = resta[p] && !g.umano.scelta[p];
        aggiungi(resta, Anteprima::Prendibile);
        return out;
    }
    const bool giocabile = IsManoH(cartaSotto) && t.aChiTocca == Player::H &&
                           !t.carta[cartaSotto].empty() &&
                           g.posti[static_cast<std::size_t>(cartaSotto)].inVista();
    if (!giocabile) return out;
    const DecisionePresa d = DecidiPresa(t.carta, t.carta[cartaSotto]);
    if (d.esito == EsitoPresa::Deposita) return out;
    aggiungi(d.marcate, d.esito == EsitoPresa::Presa ? Anteprima::Presa : Anteprima::Candidata);
    return out;
}

void MostraAnteprima(const std::vector<ContornoAnteprima>& a, Screen& s) {
    for (const ContornoAnteprima& c : a) {
        Element& contorno = s.ShpContornoCarta[static_cast<std::size_t>(c.posto)];
        if (contorno.visible) continue;
        contorno.visible = true;
        contorno.borderColor = ColoreAnteprima(c.cosa);
    }
}

}  // namespace gnamm
