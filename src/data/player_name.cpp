#include "data/player_name.h"

#include "data/utf8.h"

namespace gnamm::data {

namespace {

// Blanks that make a name look empty or padded.
bool IsBlank(char32_t c) {
    return c == U' ' || c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) || c == 0x202F ||
           c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// Marks, joiners and fillers that take no room on the line (most of Unicode's format
// characters, the variation selectors, the Hangul fillers, the Braille blank).
bool IsInvisible(char32_t c) {
    return IsBlank(c) || c == 0x00AD || c == 0x034F || c == 0x061C || c == 0x115F || c == 0x1160 ||
           c == 0x17B4 || c == 0x17B5 || (c >= 0x180B && c <= 0x180F) ||
           (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x206F) || c == 0x2800 || c == 0x3164 ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFFA0 || (c >= 0xFFF9 && c <= 0xFFFB) ||
           (c >= 0x1BCA0 && c <= 0x1BCA3) || (c >= 0x1D173 && c <= 0x1D17A) ||
           (c >= 0xE0000 && c <= 0xE0FFF);
}

// The marks, embeddings, overrides and isolates of the writing direction.
bool IsDirectionControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

bool IsNameCharAllowed(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;  // C0, DEL and C1 controls
    if (c == U'"') return false;                             // would end the quoted item
    if (c == 0x2028 || c == 0x2029) return false;            // line and paragraph separators
    if (c >= 0xD800 && c <= 0xDFFF) return false;
    return c <= 0x10FFFF;
}

std::size_t Utf8Length(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = DecodeUtf8At(utf8, i);
        i += c ? c->length : 1;
        ++n;
    }
    return n;
}

bool AppendToName(std::string& name, std::string_view typedUtf8) {
    bool added = false;
    std::size_t length = Utf8Length(name);
    for (std::size_t i = 0; i < typedUtf8.size() && length < kMaxNameLength;) {
        const auto c = DecodeUtf8At(typedUtf8, i);
        if (!c) {
            ++i;
            continue;
        }
        if (IsNameCharAllowed(c->cp)) {
            AppendUtf8(name, c->cp);
            ++length;
            added = true;
        }
        i += c->length;
    }
    return added;
}

bool RemoveLastNameChar(std::string& name) {
    if (name.empty()) return false;
    std::size_t cut = name.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.erase(cut);
    return true;
}

std::string CleanPlayerName(std::string_view raw) {
    std::u32string chars;
    for (std::size_t i = 0; i < raw.size();) {
        const auto c = DecodeUtf8At(raw, i);
        if (!c) {
            ++i;
            continue;
        }
        if (IsNameCharAllowed(c->cp) && !(chars.empty() && IsBlank(c->cp))) chars.push_back(c->cp);
        i += c->length;
    }
    if (chars.size() > kMaxNameLength) chars.resize(kMaxNameLength);
    while (!chars.empty() && IsBlank(chars.back())) chars.pop_back();
    std::string out;
    for (const char32_t c : chars) AppendUtf8(out, c);
    return out;
}

bool IsEmptyName(std::string_view name) {
    return CleanPlayerName(name).empty();
}

bool IsAcceptableName(std::string_view name) {
    const std::string clean = CleanPlayerName(name);
    bool visible = false;
    for (std::size_t i = 0; i < clean.size();) {
        const auto c = DecodeUtf8At(clean, i);
        if (!c || IsDirectionControl(c->cp)) return false;
        visible = visible || !IsInvisible(c->cp);
        i += c->length;
    }
    return visible;
}

}  // namespace gnamm::data
