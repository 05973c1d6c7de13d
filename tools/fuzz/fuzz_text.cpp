// Any bytes, as a Dati file and as typing in the name box. The item reader never fails, and what
// the writer makes of its items reads back clean, as the same items with their text made safe.
// The name read from them obeys the name rules, and writing it gives a file that reads back to
// the same name; typed into the box they leave a valid name however much is taken away.
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
    const ParsedItems parsed = ParseItems(input);
    FUZZ_CHECK(parsed.items.size() == parsed.lineOf.size() &&
               parsed.items.size() <= parsed.lineCount);

    const std::string written = WriteItems(parsed.items);
    FUZZ_CHECK(IsUtf8Text(written));
    const ParsedItems again = ParseItems(written);
    FUZZ_CHECK(again.clean && again.items.size() == parsed.items.size());
    for (std::size_t i = 0; i < parsed.items.size(); ++i) {
        if (const auto text = ItemText(parsed.items[i])) {
            FUZZ_CHECK(ItemText(again.items[i]) == SafeItemText(*text));
        } else {
            FUZZ_CHECK(again.items[i] == parsed.items[i]);
        }
    }
    FUZZ_CHECK(WriteItems(again.items) == written);

    const Loaded<std::string> name = ParseName(input);
    FUZZ_CHECK(name.value == CleanPlayerName(name.value) &&
               Utf8Length(name.value) <= kMaxNameLength &&
               name.value.find('"') == std::string::npos);
    const Loaded<std::string> nameAgain = ParseName(FormatName(name.value));
    FUZZ_CHECK(nameAgain.status == FileStatus::Ok && nameAgain.value == name.value);

    std::string box;
    AppendToName(box, input);
    FUZZ_CHECK(IsUtf8Text(box) && Utf8Length(box) <= kMaxNameLength &&
               box.find('"') == std::string::npos);
    while (RemoveLastNameChar(box)) FUZZ_CHECK(IsUtf8Text(box));
    return 0;
}
