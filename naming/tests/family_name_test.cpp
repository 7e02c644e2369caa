#include "naming/family_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvenda {
namespace {

TEST(ReadFamilyNameTest, TrimsAndSplitsIntoCharacters) {
    struct Case {
        std::string typed;
        std::string text, char1, char2;
    };
    const std::vector<Case> cases{
        {"  王  ", "王", "王", ""},
        {"欧阳", "欧阳", "欧", "阳"},
        {"\t司马相如\r\n", "司马相如", "司", "马"},  // characters past the second take no part
        {"李 四", "李 四", "李", " "},               // inner blanks stay
        {"ab", "ab", "a", "b"},
        {"", "", "", ""},
        {" \t\n ", "", "", ""},
    };
    for (const Case& c : cases) {
        const FamilyName family = ReadFamilyName(c.typed);
        EXPECT_EQ(family.Text, c.text) << c.typed;
        EXPECT_EQ(family.Char1, c.char1) << c.typed;
        EXPECT_EQ(family.Char2, c.char2) << c.typed;
    }
}

TEST(ReadFamilyNameTest, LooksBothCharactersUp) {
    const FamilyName ouyang = ReadFamilyName("欧阳");
    EXPECT_EQ(Glyph(ouyang.Index1), "欧");
    EXPECT_EQ(Glyph(ouyang.Index2), "阳");

    const FamilyName wang = ReadFamilyName(" 王 ");
    EXPECT_EQ(Glyph(wang.Index1), "王");
    EXPECT_EQ(wang.Index2, CharCount);

    const FamilyName unknown = ReadFamilyName("Q");
    EXPECT_EQ(unknown.Index1, CharCount);
    EXPECT_EQ(unknown.Index2, CharCount);
}

TEST(ReadFamilyNameTest, MalformedBytesCountAsCharactersOfTheirOwn) {
    const FamilyName family = ReadFamilyName(
        "\xE7\x8E"
        "x");  // a cut-off character, then x
    EXPECT_EQ(family.Char1, "\xE7");
    EXPECT_EQ(family.Char2, "\x8E");
}

TEST(TextCharactersTest, SplitsUtf8TextIntoCharacters) {
    using Characters = std::vector<std::string_view>;
    EXPECT_EQ(TextCharacters("王a\xF0\xA0\x80\x80 "),
              (Characters{"王", "a", "\xF0\xA0\x80\x80", " "}));
    EXPECT_EQ(TextCharacters("\xE7\x8E"
                             "x"),
              (Characters{"\xE7", "\x8E", "x"}));
    EXPECT_TRUE(TextCharacters("").empty());
}

}  // namespace
}  // namespace morvenda
