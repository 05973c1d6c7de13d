#include "game/player_record.h"

#include <algorithm>
#include <utility>

#include "data/data_folder.h"
#include "data/dati_lock.h"
#include "data/pending_writes.h"
#include "game/game.h"
#include "game/hall_of_fame.h"

namespace gnamm {

namespace {

namespace fs = std::filesystem;

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

// One more, without running over the largest count the file keeps.
void Piu(int& n, int quanto = 1) {
    n = static_cast<int>(std::min<long long>(kMassimo, static_cast<long long>(n) + quanto));
}

// The fewer Partite lost of two best Torneo, -1 standing for none won.
int Migliore(int a, int b) {
    if (a < 0) return b;
    return b < 0 ? a : std::min(a, b);
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
            c.migliorTorneoPartitePerse = Migliore(c.migliorTorneoPartitePerse, partitePCPrima);
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

void ContaGioco(IncrementoLivello& inc, const Colonna& h, const Colonna& pc, EsitoGioco esito,
                int partitePCPrima) {
    ContaGioco(inc.conti, h, pc, esito, partitePCPrima);
    if (inc.serieSpezzata) return;
    if (h.puntiGiocoInCorso > pc.puntiGiocoInCorso) {
        inc.primaSerie = inc.conti.serieInCorso;
    } else {
        inc.serieSpezzata = true;
    }
}

ContiLivello Somma(const ContiLivello& disco, const IncrementoLivello& inc) {
    const ContiLivello& d = inc.conti;
    ContiLivello s = disco;
    for (auto [campo, piu] : {std::pair{&s.torneiVinti, d.torneiVinti},
                              {&s.torneiPersi, d.torneiPersi},
                              {&s.partiteVinte, d.partiteVinte},
                              {&s.partitePerse, d.partitePerse},
                              {&s.giochiVinti, d.giochiVinti},
                              {&s.giochiPersi, d.giochiPersi},
                              {&s.puntiGnamm, d.puntiGnamm},
                              {&s.cinqueDiCuori, d.cinqueDiCuori},
                              {&s.aiuti, d.aiuti}}) {
        Piu(*campo, piu);
    }
    for (std::size_t i = 0; i < s.puntiMazzo.size(); ++i) Piu(s.puntiMazzo[i], d.puntiMazzo[i]);
    s.migliorTorneoPartitePerse =
        Migliore(disco.migliorTorneoPartitePerse, d.migliorTorneoPartitePerse);
    // The run on disk goes on through the first Giochi won here, or ends where one was not.
    int continuata = disco.serieInCorso;
    Piu(continuata, inc.primaSerie);
    s.serieInCorso = inc.serieSpezzata ? d.serieInCorso : continuata;
    s.serieGiochiVinti = std::max({disco.serieGiochiVinti, continuata, d.serieGiochiVinti});
    return s;
}

namespace {

void Aggiungi(Statistiche& s, const Incrementi& inc) {
    for (const auto& [nome, livelli] : inc) {
        ContiGiocatore& conti = s[nome];
        for (std::size_t l = 0; l < livelli.size(); ++l) conti[l] = Somma(conti[l], livelli[l]);
    }
}

void Avvisa(data::Avvisi& avvisi, const data::Notice& n) {
    avvisi.aggiungi(n.testo, n.riga);
}

const std::string kNome(kFileStatistiche);

// What a damaged or doubled file came to, once kept aside (or not).
data::Notice AvvisoRiparato(const LetturaStatistiche& l, const std::optional<fs::path>& keptAs) {
    if (!keptAs) {
        return {kNome +
                    " è danneggiato e non si è potuto metterlo da parte: resta com'è, e le "
                    "statistiche di questa sessione non saranno salvate.",
                kNome + ": " + l.errore +
                    "; could not be set aside, left as it is, the record is not saved this run"};
    }
    const std::string bad = keptAs->filename().string();
    const std::string conservato = " L'originale è conservato come " + bad + ".";
    if (!l.danneggiato) {
        const std::string& nome = l.doppi.front();
        return {
            kNome + " aveva due voci per " + nome + ": è stata tenuta quella con più Giochi." +
                conservato,
            kNome + ": " + nome + " found twice; the entry with more Giochi kept, kept as " + bad};
    }
    const std::string n = std::to_string(l.statistiche.size());
    const std::string tenuti =
        l.statistiche.empty() ? "le statistiche ripartono da zero"
        : l.statistiche.size() == 1
            ? "tenute le statistiche leggibili di 1 giocatore, il resto riparte da zero"
            : "tenute le statistiche leggibili di " + n + " giocatori, il resto riparte da zero";
    return {kNome + " era danneggiato: " + tenuti + "." + conservato,
            kNome + ": " + l.errore + "; kept as " + bad +
                ", the record goes on with what could be read (" + n + " players)"};
}

// GnStat.json as it is to be added to; nothing when it must not be written (a newer game's, or a
// damaged one that could not be set aside). Mends and tells as the header says.
std::optional<Statistiche> LeggiRecord(const fs::path& dati, data::Avvisi& avvisi) {
    const fs::path file = dati / kFileStatistiche;
    const data::FileRead letto = data::ReadWholeFile(file);
    if (letto.outcome == data::ReadOutcome::Missing) return Statistiche{};
    LetturaStatistiche l;
    if (letto.outcome == data::ReadOutcome::Unreadable) {
        l.danneggiato = true;
        l.errore = "cannot be read";
    } else {
        l = StatisticheDaJson(letto.contents);
        if (letto.outcome == data::ReadOutcome::TooLarge && !l.danneggiato) {
            l.danneggiato = true;
            l.errore = "too large to be the game's";
        }
    }
    if (l.piuRecente) {
        Avvisa(avvisi, {kNome + " è stato scritto da una versione più recente del gioco: resta "
                                "com'è, e le statistiche di questa sessione non saranno salvate.",
                        kNome + " is of a newer format; left as it is, the record is not saved "
                                "this run"});
        return std::nullopt;
    }
    if (!l.danneggiato && l.doppi.empty()) return std::move(l.statistiche);
    const auto keptAs = data::KeepAsBad(file);
    Avvisa(avvisi, AvvisoRiparato(l, keptAs));
    if (!keptAs) return std::nullopt;
    data::WriteFileAtomically(file, StatisticheInJson(l.statistiche));
    return std::move(l.statistiche);
}

// Adds the increments to the file under the folder's lock; a failure keeps them for the next
// write, and says why.
void ScriviRecord(Game& g) {
    RecordScritto& r = g.record;
    if (r.inSospeso.empty()) return;
    data::EnsureFolder(g.paths.data);  // the lock file lives there
    const data::BloccoDati blocco(g.paths.data);
    std::optional<Statistiche> disco = LeggiRecord(g.paths.data, g.avvisi);
    if (!disco) return;
    Aggiungi(*disco, r.inSospeso);
    const data::WriteError e =
        data::TryWriteFileAtomically(g.paths.data / kFileStatistiche, StatisticheInJson(*disco));
    if (e != data::WriteError::None) {
        Avvisa(g.avvisi, data::SaveFailedNotice(kNome, e, "le statistiche"));
        return;
    }
    r.inSospeso.clear();
}

// Changes this player's increment at this level and writes the record.
template <class Cambio>
void AggiornaConti(Game& g, Cambio cambio) {
    const int livello = IndiceLivello(g.livello);
    if (livello < 0 || g.paths.data.empty() || !g.record.tenuto) return;
    cambio(g.record.inSospeso[g.nome][static_cast<std::size_t>(livello)]);
    ScriviRecord(g);
}

}  // namespace

Statistiche CaricaStatistiche(const fs::path& dati, data::Avvisi& avvisi) {
    if (dati.empty()) return {};
    const data::BloccoDati blocco(dati);
    return LeggiRecord(dati, avvisi).value_or(Statistiche{});
}

Statistiche CaricaStatistiche(const fs::path& dati) {
    data::Avvisi avvisi;
    return CaricaStatistiche(dati, avvisi);
}

Statistiche StatisticheCorrenti(Game& g) {
    Statistiche s = CaricaStatistiche(g.paths.data, g.avvisi);
    Aggiungi(s, g.record.inSospeso);
    return s;
}

void ContaAiuto(Game& g) {
    AggiornaConti(g, [](IncrementoLivello& inc) { Piu(inc.conti.aiuti); });
}

void RegistraFineGioco(Game& g) {
    AggiornaConti(g, [&g](IncrementoLivello& inc) {
        ContaGioco(inc, g.punteggi.h, g.punteggi.pc, g.partita.esito, g.partita.partitePC);
    });
    RiprovaClassifica(g);
    data::RetryPendingWrites(g.paths.data, g.avvisi);
}

}  // namespace gnamm
