#include "game/record_json.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "game/end_of_gioco.h"
#include "game/json_fields.h"

namespace gnamm {

namespace {

using nlohmann::json;
using namespace json_fields;

constexpr std::array<std::string_view, 3> kNomiLivelli = {"Honest", "Cunning", "Cheat"};
constexpr std::array<std::string_view, 4> kNomiPuntiMazzo = {"Sette", "Quadri", "Figure", "Carte"};
constexpr int kMassimo = 1000000000;

// The levels and the fields of one level in the byte order of their names, as the file lists them.
constexpr std::array<std::size_t, 3> kOrdineLivelli = {2, 1, 0};  // Cheat, Cunning, Honest

void Riga(std::string& out, std::string_view indent, std::string_view nome, int valore,
          bool ultimo = false) {
    out += indent;
    out += '"';
    out += nome;
    out += "\": ";
    out += std::to_string(valore);
    out += ultimo ? "\n" : ",\n";
}

void ScriviConti(std::string& out, const ContiLivello& c) {
    constexpr std::string_view k = "    ";
    out += "{\n";
    Riga(out, k, "aiuti", c.aiuti);
    Riga(out, k, "giochiPersi", c.giochiPersi);
    Riga(out, k, "giochiVinti", c.giochiVinti);
    Riga(out, k, "migliorTorneoPartitePerse", c.migliorTorneoPartitePerse);
    Riga(out, k, "partitePerse", c.partitePerse);
    Riga(out, k, "partiteVinte", c.partiteVinte);
    Riga(out, k, "puntiGnamm", c.puntiGnamm);
    out += "    \"puntiMazzo\": {\n";
    constexpr std::string_view m = "     ";
    Riga(out, m, "5 di Cuori", c.cinqueDiCuori);
    Riga(out, m, kNomiPuntiMazzo[3], c.puntiMazzo[3]);  // Carte, Figure, Quadri, Sette
    Riga(out, m, kNomiPuntiMazzo[2], c.puntiMazzo[2]);
    Riga(out, m, kNomiPuntiMazzo[1], c.puntiMazzo[1]);
    Riga(out, m, kNomiPuntiMazzo[0], c.puntiMazzo[0], true);
    out += "    },\n";
    Riga(out, k, "serieGiochiVinti", c.serieGiochiVinti);
    Riga(out, k, "serieInCorso", c.serieInCorso);
    Riga(out, k, "torneiPersi", c.torneiPersi);
    Riga(out, k, "torneiVinti", c.torneiVinti, true);
    out += "   }";
}

ContiLivello DaJson(const json& o) {
    ContiLivello c;
    c.torneiVinti = Intero(o, "torneiVinti", 0, kMassimo);
    c.torneiPersi = Intero(o, "torneiPersi", 0, kMassimo);
    c.partiteVinte = Intero(o, "partiteVinte", 0, kMassimo);
    c.partitePerse = Intero(o, "partitePerse", 0, kMassimo);
    c.giochiVinti = Intero(o, "giochiVinti", 0, kMassimo);
    c.giochiPersi = Intero(o, "giochiPersi", 0, kMassimo);
    c.puntiGnamm = Intero(o, "puntiGnamm", 0, kMassimo);
    const json& punti = Campo(o, "puntiMazzo");
    for (std::size_t i = 0; i < kNomiPuntiMazzo.size(); ++i) {
        c.puntiMazzo[i] = Intero(punti, std::string(kNomiPuntiMazzo[i]).c_str(), 0, kMassimo);
    }
    c.cinqueDiCuori = Intero(punti, "5 di Cuori", 0, kMassimo);
    c.migliorTorneoPartitePerse = Intero(o, "migliorTorneoPartitePerse", -1, kPartiteTorneo - 1);
    c.serieGiochiVinti = Intero(o, "serieGiochiVinti", 0, kMassimo);
    c.serieInCorso = Intero(o, "serieInCorso", 0, c.serieGiochiVinti);
    c.aiuti = Intero(o, "aiuti", 0, kMassimo);
    return c;
}

long long Giochi(const ContiGiocatore& c) {
    long long n = 0;
    for (const ContiLivello& l : c) n += static_cast<long long>(l.giochiVinti) + l.giochiPersi;
    return n;
}

// A cursor over the two outer levels of the file, the whole object and the players' object.
// Each value is found by its brackets and quotes alone and read by the library on its own.
class Scorri {
  public:
    explicit Scorri(std::string_view t) : t_(t) {}

    // Steps over `c` after any blanks; false, standing still, when something else comes.
    bool segno(char c) {
        spazi();
        if (i_ >= t_.size() || t_[i_] != c) return false;
        ++i_;
        return true;
    }
    bool fine() {
        spazi();
        return i_ == t_.size();
    }
    // The text of the next value, its brackets and quotes matched; nothing when the text ends
    // first.
    std::optional<std::string_view> valore() {
        spazi();
        const std::size_t inizio = i_;
        if (i_ >= t_.size()) return std::nullopt;
        const char c = t_[i_];
        if (c == '"') {
            if (!stringa()) return std::nullopt;
        } else if (c == '{' || c == '[') {
            int livello = 0;
            do {
                if (i_ >= t_.size()) return std::nullopt;
                const char d = t_[i_];
                if (d == '"') {
                    if (!stringa()) return std::nullopt;
                    continue;
                }
                ++i_;
                if (d == '{' || d == '[') ++livello;
                if (d == '}' || d == ']') --livello;
            } while (livello > 0);
        } else {
            while (i_ < t_.size() && !Separa(t_[i_])) ++i_;
        }
        return t_.substr(inizio, i_ - inizio);
    }
    // A key, decoded; nothing when no whole text comes.
    std::optional<std::string> chiave() {
        spazi();
        if (i_ >= t_.size() || t_[i_] != '"') return std::nullopt;
        const auto testo = valore();
        if (!testo) return std::nullopt;
        const json j = json::parse(*testo, nullptr, false);
        if (!j.is_string()) return std::nullopt;
        return j.get<std::string>();
    }

