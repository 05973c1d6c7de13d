#include "game/ai/evaluation.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>

namespace gnamm {

namespace {

// The weights are the game's decimal constants, not the fractions they approximate.
constexpr float kPesoSette = 0.2f;
constexpr float kPesoQuadri = 0.0909f;
constexpr float kPesoSeiQuadri = 0.1818f;
constexpr float kPesoFigure = 0.0769f;
constexpr float kPesoCarte = 0.0476f;
constexpr float kPesoSeiPicche = 0.0952f;
constexpr float kGnamm = 1.0f;
constexpr float kAssoSprecato = -1.2f;  // an ace that takes only the table's ace, or is laid
constexpr float kCinqueDiCuoriLasciato = -0.8f;

constexpr int kSette = 0, kQuadri = 1, kFigure = 2, kCarte = 3;

// How much a card adds to each count, the tie six counted as one more card of its row.
std::array<int, 4> Apporto(Card c) {
    const int v = c.valore();
    return {
        (v == 7 || c == kSeiDiCuori) ? 1 : 0,
        c.seme() == 'q' ? (v == 6 ? 2 : 1) : 0,
        (v >= 8 ? 1 : 0) + (c == kSeiDiFiori ? 1 : 0),
        c == kSeiDiPicche ? 2 : 1,
    };
}

struct Potenziale {
    float sette = 0, quadri = 0, figure = 0, carte = 0;
};

// The potential weights of one card, played (first) or captured.
void AggiungiPotenziale(Potenziale& p, Card c, bool giocata) {
    const int v = c.valore();
    if (v == 7 || c == kSeiDiCuori) p.sette += kPesoSette;
    if (c.seme() == 'q') {
        if (giocata) {
            p.quadri += v == 6 ? kPesoSeiQuadri : kPesoQuadri;
        } else {
            p.quadri += kPesoQuadri;
            if (v == 6) p.quadri += kPesoQuadri;
        }
    }
    if (giocata) {
        if (v >= 8 || c == kSeiDiFiori) p.figure += kPesoFigure;
    } else {
        if (v >= 8) p.figure += kPesoFigure;
        if (c == kSeiDiFiori) p.figure += kPesoFigure;
    }
    p.carte += c == kSeiDiPicche ? kPesoSeiPicche : kPesoCarte;
}

}  // namespace

namespace {

float ComeTestoCalcolato(float x) {
    char buf[32];
    const auto scritto = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 7);
    float letto = x;
    std::from_chars(buf, scritto.ptr, letto);
    return letto;
}

// The scores come from a few weights and risk fractions, so the same handful of numbers is
// written and read back over and over: a direct-mapped memory of the last answers (96 KB)
// spares most of the text conversions, which otherwise cost more than the whole scoring.
class MemoriaTesto {
  public:
    float operator()(float x) {
        const auto bits = std::bit_cast<uint32_t>(x);
        Voce& v = voci_[(bits ^ (bits >> 13)) % voci_.size()];
        if (!v.piena || v.bits != bits) v = {bits, ComeTestoCalcolato(x), true};
        return v.letto;
    }

  private:
    struct Voce {
        uint32_t bits = 0;
        float letto = 0;
        bool piena = false;
    };
    std::array<Voce, 8192> voci_{};
};

}  // namespace

float ComeTesto(float x) {
    thread_local MemoriaTesto memoria;
    return memoria(x);
}

float StimaRischio(int inMano, int nonViste, int conValore) {
    const long long u = nonViste;
    const long long v = conValore < 0 ? 0 : (conValore > u ? u : conValore);
    const long long w = u - v;
    long long tot = 0, senza = 0;
    switch (inMano) {
        case 1:
            tot = u;
            senza = tot - v;
            break;
        case 2:
            tot = u * (u - 1) / 2;
            senza = w * (w - 1) / 2;
            break;
        default:
            tot = u * (u - 1) * (u - 2) / 6;
            senza = w * (w - 1) * (w - 2) / 6;
            break;
    }
    if (tot <= 0) return 0.0f;
    return static_cast<float>(-static_cast<double>(tot - senza) / static_cast<double>(tot));
}

float RischioScopa(const TableState& t, int lasciato, Sguardo sguardo, bool* sicura) {
    if (sicura) *sicura = false;
    const int h = t.carteInManoAdH;
    if (h <= 0 || lasciato <= 0 || lasciato >= 11) return 0.0f;
    if (sguardo == Sguardo::ManoUmano) {
        for (int p = 4; p <= 6; ++p) {
            if (t.valore(p) == lasciato) return -1.0f;
        }
        if (sicura) *sicura = true;
        return 0.0f;
    }
    return StimaRischio(h > 3 ? 3 : h, t.carteRimasteNelMazzo + h, t.valoriRimasti[lasciato]);
}

