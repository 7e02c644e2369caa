#include "online/dictionary_query.h"

#include <gtest/gtest.h>

#include <string>

#include "dict/char_table.h"

namespace morvenda {
namespace {

std::string Glyphs(const std::vector<CharIndex>& rows) {
    std::string glyphs;
    for (const CharIndex row : rows) {
        glyphs += Glyph(row);
    }
    return glyphs;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : "|") + text;
    }
    return joined;
}

TEST(DictionaryQuery, TellsCharactersReadingsAndTheRestApart) {
    struct Case {
        std::string query;
        const char* characters;
        const char* readings;
        const char* notFound;
    };
    const Case cases[] = {
        {"长", "长", "", ""},
        {"张三丰", "张三丰", "", ""},
        {"长江长", "长江", "", ""},
        {"zhang", "", "zhang", ""},
        {"Zhang  San", "", "zhang|san", ""},
        {"zhangsan", "", "zhang|san", ""},
        {"xian", "", "xian", ""},
        {"zhang1san1", "", "zhang|san", ""},
        {"zhāng", "", "zhang", ""},
        {"ｌｖ", "", "lv", ""},
        {"长zhang，江 chang", "长江", "zhang|chang", ""},
        {"zhangx", "", "", "zhangx"},
        {"<script>alert(1)</script>", "", "", "script|alert"},
        {"", "", "", ""},
        {" ，。123 ", "", "", ""},
        {"\xff长", "长", "", "\xEF\xBF\xBD"},
        {"\xF0\xA0\x80\x80", "", "", "\xF0\xA0\x80\x80"},  // U+20000, not in the table
        {"A", "", "a", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const DictionaryQuery parsed = ParseDictionaryQuery(c.query);
        EXPECT_EQ(Glyphs(parsed.Characters), c.characters);
        EXPECT_EQ(Joined(parsed.Readings), c.readings);
        EXPECT_EQ(Joined(parsed.NotFound), c.notFound);
        EXPECT_FALSE(parsed.Shortened);
    }
}

TEST(DictionaryQuery, SearchesOnlyTheStartOfAVeryLongQuery) {
    std::string pasted;
    while (pasted.size() < 10240) {
        pasted += "长";
    }
    const DictionaryQuery characters = ParseDictionaryQuery(pasted);
    EXPECT_TRUE(characters.Shortened);
    EXPECT_EQ(characters.Searched.size(), MaxQueryLength * 3);
    EXPECT_EQ(Glyphs(characters.Characters), "长");

    const DictionaryQuery letters = ParseDictionaryQuery(std::string(10240, 'q'));
    EXPECT_TRUE(letters.Shortened);
    EXPECT_EQ(Joined(letters.NotFound), std::string(20, 'q') + "…");
}

}  // namespace
}  // namespace morvenda
