#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string_view>

namespace morvenda {
namespace {

TEST(Utf8, ReadsEachWellFormedLengthAndOneByteOfAnythingElse) {
    struct Case {
        std::string_view Text;
        char32_t Code;
        std::size_t Length;
    };
    const Case cases[] = {
        {"a", U'a', 1},
        {"é", 0xE9, 2},
        {"王华", U'王', 3},
        {"\xF0\xA0\x80\x80", 0x20000, 4},  // beyond the basic plane, as rare names are
        {"\x80王", 0xFFFD, 1},             // a continuation byte with no lead
        {"\xE7\x8E", 0xFFFD, 1},           // cut off at the end of the text
        {"\xE7"
         "a\x8E",
         0xFFFD, 1},                      // cut off by the next character
        {"\xC0\x80", 0xFFFD, 1},          // an overlong NUL
        {"\xE0\x80\xAF", 0xFFFD, 1},      // an overlong "/"
        {"\xED\xA0\x80", 0xFFFD, 1},      // a surrogate
        {"\xF4\x90\x80\x80", 0xFFFD, 1},  // past U+10FFFF
        {"\xFF", 0xFFFD, 1},
    };
    for (const Case& c : cases) {
        const Utf8Character read = FirstUtf8Character(c.Text);
        EXPECT_EQ(read.Code, c.Code) << c.Text;
        EXPECT_EQ(read.Length, c.Length) << c.Text;
    }
    EXPECT_EQ(FirstUtf8Character("").Length, 0u);
}

}  // namespace
}  // namespace morvenda
