#include "ui/quando_prompt.h"

#include <string>

#include "ui/scaling.h"

namespace gnamm {

namespace {

// The band over the foot of the hall of fame panel (the panel opens at 3130, 615 and is
// 5760 x 7800): below the ranking's tenth row, over the panel's instruction line.
constexpr Rect kQuandoAlbo{3190, 7770, 5640, 600};

constexpr float kFontTavolo = 12.0f;
constexpr float kFontAlbo = 8.25f;
constexpr float kFontBottone = 9.75f;

}  // namespace

void LayoutQuando(Screen& s, PostoQuando posto) {
    const float kf = static_cast<float>(s.heightTwips) / 9000.0f;
    Element& fra = s.FraQuando;
    Element& testo = s.lblQuando;
    Element& bottone = s.cmdQuando;
    fra.opaque = true;
    fra.border = true;
    fra.borderColor = colors::kBlack;
    testo.frame = FrameId::Quando;
    testo.fore = colors::kBlack;
    testo.bold = true;
    testo.align = Align::Center;
    testo.visible = true;
    bottone.frame = FrameId::Quando;
    bottone.text = "Continua";
    bottone.opaque = true;
    bottone.back = colors::kWhite;
    bottone.border = true;
    bottone.bold = true;
    bottone.align = Align::Center;
    bottone.fontSize = kFontBottone * kf;
    bottone.visible = true;
    if (posto == PostoQuando::Tavolo) {
        const Rect f = kQuandoTavolo;
        fra.rect = ScalaRect(s, f);
        // The line in the upper part, the button centred below it.
        testo.rect = ScalaRect(s, {300, 240, f.w - 600, 1200});
        bottone.rect = ScalaRect(s, {(f.w - 2400) / 2, 1560, 2400, 480});
        testo.fontSize = kFontTavolo * kf;
    } else {
        const Rect f = kQuandoAlbo;
        fra.rect = ScalaRect(s, f);
        // The line at the left, the button at the right, both across the band.
        testo.rect = ScalaRect(s, {90, 45, f.w - 1860, f.h - 90});
        bottone.rect = ScalaRect(s, {f.w - 1680, (f.h - 420) / 2, 1560, 420});
        testo.fontSize = kFontAlbo * kf;
    }
}

}  // namespace gnamm
