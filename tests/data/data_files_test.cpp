// The four Dati files on a real folder: fresh install, round trips, every kind of bad file, and
// a save killed at any point.
#include "data/data_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "data/data_folder.h"
#include "data/startup_read.h"
#include "data/temp_dati.h"

namespace gnamm::data {
namespace {

namespace fs = std::filesystem;
using testing_support::TempDati;

const std::string kFreshImpo =
    "\"Middle\"\r\n\"Impatient\"\r\n\"Middle\"\r\n\"No\"\r\n\"No\"\r\n\"Yes\"\r\n\"No\"\r\n"
    "\"Yes\"\r\n\"Blue\"\r\n\"Blue\"\r\n\"Star\"\r\n\"Manual\"\r\n\"Yes\"\r\n\"No\"\r\n"
    "\"Middle\"\r\n\"Middle\"\r\n"
    "1\r\n#TRUE#\r\n1\r\n#TRUE#\r\n1\r\n#TRUE#\r\n1\r\n#TRUE#\r\n"
    "30000\r\n600\r\n600\r\n600\r\n750\r\n600\r\n200\r\n200\r\n";

std::string FreshClass() {
    std::string s;
    for (int i = 0; i < 10; ++i) s += "\"\"\r\n\"0\"\r\n";
    return s + "\"0\"\r\n";
}

Settings Changed() {
    Settings s;
    for (int i = 0; i < kNumeroOpzioni; ++i) CycleOption(s.opzioni, i);
    s.riquadri[1] = {0, false};
    s.riquadri[3] = {0, true};
    s.intervalli.silenzio = 60000;
    s.intervalli.scegli4CarteSulTavolo = 100;
    return s;
}

// The files in the folder, of any kind: no temporary file may be left among them.
int CountFiles(const fs::path& folder) {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

Ranking Sample() {
    Ranking r;
    r.righe[0] = {"Niccolò", 4};
    r.righe[1] = {"'Cheat' Zeb", 2};
    r.righe[2] = {"Zoë Ångström", 1};
    r.totalePartite = 7;
    return r;
}

TEST(DataFiles, AFirstRunMakesTheDocumentedFilesInSilence) {
    TempDati t;
    fs::create_directories(t.dati());  // the game may have made the folder already
    t.write("GnFinestra.txt", "#TRUE#\r\n");
    const DataFolderRead read = ReadDataFolder(t.dati());
    EXPECT_TRUE(read.notices.empty());
    EXPECT_EQ(read.classifica.totalePartite, 0);
    EXPECT_EQ(t.read("GnImpo.txt"), kFreshImpo);
    EXPECT_EQ(t.read("GnNome.txt"), "\"\"\r\n");
    EXPECT_EQ(t.read("GnClass.txt"), FreshClass());
    EXPECT_EQ(t.read("GnAlbo.txt"), "\"\"\r\n");
    // Making what is missing leaves the player's files alone.
    ASSERT_TRUE(SaveName(t.dati(), "Zoe"));
    ASSERT_TRUE(PrepareDataFolder(t.dati()));
    EXPECT_EQ(t.read("GnNome.txt"), "\"Zoe\"\r\n");
}

TEST(DataFiles, EveryFileReadsBackWhatWasWritten) {
    TempDati t;
    ASSERT_TRUE(SaveSettings(t.dati(), Changed()));
    const auto s = LoadSettings(t.dati());
    EXPECT_EQ(s.status, FileStatus::Ok);
    EXPECT_EQ(FormatSettings(s.value), FormatSettings(Changed()));
    EXPECT_EQ(s.value.opzioni.impazienzaZeb, Impazienza::VeryImpatient);
    EXPECT_FALSE(s.value.riquadri[1].shown);

    ASSERT_TRUE(SaveName(t.dati(), "Niccolò d'Ørsted"));
    EXPECT_EQ(t.read("GnNome.txt"), "\"Niccolò d'Ørsted\"\r\n");
    EXPECT_EQ(LoadName(t.dati()).value, "Niccolò d'Ørsted");

    ASSERT_TRUE(SaveRanking(t.dati(), Sample()));
    const auto r = LoadRanking(t.dati());
    EXPECT_EQ(r.status, FileStatus::Ok);
    EXPECT_EQ(FormatRanking(r.value), FormatRanking(Sample()));
    EXPECT_EQ(r.value.righe[2].nome, "Zoë Ångström");

    const std::vector<std::string> lines = {"1) Zoë - 'Honest' Zeb  3-0  6/12/26  9:05",
                                            "2) 'Cheat' Zeb - Zoë  3-2  7/12/26  23:59"};
    ASSERT_TRUE(SaveAlbo(t.dati(), lines));
    EXPECT_EQ(t.read("GnAlbo.txt"),
              "\"1) Zoë - 'Honest' Zeb  3-0  6/12/26  9:05\"\r\n"
              "\"2) 'Cheat' Zeb - Zoë  3-2  7/12/26  23:59\"\r\n\"\"\r\n");
    const auto a = LoadAlbo(t.dati());
    EXPECT_EQ(a.status, FileStatus::Ok);
    EXPECT_EQ(a.value, lines);
    EXPECT_EQ(CountFiles(t.dati()), 4);
}

TEST(DataFiles, WithNameDotBadTakenTheNextFreeNameKeepsTheFileAndWithNoneFreeItStays) {
    TempDati t;
    fs::create_directories(t.file("GnAlbo.txt") / "inside");
    fs::create_directories(t.file("GnAlbo.txt.bad"));
    const auto a = LoadAlbo(t.dati());
    EXPECT_EQ(a.status, FileStatus::Unreadable);
    EXPECT_EQ(a.keptAs, t.file("GnAlbo.txt.bad.2"));
    EXPECT_TRUE(fs::is_directory(t.file("GnAlbo.txt.bad.2") / "inside"));
    EXPECT_EQ(t.read("GnAlbo.txt"), "\"\"\r\n");

    // An untrusted file that cannot be set aside at all is never overwritten.
    t.write("GnNome.txt", "garbled");
    ASSERT_TRUE(PrepareDataFolder(t.dati()));
    fs::create_directories(t.file("GnNome.txt.bad"));
    for (int k = 2; k <= 9; ++k)
        fs::create_directories(t.file("GnNome.txt.bad." + std::to_string(k)));
    const DataFolderRead read = ReadDataFolder(t.dati());
    EXPECT_EQ(read.nome, "");
    EXPECT_EQ(read.notices, std::vector<std::string>{
                                "GnNome.txt was damaged and could not be set aside; left as it "
                                "is, name left empty for this run"});
    EXPECT_EQ(t.read("GnNome.txt"), "garbled");
}

TEST(DataFolder, ThePlaceOfTheFolderAndAFolderThatCannotBeMadeOrNoneAtAll) {
    TempDati t;
    fs::create_directories(t.dati().parent_path());
    // A plain file where the folder's parent should be: nothing below it can be created,
    // whoever runs the test.
    const fs::path blocked = t.dati().parent_path() / "blocked";
    t.write("../blocked", "x");
    const fs::path dati = blocked / "Dati";
    EXPECT_FALSE(PrepareDataFolder(dati));
    const DataFolderRead read = ReadDataFolder(dati);
    EXPECT_FALSE(read.writable);
    EXPECT_EQ(read.notices, std::vector<std::string>{"the data folder " + dati.string() +
                                                     " cannot be made; nothing will be saved "
                                                     "this run"});
    EXPECT_EQ(LoadSettings(dati).status, FileStatus::Missing);
    EXPECT_EQ(LoadName(dati).value, "");
    EXPECT_FALSE(SaveName(dati, "Zoe"));
    EXPECT_FALSE(SaveSettings(dati, Settings{}));
    EXPECT_FALSE(WriteFileAtomically(dati / "x.txt", "x"));

    // Nor does an empty folder path ever touch the disk.
    const fs::path here = fs::current_path();
    EXPECT_EQ(LoadRanking({}).status, FileStatus::Missing);
    EXPECT_FALSE(SaveRanking({}, Sample()));
    EXPECT_FALSE(SaveName({}, "x"));
    EXPECT_FALSE(fs::exists(here / "GnClass.txt"));
    EXPECT_FALSE(fs::exists(here / "GnNome.txt"));

    // The default folder follows XDG_DATA_HOME when it is absolute, else HOME.
    const char* oldXdg = std::getenv("XDG_DATA_HOME");
    const std::string keepXdg = oldXdg ? oldXdg : "";
    ::setenv("XDG_DATA_HOME", "/x/share", 1);
    EXPECT_EQ(DefaultDataFolder(), fs::path("/x/share/gnamm/Dati"));
    ::setenv("XDG_DATA_HOME", "relative/not/allowed", 1);
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        EXPECT_EQ(DefaultDataFolder(), fs::path(home) / ".local/share/gnamm/Dati");
    }
    if (oldXdg) {
        ::setenv("XDG_DATA_HOME", keepXdg.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
}

TEST(DataFiles, ARewriteKeepsTheFilesModeAndAFailedWriteLeavesTheOldFileWhole) {
    TempDati t;
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    ASSERT_TRUE(SaveName(t.dati(), "Zoe"));
    fs::permissions(t.file("GnNome.txt"), mode);
    ASSERT_TRUE(SaveName(t.dati(), "Ugo"));
    EXPECT_EQ(fs::status(t.file("GnNome.txt")).permissions(), mode);
    // The target is now a non-empty folder: the rename fails and nothing is lost.
    fs::remove(t.file("GnAlbo.txt"));
    fs::create_directories(t.file("GnAlbo.txt") / "x");
    EXPECT_FALSE(SaveAlbo(t.dati(), {"1) a"}));
    EXPECT_TRUE(fs::is_directory(t.file("GnAlbo.txt") / "x"));
    EXPECT_EQ(t.read("GnNome.txt"), "\"Ugo\"\r\n");
    EXPECT_EQ(CountFiles(t.dati()), 2);  // the name and the folder
}

// The child may write only `limit` bytes to any file: the kernel kills it (SIGXFSZ) in the middle
// of the write, at a byte chosen here rather than by timing. The file after the kill, then after
// the next start, holds the old or the new contents, whole, and no temporary file stays.
TEST(InterruptedSave, KilledAtEveryStretchOfTheWriteLeavesTheOldFileOrTheNew) {
    TempDati t;
    std::vector<std::string> old, fresh;
    for (int i = 1; i <= 400; ++i) {
        const std::string rest = " - 'Honest' Zeb  3-1  6/12/26  9:05";
        if (i <= 40) old.push_back(std::to_string(i) + ") Ann" + rest);
        fresh.push_back(std::to_string(i) + ") Bob" + rest);
    }
    const std::size_t size = FormatAlbo(fresh).size();
    for (std::size_t limit = 0; limit <= size + 1; limit += size / 23) {
        SCOPED_TRACE("limit " + std::to_string(limit));
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
        const std::string onDisk = t.read("GnAlbo.txt");
        EXPECT_TRUE(onDisk == FormatAlbo(old) || onDisk == FormatAlbo(fresh));
        const DataFolderRead read = ReadDataFolder(t.dati());
        EXPECT_TRUE(read.albo == old || read.albo == fresh);
        EXPECT_EQ(CountFiles(t.dati()), 4);  // no temporary file and no GnAlbo.txt.bad
    }
}

}  // namespace
}  // namespace gnamm::data
