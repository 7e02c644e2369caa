// Invariants every row of the compiled-in dictionary keeps.
#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <set>
#include <string>

#include "base/gbk.h"
#include "dict/char_table.h"
#include "dict/radical_table.h"

namespace morvenda {
namespace {

bool IsReading(std::string_view text) {
    return !text.empty() && text.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string_view::npos;
}

// One reading, or several as ",a,b,".
bool IsPinyinField(std::string_view text) {
    if (IsReading(text)) {
        return true;
    }
    if (text.size() < 2 || text.front() != ',' || text.back() != ',') {
        return false;
    }
    int readings = 0;
    for (std::size_t start = 1; start < text.size(); ++readings) {
        const std::size_t comma = text.find(',', start);
        if (!IsReading(text.substr(start, comma - start))) {
            return false;
        }
        start = comma + 1;
    }
    return readings >= 2;
}

TEST(CharTableRows, PinyinFieldShapes) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"hua", true}, {",chang,zhang,", true}, {",ge,ka,luo,lo,", true},
        {"", false}, {",hua,", false}, {"chang,zhang", false}, {",chang,,zhang,", false},
        {"l\xC3\xBC", false}, {"Hua", false}, {"hua2", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPinyinField(c.text), c.valid) << c.text;
    }
}

TEST(CharTableRows, GlyphsAreDistinctTwoByteGbkCharacters) {
    std::set<std::string_view> seen;
    for (int i = 0; i < CharCount; ++i) {
        const auto bytes = gbk::FromUtf8(Glyph(i));
        ASSERT_TRUE(bytes) << i;
        EXPECT_EQ(bytes->size(), 2u) << i;
        EXPECT_TRUE(seen.insert(Glyph(i)).second) << "repeated " << Glyph(i);
    }
}

TEST(CharTableRows, EveryGlyphIsFoundAtItsOwnRow) {
    for (int i = 0; i < CharCount; ++i) {
        ASSERT_EQ(FindCharIndex(Glyph(i)), i) << Glyph(i);
    }
}

TEST(CharTableRows, ReadingsAreLowercasePinyin) {
    for (int i = 0; i < CharCount; ++i) {
        EXPECT_TRUE(IsPinyinField(Pinyin(i))) << Glyph(i) << " " << Pinyin(i);
    }
}

TEST(CharTableRows, ElementByMeaningIsOneElement) {
    for (int i = 0; i < CharCount; ++i) {
        EXPECT_EQ(std::popcount(ElementByMeaning(i).Bits()), 1) << Glyph(i);
        EXPECT_LT(ElementByMeaning(i).Bits(), 32u) << Glyph(i);
    }
}

TEST(CharTableRows, ElementByRadicalFollowsTheRadical) {
    const std::map<std::string, Element> carried = {
        {"冫", Element::Water}, {"氵", Element::Water}, {"水", Element::Water}, {"雨", Element::Water},
        {"刀", Element::Metal}, {"刂", Element::Metal}, {"钅", Element::Metal}, {"金", Element::Metal},
        {"釒", Element::Metal}, {"艹", Element::Wood}, {"木", Element::Wood}, {"禾", Element::Wood},
        {"米", Element::Wood}, {"竹", Element::Wood}, {"灬", Element::Fire}, {"火", Element::Fire},
        {"日", Element::Fire}, {"月", Element::Fire}, {"山", Element::Earth}, {"土", Element::Earth},
        {"瓦", Element::Earth}, {"石", Element::Earth}, {"田", Element::Earth}, {"玉", Element::Earth},
        {"缶", Element::Earth},
    };
    std::map<int, Element> carriedByIndex;
    for (const auto& [radical, element] : carried) {
        const int index = FindRadicalIndex(radical);
        ASSERT_NE(index, 0) << radical;
        carriedByIndex[index] = element;
    }
    const int qiu = FindCharIndex("秋");
    for (int i = 0; i < CharCount; ++i) {
        if (i != qiu) {
            const auto found = carriedByIndex.find(RadicalIndex(i));
            const ElementMask expected =
                found == carriedByIndex.end() ? ElementMask() : ElementMask(found->second);
            EXPECT_EQ(ElementByRadical(i), expected) << Glyph(i);
        }
    }
}

TEST(CharTableRows, RadicalsAndStrokeCountsAreInRange) {
    std::set<int> radicalsUsed;
    for (int i = 0; i < CharCount; ++i) {
        EXPECT_GE(RadicalIndex(i), 0) << Glyph(i);
        EXPECT_LT(RadicalIndex(i), RadicalCount) << Glyph(i);
        radicalsUsed.insert(RadicalIndex(i));
        EXPECT_GE(SimplifiedStrokes(i), 1) << Glyph(i);
        EXPECT_GE(KangxiStrokes(i), 1) << Glyph(i);
        EXPECT_LE(SimplifiedStrokes(i), 40) << Glyph(i);
        EXPECT_LE(KangxiStrokes(i), 40) << Glyph(i);
    }
    // The radical filter offers all radicals; most of them must lead somewhere.
    EXPECT_GT(radicalsUsed.size(), 240u);
}

}  // namespace
}  // namespace morvenda
