// The four Dati files on a real folder: fresh install, round trips, and every kind of bad file.
#include "data/data_files.h"

#include <gtest/gtest.h>

#include "data/data_folder.h"
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

bool SameSettings(const Settings& a, const Settings& b) {
    return FormatSettings(a) == FormatSettings(b);
}

Ranking Sample() {
    Ranking r;
    r.righe[0] = {"Niccolò", 4};
    r.righe[1] = {"'Cheat' Zeb", 2};
    r.righe[2] = {"Zoë Ångström", 1};
    r.totalePartite = 7;
    return r;
}

TEST(DataFolder, DefaultFollowsXdgDataHomeThenHome) {
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

TEST(DataFiles, AFreshFolderHoldsTheDocumentedContents) {
    TempDati t;
    ASSERT_TRUE(PrepareDataFolder(t.dati()));
    EXPECT_EQ(t.read("GnImpo.txt"), kFreshImpo);
    EXPECT_EQ(t.read("GnNome.txt"), "\"\"\r\n");
    EXPECT_EQ(t.read("GnClass.txt"), FreshClass());
    EXPECT_EQ(t.read("GnAlbo.txt"), "\"\"\r\n");
    // A second call leaves the player's files alone.
    ASSERT_TRUE(SaveName(t.dati(), "Zoe"));
    ASSERT_TRUE(PrepareDataFolder(t.dati()));
    EXPECT_EQ(t.read("GnNome.txt"), "\"Zoe\"\r\n");
}

TEST(DataFiles, MissingFilesGiveFreshContentsAndAreCreated) {
    TempDati t;
    const auto s = LoadSettings(t.dati());
    EXPECT_EQ(s.status, FileStatus::Missing);
    EXPECT_TRUE(SameSettings(s.value, Settings{}));
    EXPECT_EQ(t.read("GnImpo.txt"), kFreshImpo);

    const auto n = LoadName(t.dati());
    EXPECT_EQ(n.status, FileStatus::Missing);
    EXPECT_EQ(n.value, "");
    const auto r = LoadRanking(t.dati());
    EXPECT_EQ(r.status, FileStatus::Missing);
    EXPECT_EQ(r.value.totalePartite, 0);
    const auto a = LoadAlbo(t.dati(), 0);
    EXPECT_EQ(a.status, FileStatus::Missing);
    EXPECT_TRUE(a.value.empty());
    EXPECT_EQ(t.read("GnClass.txt"), FreshClass());
    EXPECT_EQ(t.read("GnAlbo.txt"), "\"\"\r\n");
    EXPECT_FALSE(t.exists("GnImpo.txt.bad"));
}

TEST(DataFiles, EveryFileReadsBackWhatWasWritten) {
    TempDati t;
    ASSERT_TRUE(SaveSettings(t.dati(), Changed()));
    const auto s = LoadSettings(t.dati());
    EXPECT_EQ(s.status, FileStatus::Ok);
    EXPECT_TRUE(SameSettings(s.value, Changed()));
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
    const auto a = LoadAlbo(t.dati(), 2);
    EXPECT_EQ(a.status, FileStatus::Ok);
    EXPECT_EQ(a.value, lines);
    // No temporary file is left beside the data.
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(t.dati())) ++files;
    EXPECT_EQ(files, 4);
}

