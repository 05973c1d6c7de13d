#include "data/startup_read.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <system_error>

#include "data/data_folder.h"

namespace gnamm::data {

namespace fs = std::filesystem;

namespace {

// How one file's load is told: `fresh` says what the player gets when nothing could be read,
// `kept` what was saved of a damaged file.
template <typename T>
void Tell(std::vector<std::string>& notices, std::string_view file, const Loaded<T>& loaded,
          bool quietWhenMissing, const std::string& fresh, const std::string& kept) {
    const std::string name(file);
    const std::string bad = loaded.keptAs.filename().string();
    const bool setAside = !loaded.keptAs.empty();
    switch (loaded.status) {
        case FileStatus::Ok:
            return;
        case FileStatus::Missing:
            if (!quietWhenMissing) notices.push_back(name + " was missing; " + fresh);
            return;
        case FileStatus::Unreadable:
            notices.push_back(setAside ? name + " could not be read; kept as " + bad + ", " + fresh
                                       : name + " could not be read and could not be set aside; "
                                                "left as it is, " + fresh + " for this run");
            return;
        case FileStatus::Repaired:
            notices.push_back(setAside ? name + " was damaged; kept as " + bad + ", " + kept
                                       : name + " was damaged and could not be set aside; left "
                                                "as it is, " + kept + " for this run");
            return;
        case FileStatus::Converted:
            notices.push_back(setAside ? name + " was in an older character set (Windows-1252); "
                                                "kept as " + bad + ", rewritten as UTF-8"
                                       : name + " is in an older character set (Windows-1252) "
                                                "and could not be rewritten; read as it is");
            return;
    }
}

// A file the load left as it stood because it could not be moved aside: never overwritten.
template <typename T>
bool LeftAsItIs(const Loaded<T>& loaded) {
    return loaded.status != FileStatus::Ok && loaded.status != FileStatus::Missing &&
           loaded.keptAs.empty();
}

constexpr std::string_view kFiles[] = {kFileImpostazioni, kFileNome, kFileClassifica, kFileAlbo};

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

DataFolderRead ReadDataFolder(const fs::path& dati) {
    DataFolderRead out;
    std::vector<std::string>& notices = out.notices;
    // A first run finds none of the files (the folder itself may have been made already).
    const bool firstRun = std::none_of(std::begin(kFiles), std::end(kFiles), [&](auto name) {
        std::error_code ec;
        return !dati.empty() && fs::exists(fs::symlink_status(dati / name, ec));
    });
    if (dati.empty()) {
        out.writable = false;
    } else if (!EnsureFolder(dati)) {
        out.writable = false;
        notices.push_back("the data folder " + dati.string() +
                          " cannot be made; nothing will be saved this run");
    } else {
        for (const std::string& temp : RemoveInterruptedSaves(dati)) {
            notices.push_back(temp + ", left by a save that was cut short, removed");
        }
        out.writable = CanWriteIn(dati);
        if (!out.writable) {
            notices.push_back("the data folder " + dati.string() +
                              " cannot be written; nothing will be saved this run");
        }
    }
    // A first run, or a folder that cannot be written (already said), has nothing to tell of
    // a missing file.
    const bool quietWhenMissing = firstRun || !out.writable;

    const auto impo = LoadSettings(dati);
    out.impostazioni = impo.value;
    Tell(notices, kFileImpostazioni, impo, quietWhenMissing, "settings set to their defaults",
         "readable settings kept, the rest set to their defaults");

    const auto nome = LoadName(dati);
    out.nome = nome.value;
    Tell(notices, kFileNome, nome, quietWhenMissing, "name left empty",
         nome.value.empty() ? "name left empty" : "name kept as \"" + nome.value + "\"");

    const auto classifica = LoadRanking(dati);
    out.classifica = classifica.value;
    const auto rows = static_cast<std::size_t>(
        std::count_if(out.classifica.righe.begin(), out.classifica.righe.end(),
                      [](const RigaClassifica& r) { return !r.nome.empty(); }));
    Tell(notices, kFileClassifica, classifica, quietWhenMissing, "ranking started afresh",
         Count(rows, "row", "rows") + " of the ranking kept");

    const auto albo = LoadAlbo(dati);
    out.albo = albo.value;
    Tell(notices, kFileAlbo, albo, quietWhenMissing, "hall of fame started afresh",
         Count(out.albo.size(), "Torneo", "Tornei") + " of the hall of fame kept");

    // The hall of fame is the record of the Tornei played; the counter follows it.
    Ranking& r = out.classifica;
    const auto lines = static_cast<int>(out.albo.size());
    if (r.totalePartite != lines) {
        const bool unknown = r.totalePartite == kContatoreIgnoto;
        if (!unknown || lines > 0) {
            notices.push_back(
                unknown ? std::string(kFileClassifica) + " had no Tornei counter; set to " +
                              std::to_string(lines) + ", the lines of " + std::string(kFileAlbo)
                        : std::string(kFileClassifica) + " counted " +
                              std::to_string(r.totalePartite) + " Tornei, " +
                              std::string(kFileAlbo) + " holds " + std::to_string(lines) +
                              "; counter set to " + std::to_string(lines));
        }
        // An unknown counter went to disk as 0.
        const bool onDisk = std::max(r.totalePartite, 0) == lines;
        r.totalePartite = lines;
        if (!onDisk && out.writable && !LeftAsItIs(classifica)) SaveRanking(dati, r);
    }
    return out;
}

void PrintNotices(const std::vector<std::string>& notices) {
    for (const std::string& n : notices) std::fprintf(stderr, "gnamm: %s\n", n.c_str());
}

}  // namespace gnamm::data
