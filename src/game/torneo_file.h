// The saved Torneo in the Dati folder: written at quiet moments, offered back after the name,
// forgotten when the Torneo ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "game/torneo_save.h"

namespace gnamm {

inline constexpr std::string_view kFileTorneo = "GnTorneo.json";

// Saves the Torneo when the game is at a quiet moment; false when it is not or the write failed.
bool SalvaTorneo(Game& g);
// Writes a saved state to GnTorneo.json in the Dati folder, atomically.
bool ScriviTorneo(const std::filesystem::path& dati, const TorneoSalvato& s);
// The Torneo saved for `nome` in the Dati folder, if any. A damaged file is kept aside (one line
// on stderr); a newer one, or one saved for another name, is left where it is.
std::optional<TorneoSalvato> CaricaTorneoSalvato(const std::filesystem::path& dati,
                                                 std::string_view nome);
void CancellaTorneoSalvato(const std::filesystem::path& dati);

}  // namespace gnamm
