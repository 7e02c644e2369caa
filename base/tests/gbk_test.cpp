#include "base/gbk.h"

#include <gtest/gtest.h>

namespace morvenda {
namespace {

TEST(Gbk, EncodesChineseAsTwoBytesAndAsciiAsOne) {
    EXPECT_EQ(gbk::FromUtf8("华"), std::string("\xBB\xAA"));
    EXPECT_EQ(gbk::FromUtf8("a华b"), std::string("a\xBB\xAA"
                                                 "b"));
    EXPECT_EQ(gbk::ByteLength("王小明"), 6u);
    EXPECT_EQ(gbk::ByteLength("ab"), 2u);
    EXPECT_EQ(gbk::ByteLength(""), 0u);
}

TEST(Gbk, RoundTripsThroughUtf8) {
    const std::string text = "Morvenda取名软件 詈 囍";
    const auto bytes = gbk::FromUtf8(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(gbk::ToUtf8(*bytes), text);
}

TEST(Gbk, RejectsWhatGbkCannotHold) {
    EXPECT_FALSE(gbk::FromUtf8("\xF0\x9F\x98\x80"));  // an emoji
    EXPECT_FALSE(gbk::FromUtf8("\xE4\xB8"));          // truncated UTF-8
    EXPECT_FALSE(gbk::ToUtf8("\xBB"));                // half a GBK character
    EXPECT_FALSE(gbk::ByteLength("\xF0\x9F\x98\x80"));
}

// iconv itself would drop these and report success: "a\U000E0001b" came out as "ab".
TEST(Gbk, RejectsTheTagCharactersIconvWouldDrop) {
    for (const char* text :
         {"a\U000E0001b", "\U000E0000", "\U000E0020", "\U000E007F", "王\U000E0041"}) {
        EXPECT_FALSE(gbk::FromUtf8(text)) << text;
        EXPECT_FALSE(gbk::ByteLength(text)) << text;
    }
    // Their neighbours outside the block are refused by the conversion itself.
    EXPECT_FALSE(gbk::FromUtf8("\U000DFFFF"));
    EXPECT_FALSE(gbk::FromUtf8("\U000E0080"));
}

}  // namespace
}  // namespace morvenda
