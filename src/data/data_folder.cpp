#include "data/data_folder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>

#include "data/dati_lock.h"

namespace gnamm::data {

namespace fs = std::filesystem;

namespace {

// Writes everything, retrying after interruptions and short writes.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

WriteError FromErrno(int e) {
    switch (e) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:  // the size the system allows this program is used up: full, as far as it goes
            return WriteError::DiskFull;
        case EROFS:
            return WriteError::ReadOnly;
        case EACCES:
        case EPERM:
            return WriteError::NoPermission;
        default:
            return WriteError::Other;
    }
}

// The file a write lands on: symbolic links followed to their target, which may not exist
// yet. Nothing for a loop of links or one that cannot be read.
std::optional<fs::path> WriteTarget(const fs::path& file) {
    fs::path p = file;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::error_code ec;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) return std::nullopt;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return std::nullopt;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Makes the rename itself durable; a folder that cannot be opened or synced is not an error
// worth losing the write over.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

constexpr std::string_view kTempMark = ".tmp.";
constexpr std::size_t kTempRandomChars = 6;  // what mkstemp puts in place of XXXXXX

constexpr std::size_t kPlayerHashChars = 16;  // a player's own file: GnTorneo.<hash>.json

std::string TempTemplate(const fs::path& file) {
    return file.string() + std::string(kTempMark) + std::string(kTempRandomChars, 'X');
}

bool IsLowerHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiLetterOrDigit(char c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9');
}

}  // namespace

bool IsInterruptedSaveName(std::string_view name) {
    const std::size_t mark = name.find(kTempMark);
    if (mark == std::string_view::npos) return false;
    const std::string_view base = name.substr(0, mark);
    const std::string_view random = name.substr(mark + kTempMark.size());
    if (random.size() != kTempRandomChars ||
        !std::all_of(random.begin(), random.end(), IsAsciiLetterOrDigit)) {
        return false;
    }
    const std::size_t dot = base.rfind('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view ext = base.substr(dot);
    if ((ext != ".txt" && ext != ".json") || dot <= 2 || base.substr(0, 2) != "Gn") return false;
    std::string_view letters = base.substr(2, dot - 2);
    const std::size_t hashDot = letters.find('.');
    if (hashDot != std::string_view::npos) {
        const std::string_view hash = letters.substr(hashDot + 1);
        if (hash.size() != kPlayerHashChars || !std::all_of(hash.begin(), hash.end(), IsLowerHex)) {
            return false;
        }
        letters = letters.substr(0, hashDot);
    }
    return !letters.empty() && std::all_of(letters.begin(), letters.end(), IsAsciiLetter);
}

std::vector<std::string> RemoveInterruptedSaves(const fs::path& folder) {
    const BloccoDati blocco(folder);
    std::vector<std::string> removed;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code statEc;
        if (!IsInterruptedSaveName(name) || !it->is_regular_file(statEc) ||
            it->is_symlink(statEc)) {
            continue;
        }
        if (::unlink(it->path().c_str()) == 0) removed.push_back(name);
    }
    if (!removed.empty()) SyncFolder(folder);
    std::sort(removed.begin(), removed.end());  // told in the same order whatever the disk's
    return removed;
}

bool CanWriteIn(const fs::path& folder) {
    std::string tmpl = TempTemplate(folder / "GnProva.txt");
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(tmpl.c_str());
    return true;
}

namespace {

// An environment variable holding an absolute path; relative values are to be ignored, as the
// base-directory rules ask.
std::optional<fs::path> AbsoluteFromEnvironment(const char* name) {
    const char* v = std::getenv(name);
    if (v == nullptr || *v == '\0' || !fs::path(v).is_absolute()) return std::nullopt;
    return fs::path(v);
}

}  // namespace

fs::path DefaultDataFolder() {
    if (const auto xdg = AbsoluteFromEnvironment("XDG_DATA_HOME")) return *xdg / "gnamm" / "Dati";
    fs::path home = AbsoluteFromEnvironment("HOME").value_or(fs::path());
    if (home.empty()) {
        // Started without a login's environment (a service, env -i): the account's own home.
        home.clear();
        passwd entry{};
        passwd* found = nullptr;
        std::string buffer(16384, '\0');
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr) {
            home = found->pw_dir;
        }
    }
    if (!home.is_absolute()) return {};
    return home / ".local" / "share" / "gnamm" / "Dati";
}

const Notice kNoDataFolder = {
    "Attenzione: non c'è una cartella personale in cui tenere i dati del gioco, perciò nome, "
    "opzioni, classifica e statistiche non saranno salvati.",
    "no home folder (HOME unset and none in the password database): nothing will be saved this "
    "run"};

std::optional<Notice> DataFolderNotice(const fs::path& chosen) {
    if (chosen.empty()) return kNoDataFolder;
    if (AbsoluteFromEnvironment("XDG_DATA_HOME") || AbsoluteFromEnvironment("HOME")) {
        return std::nullopt;
    }
    return Notice{
        "La variabile HOME non è impostata: i dati del gioco sono tenuti nella cartella " +
            chosen.string() + ", presa dall'elenco degli utenti del sistema.",
        "HOME is unset: the data folder is " + chosen.string() +
            ", under the home folder of the password database"};
}

