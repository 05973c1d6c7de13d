#include "ui/table_cards_view.h"

#include <algorithm>

#include "data/asset_catalog.h"
#include "ui/options_panel.h"

namespace gnamm {

Rgb ColoreMat(ColoreCarte c) {
    switch (c) {
        case ColoreCarte::Green:
            return {65, 137, 92};
        case ColoreCarte::Blue:
            return {69, 122, 154};
        case ColoreCarte::Turquoise:
            return {0, 128, 128};
        case ColoreCarte::Grey:
            return {128, 128, 128};
    }
    return {69, 122, 154};
}

bool HaContorno(Segno s) {
    return s != Segno::Nessuno && s != Segno::GiocataDaZeb;
}

Rgb ColoreSegno(Segno s) {
    switch (s) {
        case Segno::Scelta:
            return colors::kPick;
        case Segno::PresaUmano:
        case Segno::UltimeAllUmano:
            return colors::kCapture;
        case Segno::PresaZeb:
        case Segno::UltimeAZeb:
            return colors::kRed;
        case Segno::Nessuno:
        case Segno::GiocataDaZeb:
            break;
    }
    return colors::kBlack;
}

void MostraPosti(const PostiCarte& posti, const Opzioni& o, const std::vector<int>& consiglio,
                 const std::vector<ContornoAnteprima>& anteprima, Screen& s) {
    for (std::size_t p = 0; p < posti.size(); ++p) {
        const PostoCarta& posto = posti[p];
        Element& carta = s.ImgCarta[p];
        Element& mat = s.ShpCarta[p];
        Element& contorno = s.ShpContornoCarta[p];
        carta.visible = mat.visible = posto.inVista();
        carta.picture.clear();
        if (posto.mostra == Lato::Dorso) {
            carta.picture = RetroPicture(o.retroCarte);
        } else if (posto.mostra == Lato::Faccia && !posto.carta.empty()) {
            carta.picture = assets::CardFace(posto.carta);
        }
        // Backs lie on a mat of the cards' colour, faces on white; Zeb's card on show has its
        // mat outlined.
        mat.back = posto.mostra == Lato::Dorso ? ColoreMat(o.coloreCarte) : colors::kWhite;
        mat.border = posto.segno == Segno::GiocataDaZeb;
        const bool consigliato =
            std::find(consiglio.begin(), consiglio.end(), static_cast<int>(p)) != consiglio.end();
        contorno.visible = HaContorno(posto.segno) || consigliato;
        if (HaContorno(posto.segno)) {
            contorno.borderColor = ColoreSegno(posto.segno);
        } else if (consigliato) {
            contorno.borderColor = colors::kPick;
        }
    }
    MostraAnteprima(anteprima, s);
}

}  // namespace gnamm
