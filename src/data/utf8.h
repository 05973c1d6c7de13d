// Just enough UTF-8 for the data files and the name box: strict decoding (no overlong forms,
// no surrogates, no NUL) and encoding, and the single-byte Windows code page older programs
// wrote their files in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gnamm::data {

struct DecodedChar {
    char32_t cp = 0;
    std::size_t length = 0;  // bytes taken
};

// The character starting at byte i, or nothing when the bytes there are not valid UTF-8.
std::optional<DecodedChar> DecodeUtf8At(std::string_view s, std::size_t i);

void AppendUtf8(std::string& out, char32_t cp);

// Bytes in the Windows-1252 code page as UTF-8; nothing when they hold a control character
// other than a tab (then they are not text in any code page).
std::optional<std::string> Windows1252ToUtf8(std::string_view bytes);

}  // namespace gnamm::data
