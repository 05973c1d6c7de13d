// A save killed at any point leaves the old file or the new one, whole, and the next start
// leaves no temporary file behind.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/startup_read.h"
#include "data/temp_dati.h"

namespace gnamm::data {
namespace {

namespace fs = std::filesystem;
using testing_support::TempDati;

std::vector<std::string> Tornei(int n, const std::string& who) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i) {
        lines.push_back(std::to_string(i) + ") " + who + " - 'Honest' Zeb  3-1  6/12/26  9:05");
    }
    return lines;
}

// The file after the kill, then after the next start: the old or the new contents, whole,
// and no temporary file in the folder.
void ExpectOldOrNewAndNoTemporaryFile(const TempDati& t, const std::vector<std::string>& old,
                                      const std::vector<std::string>& fresh, const std::string& at) {
    const std::string onDisk = t.read("GnAlbo.txt");
    EXPECT_TRUE(onDisk == FormatAlbo(old) || onDisk == FormatAlbo(fresh)) << at;
    const DataFolderRead read = ReadDataFolder(t.dati());
    EXPECT_TRUE(read.albo == old || read.albo == fresh) << at;
    for (const auto& e : fs::directory_iterator(t.dati())) {
        EXPECT_FALSE(IsInterruptedSaveName(e.path().filename().string())) << at;
    }
    EXPECT_FALSE(t.exists("GnAlbo.txt.bad")) << at;
}

TEST(InterruptedSave, KilledAtEveryStretchOfTheWrite) {
    TempDati t;
    const auto old = Tornei(40, "Ann");
    const auto fresh = Tornei(400, "Bob");
    const std::size_t size = FormatAlbo(fresh).size();
    // The child may write only `limit` bytes to any file: the kernel kills it (SIGXFSZ) in the
    // middle of the write, at a byte chosen here rather than by timing.
    for (std::size_t limit = 0; limit <= size + 1; limit += size / 23) {
        ASSERT_TRUE(SaveAlbo(t.dati(), old));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const rlimit r{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &r);
            SaveAlbo(t.dati(), fresh);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ExpectOldOrNewAndNoTemporaryFile(t, old, fresh, "limit " + std::to_string(limit));
    }
}

}  // namespace
}  // namespace gnamm::data
