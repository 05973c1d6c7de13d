// Greedy word wrapping.
#include "platform/text_wrap.h"

namespace gnamm::platform {

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Cuts a word that alone is wider than the line into pieces that fit (at least one character
// each, so the loop always moves on).
void CutWord(std::string_view word, int maxWidth,
             const std::function<int(std::string_view)>& widthOf, std::vector<std::string>& out) {
    while (!word.empty()) {
        std::size_t end = 1;
        while (end < word.size() && IsContinuation(static_cast<unsigned char>(word[end]))) ++end;
        std::size_t best = end;
        while (end < word.size()) {
            std::size_t next = end + 1;
            while (next < word.size() && IsContinuation(static_cast<unsigned char>(word[next])))
                ++next;
            if (widthOf(word.substr(0, next)) > maxWidth) break;
            best = end = next;
        }
        out.emplace_back(word.substr(0, best));
        word.remove_prefix(best);
    }
}

void WrapParagraph(std::string_view para, int maxWidth,
                   const std::function<int(std::string_view)>& widthOf,
                   std::vector<std::string>& out) {
    std::string line;
    std::size_t i = 0;
    bool any = false;
    while (i < para.size()) {
        while (i < para.size() && para[i] == ' ') ++i;
        std::size_t j = i;
        while (j < para.size() && para[j] != ' ') ++j;
        if (j == i) break;
        const std::string_view word = para.substr(i, j - i);
        i = j;
        const std::string candidate =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (widthOf(candidate) <= maxWidth) {
            line = candidate;
            continue;
        }
        if (!line.empty()) {
            out.push_back(line);
            any = true;
            line.clear();
        }
        if (widthOf(word) <= maxWidth) {
            line = std::string(word);
        } else {
            CutWord(word, maxWidth, widthOf, out);
            any = true;
        }
    }
    if (!line.empty() || !any) out.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, int maxWidth,
                                  const std::function<int(std::string_view)>& widthOf) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view para = text.substr(start, end - start);
        if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
        WrapParagraph(para, maxWidth, widthOf, out);
        if (end == text.size()) break;
        start = end + 1;
    }
    return out;
}

std::string Ellipsize(std::string_view text, int maxWidth,
                      const std::function<int(std::string_view)>& widthOf) {
    if (widthOf(text) <= maxWidth) return std::string(text);
    static constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
    std::string cut(text);
    while (!cut.empty()) {
        // Continuation bytes, then the lead byte: one whole character off the end.
        while (!cut.empty() && IsContinuation(static_cast<unsigned char>(cut.back()))) {
            cut.pop_back();
        }
        if (!cut.empty()) cut.pop_back();
        if (widthOf(cut + std::string(kEllipsis)) <= maxWidth) break;
    }
    return cut + std::string(kEllipsis);
}

}  // namespace gnamm::platform
