#include "game/torneo_file.h"

#include <iostream>

#include "data/data_folder.h"
#include "game/game.h"

namespace gnamm {

namespace fs = std::filesystem;

namespace {

fs::path FileTorneo(const fs::path& dati) {
    return dati / kFileTorneo;
}

}  // namespace

bool SalvaTorneo(Game& g) {
    if (!MomentoTranquillo(g) || g.paths.data.empty()) return false;
    return ScriviTorneo(g.paths.data, FotografaTorneo(g));
}

bool ScriviTorneo(const fs::path& dati, const TorneoSalvato& s) {
    return data::WriteFileAtomically(FileTorneo(dati), TorneoInJson(s));
}

std::optional<TorneoSalvato> CaricaTorneoSalvato(const fs::path& dati, std::string_view nome) {
    const fs::path file = FileTorneo(dati);
    const data::FileRead letto = data::ReadWholeFile(file);
    if (letto.outcome == data::ReadOutcome::Missing) return std::nullopt;
    LetturaTorneo l;
    if (letto.outcome == data::ReadOutcome::Ok) {
        l = TorneoDaJson(letto.contents);
    } else {
        l.errore = "cannot be read whole";
    }
    if (l.piuRecente) return std::nullopt;
    if (!l.torneo) {
        const auto keptAs = data::KeepAsBad(file);
        std::cerr << "gnamm: " << file.string() << ": " << l.errore << "; "
                  << (keptAs ? "kept as " + keptAs->filename().string() : "left where it is")
                  << ", the saved Torneo is not offered\n";
        return std::nullopt;
    }
    if (l.torneo->nome != nome) return std::nullopt;
    return l.torneo;
}

void CancellaTorneoSalvato(const fs::path& dati) {
    if (dati.empty()) return;  // no Dati folder: nothing was saved
    std::error_code ec;
    fs::remove(FileTorneo(dati), ec);
}

}  // namespace gnamm