namespace {

// What one move brings: the points it wins at once, its weight towards the counts still open,
// and the sum of the values it leaves on the table.
struct Esito {
    float reali = 0.0f;
    Potenziale pot;
    int lasciato = 0;
};

// A capture: the Gnamm (or an ace spent on an ace), the five of hearts, and each open count the
// taken cards carry past its threshold, closed from then on in `aperto`. `copia` gets the
// counts after the capture.
inline Esito EsitoPresa(const TableState& t, const Ricerca& r, const Mossa& mossa,
                        const Colonna& pc, std::array<bool, 4>& aperto, std::array<int, 4>& copia) {
    const Card c = t.carta[mossa.posto];
    const int v = c.valore();
    Esito e;
    e.lasciato = r.sommaValoriSulTavolo;
    float g = 0.0f;
    if (mossa.gnamm && v != 1) g = kGnamm;
    if (!mossa.gnamm && v == 1) g = kAssoSprecato;

    std::array<int, 4> conta{};
    for (int k = 0; k < 4; ++k) conta[k] = pc.prese[k] + (pc.seiPreso[k] ? 1 : 0);
    const auto aggiungi = [&conta](Card x) {
        const auto a = Apporto(x);
        for (int k = 0; k < 4; ++k) conta[k] += a[k];
    };
    aggiungi(c);
    bool cinque = c == kCinqueDiCuori;
    for (int k = 0; k < mossa.numeroCatturate; ++k) {
        const Card x = t.carta[r.posto(mossa.catturate[k])];
        aggiungi(x);
        e.lasciato -= x.valore();
        cinque = cinque || x == kCinqueDiCuori;
    }
    std::array<float, 4> vinto{};
    for (int k = 0; k < 4; ++k) {
        if (aperto[k] && conta[k] > kSoglia[k]) {
            vinto[k] = 1.0f;
            aperto[k] = false;
        }
    }
    copia = conta;
    e.reali = vinto[kSette] + g + vinto[kQuadri] + vinto[kFigure] + vinto[kCarte] +
              (cinque ? 1.0f : 0.0f);

    AggiungiPotenziale(e.pot, c, true);
    for (int k = 0; k < mossa.numeroCatturate; ++k) {
        AggiungiPotenziale(e.pot, t.carta[r.posto(mossa.catturate[k])], false);
    }
    return e;
}

// A card laid on the table: an ace or the five of hearts given away, and the weight it carried.
inline Esito EsitoScarto(Card c, int sulTavolo) {
    Esito e;
    const int v = c.valore();
    if (v == 1) {
        e.reali = kAssoSprecato;
    } else if (c == kCinqueDiCuori) {
        e.reali = kCinqueDiCuoriLasciato;
    }
    Potenziale perso;
    AggiungiPotenziale(perso, c, true);
    e.pot.sette = -perso.sette;
    e.pot.quadri = -perso.quadri;
    e.pot.figure = -perso.figure;
    e.pot.carte = -perso.carte;
    e.lasciato = sulTavolo + v;
    return e;
}

}  // namespace

void ValutaMossePC(const TableState& t, const Ricerca& r, const ListaMosse& lista,
                   const Scoreboard& s, Sguardo sguardo, Valutazione& out) {
    for (int m = 1; m <= lista.mossePossibili; ++m) {
        const Mossa& mossa = lista[m];
        std::array<bool, 4> aperto{};
        for (int k = 0; k < 4; ++k) aperto[k] = !s.pc.punto[k] && !s.h.punto[k];
        const Esito e = mossa.presa() ? EsitoPresa(t, r, mossa, s.pc, aperto, out.copia)
                                      : EsitoScarto(t.carta[mossa.posto], r.sommaValoriSulTavolo);

        const float potenziali =
            (aperto[kQuadri] ? e.pot.quadri : 0.0f) + (aperto[kSette] ? e.pot.sette : 0.0f) +
            (aperto[kFigure] ? e.pot.figure : 0.0f) + (aperto[kCarte] ? e.pot.carte : 0.0f);
        bool sicura = false;
        const float rischio = RischioScopa(t, e.lasciato, sguardo, &sicura);

        // The fields keep what their text keeps; the total adds what the fields read back to
        // the risk just computed, as the choice will see it.
        out.puntiReali[m] = ComeTesto(e.reali);
        out.puntiPotenziali[m] = ComeTesto(potenziali);
        out.rischioScopa[m] = ComeTesto(rischio);
        out.puntiTotali[m] =
            ComeTesto(mossa.presa() ? out.puntiPotenziali[m] + out.puntiReali[m] + rischio
                                    : e.reali + out.puntiPotenziali[m] + rischio);
        out.expTotale[m] = e.lasciato;
        out.sicura[m] = sicura;
    }
}

}  // namespace gnamm
