// Any bytes: the item reader never fails, and what the writer makes of its items reads back
// clean, as the same items with their text made safe.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/quoted_items.h"
#include "fuzz_check.h"

using namespace gnamm::data;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const ParsedItems parsed = ParseItems(input);
    FUZZ_CHECK(parsed.items.size() == parsed.lineOf.size());
    FUZZ_CHECK(parsed.items.size() <= parsed.lineCount);

    const std::string written = WriteItems(parsed.items);
    FUZZ_CHECK(IsUtf8Text(written));
    const ParsedItems again = ParseItems(written);
    FUZZ_CHECK(again.clean);
    FUZZ_CHECK(again.items.size() == parsed.items.size());
    for (std::size_t i = 0; i < parsed.items.size(); ++i) {
        if (const auto text = ItemText(parsed.items[i])) {
            FUZZ_CHECK(ItemText(again.items[i]) == SafeItemText(*text));
        } else {
            FUZZ_CHECK(again.items[i] == parsed.items[i]);
        }
    }
    FUZZ_CHECK(WriteItems(again.items) == written);
    return 0;
}
