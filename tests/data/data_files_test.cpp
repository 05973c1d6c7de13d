// The four Dati files on a real folder: fresh install, round trips, every kind of bad file,
// links, a full disk, the folder's lock and a save killed at any point; and the case-blind lookup
// of the assets.
#include "data/data_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <tuple>

#include "data/asset_resolver.h"
#include "data/data_folder.h"
#include "data/dati_lock.h"
#include "data/pending_writes.h"
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

// The files in the folder, of any kind but the lock: no temporary file may be left among them.
int CountFiles(const fs::path& folder) {
    return static_cast<int>(std::count_if(
        fs::directory_iterator(folder), fs::directory_iterator(),
        [](const fs::directory_entry& e) { return e.path().filename() != kFileBloccoDati; }));
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
    EXPECT_TRUE(read.notices.empty() && read.classifica.totalePartite == 0);
    EXPECT_EQ(std::tuple(t.read("GnImpo.txt"), t.read("GnNome.txt"), t.read("GnClass.txt"),
                         t.read("GnAlbo.txt")),
              std::tuple(kFreshImpo, "\"\"\r\n", FreshClass(), "\"\"\r\n"));
    // Making what is missing leaves the player's files alone.
    ASSERT_TRUE(SaveName(t.dati(), "Zoe"));
    fs::remove(t.file("GnVista.txt"));
    ASSERT_TRUE(PrepareDataFolder(t.dati()));
    EXPECT_EQ(std::tuple(t.read("GnNome.txt"), t.read("GnVista.txt")),
              std::tuple("\"Zoe\"\r\n", FormatVista(Vista{})));
}

TEST(DataFiles, EveryFileReadsBackWhatWasWritten) {
    TempDati t;
    ASSERT_TRUE(SaveSettings(t.dati(), Changed()));
    const auto s = LoadSettings(t.dati());
    EXPECT_EQ(std::tuple(s.status, FormatSettings(s.value), s.value.opzioni.impazienzaZeb),
              std::tuple(FileStatus::Ok, FormatSettings(Changed()), Impazienza::VeryImpatient));
    EXPECT_FALSE(s.value.riquadri[1].shown);

    ASSERT_TRUE(SaveName(t.dati(), "Niccolò d'Ørsted"));
    EXPECT_EQ(std::tuple(t.read("GnNome.txt"), LoadName(t.dati()).value),
              std::tuple("\"Niccolò d'Ørsted\"\r\n", "Niccolò d'Ørsted"));

    ASSERT_TRUE(SaveRanking(t.dati(), Sample()));
    const auto r = LoadRanking(t.dati());
    EXPECT_EQ(std::tuple(r.status, FormatRanking(r.value), r.value.righe[2].nome),
              std::tuple(FileStatus::Ok, FormatRanking(Sample()), "Zoë Ångström"));

    const std::vector<std::string> lines = {"1) Zoë - 'Honest' Zeb  3-0  6/12/26  9:05",
                                            "2) 'Cheat' Zeb - Zoë  3-2  7/12/26  23:59"};
    ASSERT_TRUE(SaveAlbo(t.dati(), lines));
    EXPECT_EQ(t.read("GnAlbo.txt"),
              "\"1) Zoë - 'Honest' Zeb  3-0  6/12/26  9:05\"\r\n"
              "\"2) 'Cheat' Zeb - Zoë  3-2  7/12/26  23:59\"\r\n\"\"\r\n");
    const auto a = LoadAlbo(t.dati());
    EXPECT_EQ(std::tuple(a.status, a.value, CountFiles(t.dati())),
              std::tuple(FileStatus::Ok, lines, 4));
}

// GnVista.txt: fresh it says Sì and is written; it reads back what was saved; a damaged one
// gives what can be read of it, the original kept as .bad and a sound file in its place.
TEST(DataFiles, TheViewFileReadsBackAndIsRepairedOnItsOwn) {
    TempDati t;
    const auto fresco = LoadVista(t.dati());
    EXPECT_EQ(std::tuple(fresco.status, fresco.value.animazioni, t.read("GnVista.txt")),
              std::tuple(FileStatus::Missing, true, "#TRUE#\r\n"));
    ASSERT_TRUE(SaveVista(t.dati(), Vista{false}));
    EXPECT_EQ(std::tuple(t.read("GnVista.txt"), LoadVista(t.dati()).value, CountFiles(t.dati())),
              std::tuple("#FALSE#\r\n", Vista{false}, 1));
    const struct {
        std::string testo;
        bool animazioni;
    } danneggiati[] = {
        {"", true}, {"\"No\"\r\n", true}, {"#FALSE#\r\n#FALSE#\r\n", false}, {"12\r\n", true}};
    for (const auto& d : danneggiati) {
        t.write("GnVista.txt", d.testo);
        const auto letto = LoadVista(t.dati());
        EXPECT_EQ(
            std::tuple(letto.status, letto.value.animazioni, letto.keptAs.filename().string()),
            std::tuple(FileStatus::Repaired, d.animazioni, "GnVista.txt.bad"))
            << d.testo;
        EXPECT_EQ(std::tuple(t.read("GnVista.txt.bad"), t.read("GnVista.txt")),
                  std::tuple(d.testo, FormatVista(Vista{d.animazioni})));
    }
}