bool EnsureFolder(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

FileRead ReadWholeFile(const fs::path& file) {
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (st.type() == fs::file_type::not_found) return {ReadOutcome::Missing, {}};
    if (ec || st.type() != fs::file_type::regular) return {ReadOutcome::Unreadable, {}};

    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Unreadable, {}};
    FileRead out{ReadOutcome::Ok, {}};
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            out = {ReadOutcome::Unreadable, {}};
            break;
        }
        if (n == 0) break;
        if (out.contents.size() + static_cast<std::size_t>(n) > kMaxDataFileBytes) {
            out.outcome = ReadOutcome::TooLarge;
            out.contents.append(buffer, kMaxDataFileBytes - out.contents.size());
            break;
        }
        out.contents.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return out;
}

WriteError TryWriteFileAtomically(const fs::path& file, std::string_view contents) {
    // A bare name is a file of no Dati folder (an empty path joined to it): never written into
    // whatever folder the game was started from.
    if (!file.has_parent_path()) return WriteError::Other;
    const fs::path folder = file.parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        std::error_code again;
        if (!fs::is_directory(folder, again)) return ec ? FromErrno(ec.value()) : WriteError::Other;
    }
    const BloccoDati blocco(folder);
    const std::optional<fs::path> target = WriteTarget(file);
    if (!target) return WriteError::Other;

    std::string tmpl = TempTemplate(*target);
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return FromErrno(errno);
    // mkstemp makes the file private; give it the mode the file had, or the usual one.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target->c_str(), &old) == 0) {
        mode = old.st_mode & 0777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    int failure = 0;
    if (!WriteAll(fd, contents) || ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(tmpl.c_str(), target->c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(tmpl.c_str());
        return FromErrno(failure);
    }
    SyncFolder(FolderOf(*target));
    return WriteError::None;
}

bool WriteFileAtomically(const fs::path& file, std::string_view contents) {
    return TryWriteFileAtomically(file, contents) == WriteError::None;
}

namespace {

// By WriteError: the reason in Italian and in English.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kReasons = {{
    {"", ""},
    {"il disco è pieno", "the disk is full"},
    {"la cartella Dati è di sola lettura", "the Dati folder is read-only"},
    {"manca il permesso di scrivere nella cartella Dati",
     "no permission to write in the Dati folder"},
    {"il disco ha rifiutato la scrittura", "the disk refused the write"},
}};

}  // namespace

std::string_view WriteErrorItalian(WriteError e) {
    return kReasons[static_cast<std::size_t>(e)].first;
}

std::string_view WriteErrorEnglish(WriteError e) {
    return kReasons[static_cast<std::size_t>(e)].second;
}

Notice SaveFailedNotice(std::string_view file, WriteError e, std::string_view what) {
    const std::string name(file);
    const std::string cosa = what.empty() ? name : std::string(what) + " (" + name + ")";
    return {"Attenzione: non è stato possibile salvare " + cosa + " perché " +
                std::string(WriteErrorItalian(e)) +
                ". I dati restano in memoria e il salvataggio sarà ritentato.",
            "could not save " + name + ": " + std::string(WriteErrorEnglish(e)) +
                "; kept in memory, to be tried again at the next save"};
}

namespace {

fs::path NumberedBad(const fs::path& file, int k) {
    fs::path bad = file;
    bad += k == 0 ? std::string(".bad") : "." + std::to_string(k) + ".bad";
    return bad;
}

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

}  // namespace

std::optional<fs::path> KeepAsBad(const fs::path& file) {
    if (!file.has_parent_path()) return std::nullopt;  // no Dati folder (see the writes above)
    const BloccoDati blocco(file.parent_path());
    std::error_code ec;
    const bool link = fs::is_symlink(fs::symlink_status(file, ec));
    // Only a regular file can be copied from behind a link.
    if (link && !fs::is_regular_file(fs::status(file, ec))) return std::nullopt;
    // Every copy moves one number up, the oldest dropped: the new one is always NAME.bad.
    const fs::path oldest = NumberedBad(file, kBadCopiesKept - 1);
    if (Exists(oldest) && (fs::remove_all(oldest, ec), ec)) return std::nullopt;
    for (int k = kBadCopiesKept - 2; k >= 0; --k) {
        const fs::path from = NumberedBad(file, k);
        if (!Exists(from)) continue;
        fs::rename(from, NumberedBad(file, k + 1), ec);
        if (ec) return std::nullopt;
    }
    const fs::path bad = NumberedBad(file, 0);
    if (link) {
        fs::copy_file(file, bad, ec);
        if (ec) {
            fs::remove(bad, ec);
            return std::nullopt;
        }
    } else {
        fs::rename(file, bad, ec);
        if (ec) return std::nullopt;
    }
    SyncFolder(file.parent_path());
    return bad;
}

}  // namespace gnamm::data
