#include "save/torneo_file.h"

#include "data/data_folder.h"
#include "data/dati_lock.h"
#include "game/game.h"

namespace gnamm {

namespace fs = std::filesystem;

namespace {

// A saved Torneo's file as found on disk.
enum class Stato { Assente, Buono, Danneggiato, PiuRecente, Illeggibile };

struct Trovato {
    Stato stato = Stato::Assente;
    LetturaTorneo lettura;  // nome tells whose it is, when that much reads
};

Trovato Esamina(const fs::path& file) {
    const data::FileRead letto = data::ReadWholeFile(file);
    Trovato t;
    switch (letto.outcome) {
        case data::ReadOutcome::Missing:
            return t;
        case data::ReadOutcome::Unreadable:
            t.stato = Stato::Illeggibile;
            return t;
        case data::ReadOutcome::TooLarge:
            t.stato = Stato::Danneggiato;
            t.lettura.errore = "larger than any saved Torneo";
            return t;
        case data::ReadOutcome::Ok:
            break;
    }
    t.lettura = TorneoDaJson(letto.contents);
    t.stato = t.lettura.torneo       ? Stato::Buono
              : t.lettura.piuRecente ? Stato::PiuRecente
                                     : Stato::Danneggiato;
    return t;
}

std::string DelTorneoDi(std::string_view nome) {
    return "Il Torneo in sospeso di " + std::string(nome);
}

// A file found at a player's name that this copy must leave as it is: said, and true.
bool DaLasciare(const Trovato& t, const fs::path& file, std::string_view nome,
                data::Avvisi& avvisi) {
    const std::string resta = ": il file resta com'è e questo Torneo non verrà salvato.";
    const std::string riga = file.string() + ": left as it is, no Torneo is saved for " +
                             std::string(nome) + " in this run";
    if (t.stato == Stato::Illeggibile) {
        avvisi.aggiungi(DelTorneoDi(nome) + " non si può leggere" + resta, riga + " (unreadable)");
    } else if (t.stato == Stato::PiuRecente) {
        avvisi.aggiungi(
            DelTorneoDi(nome) + " è stato salvato da una versione più recente di Gnamm" + resta,
            riga + " (" + t.lettura.errore + ")");
    } else if (t.stato != Stato::Assente && !t.lettura.nome.empty() && t.lettura.nome != nome) {
        avvisi.aggiungi("Il file del Torneo in sospeso di " + std::string(nome) +
                            " contiene il Torneo di un altro giocatore" + resta,
                        riga + " (it holds " + t.lettura.nome + "'s Torneo)");
    } else {
        return false;
    }
    return true;
}

// A damaged save moved aside as .bad and the player told; false when it could not be moved.
bool MettiDaParte(const fs::path& file, const Trovato& t, const std::string& chi,
                  data::Avvisi& avvisi) {
    const auto keptAs = data::KeepAsBad(file);
    const std::string dove = keptAs ? keptAs->filename().string() : "";
    avvisi.aggiungi(chi + " era danneggiato e non si può riprendere: il file " +
                        (keptAs ? "è conservato come " + dove + "." : "resta com'è."),
                    file.string() + ": " + t.lettura.errore + "; " +
                        (keptAs ? "kept as " + dove : "left where it is") +
                        ", the saved Torneo is not offered");
    return keptAs.has_value();
}

bool Scrivi(const fs::path& file, const TorneoSalvato& s, data::Avvisi& avvisi) {
    const data::WriteError errore = data::TryWriteFileAtomically(file, TorneoInJson(s));
    if (errore == data::WriteError::None) return true;
    const data::Notice n =
        data::SaveFailedNotice(file.filename().string(), errore, "il Torneo in sospeso");
    avvisi.aggiungi(n.testo, n.riga);
    return false;
}

// The single file of the first format, when it holds this player's Torneo: copied to the
// player's own file, and removed once that is safely on disk. Another player's is left for them.
// The Torneo read, when it could not be copied.
std::optional<TorneoSalvato> SpostaFileUnico(const fs::path& dati, std::string_view nome,
                                             data::Avvisi& avvisi) {
    const fs::path unico = dati / kFileTorneoUnico;
    const Trovato t = Esamina(unico);
    if (t.stato == Stato::Assente || (!t.lettura.nome.empty() && t.lettura.nome != nome)) {
        return std::nullopt;
    }
    if (t.stato == Stato::Illeggibile || t.stato == Stato::PiuRecente) {
        avvisi.aggiungi(
            "Il file " + std::string(kFileTorneoUnico) + " non si può riprendere: resta com'è.",
            unico.string() + ": " +
                (t.stato == Stato::PiuRecente ? t.lettura.errore : "unreadable") +
                "; left as it is");
        return std::nullopt;
    }
    if (t.stato == Stato::Danneggiato) {
        MettiDaParte(unico, t, "Il Torneo in sospeso del file " + std::string(kFileTorneoUnico),
                     avvisi);
        return std::nullopt;
    }
    const fs::path file = FileTorneo(dati, nome);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(file, ec))) {
        // The player's own file was written since: this one is an older copy.
        const auto keptAs = data::KeepAsBad(unico);
        if (keptAs) {
            avvisi.aggiungi("Una copia più vecchia del Torneo in sospeso di " + std::string(nome) +
                                " è conservata come " + keptAs->filename().string() + ".",
                            unico.string() + ": older than " + file.filename().string() +
                                ", kept as " + keptAs->filename().string());
        }
        return std::nullopt;
    }
    if (!Scrivi(file, *t.lettura.torneo, avvisi)) return t.lettura.torneo;
    fs::remove(unico, ec);
    return std::nullopt;
}

}  // namespace

