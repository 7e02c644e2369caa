#include "dict/char_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dict/char_table.h"

namespace morvenda {
namespace {

bool Holds(const std::vector<CharIndex>& rows, std::string_view glyph) {
    return std::find(rows.begin(), rows.end(), FindCharIndex(glyph)) != rows.end();
}

TEST(CharSearch, SpellsTypedSyllablesAsTheTable) {
    struct Case {
        const char* typed;
        const char* spelling;
    };
    const Case cases[] = {
        {"zhang", "zhang"},  {"ZHANG", "zhang"}, {"Zhāng", "zhang"},
        {"zhang1", "zhang"}, {"de5", "de"},      {"ｚｈａｎｇ", "zhang"},
        {"lü", "lv"},        {"LÜ", "lv"},       {"lǜ", "lv"},
        {"lv", "lv"},        {"lu", "lu"},       {"lue", "lve"},
        {"nüè", "nve"},      {"jv", "ju"},       {"yvan", "yuan"},
        {"xue", "xue"},      {"ń", "n"},         {"", ""},
        {"1", ""},           {"zh1ang", ""},     {"zhang12", ""},
        {"zhang ", ""},      {"长", ""},         {"zh\xff", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadingSpelling(c.typed), c.spelling) << c.typed;
    }
}

TEST(CharSearch, FindsACharacterByEachOfItsReadings) {
    struct Case {
        const char* typed;
        const char* held;
        const char* notHeld;
    };
    const Case cases[] = {
        {"zhang", "长", "华"}, {"chang", "长", "张"}, {"Chang2", "长", "张"}, {"lv", "吕", "路"},
        {"lu", "路", "吕"},    {"nv", "女", "努"},    {"xu", "许", "绿"},     {"jv", "居", "绿"},
        {"lue", "略", "路"},   {"de", "地", "长"},    {"li", "詈", "华"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::vector<CharIndex> rows = CharsWithReading(c.typed);
        EXPECT_TRUE(Holds(rows, c.held));
        EXPECT_FALSE(Holds(rows, c.notHeld));
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    }
    EXPECT_TRUE(CharsWithReading("zhangsan").empty());
    EXPECT_TRUE(CharsWithReading("").empty());
    EXPECT_TRUE(IsReading("lve"));
    EXPECT_FALSE(IsReading("lue"));
}

TEST(CharSearch, SplitsTheReadingsOfARow) {
    using Views = std::vector<std::string_view>;
    EXPECT_EQ(Readings(FindCharIndex("长")), (Views{"chang", "zhang"}));
    EXPECT_EQ(Readings(FindCharIndex("华")), (Views{"hua"}));
    EXPECT_EQ(Readings(CharCount), Views{});
}

TEST(CharSearch, ListsTheCharactersOfARadicalUpToTheLastRow) {
    const std::vector<CharIndex> water = CharsWithRadical(RadicalIndex(FindCharIndex("海")));
    EXPECT_TRUE(Holds(water, "海"));
    EXPECT_TRUE(Holds(water, "江"));
    EXPECT_FALSE(Holds(water, "林"));
    EXPECT_TRUE(std::all_of(water.begin(), water.end(),
                            [&](CharIndex row) { return RadicalIndex(row) == RadicalIndex(7); }));
    EXPECT_TRUE(Holds(CharsWithRadical(RadicalIndex(CharCount - 1)), Glyph(CharCount - 1)));
    EXPECT_TRUE(CharsWithRadical(-1).empty());
}

}  // namespace
}  // namespace morvenda
