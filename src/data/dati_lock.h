// Several copies of the game may share one Dati folder. Two advisory locks (flock) keep them
// from losing each other's data:
// - the folder's lock (Dati/GnDati.lock), held for every read-merge-write of a shared file and
//   for the start-up clean-up of interrupted saves, so a write rereads what another copy wrote
//   and never deletes another copy's save in flight;
// - a name's lock (Dati/GnGiocatore.<hex>.lock), held by the copy playing under that name for as
//   long as it plays, and released by the system when that copy dies.
// Within one process both are re-entrant: taking a lock this process already holds succeeds.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace gnamm::data {

inline constexpr std::string_view kFileBloccoDati = "GnDati.lock";

class Blocco;  // one lock file held by this process

// The folder's lock, held for the object's life. Waits a few seconds for another copy to finish
// its write; when the lock cannot be had (a folder that cannot be written, a copy that hangs)
// the holder goes on without it rather than lose its own write. No folder (an empty path): none.
class BloccoDati {
  public:
    explicit BloccoDati(const std::filesystem::path& dati);
    ~BloccoDati();
    BloccoDati(const BloccoDati&) = delete;
    BloccoDati& operator=(const BloccoDati&) = delete;
    bool preso() const { return blocco_ != nullptr; }

  private:
    std::shared_ptr<Blocco> blocco_;
};

// 16 lowercase hex digits of the name's hash (FNV-1a 64 of its bytes): the same in every run
// and build, so the files kept under a name keep their names.
std::string HashNome(std::string_view nome);
// The file name of a player's lock: "GnGiocatore." and the name's hash.
std::string FileBloccoNome(std::string_view nome);

// The lock of the name this copy plays under.
class NomeInUso {
  public:
    // Takes the name's lock at once, without waiting; nothing when another copy holds it. When
    // the lock file cannot be made (a folder that cannot be written), the name counts as free:
    // nothing will be saved there anyway.
    static std::optional<NomeInUso> Prendi(const std::filesystem::path& dati,
                                           std::string_view nome);
    NomeInUso(NomeInUso&&) noexcept = default;
    NomeInUso& operator=(NomeInUso&&) noexcept = default;
    ~NomeInUso() = default;

  private:
    explicit NomeInUso(std::shared_ptr<Blocco> b) : blocco_(std::move(b)) {}
    std::shared_ptr<Blocco> blocco_;  // null when the folder could not hold a lock file
};

}  // namespace gnamm::data
