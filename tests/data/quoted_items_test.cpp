// The quoted-item format: what reads, what is refused, and what the writer will not write.
#include "data/quoted_items.h"

#include <gtest/gtest.h>

namespace gnamm::data {
namespace {

TEST(QuotedItems, ReadsEachKindWithCrLfOrLfLineEnds) {
    for (const std::string eol : {"\r\n", "\n"}) {
        const std::string file = "\"Middle\"" + eol + "0" + eol + "#TRUE#" + eol + "#FALSE#" + eol +
                                 "30000" + eol + "\"\"" + eol + "-4" + eol;
        const ParsedItems p = ParseItems(file);
        EXPECT_TRUE(p.clean);
        EXPECT_EQ(p.items, (std::vector<Item>{std::string("Middle"), int64_t{0}, true, false,
                                              int64_t{30000}, std::string(), int64_t{-4}}));
    }
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

TEST(QuotedItems, LinesThatAreNotItemsAreReportedWithTheirPlaceBlankLinesSkipped) {
    const ParsedItems p = ParseItems("\"a\"\r\n\"unterminated\r\n \r\n#True#\r\r\n12x\n7\r");
    EXPECT_FALSE(p.clean);
    EXPECT_EQ(p.lineCount, 5u);
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.lineOf[0], 0u);
    EXPECT_EQ(p.lineOf[1], 4u);
    EXPECT_EQ(p.items[1], Item{int64_t{7}});
}

TEST(QuotedItems, ALineNotUtf8IsReadAsWindows1252UnlessItHoldsControlBytes) {
    const ParsedItems p = ParseItems("\"Niccol\xF2 \x80\"\r\n\"ok\"\r\n\"a\x01\xF2\"\r\n");
    EXPECT_TRUE(p.legacyCharset);
    EXPECT_FALSE(p.clean);
    EXPECT_EQ(p.items, (std::vector<Item>{std::string("Niccolò €"), std::string("ok")}));
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

TEST(QuotedItems, NumbersTooLongOrNotUtf8AreNotItems) {
    EXPECT_FALSE(ParseItem("9999999999999999999999").has_value());
    EXPECT_FALSE(ParseItem("\"\xff\xfe\"").has_value());
    EXPECT_FALSE(ParseItem(std::string("\"a\0b\"", 5)).has_value());
    EXPECT_FALSE(ParseItem("\"").has_value());
    EXPECT_FALSE(ParseItem("-").has_value());
}

TEST(QuotedItems, CountsReadFromBareOrQuotedDecimals) {
    EXPECT_EQ(ItemNumber(Item{std::string("3")}), 3);
    EXPECT_EQ(ItemNumber(Item{int64_t{3}}), 3);
    EXPECT_FALSE(ItemNumber(Item{std::string("three")}).has_value());
    EXPECT_FALSE(ItemNumber(Item{std::string("")}).has_value());
    EXPECT_FALSE(ItemNumber(Item{true}).has_value());
    EXPECT_FALSE(ItemBool(Item{std::string("#TRUE#")}).has_value());
    EXPECT_FALSE(ItemText(Item{int64_t{1}}).has_value());
}

TEST(QuotedItems, Utf8CheckRefusesOverlongSurrogatesAndNul) {
    EXPECT_TRUE(IsUtf8Text("Gnamm \xc3\xa0 \xe2\x82\xac \xf0\x9f\x83\x81"));
    EXPECT_FALSE(IsUtf8Text("\xc0\xaf"));          // overlong '/'
    EXPECT_FALSE(IsUtf8Text("\xed\xa0\x80"));      // surrogate
    EXPECT_FALSE(IsUtf8Text("\xf4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(IsUtf8Text("\xe2\x82"));          // cut short
    EXPECT_FALSE(IsUtf8Text(std::string("a\0", 2)));
}

}  // namespace
}  // namespace gnamm::data
