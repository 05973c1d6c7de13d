// What a player name may hold.
//
// The name is stored as a quoted item with no escape for a double quote, and shown on one
// line of the scoreboard and the ranking, so the name box takes no double quotes and no
// control characters, and at most kMaxNameLength characters (counted as UTF-8 code points).
// A name of blanks only counts as empty; one of invisible characters only, or with a control
// of the writing direction, is refused.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gnamm::data {

inline constexpr std::size_t kMaxNameLength = 24;

// True when the character (a Unicode code point) may be typed into the name box.
bool IsNameCharAllowed(char32_t c);

// Number of code points in valid UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// Appends typed text to the name in the box, character by character, dropping the refused
// ones and stopping at the length limit. Returns true when anything was added.
bool AppendToName(std::string& name, std::string_view typedUtf8);

// Removes the last character (a whole UTF-8 sequence) of the name; false when it was empty.
bool RemoveLastNameChar(std::string& name);

// The name as it may be stored: refused characters dropped, invalid UTF-8 dropped, cut to
// the length limit, blanks trimmed at both ends (so a name of blanks becomes "").
std::string CleanPlayerName(std::string_view raw);

// True when the name, cleaned, is empty.
bool IsEmptyName(std::string_view name);

// True when Enter on the splash may take the name: once cleaned it shows at least one character
// that is not a blank or an invisible format character (zero-width spaces and joiners, fillers,
// variation selectors), and it holds no control of the writing direction, which would turn the
// scoreboard and the ranking around it.
bool IsAcceptableName(std::string_view name);

}  // namespace gnamm::data
