#include "dict/char_table.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/radical_table.h"

namespace morvenda {
namespace {

struct TellingRow {
    int index;
    const char* glyph;
    const char* pinyin;
    ElementMask byMeaning;
    int radical;
    const char* radicalGlyph;
    ElementMask byRadical;
    int simplified;
    int kangxi;
};

// Rows other subsystems and users rely on, with every field.
constexpr TellingRow TellingRows[] = {
    {0, "华", "hua", Element::Water, 30, "十", {}, 6, 14},
    {2, "明", "ming", Element::Fire, 112, "日", Element::Fire, 8, 8},
    {7, "海", "hai", Element::Water, 67, "氵", Element::Water, 10, 11},
    {27, "金", "jin", Element::Metal, 223, "金", Element::Metal, 8, 8},
    {103, "长", ",chang,zhang,", Element::Fire, 84, "长", {}, 4, 8},
    {107, "秋", "qiu", Element::Metal, 138, "禾", Element::Fire | Element::Wood, 9, 9},
    {818, "地", ",di,de,", Element::Earth, 70, "土", Element::Earth, 6, 6},
    {7226, "詈", "li", Element::Fire, 210, "言", {}, 12, 12},
    {CharCount, "", "", {}, 0, "丨", {}, 0, 0},
};

TEST(CharTable, TellingRowsHoldEveryField) {
    for (const auto& row : TellingRows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(Glyph(row.index), row.glyph);
        EXPECT_EQ(Pinyin(row.index), row.pinyin);
        EXPECT_EQ(ElementByMeaning(row.index), row.byMeaning);
        EXPECT_EQ(RadicalIndex(row.index), row.radical);
        EXPECT_EQ(FindRadicalIndex(row.radicalGlyph), row.radical);
        EXPECT_EQ(ElementByRadical(row.index), row.byRadical);
        EXPECT_EQ(SimplifiedStrokes(row.index), row.simplified);
        EXPECT_EQ(KangxiStrokes(row.index), row.kangxi);
    }
}

TEST(CharTable, FixedRowsStayInPlace) {
    const std::string head[] = {"华", "生", "明", "建", "文", "伟", "军", "海", "先", "国",
                                "志", "晓", "平", "红", "丽", "小", "春", "林", "强", "东"};
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Glyph(i), head[i]) << i;
    }
    const std::string tail[] = {"蚣", "聋", "攫", "惩", "腑", "嵯", "詈"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Glyph(CharCount - 7 + i), tail[i]) << i;
    }
}

TEST(CharTable, FindCharIndexMatchesWholeGlyphsOnly) {
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"华", 0},
        {"詈", 7226},
        {"金", 27},
        {"地", 818},
        {"华生", CharCount},           // two characters
        {"", CharCount},               // nothing
        {"\xF0\x9F\x98\x80", CharCount},  // not a Chinese character at all
        {"㐀", CharCount},             // a character outside the table
        {"\xE5\x8D", CharCount},       // the first two bytes of 华
        {"华 ", CharCount},            // trailing space is not folded away
        {"A", CharCount},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindCharIndex(c.text), c.expected) << c.text;
    }
}

