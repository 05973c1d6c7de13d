// gnamm-sim: plays Giochi headless, and answers the computer's move list or the capture rule
// for one position. See `gnamm-sim --help`.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "resume_check.h"
#include "sim_json.h"
#include "sim_play.h"
#include "sim_strength.h"

namespace {

using namespace gnamm;
using namespace gnamm::sim;

constexpr const char* kAiuto = R"(usage:
  gnamm-sim play [--level honest|cunning|cheat] [--human random|greedy|hint]
                 [--giochi N | --tornei N] [--seed S] [--check] [--json]
      Plays against Nonno Zeb on a virtual clock through the window's own entry points (card
      clicks, Enter, timer ticks) and prints a summary. Defaults: honest, random, 100 Giochi,
      seed 1. The same seed plays the same games (it pins the generator and the time of day).
      --check verifies after every move that all 40 cards are accounted for, and at the end
      of every Gioco that each deck point and the 5 di Cuori went to exactly one side and
      that each total equals deck points plus Punti Gnamm; breaches are counted in
      "violations" and make the exit code 1.
      Human policies:
        random  a random card, then a random legal capture when the rule asks for a choice.
        greedy  scores every card and capture and plays the best: 0.3 a captured card, +1 a 7,
                +0.4 a Quadri, +0.3 a figure, +0.6 a tie six, +2.5 the 5 di Cuori, +3 a
                Punto Gnamm, -0.8 when the capture leaves 10 or less on the table; a lay
                scores -0.3, -1 more for a 7, -2 for the 5 di Cuori, -1.5 for an ace, -0.8 when
                it leaves 10 or less on the table.
        hint    the move Zeb would advise: his 'Honest' scoring in the human's seat, seeing
                only the human's hand, the table and the cards already played.
  gnamm-sim strength [--tornei N] [--seed S] [--json]
      Each of Zeb's levels against each human policy (random, greedy, hint) over N Tornei
      (default 100) with seed S (default 1): Tornei won by Zeb, Giochi each side ended
      ahead, points and Punti Gnamm per Gioco, each with its 95% confidence interval.
  gnamm-sim resume-check [--giochi N] [--seed S] [--level honest|cunning|cheat]
      Plays N Giochi (default 200) at each level (all three without --level) twice with the
      same seed: straight through, and saved to its GnTorneo file at every quiet moment (the
      human's card or pick, the pause after a Gioco) and resumed in a fresh game. Prints
      the save's size and time; exit code 0 when both runs agree in every state, sound and
      remark, 1 with the first difference on stderr.
  gnamm-sim moves < position.json
      The computer's move list, scores and choice for one position.
  gnamm-sim capture < play.json
      What a human card does to a table: {"table": {"7": "5p", ...}, "card": "7c"}.
  gnamm-sim COMMAND --help
      This text.
Bad input gets one line on stderr and exit code 2.
)";

bool ChiedeAiuto(std::string_view a) {
    return a == "--help" || a == "-h";
}

int Errore(const std::string& msg) {
    std::cerr << "gnamm-sim: " << msg << '\n';
    return kEsitoInputErrato;
}

bool Numero(const char* s, long long min, long long max, long long& out) {
    char* fine = nullptr;
    errno = 0;
    const long long v = std::strtoll(s, &fine, 10);
    if (errno != 0 || fine == s || *fine != '\0' || v < min || v > max) return false;
    out = v;
    return true;
}

bool Livello_(std::string_view l, Livello& out) {
    if (l == "honest") {
        out = Livello::Honest;
    } else if (l == "cunning") {
        out = Livello::Cunning;
    } else if (l == "cheat") {
        out = Livello::Cheat;
    } else {
        return false;
    }
    return true;
}

