// The start-up read of a Dati folder the player's disk may hold: each case drops files in and
// says what the game must keep, what becomes NAME.bad, and what the player is told.
#include "data/startup_read.h"

#include <gtest/gtest.h>

#include <algorithm>
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

std::string Lines(std::initializer_list<std::string> items, const std::string& eol = "\r\n") {
    std::string s;
    for (const auto& i : items) s += i + eol;
    return s;
}

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

std::string Settings20Kept() {
    Settings s;
    for (int i = 0; i < kNumeroOpzioni; ++i) CycleOption(s.opzioni, i);
    s.riquadri[1].borderStyle = 0;  // item 19; item 20 on was cut off
    return FormatSettings(s);
}

std::string CutInItem20() {
    Settings s;
    for (int i = 0; i < kNumeroOpzioni; ++i) CycleOption(s.opzioni, i);
    s.riquadri[1] = {0, false};
    const std::string full = FormatSettings(s);
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

// The non-empty ranking rows as "name:wins" joined by spaces.
std::string RowsOf(const Ranking& r) {
    std::string s;
    for (const auto& row : r.righe) {
        if (!row.nome.empty()) s += (s.empty() ? "" : " ") + row.nome + ":" + std::to_string(row.torneiVinti);
    }
    return s;
}

// Every case starts from a sound folder (fresh settings, no name, kClass3 and kAlbo3) and
// drops its files over it.
struct BadFolderCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> dropped;  // name -> bytes, kFolder, kNone
    // What must be kept.
    std::string nome;
    std::string rows;
    std::vector<std::string> albo;
    std::string impo;  // the settings as the game writes them; "" for the defaults
    // What becomes NAME.bad (holding what was dropped in), and what the player is told.
    std::vector<std::string> bad;
    std::vector<std::string> told;
};

const std::string kTornei3Kept = "GnClass.txt had no Tornei counter; set to 3, the lines of GnAlbo.txt";

