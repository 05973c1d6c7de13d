// Any GnClass.txt: the ranking read is sorted and sound, and the file written from it reads
// back as it stands.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/data_files.h"
#include "fuzz_check.h"

using namespace gnamm::data;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const Loaded<Ranking> read = ParseRanking(input);
    const Ranking& r = read.value;
    for (std::size_t i = 0; i < r.righe.size(); ++i) {
        FUZZ_CHECK(r.righe[i].torneiVinti >= 0);
        FUZZ_CHECK(!r.righe[i].nome.empty() || r.righe[i].torneiVinti == 0);
        if (i > 0) FUZZ_CHECK(r.righe[i - 1].torneiVinti >= r.righe[i].torneiVinti);
    }
    FUZZ_CHECK(r.totalePartite >= 0 || r.totalePartite == kContatoreIgnoto);

    const std::string written = FormatRanking(r);
    const Loaded<Ranking> again = ParseRanking(written);
    FUZZ_CHECK(again.status == FileStatus::Ok);
    FUZZ_CHECK(FormatRanking(again.value) == written);
    return 0;
}
