#include "shown_table.h"

namespace gnamm::sim {

namespace {

std::string Colore(Rgb c) {
    return std::to_string(c.r) + "." + std::to_string(c.g) + "." + std::to_string(c.b);
}

std::string Mostrato(const Element& e) {
    if (!e.visible || (e.picture.empty() && e.text.empty() && !e.opaque && !e.border)) return "-";
    return "[" + e.picture + "|" + e.text + "|" + (e.opaque ? Colore(e.back) : "") + "|" +
           (e.border ? Colore(e.borderColor) : "") + "]";
}

}  // namespace

std::vector<std::string> TavolaMostrata(const Screen& s) {
    std::vector<std::string> out;
    const auto aggiungi = [&out](const std::string& nome, const Element& e,
                                 bool nelSuoQuadro = true) {
        out.push_back(nome + " " + (nelSuoQuadro ? Mostrato(e) : "-"));
    };
    for (int p = 0; p < kNumeroPosti; ++p) {
        const std::string posto = "[" + std::to_string(p) + "]";
        aggiungi("ImgCarta" + posto, s.ImgCarta[p]);
        aggiungi("ShpCarta" + posto, s.ShpCarta[p]);
        aggiungi("ShpContornoCarta" + posto, s.ShpContornoCarta[p]);
    }
    for (std::size_t k = 0; k < s.FraRiquadro.size(); ++k) {
        aggiungi("FraRiquadro[" + std::to_string(k) + "]", s.FraRiquadro[k]);
    }
    aggiungi("lblCommenti", s.lblCommenti);
    aggiungi("ImgFumetto", s.ImgFumetto);
    aggiungi("ImgRiquadro[0]", s.ImgRiquadro[0]);
    aggiungi("ImgManina", s.ImgManina);
    aggiungi("lblIstruzioni", s.lblIstruzioni);
    aggiungi("FraQuando", s.FraQuando);
    aggiungi("lblQuando", s.lblQuando, s.FraQuando.visible);  // its frame hides it
    return out;
}

}  // namespace gnamm::sim
