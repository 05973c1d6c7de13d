// The Dati folder on disk: where it lives, and safe whole-file reads and writes.
//
// Every write is atomic (a temporary file beside the target, flushed and fsynced, then
// renamed over it), so a crash or a full disk never leaves half a file. Nothing here throws:
// failures come back as false or nothing and the game goes on with what it has in memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gnamm::data {

// $XDG_DATA_HOME/gnamm/Dati, else ~/.local/share/gnamm/Dati, else ./Dati when neither
// variable is usable.
std::filesystem::path DefaultDataFolder();

// Creates the folder and its parents; false when it cannot be made.
bool EnsureFolder(const std::filesystem::path& folder);

// A file larger than this is not one of ours: it is treated as damaged, never read whole.
inline constexpr std::size_t kMaxDataFileBytes = 8u * 1024u * 1024u;

enum class ReadOutcome { Ok, Missing, Unreadable, TooLarge };

struct FileRead {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string contents;  // the file for Ok, its first kMaxDataFileBytes for TooLarge
};

// Reads a regular file whole. A directory or special file in its place is Unreadable.
FileRead ReadWholeFile(const std::filesystem::path& file);

// Writes the contents atomically (temporary file NAME.tmp.XXXXXX, fsync, rename, fsync of the
// folder; the folder is created when missing). False, with the old file untouched, when any
// step fails.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);

// True when `name` is a temporary file of WriteFileAtomically for one of the game's own
// files: "Gn" and letters, ".txt" or ".json", ".tmp." and the six letters or digits mkstemp adds.
bool IsInterruptedSaveName(std::string_view name);

// Removes the temporary files that saves cut short (power loss, kill -9) left in the folder:
// regular files only, matched by IsInterruptedSaveName. Returns the names removed.
std::vector<std::string> RemoveInterruptedSaves(const std::filesystem::path& folder);

// True when a file can be created in the folder (tried for real, and removed again).
bool CanWriteIn(const std::filesystem::path& folder);

// Moves a file that could not be trusted to NAME.bad beside it (replacing an older .bad, or
// as NAME.bad.2 .. NAME.bad.9 when that name is held by a folder), so the player's data is
// kept for a look by hand before a fresh file takes its place. The name it was kept under,
// or nothing when it could not be moved.
std::optional<std::filesystem::path> KeepAsBad(const std::filesystem::path& file);

}  // namespace gnamm::data