int ResumeCheck(int argc, char** argv) {
    std::vector<Livello> livelli = {Livello::Honest, Livello::Cunning, Livello::Cheat};
    int giochi = 200;
    uint32_t seed = 1;
    for (int i = 2; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (i + 1 >= argc) return Errore(std::string(a) + " needs a value (see --help)");
        long long n = 0;
        if (a == "--level") {
            Livello l = Livello::None;
            if (!Livello_(argv[++i], l)) return Errore("--level takes honest, cunning or cheat");
            livelli = {l};
        } else if (a == "--giochi") {
            if (!Numero(argv[++i], 1, 1000000, n)) return Errore("--giochi takes a count");
            giochi = static_cast<int>(n);
        } else if (a == "--seed") {
            if (!Numero(argv[++i], 0, 4294967295LL, n)) return Errore("--seed takes 0..4294967295");
            seed = static_cast<uint32_t>(n);
        } else {
            return Errore("unknown option " + Citazione(a) + " (see --help)");
        }
    }
    int esito = 0;
    for (const Livello l : livelli) {
        const EsitoRipresa e = ControllaRipresa(l, giochi, seed);
        std::printf("%s: %d Giochi, %ld saves and resumes; save %zu bytes mean, %zu max; "
                    "%.0f us mean, %.0f us max\n",
                    std::string(LivelloText(l)).c_str(), e.giochi, e.salvataggi, e.byteMedi,
                    e.byteMassimi, e.microsecondiMedi, e.microsecondiMassimi);
        std::fflush(stdout);
        if (!e.primaDifferenza.empty()) {
            std::cerr << "gnamm-sim: " << LivelloText(l) << ": " << e.primaDifferenza << '\n';
            esito = 1;
        }
    }
    return esito;
}

int Play(int argc, char** argv) {
    OpzioniSim o;
    bool json = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view a = argv[i];
        const bool prendeValore =
            a == "--level" || a == "--human" || a == "--giochi" || a == "--tornei" || a == "--seed";
        if (prendeValore && i + 1 >= argc) return Errore(std::string(a) + " needs a value");
        long long n = 0;
        if (a == "--check") {
            o.check = true;
        } else if (a == "--json") {
            json = true;
        } else if (a == "--level") {
            if (!Livello_(argv[++i], o.livello)) {
                return Errore("--level takes honest, cunning or cheat");
            }
        } else if (a == "--human") {
            const std::string_view h = argv[++i];
            if (h == "random") {
                o.umano = Politica::Random;
            } else if (h == "greedy") {
                o.umano = Politica::Greedy;
            } else if (h == "hint") {
                o.umano = Politica::Hint;
            } else {
                return Errore("--human takes random, greedy or hint");
            }
        } else if (a == "--giochi") {
            if (!Numero(argv[++i], 1, 100000000, n)) return Errore("--giochi takes a count");
            o.giochi = static_cast<int>(n);
        } else if (a == "--tornei") {
            if (!Numero(argv[++i], 1, 10000000, n)) return Errore("--tornei takes a count");
            o.tornei = static_cast<int>(n);
        } else if (a == "--seed") {
            if (!Numero(argv[++i], 0, 4294967295LL, n)) return Errore("--seed takes 0..4294967295");
            o.seed = static_cast<uint32_t>(n);
        } else {
            return Errore("unknown option " + Citazione(a) + " (see --help)");
        }
    }
    if (o.giochi > 0 && o.tornei > 0) return Errore("--giochi and --tornei exclude each other");
    if (o.giochi == 0 && o.tornei == 0) o.giochi = 100;

    const CartellaTemporanea cartella;
    if (cartella.path().empty()) {
        std::cerr << "gnamm-sim: cannot make a temporary data folder\n";
        return 1;
    }
    o.dati = cartella.path();
    const Riepilogo r = Gioca(o);

    const double giochi = r.giochi > 0 ? r.giochi : 1;
    const double alSecondo = r.secondi > 0 ? r.giochi / r.secondi : 0;
    if (json) {
        const nlohmann::ordered_json j = {
            {"giochi", r.giochi},
            {"tornei", r.tornei},
            {"tornei_zeb", r.torneiZeb},
            {"tornei_human", r.torneiUmano},
            {"partite_zeb", r.partiteZeb},
            {"partite_human", r.partiteUmano},
            {"punti_per_gioco_zeb", r.puntiZeb / giochi},
            {"punti_per_gioco_human", r.puntiUmano / giochi},
            {"gnamm_per_gioco_zeb", r.gnammZeb / giochi},
            {"gnamm_per_gioco_human", r.gnammUmano / giochi},
            {"seconds", r.secondi},
            {"giochi_per_second", alSecondo},
            {"violations", r.violazioni},
        };
        std::cout << j.dump() << '\n';
    } else {
        std::printf("Giochi played: %d   Tornei played: %d\n", r.giochi, r.tornei);
        std::printf("Partite won:   Zeb %d   human %d\n", r.partiteZeb, r.partiteUmano);
        std::printf("Tornei won:    Zeb %d   human %d\n", r.torneiZeb, r.torneiUmano);
        std::printf("Points per Gioco:      Zeb %.3f   human %.3f\n", r.puntiZeb / giochi,
                    r.puntiUmano / giochi);
        std::printf("Punti Gnamm per Gioco: Zeb %.3f   human %.3f\n", r.gnammZeb / giochi,
                    r.gnammUmano / giochi);
        std::printf("Elapsed: %.3f s   %.0f Giochi per second\n", r.secondi, alSecondo);
        if (o.check) std::printf("Violations: %d\n", r.violazioni);
    }
    for (const auto& v : r.primeViolazioni) std::cerr << "violation: " << v << '\n';
    return r.violazioni > 0 ? 1 : 0;
}

