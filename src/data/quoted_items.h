// The quoted-item text format shared by the four Dati files.
//
// One item a line, each line ended by CR LF: text in double quotes, bare integers, and the
// truth values #TRUE# and #FALSE#. The reader is lenient where files met elsewhere differ:
// LF, CR and mixed line ends all end a line, blank lines are skipped, and a line that is not
// UTF-8 is read as Windows-1252 (older programs wrote that code page). The format has no
// escape for a double quote, so the writer drops double quotes and line breaks from text
// rather than write a line that could not be read back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gnamm::data {

// One item: quoted text, a bare integer or a truth value.
using Item = std::variant<std::string, int64_t, bool>;

struct ParsedItems {
    std::vector<Item> items;
    // False when some line was not a well-formed item (it is left out of `items`). A last
    // line without its line end counts only when it proves itself whole (quoted text or a
    // truth value): a bare number cut short would read as another number.
    bool clean = true;
    // True when some line was not UTF-8 and was read as Windows-1252.
    bool legacyCharset = false;
    // Index, within the file's non-blank lines, of each entry of `items`, so a reader can
    // tell a dropped line from a short file.
    std::vector<std::size_t> lineOf;
    std::size_t lineCount = 0;
};

// Reads every line of a file's contents. Lines that are not items are reported, not fatal.
ParsedItems ParseItems(std::string_view contents);

// Reads one line (without its line end) as an item; nothing when it is not one.
std::optional<Item> ParseItem(std::string_view line);

// Writes the items, each followed by CR LF.
std::string WriteItems(const std::vector<Item>& items);
std::string WriteItem(const Item& item);
// The same, added at the end of `out`: a long file is written without a string per line.
void AppendItem(std::string& out, const Item& item);
void AppendQuotedItem(std::string& out, std::string_view text);

// The text of an item as a writer may store it: no double quote, CR, LF or other control
// character survives.
std::string SafeItemText(std::string_view text);

// Convenience readers over one item: the text of a quoted item, or the number held by a bare
// integer or by a quoted decimal text ("3"), as the ranking files store their counts.
std::optional<std::string> ItemText(const Item& item);
std::optional<int64_t> ItemNumber(const Item& item);
std::optional<bool> ItemBool(const Item& item);

// True when the bytes are valid UTF-8 without NUL.
bool IsUtf8Text(std::string_view bytes);

}  // namespace gnamm::data
