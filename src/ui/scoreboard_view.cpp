#include "ui/scoreboard_view.h"

#include <array>
#include <string>
#include <string_view>

#include "data/asset_catalog.h"
#include "game/game.h"

namespace gnamm {

namespace {

struct Scritta {
    std::string_view testo;
    std::string_view tooltip;
};

// lblScritte(0..24).
constexpr std::array<Scritta, 25> kScritte = {{
    {"Prese:",
     "Colonne che riportano il numero di 'prese' per ciascun punto di mazzo e per ciascun "
     "Giocatore"},
    {"Maggior numero di:", "Colonna che riguarda gli obiettivi dei vari punti di mazzo"},
    {"Punti:",
     "Colonne che riportano i punti conseguiti dai giocatori sia nelle prese GNAMM che nei vari "
     "punti di mazzo"},
    {"6",
     "Colonna che riporta i semi corrispondondenti ai 6 che, in caso di parità carte, "
     "determinano l'assegnazione del relativo punto di mazzo"},
    {">",
     "Colonna che riporta il numero di carte da superare per ottenere il punto di mazzo "
     "corispondente"},
    {"Z",
     "Numero di prese effettuate da Nonno Zeb per i vari Punti di mazzo (in azzurro se ha "
     "catturato il 6 relativo)"},
    {"Z", "Punti conseguiti da Nonno Zeb sia nei vari punti di mazzo che nelle prese GNAMM"},
    {"*",
     "Numero di prese effettuate dal Giocatore umano per i vari Punti di mazzo (in azzurro se ha "
     "catturato il 6 relativo)"},
    {"*",
     "Punti conseguiti dal Giocatore umano sia nei vari punti di mazzo che nelle prese GNAMM "},
    {"2", "Numero di carte da superare per ottenere il punto di 'Sette'"},
    {"5", "Numero di carte da superare per ottenere il punto di 'Quadri'"},
    {"6", "Numero di carte da superare per ottenere il punto di 'Figure''"},
    {"20", "Numero di carte da superare per ottenere il punto di 'Carte'"},
    {"Sette",
     "Riga che indica le prese di Sette e il Giocatore che ha conseguito il relativo Punto di "
     "mazzo"},
    {"Quadri",
     "Riga che indica le prese di Quadri e il Giocatore che ha conseguito il relativo Punto di "
     "mazzo"},
    {"Figure",
     "Riga che indica le prese di Figure e il Giocatore che ha conseguito il relativo Punto di "
     "mazzo"},
    {"Carte",
     "Riga che indica le prese di Carte e il Giocatore che ha conseguito il relativo Punto di "
     "mazzo"},
    {"5 di Cuori",
     "Riga che indica la presa del 5 di Cuori e il Giocatore che ha conseguito il relativo Punto "
     "di mazzo"},
    {"Punti GNAMM",
     "Riga che indica i Punti Gnamm (ovvero le tradizionali 'scope') conseguiti dai Giocatori "},
    {"Punti Gioco in corso",
     "Riga che indica i Punti Totali (Punti di mazzo + Punti Gnamm) del Gioco in corso"},
    {"Carte Rimaste nel Mazzo:", "Numero carte rimaste nel mazzo dopo la distribuzione"},
    {"N° Gioco:", "Numero di 'Gioco' della Partita in corso"},
    {"N° Manche:",
     "Numero di 'manche' del Gioco in corso (ogni Gioco è composto da 6 'distribuzioni di "
     "carte')"},
    {"Partite Vinte - Punti totali Partita", ""},
    {"DATI TORNEO IN CORSO", ""},
}};

constexpr std::string_view kDalGiocatore = "dal Giocatore umano";
constexpr std::string_view kDaZeb = "da Nonno Zeb";
constexpr std::array<std::string_view, 4> kRighe = {"Sette", "Quadri", "Figure", "Carte"};

// The count and point fields of one player, in row order.
struct CampiGiocatore {
    std::array<Element*, 4> prese;
    std::array<Element*, 4> punti;
    Element* cinqueDiCuori;
    Element* gnamm;
    Element* giocoInCorso;
};

CampiGiocatore Campi(Screen& s, Player p) {
    if (p == Player::H) {
        return {{&s.lblSetteH, &s.lblQuadriH, &s.lblFigureH, &s.lblCarteH},
                {&s.lblPuntiSetteH, &s.lblPuntiQuadriH, &s.lblPuntiFigureH, &s.lblPuntiCarteH},
                &s.lblPunti5DiCuoriH,
                &s.lblPuntiGnammH,
                &s.lblPuntiGiocoInCorsoH};
    }
    return {{&s.lblSettePC, &s.lblQuadriPC, &s.lblFigurePC, &s.lblCartePC},
            {&s.lblPuntiSettePC, &s.lblPuntiQuadriPC, &s.lblPuntiFigurePC, &s.lblPuntiCartePC},
            &s.lblPunti5DiCuoriPC,
            &s.lblPuntiGnammPC,
            &s.lblPuntiGiocoInCorsoPC};
}

void TooltipGiocatore(Screen& s, Player p) {
    const std::string chi(p == Player::H ? kDalGiocatore : kDaZeb);
    CampiGiocatore c = Campi(s, p);
    for (int r = 0; r < 4; ++r) {
        const std::string riga(kRighe[r]);
        c.prese[r]->tooltip = "Prese di " + riga + " effettuate " + chi +
                              " (in azzurro se ha catturato il 6 relativo)";
        c.punti[r]->tooltip = "Eventuale punto di mazzo (di " + riga + ") conseguito " + chi;
    }
    c.cinqueDiCuori->tooltip = "Eventuale punto di mazzo (5 di Cuori) conseguito " + chi;
    c.gnamm->tooltip = "Eventuali Punti Gnamm conseguiti " + chi;
    c.giocoInCorso->tooltip =
        "Totale Punti del Gioco in corso (Punti di mazzo + Punti Gnamm) conseguiti " + chi;
    for (Element* e : c.prese) e->opaque = true;
    for (Element* e : c.punti) e->opaque = true;
    c.cinqueDiCuori->opaque = true;
    c.gnamm->opaque = true;
    c.giocoInCorso->opaque = true;
}

void MostraPunto(Element& e, bool assegnato) {
    e.text = assegnato ? "1" : "0";
    e.back = assegnato ? colors::kRed : colors::kWhite;
}

void RefreshGiocatore(Screen& s, const Colonna& col, Player p) {
    CampiGiocatore c = Campi(s, p);
    for (int r = 0; r < 4; ++r) {
        c.prese[r]->text = std::to_string(col.prese[r]);
        c.prese[r]->back = col.seiPreso[r] ? colors::kLightBlue : colors::kWhite;
        MostraPunto(*c.punti[r], col.punto[r]);
    }
    MostraPunto(*c.cinqueDiCuori, col.punto5DiCuori);
    c.gnamm->text = std::to_string(col.puntiGnamm);
    c.gnamm->back = colors::kWhite;
    c.giocoInCorso->text = std::to_string(col.puntiGiocoInCorso);
    c.giocoInCorso->back = colors::kWhite;
}

}  // namespace

void ApplicaScritteTabellone(Screen& s) {
    for (size_t i = 0; i < kScritte.size(); ++i) {
        s.lblScritte[i].text = std::string(kScritte[i].testo);
        s.lblScritte[i].tooltip = std::string(kScritte[i].tooltip);
    }
    s.ImgSemi.picture = std::string(assets::kQuattroSemi);
    s.ImgSemi.tooltip =
        "I semi corrispondenti ai 6 che, in caso di parità di prese, determinano l'assegnazione "
        "del reltivo punto di mazzo";
    TooltipGiocatore(s, Player::H);
    TooltipGiocatore(s, Player::PC);
    s.lblCarteRimasteNelMazzo.tooltip = std::string(kScritte[20].tooltip);
    s.lblGioco.tooltip = std::string(kScritte[21].tooltip);
    s.lblManche.tooltip = std::string(kScritte[22].tooltip);
    s.lblPartitePC.tooltip =
        "Numero Partite vinte da Nonno Zeb: per vincere un Torneo ne occorrono 3";
    s.lblPartiteH.tooltip =
        "Numero Partite vinte dal Giocatore umano: per vincere un Torneo ne occorrono 3";
    s.lblPC.tooltip = "'Stile di gioco' di Nonno Zeb";
    s.lblH.tooltip = "Nome Giocatore umano";
}

void RefreshScoreboard(Game& g) {
    Screen& s = g.screen;
    RefreshGiocatore(s, g.punteggi.h, Player::H);
    RefreshGiocatore(s, g.punteggi.pc, Player::PC);
    s.lblPuntiH.text = std::to_string(g.punteggi.h.puntiPartita);
    s.lblPuntiPC.text = std::to_string(g.punteggi.pc.puntiPartita);
    s.lblPartiteH.text = std::to_string(g.partita.partiteH);
    s.lblPartitePC.text = std::to_string(g.partita.partitePC);
    s.lblCarteRimasteNelMazzo.text = std::to_string(g.tavolo.carteRimasteNelMazzo);
    s.lblGioco.text = std::to_string(g.partita.gioco);
    s.lblManche.text = std::to_string(g.tavolo.manche);
}

}  // namespace gnamm