const BadFolderCase kCases[] = {
    {"a sound folder is read as it stands, in silence", {}, "", "Ann:2 Bob:1", kAlbo3Lines, "",
     {}, {}},
    {"missing files are written afresh",
     {{"GnAlbo.txt", kNone}, {"GnNome.txt", kNone}},
     "", "Ann:2 Bob:1", {}, "", {},
     {"GnNome.txt was missing; name left empty",
      "GnAlbo.txt was missing; hall of fame started afresh",
      "GnClass.txt counted 3 Tornei, GnAlbo.txt holds 0; counter set to 0"}},
    {"a missing GnClass.txt is counted again from the hall of fame",
     {{"GnClass.txt", kNone}},
     "", "", kAlbo3Lines, "", {},
     {"GnClass.txt was missing; ranking started afresh", kTornei3Kept}},
    {"a garbage GnClass.txt never costs a good hall of fame",
     {{"GnClass.txt", "garbage\r\n\x01\x02\r\n"}},
     "", "", kAlbo3Lines, "", {"GnClass.txt"},
     {"GnClass.txt was damaged; kept as GnClass.txt.bad, 0 rows of the ranking kept",
      kTornei3Kept}},
    {"a folder in place of GnClass.txt",
     {{"GnClass.txt", kFolder}},
     "", "", kAlbo3Lines, "", {"GnClass.txt"},
     {"GnClass.txt could not be read; kept as GnClass.txt.bad, ranking started afresh",
      kTornei3Kept}},
    {"a GnClass.txt too large to be ours keeps what stands before the limit",
     {{"GnClass.txt", Class({{"Ann", 2}}, "3") + std::string(kMaxDataFileBytes, '7')}},
     "", "Ann:2", kAlbo3Lines, "", {"GnClass.txt"},
     {"GnClass.txt was damaged; kept as GnClass.txt.bad, 1 row of the ranking kept"}},
    {"a GnClass.txt cut before its counter",
     {{"GnClass.txt", Class({{"Ann", 2}}, "3").substr(0, Class({{"Ann", 2}}, "3").size() - 4)}},
     "", "Ann:2", kAlbo3Lines, "", {"GnClass.txt"},
     {"GnClass.txt was damaged; kept as GnClass.txt.bad, 1 row of the ranking kept",
      kTornei3Kept}},
    {"rows out of order, wins of nobody and a negative count are mended",
     {{"GnClass.txt", Class({{"Ann", 1}, {"Bob", 3}, {"", 5}, {"Cy", -2}}, "3")}},
     "", "Bob:3 Ann:1", kAlbo3Lines, "", {"GnClass.txt"},
     {"GnClass.txt was damaged; kept as GnClass.txt.bad, 2 rows of the ranking kept"}},
    {"one Windows-1252 byte: read, and rewritten as UTF-8",
     {{"GnNome.txt", "\"Niccol\xF2\"\r\n"},
      {"GnClass.txt", Class({{"Niccol\xF2", 2}, {"Bob", 1}}, "1")},
      {"GnAlbo.txt", Lines({"\"1) Niccol\xF2 - 'Honest' Zeb  3-0  1/1/26  9:05\"", "\"\""})}},
     "Niccolò", "Niccolò:2 Bob:1", {"1) Niccolò - 'Honest' Zeb  3-0  1/1/26  9:05"}, "",
     {"GnNome.txt", "GnClass.txt", "GnAlbo.txt"},
     {"GnNome.txt was in an older character set (Windows-1252); kept as GnNome.txt.bad, "
      "rewritten as UTF-8",
      "GnClass.txt was in an older character set (Windows-1252); kept as GnClass.txt.bad, "
      "rewritten as UTF-8",
      "GnAlbo.txt was in an older character set (Windows-1252); kept as GnAlbo.txt.bad, "
      "rewritten as UTF-8"}},
    {"a hall of fame cut in its last line loses that line, never gains a blank one",
     {{"GnAlbo.txt", kAlbo3.substr(0, kAlbo3.find("3) Bob") + 6)}},
     "", "Ann:2 Bob:1", {kAlbo3Lines[0], kAlbo3Lines[1]}, "", {"GnAlbo.txt"},
     {"GnAlbo.txt was damaged; kept as GnAlbo.txt.bad, 2 Tornei of the hall of fame kept",
      "GnClass.txt counted 3 Tornei, GnAlbo.txt holds 2; counter set to 2"}},
    {"garbled and empty lines in the hall of fame are dropped, the rest kept",
     {{"GnAlbo.txt", "\"1) a\"\r\n2) b\r\n\"\"\r\n\"3) c\"\r\n7\r\n\"\"\r\n"}},
     "", "Ann:2 Bob:1", {"1) a", "3) c"}, "", {"GnAlbo.txt"},
     {"GnAlbo.txt was damaged; kept as GnAlbo.txt.bad, 2 Tornei of the hall of fame kept",
      "GnClass.txt counted 3 Tornei, GnAlbo.txt holds 2; counter set to 2"}},
    {"CR-only, LF-only and mixed line ends are line ends",
     {{"GnNome.txt", "\"Ann\"\r"},
      {"GnClass.txt", Class({{"Ann", 2}, {"Bob", 1}}, "3", "\r")},
      {"GnAlbo.txt", "\"1) a\"\r\"2) b\"\n\"3) c\"\r\n\r\n\"\"\r"},
      {"GnImpo.txt", Lines({"\"Middle\""}, "\n") + FormatSettings(Settings{}).substr(10)}},
     "Ann", "Ann:2 Bob:1", {"1) a", "2) b", "3) c"}, "", {}, {}},
    {"a save cut short between the two files: the hall of fame is one line ahead",
     {{"GnClass.txt", Class({{"Ann", 2}, {"Bob", 1}}, "2")}},
     "", "Ann:2 Bob:1", kAlbo3Lines, "", {},
     {"GnClass.txt counted 2 Tornei, GnAlbo.txt holds 3; counter set to 3"}},
    {"temporary files of interrupted saves are removed, no one else's",
     {{"GnAlbo.txt.tmp.Ab12Cd", "\"1) half"}, {"GnClass.txt.tmp.000000", ""},
      {"GnAlbo.txt.backup", "mine"}, {"notes.txt.tmp.abcdef", "mine"},
      {"GnAlbo.txt.tmp.abc", "mine"}, {"GnImpo.txt.tmp.Zz9Zz9", kFolder}},
     "", "Ann:2 Bob:1", kAlbo3Lines, "", {},
     {"GnAlbo.txt.tmp.Ab12Cd, left by a save that was cut short, removed",
      "GnClass.txt.tmp.000000, left by a save that was cut short, removed"}},
    {"settings cut in item 20 keep items 1 to 19",
     {{"GnImpo.txt", CutInItem20()}},
     "", "Ann:2 Bob:1", kAlbo3Lines, Settings20Kept(), {"GnImpo.txt"},
     {"GnImpo.txt was damaged; kept as GnImpo.txt.bad, readable settings kept, the rest set to "
      "their defaults"}},
    {"garbled settings fall back one by one",
     {{"GnImpo.txt", GarbledSettings()}},
     "", "Ann:2 Bob:1", kAlbo3Lines, GoldTable(), {"GnImpo.txt"},
     {"GnImpo.txt was damaged; kept as GnImpo.txt.bad, readable settings kept, the rest set to "
      "their defaults"}},
    {"settings with an item too many",
     {{"GnImpo.txt", GoldTable() + "\"extra\"\r\n"}},
     "", "Ann:2 Bob:1", kAlbo3Lines, GoldTable(), {"GnImpo.txt"},
     {"GnImpo.txt was damaged; kept as GnImpo.txt.bad, readable settings kept, the rest set to "
      "their defaults"}},
    {"a name with a quote, too long, is cleaned",
     {{"GnNome.txt", "\"Billy \"the Kid\" Bonney and his long name\"\r\n"}},
     "Billy the Kid Bonney and", "Ann:2 Bob:1", kAlbo3Lines, "", {"GnNome.txt"},
     {"GnNome.txt was damaged; kept as GnNome.txt.bad, name kept as \"Billy the Kid Bonney "
      "and\""}},
    {"a picture in place of the name",
     {{"GnNome.txt", std::string("\x89PNG\r\n\x1a\n\0\0", 10)}},
     "", "Ann:2 Bob:1", kAlbo3Lines, "", {"GnNome.txt"},
     {"GnNome.txt was damaged; kept as GnNome.txt.bad, name left empty"}},
};

