#include "dict/radical_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/gbk.h"
#include "dict/char_table.h"

namespace morvenda {
namespace {

using Glyphs = std::vector<std::string>;

TEST(RadicalTable, FindRadicalIndexMatchesWholeGlyphs) {
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"丨", 0},   {"", 0},     {"龠", 266}, {"氵", 67}, {"水", 117}, {"十", 30},
        {"日", 112}, {"金", 223}, {"釒", 224}, {"长", 84}, {"長", 220}, {"禾", 138},
        {"言", 210}, {"乛", 3},   {"丷", 20},  {"华", 0},  {"氵水", 0}, {"a", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindRadicalIndex(c.text), c.expected) << c.text;
    }
}

TEST(RadicalTable, RadicalGlyphIsTheEntryACharacterPointsTo) {
    EXPECT_EQ(RadicalGlyph(RadicalIndex(FindCharIndex("海"))), "氵");
    EXPECT_EQ(RadicalGlyph(RadicalIndex(FindCharIndex("华"))), "十");
    EXPECT_EQ(RadicalGlyph(0), "丨");
    EXPECT_EQ(RadicalGlyph(RadicalCount - 1), "龠");
    EXPECT_EQ(RadicalGlyph(RadicalCount), "");
    EXPECT_EQ(RadicalGlyph(-1), "");
}

TEST(RadicalTable, StrokeGroupsHoldTheirRadicalsInOrder) {
    const struct {
        int strokes;
        Glyphs glyphs;
    } cases[] = {
        {1, {"丨", "亅", "丿", "乛", "一", "乙", "乚", "丶"}},
        {11, {"黄", "鹵", "鹿", "麻", "麥", "鳥", "魚"}},
        {13, {"鼓", "鼠"}},
        {15, {"齒", "龍", "龠"}},
        {0, {}},
        {16, {}},
        {-1, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RadicalsWithStrokes(c.strokes), c.glyphs) << c.strokes;
    }
}

TEST(RadicalTable, GroupsCoverTheTableContiguously) {
    const std::size_t sizes[] = {8, 29, 44, 52, 29, 30, 24, 15, 11, 6, 7, 5, 2, 2, 3};
    int index = 0;
    for (int strokes = 1; strokes <= 15; ++strokes) {
        const auto glyphs = RadicalsWithStrokes(strokes);
        ASSERT_EQ(glyphs.size(), sizes[strokes - 1]) << strokes;
        for (const auto& glyph : glyphs) {
            EXPECT_EQ(FindRadicalIndex(glyph), index++) << glyph;
        }
    }
    EXPECT_EQ(index, RadicalCount);
}

TEST(RadicalTable, GlyphsAreDistinctTwoByteGbkCharacters) {
    std::set<std::string> seen;
    for (int strokes = 1; strokes <= 15; ++strokes) {
        for (const auto& glyph : RadicalsWithStrokes(strokes)) {
            const auto bytes = gbk::FromUtf8(glyph);
            ASSERT_TRUE(bytes) << glyph;
            EXPECT_EQ(bytes->size(), 2u) << glyph;
            EXPECT_TRUE(seen.insert(glyph).second) << glyph;
        }
    }
}

TEST(RadicalTable, StrokeNumeralsLabelTheGroups) {
    EXPECT_EQ(StrokeNumerals.front(), "一");
    EXPECT_EQ(StrokeNumerals[9], "十");
    EXPECT_EQ(std::string(StrokeNumerals[10]) + "画", "十一画");
    EXPECT_EQ(StrokeNumerals.back(), "十五");
}

}  // namespace
}  // namespace morvenda