  private:
    static bool Separa(char c) {
        return c == ',' || c == '}' || c == ']' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
    }
    void spazi() {
        while (i_ < t_.size() &&
               (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r'))
            ++i_;
    }
    // From an opening quote to past the closing one.
    bool stringa() {
        ++i_;
        while (i_ < t_.size()) {
            const char c = t_[i_++];
            if (c == '\\') {
                ++i_;
            } else if (c == '"') {
                return true;
            }
        }
        return false;
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

class Lettura {
  public:
    explicit Lettura(LetturaStatistiche& out) : out_(out) {}

    void guasto(const std::string& perche) {
        out_.danneggiato = true;
        if (out_.errore.empty()) out_.errore = perche;
    }

    // The players' object, entry by entry; false when it ends before its closing brace.
    bool giocatori(Scorri& s) {
        if (!s.segno('{')) {
            guasto("giocatori is not an object");
            return false;
        }
        for (bool primo = true;; primo = false) {
            if (s.segno('}')) return true;
            const bool separato = primo || s.segno(',');
            const auto nome = separato ? s.chiave() : std::nullopt;
            const auto testo = nome && s.segno(':') ? s.valore() : std::nullopt;
            if (!testo) {
                guasto(nome ? "cut short in the entry of " + *nome : "cut short or garbled");
                return false;
            }
            const json livelli = json::parse(*testo, nullptr, false);
            if (livelli.is_discarded()) {
                guasto(*nome + ": not JSON");
                continue;  // whole to its brackets: the entries after it still read
            }
            metti(*nome, livelli);
        }
    }

  private:
    // Each level on its own: what reads is kept, the rest starts from zero.
    void metti(const std::string& nome, const json& livelli) {
        ContiGiocatore conti{};
        for (std::size_t i = 0; i < kNomiLivelli.size(); ++i) {
            try {
                conti[i] = DaJson(Campo(livelli, std::string(kNomiLivelli[i]).c_str()));
            } catch (const Guasto& e) {
                guasto(nome + ": " + e.what());
            }
        }
        const auto [it, nuovo] = out_.statistiche.try_emplace(nome, conti);
        if (nuovo) return;
        out_.doppi.push_back(nome);
        if (Giochi(conti) > Giochi(it->second)) it->second = conti;
    }

    LetturaStatistiche& out_;
};

}  // namespace

// Written by hand, as nlohmann's dump(1) would write the same document (keys in byte order, one
// space of indent a level): building the document first cost more than the rest of a Gioco.
std::string StatisticheInJson(const Statistiche& s) {
    std::string out =
        "{\n \"formato\": " + std::to_string(kFormatoStatistiche) + ",\n \"giocatori\": ";
    if (s.empty()) return out + "{}\n}\n";
    out += "{\n";
    bool primo = true;
    for (const auto& [nome, livelli] : s) {
        if (!primo) out += ",\n";
        primo = false;
        // The name escaped as the library escapes it (and refused where it refuses it).
        out += "  " + json(nome).dump() + ": {\n";
        for (std::size_t i = 0; i < kOrdineLivelli.size(); ++i) {
            const std::size_t l = kOrdineLivelli[i];
            out += "   \"";
            out += kNomiLivelli[l];
            out += "\": ";
            ScriviConti(out, livelli[l]);
            out += i + 1 < kOrdineLivelli.size() ? ",\n" : "\n";
        }
        out += "  }";
    }
    return out + "\n }\n}\n";
}

LetturaStatistiche StatisticheDaJson(std::string_view testo) {
    LetturaStatistiche out;
    Lettura l(out);
    Scorri s(testo);
    bool formato = false, giocatori = false;
    if (!s.segno('{')) {
        l.guasto("not JSON");
        return out;
    }
    for (bool primo = true;; primo = false) {
        if (s.segno('}')) {
            if (!s.fine()) l.guasto("text after the end");
            break;
        }
        const bool separato = primo || s.segno(',');
        const auto chiave = separato ? s.chiave() : std::nullopt;
        if (!chiave || !s.segno(':')) {
            l.guasto("cut short or garbled");
            break;
        }
        if (*chiave == "giocatori" && !giocatori) {
            giocatori = true;
            if (!l.giocatori(s)) break;
            continue;
        }
        const auto valore = s.valore();
        if (!valore) {
            l.guasto("cut short in " + *chiave);
            break;
        }
        const json v = json::parse(*valore, nullptr, false);
        if (*chiave != "formato" || formato) {
            l.guasto("unknown field " + *chiave);
            continue;
        }
        formato = true;
        if (!v.is_number_integer() || v.get<long long>() < kFormatoStatistiche) {
            l.guasto("formato out of range");
        } else if (v.get<long long>() > kFormatoStatistiche) {
            out.piuRecente = true;
        }
    }
    if (!formato) l.guasto("missing formato");
    if (!giocatori) l.guasto("missing giocatori");
    if (out.piuRecente) {
        out = LetturaStatistiche{};
        out.piuRecente = true;
    }
    return out;
}

}  // namespace gnamm
