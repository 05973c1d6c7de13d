#include "ui/avvisi_view.h"

#include <string>

#include "ui/panels_layout.h"
#include "ui/scaling.h"
#include "ui/screen.h"

namespace gnamm {

namespace {

// The tooltips' paper: the game's colour for a word to the player outside the play.
constexpr Rgb kCarta{255, 255, 225};
constexpr Rgb kGrigioScuro{80, 80, 80};
constexpr int kMargine = 120;
constexpr int kPiede = 300;  // the closing line's height

std::string RigaChiusura(std::size_t altri) {
    if (altri == 0) return "Esc o clic per chiudere";
    return "Esc o clic per il prossimo (ancora " + std::to_string(altri) + ")";
}

}  // namespace

void LayoutAvviso(Screen& s) {
    // The splash leaves room for larger words; at the table the box is narrower.
    const Rect design = s.FraSplash.visible ? kAvvisoSplash : kAvvisoTavolo;
    const float punti = s.FraSplash.visible ? 9.75f : 8.25f;
    const float kf = static_cast<float>(s.heightTwips) / 9000.0f;
    Element& fra = s.FraAvviso;
    fra.rect = ScalaRect(s, design);
    fra.opaque = true;
    fra.back = kCarta;
    fra.border = true;
    fra.borderColor = colors::kBlack;
    Element& testo = s.lblAvviso;
    testo.frame = FrameId::Avviso;
    testo.rect = ScalaRect(
        s, {kMargine, kMargine / 2, design.w - 2 * kMargine, design.h - kPiede - kMargine});
    testo.fontSize = punti * kf;
    testo.bold = true;
    Element& piede = s.lblChiudiAvviso;
    piede.frame = FrameId::Avviso;
    piede.rect =
        ScalaRect(s, {kMargine, design.h - kPiede - kMargine / 4, design.w - 2 * kMargine, kPiede});
    piede.fontSize = 7.5f * kf;
    piede.fore = kGrigioScuro;
    piede.align = Align::Right;
    piede.shrinkToFit = true;
}

bool MostraAvviso(Screen& s, const data::Avvisi& avvisi) {
    const Element fra = s.FraAvviso, testo = s.lblAvviso, piede = s.lblChiudiAvviso;
    s.FraAvviso.visible = !avvisi.vuoto();
    if (s.FraAvviso.visible) {
        LayoutAvviso(s);
        s.lblAvviso.text = avvisi.corrente();
        s.lblChiudiAvviso.text = RigaChiusura(avvisi.inAttesa().size() - 1);
    }
    return !(fra == s.FraAvviso && testo == s.lblAvviso && piede == s.lblChiudiAvviso);
}

bool ChiudiAvviso(const Screen& s, data::Avvisi& avvisi) {
    if (!s.FraAvviso.visible || avvisi.vuoto()) return false;
    avvisi.chiudiCorrente();
    return true;
}

}  // namespace gnamm
