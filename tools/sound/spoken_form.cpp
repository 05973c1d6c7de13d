#include "spoken_form.h"

#include <cctype>

namespace gnamm::sound {

namespace {

bool IsLetter(char c) {
    // Bytes of UTF-8 letters (à, è, ...) count as letters too.
    return std::isalpha(static_cast<unsigned char>(c)) != 0 ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Replaces whole words only, so "Ehi" is not touched by a rule for "He".
std::string ReplaceWord(std::string text, std::string_view word, std::string_view by) {
    std::size_t at = 0;
    while ((at = text.find(word, at)) != std::string::npos) {
        const bool startsWord = at == 0 || !IsLetter(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endsWord = end >= text.size() || !IsLetter(text[end]);
        if (startsWord && endsWord) {
            text.replace(at, word.size(), by);
            at += by.size();
        } else {
            at = end;
        }
    }
    return text;
}

}  // namespace

std::string SpokenForm(std::string_view shown) {
    std::string text(shown);
    // "E'" is how a keyboard without accents writes "È"; the apostrophe makes espeak stop.
    text = ReplaceWord(text, "E'", "È");
    // Words espeak would spell out letter by letter or read the English way.
    text = ReplaceWord(text, "Mmmh", "Ehmm");
    text = ReplaceWord(text, "He-he-he", "eh, eh, eh");
    text = ReplaceWord(text, "saloon", "salùn");
    return text;
}

}  // namespace gnamm::sound
