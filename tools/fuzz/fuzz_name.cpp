// Any GnNome.txt: the name read obeys the name rules, and writing it gives a file that reads
// back to the same name.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/data_files.h"
#include "data/player_name.h"
#include "data/quoted_items.h"
#include "fuzz_check.h"

using namespace gnamm::data;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const Loaded<std::string> read = ParseName(input);
    FUZZ_CHECK(read.value == CleanPlayerName(read.value));
    FUZZ_CHECK(Utf8Length(read.value) <= kMaxNameLength);
    FUZZ_CHECK(read.value.find('"') == std::string::npos);

    const Loaded<std::string> again = ParseName(FormatName(read.value));
    FUZZ_CHECK(again.status == FileStatus::Ok);
    FUZZ_CHECK(again.value == read.value);

    // The same bytes typed into the name box.
    std::string box;
    AppendToName(box, input);
    FUZZ_CHECK(IsUtf8Text(box));
    FUZZ_CHECK(Utf8Length(box) <= kMaxNameLength);
    FUZZ_CHECK(box.find('"') == std::string::npos);
    while (RemoveLastNameChar(box)) FUZZ_CHECK(IsUtf8Text(box));
    return 0;
}
