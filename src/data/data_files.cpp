#include "data/data_files.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "data/data_folder.h"
#include "data/pending_writes.h"
#include "data/player_name.h"
#include "data/quoted_items.h"

namespace gnamm::data {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kItemsImpostazioni = 32;
constexpr std::size_t kItemsClassifica = 21;
// Counts above this are not ours: no player wins a million Tornei.
constexpr int64_t kMaxConteggio = 1'000'000;

// The items of a file by line: slot k holds the item on line k, when that line was one.
struct Slots {
    std::vector<std::optional<Item>> byLine;
    bool clean = true;
    bool legacyCharset = false;
    std::size_t lineCount = 0;

    const Item* at(std::size_t k) const {
        return k < byLine.size() && byLine[k] ? &*byLine[k] : nullptr;
    }
};

Slots ReadSlots(std::string_view contents) {
    ParsedItems parsed = ParseItems(contents);
    Slots s;
    s.clean = parsed.clean;
    s.legacyCharset = parsed.legacyCharset;
    s.lineCount = parsed.lineCount;
    s.byLine.resize(parsed.lineCount);
    for (std::size_t i = 0; i < parsed.items.size(); ++i) {
        s.byLine[parsed.lineOf[i]] = std::move(parsed.items[i]);
    }
    return s;
}

// The status of a parse: damaged when anything was not trusted, else converted when a line
// was in the old code page.
FileStatus Verdict(bool trusted, bool legacyCharset) {
    if (!trusted) return FileStatus::Repaired;
    return legacyCharset ? FileStatus::Converted : FileStatus::Ok;
}

std::optional<int64_t> CountAt(const Slots& s, std::size_t k) {
    const Item* item = s.at(k);
    if (item == nullptr) return std::nullopt;
    const auto n = ItemNumber(*item);
    if (!n || *n < 0 || *n > kMaxConteggio) return std::nullopt;
    return n;
}

// Shared course of every Load: read, parse, and put a sound file on disk when the one there
// was missing or could not be trusted as it stood. An empty folder path means "no disk" (tests
// and tools that never asked for a data folder).
template <typename T, typename Parse, typename Format>
Loaded<T> LoadFile(const fs::path& dati, std::string_view name, const T& fresh, Parse parse,
                   Format format) {
    if (dati.empty()) return {fresh, FileStatus::Missing, {}};
    const fs::path file = dati / name;
    const FileRead read = ReadWholeFile(file);
    Loaded<T> out{fresh, FileStatus::Ok, {}};
    switch (read.outcome) {
        case ReadOutcome::Ok:
            out = parse(read.contents);
            break;
        case ReadOutcome::TooLarge:
            // What stands before the limit still reads, line by line.
            out = parse(read.contents);
            out.status = FileStatus::Repaired;
            break;
        case ReadOutcome::Missing:
            out.status = FileStatus::Missing;
            break;
        case ReadOutcome::Unreadable:
            out.status = FileStatus::Unreadable;
            break;
    }
    if (out.status == FileStatus::Ok) return out;
    if (out.status != FileStatus::Missing) {
        const auto keptAs = KeepAsBad(file);
        // Not moved aside: leave it there rather than overwrite what may be the player's only
        // copy, and play on with what was read.
        if (!keptAs) return out;
        out.keptAs = *keptAs;
    }
    WriteFileAtomically(file, format(out.value));
    return out;
}

bool SaveFile(const fs::path& dati, std::string_view name, const std::string& contents) {
    if (dati.empty()) return false;
    return WriteFileAtomically(dati / name, contents);
}

// The settings and the name are this copy's own choice, whole: a failed save is kept and
// written again at the next save (pending_writes.h).
bool SaveOwnFile(const fs::path& dati, std::string_view name, std::string contents,
                 std::string what) {
    if (dati.empty()) return false;
    return WriteOrKeepPending(dati / name, std::move(contents), std::move(what)) ==
           WriteError::None;
}

}  // namespace

// ---- GnImpo.txt ---------------------------------------------------------------------------

std::string FormatSettings(const Settings& s) {
    std::vector<Item> items;
    for (int i = 0; i < kNumeroOpzioni; ++i) items.emplace_back(OptionText(s.opzioni, i));
    for (const auto& box : s.riquadri) {
        items.emplace_back(int64_t{box.borderStyle});
        items.emplace_back(box.shown);
    }
    const StoredIntervals& t = s.intervalli;
    for (const int ms :
         {t.silenzio, t.effettuaMossaPC, t.ritardoMossaPC, t.ultimeCarte, t.muoviHAutomatico,
          t.scompaionoCarteH, t.scegli6Carte, t.scegli4CarteSulTavolo}) {
        items.emplace_back(int64_t{ms});
    }
    return WriteItems(items);
}