TEST(DataFiles, ARewriteKeepsTheFilesMode) {
    TempDati t;
    ASSERT_TRUE(SaveName(t.dati(), "Zoe"));
    fs::permissions(t.file("GnNome.txt"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveName(t.dati(), "Ugo"));
    EXPECT_EQ(fs::status(t.file("GnNome.txt")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(DataFiles, HandWrittenFilesWithLfLineEndsRead) {
    TempDati t;
    std::string impo = kFreshImpo;
    for (auto p = impo.find("\r\n"); p != std::string::npos; p = impo.find("\r\n"))
        impo.erase(p, 1);
    t.write("GnImpo.txt", impo);
    t.write("GnClass.txt", "\"Ann\"\n\"2\"\n" + std::string("\"\"\n\"0\"\n") +
                               "\"\"\n\"0\"\n"
                               "\"\"\n\"0\"\n\"\"\n\"0\"\n\"\"\n\"0\"\n\"\"\n\"0\"\n\"\"\n\"0\"\n"
                               "\"\"\n\"0\"\n\"\"\n\"0\"\n\"2\"\n");
    t.write("GnAlbo.txt", "\"1) Ann - 'Honest' Zeb  3-0  1/1/26  0:00\"\n\"2) x\"\n\"\"\n");
    EXPECT_EQ(LoadSettings(t.dati()).status, FileStatus::Ok);
    const auto r = LoadRanking(t.dati());
    EXPECT_EQ(r.status, FileStatus::Ok);
    EXPECT_EQ(r.value.righe[0].nome, "Ann");
    EXPECT_EQ(r.value.totalePartite, 2);
    EXPECT_EQ(LoadAlbo(t.dati(), 2).status, FileStatus::Ok);
    EXPECT_FALSE(t.exists("GnImpo.txt.bad"));
}

TEST(DataFiles, ATruncatedSettingsFileKeepsItsReadablePartAndIsSetAside) {
    TempDati t;
    const std::string full = FormatSettings(Changed());
    // Cut in the middle of item 20 (the side box toggles).
    std::size_t cut = 0;
    for (int line = 0; line < 19; ++line) cut = full.find("\r\n", cut) + 2;
    const std::string truncated = full.substr(0, cut + 1);
    t.write("GnImpo.txt", truncated);

    const auto s = LoadSettings(t.dati());
    EXPECT_EQ(s.status, FileStatus::Repaired);
    for (int i = 0; i < kNumeroOpzioni; ++i) {
        EXPECT_EQ(OptionText(s.value.opzioni, i), OptionText(Changed().opzioni, i)) << i;
    }
    EXPECT_EQ(s.value.riquadri[1].borderStyle, 0);  // item 19, whole
    EXPECT_TRUE(s.value.riquadri[1].shown);         // item 20, cut: fresh
    EXPECT_EQ(s.value.intervalli.silenzio, 30000);
    EXPECT_EQ(t.read("GnImpo.txt.bad"), truncated);
    EXPECT_EQ(t.read("GnImpo.txt"), FormatSettings(s.value));
    EXPECT_EQ(LoadSettings(t.dati()).status, FileStatus::Ok);
}

TEST(DataFiles, GarbledItemsFallBackOneByOne) {
    TempDati t;
    std::string impo = kFreshImpo;
    impo.replace(impo.find("\"Star\""), 6, "\"Plaid\"");        // not a card back
    impo.replace(impo.find("30000"), 5, "-5");                  // negative interval
    impo.replace(impo.find("1\r\n#TRUE#"), 9, "7\r\n\"yes\"");  // style 7, quoted truth
    impo.replace(impo.find("\"Blue\""), 6, "\"Gold\"");         // a sound change kept
    t.write("GnImpo.txt", impo);
    const auto s = LoadSettings(t.dati());
    EXPECT_EQ(s.status, FileStatus::Repaired);
    EXPECT_EQ(s.value.opzioni.retroCarte, Retro::Star);
    EXPECT_EQ(s.value.opzioni.coloreTavolo, ColoreTavolo::Gold);
    EXPECT_EQ(s.value.intervalli.silenzio, 30000);
    EXPECT_EQ(s.value.riquadri[0].borderStyle, 1);
    EXPECT_TRUE(s.value.riquadri[0].shown);
}

TEST(DataFiles, TooLongNotTextOrHugeFilesNeverBreakTheGame) {
    TempDati t;
    t.write("GnImpo.txt", kFreshImpo + "\"extra\"\r\n");
    EXPECT_EQ(LoadSettings(t.dati()).status, FileStatus::Repaired);
    EXPECT_EQ(t.read("GnImpo.txt"), kFreshImpo);

    t.write("GnNome.txt", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    const auto n = LoadName(t.dati());
    EXPECT_EQ(n.status, FileStatus::Repaired);
    EXPECT_EQ(n.value, "");
    EXPECT_EQ(t.read("GnNome.txt"), "\"\"\r\n");
    EXPECT_EQ(t.read("GnNome.txt.bad").size(), 10u);

    t.write("GnClass.txt", std::string(kMaxDataFileBytes + 1, '7'));
    const auto r = LoadRanking(t.dati());
    EXPECT_EQ(r.status, FileStatus::Repaired);
    EXPECT_EQ(t.read("GnClass.txt"), FreshClass());
    EXPECT_EQ(fs::file_size(t.file("GnClass.txt.bad")), kMaxDataFileBytes + 1);
}

TEST(DataFiles, ANameWithAQuoteOrTooLongIsCleanedOnRead) {
    TempDati t;
    t.write("GnNome.txt", "\"Billy \"the Kid\" Bonney and his long name\"\r\n");
    const auto n = LoadName(t.dati());
    EXPECT_EQ(n.status, FileStatus::Repaired);
    EXPECT_EQ(n.value, "Billy the Kid Bonney and");
    EXPECT_EQ(t.read("GnNome.txt"), "\"Billy the Kid Bonney and\"\r\n");
}

TEST(DataFiles, InconsistentRankingRowsAreMended) {
    TempDati t;
    std::string cls =
        "\"Ann\"\r\n\"1\"\r\n\"Bob\"\r\n\"3\"\r\n\"\"\r\n\"5\"\r\n\"Cy\"\r\n\"-2\"\r\n";
    for (int i = 4; i < 10; ++i) cls += "\"\"\r\n\"0\"\r\n";
    cls += "\"4\"\r\n";
    t.write("GnClass.txt", cls);
    const auto r = LoadRanking(t.dati());
    EXPECT_EQ(r.status, FileStatus::Repaired);
    EXPECT_EQ(r.value.righe[0].nome, "Bob");  // sorted again, by wins
    EXPECT_EQ(r.value.righe[0].torneiVinti, 3);
    EXPECT_EQ(r.value.righe[1].nome, "Ann");
    EXPECT_EQ(r.value.righe[2].nome, "");  // wins of nobody dropped
    EXPECT_EQ(r.value.righe[2].torneiVinti, 0);
    EXPECT_EQ(r.value.righe[3].nome, "");  // a negative count is not trusted
    EXPECT_EQ(r.value.totalePartite, 4);
    EXPECT_EQ(t.read("GnClass.txt.bad"), cls);
}

TEST(DataFiles, AMissingCounterIsLeftForTheHallOfFameToCount) {
    TempDati t;
    std::string cls = FreshClass();
    cls.erase(cls.rfind("\"0\""));
    t.write("GnClass.txt", cls);
    const auto r = LoadRanking(t.dati());
    EXPECT_EQ(r.status, FileStatus::Repaired);
    EXPECT_EQ(r.value.totalePartite, kContatoreIgnoto);
    t.write("GnAlbo.txt", "\"1) a\"\r\n\"2) b\"\r\n\"\"\r\n");
    const auto a = LoadAlbo(t.dati(), kContatoreIgnoto);
    EXPECT_EQ(a.value, (std::vector<std::string>{"1) a", "2) b"}));
}

TEST(DataFiles, AHallOfFameShorterOrLongerThanItsCounter) {
    TempDati t;
    t.write("GnAlbo.txt", "\"1) a\"\r\n\"2) b\"\r\n\"\"\r\n");
    const auto shorter = LoadAlbo(t.dati(), 5);
    EXPECT_EQ(shorter.status, FileStatus::Repaired);
    EXPECT_EQ(shorter.value, (std::vector<std::string>{"1) a", "2) b"}));
    EXPECT_EQ(t.read("GnAlbo.txt"), "\"1) a\"\r\n\"2) b\"\r\n\"\"\r\n");

    t.write("GnAlbo.txt", "\"1) a\"\r\n\"2) b\"\r\n\"3) c\"\r\n\"\"\r\n");
    const auto longer = LoadAlbo(t.dati(), 2);
    EXPECT_EQ(longer.status, FileStatus::Repaired);
    EXPECT_EQ(longer.value, (std::vector<std::string>{"1) a", "2) b"}));
    EXPECT_EQ(t.read("GnAlbo.txt.bad"), "\"1) a\"\r\n\"2) b\"\r\n\"3) c\"\r\n\"\"\r\n");

    // A garbled line keeps its place, so the lines after it keep their numbers.
    t.write("GnAlbo.txt", "\"1) a\"\r\n2) b\r\n\"3) c\"\r\n\"\"\r\n");
    const auto garbled = LoadAlbo(t.dati(), 3);
    EXPECT_EQ(garbled.status, FileStatus::Repaired);
    EXPECT_EQ(garbled.value, (std::vector<std::string>{"1) a", "", "3) c"}));
}

TEST(DataFiles, AFolderWhereAFileShouldBeIsSetAside) {
    TempDati t;
    fs::create_directories(t.file("GnClass.txt") / "inside");
    const auto r = LoadRanking(t.dati());
    EXPECT_EQ(r.status, FileStatus::Repaired);
    EXPECT_TRUE(fs::is_directory(t.file("GnClass.txt.bad") / "inside"));
    EXPECT_EQ(t.read("GnClass.txt"), FreshClass());
    // With NAME.bad taken by a folder, the next free name keeps the file.
    fs::create_directories(t.file("GnAlbo.txt") / "inside");
    fs::create_directories(t.file("GnAlbo.txt.bad"));
    EXPECT_EQ(LoadAlbo(t.dati(), 0).status, FileStatus::Repaired);
    EXPECT_TRUE(fs::is_directory(t.file("GnAlbo.txt.bad.2") / "inside"));
    EXPECT_EQ(t.read("GnAlbo.txt"), "\"\"\r\n");
}

TEST(DataFiles, AnUntrustedFileThatCannotBeSetAsideIsNeverOverwrittenByTheLoad) {
    TempDati t;
    t.write("GnNome.txt", "garbled");
    fs::create_directories(t.file("GnNome.txt.bad"));
    for (int k = 2; k <= 9; ++k)
        fs::create_directories(t.file("GnNome.txt.bad." + std::to_string(k)));
    const auto n = LoadName(t.dati());
    EXPECT_EQ(n.status, FileStatus::Repaired);
    EXPECT_EQ(n.value, "");
    EXPECT_EQ(t.read("GnNome.txt"), "garbled");
}

TEST(DataFiles, AFolderThatCannotBeMadeLeavesTheGameRunning) {
    TempDati t;
    fs::create_directories(t.dati().parent_path());
    // A plain file where the folder's parent should be: nothing below it can be created,
    // whoever runs the test.
    const fs::path blocked = t.dati().parent_path() / "blocked";
    t.write("../blocked", "x");
    const fs::path dati = blocked / "Dati";
    EXPECT_FALSE(PrepareDataFolder(dati));
    EXPECT_EQ(LoadSettings(dati).status, FileStatus::Missing);
    EXPECT_EQ(LoadName(dati).value, "");
    EXPECT_FALSE(SaveName(dati, "Zoe"));
    EXPECT_FALSE(SaveSettings(dati, Settings{}));
    EXPECT_FALSE(WriteFileAtomically(dati / "x.txt", "x"));
}

TEST(DataFiles, AnEmptyFolderPathNeverTouchesTheDisk) {
    const fs::path here = fs::current_path();
    EXPECT_EQ(LoadRanking({}).status, FileStatus::Missing);
    EXPECT_FALSE(SaveRanking({}, Sample()));
    EXPECT_FALSE(SaveName({}, "x"));
    EXPECT_FALSE(fs::exists(here / "GnClass.txt"));
    EXPECT_FALSE(fs::exists(here / "GnNome.txt"));
}

TEST(DataFiles, AFailedWriteLeavesTheOldFileWhole) {
    TempDati t;
    ASSERT_TRUE(SaveName(t.dati(), "Zoe"));
    // The target is now a non-empty folder: the rename fails and nothing is lost.
    fs::remove(t.file("GnAlbo.txt"));
    fs::create_directories(t.file("GnAlbo.txt") / "x");
    EXPECT_FALSE(SaveAlbo(t.dati(), {"1) a"}));
    EXPECT_TRUE(fs::is_directory(t.file("GnAlbo.txt") / "x"));
    EXPECT_EQ(t.read("GnNome.txt"), "\"Zoe\"\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(t.dati())) ++files;
    EXPECT_EQ(files, 2);  // the name and the folder: no temporary file left over
}

}  // namespace
}  // namespace gnamm::data
