#include "ui/card_flights.h"

#include <algorithm>

#include "data/asset_catalog.h"
#include "game/game.h"
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

}  // namespace

Rect PosizioneVolo(const Volo& v, int64_t ora) {
    const double t =
        std::clamp(static_cast<double>(ora - v.inizio) / static_cast<double>(v.durata), 0.0, 1.0);
    const double e = t * t * (3.0 - 2.0 * t);  // slow away, slow in
    return {Tra(v.da.x, v.a.x, e), Tra(v.da.y, v.a.y, e), Tra(v.da.w, v.a.w, e),
            Tra(v.da.h, v.a.h, e)};
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
    if (!si) voli_.clear();
}

void VoliCarte::parte(Card c, bool dorso, Rect da, int posto, Rect a, int durata) {
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
}

void VoliCarte::alMucchio(const EventoTavolo& e, Player chi, int durata) {
    // The cards go together onto the top of the taker's pile, shrinking to its size so they
    // land on it rather than over the texts beside it.
    const Rect mucchio = s_.ImgMucchio[chi == Player::PC ? 0 : 3].rect;
    const auto verso = [&](int posto, Card c) {
        parte(c, false, rettangolo(posto), kNessunPosto, mucchio, durata);
    };
    if (e.da > 0 && !e.carta.empty()) verso(e.da, e.carta);
    for (const int p : e.posti) verso(p, visti_[static_cast<std::size_t>(p)].carta);
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
    return !voli_.empty();
}

void MostraVoli(const std::vector<Volo>& voli, int64_t ora, const Opzioni& o, Screen& s) {
    std::size_t k = 0;
    for (const Volo& v : voli) {
        if (ora >= v.inizio + v.durata) continue;
        if (v.posto != kNessunPosto) {
            const auto p = static_cast<std::size_t>(v.posto);
            s.ImgCarta[p].visible = s.ShpCarta[p].visible = s.ShpContornoCarta[p].visible = false;
        }
        if (k == s.ImgVolo.size()) continue;
        Element& e = s.ImgVolo[k++];
        e.visible = true;
        e.rect = PosizioneVolo(v, ora);
        e.picture = v.dorso ? std::string(RetroPicture(o.retroCarte)) : assets::CardFace(v.carta);
    }
    for (; k < s.ImgVolo.size(); ++k) s.ImgVolo[k].visible = false;
}

}  // namespace gnamm
