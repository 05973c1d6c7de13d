// Any GnImpo.txt: reading gives usable settings, and the file written from them reads back
// as it stands.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/data_files.h"
#include "fuzz_check.h"

using namespace gnamm::data;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const Loaded<Settings> read = ParseSettings(input);
    FUZZ_CHECK(read.status != FileStatus::Missing);
    for (const auto& box : read.value.riquadri) {
        FUZZ_CHECK(box.borderStyle == 0 || box.borderStyle == 1);
    }
    FUZZ_CHECK(read.value.intervalli.silenzio >= kMinStoredInterval);
    FUZZ_CHECK(read.value.intervalli.silenzio <= kMaxStoredInterval);

    const std::string written = FormatSettings(read.value);
    const Loaded<Settings> again = ParseSettings(written);
    FUZZ_CHECK(again.status == FileStatus::Ok);
    FUZZ_CHECK(FormatSettings(again.value) == written);
    return 0;
}
