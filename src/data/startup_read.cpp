#include "data/startup_read.h"

#include <algorithm>
#include <iterator>
#include <system_error>

#include "data/data_folder.h"
#include "data/dati_lock.h"

namespace gnamm::data {

namespace fs = std::filesystem;

namespace {

// What the player gets of one file, in both languages.
struct Parole {
    std::string it, en;
};

Parole operator+(const Parole& a, const Parole& b) {
    return {a.it + b.it, a.en + b.en};
}

std::string Conservato(const std::string& bad) {
    return " L'originale è conservato come " + bad + ".";
}

// A file not read as it stood: what it `was` and what the player gets, then where the original
// is kept; or, when it could not be set aside, that it `is` so and stays as it is.
Parole NotRead(bool setAside, const std::string& name, const std::string& bad, const Parole& was,
               const Parole& is, const Parole& gets) {
    if (setAside) {
        return Parole{name + " " + was.it + ": ", name + " " + was.en + "; kept as " + bad + ", "} +
               gets + Parole{"." + Conservato(bad), ""};
    }
    return Parole{name + " " + is.it +
                      " e non si è potuto metterlo da parte: resta com'è, e per questa volta ",
                  name + " " + is.en + " and could not be set aside; left as it is, "} +
           gets + Parole{".", " for this run"};
}

// How one file's load is told: `fresh` says what the player gets when nothing could be read,
// `kept` what was saved of a damaged file.
template <typename T>
void Tell(std::vector<Notice>& notices, std::string_view file, const Loaded<T>& loaded,
          bool quietWhenMissing, const Parole& fresh, const Parole& kept) {
    const std::string name(file);
    const std::string bad = loaded.keptAs.filename().string();
    const bool setAside = !loaded.keptAs.empty();
    Parole p;
    switch (loaded.status) {
        case FileStatus::Ok:
            return;
        case FileStatus::Missing:
            if (quietWhenMissing) return;
            p = Parole{name + " mancava: ", name + " was missing; "} + fresh + Parole{".", ""};
            break;
        case FileStatus::Unreadable:
            p = NotRead(setAside, name, bad, {"non si poteva leggere", "could not be read"},
                        {"non si può leggere", "could not be read"}, fresh);
            break;
        case FileStatus::Repaired:
            p = NotRead(setAside, name, bad, {"era danneggiato", "was damaged"},
                        {"è danneggiato", "was damaged"}, kept);
            break;
        case FileStatus::Converted: {
            const std::string vecchio = " un vecchio set di caratteri (Windows-1252)";
            const std::string old = " an older character set (Windows-1252)";
            p = setAside
                    ? Parole{name + " era scritto con" + vecchio + ": riscritto in UTF-8." +
                                 Conservato(bad),
                             name + " was in" + old + "; kept as " + bad + ", rewritten as UTF-8"}
                    : Parole{name + " è scritto con" + vecchio +
                                 " e non si è potuto riscriverlo: letto così com'è.",
                             name + " is in" + old + " and could not be rewritten; read as it is"};
            break;
        }
    }
    notices.push_back({p.it, p.en});
}

constexpr std::string_view kFiles[] = {kFileImpostazioni, kFileNome, kFileClassifica, kFileAlbo};

// "tenute 2 righe della classifica", "2 rows of the ranking kept".
Parole Kept(std::size_t n, const Parole& one, const Parole& many, const Parole& of) {
    const Parole& what = n == 1 ? one : many;
    const std::string count = std::to_string(n) + " ";
    const std::size_t space = what.it.find(' ');
    return {what.it.substr(0, space + 1) + count + what.it.substr(space + 1) + of.it,
            count + what.en + of.en + " kept"};
}

}  // namespace

namespace {

// The folder made, the leftovers of saves cut short removed, and whether it can be written.
bool PrepareFolder(const fs::path& dati, std::vector<Notice>& notices) {
    if (!EnsureFolder(dati)) {
        notices.push_back({"Attenzione: la cartella Dati (" + dati.string() +
                               ") non si può creare, perciò nome, opzioni e classifica non "
                               "saranno salvati.",
                           "the data folder " + dati.string() +
                               " cannot be made; nothing will be saved this run"});
        return false;
    }
    for (const std::string& temp : RemoveInterruptedSaves(dati)) {
        notices.push_back({temp + ", lasciato da un salvataggio interrotto, è stato tolto: i dati "
                                  "salvati prima sono intatti.",
                           temp + ", left by a save that was cut short, removed"});
    }
    if (CanWriteIn(dati)) return true;
    notices.push_back({std::string(kAvvisoDatiNonScrivibili),
                       "the data folder " + dati.string() +
                           " cannot be written; nothing will be saved this run"});
    return false;
}

// The hall of fame is the record of the Tornei played; the ranking's counter follows it.
void CounterFromLines(const fs::path& dati, DataFolderRead& out, bool rankingLeftAsItIs) {
    Ranking& r = out.classifica;
    const auto lines = static_cast<int>(out.albo.size());
    if (r.totalePartite == lines) return;
    const bool unknown = r.totalePartite == kContatoreIgnoto;
    const std::string n = std::to_string(lines);
    const std::string cls(kFileClassifica), albo(kFileAlbo);
    if (unknown && lines > 0) {
        out.notices.push_back(
            {cls + " non aveva il conteggio dei Tornei: ora è " + n + ", le righe di " + albo + ".",
             cls + " had no Tornei counter; set to " + n + ", the lines of " + albo});
    } else if (!unknown) {
        const std::string was = std::to_string(r.totalePartite);
        out.notices.push_back({cls + " contava " + was + " Tornei, " + albo + " ne ha " + n +
                                   ": il conteggio ora è " + n + ".",
                               cls + " counted " + was + " Tornei, " + albo + " holds " + n +
                                   "; counter set to " + n});
    }
    // An unknown counter went to disk as 0.
    const bool onDisk = std::max(r.totalePartite, 0) == lines;
    r.totalePartite = lines;
    if (!onDisk && out.writable && !rankingLeftAsItIs) SaveRanking(dati, r);
}

}  // namespace

DataFolderRead ReadDataFolder(const fs::path& dati) {
    DataFolderRead out;
    std::vector<Notice>& notices = out.notices;
    // A first run finds none of the files (the folder itself may have been made already).
    const bool firstRun = std::none_of(std::begin(kFiles), std::end(kFiles), [&](auto name) {
        std::error_code ec;
        return !dati.empty() && fs::exists(fs::symlink_status(dati / name, ec));
    });
    out.writable = !dati.empty() && PrepareFolder(dati, notices);
    // Held from here: the lock file needs the folder.
    const BloccoDati blocco(dati);
    // A first run, or a folder that cannot be written (already said), has nothing to tell of
    // a missing file.
    const bool quietWhenMissing = firstRun || !out.writable;

    const auto impo = LoadSettings(dati);
    out.impostazioni = impo.value;
    Tell(notices, kFileImpostazioni, impo, quietWhenMissing,
         {"le opzioni tornano a quelle iniziali", "settings set to their defaults"},
         {"tenute le opzioni leggibili, le altre tornano a quelle iniziali",
          "readable settings kept, the rest set to their defaults"});

    const auto nome = LoadName(dati);
    out.nome = nome.value;
    const Parole vuoto = {"il nome è vuoto", "name left empty"};
    Tell(notices, kFileNome, nome, quietWhenMissing, vuoto,
         nome.value.empty() ? vuoto
                            : Parole{"tenuto il nome \"" + nome.value + "\"",
                                     "name kept as \"" + nome.value + "\""});

    const auto classifica = LoadRanking(dati);
    out.classifica = classifica.value;
    const auto rows = static_cast<std::size_t>(
        std::count_if(out.classifica.righe.begin(), out.classifica.righe.end(),
                      [](const RigaClassifica& r) { return !r.nome.empty(); }));
    Tell(notices, kFileClassifica, classifica, quietWhenMissing,
         {"la classifica riparte da zero", "ranking started afresh"},
         Kept(rows, {"tenuta riga", "row"}, {"tenute righe", "rows"},
              {" della classifica", " of the ranking"}));

    const auto albo = LoadAlbo(dati);
    out.albo = albo.value;
    Tell(notices, kFileAlbo, albo, quietWhenMissing,
         {"l'Albo dei Tornei riparte da zero", "hall of fame started afresh"},
         Kept(out.albo.size(), {"tenuto Torneo", "Torneo"}, {"tenuti Tornei", "Tornei"},
              {" dell'Albo", " of the hall of fame"}));

    // Newer than the other files: a folder without it is no news to the player.
    const auto vista = LoadVista(dati);
    const Parole animate = {"le carte tornano a muoversi", "animations on"};
    Tell(notices, kFileVista, vista, true, animate, animate);

    CounterFromLines(dati, out, classifica.leftAsItIs());
    return out;
}

}  // namespace gnamm::data
