#include "data/data_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace

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
            out = {ReadOutcome::TooLarge, {}};
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

    std::string tmpl = (folder / (file.filename().string() + ".XXXXXX")).string();
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

bool KeepAsBad(const fs::path& file) {
    // NAME.bad replaces an older one; when that name is taken by something rename cannot
    // replace (a folder), NAME.bad.2 .. NAME.bad.9 are tried, so the file is never lost.
    for (int k = 1; k <= 9; ++k) {
        fs::path bad = file;
        bad += k == 1 ? std::string(".bad") : ".bad." + std::to_string(k);
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(bad, ec);
        if (fs::exists(st) && !fs::is_regular_file(st)) continue;
        fs::rename(file, bad, ec);
        return !ec;
    }
    return false;
}

}  // namespace gnamm::data