TEST(CharTable, NameCodeToTextSpellsBothHalves) {
    const struct {
        NameCode code;
        std::string expected;
    } cases[] = {
        {MakeNameCode(0, 2), "华明"},
        {SingleNameCode(0), "华 "},
        {MakeNameCode(NoSecondChar, NoSecondChar), "  "},
        {0u, "华华"},
        {MakeNameCode(7226, 7), "詈海"},
        {MakeNameCode(CharCount, 0), " 华"},  // the empty row is no character
        {MakeNameCode(2, 7228), "明 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameCodeToText(c.code), c.expected) << std::hex << c.code;
    }
}

TEST(CharTable, IndicesPastTheEmptyRowReadAsTheEmptyRow) {
    for (const int index : {CharCount + 1, 0xFFFF, -1}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(Glyph(index), "");
        EXPECT_EQ(Pinyin(index), "");
        EXPECT_TRUE(ElementByMeaning(index).Empty());
        EXPECT_TRUE(ElementByRadical(index).Empty());
        EXPECT_EQ(RadicalIndex(index), 0);
        EXPECT_EQ(SimplifiedStrokes(index), 0);
        EXPECT_EQ(KangxiStrokes(index), 0);
    }
}

// The counts the five grids of everyday names are built from: the traditional form with its
// radical in full form (氵 as 水 4, 王 as 玉 5, 艹 as 艸 6).
TEST(CharTable, KangxiStrokesOfCommonNameCharacters) {
    const struct {
        const char* glyph;
        int kangxi;
    } cases[] = {
        {"涛", 18}, {"浩", 11}, {"杰", 12}, {"伟", 11}, {"强", 12}, {"丽", 19}, {"刚", 10},
        {"峰", 10}, {"宇", 6},  {"轩", 10}, {"鑫", 24}, {"梓", 11}, {"涵", 12}, {"萱", 15},
        {"欣", 8},  {"怡", 9},  {"琳", 13}, {"瑶", 15}, {"国", 11}, {"华", 14},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KangxiStrokes(FindCharIndex(c.glyph)), c.kangxi) << c.glyph;
    }
}

// A family name counts the form it is written in, also where the same simplified character
// stands for another word with a longer traditional form (姜 is not 薑, 后 not 後, 余 not 餘).
TEST(CharTable, KangxiStrokesOfFamilyNamesCountTheirOwnForm) {
    const struct {
        const char* glyph;
        int kangxi;
    } cases[] = {
        {"姜", 9}, {"后", 6}, {"谷", 7}, {"范", 11}, {"余", 7}, {"肖", 9},
        {"党", 10}, {"种", 9}, {"郁", 13}, {"干", 3}, {"钟", 20}, {"叶", 15},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KangxiStrokes(FindCharIndex(c.glyph)), c.kangxi) << c.glyph;
    }
}

// A radical drawn reduced counts in full form: 月 standing for 肉 as 6, 罒 as 网 6, 忄 as 心 4,
// 扌 as 手 4, 氵 as 水 4, 衤 as 衣 6.
TEST(CharTable, KangxiStrokesCountReducedRadicalsInFullForm) {
    const struct {
        const char* glyph;
        int kangxi;
    } cases[] = {
        {"育", 10}, {"胤", 11}, {"肩", 10}, {"背", 11}, {"署", 14}, {"置", 14}, {"罪", 14},
        {"悦", 11}, {"恰", 10}, {"擂", 17}, {"渠", 13}, {"被", 11}, {"袢", 11},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KangxiStrokes(FindCharIndex(c.glyph)), c.kangxi) << c.glyph;
    }
}

// Elements by meaning of name characters, among them characters whose source entries conflict
// (欣 listed as metal with a slipped stroke count and as wood with the right one).
TEST(CharTable, ElementByMeaningOfNameCharacters) {
    const struct {
        const char* glyph;
        Element element;
    } cases[] = {
        {"欣", Element::Wood}, {"凌", Element::Fire}, {"宁", Element::Fire}, {"佩", Element::Water},
        {"溪", Element::Water}, {"占", Element::Metal}, {"明", Element::Fire}, {"杰", Element::Wood},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ElementByMeaning(FindCharIndex(c.glyph)), ElementMask(c.element)) << c.glyph;
    }
}

TEST(CharTable, QiuSharesFireAndWoodByRadical) {
    const int qiu = FindCharIndex("秋");
    EXPECT_TRUE(ElementByRadical(qiu).SharesElementWith(Element::Fire));
    EXPECT_TRUE(ElementByRadical(qiu).SharesElementWith(Element::Wood));
    EXPECT_FALSE(ElementByRadical(qiu).SharesElementWith(Element::Water | Element::Metal |
                                                         Element::Earth));
}

TEST(CharTable, ReadingsWithUmlautUseV) {
    const struct {
        const char* glyph;
        const char* pinyin;
    } cases[] = {
        {"滤", "lv"}, {"屡", "lv"}, {"铝", "lv"}, {"女", "nv"}, {"乐", ",le,yue,"}, {"绿", ",lu,lv,"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Pinyin(FindCharIndex(c.glyph)), c.pinyin) << c.glyph;
    }
}

}  // namespace
}  // namespace morvenda
