#include "ui/riepilogo_view.h"

#include <algorithm>

#include "game/game.h"
#include "ui/colors.h"
#include "ui/quando_prompt.h"
#include "ui/scaling.h"
#include "ui/screen.h"

namespace gnamm {

namespace {

constexpr std::array<const char*, 4> kNomiPunti = {"Sette", "Quadri", "Figure", "Carte"};
constexpr const char* kZeb = "Zeb";
constexpr const char* kTu = "Tu";

// The panel's size, and where it stands: centred below the prompt over the table, or after a
// Torneo in the notes box's place at the left.
constexpr int kLarghezza = 3060;
constexpr int kAltezza = 3000;
constexpr Rect kSottoQuando{kQuandoTavolo.x + (kQuandoTavolo.w - kLarghezza) / 2,
                            kQuandoTavolo.y + kQuandoTavolo.h + 90, kLarghezza, kAltezza};
constexpr Rect kAlPostoDelleNote{60, 5940, kLarghezza, kAltezza};

constexpr int kMargine = 60;
constexpr int kRiga = 240;
constexpr std::array<int, kColonneRiepilogo> kColonnaX = {60, 1260, 1650, 2040};
constexpr std::array<int, kColonneRiepilogo> kColonnaW = {1200, 390, 390, 960};
constexpr float kFont = 8.25f;

std::string Chi(Player p) {
    return p == Player::PC ? kZeb : kTu;
}

// Who took a counted point and how: with more cards, or level at the threshold with the six.
std::string ComePreso(const Scoreboard& s, PuntoMazzo punto) {
    for (const Player p : {Player::PC, Player::H}) {
        if (!s.of(p).haPunto(punto)) continue;
        const bool pari = s.of(p).conta(punto) == s.of(Other(p)).conta(punto);
        return Chi(p) + (pari ? ", col 6" : ", di più");
    }
    return {};
}

std::string EsitoInParole(const MatchState& m, int puntiPC, int puntiH) {
    const std::string punti = std::to_string(std::max(puntiPC, puntiH)) + " a " +
                              std::to_string(std::min(puntiPC, puntiH));
    const std::string partite = std::to_string(std::max(m.partitePC, m.partiteH)) + " Partite a " +
                                std::to_string(std::min(m.partitePC, m.partiteH));
    switch (m.esito) {
        case EsitoGioco::InCorso:
            return {};
        case EsitoGioco::Continua:
            return "La Partita continua.";
        case EsitoGioco::Spareggio:
            return "Pari a " + std::to_string(puntiH) + ": si gioca uno spareggio.";
        case EsitoGioco::PartitaPC:
            return "Partita vinta da Zeb, " + punti + ".";
        case EsitoGioco::PartitaH:
            return "Partita vinta da te, " + punti + ".";
        case EsitoGioco::TorneoPC:
            return "Torneo vinto da Zeb, " + partite + ".";
        case EsitoGioco::TorneoH:
            return "Torneo vinto da te, " + partite + ".";
    }
    return {};
}

Element Cella(Rect design, const Screen& s, float kf) {
    Element e;
    e.frame = FrameId::Riepilogo;
    e.rect = ScalaRect(s, design);
    e.fontSize = kFont * kf;
    e.fore = colors::kBlack;
    return e;
}

}  // namespace

Riepilogo FaiRiepilogo(const Scoreboard& p, const MatchState& m) {
    Riepilogo r;
    auto riga = [&r](std::size_t i, std::string caption, int pc, int h, std::string punto = {}) {
        r.righe[i] = {std::move(caption), std::to_string(pc), std::to_string(h), std::move(punto)};
    };
    r.righe[0] = {"Gioco " + std::to_string(m.gioco), kZeb, kTu, "Punto"};
    for (std::size_t k = 0; k < kPuntiMazzo.size(); ++k) {
        const PuntoMazzo punto = kPuntiMazzo[k];
        riga(k + 1, kNomiPunti[k], p.pc.conta(punto), p.h.conta(punto), ComePreso(p, punto));
    }
    const std::string cinque = p.pc.punto5DiCuori ? kZeb : p.h.punto5DiCuori ? kTu : "";
    riga(5, "5 di Cuori", p.pc.punto5DiCuori, p.h.punto5DiCuori, cinque);
    riga(6, "Punti GNAMM", p.pc.puntiGnamm, p.h.puntiGnamm);
    riga(7, "Punti Gioco", p.pc.puntiGiocoInCorso, p.h.puntiGiocoInCorso);
    riga(8, "Partita a " + std::to_string(kPuntiPartita), p.pc.puntiPartita, p.h.puntiPartita);
    riga(9, "Partite su " + std::to_string(kPartiteTorneo), m.partitePC, m.partiteH);
    r.esito = EsitoInParole(m, p.pc.puntiPartita, p.h.puntiPartita);
    return r;
}

void MostraRiepilogo(const Game& g, Screen& s) {
    const bool visibile = g.pausa.quando && g.partita.esito != EsitoGioco::InCorso;
    s.FraRiepilogo.visible = visibile;
    if (!visibile) return;
    // After a Torneo it takes the notes box's place: the box's last instruction is stale.
    if (g.partita.torneoFinito()) s.FraRiquadro[2].visible = false;
    const float kf = static_cast<float>(s.heightTwips) / 9000.0f;
    Element& fra = s.FraRiepilogo;
    fra.rect = ScalaRect(s, g.partita.torneoFinito() ? kAlPostoDelleNote : kSottoQuando);
    fra.opaque = true;
    fra.back = s.windowBack;
    fra.border = true;
    fra.borderColor = colors::kBlack;
    const Riepilogo r = FaiRiepilogo(g.punteggi, g.partita);
    for (std::size_t i = 0; i < kRigheRiepilogo; ++i) {
        for (std::size_t k = 0; k < kColonneRiepilogo; ++k) {
            const int y = kMargine + static_cast<int>(i) * kRiga;
            Element& e = s.lblRiepilogo[i * kColonneRiepilogo + k];
            e = Cella({kColonnaX[k], y, kColonnaW[k], kRiga}, s, kf);
            e.text = r.righe[i][k];
            e.bold = i == 0 || k == 0;
            e.align = k == 1 || k == 2 ? Align::Center : Align::Left;
        }
    }
    s.lblEsitoRiepilogo = Cella({kMargine, kMargine + static_cast<int>(kRigheRiepilogo) * kRiga,
                                 kLarghezza - 2 * kMargine, 2 * kRiga},
                                s, kf);
    s.lblEsitoRiepilogo.text = r.esito;
    s.lblEsitoRiepilogo.bold = true;
}

}  // namespace gnamm
