// The settings and the name as this copy last tried to save them, when that save failed (a full
// disk, a folder made read-only): kept here, in memory, and written again at the next save, so
// a failure costs neither. They are whole snapshots of memory, never merged: the newest wins.
#pragma once

#include <filesystem>
#include <string>

#include "data/avvisi.h"
#include "data/data_folder.h"

namespace gnamm::data {

// Writes `contents` to `file`; after a failure they are kept for RetryPendingWrites, after a
// success whatever was pending for the file is forgotten. `what` names the file for the player
// ("le opzioni").
WriteError WriteOrKeepPending(const std::filesystem::path& file, std::string contents,
                              std::string what);

// Writes again what is pending for the files of `dati`; each one that still fails is said once
// in `avvisi`, with the reason. True when nothing is left pending there.
bool RetryPendingWrites(const std::filesystem::path& dati, Avvisi& avvisi);

}  // namespace gnamm::data
