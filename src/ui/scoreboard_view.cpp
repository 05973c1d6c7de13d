#include "ui/scoreboard_view.h"

#include <array>
#include <string>
#include <string_view>

#include "data/asset_catalog.h"
#include "game/game.h"
#include "ui/screen.h"

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

// Where the grid sits: the scoreboard in the "Punti" box, the Torneo data in the "Dati" box.
// Rectangles are relative to the box (3060 x 3000 and 3060 x 2760).
constexpr FrameId kPunti = RiquadroFrame(1);
constexpr FrameId kDati = RiquadroFrame(0);
constexpr int kRigaY = 600;   // first row of the grid
constexpr int kRigaH = 330;   // row pitch
constexpr int kCellaW = 300;  // a count or point field
constexpr int kEtichettaX = 60;
constexpr int kEtichettaW = 1080;
constexpr int kSeiX = 1140;
constexpr int kSogliaX = 1410;
// Columns of the counts and points: Z then * for "Prese:", Z then * for "Punti:".
constexpr std::array<int, 4> kColonneX = {1740, 2060, 2400, 2720};

void Posiziona(Element& e, FrameId frame, Rect r, Align align = Align::Center, bool bold = false) {
    e.frame = frame;
    e.rect = r;
    e.align = align;
    e.bold = bold;
    e.visible = true;
}

Rect Cella(int colonna, int riga) {
    return {kColonneX[colonna], kRigaY + riga * kRigaH, kCellaW, kRigaH - 30};
}

void ImpostaGriglia(Screen& s) {
    auto& t = s.lblScritte;
    Posiziona(t[1], kPunti, {kEtichettaX, 60, kEtichettaW, 480}, Align::Left, true);
    Posiziona(t[0], kPunti, {kColonneX[0], 60, 2 * kCellaW + 20, 240}, Align::Center, true);
    Posiziona(t[2], kPunti, {kColonneX[2], 60, 2 * kCellaW + 20, 240}, Align::Center, true);
    Posiziona(t[3], kPunti, {kSeiX, 300, 240, 240}, Align::Center, true);
    Posiziona(t[4], kPunti, {kSogliaX, 300, 300, 240}, Align::Center, true);
    Posiziona(t[5], kPunti, {kColonneX[0], 300, kCellaW, 240}, Align::Center, true);
    Posiziona(t[7], kPunti, {kColonneX[1], 300, kCellaW, 240}, Align::Center, true);
    Posiziona(t[6], kPunti, {kColonneX[2], 300, kCellaW, 240}, Align::Center, true);
    Posiziona(t[8], kPunti, {kColonneX[3], 300, kCellaW, 240}, Align::Center, true);
    for (int r = 0; r < 4; ++r) {
        Posiziona(t[9 + r], kPunti, {kSogliaX, kRigaY + r * kRigaH, 300, kRigaH - 30});
    }
    for (int r = 0; r < 7; ++r) {
        Posiziona(t[13 + r], kPunti, {kEtichettaX, kRigaY + r * kRigaH, kEtichettaW, kRigaH - 30},
                  Align::Left, true);
    }
    // The last three rows have no count columns, so their captions may run on to the point
    // columns and stay on one line.
    t[19].rect.h = 390;
    for (const int i : {17, 18, 19})
        t[static_cast<std::size_t>(i)].rect.w = kColonneX[2] - 90 - kEtichettaX;
    Posiziona(s.ImgSemi, kPunti, {kSeiX, kRigaY, 240, 4 * kRigaH - 30});

    for (const Player p : {Player::PC, Player::H}) {
        CampiGiocatore c = Campi(s, p);
        const int presa = p == Player::PC ? 0 : 1;
        const int punto = p == Player::PC ? 2 : 3;
        for (int r = 0; r < 4; ++r) {
            Posiziona(*c.prese[r], kPunti, Cella(presa, r));
            Posiziona(*c.punti[r], kPunti, Cella(punto, r));
        }
        Posiziona(*c.cinqueDiCuori, kPunti, Cella(punto, 4));
        Posiziona(*c.gnamm, kPunti, Cella(punto, 5));
        Posiziona(*c.giocoInCorso, kPunti, Cella(punto, 6), Align::Center, true);
    }
}

void ImpostaDati(Screen& s) {
    auto& t = s.lblScritte;
    Posiziona(t[24], kDati, {60, 60, 2940, 300}, Align::Center, true);
    Posiziona(t[23], kDati, {60, 420, 2940, 300}, Align::Right);
    const std::array<std::pair<Player, int>, 2> righe = {{{Player::PC, 780}, {Player::H, 1140}}};
    for (const auto& [p, y] : righe) {
        const bool pc = p == Player::PC;
        Element& nome = pc ? s.lblPC : s.lblH;
        Element& partite = pc ? s.lblPartitePC : s.lblPartiteH;
        Element& punti = pc ? s.lblPuntiPC : s.lblPuntiH;
        Posiziona(nome, kDati, {60, y, 1860, 300}, Align::Left, true);
        nome.shrinkToFit = true;  // a name of 24 characters stays in its row
        Posiziona(partite, kDati, {1980, y, 420, 300}, Align::Center, true);
        Posiziona(punti, kDati, {2460, y, 540, 300}, Align::Center, true);
        // The computer's name and points stand on pink, the human's on rose.
        for (Element* e : {&nome, &punti}) {
            e->opaque = true;
            e->back = pc ? colors::kPink : colors::kRose;
        }
    }
    const std::array<std::pair<Element*, int>, 3> dati = {
        {{&s.lblCarteRimasteNelMazzo, 20}, {&s.lblGioco, 21}, {&s.lblManche, 22}}};
    for (size_t i = 0; i < dati.size(); ++i) {
        const int y = 1620 + static_cast<int>(i) * 360;
        Posiziona(t[dati[i].second], kDati, {60, y, 2220, 300}, Align::Left, true);
        Posiziona(*dati[i].first, kDati, {2340, y, 660, 300}, Align::Center, true);
    }
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
    ImpostaGriglia(s);
    ImpostaDati(s);
}

void RefreshScoreboard(Screen& s, const Game& g) {
    RefreshGiocatore(s, g.punteggi.h, Player::H);
    RefreshGiocatore(s, g.punteggi.pc, Player::PC);
    s.lblPuntiH.text = std::to_string(g.punteggi.h.puntiPartita);
    s.lblPuntiPC.text = std::to_string(g.punteggi.pc.puntiPartita);
    s.lblPartiteH.text = std::to_string(g.partita.partiteH);
    s.lblPartitePC.text = std::to_string(g.partita.partitePC);
    s.lblCarteRimasteNelMazzo.text = std::to_string(g.tavolo.carteRimasteNelMazzo);
    s.lblGioco.text = std::to_string(g.partita.gioco);
    s.lblManche.text = std::to_string(g.tavolo.manche);
    s.lblH.text = g.nome;
    s.lblAssoInTavola.text = g.tavolo.assoInTavola ? "Asso: Si" : "Asso: No";
    // Red while it holds the computer's move.
    s.lblTimer.opaque = g.pc.inPausa;
    s.lblTimer.back = colors::kRed;
    // Before the first level is chosen the row still says whose it is, not an empty bar.
    s.lblPC.text =
        g.livello == Livello::None ? std::string("Nonno Zeb") : std::string(LivelloText(g.livello));
}

}  // namespace gnamm