Loaded<Settings> ParseSettings(std::string_view contents) {
    Loaded<Settings> out{Settings{}, FileStatus::Ok, {}};
    const Slots slots = ReadSlots(contents);
    bool trusted = slots.clean && slots.lineCount == kItemsImpostazioni;
    Settings& s = out.value;

    for (int i = 0; i < kNumeroOpzioni; ++i) {
        const Item* item = slots.at(static_cast<std::size_t>(i));
        const auto text = item ? ItemText(*item) : std::nullopt;
        if (!text || !SetOptionFromText(s.opzioni, i, *text)) trusted = false;
    }
    for (std::size_t b = 0; b < s.riquadri.size(); ++b) {
        const std::size_t k = kNumeroOpzioni + 2 * b;
        const auto style = CountAt(slots, k);
        if (style && *style <= 1) {
            s.riquadri[b].borderStyle = static_cast<int>(*style);
        } else {
            trusted = false;
        }
        const Item* item = slots.at(k + 1);
        const auto shown = item ? ItemBool(*item) : std::nullopt;
        if (shown) {
            s.riquadri[b].shown = *shown;
        } else {
            trusted = false;
        }
    }
    StoredIntervals& t = s.intervalli;
    int* const fields[] = {&t.silenzio,     &t.effettuaMossaPC,      &t.ritardoMossaPC,
                           &t.ultimeCarte,  &t.muoviHAutomatico,     &t.scompaionoCarteH,
                           &t.scegli6Carte, &t.scegli4CarteSulTavolo};
    std::size_t k = kNumeroOpzioni + 2 * s.riquadri.size();
    for (int* field : fields) {
        const auto ms = CountAt(slots, k++);
        if (ms && *ms >= kMinStoredInterval && *ms <= kMaxStoredInterval) {
            *field = static_cast<int>(*ms);
        } else {
            trusted = false;
        }
    }
    out.status = Verdict(trusted, slots.legacyCharset);
    return out;
}

Loaded<Settings> LoadSettings(const fs::path& dati) {
    return LoadFile(dati, kFileImpostazioni, Settings{}, ParseSettings, FormatSettings);
}

bool SaveSettings(const fs::path& dati, const Settings& s) {
    return SaveOwnFile(dati, kFileImpostazioni, FormatSettings(s), "le opzioni");
}

// ---- GnNome.txt ---------------------------------------------------------------------------

std::string FormatName(std::string_view name) {
    return WriteItem(Item{CleanPlayerName(name)});
}

Loaded<std::string> ParseName(std::string_view contents) {
    const Slots slots = ReadSlots(contents);
    const Item* item = slots.at(0);
    const auto text = item ? ItemText(*item) : std::nullopt;
    if (!text) return {std::string{}, FileStatus::Repaired, {}};
    Loaded<std::string> out{CleanPlayerName(*text), FileStatus::Ok, {}};
    const bool trusted = slots.clean && slots.lineCount == 1 && out.value == *text;
    out.status = Verdict(trusted, slots.legacyCharset);
    return out;
}

Loaded<std::string> LoadName(const fs::path& dati) {
    return LoadFile(dati, kFileNome, std::string{}, ParseName,
                    [](const std::string& n) { return FormatName(n); });
}

bool SaveName(const fs::path& dati, std::string_view name) {
    return SaveOwnFile(dati, kFileNome, FormatName(name), "il nome");
}

// ---- GnVista.txt ---------------------------------------------------------------------------

std::string FormatVista(const Vista& v) {
    return WriteItem(Item{v.animazioni});
}

Loaded<Vista> ParseVista(std::string_view contents) {
    const Slots slots = ReadSlots(contents);
    const Item* item = slots.at(0);
    const auto animazioni = item ? ItemBool(*item) : std::nullopt;
    if (!animazioni) return {Vista{}, FileStatus::Repaired, {}};
    Loaded<Vista> out{Vista{*animazioni}, FileStatus::Ok, {}};
    out.status = Verdict(slots.clean && slots.lineCount == 1, slots.legacyCharset);
    return out;
}

Loaded<Vista> LoadVista(const fs::path& dati) {
    return LoadFile(dati, kFileVista, Vista{}, ParseVista, FormatVista);
}

bool SaveVista(const fs::path& dati, const Vista& v) {
    return SaveOwnFile(dati, kFileVista, FormatVista(v), "l'opzione Animazioni");
}

// ---- GnClass.txt --------------------------------------------------------------------------

std::string FormatRanking(const Ranking& r) {
    // Every item of this file is quoted text, counts included.
    std::vector<Item> items;
    for (const auto& row : r.righe) {
        items.emplace_back(row.nome);
        items.emplace_back(std::to_string(row.torneiVinti));
    }
    // A counter not known yet is written as none counted: the hall of fame sets it right.
    items.emplace_back(std::to_string(std::max(r.totalePartite, 0)));
    return WriteItems(items);
}

