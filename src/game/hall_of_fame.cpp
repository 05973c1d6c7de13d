// Reading, updating and writing the ranking and the hall of fame.
#include "game/hall_of_fame.h"

#include <string>

#include "game/game.h"

namespace gnamm {

namespace {

data::RigaClassifica& Riga(Game& g, int i) {  // i = 1..10
    return g.classifica.classifica.righe[static_cast<std::size_t>(i - 1)];
}

void Evidenzia(Game& g, int riga) {
    g.classifica.inserimentoVincitore = riga;
    g.classifica.vincitoreEvidenziato = riga != kRigaNessuna;
}

std::string DueCifre(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

void LeggiClassifica(Game& g) {
    g.classifica.classifica = data::LoadRanking(g.paths.data).value;
}

void CaricaAlbo(Game& g) {
    RankingState& c = g.classifica;
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
    const std::string& vincitore = g.partita.vincitore;
    if (vincitore.empty()) {
        Evidenzia(g, kRigaNessuna);
        return;
    }
    int r = kRigaNessuna;
    for (int i = 1; i <= data::kRigheClassifica; ++i) {
        if (Riga(g, i).nome == vincitore) {
            r = i;
            break;
        }
    }
    if (r == kRigaNessuna) {
        // A first Torneo won: ahead of everyone with one win, behind everyone with more.
        int i = 1;
        while (i <= data::kRigheClassifica && Riga(g, i).torneiVinti > 1) ++i;
        if (i > data::kRigheClassifica) {
            Evidenzia(g, kRigaNessuna);  // no eleventh row: not entered
            return;
        }
        for (int j = data::kRigheClassifica; j > i; --j) Riga(g, j) = Riga(g, j - 1);
        Riga(g, i) = {vincitore, 1};
        Evidenzia(g, i);
    } else {
        const int w = Riga(g, r).torneiVinti + 1;
        int i = 1;
        while (i < r && w < Riga(g, i).torneiVinti) ++i;
        for (int j = r; j > i; --j) Riga(g, j) = Riga(g, j - 1);
        Riga(g, i) = {vincitore, w};
        Evidenzia(g, i);
    }
}

std::string RigaAlbo(int n, const std::string& vincitore, const std::string& sconfitto,
                     int partiteVincitore, int partiteSconfitto, int day, int month, int year,
                     int hour, int minute) {
    return std::to_string(n) + ") " + vincitore + " - " + sconfitto + "  " +
           std::to_string(partiteVincitore) + "-" + std::to_string(partiteSconfitto) + "  " +
           std::to_string(day) + "/" + std::to_string(month) + "/" + DueCifre(year % 100) + "  " +
           std::to_string(hour) + ":" + DueCifre(minute);
}

void AggiornaAlbo(Game& g) {
    RankingState& c = g.classifica;
    // The list in memory is the record: its length is the counter (see CaricaAlbo).
    c.classifica.totalePartite = static_cast<int>(c.albo.size()) + 1;
    const bool vincePC = g.partita.partitePC > g.partita.partiteH;
    const std::string pc(LivelloText(g.livello));
    const std::string& vincitore =
        g.partita.vincitore.empty() ? (vincePC ? pc : g.nome) : g.partita.vincitore;
    const std::string& sconfitto = vincePC ? g.nome : pc;
    const int pv = vincePC ? g.partita.partitePC : g.partita.partiteH;
    const int ps = vincePC ? g.partita.partiteH : g.partita.partitePC;
    const TimeOfDay t = g.clock.timeOfDay();
    c.albo.push_back(RigaAlbo(c.classifica.totalePartite, vincitore, sconfitto, pv, ps, t.day,
                              t.month, t.year, t.hour, t.minute));
    data::SaveAlbo(g.paths.data, c.albo);
}

void ScriviClassifica(Game& g) {
    data::SaveRanking(g.paths.data, g.classifica.classifica);
}

}  // namespace gnamm
