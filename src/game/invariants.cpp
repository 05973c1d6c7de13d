#include "game/invariants.h"

#include <algorithm>
#include <array>

#include "game/end_of_gioco.h"
#include "game/game_save.h"
#include "rules/capture_rules.h"

namespace gnamm {

namespace {

using Violazioni = std::vector<std::string>;

constexpr std::array<const char*, 4> kNomiPunti = {"Sette", "Quadri", "Figure", "Carte"};

int Conta(const auto& flags) {
    return static_cast<int>(std::count(flags.begin(), flags.end(), true));
}

int CarteIn(const TableState& t, int da, int a) {
    int n = 0;
    for (int p = da; p <= a; ++p) n += t.carta[p].empty() ? 0 : 1;
    return n;
}

// The shuffled deck: every entry a card (between Giochi none is).
bool Mescolato(const TableState& t) {
    return std::none_of(t.carteDaGiocare.begin() + 1, t.carteDaGiocare.end(),
                        [](Card c) { return c.empty(); });
}

// Where each card is not: true for the cards still in the deck or in a card place.
std::array<bool, 41> FuoriDallePile(const TableState& t) {
    std::array<bool, 41> fuori{};
    for (int i = 1; i <= 40; ++i) {
        if (!t.distribuita[i]) fuori[t.carteDaGiocare[i].deckPosition()] = true;
    }
    for (const Card c : t.carta) {
        if (!c.empty()) fuori[c.deckPosition()] = true;
    }
    return fuori;
}

void ControllaMazzo(const TableState& t, const std::array<bool, 41>& neiPosti, Violazioni& out) {
    const bool vuoto = std::all_of(t.carteDaGiocare.begin() + 1, t.carteDaGiocare.end(),
                                   [](Card c) { return c.empty(); });
    if (vuoto) return;  // not shuffled yet: the count of cards below says the rest
    if (!Mescolato(t)) {
        out.push_back("the deck is partly empty");
        return;
    }
    std::array<bool, 41> visto{};
    int nelMazzo = 0;
    for (int i = 1; i <= 40; ++i) {
        const int pos = t.carteDaGiocare[i].deckPosition();
        if (visto[pos]) out.push_back("a card twice in the deck: " + t.carteDaGiocare[i].code());
        visto[pos] = true;
        if (t.distribuita[i]) continue;
        ++nelMazzo;
        if (neiPosti[pos])
            out.push_back("a card in the deck and in a place: " + t.carteDaGiocare[i].code());
    }
    if (nelMazzo != t.carteRimasteNelMazzo) out.push_back("CarteRimasteNelMazzo is off");
}

}  // namespace

std::vector<std::string> ControllaCarte(const TableState& t, const Scoreboard& s,
                                        int cartaGiocata) {
    Violazioni out;
    std::array<bool, 41> neiPosti{};
    int carte = t.carteRimasteNelMazzo + s.pc.prese[3] + s.h.prese[3];
    for (int p = 0; p < kNumeroPosti; ++p) {
        const Card c = t.carta[p];
        if (c.empty()) continue;
        const bool ammesso = IsManoPC(p) || IsManoH(p) || IsPostoTavolo(p);
        if (!ammesso) out.push_back("a card outside the card places: " + std::to_string(p));
        if (neiPosti[c.deckPosition()]) out.push_back("a card twice: " + c.code());
        neiPosti[c.deckPosition()] = true;
        ++carte;
    }
    ControllaMazzo(t, neiPosti, out);
    int sulTavolo = 0;
    bool asso = false;
    for (const int p : kPostiTavolo) {
        sulTavolo += t.carta[p].empty() ? 0 : 1;
        asso = asso || t.carta[p].isAce();
    }
    // The card played stays in its hand place until it is taken or laid.
    const bool giocataInMano = IsManoH(cartaGiocata) && !t.carta[cartaGiocata].empty();
    if (sulTavolo != t.numeroCarteSulTavolo) out.push_back("NumeroCarteSulTavolo is off");
    if (CarteIn(t, 1, 3) != t.carteInManoAPC) out.push_back("CarteInManoAPC is off");
    if (CarteIn(t, 4, 6) - (giocataInMano ? 1 : 0) != t.carteInManoAdH) {
        out.push_back("CarteInManoAdH is off");
    }
    if (asso != t.assoInTavola) out.push_back("AssoInTavola is off");
    if (carte != 40) out.push_back("cards accounted for: " + std::to_string(carte));
    return out;
}

std::vector<std::string> ControllaConti(const TableState& t, const Scoreboard& s, int cartaGiocata,
                                        bool giocoFinito) {
    Violazioni out;
    if (!Mescolato(t)) return out;  // no Gioco under way: nothing taken, nothing seen
    const std::array<bool, 41> fuori = FuoriDallePile(t);
    std::array<int, 4> nellePile{};  // 7s, Quadri, figures, cards
    std::array<int, 11> nonVisti{};  // by value: in the deck or in the human's hand
    for (int pos = 1; pos <= 40; ++pos) {
        const Card c = Card::FromDeckPosition(pos);
        if (fuori[pos]) continue;
        nellePile[0] += c.valore() == 7 ? 1 : 0;
        nellePile[1] += c.seme() == 'q' ? 1 : 0;
        nellePile[2] += c.isFigure() ? 1 : 0;
        nellePile[3] += 1;
    }
    for (int i = 1; i <= 40; ++i) {
        if (!t.distribuita[i]) ++nonVisti[t.carteDaGiocare[i].valore()];
    }
    for (int p = 4; p <= 6; ++p) {
        if (p != cartaGiocata && !t.carta[p].empty()) ++nonVisti[t.carta[p].valore()];
    }
    for (int v = 1; v <= 10; ++v) {
        if (t.valoriRimasti[v] != nonVisti[v]) {
            out.push_back("ValoriRimasti of " + std::to_string(v) + " is off");
        }
    }
    const Colonna& pc = s.pc;
    const Colonna& h = s.h;
    for (int k = 0; k < 4; ++k) {
        const std::string riga = kNomiPunti[k];
        if (pc.prese[k] + h.prese[k] != nellePile[k]) out.push_back(riga + " counts are off");
        const bool seiPreso = !fuori[kSeiSpareggio[k].deckPosition()];
        if (pc.seiPreso[k] + h.seiPreso[k] != (seiPreso ? 1 : 0)) {
            out.push_back("the tie six of " + riga + " is off");
        }
        const auto merita = [&](const Colonna& c) {
            return c.prese[k] > kSoglia[k] || (c.prese[k] == kSoglia[k] && c.seiPreso[k]);
        };
        // After the last card the points still open go by the computer's count alone.
        const bool alPC = merita(pc);
        const bool adH = giocoFinito ? !alPC : merita(h);
        if (pc.punto[k] != alPC || h.punto[k] != adH) {
            out.push_back("the " + riga + " point does not follow the counts");
        }
    }
    const bool cinque = !fuori[kCinqueDiCuori.deckPosition()];
    if (pc.punto5DiCuori + h.punto5DiCuori != (cinque ? 1 : 0)) {
        out.push_back("the 5 di Cuori point is off");
    }
    for (const Colonna* c : {&pc, &h}) {
        if (c->puntiGiocoInCorso != Conta(c->punto) + c->punto5DiCuori + c->puntiGnamm) {
            out.push_back("a Gioco total differs from deck points plus Punti Gnamm");
        }
        if (c->puntiPartita < c->puntiGiocoInCorso) {
            out.push_back("a Partita total is below its Gioco's");
        }
    }
    return out;
}

std::vector<std::string> ControllaMucchi(const Mucchi& m, const Scoreboard& s,
                                         MomentoMucchi quando) {
    Violazioni out;
    const bool fermo = quando != MomentoMucchi::InGioco;
    const auto controlla = [&](const Mucchio& x, const Colonna& c, const std::string& chi) {
        if (static_cast<int>(x.gnamm.size()) != c.puntiGnamm) {
            out.push_back(chi + "'s pile holds " + std::to_string(x.gnamm.size()) +
                          " Punti Gnamm, the scoreboard " + std::to_string(c.puntiGnamm));
        }
        if (x.carte > c.prese[3] || (fermo && x.carte != c.prese[3])) {
            out.push_back(chi + "'s pile holds " + std::to_string(x.carte) +
                          " cards, the scoreboard " + std::to_string(c.prese[3]));
        }
        if (static_cast<int>(x.ultimaPresa.size()) > x.carte) {
            out.push_back(chi + "'s last capture is bigger than the pile");
        }
    };
    controlla(m.pc, s.pc, "Zeb");
    controlla(m.h, s.h, "the human");
    if (quando == MomentoMucchi::FineGioco && m.pc.carte + m.h.carte != 40) {
        out.push_back("the piles hold " + std::to_string(m.pc.carte + m.h.carte) + " cards");
    }
    // A card is taken once: it sweeps at most once, and is in one last capture at most. A sweep
    // from a save of before the piles has no card.
    const auto unaVolta = [&](std::vector<Card> carte, const char* cosa, bool ignote) {
        std::array<bool, 41> visto{};
        for (const Card c : carte) {
            if (c.empty() && ignote) continue;
            if (c.empty() || visto[c.deckPosition()])
                out.push_back(std::string(cosa) + " repeats a card");
            if (!c.empty()) visto[c.deckPosition()] = true;
        }
    };
    std::vector<Card> gnamm = m.pc.gnamm, ultime = m.pc.ultimaPresa;
    gnamm.insert(gnamm.end(), m.h.gnamm.begin(), m.h.gnamm.end());
    ultime.insert(ultime.end(), m.h.ultimaPresa.begin(), m.h.ultimaPresa.end());
    unaVolta(gnamm, "the Punti Gnamm", true);
    unaVolta(ultime, "the last captures", false);
    return out;
}

namespace {

// The timers that carry the play on (the deal, a capture, the computer's move, the last cards,
// the farewell): none runs while the game waits for the player.
constexpr std::array<Timer, 7> kTimerDiGioco = {Timer::Scegli4CarteSulTavolo,
                                                Timer::Scegli6Carte,
                                                Timer::ScompaionoCarteH,
                                                Timer::RitardoMossaPC,
                                                Timer::EffettuaMossaPC,
                                                Timer::UltimeCarte,
                                                Timer::Esci};

void ControllaPausa(const GiocoSalvato& s, Violazioni& out) {
    const TableState& t = s.tavolo;
    const MatchState& m = s.partita;
    if (CarteIn(t, 1, kNumeroPosti - 1) != 0) out.push_back("cards left out in the pause");
    if (s.umano.cartaGiocata != 0 || s.umano.puoiScegliere)
        out.push_back("a card in play in the pause");
    if (t.manche != 6 || t.carteRimasteNelMazzo != 0)
        out.push_back("the pause before the last Manche");
    // The Partite already count the Gioco just ended.
    const bool pc = m.esito == EsitoGioco::PartitaPC, h = m.esito == EsitoGioco::PartitaH;
    const EsitoGioco atteso = DecidiEsito(s.punteggi.pc.puntiPartita, s.punteggi.h.puntiPartita,
                                          m.partitePC - (pc ? 1 : 0), m.partiteH - (h ? 1 : 0));
    if (atteso != m.esito || m.giocoTerminato != (pc || h)) {
        out.push_back("the outcome does not follow the totals");
    }
}

void ControllaScelta(const TableState& t, const HumanTurnState& u, Violazioni& out) {
    const Card giocata = t.carta[u.cartaGiocata];
    const EsitoPresa esito = DecidiPresa(t.carta, giocata).esito;
    if (esito != (u.valoriUguali ? EsitoPresa::SceltaUguali : EsitoPresa::SceltaSomma)) {
        out.push_back("a pick the table does not allow");
    }
    int somma = 0;
    for (int p = 0; p < kNumeroPosti; ++p) {
        if (u.marcaPresa[p]) out.push_back("a card marked for capture during a pick");
        if (!u.scelta[p]) continue;
        if (!IsPostoTavolo(p) || t.carta[p].empty() || u.valoriUguali) {
            out.push_back("a pick of no table card");
        }
        somma += t.valore(p);
    }
    if (somma != u.valoreTotalePresa || somma >= giocata.valore()) {
        out.push_back("the cards picked do not add up");
    }
}

void ControllaTurno(const GiocoSalvato& s, Violazioni& out) {
    const TableState& t = s.tavolo;
    const HumanTurnState& u = s.umano;
    if (s.partita.giocoTerminato) out.push_back("GiocoTerminato during a Gioco");
    if (t.manche < 1 || t.carteRimasteNelMazzo != 36 - 6 * t.manche) {
        out.push_back("the Manche and the deck disagree");
    }
    const int giocateH = 3 - t.carteInManoAdH, giocatePC = 3 - t.carteInManoAPC;
    if (giocateH + giocatePC != t.numeroCarteGiocate) out.push_back("NumeroCarteGiocate is off");
    // The dealer's opponent leads each Manche; then the two take turns.
    const int primaH = t.mazziere == Player::PC ? 1 : 0;
    if (u.cartaGiocata == 0) {
        if (t.aChiTocca != Player::H) out.push_back("neither the human's turn nor a pick");
        if (u.puoiScegliere || u.valoriUguali || u.presaDecisa || u.valoreTotalePresa != 0 ||
            Conta(u.marcaPresa) + Conta(u.scelta) != 0) {
            out.push_back("a pick with no card played");
        }
        if (t.carteInManoAdH == 0) out.push_back("the human's turn with no card in hand");
        if (giocatePC - giocateH != 1 - primaH) out.push_back("the turn is not the human's");
        return;
    }
    if (!IsManoH(u.cartaGiocata) || t.carta[u.cartaGiocata].empty()) {
        out.push_back("the card played is not in the human's hand");
        return;
    }
    if (t.aChiTocca != Player::PC) out.push_back("a card played and the human still to play");
    if (!u.puoiScegliere || u.presaDecisa) out.push_back("a card played with no pick under way");
    if (giocateH - giocatePC != primaH) out.push_back("the turn is not the human's");
    ControllaScelta(t, u, out);
}

}  // namespace

std::vector<std::string> ControllaTorneo(const GiocoSalvato& s) {
    const TableState& t = s.tavolo;
    const bool pausa = s.partita.esito != EsitoGioco::InCorso;
    Violazioni out = ControllaCarte(t, s.punteggi, s.umano.cartaGiocata);
    for (std::string& v : ControllaConti(t, s.punteggi, s.umano.cartaGiocata, pausa)) {
        out.push_back(std::move(v));
    }
    if (s.partita.torneoFinito()) out.push_back("the Torneo is over");
    for (const TimerSalvato& ts : s.timer) {
        if (ts.acceso && std::find(kTimerDiGioco.begin(), kTimerDiGioco.end(), ts.timer) !=
                             kTimerDiGioco.end()) {
            out.push_back(std::string(TimerName(ts.timer)) + " runs while the game waits");
        }
    }
    if (pausa) {
        ControllaPausa(s, out);
    } else {
        ControllaTurno(s, out);
    }
    return out;
}

}  // namespace gnamm