fs::path FileTorneo(const fs::path& dati, std::string_view nome) {
    return dati / ("GnTorneo." + data::HashNome(nome) + ".json");
}

bool SalvaTorneo(Game& g, const NonnoZeb& zeb, const Suoni& suoni, CustodiaTorneo& custodia) {
    if (!MomentoTranquillo(g) || g.paths.data.empty()) return false;
    return ScriviTorneo(g.paths.data, FotografaTorneo(g, zeb, suoni), g.avvisi, custodia);
}

bool ScriviTorneo(const fs::path& dati, const TorneoSalvato& s, data::Avvisi& avvisi,
                  CustodiaTorneo& custodia) {
    if (dati.empty() || !custodia.scrivibile || !custodia.cartellaScrivibile) return false;
    // Read again under the lock: what is there now decides, whatever was there at the start.
    const data::BloccoDati blocco(dati);
    const fs::path file = FileTorneo(dati, s.nome);
    const Trovato t = Esamina(file);
    bool lascia = DaLasciare(t, file, s.nome, avvisi);
    // Bytes that are no Torneo at all are kept aside before the save takes their place.
    if (!lascia && t.stato == Stato::Danneggiato && t.lettura.nome.empty()) {
        lascia = !MettiDaParte(file, t, DelTorneoDi(s.nome), avvisi);
    }
    if (lascia) {
        custodia.scrivibile = false;
        return false;
    }
    return Scrivi(file, s, avvisi);
}

std::optional<TorneoSalvato> CaricaTorneoSalvato(const fs::path& dati, std::string_view nome,
                                                 data::Avvisi& avvisi, CustodiaTorneo& custodia) {
    if (dati.empty() || !custodia.scrivibile) return std::nullopt;
    const data::BloccoDati blocco(dati);
    std::optional<TorneoSalvato> spostato = SpostaFileUnico(dati, nome, avvisi);
    const fs::path file = FileTorneo(dati, nome);
    const Trovato t = Esamina(file);
    if (DaLasciare(t, file, nome, avvisi)) {
        custodia.scrivibile = false;
        return std::nullopt;
    }
    switch (t.stato) {
        case Stato::Assente:
            return spostato;
        case Stato::Buono:
            if (t.lettura.mucchiRifatti) {
                avvisi.aggiungi(DelTorneoDi(nome) +
                                    ": i mucchi delle carte prese erano rovinati e restano "
                                    "solo i conteggi; il resto riprende com'era.",
                                file.string() + ": the capture piles were damaged, rebuilt " +
                                    "from the scoreboard's counts");
            }
            return t.lettura.torneo;
        default:
            if (!MettiDaParte(file, t, DelTorneoDi(nome), avvisi)) custodia.scrivibile = false;
            return std::nullopt;
    }
}

bool ScriviTorneo(const fs::path& dati, const TorneoSalvato& s) {
    data::Avvisi avvisi;
    CustodiaTorneo custodia;
    return ScriviTorneo(dati, s, avvisi, custodia);
}

std::optional<TorneoSalvato> CaricaTorneoSalvato(const fs::path& dati, std::string_view nome) {
    data::Avvisi avvisi;
    CustodiaTorneo custodia;
    return CaricaTorneoSalvato(dati, nome, avvisi, custodia);
}

void CancellaTorneoSalvato(const Game& g, const CustodiaTorneo& custodia) {
    const fs::path& dati = g.paths.data;
    if (dati.empty() || !custodia.scrivibile) return;
    const data::BloccoDati blocco(dati);
    for (const fs::path& file : {FileTorneo(dati, g.nome), dati / kFileTorneoUnico}) {
        const Trovato t = Esamina(file);
        // This player's Torneo, in a format this game writes: nothing else is removed.
        if ((t.stato == Stato::Buono || t.stato == Stato::Danneggiato) &&
            t.lettura.nome == g.nome) {
            std::error_code ec;
            fs::remove(file, ec);
        }
    }
}

}  // namespace gnamm
