#include "sim_strength.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include <nlohmann/json.hpp>

namespace gnamm::sim {

namespace {

constexpr double kZ95 = 1.959964;

// A share of `n` trials, with the normal approximation's interval.
Stima Quota(int successi, int n) {
    if (n <= 0) return {};
    const double p = static_cast<double>(successi) / n;
    return {p, kZ95 * std::sqrt(p * (1 - p) / n)};
}

// A mean from the sum and the sum of squares of `n` values.
Stima Media(long somma, long quadrati, int n) {
    if (n <= 0) return {};
    const double m = static_cast<double>(somma) / n;
    const double varianza =
        n > 1 ? (static_cast<double>(quadrati) - n * m * m) / (n - 1) : 0.0;
    return {m, kZ95 * std::sqrt(std::max(0.0, varianza) / n)};
}

}  // namespace

std::string NomeLivello(Livello l) {
    switch (l) {
        case Livello::Honest: return "honest";
        case Livello::Cunning: return "cunning";
        case Livello::Cheat: return "cheat";
        case Livello::None: break;
    }
    return "";
}

std::string NomePolitica(Politica p) {
    switch (p) {
        case Politica::Random: return "random";
        case Politica::Greedy: return "greedy";
        case Politica::Hint: return "hint";
    }
    return "";
}

std::vector<RigaForza> MisuraForza(int tornei, uint32_t seed, const std::filesystem::path& dati) {
    std::vector<RigaForza> righe;
    for (const Livello l : {Livello::Honest, Livello::Cunning, Livello::Cheat}) {
        for (const Politica p : {Politica::Random, Politica::Greedy, Politica::Hint}) {
            OpzioniSim o;
            o.livello = l;
            o.umano = p;
            o.tornei = tornei;
            o.seed = seed;
            o.dati = dati;
            const Riepilogo r = Gioca(o);
            RigaForza f;
            f.livello = l;
            f.umano = p;
            f.tornei = r.tornei;
            f.giochi = r.giochi;
            f.torneiZeb = Quota(r.torneiZeb, r.tornei);
            f.giochiZeb = Quota(r.giochiZeb, r.giochi);
            f.giochiUmano = Quota(r.giochiUmano, r.giochi);
            f.puntiZeb = Media(r.puntiZeb, r.puntiZeb2, r.giochi);
            f.puntiUmano = Media(r.puntiUmano, r.puntiUmano2, r.giochi);
            f.gnammZeb = Media(r.gnammZeb, r.gnammZeb2, r.giochi);
            f.gnammUmano = Media(r.gnammUmano, r.gnammUmano2, r.giochi);
            righe.push_back(f);
        }
    }
    return righe;
}

std::string TabellaForza(const std::vector<RigaForza>& righe) {
    char buf[320];
    std::snprintf(buf, sizeof buf, "%-32s| %-19s| %-31s| %-29s| %s\n",
                  "level    human   Tornei  Giochi", "Tornei won, Zeb", "Giochi ahead, Zeb / human",
                  "Points/Gioco, Zeb / human", "Punti Gnamm/Gioco, Zeb / human");
    std::string out = buf;
    const auto pc = [](Stima s) { return std::array<double, 2>{100 * s.valore, 100 * s.margine}; };
    for (const RigaForza& f : righe) {
        const auto t = pc(f.torneiZeb), gz = pc(f.giochiZeb), gu = pc(f.giochiUmano);
        std::snprintf(buf, sizeof buf,
                      "%-8s %-7s %6d %7d | %5.1f%% +- %4.1f     | %5.1f%% +- %4.1f  %5.1f%% +- %4.1f | "
                      "%5.2f +- %4.2f  %5.2f +- %4.2f | %5.2f +- %4.2f  %5.2f +- %4.2f\n",
                      NomeLivello(f.livello).c_str(), NomePolitica(f.umano).c_str(), f.tornei,
                      f.giochi, t[0], t[1], gz[0], gz[1], gu[0], gu[1], f.puntiZeb.valore,
                      f.puntiZeb.margine, f.puntiUmano.valore, f.puntiUmano.margine,
                      f.gnammZeb.valore, f.gnammZeb.margine, f.gnammUmano.valore,
                      f.gnammUmano.margine);
        out += buf;
    }
    out += "(+- : half-width of the 95% confidence interval)\n";
    return out;
}

std::string JsonForza(const std::vector<RigaForza>& righe) {
    using json = nlohmann::ordered_json;
    const auto stima = [](Stima s) { return json{{"value", s.valore}, {"ci95", s.margine}}; };
    json a = json::array();
    for (const RigaForza& f : righe) {
        a.push_back({{"level", NomeLivello(f.livello)},
                     {"human", NomePolitica(f.umano)},
                     {"tornei", f.tornei},
                     {"giochi", f.giochi},
                     {"tornei_won_zeb", stima(f.torneiZeb)},
                     {"giochi_ahead_zeb", stima(f.giochiZeb)},
                     {"giochi_ahead_human", stima(f.giochiUmano)},
                     {"punti_per_gioco_zeb", stima(f.puntiZeb)},
                     {"punti_per_gioco_human", stima(f.puntiUmano)},
                     {"gnamm_per_gioco_zeb", stima(f.gnammZeb)},
                     {"gnamm_per_gioco_human", stima(f.gnammUmano)}});
    }
    return a.dump();
}

}  // namespace gnamm::sim
