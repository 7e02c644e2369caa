#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace morvenda {
namespace {

TEST(IniFileTest, WritesKeyValueLinesWithGbkTextsInTheOrderSet) {
    IniFile file;
    file.Set("Birthday", "firstName", "欧阳");
    file.Set("Birthday", "NameLength", "1");
    file.Set("Select", "chk1_3", "0");
    file.Set("Select", "edt1_3", "华");
    file.Set("Birthday", "Sex", "0");
    // 欧阳 is C5 B7 D1 F4 in GBK, 华 BB AA.
    const std::string bytes = file.Serialize();
    EXPECT_EQ(bytes,
              "[Birthday]\nfirstName=\xC5\xB7\xD1\xF4\nNameLength=1\nSex=0\n\n\n"
              "[Select]\nchk1_3=0\nedt1_3=\xBB\xAA\n");
    EXPECT_EQ(IniFile::Parse(bytes).Serialize(), bytes);
    EXPECT_EQ(IniFile::Parse(bytes).Text("Birthday", "firstName"), "欧阳");
}

TEST(IniFileTest, ATextGbkCannotHoldIsStoredEmpty) {
    IniFile file;
    file.Set("Select", "edt1_1", "😀");
    EXPECT_EQ(file.Text("Select", "edt1_1"), "");
}

TEST(IniFileTest, ReadsCrLfAndLfAndFindsKeysInAnyCase) {
    for (const std::string newline : {"\r\n", "\n"}) {
        const std::string bytes = "[birthday]" + newline + "year=60" + newline + "SEX=1" + newline +
                                  "firstName=\xCD\xF5" + newline;
        const IniFile file = IniFile::Parse(bytes);
        EXPECT_EQ(file.Integer("Birthday", "Year"), 60);
        EXPECT_EQ(file.Integer("Birthday", "Sex"), 1);
        EXPECT_EQ(file.Text("Birthday", "firstName"), "王");
        EXPECT_EQ(file.Text("Birthday", "Month"), std::nullopt);
        EXPECT_EQ(file.Text("Select", "Year"), std::nullopt);
    }
}

TEST(IniFileTest, OnlyAnIntIsAnInteger) {
    const struct {
        const char* value;
        std::optional<int> number;
    } cases[] = {
        {"7", 7},
        {"-1", -1},
        {"+3", 3},
        {" 12 ", 12},  // the blanks around a value are not part of it
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"+-3", std::nullopt},
        {"1.5", std::nullopt},
        {"3x", std::nullopt},
        {"x", std::nullopt},
        {"0x10", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        const IniFile file = IniFile::Parse(std::string("[Select]\nsedt5_11=") + c.value + "\n");
        EXPECT_EQ(file.Integer("Select", "sedt5_11"), c.number) << c.value;
    }
}

TEST(IniFileTest, AnyBytesReadWithoutHarm) {
    std::mt19937 random(11);
    std::string noise(1 << 16, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    const std::vector<std::string> files{
        noise,
        "[Select]\nedt1_1=" + std::string(10 << 20, 'a') + "\nchk1_1=1\n",
        "[Select]\nchk1_1=1\n[Select]\nchk1_2=1\n[Birthday]\n[Birthday]\nSex=1\n",
        std::string("[Select]\nchk1_1=1\n\0\nchk1_2=1\n", 27),
        "[Select\nchk1_1=1\n=5\n[]\nchk1_2\n\xFF\xFE=\x80\n",
    };
    for (const std::string& bytes : files) {
        const IniFile file = IniFile::Parse(bytes);
        (void)file.Integer("Select", "chk1_1");
        (void)file.Text("Select", "edt1_1");
        (void)IniFile::Parse(file.Serialize()).Serialize();
    }
    // What can be read is read: a long line does not hide the next, a section twice is one.
    EXPECT_EQ(IniFile::Parse(files[1]).Integer("Select", "chk1_1"), 1);
    EXPECT_EQ(IniFile::Parse(files[1]).Text("Select", "edt1_1")->size(), 10u << 20);
    EXPECT_EQ(IniFile::Parse(files[2]).Integer("Select", "chk1_1"), 1);
    EXPECT_EQ(IniFile::Parse(files[2]).Integer("Select", "chk1_2"), 1);
    EXPECT_EQ(IniFile::Parse(files[2]).Integer("Birthday", "Sex"), 1);
    EXPECT_EQ(IniFile::Parse(files[3]).Integer("Select", "chk1_1"), 1);
    // Bytes that are no GBK are no text.
    EXPECT_EQ(IniFile::Parse("[Select]\nedt1_1=\xFF\xFF\n").Text("Select", "edt1_1"), std::nullopt);
}

}  // namespace
}  // namespace morvenda