// Every repair keeps its evidence: the newest is NAME.bad, older ones move up a number, the
// eleventh oldest goes. A folder in the way moves up like a file.
TEST(DataFiles, EachRepairKeepsItsOwnNumberedBadCopyTenAtMost) {
    TempDati t;
    fs::create_directories(t.file("GnAlbo.txt") / "inside");
    EXPECT_EQ(LoadAlbo(t.dati()).keptAs, t.file("GnAlbo.txt.bad"));
    for (int k = 1; k <= 11; ++k) {
        t.write("GnAlbo.txt", "guasto " + std::to_string(k));
        const auto a = LoadAlbo(t.dati());
        EXPECT_EQ(std::tuple(a.status, a.keptAs),
                  std::tuple(FileStatus::Repaired, t.file("GnAlbo.txt.bad")));
    }
    EXPECT_EQ(t.read("GnAlbo.txt.bad"), "guasto 11");
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(t.read("GnAlbo.txt." + std::to_string(k) + ".bad"),
                  "guasto " + std::to_string(11 - k));
    }
    EXPECT_EQ(std::tuple(CountFiles(t.dati()), t.read("GnAlbo.txt")), std::tuple(11, "\"\"\r\n"));
    fs::create_directories(t.file("GnNome.txt") / "inside");
    ASSERT_EQ(LoadName(t.dati()).keptAs, t.file("GnNome.txt.bad"));
    t.write("GnNome.txt", "garbled");
    ASSERT_EQ(LoadName(t.dati()).keptAs, t.file("GnNome.txt.bad"));
    EXPECT_TRUE(fs::is_directory(t.file("GnNome.txt.1.bad") / "inside"));
    EXPECT_EQ(t.read("GnNome.txt.bad"), "garbled");
}

