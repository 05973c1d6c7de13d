#include "game/player_record.h"

#include <algorithm>
#include <iostream>

#include "data/data_folder.h"
#include "game/game.h"
#include "game/json_fields.h"

namespace gnamm {

namespace {

using nlohmann::json;
using namespace json_fields;
namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> kNomiLivelli = {"Honest", "Cunning", "Cheat"};
constexpr std::array<std::string_view, 4> kNomiPuntiMazzo = {"Sette", "Quadri", "Figure", "Carte"};
constexpr int kMassimo = 1000000000;

int IndiceLivello(Livello l) {
    switch (l) {
        case Livello::Honest:
            return 0;
        case Livello::Cunning:
            return 1;
        case Livello::Cheat:
            return 2;
        case Livello::None:
            break;
    }
    return -1;
}

json InJson(const ContiLivello& c) {
    json punti = json::object();
    for (std::size_t i = 0; i < kNomiPuntiMazzo.size(); ++i) {
        punti[std::string(kNomiPuntiMazzo[i])] = c.puntiMazzo[i];
    }
    punti["5 di Cuori"] = c.cinqueDiCuori;
    return {{"torneiVinti", c.torneiVinti},
            {"torneiPersi", c.torneiPersi},
            {"partiteVinte", c.partiteVinte},
            {"partitePerse", c.partitePerse},
            {"giochiVinti", c.giochiVinti},
            {"giochiPersi", c.giochiPersi},
            {"puntiGnamm", c.puntiGnamm},
            {"puntiMazzo", punti},
            {"migliorTorneoPartitePerse", c.migliorTorneoPartitePerse},
            {"serieGiochiVinti", c.serieGiochiVinti},
            {"serieInCorso", c.serieInCorso},
            {"aiuti", c.aiuti}};
}

ContiLivello DaJson(const json& o) {
    ContiLivello c;
    c.torneiVinti = Intero(o, "torneiVinti", 0, kMassimo);
    c.torneiPersi = Intero(o, "torneiPersi", 0, kMassimo);
    c.partiteVinte = Intero(o, "partiteVinte", 0, kMassimo);
    c.partitePerse = Intero(o, "partitePerse", 0, kMassimo);
    c.giochiVinti = Intero(o, "giochiVinti", 0, kMassimo);
    c.giochiPersi = Intero(o, "giochiPersi", 0, kMassimo);
    c.puntiGnamm = Intero(o, "puntiGnamm", 0, kMassimo);
    const json& punti = Campo(o, "puntiMazzo");
    for (std::size_t i = 0; i < kNomiPuntiMazzo.size(); ++i) {
        c.puntiMazzo[i] = Intero(punti, std::string(kNomiPuntiMazzo[i]).c_str(), 0, kMassimo);
    }
    c.cinqueDiCuori = Intero(punti, "5 di Cuori", 0, kMassimo);
    c.migliorTorneoPartitePerse = Intero(o, "migliorTorneoPartitePerse", -1, kPartiteTorneo - 1);
    c.serieGiochiVinti = Intero(o, "serieGiochiVinti", 0, kMassimo);
    c.serieInCorso = Intero(o, "serieInCorso", 0, c.serieGiochiVinti);
    c.aiuti = Intero(o, "aiuti", 0, kMassimo);
    return c;
}

// One more, without running over the largest count the file keeps.
void Piu(int& n, int quanto = 1) {
    n = std::min(kMassimo, n + quanto);
}

}  // namespace

void ContaGioco(ContiLivello& c, const Colonna& h, const Colonna& pc, EsitoGioco esito,
                int partitePCPrima) {
    if (h.puntiGiocoInCorso > pc.puntiGiocoInCorso) {
        Piu(c.giochiVinti);
        Piu(c.serieInCorso);
        c.serieGiochiVinti = std::max(c.serieGiochiVinti, c.serieInCorso);
    } else {
        if (h.puntiGiocoInCorso < pc.puntiGiocoInCorso) Piu(c.giochiPersi);
        c.serieInCorso = 0;
    }
    Piu(c.puntiGnamm, h.puntiGnamm);
    for (std::size_t i = 0; i < c.puntiMazzo.size(); ++i) {
        if (h.punto[i]) Piu(c.puntiMazzo[i]);
    }
    if (h.punto5DiCuori) Piu(c.cinqueDiCuori);
    switch (esito) {
        case EsitoGioco::TorneoH:
            Piu(c.torneiVinti);
            c.migliorTorneoPartitePerse =
                c.migliorTorneoPartitePerse < 0
                    ? partitePCPrima
                    : std::min(c.migliorTorneoPartitePerse, partitePCPrima);
            [[fallthrough]];
        case EsitoGioco::PartitaH:
            Piu(c.partiteVinte);
            break;
        case EsitoGioco::TorneoPC:
            Piu(c.torneiPersi);
            [[fallthrough]];
        case EsitoGioco::PartitaPC:
            Piu(c.partitePerse);
            break;
        case EsitoGioco::InCorso:
        case EsitoGioco::Continua:
        case EsitoGioco::Spareggio:
            break;
    }
}

std::string StatisticheInJson(const Statistiche& s) {
    json giocatori = json::object();
    for (const auto& [nome, livelli] : s) {
        json j = json::object();
        for (std::size_t i = 0; i < livelli.size(); ++i) {
            j[std::string(kNomiLivelli[i])] = InJson(livelli[i]);
        }
        giocatori[nome] = j;
    }
    return json{{"formato", kFormatoStatistiche}, {"giocatori", giocatori}}.dump(1) + "\n";
}

LetturaStatistiche StatisticheDaJson(std::string_view testo) {
    LetturaStatistiche out;
    const json j = json::parse(testo, nullptr, false);
    if (j.is_discarded()) {
        out.danneggiato = true;
        out.errore = "not JSON";
        return out;
    }
    try {
        Intero(j, "formato", kFormatoStatistiche, kFormatoStatistiche);
        const json& giocatori = Campo(j, "giocatori");
        if (!giocatori.is_object()) throw Guasto("giocatori is not an object");
        // Each player and level on its own: what reads is kept, the rest starts from zero.
        for (const auto& [nome, livelli] : giocatori.items()) {
            ContiGiocatore conti{};
            for (std::size_t i = 0; i < kNomiLivelli.size(); ++i) {
                try {
                    conti[i] = DaJson(Campo(livelli, std::string(kNomiLivelli[i]).c_str()));
                } catch (const Guasto& e) {
                    out.danneggiato = true;
                    if (out.errore.empty()) out.errore = nome + ": " + e.what();
                }
            }
            out.statistiche[nome] = conti;
        }
    } catch (const Guasto& e) {
        out.danneggiato = true;
        out.errore = e.what();
    }
    return out;
}

Statistiche CaricaStatistiche(const fs::path& dati) {
    const fs::path file = dati / kFileStatistiche;
    const data::FileRead letto = data::ReadWholeFile(file);
    if (letto.outcome == data::ReadOutcome::Missing) return {};
    LetturaStatistiche l;
    if (letto.outcome == data::ReadOutcome::Ok) {
        l = StatisticheDaJson(letto.contents);
    } else {
        l.danneggiato = true;
        l.errore = "cannot be read whole";
    }
    if (!l.danneggiato) return l.statistiche;
    const auto keptAs = data::KeepAsBad(file);
    std::cerr << "gnamm: " << file.string() << ": " << l.errore << "; "
              << (keptAs ? "kept as " + keptAs->filename().string() : "left where it is")
              << ", the record goes on with what could be read\n";
    // Not moved aside: leave it rather than overwrite what may be the player's only copy.
    if (keptAs) data::WriteFileAtomically(file, StatisticheInJson(l.statistiche));
    return l.statistiche;
}

namespace {

// Reads the record, changes this player's counts at this level and writes it back.
template <class Cambio>
void AggiornaConti(Game& g, Cambio cambio) {
    const int livello = IndiceLivello(g.livello);
    if (livello < 0 || g.paths.data.empty()) return;
    Statistiche s = CaricaStatistiche(g.paths.data);
    cambio(s[g.nome][static_cast<std::size_t>(livello)]);
    data::WriteFileAtomically(g.paths.data / kFileStatistiche, StatisticheInJson(s));
}

}  // namespace

void ContaAiuto(Game& g) {
    AggiornaConti(g, [](ContiLivello& c) { Piu(c.aiuti); });
}

void RegistraFineGioco(Game& g) {
    AggiornaConti(g, [&g](ContiLivello& c) {
        ContaGioco(c, g.punteggi.h, g.punteggi.pc, g.partita.esito, g.partita.partitePC);
    });
}

}  // namespace gnamm
