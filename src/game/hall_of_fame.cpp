// Reading, updating and writing the ranking and the hall of fame.
#include "game/hall_of_fame.h"

#include <optional>
#include <string>

#include "data/data_folder.h"
#include "data/dati_lock.h"
#include "game/game.h"

namespace gnamm {

namespace {

data::RigaClassifica& Riga(data::Ranking& r, int i) {  // i = 1..10
    return r.righe[static_cast<std::size_t>(i - 1)];
}

void Evidenzia(Game& g, int riga) {
    g.classifica.inserimentoVincitore = riga;
    g.classifica.vincitoreEvidenziato = riga != kRigaNessuna;
}

std::string DueCifre(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// Enters or moves up the winner; the row it stands in, or kRigaNessuna.
int EntraInClassifica(data::Ranking& r, const std::string& vincitore) {
    if (vincitore.empty()) return kRigaNessuna;
    int trovato = kRigaNessuna;
    for (int i = 1; i <= data::kRigheClassifica; ++i) {
        if (Riga(r, i).nome == vincitore) {
            trovato = i;
            break;
        }
    }
    if (trovato == kRigaNessuna) {
        // A first Torneo won: ahead of everyone with one win, behind everyone with more.
        int i = 1;
        while (i <= data::kRigheClassifica && Riga(r, i).torneiVinti > 1) ++i;
        if (i > data::kRigheClassifica) return kRigaNessuna;  // no eleventh row: not entered
        for (int j = data::kRigheClassifica; j > i; --j) Riga(r, j) = Riga(r, j - 1);
        Riga(r, i) = {vincitore, 1};
        return i;
    }
    const int w = Riga(r, trovato).torneiVinti + 1;
    int i = 1;
    while (i < trovato && w < Riga(r, i).torneiVinti) ++i;
    for (int j = trovato; j > i; --j) Riga(r, j) = Riga(r, j - 1);
    Riga(r, i) = {vincitore, w};
    return i;
}

// "winner - loser  3-1  d/m/yy  h:mm", the line of the Torneo just ended without its number.
std::string CorpoRigaAlbo(const std::string& vincitore, const std::string& sconfitto,
                          int partiteVincitore, int partiteSconfitto, int day, int month, int year,
                          int hour, int minute) {
    return vincitore + " - " + sconfitto + "  " + std::to_string(partiteVincitore) + "-" +
           std::to_string(partiteSconfitto) + "  " + std::to_string(day) + "/" +
           std::to_string(month) + "/" + DueCifre(year % 100) + "  " + std::to_string(hour) + ":" +
           DueCifre(minute);
}

std::string CorpoRigaAlbo(const Game& g) {
    const bool vincePC = g.partita.partitePC > g.partita.partiteH;
    const std::string pc(LivelloText(g.livello));
    const std::string& vincitore =
        g.partita.vincitore.empty() ? (vincePC ? pc : g.nome) : g.partita.vincitore;
    const std::string& sconfitto = vincePC ? g.nome : pc;
    const int pv = vincePC ? g.partita.partitePC : g.partita.partiteH;
    const int ps = vincePC ? g.partita.partiteH : g.partita.partitePC;
    const TimeOfDay t = g.clock.timeOfDay();
    return CorpoRigaAlbo(vincitore, sconfitto, pv, ps, t.day, t.month, t.year, t.hour, t.minute);
}

// The Tornei in memory added to the ranking and the list; the row the last winner stands in.
int AggiungiInSospeso(RankingState& c) {
    int riga = kRigaNessuna;
    for (const std::string& v : c.vincitoriInSospeso) riga = EntraInClassifica(c.classifica, v);
    for (const std::string& corpo : c.righeInSospeso) {
        c.albo.push_back(std::to_string(c.albo.size() + 1) + ") " + corpo);
    }
    c.classifica.totalePartite = static_cast<int>(c.albo.size());
    return riga;
}

// Reads both files again under the folder's lock, adds the Tornei in memory and writes both;
// what is written leaves memory, what is not stays for the next save. Without a folder the
// lists in memory are the record.
void ScriviClassificaEAlbo(Game& g, bool evidenzia) {
    RankingState& c = g.classifica;
    const std::filesystem::path& dati = g.paths.data;
    const data::BloccoDati blocco(dati);
    std::optional<data::Loaded<data::Ranking>> classifica;
    std::optional<data::Loaded<std::vector<std::string>>> albo;
    if (!dati.empty()) {
        classifica = data::LoadRanking(dati);
        albo = data::LoadAlbo(dati);
        c.classifica = classifica->value;
        c.albo = albo->value;
    }
    const int riga = AggiungiInSospeso(c);
    if (evidenzia) Evidenzia(g, riga);
    if (dati.empty()) {
        c.righeInSospeso.clear();
        c.vincitoriInSospeso.clear();
        return;
    }
    // A file the read could not set aside keeps what it could not read: never written over.
    data::WriteError e = albo->leftAsItIs() ? data::WriteError::Other
                                            : data::TryWriteFileAtomically(
                                                  dati / data::kFileAlbo, data::FormatAlbo(c.albo));
    if (e == data::WriteError::None) {
        c.righeInSospeso.clear();
        e = classifica->leftAsItIs()
                ? data::WriteError::Other
                : data::TryWriteFileAtomically(dati / data::kFileClassifica,
                                               data::FormatRanking(c.classifica));
    }
    if (e == data::WriteError::None) {
        c.vincitoriInSospeso.clear();
        return;
    }
    const data::Notice n = data::SaveFailedNotice(
        std::string(data::kFileAlbo) + ", " + std::string(data::kFileClassifica), e,
        "l'Albo dei Tornei e la Classifica");
    g.avvisi.aggiungi(n.testo, n.riga);
}

}  // namespace

void LeggiClassifica(Game& g) {
    g.classifica.classifica = data::LoadRanking(g.paths.data).value;
}

void CaricaAlbo(Game& g) {
    RankingState& c = g.classifica;
    const data::BloccoDati blocco(g.paths.data);
    c.albo = data::LoadAlbo(g.paths.data).value;
    // The list is what the player sees and what the next line is numbered after: a counter
    // that disagrees with it (or none at all) follows the list, and the ranking file is put
    // right so the two agree at the next start.
    const int righe = static_cast<int>(c.albo.size());
    if (c.classifica.totalePartite != righe) {
        c.classifica.totalePartite = righe;
        data::SaveRanking(g.paths.data, c.classifica);
    }
}

void AggiornaClassifica(Game& g) {
    Evidenzia(g, EntraInClassifica(g.classifica.classifica, g.partita.vincitore));
}

std::string RigaAlbo(int n, const std::string& vincitore, const std::string& sconfitto,
                     int partiteVincitore, int partiteSconfitto, int day, int month, int year,
                     int hour, int minute) {
    return std::to_string(n) + ") " +
           CorpoRigaAlbo(vincitore, sconfitto, partiteVincitore, partiteSconfitto, day, month, year,
                         hour, minute);
}

void RegistraFineTorneo(Game& g) {
    RankingState& c = g.classifica;
    c.vincitoriInSospeso.push_back(g.partita.vincitore);
    c.righeInSospeso.push_back(CorpoRigaAlbo(g));
    ScriviClassificaEAlbo(g, true);
}

void RiprovaClassifica(Game& g) {
    const RankingState& c = g.classifica;
    if (!c.righeInSospeso.empty() || !c.vincitoriInSospeso.empty()) ScriviClassificaEAlbo(g, false);
}

}  // namespace gnamm
