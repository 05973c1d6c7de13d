#include "game/player_record.h"

#include <algorithm>
#include <iostream>

#include <sys/stat.h>

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

// The levels and the fields of one level in the byte order of their names, as the file lists them.
constexpr std::array<std::size_t, 3> kOrdineLivelli = {2, 1, 0};  // Cheat, Cunning, Honest

void Riga(std::string& out, std::string_view indent, std::string_view nome, int valore,
           bool ultimo = false) {
    out += indent;
    out += '"';
    out += nome;
    out += "\": ";
    out += std::to_string(valore);
    out += ultimo ? "\n" : ",\n";
}

void ScriviConti(std::string& out, const ContiLivello& c) {
    constexpr std::string_view k = "    ";
    out += "{\n";
    Riga(out, k, "aiuti", c.aiuti);
    Riga(out, k, "giochiPersi", c.giochiPersi);
    Riga(out, k, "giochiVinti", c.giochiVinti);
    Riga(out, k, "migliorTorneoPartitePerse", c.migliorTorneoPartitePerse);
    Riga(out, k, "partitePerse", c.partitePerse);
    Riga(out, k, "partiteVinte", c.partiteVinte);
    Riga(out, k, "puntiGnamm", c.puntiGnamm);
    out += "    \"puntiMazzo\": {\n";
    constexpr std::string_view m = "     ";
    Riga(out, m, "5 di Cuori", c.cinqueDiCuori);
    Riga(out, m, kNomiPuntiMazzo[3], c.puntiMazzo[3]);  // Carte, Figure, Quadri, Sette
    Riga(out, m, kNomiPuntiMazzo[2], c.puntiMazzo[2]);
    Riga(out, m, kNomiPuntiMazzo[1], c.puntiMazzo[1]);
    Riga(out, m, kNomiPuntiMazzo[0], c.puntiMazzo[0], true);
    out += "    },\n";
    Riga(out, k, "serieGiochiVinti", c.serieGiochiVinti);
    Riga(out, k, "serieInCorso", c.serieInCorso);
    Riga(out, k, "torneiPersi", c.torneiPersi);
    Riga(out, k, "torneiVinti", c.torneiVinti, true);
    out += "   }";
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

// Written by hand, as nlohmann's dump(1) would write the same document (keys in byte order, one
// space of indent a level): building the document first cost more than the rest of a Gioco.
std::string StatisticheInJson(const Statistiche& s) {
    std::string out = "{\n \"formato\": " + std::to_string(kFormatoStatistiche) + ",\n \"giocatori\": ";
    if (s.empty()) return out + "{}\n}\n";
    out += "{\n";
    bool primo = true;
    for (const auto& [nome, livelli] : s) {
        if (!primo) out += ",\n";
        primo = false;
        // The name escaped as the library escapes it (and refused where it refuses it).
        out += "  " + json(nome).dump() + ": {\n";
        for (std::size_t i = 0; i < kOrdineLivelli.size(); ++i) {
            const std::size_t l = kOrdineLivelli[i];
            out += "   \"";
            out += kNomiLivelli[l];
            out += "\": ";
            ScriviConti(out, livelli[l]);
            out += i + 1 < kOrdineLivelli.size() ? ",\n" : "\n";
        }
        out += "  }";
    }
    return out + "\n }\n}\n";
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

// Device, inode, size and time of the last change: a file replaced or written since differs
// in at least one of them (every write puts a new file in its place).
std::optional<IdentitaFile> Identita(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return std::nullopt;
    return IdentitaFile{static_cast<long long>(st.st_dev), static_cast<long long>(st.st_ino),
                        static_cast<long long>(st.st_size),
                        static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL +
                            st.st_mtim.tv_nsec};
}

// Changes this player's counts at this level and writes the record back. The counts are kept
// in memory between writes; the file is read again only when something else changed it.
template <class Cambio>
void AggiornaConti(Game& g, Cambio cambio) {
    const int livello = IndiceLivello(g.livello);
    if (livello < 0 || g.paths.data.empty() || !g.record.tenuto) return;
    const fs::path file = g.paths.data / kFileStatistiche;
    RecordScritto& r = g.record;
    if (!r.file || Identita(file) != r.file) r.statistiche = CaricaStatistiche(g.paths.data);
    cambio(r.statistiche[g.nome][static_cast<std::size_t>(livello)]);
    const bool scritto = data::WriteFileAtomically(file, StatisticheInJson(r.statistiche));
    r.file = scritto ? Identita(file) : std::nullopt;
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
