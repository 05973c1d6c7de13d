#include "sim_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <ostream>
#include <set>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "game/ai/evaluation.h"
#include "game/ai/move_choice.h"
#include "game/ai/move_list.h"
#include "game/ai/pc_turn.h"
#include "rules/capture_rules.h"
#include "data/utf8.h"
#include "game/game.h"

namespace gnamm::sim {

namespace {

using json = nlohmann::ordered_json;

struct InputErrato : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A position is a few hundred bytes: more than this is not one, and an endless input (a pipe,
// /dev/zero) must not fill the memory.
constexpr std::size_t kMassimoInput = std::size_t{1} << 20;

// The whole input as one JSON value: nothing may follow it, and no NUL may hide the rest
// (the parser would take a NUL for the end).
json Leggi(std::istream& in) {
    std::string testo;
    std::array<char, 4096> blocco;
    while (in.read(blocco.data(), blocco.size()) || in.gcount() > 0) {
        testo.append(blocco.data(), static_cast<std::size_t>(in.gcount()));
        if (testo.size() > kMassimoInput) {
            throw InputErrato("the input is longer than " + std::to_string(kMassimoInput >> 20) +
                              " MiB");
        }
    }
    if (const auto nul = testo.find('\0'); nul != std::string::npos) {
        throw InputErrato("a NUL byte at offset " + std::to_string(nul) + " of the input");
    }
    try {
        return json::parse(testo);
    } catch (const json::exception& e) {
        throw InputErrato("malformed JSON: " + UnaRiga(e.what()));
    }
}

void RichiediOggetto(const json& j, const char* cosa) {
    if (!j.is_object()) throw InputErrato(std::string(cosa) + " must be an object");
}

int Intero(const json& j, const char* chiave, int min, int max) {
    if (!j.is_number_integer()) throw InputErrato(std::string(chiave) + " must be an integer");
    const auto v = j.get<long long>();
    if (v < min || v > max) {
        throw InputErrato(std::string(chiave) + " out of range " + std::to_string(min) + ".." +
                          std::to_string(max));
    }
    return static_cast<int>(v);
}

// Places given as object keys ("7": "5p"), each within [min, max], each card once overall.
void LeggiPosti(const json& j, const char* cosa, int min, int max, TableState& t,
                std::set<int>& carte) {
    RichiediOggetto(j, cosa);
    for (const auto& [chiave, valore] : j.items()) {
        int posto = 0;
        const auto* fine = chiave.data() + chiave.size();
        const auto [ptr, ec] = std::from_chars(chiave.data(), fine, posto);
        if (ec != std::errc() || ptr != fine || posto < min || posto > max) {
            throw InputErrato(std::string(cosa) + ": place " + Citazione(chiave) + " out of range " +
                              std::to_string(min) + ".." + std::to_string(max));
        }
        if (!valore.is_string()) throw InputErrato(std::string(cosa) + ": card codes are text");
        const auto c = Card::Parse(valore.get<std::string>());
        if (!c) throw InputErrato("unknown card code " + Citazione(valore.get<std::string>()));
        if (!carte.insert(c->deckPosition()).second) {
            throw InputErrato("card " + c->code() + " given twice");
        }
        t.carta[posto] = *c;
    }
}

std::string Codice(Card c) {
    return c.code();
}

json NumeroFloat(float f) {
    return json::parse(TestoFloat(f));
}

}  // namespace

std::string Citazione(std::string_view input, std::size_t max) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    std::size_t i = 0;
    for (std::size_t chars = 0; i < input.size() && chars < max; ++chars) {
        const auto b = static_cast<unsigned char>(input[i]);
        if (b == '"' || b == '\\') {
            out += {'\\', static_cast<char>(b)};
        } else if (b == '\n') {
            out += "\\n";
        } else if (b == '\r') {
            out += "\\r";
        } else if (b == '\t') {
            out += "\\t";
        } else if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
        } else if (const auto c = data::DecodeUtf8At(input, i); c && b >= 0x80 && c->cp > 0x9F) {
            out += input.substr(i, c->length);
            i += c->length;
            continue;
        } else {
            out += {'\\', 'x', kHex[b >> 4], kHex[b & 15]};
        }
        ++i;
    }
    out += '"';
    if (i < input.size()) out += "...";
    return out;
}

