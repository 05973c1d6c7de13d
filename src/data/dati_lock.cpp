#include "data/dati_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <map>
#include <thread>
#include <utility>

namespace gnamm::data {

namespace fs = std::filesystem;

// An open lock file with its flock taken. Two opens of one file in one process would exclude
// each other under flock, so this process keeps one per file and shares it.
class Blocco {
  public:
    explicit Blocco(int fd) : fd_(fd), pid_(::getpid()) {}
    ~Blocco() {
        if (mio()) ::flock(fd_, LOCK_UN);  // a forked child's copy would free its parent's lock
        ::close(fd_);
    }
    Blocco(const Blocco&) = delete;
    Blocco& operator=(const Blocco&) = delete;
    // A child made by fork shares the descriptor but is another copy: it holds nothing.
    bool mio() const { return pid_ == ::getpid(); }

  private:
    int fd_;
    pid_t pid_;
};

namespace {

// How long a write waits for another copy's write to end before going on without the lock.
constexpr auto kAttesaMassima = std::chrono::seconds(5);
constexpr auto kPasso = std::chrono::milliseconds(10);

// Keyed by the lock file itself (device and inode), not by how its path was spelled: one folder
// reached by two spellings must not lock this process out of its own lock for the whole wait.
using Chiave = std::pair<dev_t, ino_t>;

std::map<Chiave, std::weak_ptr<Blocco>>& Tenuti() {
    static std::map<Chiave, std::weak_ptr<Blocco>> tenuti;
    return tenuti;
}

enum class Attesa { No, Si };

std::shared_ptr<Blocco> PrendiFile(const fs::path& file, Attesa attesa) {
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return nullptr;
    }
    const Chiave chiave{st.st_dev, st.st_ino};
    if (auto gia = Tenuti()[chiave].lock(); gia && gia->mio()) {
        ::close(fd);  // another descriptor: closing it leaves the held lock alone
        return gia;
    }
    const auto fine = std::chrono::steady_clock::now() + kAttesaMassima;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || attesa == Attesa::No ||
            std::chrono::steady_clock::now() >= fine) {
            ::close(fd);
            return nullptr;
        }
        std::this_thread::sleep_for(kPasso);
    }
    auto b = std::make_shared<Blocco>(fd);
    Tenuti()[chiave] = b;
    return b;
}

}  // namespace

// No folder (an empty path) has no lock: never one made in the folder the game started in.
BloccoDati::BloccoDati(const fs::path& dati)
    : blocco_(dati.empty() ? nullptr : PrendiFile(dati / kFileBloccoDati, Attesa::Si)) {}

BloccoDati::~BloccoDati() = default;

std::string HashNome(std::string_view nome) {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a: stable across runs and builds
    for (const char c : nome) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016" PRIx64, h);
    return hex;
}

std::string FileBloccoNome(std::string_view nome) {
    return "GnGiocatore." + HashNome(nome) + ".lock";
}

std::optional<NomeInUso> NomeInUso::Prendi(const fs::path& dati, std::string_view nome) {
    if (dati.empty()) return NomeInUso(nullptr);
    const fs::path file = dati / FileBloccoNome(nome);
    auto b = PrendiFile(file, Attesa::No);
    if (b) return NomeInUso(std::move(b));
    // Held by another copy, or no lock file can be made here: only the first is a refusal.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return NomeInUso(nullptr);
    const bool altraCopia = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    if (altraCopia) return std::nullopt;
    return NomeInUso(nullptr);
}

}  // namespace gnamm::data
