// The text the Dati files hold: the quoted-item format (what reads, what is refused, what the
// writer will not write) and the player's name (what the name box takes, what a stored name may
// hold).
#include <gtest/gtest.h>

#include "data/player_name.h"
#include "data/quoted_items.h"

namespace gnamm::data {
namespace {

using namespace std::string_literals;

TEST(QuotedItems, ReadsEachKindWithCrLfOrLfLineEndsAndEachReaderTakesItsOwn) {
    for (const std::string eol : {"\r\n", "\n"}) {
        const std::string file = "\"Middle\"" + eol + "0" + eol + "#TRUE#" + eol + "#FALSE#" + eol +
                                 "30000" + eol + "\"\"" + eol + "-4" + eol;
        const ParsedItems p = ParseItems(file);
        EXPECT_TRUE(p.clean);
        EXPECT_EQ(p.items, (std::vector<Item>{std::string("Middle"), int64_t{0}, true, false,
                                              int64_t{30000}, std::string(), int64_t{-4}}));
    }
    // Counts read from bare or quoted decimals; each reader takes its own kind only.
    EXPECT_EQ(ItemNumber(Item{std::string("3")}), 3);
    EXPECT_EQ(ItemNumber(Item{int64_t{3}}), 3);
    EXPECT_FALSE(ItemNumber(Item{std::string("three")}).has_value());
    EXPECT_FALSE(ItemNumber(Item{std::string("")}).has_value());
    EXPECT_FALSE(ItemNumber(Item{true}).has_value());
    EXPECT_FALSE(ItemBool(Item{std::string("#TRUE#")}).has_value());
    EXPECT_FALSE(ItemText(Item{int64_t{1}}).has_value());
}

TEST(QuotedItems, WritesCrLfReadsBackIdenticallyAndNeverBreaksALine) {
    const std::vector<Item> items = {
        std::string("Niccolò Ça va"), int64_t{1}, true, false, std::string(""), int64_t{-7},
        std::string("1) a - b  3-1")};
    const std::string bytes = WriteItems(items);
    EXPECT_EQ(WriteItems({std::string("ab"), int64_t{12}, true}), "\"ab\"\r\n12\r\n#TRUE#\r\n");
    const ParsedItems p = ParseItems(bytes);
    EXPECT_TRUE(p.clean);
    EXPECT_EQ(p.items, items);
    // No escape exists for a double quote, and a line break would split the item.
    EXPECT_EQ(WriteItem(Item{std::string("Jo \"Kid\"\r\nRed\tX\x7f")}), "\"Jo KidRedX\"\r\n");
    EXPECT_EQ(SafeItemText("ok\xc2\x85\xff-\xc3\xa8"), "ok-\xc3\xa8");  // C1 and stray byte
    const ParsedItems safe = ParseItems(WriteItem(Item{std::string("a\"b\nc")}));
    EXPECT_TRUE(safe.clean);
    EXPECT_EQ(safe.items, std::vector<Item>{std::string("abc")});
}

TEST(QuotedItems, LinesThatAreNotItemsAreReportedWithTheirPlaceAndOldCharsetsRead) {
    const ParsedItems p = ParseItems("\"a\"\r\n\"unterminated\r\n \r\n#True#\r\r\n12x\n7\r");
    EXPECT_FALSE(p.clean);
    EXPECT_EQ(p.lineCount, 5u);
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.lineOf[0], 0u);
    EXPECT_EQ(p.lineOf[1], 4u);
    EXPECT_EQ(p.items[1], Item{int64_t{7}});
    // A line not UTF-8 is read as Windows-1252 unless it holds control bytes.
    const ParsedItems old = ParseItems("\"Niccol\xF2 \x80\"\r\n\"ok\"\r\n\"a\x01\xF2\"\r\n");
    EXPECT_TRUE(old.legacyCharset);
    EXPECT_FALSE(old.clean);
    EXPECT_EQ(old.items, (std::vector<Item>{std::string("Niccolò €"), std::string("ok")}));
}

TEST(QuotedItems, ALastLineWithoutItsLineEndCountsOnlyWhenProvedWhole) {
    EXPECT_TRUE(ParseItems("\"a\"\r\n#TRUE#").clean);
    EXPECT_EQ(ParseItems("\"a\"\r\n\"b\"").items.size(), 2u);
    const ParsedItems cut = ParseItems("\"a\"\r\n300");  // perhaps 30000 cut short
    EXPECT_FALSE(cut.clean);
    EXPECT_EQ(cut.items.size(), 1u);
    EXPECT_EQ(cut.lineCount, 2u);
    // A byte order mark from an editor is skipped.
    EXPECT_TRUE(ParseItems("\xEF\xBB\xBF\"Middle\"\r\n").clean);
}

TEST(QuotedItems, NumbersTooLongOrNotUtf8AreNotItemsAndTheUtf8CheckIsStrict) {
    for (const std::string& line :
         {"9999999999999999999999"s, "\"\xff\xfe\""s, "\"a\0b\""s, "\""s, "-"s}) {
        EXPECT_FALSE(ParseItem(line).has_value()) << line;
    }
    // Overlong forms, surrogates, code points past U+10FFFF, cut sequences and NUL are refused.
    EXPECT_TRUE(IsUtf8Text("Gnamm \xc3\xa0 \xe2\x82\xac \xf0\x9f\x83\x81"));
    for (const std::string& text :
         {"\xc0\xaf"s, "\xed\xa0\x80"s, "\xf4\x90\x80\x80"s, "\xe2\x82"s, "a\0"s}) {
        EXPECT_FALSE(IsUtf8Text(text)) << text;
    }
}

TEST(PlayerName, TheBoxRefusesQuotesAndControlCharactersAndCountsCharactersNotBytes) {
    std::string name;
    EXPECT_TRUE(AppendToName(name, "Jo \"Kid\"\t\r\n\x7f"));
    EXPECT_EQ(name, "Jo Kid");
    EXPECT_FALSE(AppendToName(name, "\"\x01"));
    for (const char32_t c : {U'"', U'\x85', U'\x2028', U'\'', U'\xE0'}) {
        EXPECT_EQ(IsNameCharAllowed(c), c == U'\'' || c == U'\xE0') << static_cast<int>(c);
    }
    // The length is counted in characters: of 30 two-byte letters 24 are taken, none cut in half.
    name.clear();
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
    name = "\xc3\xa8";
    EXPECT_TRUE(RemoveLastNameChar(name));
    EXPECT_EQ(name, "");
    EXPECT_FALSE(RemoveLastNameChar(name));  // nothing to remove from an empty box
}

TEST(PlayerName, BlanksOnlyIsEmptyAndPaddingIsTrimmed) {
    // No-break and ideographic spaces are blanks too.
    for (const char* name : {"", "    ", " \xc2\xa0 \xe3\x80\x80"}) EXPECT_TRUE(IsEmptyName(name));
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

TEST(PlayerName, ANameOfInvisibleCharactersOrThatTurnsTheWritingIsRefused) {
    const std::pair<const char*, bool> casi[] = {
        {"Zoe", true},
        {"  Zo\u00e8  ", true},
        {"Zo\u200de", true},                 // a joiner inside a name that shows
        {"\u0627\u0644\u0639\u0645", true},  // written right to left by its own letters
        {"", false},
        {"\u00a0\u3000", false},              // blanks
        {"\u200b\u200c\u200d\u2060", false},  // zero-width spaces and joiners
        {"\u00ad\u3164\ufe0f\u2800", false},  // soft hyphen, filler, selector, Braille blank
        {"\U000e0041\U000e0042", false},      // tags
        {"Ugo\u202e", false},                 // right-to-left override
        {"\u2067Ugo\u2069", false},           // right-to-left isolate
        {"Ugo\u200f", false},                 // right-to-left mark
    };
    for (const auto& [nome, preso] : casi) EXPECT_EQ(IsAcceptableName(nome), preso) << nome;
}

}  // namespace
}  // namespace gnamm::data