int Strength(int argc, char** argv) {
    long long tornei = 100, seed = 1;
    bool json = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view a = argv[i];
        if ((a == "--tornei" || a == "--seed") && i + 1 >= argc) {
            return Errore(std::string(a) + " needs a value");
        }
        if (a == "--json") {
            json = true;
        } else if (a == "--tornei") {
            if (!Numero(argv[++i], 1, 1000000, tornei)) return Errore("--tornei takes a count");
        } else if (a == "--seed") {
            if (!Numero(argv[++i], 0, 4294967295LL, seed)) return Errore("--seed takes 0..4294967295");
        } else {
            return Errore("unknown option " + Citazione(a) + " (see --help)");
        }
    }
    const CartellaTemporanea cartella;
    if (cartella.path().empty()) {
        std::cerr << "gnamm-sim: cannot make a temporary data folder\n";
        return 1;
    }
    const auto righe =
        MisuraForza(static_cast<int>(tornei), static_cast<uint32_t>(seed), cartella.path());
    std::cout << (json ? JsonForza(righe) + "\n" : TabellaForza(righe));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << kAiuto;
        return kEsitoInputErrato;
    }
    const std::string_view cmd = argv[1];
    const bool comando = cmd == "play" || cmd == "strength" || cmd == "resume-check" ||
                         cmd == "moves" || cmd == "capture";
    bool aiuto = ChiedeAiuto(cmd) || cmd == "help";
    for (int i = 2; comando && i < argc; ++i) aiuto = aiuto || ChiedeAiuto(argv[i]);
    if (aiuto) {
        std::cout << kAiuto;
        return 0;
    }
    if (!comando) return Errore("unknown command " + Citazione(cmd) + " (see --help)");
    if (cmd == "play") return Play(argc, argv);
    if (cmd == "strength") return Strength(argc, argv);
    if (cmd == "resume-check") return ResumeCheck(argc, argv);
    if (argc > 2) return Errore(std::string(cmd) + " takes no options, only --help");
    if (cmd == "moves") return ComandoMosse(std::cin, std::cout, std::cerr);
    return ComandoPresa(std::cin, std::cout, std::cerr);
}
