// Any GnAlbo.txt: every line read is a Torneo line that can be written, and the file written
// from them reads back as it stands.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/data_files.h"
#include "data/quoted_items.h"
#include "fuzz_check.h"

using namespace gnamm::data;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const auto read = ParseAlbo(input);
    for (const auto& line : read.value) FUZZ_CHECK(!line.empty() && SafeItemText(line) == line);

    const std::string written = FormatAlbo(read.value);
    const auto again = ParseAlbo(written);
    FUZZ_CHECK(again.status == FileStatus::Ok);
    FUZZ_CHECK(again.value == read.value);
    return 0;
}
