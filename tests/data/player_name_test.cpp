// What the name box takes and what a stored name may hold.
#include "data/player_name.h"

#include <gtest/gtest.h>

namespace gnamm::data {
namespace {

TEST(PlayerName, TheBoxRefusesQuotesAndControlCharacters) {
    std::string name;
    EXPECT_TRUE(AppendToName(name, "Jo \"Kid\"\t\r\n\x7f"));
    EXPECT_EQ(name, "Jo Kid");
    EXPECT_FALSE(AppendToName(name, "\"\x01"));
    EXPECT_FALSE(IsNameCharAllowed(U'"'));
    EXPECT_FALSE(IsNameCharAllowed(0x85));
    EXPECT_FALSE(IsNameCharAllowed(0x2028));
    EXPECT_TRUE(IsNameCharAllowed(U'\''));
    EXPECT_TRUE(IsNameCharAllowed(0x00E0));
}

TEST(PlayerName, LengthIsCountedInCharactersNotBytes) {
    std::string name;
    // 30 two-byte letters: only 24 are taken, none is cut in half.
    std::string typed;
    for (int i = 0; i < 30; ++i) typed += "\xc3\xa8";
    EXPECT_TRUE(AppendToName(name, typed));
    EXPECT_EQ(Utf8Length(name), kMaxNameLength);
    EXPECT_EQ(name.size(), 2 * kMaxNameLength);
    EXPECT_FALSE(AppendToName(name, "a"));
    EXPECT_TRUE(RemoveLastNameChar(name));
    EXPECT_EQ(name.size(), 2 * kMaxNameLength - 2);
    EXPECT_TRUE(AppendToName(name, "\xf0\x9f\x83\x81"));  // a four-byte character fits again
    EXPECT_EQ(Utf8Length(name), kMaxNameLength);
    // Removing from an empty box does nothing.
    name = "\xc3\xa8";
    EXPECT_TRUE(RemoveLastNameChar(name));
    EXPECT_EQ(name, "");
    EXPECT_FALSE(RemoveLastNameChar(name));
}

TEST(PlayerName, BlanksOnlyIsEmptyAndPaddingIsTrimmed) {
    EXPECT_TRUE(IsEmptyName(""));
    EXPECT_TRUE(IsEmptyName("    "));
    EXPECT_TRUE(IsEmptyName(" \xc2\xa0 \xe3\x80\x80"));  // no-break and ideographic spaces
    EXPECT_FALSE(IsEmptyName(" a "));
    EXPECT_EQ(CleanPlayerName("  Zoe  "), "Zoe");
    EXPECT_EQ(CleanPlayerName("Ma\"ri\no"), "Mario");
    EXPECT_EQ(CleanPlayerName("\xff"
                              "Al"),
              "Al");
    EXPECT_EQ(CleanPlayerName(std::string(30, 'x')), std::string(24, 'x'));
    // The cut happens after the leading blanks go, and blanks left at the cut are trimmed.
    EXPECT_EQ(CleanPlayerName("   " + std::string(23, 'y') + "  z"), std::string(23, 'y'));
}

}  // namespace
}  // namespace gnamm::data
