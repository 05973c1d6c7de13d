// The Dati folder on disk: where it lives, and safe whole-file reads and writes.
//
// Every write is atomic (a temporary file beside the target, flushed and fsynced, then
// renamed over it), so a crash or a full disk never leaves half a file, and is made under the
// folder's lock (dati_lock.h), so the start-up clean-up never takes another copy's save in
// flight. Nothing here throws: failures come back as false or nothing, with the reason where
// the player is to be told, and the game goes on with what it has in memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/notice.h"

namespace gnamm::data {

// $XDG_DATA_HOME/gnamm/Dati, else <home>/.local/share/gnamm/Dati, the home folder from HOME or,
// when HOME is unset, from the password database. Empty when there is no home folder at all:
// the game then saves nothing (never into the folder it was started from) and says so with
// kNoDataFolder.
std::filesystem::path DefaultDataFolder();
extern const Notice kNoDataFolder;
// What the player is told about the folder DefaultDataFolder chose, when the environment did not
// name it: none at all (kNoDataFolder), or the one taken from the password database.
std::optional<Notice> DataFolderNotice(const std::filesystem::path& chosen);

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

// Why a write failed, in the terms the player is told.
enum class WriteError { None, DiskFull, ReadOnly, NoPermission, Other };

// Writes the contents atomically (temporary file NAME.tmp.XXXXXX, fsync, rename, fsync of the
// folder; the folder is created when missing). A symbolic link is written through: the link
// stays, its target is replaced, with the temporary file beside the target; a link that leads
// nowhere usable (a loop, a missing folder) fails and stays as it is. Any failure leaves the
// old file untouched. A bare file name, with no folder, is never written.
WriteError TryWriteFileAtomically(const std::filesystem::path& file, std::string_view contents);
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);

// The reason in Italian ("il disco è pieno") and in English ("the disk is full").
std::string_view WriteErrorItalian(WriteError e);
std::string_view WriteErrorEnglish(WriteError e);
// What the player is told when a save of `file` failed: the data stays in memory and the save
// is tried again. `what` names it for the player ("le statistiche"), before the file's name.
Notice SaveFailedNotice(std::string_view file, WriteError e, std::string_view what = {});

// True when `name` is a temporary file of WriteFileAtomically for one of the game's own
// files: "Gn" and letters, optionally "." and 16 lowercase hex digits (a player's own file),
// ".txt" or ".json", ".tmp." and the six letters or digits mkstemp adds.
bool IsInterruptedSaveName(std::string_view name);

// Removes the temporary files that saves cut short (power loss, kill -9) left in the folder:
// regular files only, matched by IsInterruptedSaveName, under the folder's lock so that no other
// copy's save in flight is taken. Returns the names removed.
std::vector<std::string> RemoveInterruptedSaves(const std::filesystem::path& folder);

// True when a file can be created in the folder (tried for real, and removed again).
bool CanWriteIn(const std::filesystem::path& folder);

// How many set-aside copies of one file are kept: NAME.bad (the newest), NAME.1.bad, ...,
// NAME.9.bad (the oldest, dropped at the next repair).
inline constexpr int kBadCopiesKept = 10;

// Keeps a file that could not be trusted as NAME.bad beside it, the older copies moving one
// number up, so every repair's evidence is kept for a look by hand before a fresh file takes
// its place. A symbolic link stays where it is: its target's bytes are copied aside, and the
// next write goes through the link. The name it was kept under, or nothing when it could not
// be kept (the file is then to be left as it is).
std::optional<std::filesystem::path> KeepAsBad(const std::filesystem::path& file);

}  // namespace gnamm::data