Loaded<Ranking> ParseRanking(std::string_view contents) {
    Loaded<Ranking> out{Ranking{}, FileStatus::Ok, {}};
    const Slots slots = ReadSlots(contents);
    bool trusted = slots.clean && slots.lineCount == kItemsClassifica;
    Ranking& r = out.value;

    for (std::size_t i = 0; i < r.righe.size(); ++i) {
        RigaClassifica& row = r.righe[i];
        const Item* nameItem = slots.at(2 * i);
        const auto name = nameItem ? ItemText(*nameItem) : std::nullopt;
        const auto count = CountAt(slots, 2 * i + 1);
        if (!name || !count) {
            trusted = false;
            continue;  // the row stays empty
        }
        row.nome = CleanPlayerName(*name);
        row.torneiVinti = static_cast<int>(*count);
        if (row.nome != *name) trusted = false;
        if (row.nome.empty() && row.torneiVinti != 0) {
            row.torneiVinti = 0;  // wins of nobody
            trusted = false;
        }
    }
    // The ranking is kept sorted by wins; a file that is not must not mislead the update.
    if (!std::is_sorted(r.righe.begin(), r.righe.end(), [](const auto& a, const auto& b) {
            return a.torneiVinti > b.torneiVinti;
        })) {
        std::stable_sort(r.righe.begin(), r.righe.end(), [](const auto& a, const auto& b) {
            return a.torneiVinti > b.torneiVinti;
        });
        trusted = false;
    }
    if (const auto total = CountAt(slots, 2 * r.righe.size())) {
        r.totalePartite = static_cast<int>(*total);
    } else {
        r.totalePartite = kContatoreIgnoto;
        trusted = false;
    }
    out.status = Verdict(trusted, slots.legacyCharset);
    return out;
}

Loaded<Ranking> LoadRanking(const fs::path& dati) {
    // No file, or none that reads, says nothing of how many Tornei were played: the hall of
    // fame counts them.
    Ranking unknown;
    unknown.totalePartite = kContatoreIgnoto;
    return LoadFile(dati, kFileClassifica, unknown, ParseRanking, FormatRanking);
}

bool SaveRanking(const fs::path& dati, const Ranking& r) {
    return SaveFile(dati, kFileClassifica, FormatRanking(r));
}

// ---- GnAlbo.txt ---------------------------------------------------------------------------

std::string FormatAlbo(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) AppendQuotedItem(out, line);
    AppendQuotedItem(out, {});  // the closing empty item
    return out;
}

Loaded<std::vector<std::string>> ParseAlbo(std::string_view contents) {
    const ParsedItems parsed = ParseItems(contents);
    bool trusted = parsed.clean;
    std::vector<std::string> texts;
    for (const Item& item : parsed.items) {
        if (const auto text = ItemText(item)) {
            texts.push_back(*text);
        } else {
            trusted = false;  // a bare number or truth value is no line of ours
        }
    }
    // The closing empty item; a file cut short has none.
    if (!texts.empty() && texts.back().empty()) {
        texts.pop_back();
    } else {
        trusted = false;
    }
    Loaded<std::vector<std::string>> out{{}, FileStatus::Ok, {}};
    for (const std::string& text : texts) {
        std::string line = SafeItemText(text);
        if (line != text || line.empty()) trusted = false;  // an empty line is no Torneo
        if (!line.empty()) out.value.push_back(std::move(line));
    }
    out.status = Verdict(trusted, parsed.legacyCharset);
    return out;
}

Loaded<std::vector<std::string>> LoadAlbo(const fs::path& dati) {
    return LoadFile(dati, kFileAlbo, std::vector<std::string>{}, ParseAlbo, FormatAlbo);
}

bool SaveAlbo(const fs::path& dati, const std::vector<std::string>& lines) {
    return SaveFile(dati, kFileAlbo, FormatAlbo(lines));
}

// ---- The folder ---------------------------------------------------------------------------

bool PrepareDataFolder(const fs::path& dati) {
    if (dati.empty() || !EnsureFolder(dati)) return false;
    const std::pair<std::string_view, std::string> fresh[] = {
        {kFileImpostazioni, FormatSettings(Settings{})},
        {kFileNome, FormatName("")},
        {kFileClassifica, FormatRanking(Ranking{})},
        {kFileAlbo, FormatAlbo({})},
        {kFileVista, FormatVista(Vista{})},
    };
    bool ok = true;
    for (const auto& [name, contents] : fresh) {
        std::error_code ec;
        const fs::path file = dati / name;
        if (fs::exists(fs::symlink_status(file, ec))) continue;
        ok = WriteFileAtomically(file, contents) && ok;
    }
    return ok;
}

}  // namespace gnamm::data
