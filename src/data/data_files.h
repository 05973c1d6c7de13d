// src/data owns the quoted-item file format, the asset names and the four Dati files. It is
// the bottom layer with src/rules: it includes only the standard library and the pure rules
// (card.h, options.h, speeds.h).
//
// The four Dati files: settings (GnImpo.txt), player name (GnNome.txt), ranking (GnClass.txt)
// and hall of fame (GnAlbo.txt); and the window's own settings beyond GnImpo.txt's fixed items
// (GnVista.txt).
//
// Every Load returns usable contents, never fails and never throws, and each file is read and
// mended on its own. A missing file is created with the fresh-install contents. A file that
// is truncated, too long, garbled or inconsistent gives what can be read of it, line by line,
// and the fresh contents for the rest; one written in an older code page is read whole. Either
// way the old file is kept beside as NAME.bad and a sound UTF-8 file is written in its place.
// When the folder cannot be written the game still goes on with the contents in memory.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "rules/options.h"
#include "rules/speeds.h"

namespace gnamm::data {

inline constexpr std::string_view kFileImpostazioni = "GnImpo.txt";
inline constexpr std::string_view kFileNome = "GnNome.txt";
inline constexpr std::string_view kFileClassifica = "GnClass.txt";
inline constexpr std::string_view kFileAlbo = "GnAlbo.txt";
inline constexpr std::string_view kFileVista = "GnVista.txt";

// What a Load found on disk.
enum class FileStatus {
    Ok,          // read as it stood
    Missing,     // not there: fresh contents (and a fresh file, when it could be written)
    Repaired,    // damaged: what could be read kept, the rest fresh
    Converted,   // whole, but in the Windows-1252 code page: read, and rewritten as UTF-8
    Unreadable,  // not a file that can be read (a folder, no permission): fresh contents
};

template <typename T>
struct Loaded {
    T value;
    FileStatus status = FileStatus::Ok;
    // When the file was Repaired, Converted or Unreadable: where the old one was kept (NAME.bad),
    // empty when it could not be moved aside (it is then left as it is, not overwritten).
    std::filesystem::path keptAs;

    // Not read as it stood and not set aside: never to be written over, or its unread rest is lost.
    bool leftAsItIs() const {
        return status != FileStatus::Ok && status != FileStatus::Missing && keptAs.empty();
    }
};

// ---- GnImpo.txt: 32 items -------------------------------------------------------------

// A side box (0 "Dati", 1 "Punti", 2 "Notes", 3 "Zeb"): the border style of its toggle
// lblRiquadri(i) (0 none, 1 single) and whether FraRiquadro(i) is shown.
struct SideBoxSetting {
    int borderStyle = 1;
    bool shown = true;
};

// The eight stored intervals in milliseconds, in file order. Fresh: the Middle values.
struct StoredIntervals {
    int silenzio = speeds::kSilenzioMiddle;
    int effettuaMossaPC = speeds::kZebMiddle;
    int ritardoMossaPC = speeds::kZebMiddle;
    int ultimeCarte = speeds::kGiocoMiddle;
    int muoviHAutomatico = speeds::kTerzaCartaMiddle;
    int scompaionoCarteH = speeds::kGiocoMiddle;
    int scegli6Carte = speeds::kMazziereMiddle;
    int scegli4CarteSulTavolo = speeds::kMazziereMiddle;
};

// A stored interval outside this range is not trusted (the fresh value is used).
inline constexpr int kMinStoredInterval = 1;
inline constexpr int kMaxStoredInterval = 600000;

struct Settings {
    Opzioni opzioni;  // the design defaults
    std::array<SideBoxSetting, 4> riquadri{};
    StoredIntervals intervalli;
};

Loaded<Settings> LoadSettings(const std::filesystem::path& dati);
bool SaveSettings(const std::filesystem::path& dati, const Settings& s);
std::string FormatSettings(const Settings& s);              // the file's bytes
Loaded<Settings> ParseSettings(std::string_view contents);  // Missing never returned

// ---- GnNome.txt: 1 item ---------------------------------------------------------------

// The stored name, cleaned (see player_name.h); "" on a fresh install.
Loaded<std::string> LoadName(const std::filesystem::path& dati);
// Writes the name cleaned; false when the file could not be written.
bool SaveName(const std::filesystem::path& dati, std::string_view name);
std::string FormatName(std::string_view name);
Loaded<std::string> ParseName(std::string_view contents);

// ---- GnClass.txt: 21 items ------------------------------------------------------------

inline constexpr int kRigheClassifica = 10;

struct RigaClassifica {
    std::string nome;  // NomeGiocatore; "" for an empty row
    int torneiVinti = 0;
};

// TotalePartite when GnClass.txt held no trustworthy counter (or none at all: missing or
// unreadable): the hall of fame then counts its own lines.
inline constexpr int kContatoreIgnoto = -1;

struct Ranking {
    std::array<RigaClassifica, kRigheClassifica> righe{};  // rows 1..10 at index 0..9
    int totalePartite = 0;  // finished Tornei so far, or kContatoreIgnoto
};

Loaded<Ranking> LoadRanking(const std::filesystem::path& dati);
bool SaveRanking(const std::filesystem::path& dati, const Ranking& r);
std::string FormatRanking(const Ranking& r);
Loaded<Ranking> ParseRanking(std::string_view contents);

// ---- GnAlbo.txt: TotalePartite + 1 items, the last empty ---------------------------------

// Every Torneo line of the file: its readable items before the closing empty one. The file,
// not GnClass.txt's counter, is the record: a counter that disagrees follows the lines (a
// save cut short between the two files leaves the hall of fame one line ahead).
Loaded<std::vector<std::string>> LoadAlbo(const std::filesystem::path& dati);
// Writes every line and then the empty item.
bool SaveAlbo(const std::filesystem::path& dati, const std::vector<std::string>& lines);
std::string FormatAlbo(const std::vector<std::string>& lines);
Loaded<std::vector<std::string>> ParseAlbo(std::string_view contents);

// ---- GnVista.txt: 1 item -------------------------------------------------------------

// How the window shows the game, beyond the options of GnImpo.txt.
struct Vista {
    bool animazioni = true;  // "Animazioni": the cards move to their places
    bool operator==(const Vista&) const = default;
};

Loaded<Vista> LoadVista(const std::filesystem::path& dati);
// False when the file could not be written (kept to write again, pending_writes.h).
bool SaveVista(const std::filesystem::path& dati, const Vista& v);
std::string FormatVista(const Vista& v);
Loaded<Vista> ParseVista(std::string_view contents);

// ---- The folder as a whole --------------------------------------------------------------

// Creates the folder and writes every missing file with its fresh-install contents; files
// already there are left alone. False when the folder cannot be made.
bool PrepareDataFolder(const std::filesystem::path& dati);

}  // namespace gnamm::data
