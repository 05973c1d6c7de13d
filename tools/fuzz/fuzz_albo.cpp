// Any GnAlbo.txt, with any counter: never more lines than the counter asks for, and the file
// written from them reads back as it stands.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/data_files.h"
#include "fuzz_check.h"

using namespace gnamm::data;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    if (size < 1) return 0;
    // The first byte is the counter (255 standing for one not known).
    const int counter = bytes[0] == 255 ? kContatoreIgnoto : bytes[0];
    const std::string_view input(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const auto read = ParseAlbo(input, counter);
    if (counter >= 0) FUZZ_CHECK(read.value.size() <= static_cast<std::size_t>(counter));

    const std::string written = FormatAlbo(read.value);
    const auto again = ParseAlbo(written, static_cast<int>(read.value.size()));
    FUZZ_CHECK(again.status == FileStatus::Ok);
    FUZZ_CHECK(again.value == read.value);
    FUZZ_CHECK(ParseAlbo(written, kContatoreIgnoto).value == read.value);
    return 0;
}
