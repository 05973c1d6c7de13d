// The start-up read of a Dati folder the player's disk may hold: each case drops files in and
// says what the game must keep, what becomes NAME.bad, and what the player is told.
#include "data/startup_read.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>

#include "data/data_folder.h"
#include "data/temp_dati.h"

namespace gnamm::data {
namespace {

namespace fs = std::filesystem;
using testing_support::TempDati;

// Dropped in as a folder rather than a file, or taken away.
const std::string kFolder = "<folder>";
const std::string kNone = "<none>";

// A ranking file: the rows given, empty rows after, then the counter.
std::string Class(std::vector<std::pair<std::string, int>> rows, const std::string& counter,
                  const std::string& eol = "\r\n") {
    std::string s;
    rows.resize(10);
    for (const auto& [n, w] : rows) {
        s += "\"" + n + "\"" + eol + "\"" + std::to_string(w) + "\"" + eol;
    }
    return s + "\"" + counter + "\"" + eol;
}

const std::vector<std::string> kAlbo3Lines = {"1) Ann - 'Honest' Zeb  3-0  1/1/26  9:05",
                                              "2) 'Cheat' Zeb - Ann  3-2  2/1/26  10:00",
                                              "3) Bob - 'Cunning' Zeb  3-1  3/1/26  0:00"};
const std::string kAlbo3 = FormatAlbo(kAlbo3Lines);
const std::string kClass3 = Class({{"Ann", 2}, {"Bob", 1}}, "3");
const std::string kClassAnn = Class({{"Ann", 2}}, "3");

// Every option moved one step from its default, and side box 2 hidden without a border.
Settings Cycled() {
    Settings s;
    for (int i = 0; i < kNumeroOpzioni; ++i) CycleOption(s.opzioni, i);
    s.riquadri[1] = {0, false};
    return s;
}

std::string Settings20Kept() {
    Settings s = Cycled();
    s.riquadri[1].shown = true;  // item 19 is read; item 20 on was cut off
    return FormatSettings(s);
}

std::string CutInItem20() {
    const std::string full = FormatSettings(Cycled());
    std::size_t cut = 0;
    for (int line = 0; line < 19; ++line) cut = full.find("\r\n", cut) + 2;
    return full.substr(0, cut + 3);  // "#FA"
}

std::string GarbledSettings() {
    std::string impo = FormatSettings(Settings{});
    impo.replace(impo.find("\"Star\""), 6, "\"Plaid\"");        // not a card back
    impo.replace(impo.find("30000"), 5, "-5");                  // negative interval
    impo.replace(impo.find("1\r\n#TRUE#"), 9, "7\r\n\"yes\"");  // style 7, quoted truth
    impo.replace(impo.find("\"Blue\""), 6, "\"Gold\"");         // a sound change, kept
    return impo;
}

std::string GoldTable() {
    Settings s;
    s.opzioni.coloreTavolo = ColoreTavolo::Gold;
    return FormatSettings(s);
}

// The files the notices say were "kept as NAME.bad"; each Italian text names its file and, when
// one was set aside, where the original is.
std::set<std::string> SetAside(const std::vector<Notice>& notices) {
    std::set<std::string> names;
    for (const Notice& n : notices) {
        EXPECT_EQ(n.testo.substr(0, 6), n.riga.substr(0, 6)) << n.testo;
        const std::size_t at = n.riga.find("; kept as ");
        if (at == std::string::npos) continue;
        const std::string bad = n.riga.substr(at + 10, n.riga.find(".bad", at) - at - 6);
        EXPECT_TRUE(n.testo.ends_with("L'originale è conservato come " + bad + ".")) << n.testo;
        names.insert(bad.substr(0, bad.size() - 4));
    }
    return names;
}

// Every case starts from a sound folder (fresh settings, no name, kClass3 and kAlbo3), drops its
// files over it, and says what must be kept and what the player is told. Each file the notices
// say is "kept as NAME.bad" must be there holding what was dropped in, and no other.
struct BadFolderCase {
    const char* what = "";
    std::vector<std::pair<std::string, std::string>> dropped{};  // name -> bytes, kFolder, kNone
    std::string nome{};
    std::vector<std::pair<std::string, int>> rows = {{"Ann", 2}, {"Bob", 1}};
    std::vector<std::string> albo = kAlbo3Lines;
    std::string impo = FormatSettings(Settings{});  // as the game writes them
    std::vector<std::string> told{};
};

std::string Damaged(const std::string& file, const std::string& kept) {
    return file + " was damaged; kept as " + file + ".bad, " + kept;
}
std::string Converted(const std::string& file) {
    return file + " was in an older character set (Windows-1252); kept as " + file +
           ".bad, rewritten as UTF-8";
}
const std::string kTornei3 = "GnClass.txt had no Tornei counter; set to 3, the lines of GnAlbo.txt";
const std::string kCounter2 = "GnClass.txt counted 3 Tornei, GnAlbo.txt holds 2; counter set to 2";
const std::string kImpoKept =
    Damaged("GnImpo.txt", "readable settings kept, the rest set to their defaults");

const BadFolderCase kCases[] = {
    {.what = "a sound folder is read as it stands, in silence"},
    {.what = "missing files are written afresh",
     .dropped = {{"GnAlbo.txt", kNone}, {"GnNome.txt", kNone}},
     .albo = {},
     .told = {"GnNome.txt was missing; name left empty",
              "GnAlbo.txt was missing; hall of fame started afresh",
              "GnClass.txt counted 3 Tornei, GnAlbo.txt holds 0; counter set to 0"}},
    {.what = "a missing GnClass.txt is counted again from the hall of fame",
     .dropped = {{"GnClass.txt", kNone}},
     .rows = {},
     .told = {"GnClass.txt was missing; ranking started afresh", kTornei3}},
    {.what = "a garbage GnClass.txt never costs a good hall of fame",
     .dropped = {{"GnClass.txt", "garbage\r\n\x01\x02\r\n"}},
     .rows = {},
     .told = {Damaged("GnClass.txt", "0 rows of the ranking kept"), kTornei3}},
    {.what = "a folder in place of GnClass.txt",
     .dropped = {{"GnClass.txt", kFolder}},
     .rows = {},
     .told = {"GnClass.txt could not be read; kept as GnClass.txt.bad, ranking started afresh",
              kTornei3}},
    {.what = "a GnClass.txt too large to be ours keeps what stands before the limit",
     .dropped = {{"GnClass.txt", kClassAnn + std::string(kMaxDataFileBytes, '7')}},
     .rows = {{"Ann", 2}},
     .told = {Damaged("GnClass.txt", "1 row of the ranking kept")}},
    {.what = "a GnClass.txt cut before its counter",
     .dropped = {{"GnClass.txt", kClassAnn.substr(0, kClassAnn.size() - 4)}},
     .rows = {{"Ann", 2}},
     .told = {Damaged("GnClass.txt", "1 row of the ranking kept"), kTornei3}},
    {.what = "rows out of order, wins of nobody and a negative count are mended",
     .dropped = {{"GnClass.txt", Class({{"Ann", 1}, {"Bob", 3}, {"", 5}, {"Cy", -2}}, "3")}},
     .rows = {{"Bob", 3}, {"Ann", 1}},
     .told = {Damaged("GnClass.txt", "2 rows of the ranking kept")}},
    {.what = "one Windows-1252 byte: read, and rewritten as UTF-8",
     .dropped = {{"GnNome.txt", "\"Niccol\xF2\"\r\n"},
                 {"GnClass.txt", Class({{"Niccol\xF2", 2}, {"Bob", 1}}, "1")},
                 {"GnAlbo.txt", "\"1) Niccol\xF2 - 'Honest' Zeb  3-0  1/1/26  9:05\"\r\n\"\"\r\n"}},
     .nome = "Niccolò",
     .rows = {{"Niccolò", 2}, {"Bob", 1}},
     .albo = {"1) Niccolò - 'Honest' Zeb  3-0  1/1/26  9:05"},
     .told = {Converted("GnNome.txt"), Converted("GnClass.txt"), Converted("GnAlbo.txt")}},
    {.what = "a hall of fame cut in its last line loses that line, never gains a blank one",
     .dropped = {{"GnAlbo.txt", kAlbo3.substr(0, kAlbo3.find("3) Bob") + 6)}},
     .albo = {kAlbo3Lines[0], kAlbo3Lines[1]},
     .told = {Damaged("GnAlbo.txt", "2 Tornei of the hall of fame kept"), kCounter2}},
    {.what = "garbled and empty lines in the hall of fame are dropped, the rest kept",
     .dropped = {{"GnAlbo.txt", "\"1) a\"\r\n2) b\r\n\"\"\r\n\"3) c\"\r\n7\r\n\"\"\r\n"}},
     .albo = {"1) a", "3) c"},
     .told = {Damaged("GnAlbo.txt", "2 Tornei of the hall of fame kept"), kCounter2}},
    {.what = "CR-only, LF-only and mixed line ends are line ends",
     .dropped = {{"GnNome.txt", "\"Ann\"\r"},
                 {"GnClass.txt", Class({{"Ann", 2}, {"Bob", 1}}, "3", "\r")},
                 {"GnAlbo.txt", "\"1) a\"\r\"2) b\"\n\"3) c\"\r\n\r\n\"\"\r"},
                 {"GnImpo.txt", "\"Middle\"\n" + FormatSettings(Settings{}).substr(10)}},
     .nome = "Ann",
     .albo = {"1) a", "2) b", "3) c"}},
    {.what = "a save cut short between the two files: the hall of fame is one line ahead",
     .dropped = {{"GnClass.txt", Class({{"Ann", 2}, {"Bob", 1}}, "2")}},
     .told = {"GnClass.txt counted 2 Tornei, GnAlbo.txt holds 3; counter set to 3"}},
    {.what = "temporary files of interrupted saves are removed, no one else's",
     .dropped = {{"GnAlbo.txt.tmp.Ab12Cd", "\"1) half"},
                 {"GnClass.txt.tmp.000000", ""},
                 {"GnTorneo.0123456789abcdef.json.tmp.x1Y2z3", "{"},
                 {"GnTorneo.0123456789ABCDEF.json.tmp.x1Y2z3", "mine"},
                 {"GnTorneo.0123456789abcde.json.tmp.x1Y2z3", "mine"},
                 {"GnAlbo.txt.backup", "mine"},
                 {"notes.txt.tmp.abcdef", "mine"},
                 {"GnAlbo.txt.tmp.abc", "mine"},
                 {"GnImpo.txt.tmp.Zz9Zz9", kFolder}},
     .told = {"GnAlbo.txt.tmp.Ab12Cd, left by a save that was cut short, removed",
              "GnClass.txt.tmp.000000, left by a save that was cut short, removed",
              "GnTorneo.0123456789abcdef.json.tmp.x1Y2z3, left by a save that was cut short, "
              "removed"}},
    {.what = "settings cut in item 20 keep items 1 to 19",
     .dropped = {{"GnImpo.txt", CutInItem20()}},
     .impo = Settings20Kept(),
     .told = {kImpoKept}},
    {.what = "garbled settings fall back one by one",
     .dropped = {{"GnImpo.txt", GarbledSettings()}},
     .impo = GoldTable(),
     .told = {kImpoKept}},
    {.what = "settings with an item too many",
     .dropped = {{"GnImpo.txt", GoldTable() + "\"extra\"\r\n"}},
     .impo = GoldTable(),
     .told = {kImpoKept}},
    {.what = "a name with a quote, too long, is cleaned",
     .dropped = {{"GnNome.txt", "\"Billy \"the Kid\" Bonney and his long name\"\r\n"}},
     .nome = "Billy the Kid Bonney and",
     .told = {Damaged("GnNome.txt", "name kept as \"Billy the Kid Bonney and\"")}},
    {.what = "a picture in place of the name",
     .dropped = {{"GnNome.txt", std::string("\x89PNG\r\n\x1a\n\0\0", 10)}},
     .told = {Damaged("GnNome.txt", "name left empty")}},
};

TEST(BadDatiFolder, KeepsWhatIsGoodAndSaysWhatWasDone) {
    for (const BadFolderCase& c : kCases) {
        SCOPED_TRACE(c.what);
        TempDati t;
        t.write("GnImpo.txt", FormatSettings(Settings{}));
        t.write("GnNome.txt", "\"\"\r\n");
        t.write("GnClass.txt", kClass3);
        t.write("GnAlbo.txt", kAlbo3);
        for (const auto& [name, bytes] : c.dropped) {
            fs::remove(t.file(name));
            if (bytes == kFolder) fs::create_directories(t.file(name) / "inside");
            if (bytes != kFolder && bytes != kNone) t.write(name, bytes);
        }
        const DataFolderRead read = ReadDataFolder(t.dati());
        const auto letto = [](const DataFolderRead& r) {
            return std::tuple(r.albo, FormatRanking(r.classifica), r.nome,
                              FormatSettings(r.impostazioni));
        };

        // The ranking as the game writes it: the rows kept, the counter the hall of fame's lines.
        EXPECT_EQ(letto(read),
                  std::tuple(c.albo, Class(c.rows, std::to_string(c.albo.size())), c.nome, c.impo));
        std::vector<std::string> told;
        for (const Notice& n : read.notices) told.push_back(n.riga);
        EXPECT_EQ(told, c.told);
        EXPECT_TRUE(read.writable);

        // The bad files hold what was dropped in; nothing else is set aside, no temporary file
        // stays.
        std::set<std::string> bad;
        for (const auto& e : fs::directory_iterator(t.dati())) {
            const std::string name = e.path().filename().string();
            EXPECT_FALSE(e.is_regular_file() && IsInterruptedSaveName(name)) << name;
            if (name.ends_with(".bad")) bad.insert(name.substr(0, name.size() - 4));
        }
        EXPECT_EQ(bad, SetAside(read.notices));
        for (const auto& [name, bytes] : c.dropped) {
            if (!bad.contains(name)) continue;
            if (bytes == kFolder) {
                EXPECT_TRUE(fs::is_directory(t.file(name + ".bad") / "inside"));
            } else {
                EXPECT_EQ(t.read(name + ".bad"), bytes) << name;
            }
        }
        // Told once: the next start finds every file sound and reads the same.
        const DataFolderRead again = ReadDataFolder(t.dati());
        EXPECT_TRUE(again.notices.empty()) << again.notices.front().riga;
        EXPECT_EQ(letto(again), letto(read));
    }
}

}  // namespace
}  // namespace gnamm::data
