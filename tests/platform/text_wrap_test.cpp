#include "platform/text_wrap.h"

#include <gtest/gtest.h>

namespace gnamm::platform {
namespace {

// One unit a character (a UTF-8 sequence counts once).
int Chars(std::string_view s) {
    int n = 0;
    for (const unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

using Lines = std::vector<std::string>;

TEST(WrapText, BreaksBetweenWordsAndKeepsParagraphs) {
    EXPECT_EQ(WrapText("Nonno Zeb ti sfida a Gnamm", 10, Chars),
              (Lines{"Nonno Zeb", "ti sfida a", "Gnamm"}));
    EXPECT_EQ(WrapText("Carte: KDE\n\nMusica: noi\r\n", 20, Chars),
              (Lines{"Carte: KDE", "", "Musica: noi", ""}));
    EXPECT_EQ(WrapText("", 10, Chars), (Lines{""}));
}

TEST(WrapText, CutsAWordLongerThanTheLineBetweenCharacters) {
    EXPECT_EQ(WrapText("abcdefghij xy", 4, Chars), (Lines{"abcd", "efgh", "ij", "xy"}));
    // "è" is two bytes: it is never split in half.
    EXPECT_EQ(WrapText("\xC3\xA8\xC3\xA8\xC3\xA8", 2, Chars),
              (Lines{"\xC3\xA8\xC3\xA8", "\xC3\xA8"}));
    // Even a line too narrow for one character moves on, one character a line.
    EXPECT_EQ(WrapText("abc", 0, Chars), (Lines{"a", "b", "c"}));
}

TEST(Ellipsize, KeepsWhatFitsAndCutsWholeCharactersBeforeAnEllipsis) {
    const std::string e = "\xE2\x80\xA6";
    EXPECT_EQ(Ellipsize("Wolfgang", 8, Chars), "Wolfgang");
    EXPECT_EQ(Ellipsize("Wolfgang Merz", 8, Chars), "Wolfgan" + e);
    // "ò" is two bytes: it goes whole or stays whole.
    EXPECT_EQ(Ellipsize("Niccol\xC3\xB2 Ugolini", 8, Chars), "Niccol\xC3\xB2" + e);
    EXPECT_EQ(Ellipsize("Niccol\xC3\xB2 Ugolini", 7, Chars), "Niccol" + e);
    EXPECT_EQ(Ellipsize("Ugo", 0, Chars), e);
}

}  // namespace
}  // namespace gnamm::platform