void PrintTo(const BadFolderCase& c, std::ostream* os) {
    *os << c.what;
}

class BadDatiFolder : public ::testing::TestWithParam<BadFolderCase> {};

TEST_P(BadDatiFolder, KeepsWhatIsGoodAndSaysWhatWasDone) {
    const BadFolderCase& c = GetParam();
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

    EXPECT_EQ(read.nome, c.nome);
    EXPECT_EQ(RowsOf(read.classifica), c.rows);
    EXPECT_EQ(read.albo, c.albo);
    EXPECT_EQ(read.classifica.totalePartite, static_cast<int>(c.albo.size()));
    EXPECT_EQ(FormatSettings(read.impostazioni), c.impo.empty() ? FormatSettings(Settings{}) : c.impo);
    EXPECT_EQ(read.notices, c.told);
    EXPECT_TRUE(read.writable);

    // The bad files hold what was dropped in; nothing else is set aside, no temporary file stays.
    std::vector<std::string> bad;
    for (const auto& e : fs::directory_iterator(t.dati())) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file()) {
            EXPECT_FALSE(IsInterruptedSaveName(name)) << name;
        }
        if (name.size() > 4 && name.substr(name.size() - 4) == ".bad") bad.push_back(name.substr(0, name.size() - 4));
    }
    std::sort(bad.begin(), bad.end());
    std::vector<std::string> expectedBad = c.bad;
    std::sort(expectedBad.begin(), expectedBad.end());
    EXPECT_EQ(bad, expectedBad);
    for (const auto& [name, bytes] : c.dropped) {
        if (std::find(bad.begin(), bad.end(), name) == bad.end()) continue;
        if (bytes == kFolder) {
            EXPECT_TRUE(fs::is_directory(t.file(name + ".bad") / "inside"));
        } else {
            EXPECT_EQ(t.read(name + ".bad"), bytes) << name;
        }
    }
    // Told once: the next start finds every file sound and reads the same.
    const DataFolderRead again = ReadDataFolder(t.dati());
    EXPECT_TRUE(again.notices.empty()) << again.notices.front();
    EXPECT_EQ(again.albo, read.albo);
    EXPECT_EQ(FormatRanking(again.classifica), FormatRanking(read.classifica));
    EXPECT_EQ(again.nome, read.nome);
    EXPECT_EQ(FormatSettings(again.impostazioni), FormatSettings(read.impostazioni));
}

INSTANTIATE_TEST_SUITE_P(Cases, BadDatiFolder, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace gnamm::data
