// The player's record page: one column of captions and one of counts per level.
#include "ui/statistics_page.h"

#include <array>
#include <string>

#include "rules/livello.h"
#include "ui/panels_layout.h"
#include "ui/screen.h"

namespace gnamm {

namespace {

// The levels in the record's order.
constexpr std::array<Livello, 3> kLivelli = {Livello::Honest, Livello::Cunning, Livello::Cheat};

// The rows of the page: the caption, and the count it shows from one level's record.
struct Riga {
    const char* titolo;
    std::string (*valore)(const ContiLivello&);
};

std::string N(int n) {
    return std::to_string(n);
}

const std::array<Riga, 15> kRighe = {{
    {"Tornei vinti", [](const ContiLivello& c) { return N(c.torneiVinti); }},
    {"Tornei persi", [](const ContiLivello& c) { return N(c.torneiPersi); }},
    {"Partite vinte", [](const ContiLivello& c) { return N(c.partiteVinte); }},
    {"Partite perse", [](const ContiLivello& c) { return N(c.partitePerse); }},
    {"Giochi vinti", [](const ContiLivello& c) { return N(c.giochiVinti); }},
    {"Giochi persi", [](const ContiLivello& c) { return N(c.giochiPersi); }},
    {"Punti Gnamm", [](const ContiLivello& c) { return N(c.puntiGnamm); }},
    {"Punti Sette", [](const ContiLivello& c) { return N(c.puntiMazzo[0]); }},
    {"Punti Quadri", [](const ContiLivello& c) { return N(c.puntiMazzo[1]); }},
    {"Punti Figure", [](const ContiLivello& c) { return N(c.puntiMazzo[2]); }},
    {"Punti Carte", [](const ContiLivello& c) { return N(c.puntiMazzo[3]); }},
    {"Punti 5 di Cuori", [](const ContiLivello& c) { return N(c.cinqueDiCuori); }},
    // The best Torneo won is the one with the fewest Partite lost on the way.
    {"Miglior Torneo",
     [](const ContiLivello& c) {
         return c.migliorTorneoPartitePerse < 0 ? std::string("-")
                                                : "3-" + N(c.migliorTorneoPartitePerse);
     }},
    {"Serie di Giochi vinti", [](const ContiLivello& c) { return N(c.serieGiochiVinti); }},
    {"Consigli usati", [](const ContiLivello& c) { return N(c.aiuti); }},
}};

// Design twips: the page covers the panels' place.
constexpr int kRigaH = 330;    // 16 rows: the level names and the 15 counts
constexpr int kTestaY = 1140;  // the level names; the rows follow
constexpr std::size_t kColonne = 4;
constexpr std::array<int, 4> kColonnaX = {240, 2400, 3540, 4680};
constexpr std::array<int, 4> kColonnaW = {2160, 1080, 1080, 1080};

Element Testo(Rect r, std::string text, float font, bool bold, Align align = Align::Left) {
    Element e;
    e.rect = {kPannello.x + r.x, kPannello.y + r.y, r.w, r.h};
    e.text = std::move(text);
    e.fontSize = font;
    e.bold = bold;
    e.align = align;
    e.visible = false;
    return e;
}

void Mostra(Screen& s, bool visibile) {
    s.FraStatistiche.visible = visibile;
    s.lblTitoloStatistiche.visible = visibile;
    s.lblChiudiStatistiche.visible = visibile;
    for (Element& e : s.lblStatistiche) e.visible = visibile;
}

}  // namespace

void LayoutStatistiche(Screen& s) {
    s.FraStatistiche = Testo({0, 0, kPannello.w, kPannello.h}, "", 8.25f, false);
    s.FraStatistiche.opaque = true;
    s.FraStatistiche.border = true;
    s.lblTitoloStatistiche =
        Testo({240, 240, 5280, 480}, "Statistiche", 15.75f, true, Align::Center);
    s.lblTitoloStatistiche.shrinkToFit = true;  // with a name of any length
    for (std::size_t i = 0; i < s.lblStatistiche.size(); ++i) {
        const std::size_t riga = i / kColonne, k = i % kColonne;
        const int y = kTestaY + kRigaH * static_cast<int>(riga);
        s.lblStatistiche[i] = Testo({kColonnaX[k], y, kColonnaW[k], kRigaH}, "", 9.75f,
                                    k == 0 || riga == 0, k == 0 ? Align::Left : Align::Center);
    }
    s.lblChiudiStatistiche =
        Testo({240, 7260, 5280, 420}, "Per chiudere questa pagina premi INVIO!", 9.75f, true,
              Align::Center);
    s.lblChiudiStatistiche.fore = colors::kYellow;
    // On the hall-of-fame panel, below the ranking.
    s.lblApriStatistiche = Testo({0, 0, 0, 0}, "Statistiche", 9.75f, true, Align::Center);
    s.lblApriStatistiche.rect = {2040, 6720, 1680, 390};
    s.lblApriStatistiche.frame = FrameId::Pannello3;
    s.lblApriStatistiche.fore = colors::kWhite;
    s.lblApriStatistiche.border = true;
    s.lblApriStatistiche.borderColor = colors::kWhite;
    s.lblApriStatistiche.visible = true;
}

void ApriStatistiche(Screen& s, const std::string& nome, const Statistiche& record) {
    const auto trovato = record.find(nome);
    const ContiGiocatore conti = trovato == record.end() ? ContiGiocatore{} : trovato->second;
    s.lblTitoloStatistiche.text = "Statistiche di " + nome;
    auto cella = [&s](std::size_t riga, std::size_t k) -> std::string& {
        return s.lblStatistiche[riga * kColonne + k].text;
    };
    for (std::size_t l = 0; l < kLivelli.size(); ++l) {
        // "'Honest' Zeb" without Zeb, to fit the column.
        const std::string_view nome = LivelloText(kLivelli[l]);
        cella(0, l + 1) = std::string(nome.substr(0, nome.find(' ')));
    }
    for (std::size_t r = 0; r < kRighe.size(); ++r) {
        cella(r + 1, 0) = kRighe[r].titolo;
        for (std::size_t l = 0; l < kLivelli.size(); ++l) {
            cella(r + 1, l + 1) = kRighe[r].valore(conti[l]);
        }
    }
    s.FraStatistiche.back = s.windowBack;
    Mostra(s, true);
}

void ChiudiStatistiche(Screen& s) {
    Mostra(s, false);
}

bool StatisticheAperte(const Screen& s) {
    return s.FraStatistiche.visible;
}

}  // namespace gnamm
