// The saved Torneos in the Dati folder: one file a player, GnTorneo.<the name's hash>.json with
// the name inside, so several players' Torneos live side by side and a game under one name
// never touches another's. Written at quiet moments, offered back after the name, removed when
// the Torneo ends; every read-and-write holds the folder's lock (data/dati_lock.h), so two
// copies of the game never overwrite what the other wrote. The single GnTorneo.json of the
// first format, shared by every name, moves to its player's file when that player comes back.
//
// A file this copy cannot trust to overwrite (written by a newer game, one that cannot be read,
// another player's) is left as it is, and no Torneo is saved under that name while the game
// runs; a damaged one is kept aside as .bad. The player is told either way (Game::avvisi).
// The save sits above the game, Nonno Zeb and the sounds, whose states it gathers.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "data/avvisi.h"
#include "save/torneo_save.h"

namespace gnamm {

inline constexpr std::string_view kFileTorneoUnico = "GnTorneo.json";

// Dati/GnTorneo.<16 hex digits>.json for a player's (cleaned) name.
std::filesystem::path FileTorneo(const std::filesystem::path& dati, std::string_view nome);

// What this copy of the game may do with its player's saved Torneo.
struct CustodiaTorneo {
    // Off when the file must be left as it is: another copy plays under the name, or the file
    // there was written by a newer game, cannot be read or holds another player's Torneo.
    bool scrivibile = true;
    // Off when the Dati folder could not be written at start-up: the player was told nothing is
    // saved this run, so no save is tried (a saved Torneo is still offered).
    bool cartellaScrivibile = true;
};

// Saves the Torneo when the game is at a quiet moment; false when it is not or nothing was
// written.
bool SalvaTorneo(Game& g, const NonnoZeb& zeb, const Suoni& suoni, CustodiaTorneo& custodia);

// Writes `s` to its player's file, atomically. Nothing is written when `custodia` forbids it or
// the file on disk turns out newer, unreadable or another player's (`custodia` then forbids it
// from now on); a file that is not a Torneo at all is first kept aside. A failed write leaves
// the file as it was and is said in `avvisi` with its reason (full disk, read-only folder,
// permission); the caller tries again at its next save.
bool ScriviTorneo(const std::filesystem::path& dati, const TorneoSalvato& s, data::Avvisi& avvisi,
                  CustodiaTorneo& custodia);

// The Torneo saved for `nome`, to offer back, after moving the old single file to its player's
// file. A damaged save, or one that breaks the game's invariants, is kept aside as .bad and not
// offered; what must be left alone turns `custodia` off. Each is said in `avvisi`.
std::optional<TorneoSalvato> CaricaTorneoSalvato(const std::filesystem::path& dati,
                                                 std::string_view nome, data::Avvisi& avvisi,
                                                 CustodiaTorneo& custodia);

// The same for tools and tests: notices on stderr only, nothing kept between calls.
bool ScriviTorneo(const std::filesystem::path& dati, const TorneoSalvato& s);
std::optional<TorneoSalvato> CaricaTorneoSalvato(const std::filesystem::path& dati,
                                                 std::string_view nome);

// A surrender or the end of the Torneo: removes the game's player's saved Torneo, and nothing
// when that file holds anything else.
void CancellaTorneoSalvato(const Game& g, const CustodiaTorneo& custodia);

}  // namespace gnamm