// A file reached through a link is the player's own arrangement: the link stays, its target is
// written (the temporary file beside the target), a damaged target is copied aside and mended.
TEST(DataFiles, ALinkedFileIsWrittenThroughItsLinkWhichStays) {
    TempDati t;
    ASSERT_TRUE(PrepareDataFolder(t.dati()));
    const fs::path altrove = t.dati().parent_path() / "altrove";
    fs::create_directories(altrove);
    const auto collega = [&](const std::string& name, const fs::path& to) {
        fs::remove(t.file(name));
        fs::create_symlink(to, t.file(name));
    };
    t.write("../altrove/nome.txt", "\"Ann\"\r\n");
    collega("GnNome.txt", "../altrove/nome.txt");
    collega("GnImpo.txt", altrove / "impo.txt");         // its target not there yet
    collega("GnAlbo.txt", altrove / "manca" / "a.txt");  // nor its target's folder
    collega("GnClass.txt", "GnClass.txt");               // a loop
    EXPECT_EQ(LoadName(t.dati()).value, "Ann");
    ASSERT_TRUE(SaveName(t.dati(), "Bob") && SaveSettings(t.dati(), Changed()));
    EXPECT_EQ(std::tuple(t.read("../altrove/nome.txt"), t.read("../altrove/impo.txt")),
              std::tuple("\"Bob\"\r\n", FormatSettings(Changed())));
    EXPECT_FALSE(SaveAlbo(t.dati(), {"1) a"}) || SaveRanking(t.dati(), Sample()));
    for (const char* name : {"GnNome.txt", "GnImpo.txt", "GnAlbo.txt", "GnClass.txt"}) {
        EXPECT_TRUE(fs::is_symlink(t.file(name))) << name;
    }
    EXPECT_EQ(CountFiles(altrove), 2);

    t.write("../altrove/nome.txt", "\"Eva\"\r\n\x01");
    const auto n = LoadName(t.dati());
    EXPECT_EQ(std::tuple(n.status, n.value, n.keptAs),
              std::tuple(FileStatus::Repaired, "Eva", t.file("GnNome.txt.bad")));
    EXPECT_EQ(std::tuple(t.read("GnNome.txt.bad"), t.read("../altrove/nome.txt")),
              std::tuple("\"Eva\"\r\n\x01", "\"Eva\"\r\n"));
    EXPECT_TRUE(fs::is_symlink(t.file("GnNome.txt")));

    // A link to a folder can be neither read nor copied aside: left as it is.
    collega("GnNome.txt", altrove);
    const DataFolderRead read = ReadDataFolder(t.dati());
    EXPECT_TRUE(fs::is_symlink(t.file("GnNome.txt")) && fs::is_regular_file(altrove / "nome.txt"));
    EXPECT_EQ(read.notices.at(0).riga,
              "GnNome.txt could not be read and could not be set aside; "
              "left as it is, name left empty for this run");
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
    ASSERT_EQ(read.notices.size(), 1u);
    EXPECT_EQ(read.notices[0].riga, "the data folder " + dati.string() +
                                        " cannot be made; nothing will be saved this run");
    EXPECT_EQ(std::tuple(LoadSettings(dati).status, LoadName(dati).value),
              std::tuple(FileStatus::Missing, ""));
    EXPECT_FALSE(SaveName(dati, "Zoe") || SaveSettings(dati, Settings{}) ||
                 WriteFileAtomically(dati / "x.txt", "x"));

    // Nor does an empty folder path ever touch the disk.
    const fs::path here = fs::current_path();
    EXPECT_EQ(LoadRanking({}).status, FileStatus::Missing);
    EXPECT_FALSE(SaveRanking({}, Sample()) || SaveName({}, "x") ||
                 WriteFileAtomically("GnStat.json", "{}") || KeepAsBad("GnImpo.txt"));
    EXPECT_FALSE(fs::exists(here / "GnClass.txt") || fs::exists(here / "GnNome.txt") ||
                 fs::exists(here / "GnStat.json"));

    // The default folder follows XDG_DATA_HOME when it is absolute, else HOME, else the
    // account's home in the password database; never the folder the game started in.
    const auto tieni = [](const char* name) {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const auto metti = [](const char* name, const std::optional<std::string>& v) {
        if (v) {
            ::setenv(name, v->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    };
    const auto xdg = tieni("XDG_DATA_HOME"), home = tieni("HOME");
    ::setenv("XDG_DATA_HOME", "/x/share", 1);
    EXPECT_EQ(DefaultDataFolder(), fs::path("/x/share/gnamm/Dati"));
    ::setenv("XDG_DATA_HOME", "relative/not/allowed", 1);
    ::setenv("HOME", "/casa/ugo", 1);
    EXPECT_EQ(DefaultDataFolder(), fs::path("/casa/ugo/.local/share/gnamm/Dati"));
    EXPECT_EQ(DataFolderNotice(DefaultDataFolder()), std::nullopt);
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    const fs::path fromAccount = fs::path(account->pw_dir) / ".local/share/gnamm/Dati";
    ::unsetenv("XDG_DATA_HOME");
    for (const char* h : {"", "relative"}) {
        ::setenv("HOME", h, 1);
        EXPECT_EQ(DefaultDataFolder(), fromAccount) << h;
    }
    ::unsetenv("HOME");
    EXPECT_EQ(DefaultDataFolder(), fromAccount);
    // Told where the data went, and that nothing is saved when there is no home at all.
    EXPECT_NE(DataFolderNotice(fromAccount)->testo.find(fromAccount.string()), std::string::npos);
    EXPECT_EQ(DataFolderNotice({}), kNoDataFolder);
    metti("XDG_DATA_HOME", xdg);
    metti("HOME", home);
}

// A full disk: the write says why and leaves the old file whole; the settings and the name are
// kept in memory, said once, and written at the next save that can be made.
TEST(DataFolder, AFullDiskSaysWhyAndTheSettingsAndNameAreWrittenAtTheNextSave) {
    TempDati t;
    ASSERT_TRUE(SaveName(t.dati(), "Ann"));
    Avvisi avvisi;
    avvisi.scriviStderr = false;
    {
        testing_support::DiscoPieno pieno;
        EXPECT_EQ(TryWriteFileAtomically(t.file("GnNome.txt"), "x"), WriteError::DiskFull);
        EXPECT_FALSE(SaveName(t.dati(), "Bob") || SaveSettings(t.dati(), Changed()));
        for (int volta = 0; volta < 2; ++volta) EXPECT_FALSE(RetryPendingWrites(t.dati(), avvisi));
    }
    EXPECT_EQ(std::tuple(t.read("GnNome.txt"), CountFiles(t.dati())), std::tuple("\"Ann\"\r\n", 1));
    ASSERT_EQ(avvisi.inAttesa().size(), 2u);
    EXPECT_EQ(avvisi.corrente(),
              "Attenzione: non è stato possibile salvare le opzioni (GnImpo.txt) perché il disco è "
              "pieno. I dati restano in memoria e il salvataggio sarà ritentato.");
    EXPECT_TRUE(RetryPendingWrites(t.dati(), avvisi));
    EXPECT_EQ(std::tuple(t.read("GnNome.txt"), t.read("GnImpo.txt"), avvisi.inAttesa().size()),
              std::tuple("\"Bob\"\r\n", FormatSettings(Changed()), 2u));
    EXPECT_EQ(std::tuple(WriteErrorItalian(WriteError::ReadOnly),
                         WriteErrorEnglish(WriteError::NoPermission)),
              std::tuple("la cartella Dati è di sola lettura",
                         "no permission to write in the Dati folder"));
}

// The folder's lock keeps out another process (a copy of the game) and never this one: held
// twice here, even by another spelling of the folder, it is had at once.
TEST(DatiLock, ExcludesAnotherProcessAndNeverItsOwnHolder) {
    TempDati t;
    fs::create_directories(t.dati());
    const fs::path altroNome = t.dati().parent_path() / "collegamento";
    fs::create_directory_symlink(t.dati(), altroNome);
    const auto altraCopiaLoPrende = [&] {
        return testing_support::InProcessiSeparati([&] {
            const int fd = ::open(t.file(std::string(kFileBloccoDati)).c_str(), O_RDWR);
            ::_exit(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
        });
    };
    {
        const BloccoDati blocco(t.dati());
        const BloccoDati ancora(altroNome);
        EXPECT_TRUE(blocco.preso() && ancora.preso());
        EXPECT_FALSE(altraCopiaLoPrende());
    }
    EXPECT_TRUE(altraCopiaLoPrende());
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

// The file after the kill, then after the next start, holds the old or the new contents, whole.
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
        testing_support::WriteCutShortAt(limit, [&] { SaveAlbo(t.dati(), fresh); });
        const std::string onDisk = t.read("GnAlbo.txt");
        EXPECT_TRUE(onDisk == FormatAlbo(old) || onDisk == FormatAlbo(fresh));
        const DataFolderRead read = ReadDataFolder(t.dati());
        EXPECT_TRUE(read.albo == old || read.albo == fresh);
        EXPECT_EQ(CountFiles(t.dati()), 5);  // the five files: no temporary one, no GnAlbo.txt.bad
    }
}

TEST(AssetResolver, NamesMatchWithoutRegardToCaseAndPicturesWhateverTheExtension) {
    const testing_support::TempDati folder;
    const fs::path root = folder.dati();
    const auto touch = [&root](const fs::path& rel) {
        fs::create_directories((root / rel).parent_path());
        std::ofstream(root / rel) << "x";
    };
    for (const char* file : {"rumori/Carta3.wav", "Zeb/S01.WAV", "foto/Foto04.png",
                             "Grafica/Fumetto1.bmp", "Grafica/Fumetto2.gif", "Grafica/Fumetto2.png",
                             "Musiche/01.mid", "Zeb/S02.ogg", "Carte/Ac.jpg", "secret.txt"}) {
        touch(file);
    }
    const AssetResolver r(root);
    const struct {
        const char* asked;
        const char* found;  // "" for nothing
    } cases[] = {
        // The click and the third dealing noise are one file.
        {"\\Rumori\\carta3.wav", "rumori/Carta3.wav"},
        {"\\Rumori\\Carta3.wav", "rumori/Carta3.wav"},
        {"/zeb/s01.wav", "Zeb/S01.WAV"},
        {"\\Foto\\Foto04.jpg", "foto/Foto04.png"},
        {"\\Grafica\\Fumetto1.gif", "Grafica/Fumetto1.bmp"},
        // An exact name wins over another picture of the same base name.
        {"\\Grafica\\Fumetto2.gif", "Grafica/Fumetto2.gif"},
        {"\\Grafica\\Fumetto2.jpg", "Grafica/Fumetto2.png"},
        // Sounds do not stand in for each other.
        {"\\Musiche\\01.wav", ""},
        {"\\Zeb\\S02.wav", ""},
        {"\\Carte\\Kp.jpg", ""},
        {"\\Nessuna\\Ac.jpg", ""},
        {"", ""},
        {"\\", ""},
        {"\\Carte", ""},  // a folder is not a file
        {"\\Carte\\..\\secret.txt", ""},
    };
    for (const auto& c : cases) {
        const auto found = r.resolve(c.asked);
        EXPECT_EQ(found.value_or(""), *c.found ? root / c.found : fs::path()) << c.asked;
    }
    EXPECT_FALSE(AssetResolver(root / "assente").resolve("\\Carte\\Ac.jpg"));

    // Listings are read once, until cleared.
    touch("Carte/Kp.jpg");
    EXPECT_FALSE(r.resolve("\\Carte\\Kp.jpg")) << "the listing is cached";
    r.clear();
    EXPECT_EQ(r.resolve("\\Carte\\Kp.jpg"), root / "Carte" / "Kp.jpg");
}

}  // namespace
}  // namespace gnamm::data