std::string UnaRiga(std::string_view message) {
    std::string out;
    constexpr std::string_view kLetto = "last read: '";
    if (const auto inizio = message.find(kLetto); inizio != std::string_view::npos) {
        const std::size_t token = inizio + kLetto.size();
        std::size_t fine = message.rfind("'; expected ");
        if (fine == std::string_view::npos || fine < token) fine = message.rfind('\'');
        if (fine == std::string_view::npos || fine < token) fine = message.size();
        out = std::string(message.substr(0, inizio)) + "last read: " +
              Citazione(message.substr(token, fine - token)) +
              std::string(message.substr(std::min(fine + 1, message.size())));
    } else {
        out = std::string(message);
    }
    std::string riga;
    for (const char c : out) {
        if (c == '\n') {
            riga += "\\n";
        } else if (c == '\r') {
            riga += "\\r";
        } else {
            riga += c;
        }
    }
    return riga;
}

std::string TestoFloat(float f) {
    char buf[32];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, f);
    return ec == std::errc() ? std::string(buf, ptr) : std::string("0");
}

int ComandoMosse(std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const json j = Leggi(in);
        RichiediOggetto(j, "the position");
        TableState t;
        Scoreboard s;
        std::set<int> carte;
        Livello livello = Livello::Honest;
        bool onesta = true;

        if (j.contains("level")) {
            const auto& l = j["level"];
            if (l == "honest") {
                livello = Livello::Honest;
            } else if (l == "cunning") {
                livello = Livello::Cunning;
            } else if (l == "cheat") {
                livello = Livello::Cheat;
            } else {
                throw InputErrato("level must be \"honest\", \"cunning\" or \"cheat\"");
            }
        }
        if (j.contains("onesta")) {
            if (!j["onesta"].is_boolean()) throw InputErrato("onesta must be true or false");
            onesta = j["onesta"].get<bool>();
        }
        if (j.contains("table")) LeggiPosti(j["table"], "table", 7, 17, t, carte);
        if (j.contains("pc_hand")) LeggiPosti(j["pc_hand"], "pc_hand", 1, 3, t, carte);
        if (j.contains("h_hand")) LeggiPosti(j["h_hand"], "h_hand", 4, 6, t, carte);

        if (j.contains("valori_rimasti")) {
            const auto& v = j["valori_rimasti"];
            if (!v.is_array() || v.size() != 10) {
                throw InputErrato("valori_rimasti must be an array of 10 integers");
            }
            for (int k = 1; k <= 10; ++k)
                t.valoriRimasti[k] = Intero(v[k - 1], "valori_rimasti", 0, 4);
        }
        int inManoH = 0;
        for (int p = 4; p <= 6; ++p) inManoH += t.carta[p].empty() ? 0 : 1;
        t.carteInManoAdH = inManoH;
        if (j.contains("carte_in_mano_h")) {
            t.carteInManoAdH = Intero(j["carte_in_mano_h"], "carte_in_mano_h", 0, 3);
        }
        t.carteRimasteNelMazzo = 0;
        if (j.contains("carte_rimaste_nel_mazzo")) {
            t.carteRimasteNelMazzo =
                Intero(j["carte_rimaste_nel_mazzo"], "carte_rimaste_nel_mazzo", 0, 40);
        }
        static constexpr const char* kChiavi[4] = {"sette", "quadri", "figure", "carte"};
        if (j.contains("counts_pc")) {
            RichiediOggetto(j["counts_pc"], "counts_pc");
            for (int k = 0; k < 4; ++k) {
                if (j["counts_pc"].contains(kChiavi[k])) {
                    s.pc.prese[k] = Intero(j["counts_pc"][kChiavi[k]], kChiavi[k], 0, 40);
                }
            }
        }
        if (j.contains("tie_pc")) {
            RichiediOggetto(j["tie_pc"], "tie_pc");
            for (int k = 0; k < 4; ++k) {
                if (!j["tie_pc"].contains(kChiavi[k])) continue;
                const auto& b = j["tie_pc"][kChiavi[k]];
                if (!b.is_boolean()) throw InputErrato("tie_pc values must be true or false");
                s.pc.seiPreso[k] = b.get<bool>();
            }
        }
        if (j.contains("points")) {
            RichiediOggetto(j["points"], "points");
            for (int k = 0; k < 4; ++k) {
                if (!j["points"].contains(kChiavi[k])) continue;
                const auto& chi = j["points"][kChiavi[k]];
                if (chi == "PC") {
                    s.pc.punto[k] = true;
                } else if (chi == "H") {
                    s.h.punto[k] = true;
                } else if (chi != "none") {
                    throw InputErrato("points values must be \"PC\", \"H\" or \"none\"");
                }
            }
        }
        for (const int p : kPostiTavolo) t.numeroCarteSulTavolo += t.carta[p].empty() ? 0 : 1;
        for (const int p : kPostiTavolo) t.assoInTavola = t.assoInTavola || t.carta[p].isAce();

        Ricerca r;
        ListaMosse lista;
        Valutazione val;
        PreparaRicerca(t, r);
        TrovaCombinazioniPC(t, r, lista);
        ValutaMossePC(t, r, lista, s, SguardoDi(livello, onesta), val);
        const Scelta scelta = ScegliMossa(t, lista, val);

        json mosse = json::array();
        for (int m = 1; m <= lista.mossePossibili; ++m) {
            json prese = json::array();
            for (int k = 0; k < lista[m].numeroCatturate; ++k) {
                prese.push_back(r.posto(lista[m].catturate[k]));
            }
            mosse.push_back({{"place", lista[m].posto},
                             {"card", Codice(t.carta[lista[m].posto])},
                             {"captures", prese},
                             {"gnamm", lista[m].gnamm},
                             {"reali", NumeroFloat(val.puntiReali[m])},
                             {"potenziali", NumeroFloat(val.puntiPotenziali[m])},
                             {"rischio", NumeroFloat(val.rischioScopa[m])},
                             {"totali", NumeroFloat(val.puntiTotali[m])}});
        }
        json risposta = {{"moves", mosse}};
        if (lista.mossePossibili > 0) {
            risposta["mossa_migliore"] = scelta.mossaMigliore;
            risposta["seconda_mossa"] = scelta.secondaMossa;
        } else {
            risposta["mossa_migliore"] = nullptr;
            risposta["seconda_mossa"] = nullptr;
        }
        risposta["ace_rule"] = scelta.regolaAsso;
        out << risposta.dump() << '\n';
        return 0;
    } catch (const InputErrato& e) {
        err << "gnamm-sim moves: " << e.what() << '\n';
        return kEsitoInputErrato;
    } catch (const json::exception& e) {
        err << "gnamm-sim moves: bad input: " << UnaRiga(e.what()) << '\n';
        return kEsitoInputErrato;
    }
}

