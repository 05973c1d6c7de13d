// Any bytes as GnStat.json. The reader never fails; what it gives writes out and reads back the
// same, whole; and that written file cut at any byte still gives every entry that stood whole
// before the cut, each as it was, and nothing that was not there.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "game/record_json.h"

using namespace gnamm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const LetturaStatistiche letto = StatisticheDaJson(input);
    if (letto.piuRecente) FUZZ_CHECK(letto.statistiche.empty() && !letto.danneggiato);
    for (const auto& [nome, livelli] : letto.statistiche) {
        for (const ContiLivello& c : livelli) {
            FUZZ_CHECK(c.serieInCorso >= 0 && c.serieInCorso <= c.serieGiochiVinti);
            FUZZ_CHECK(c.migliorTorneoPartitePerse >= -1 && c.migliorTorneoPartitePerse <= 2);
        }
    }

    const std::string scritto = StatisticheInJson(letto.statistiche);
    const LetturaStatistiche again = StatisticheDaJson(scritto);
    FUZZ_CHECK(!again.danneggiato && !again.piuRecente && again.doppi.empty());
    FUZZ_CHECK(again.statistiche == letto.statistiche);

    const std::size_t taglio = size % (scritto.size() + 1);
    const LetturaStatistiche tagliato =
        StatisticheDaJson(std::string_view(scritto).substr(0, taglio));
    const bool soloSpazi = scritto.find_first_not_of(" \n", taglio) == std::string::npos;
    FUZZ_CHECK(tagliato.danneggiato != soloSpazi);
    for (const auto& [nome, livelli] : letto.statistiche) {
        const std::size_t inizio = scritto.find("\n  " + nlohmann::json(nome).dump() + ": {");
        const std::size_t fine = scritto.find("\n  }", inizio) + 4;
        const auto trovato = tagliato.statistiche.find(nome);
        if (fine <= taglio) FUZZ_CHECK(trovato != tagliato.statistiche.end());
        if (trovato != tagliato.statistiche.end()) FUZZ_CHECK(trovato->second == livelli);
    }
    FUZZ_CHECK(tagliato.statistiche.size() <= letto.statistiche.size());
    return 0;
}
