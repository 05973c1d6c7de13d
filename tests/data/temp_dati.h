// A Dati folder of the test's own, under the build's test-tmp folder: tests never touch the
// player's data, and tests running side by side never share a folder.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace gnamm::testing_support {

class TempDati {
  public:
    TempDati() {
        namespace fs = std::filesystem;
        const char* tmp = std::getenv("GNAMM_TEST_TMP");
        const fs::path base = tmp != nullptr ? fs::path(tmp) : fs::temp_directory_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = base / ("dati-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                        std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        dati_ = root_ / "gnamm" / "Dati";
    }
    ~TempDati() {
        std::error_code ec;
        std::filesystem::permissions(dati_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(root_, ec);
    }
    TempDati(const TempDati&) = delete;
    TempDati& operator=(const TempDati&) = delete;

    const std::filesystem::path& dati() const { return dati_; }
    std::filesystem::path file(const std::string& name) const { return dati_ / name; }

    void write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(dati_);
        std::ofstream(dati_ / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(dati_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(dati_ / name); }

  private:
    std::filesystem::path root_;
    std::filesystem::path dati_;
};

// Runs `write` in a child that may write only `limit` bytes to any file: the kernel stops it
// (SIGXFSZ) in the middle of the write, at a byte chosen here rather than by timing.
template <typename Write>
void WriteCutShortAt(std::size_t limit, Write write) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        write();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
}

// While it lives, every write to a file of this process past `limit` bytes (by default any byte)
// fails with EFBIG, as on a disk that is full, whoever runs the test and on any file system; the
// kernel's signal for it is ignored meanwhile.
class DiscoPieno {
  public:
    explicit DiscoPieno(rlim_t limit = 0) {
        ::getrlimit(RLIMIT_FSIZE, &prima_);
        rlimit r = prima_;
        r.rlim_cur = limit;
        segnale_ = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DiscoPieno() {
        ::setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, segnale_);
    }
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

  private:
    rlimit prima_{};
    void (*segnale_)(int) = nullptr;
};

// Runs each action in a process of its own, all at once, and waits for them: copies of the game
// on one Dati folder. True when every one ended well.
template <typename... Azioni>
bool InProcessiSeparati(Azioni... azioni) {
    const pid_t figli[] = {[&] {
        const pid_t pid = ::fork();
        if (pid == 0) {
            azioni();
            ::_exit(0);
        }
        return pid;
    }()...};
    bool ok = true;
    for (const pid_t pid : figli) {
        int status = 0;
        ok = pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
             WEXITSTATUS(status) == 0 && ok;
    }
    return ok;
}

}  // namespace gnamm::testing_support