int ComandoPresa(std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const json j = Leggi(in);
        RichiediOggetto(j, "the input");
        TableState t;
        std::set<int> carte;
        if (j.contains("table")) LeggiPosti(j["table"], "table", 7, 17, t, carte);
        if (!j.contains("card") || !j["card"].is_string()) throw InputErrato("card is required");
        const auto giocata = Card::Parse(j["card"].get<std::string>());
        if (!giocata)
            throw InputErrato("unknown card code " + Citazione(j["card"].get<std::string>()));
        if (!carte.insert(giocata->deckPosition()).second) {
            throw InputErrato("card " + giocata->code() + " given twice");
        }
        const DecisionePresa d = DecidiPresa(t.carta, *giocata);
        json prese = json::array();
        for (const int p : kPostiTavolo) {
            if (d.marcate[p]) prese.push_back(p);
        }
        const char* esito = "lay";
        switch (d.esito) {
            case EsitoPresa::Deposita:
                esito = "lay";
                break;
            case EsitoPresa::Presa:
                esito = "capture";
                break;
            case EsitoPresa::SceltaUguali:
                esito = "choose-equal";
                break;
            case EsitoPresa::SceltaSomma:
                esito = "choose-sum";
                break;
        }
        int sulTavolo = 0;
        for (const int p : kPostiTavolo) sulTavolo += t.carta[p].empty() ? 0 : 1;
        const bool gnamm =
            d.esito == EsitoPresa::Presa && static_cast<int>(prese.size()) == sulTavolo;
        out << json{{"outcome", esito},
                    {"captured", prese},
                    {"combinations", d.possibilitaDiPresa},
                    {"equal", d.stessoValore},
                    {"gnamm", gnamm},
                    {"asso_bevuto", d.assoBevuto}}
                   .dump()
            << '\n';
        return 0;
    } catch (const InputErrato& e) {
        err << "gnamm-sim capture: " << e.what() << '\n';
        return kEsitoInputErrato;
    } catch (const json::exception& e) {
        err << "gnamm-sim capture: bad input: " << UnaRiga(e.what()) << '\n';
        return kEsitoInputErrato;
    }
}

}  // namespace gnamm::sim
