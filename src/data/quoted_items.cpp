#include "data/quoted_items.h"

#include <algorithm>
#include <charconv>

#include "data/utf8.h"

namespace gnamm::data {

namespace {

constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";
// More digits than this cannot be one of our counts, and would overflow.
constexpr std::size_t kMaxDigits = 18;

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<int64_t> ParseDecimal(std::string_view s) {
    const std::string_view digits = (!s.empty() && s.front() == '-') ? s.substr(1) : s;
    if (digits.empty() || digits.size() > kMaxDigits) return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
    return value;
}

}  // namespace

bool IsUtf8Text(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = DecodeUtf8At(bytes, i);
        if (!c) return false;
        i += c->length;
    }
    return true;
}

std::optional<Item> ParseItem(std::string_view line) {
    const std::string_view s = TrimBlanks(line);
    if (!IsUtf8Text(s)) return std::nullopt;
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') {
        return Item{std::string(s.substr(1, s.size() - 2))};
    }
    if (s == kTrue) return Item{true};
    if (s == kFalse) return Item{false};
    if (const auto n = ParseDecimal(s)) return Item{*n};
    return std::nullopt;
}

ParsedItems ParseItems(std::string_view contents) {
    ParsedItems out;
    // A byte-order mark left by an editor is not part of the first item.
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (contents.substr(0, kBom.size()) == kBom) contents.remove_prefix(kBom.size());
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t end = contents.find_first_of("\r\n", start);
        const bool ended = end != std::string_view::npos;
        const std::string_view raw = contents.substr(start, (ended ? end : contents.size()) - start);
        start = !ended ? contents.size()
                       : end + (contents.substr(end, 2) == "\r\n" ? 2 : 1);
        if (TrimBlanks(raw).empty()) continue;

        std::optional<Item> item;
        if (IsUtf8Text(raw)) {
            item = ParseItem(raw);
        } else if (const auto decoded = Windows1252ToUtf8(raw)) {
            item = ParseItem(*decoded);
            out.legacyCharset = true;
        }
        const bool provedWhole = item && !std::holds_alternative<int64_t>(*item);
        if (item && (ended || provedWhole)) {
            out.items.push_back(std::move(*item));
            out.lineOf.push_back(out.lineCount);
        } else {
            out.clean = false;
        }
        ++out.lineCount;
    }
    return out;
}

namespace {

void AppendSafeItemText(std::string& out, std::string_view text) {
    // Most text is plain printable ASCII: copied in one go.
    const bool plain = std::all_of(text.begin(), text.end(), [](char ch) {
        const auto b = static_cast<unsigned char>(ch);
        return b >= 0x20 && b < 0x7F && b != '"';
    });
    if (plain) {
        out.append(text);
        return;
    }
    for (std::size_t i = 0; i < text.size();) {
        const auto c = DecodeUtf8At(text, i);
        if (!c) {
            ++i;  // a stray byte: not text, dropped
            continue;
        }
        const bool control = c->cp < 0x20 || (c->cp >= 0x7F && c->cp <= 0x9F);
        if (!control && c->cp != U'"') out.append(text.substr(i, c->length));
        i += c->length;
    }
}

}  // namespace

std::string SafeItemText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendSafeItemText(out, text);
    return out;
}

void AppendQuotedItem(std::string& out, std::string_view text) {
    out += '"';
    AppendSafeItemText(out, text);
    out += "\"\r\n";
}

void AppendItem(std::string& out, const Item& item) {
    if (const auto* text = std::get_if<std::string>(&item)) {
        AppendQuotedItem(out, *text);
    } else if (const auto* number = std::get_if<int64_t>(&item)) {
        out += std::to_string(*number);
        out += "\r\n";
    } else {
        out += std::get<bool>(item) ? kTrue : kFalse;
        out += "\r\n";
    }
}

std::string WriteItem(const Item& item) {
    std::string out;
    AppendItem(out, item);
    return out;
}

std::string WriteItems(const std::vector<Item>& items) {
    std::string out;
    for (const auto& item : items) AppendItem(out, item);
    return out;
}

std::optional<std::string> ItemText(const Item& item) {
    if (const auto* text = std::get_if<std::string>(&item)) return *text;
    return std::nullopt;
}

std::optional<int64_t> ItemNumber(const Item& item) {
    if (const auto* number = std::get_if<int64_t>(&item)) return *number;
    if (const auto* text = std::get_if<std::string>(&item)) return ParseDecimal(TrimBlanks(*text));
    return std::nullopt;
}

std::optional<bool> ItemBool(const Item& item) {
    if (const auto* b = std::get_if<bool>(&item)) return *b;
    return std::nullopt;
}

}  // namespace gnamm::data
