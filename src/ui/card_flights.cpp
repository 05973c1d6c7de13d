#include "ui/card_flights.h"

#include <algorithm>
#include <array>
#include <utility>

#include "data/asset_catalog.h"
#include "game/game.h"
#include "ui/capture_piles_view.h"
#include "ui/options_panel.h"

namespace gnamm {

namespace {

// A flight takes most of the step that starts it, so it has landed before the next one moves.
int Durata(int intervallo) {
    return std::max(1, intervallo * 9 / 10);
}

int Tra(int a, int b, double t) {
    return a + static_cast<int>((b - a) * t + (b > a ? 0.5 : -0.5));
}

double Dolce(double t) {
    return t * t * (3.0 - 2.0 * t);  // slow away, slow in
}

// The landscape `r` as the upright card that, turned a quarter, lies on it.
Rect InPiedi(Rect r) {
    return {r.x + (r.w - r.h) / 2, r.y + (r.h - r.w) / 2, r.h, r.w};
}

// Sparks golden and pale by turns, each way round the card.
constexpr std::array<std::pair<int, int>, 8> kVersi = {
    {{100, 0}, {71, 71}, {0, 100}, {-71, 71}, {-100, 0}, {-71, -71}, {0, -100}, {71, -71}}};
constexpr std::array<Rgb, 2> kColoriScintille = {Rgb{255, 196, 32}, Rgb{255, 244, 160}};

}  // namespace

Rect PosizioneVolo(const Volo& v, int64_t ora) {
    const double t =
        std::clamp(static_cast<double>(ora - v.inizio) / static_cast<double>(v.durata), 0.0, 1.0);
    const double e = Dolce(t);
    return {Tra(v.da.x, v.a.x, e), Tra(v.da.y, v.a.y, e), Tra(v.da.w, v.a.w, e),
            Tra(v.da.h, v.a.h, e)};
}

int AngoloVolo(const Volo& v, int64_t ora) {
    if (!v.diTraverso) return 0;
    const int giro = std::min(kGiroGnammMs, v.durata);
    const double t = std::clamp(
        static_cast<double>(ora - (v.inizio + v.durata - giro)) / static_cast<double>(giro), 0.0,
        1.0);
    return static_cast<int>(90.0 * Dolce(t) + 0.5);
}

VoliCarte::VoliCarte(const Game& g, const Screen& s)
    : AscoltatoreTavolo({Accaduto::CartaDistribuita, Accaduto::CartaDecisa, Accaduto::PresaFatta,
                         Accaduto::PresaZeb, Accaduto::FineUltimeCarte}),
      g_(g),
      s_(s),
      visti_(g.posti) {}

Rect VoliCarte::rettangolo(int posto) const {
    return s_.ImgCarta[static_cast<std::size_t>(posto)].rect;
}

void VoliCarte::abilita(bool si) {
    abilitati_ = si;
    if (si) return;
    voli_.clear();
    scoppi_.clear();
}

Volo& VoliCarte::parte(Card c, bool dorso, Rect da, int posto, Rect a, int durata) {
    const int64_t ora = g_.clock.nowMs();
    // A card still on its way goes on from where it is drawn: it is never in two places.
    const auto prima =
        std::find_if(voli_.begin(), voli_.end(), [&](const Volo& v) { return v.carta == c; });
    if (prima != voli_.end()) {
        da = PosizioneVolo(*prima, ora);
        voli_.erase(prima);
    }
    // A move over another card's landing place takes that place: the old flight has landed.
    std::erase_if(voli_, [&](const Volo& v) { return posto != kNessunPosto && v.posto == posto; });
    voli_.push_back({c, dorso, posto, da, a, ora, durata});
    return voli_.back();
}

void VoliCarte::alMucchio(const EventoTavolo& e, Player chi, int durata) {
    // The cards go together onto the top of the taker's pile, shrinking to its size so they
    // land on it rather than over the texts beside it.
    const Rect mucchio = s_.ImgMucchio[chi == Player::PC ? 0 : 3].rect;
    const auto verso = [&](int posto, Card c) {
        parte(c, false, rettangolo(posto), kNessunPosto, mucchio, durata);
    };
    const std::vector<Card>& gnamm = g_.mucchi.di(chi).gnamm;
    const bool sweep = e.da > 0 && !e.carta.empty() && !gnamm.empty() && gnamm.back() == e.carta;
    if (e.da > 0 && !e.carta.empty() && !sweep) verso(e.da, e.carta);
    for (const int p : e.posti) verso(p, visti_[static_cast<std::size_t>(p)].carta);
    if (!sweep) return;
    // A sweep's card, last so it flies on top, lands crosswise where the pile shows it, and
    // sparks fly as it lies down.
    const Rect posto =
        PostoGnamm(s_, chi == Player::PC ? 0 : 1, std::min(gnamm.size(), kGnammMostrati) - 1);
    Volo& v = parte(e.carta, false, rettangolo(e.da), kNessunPosto, InPiedi(posto), durata);
    v.diTraverso = true;
    scoppi_.push_back({posto, v.inizio + v.durata});
}

bool VoliCarte::ascolta(const EventoTavolo& e, bool) {
    if (!abilitati_) return false;
    const Opzioni& o = g_.opzioni;
    switch (e.cosa) {
        case Accaduto::CartaDistribuita:
            parte(e.carta, e.a >= 1 && e.a <= 3, rettangolo(kPostoMazzo), e.a, rettangolo(e.a),
                  Durata(IntervalloMazziere(o.velocitaMazziere)));
            break;
        case Accaduto::CartaDecisa:
            // Laid down: from the hand to the table while Zeb waits his turn. A capture keeps
            // the card in the hand, outlined, through the pause.
            if (e.a != kNessunPosto) {
                parte(e.carta, false, rettangolo(e.da), e.a, rettangolo(e.a),
                      Durata(IntervalloZeb(o.velocitaZeb)));
            }
            break;
        case Accaduto::PresaFatta:
            alMucchio(e, Player::H, Durata(IntervalloGioco(o.velocitaGioco)));
            break;
        case Accaduto::PresaZeb:
            alMucchio(e, Player::PC, Durata(IntervalloGioco(o.velocitaGioco)));
            break;
        case Accaduto::FineUltimeCarte: {
            // The cards left on the table go to the last capturer.
            EventoTavolo ultime{e.cosa};
            for (const int p : kPostiTavolo) {
                if (g_.posti[static_cast<std::size_t>(p)].inVista()) ultime.posti.push_back(p);
            }
            alMucchio(ultime, g_.tavolo.ultimaCattura, Durata(IntervalloGioco(o.velocitaGioco)));
            break;
        }
        default:
            break;
    }
    return false;
}

void VoliCarte::osserva() {
    if (abilitati_) {
        const Opzioni& o = g_.opzioni;
        for (const int p : kPostiTavolo) {
            const PostoCarta& ora = g_.posti[static_cast<std::size_t>(p)];
            const PostoCarta& prima = visti_[static_cast<std::size_t>(p)];
            if (ora.mostra != Lato::Faccia || ora.carta.empty() || ora.carta == prima.carta)
                continue;
            if (std::any_of(voli_.begin(), voli_.end(),
                            [&](const Volo& v) { return v.posto == p; }))
                continue;
            // Zeb's card leaves his hand face up; an opening card comes from the deck.
            int da = kNessunPosto;
            for (int m = 1; m <= 3; ++m) {
                if (visti_[static_cast<std::size_t>(m)].carta == ora.carta) da = m;
            }
            if (da != kNessunPosto) {
                parte(ora.carta, false, rettangolo(da), p, rettangolo(p),
                      Durata(IntervalloZeb(o.velocitaZeb)));
            } else if (g_.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo)) {
                parte(ora.carta, false, rettangolo(kPostoMazzo), p, rettangolo(p),
                      Durata(IntervalloMazziere(o.velocitaMazziere)));
            }
        }
    }
    visti_ = g_.posti;
}

