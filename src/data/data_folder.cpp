#include "data/data_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

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

std::string TempTemplate(const fs::path& file) {
    return file.string() + std::string(kTempMark) + std::string(kTempRandomChars, 'X');
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
    const std::string_view letters = base.substr(2, dot - 2);
    return std::all_of(letters.begin(), letters.end(), IsAsciiLetter);
}

std::vector<std::string> RemoveInterruptedSaves(const fs::path& folder) {
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

fs::path DefaultDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // Relative values are to be ignored, as the base-directory rules ask.
    if (xdg != nullptr && *xdg != '\0' && fs::path(xdg).is_absolute()) {
        return fs::path(xdg) / "gnamm" / "Dati";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return fs::path(home) / ".local" / "share" / "gnamm" / "Dati";
    }
    return fs::path("Dati");
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

bool WriteFileAtomically(const fs::path& file, std::string_view contents) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (!EnsureFolder(folder)) return false;

    std::string tmpl = TempTemplate(file);
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return false;
    // mkstemp makes the file private; give it the mode the file had, or the usual one.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(file.c_str(), &old) == 0) {
        mode = old.st_mode & 0777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    const bool written = WriteAll(fd, contents) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(tmpl.c_str(), file.c_str()) != 0) {
        ::unlink(tmpl.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

std::optional<fs::path> KeepAsBad(const fs::path& file) {
    // NAME.bad replaces an older one; when that name is taken by something rename cannot
    // replace (a folder), NAME.bad.2 .. NAME.bad.9 are tried, so the file is never lost.
    for (int k = 1; k <= 9; ++k) {
        fs::path bad = file;
        bad += k == 1 ? std::string(".bad") : ".bad." + std::to_string(k);
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(bad, ec);
        if (fs::exists(st) && !fs::is_regular_file(st)) continue;
        fs::rename(file, bad, ec);
        if (ec) return std::nullopt;
        SyncFolder(file.has_parent_path() ? file.parent_path() : fs::path("."));
        return bad;
    }
    return std::nullopt;
}

}  // namespace gnamm::data
