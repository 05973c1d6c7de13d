// The start-up read of the Dati folder: what saves cut short left behind is removed, each of
// the four files is read and mended on its own, the ranking's Tornei counter is set from the
// hall of fame, and every thing done is told to the player: in Italian in the window, in one
// English line on stderr. All of it under the folder's lock, so two copies starting together
// never mend one file twice.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_files.h"
#include "data/notice.h"

namespace gnamm::data {

struct DataFolderRead {
    Settings impostazioni;
    std::string nome;
    Ranking classifica;  // its counter always known: the number of lines of `albo`
    std::vector<std::string> albo;
    bool writable = true;  // false: nothing will be saved this run
    // One per event, naming the file, what was done and where the original was kept ("GnClass.txt
    // could not be read; kept as GnClass.txt.bad, ranking started afresh"). None on a first run
    // or a sound folder.
    std::vector<Notice> notices;
};

// Reads the folder (an empty path reads fresh contents and touches no disk).
DataFolderRead ReadDataFolder(const std::filesystem::path& dati);

// Shown in the instructions box at start-up when the folder cannot be written.
inline constexpr std::string_view kAvvisoDatiNonScrivibili =
    "Attenzione: la cartella Dati non si può scrivere, perciò nome, opzioni e classifica non "
    "saranno salvati.";

}  // namespace gnamm::data