bool VoliCarte::inMovimento(int64_t ora) {
    std::erase_if(voli_, [ora](const Volo& v) { return ora >= v.inizio + v.durata; });
    std::erase_if(scoppi_, [ora](const Scoppio& b) { return ora >= b.inizio + kScoppioMs; });
    return inVista();
}

void MostraVoli(const std::vector<Volo>& voli, int64_t ora, const Opzioni& o, Screen& s) {
    std::size_t k = 0;
    for (const Volo& v : voli) {
        if (ora >= v.inizio + v.durata) continue;
        if (v.posto != kNessunPosto) {
            const auto p = static_cast<std::size_t>(v.posto);
            s.ImgCarta[p].visible = s.ShpCarta[p].visible = s.ShpContornoCarta[p].visible = false;
        }
        const std::string faccia = assets::CardFace(v.carta);
        if (v.diTraverso) {
            // The pile shows the card crosswise once it has landed, not before.
            for (Element& x : s.ImgGnammMucchio) x.visible = x.visible && x.picture != faccia;
        }
        if (k == s.ImgVolo.size()) continue;
        Element& e = s.ImgVolo[k++];
        e.visible = true;
        e.rect = PosizioneVolo(v, ora);
        e.angolo = AngoloVolo(v, ora);
        e.picture = v.dorso ? std::string(RetroPicture(o.retroCarte)) : faccia;
    }
    for (; k < s.ImgVolo.size(); ++k) s.ImgVolo[k].visible = false;
}

void MostraScintille(const std::vector<Scoppio>& scoppi, int64_t ora, Screen& s) {
    for (Element& e : s.ShpScintille) e.visible = false;
    // The newest burst; one still going when another starts gives way to it.
    const auto b = std::find_if(scoppi.rbegin(), scoppi.rend(), [ora](const Scoppio& x) {
        return ora >= x.inizio && ora < x.inizio + kScoppioMs;
    });
    if (b == scoppi.rend()) return;
    const double t = static_cast<double>(ora - b->inizio) / kScoppioMs;
    const double via = 1.0 - (1.0 - t) * (1.0 - t);  // fast away, slowing
    const int cx = b->dove.x + b->dove.w / 2, cy = b->dove.y + b->dove.h / 2;
    for (std::size_t k = 0; k < s.ShpScintille.size(); ++k) {
        // Each spark leaves the card's edge and shrinks to nothing as it goes: the burst fades
        // out. They spread less up and down, clear of the captions under the human's pile.
        const int lato = static_cast<int>(b->dove.h / (k % 2 == 0 ? 4 : 6) * (1.0 - t * t));
        if (lato <= 0) continue;
        const auto [dx, dy] = kVersi[k];
        const double rx = (0.5 + 0.45 * via) * b->dove.w / 100.0;
        const double ry = (0.35 + 0.2 * via) * b->dove.h / 100.0;
        Element& e = s.ShpScintille[k];
        e.visible = true;
        e.opaque = true;
        e.back = kColoriScintille[k % 2];
        e.rect = {cx + static_cast<int>(dx * rx) - lato / 2,
                  cy + static_cast<int>(dy * ry) - lato / 2, lato, lato};
    }
}

}  // namespace gnamm
