// gnamm-moves-corpus: the answer of `gnamm-sim moves` on many seeded random positions, one
// line each. A change to the computer's search or scoring must leave it byte for byte the
// same: build this at the old and the new commit, run both, and diff the outputs.
//
//   gnamm-moves-corpus [COUNT] [SEED] [--positions]
//
// Defaults: 100000 positions, seed 1. --positions prints the positions instead, one JSON
// object a line, to feed one of them to `gnamm-sim moves` by hand.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "sim_json.h"

namespace {

constexpr const char* kValori = "A234567JQK";
constexpr const char* kSemi = "cqfp";
constexpr std::array<const char*, 3> kLivelli = {"honest", "cunning", "cheat"};
constexpr std::array<const char*, 4> kConti = {"sette", "quadri", "figure", "carte"};
constexpr std::array<const char*, 3> kChi = {"none", "PC", "H"};

std::string Codice(int carta) {  // 0..39
    return {kValori[carta % 10], kSemi[carta / 10]};
}

}  // namespace

int main(int argc, char** argv) {
    const bool soloPosizioni = argc > 1 && std::strcmp(argv[argc - 1], "--positions") == 0;
    if (soloPosizioni) --argc;
    const long quante = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    const unsigned long seme = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    std::mt19937 rng(static_cast<std::mt19937::result_type>(seme));
    const auto tra = [&rng](int lo, int hi) {  // uniform in [lo, hi], the same on every library
        return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1));
    };

    for (long n = 0; n < quante; ++n) {
        std::array<int, 40> mazzo{};
        for (int i = 0; i < 40; ++i) mazzo[i] = i;
        for (int i = 39; i > 0; --i) std::swap(mazzo[i], mazzo[tra(0, i)]);
        int preso = 0;

        // Crowded tables most of the time: that is where the search works hardest.
        const int sulTavolo = tra(0, 3) == 0 ? tra(0, 11) : tra(6, 11);
        std::array<int, 11> posti{};
        for (int i = 0; i < 11; ++i) posti[i] = 7 + i;
        for (int i = 10; i > 0; --i) std::swap(posti[i], posti[tra(0, i)]);

        std::string s = "{\"level\":\"" + std::string(kLivelli[tra(0, 2)]) + "\"";
        s += std::string(",\"onesta\":") + (tra(0, 1) ? "true" : "false");
        const auto posa = [&](const char* chiave, int primo, int quanti, const int* luoghi) {
            s += std::string(",\"") + chiave + "\":{";
            for (int i = 0; i < quanti; ++i) {
                const int posto = luoghi ? luoghi[i] : primo + i;
                s += (i ? ",\"" : "\"") + std::to_string(posto) + "\":\"" +
                     Codice(mazzo[preso++]) + "\"";
            }
            s += "}";
        };
        posa("table", 0, sulTavolo, posti.data());
        posa("pc_hand", 1, tra(1, 3), nullptr);
        posa("h_hand", 4, tra(0, 3), nullptr);

        s += ",\"valori_rimasti\":[";
        for (int v = 0; v < 10; ++v) s += (v ? "," : "") + std::to_string(tra(0, 4));
        s += "],\"carte_rimaste_nel_mazzo\":" + std::to_string(tra(0, 30));
        s += ",\"carte_in_mano_h\":" + std::to_string(tra(0, 3));
        s += ",\"counts_pc\":{";
        for (int k = 0; k < 4; ++k) {
            s += std::string(k ? ",\"" : "\"") + kConti[k] + "\":" + std::to_string(tra(0, 14));
        }
        s += "},\"tie_pc\":{";
        for (int k = 0; k < 4; ++k) {
            s += std::string(k ? ",\"" : "\"") + kConti[k] + "\":" + (tra(0, 3) ? "false" : "true");
        }
        s += "},\"points\":{";
        for (int k = 0; k < 4; ++k) {
            s += std::string(k ? ",\"" : "\"") + kConti[k] + "\":\"" + kChi[tra(0, 4) % 3] + "\"";
        }
        s += "}}";
        if (soloPosizioni) {
            std::cout << s << '\n';
            continue;
        }
        std::istringstream in(s);
        if (gnamm::sim::ComandoMosse(in, std::cout, std::cerr) != 0) return 1;
    }
    return 0;
}
