// The whole start-up read of a Dati folder: any bytes in the four files together. After the
// read and the game's first save, every file that was sound before means what it meant, what
// could be read of a damaged one is kept, the damaged file itself is kept as NAME.bad, and the
// next start finds nothing to tell. What the read gives is sound in itself (settings in range,
// a sorted ranking, hall of fame lines that can be written), and the first save writes it
// exactly: the files read back to the same values.
//
// The input is the four files' bytes in the order GnImpo, GnNome, GnClass, GnAlbo, separated by
// the line "---8<---"; a part that is exactly "<missing>" is no file, "<folder>" a folder.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/quoted_items.h"
#include "data/startup_read.h"
#include "fuzz_check.h"

using namespace gnamm::data;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSeparator = "\n---8<---\n";
constexpr std::string_view kFiles[] = {kFileImpostazioni, kFileNome, kFileClassifica, kFileAlbo};

// The fuzzer's own folder, in memory where there is a tmpfs (every save fsyncs), removed when
// the run ends.
const fs::path& Folder() {
    static const fs::path root =
        (fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
        ("gnamm-fuzz-dati-" + std::to_string(::getpid()));
    static const fs::path dir = [] {
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(root, ec);
        });
        return root / "Dati";
    }();
    return dir;
}

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The meaning of a file that reads sound as it stands (Ok or Converted), else nothing; `status`
// is left Missing when there is no file.
template <typename T, typename Parse>
std::optional<T> SoundValue(const std::optional<std::string>& bytes, Parse parse,
                            FileStatus& status) {
    if (!bytes) return std::nullopt;
    auto loaded = parse(*bytes);
    status = loaded.status;
    if (status != FileStatus::Ok && status != FileStatus::Converted) return std::nullopt;
    return loaded.value;
}

// The same rows, whatever the Tornei counter.
bool SameRows(Ranking a, const Ranking& b) {
    a.totalePartite = b.totalePartite;
    return FormatRanking(a) == FormatRanking(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const fs::path& dati = Folder();
    fs::remove_all(dati);
    fs::create_directories(dati);

    std::optional<std::string> dropped[4];
    std::size_t start = 0;
    for (std::size_t k = 0; k < 4 && start <= input.size(); ++k) {
        const std::size_t end = std::min(input.find(kSeparator, start), input.size());
        const std::string part(input.substr(start, end - start));
        start = end + kSeparator.size();
        if (part == "<missing>") continue;
        if (part == "<folder>") {
            fs::create_directories(dati / kFiles[k] / "inside");
            continue;
        }
        std::ofstream(dati / kFiles[k], std::ios::binary) << part;
        dropped[k] = part;
    }
    FileStatus before[4] = {FileStatus::Missing, FileStatus::Missing, FileStatus::Missing,
                            FileStatus::Missing};
    const auto impo = SoundValue<Settings>(dropped[0], ParseSettings, before[0]);
    const auto nome = SoundValue<std::string>(dropped[1], ParseName, before[1]);
    const auto classifica = SoundValue<Ranking>(dropped[2], ParseRanking, before[2]);
    const auto albo = SoundValue<std::vector<std::string>>(dropped[3], ParseAlbo, before[3]);

    // The start-up read, then the first save of each file.
    const DataFolderRead read = ReadDataFolder(dati);
    FUZZ_CHECK(read.writable);
    FUZZ_CHECK(read.classifica.totalePartite == static_cast<int>(read.albo.size()));
    for (const auto& box : read.impostazioni.riquadri) {
        FUZZ_CHECK(box.borderStyle == 0 || box.borderStyle == 1);
    }
    const int silenzio = read.impostazioni.intervalli.silenzio;
    FUZZ_CHECK(silenzio >= kMinStoredInterval && silenzio <= kMaxStoredInterval);
    const auto& righe = read.classifica.righe;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        FUZZ_CHECK(righe[i].torneiVinti >= 0 &&
                   (!righe[i].nome.empty() || righe[i].torneiVinti == 0));
        if (i > 0) FUZZ_CHECK(righe[i - 1].torneiVinti >= righe[i].torneiVinti);
    }
    for (const auto& line : read.albo) FUZZ_CHECK(!line.empty() && SafeItemText(line) == line);
    FUZZ_CHECK(SaveSettings(dati, read.impostazioni) && SaveName(dati, read.nome) &&
               SaveRanking(dati, read.classifica) && SaveAlbo(dati, read.albo));

    // Every file now reads as it stands, and a sound file kept its meaning.
    const auto impoAfter = ParseSettings(ReadFile(dati / kFileImpostazioni));
    const auto nomeAfter = ParseName(ReadFile(dati / kFileNome));
    const auto classificaAfter = ParseRanking(ReadFile(dati / kFileClassifica));
    const auto alboAfter = ParseAlbo(ReadFile(dati / kFileAlbo));
    FUZZ_CHECK(impoAfter.status == FileStatus::Ok && nomeAfter.status == FileStatus::Ok);
    FUZZ_CHECK(classificaAfter.status == FileStatus::Ok && alboAfter.status == FileStatus::Ok);
    FUZZ_CHECK(FormatSettings(impoAfter.value) == FormatSettings(read.impostazioni) &&
               nomeAfter.value == read.nome && alboAfter.value == read.albo &&
               FormatRanking(classificaAfter.value) == FormatRanking(read.classifica));
    if (impo) FUZZ_CHECK(FormatSettings(impoAfter.value) == FormatSettings(*impo));
    if (nome) FUZZ_CHECK(nomeAfter.value == *nome);
    if (classifica) FUZZ_CHECK(SameRows(classificaAfter.value, *classifica));
    if (albo) FUZZ_CHECK(alboAfter.value == *albo);
    FUZZ_CHECK(classificaAfter.value.totalePartite == static_cast<int>(alboAfter.value.size()));

    // Nothing that could be read is lost: every whole Torneo line of GnAlbo.txt is still there.
    if (dropped[3]) {
        for (const Item& item : ParseItems(*dropped[3]).items) {
            const auto text = ItemText(item);
            if (!text || SafeItemText(*text).empty()) continue;
            FUZZ_CHECK(std::find(alboAfter.value.begin(), alboAfter.value.end(),
                                 SafeItemText(*text)) != alboAfter.value.end());
        }
    }
    // A file not read as it stood is kept whole as NAME.bad; one read as it stood is not.
    for (std::size_t k = 0; k < 4; ++k) {
        if (!dropped[k]) continue;
        const fs::path bad = dati / (std::string(kFiles[k]) + ".bad");
        if (before[k] == FileStatus::Ok) {
            FUZZ_CHECK(!fs::exists(bad));
        } else {
            FUZZ_CHECK(ReadFile(bad) == *dropped[k]);
        }
    }
    // Told once: the next start has nothing to say, and no temporary file is left.
    FUZZ_CHECK(ReadDataFolder(dati).notices.empty());
    for (const auto& e : fs::directory_iterator(dati)) {
        FUZZ_CHECK(!IsInterruptedSaveName(e.path().filename().string()));
    }
    return 0;
}
