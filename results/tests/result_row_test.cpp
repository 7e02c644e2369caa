#include "results/result_row.h"

#include <gtest/gtest.h>

#include <string>

namespace morvenda {
namespace {

int Row(const char* glyph) {
    const int index = FindCharIndex(glyph);
    EXPECT_LT(index, CharCount) << glyph << " is missing from the table";
    return index;
}

NameCode Given(const char* first, const char* second = nullptr) {
    return MakeNameCode(Row(first), second ? Row(second) : NoSecondChar);
}

RowFamily Typed(std::string text, const char* first, const char* second = nullptr) {
    return RowFamily{std::move(text), first, second ? second : "", Row(first),
                     second ? Row(second) : CharCount};
}

// 李 7 strokes, 明 8, 杰 8 simplified and 12 traditional: the grids 8, 15, 20, 13, 27.
TEST(ResultRow, EveryFieldOfATwoCharacterName) {
    const NameCode code = Given("明", "杰");
    const ResultRow row = BuildResultRow(code, Typed("李", "李"));
    const std::array<std::string, ResultFieldCount> expected{
        "李明杰", "72.75", "木火木", "07-08-08", "07-08-12", "08", "15", "20", "13", "27",
        "0023",   "0027",  "0002",   "0008",     std::to_string(code), "李"};
    EXPECT_EQ(row.Fields, expected);
    EXPECT_EQ(row.Code, code);
    EXPECT_EQ(row.Family, MakeFamilyCode(Row("李"), CharCount));
    EXPECT_EQ(row.Grids, (FiveGrids{8, 15, 20, 13, 27}));
    EXPECT_DOUBLE_EQ(row.Score, 72.75);
    EXPECT_FALSE(row.Checked);
}

TEST(ResultRow, StrokeCombinationsShowEveryPresentFamilyCharacterAndAlwaysTwoGivenOnes) {
    struct Case {
        const char* Name;
        RowFamily Family;
        NameCode Code;
        std::string Simplified, Traditional;
    };
    const Case cases[] = {
        {"one family, two given", Typed("李", "李"), Given("明", "杰"), "07-08-08", "07-08-12"},
        {"two family, two given", Typed("欧阳", "欧", "阳"), Given("华", "明"), "08-06-06-08",
         "15-17-14-08"},
        {"one family, one given", Typed("李", "李"), Given("明"), "07-08-00", "07-08-00"},
        {"family not in the table", RowFamily{"X", "X", "", CharCount, CharCount}, Given("明", "杰"),
         "00-08-08", "00-08-12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const ResultRow row = BuildResultRow(c.Code, c.Family);
        EXPECT_EQ(row.Fields[3], c.Simplified);
        EXPECT_EQ(row.Fields[4], c.Traditional);
    }
}

TEST(ResultRow, TwoCharacterFamilyCountsInGridsAndSums) {
    const ResultRow row = BuildResultRow(Given("华", "明"), Typed("欧阳", "欧", "阳"));
    // 欧 15, 阳 17, 华 14, 明 8 traditional strokes.
    EXPECT_EQ(row.Fields[0], "欧阳华明");
    EXPECT_EQ(row.Fields[5], "32");
    EXPECT_EQ(row.Fields[6], "31");
    EXPECT_EQ(row.Fields[7], "22");
    EXPECT_EQ(row.Fields[8], "23");
    EXPECT_EQ(row.Fields[9], "54");
    EXPECT_EQ(row.Fields[10], "0028");
    EXPECT_EQ(row.Fields[11], "0054");
    EXPECT_EQ(row.Fields[15], "欧阳");
}

TEST(ResultRow, MissingSecondGivenCharacterReadsAsTheEmptyRow) {
    const ResultRow row = BuildResultRow(Given("明"), Typed("李", "李"));
    EXPECT_EQ(row.Fields[0], "李明 ");  // the absent character shows as a space
    EXPECT_EQ(row.Fields[2], "木火");
    EXPECT_EQ(row.Fields[8], "02");      // outer grid of a one-character family and given name
    EXPECT_EQ(row.Fields[13], "0000");
    EXPECT_EQ(row.Fields[14], std::to_string(Given("明")));
}

TEST(ResultRow, CaptionStartsWithTheTypedTextWhileField15HoldsTheFamilyGlyphs) {
    // Characters after the second take no part in the family but stay in the caption.
    const ResultRow row = BuildResultRow(Given("明", "杰"), Typed("欧阳华", "欧", "阳"));
    EXPECT_EQ(row.Fields[0], "欧阳华明杰");
    EXPECT_EQ(row.Fields[15], "欧阳");
}

TEST(ResultRow, FavouriteEntryIsEvaluatedUnderItsOwnFamily) {
    const FamilyCode wang = MakeFamilyCode(Row("王"), CharCount);
    const RowFamily family = FamilyFromCode(wang);
    EXPECT_EQ(family.Text, "王");
    EXPECT_EQ(family.Char1, "王");
    EXPECT_EQ(family.Char2, "");
    EXPECT_EQ(family.Index1, Row("王"));
    EXPECT_EQ(family.Index2, CharCount);

    const ResultRow favourite = BuildResultRow(Given("明", "杰"), family);
    const ResultRow typed = BuildResultRow(Given("明", "杰"), Typed("王", "王"));
    EXPECT_EQ(favourite.Fields, typed.Fields);
    EXPECT_EQ(favourite.Fields[0], "王明杰");
    EXPECT_EQ(favourite.Fields[15], "王");
    EXPECT_EQ(favourite.Family, wang);
}

TEST(ResultRow, FamilyCodesOutsideTheTableReadAsNoCharacter) {
    struct Case {
        FamilyCode Code;
        std::string Text;
        int Index1, Index2;
    };
    const int ou = Row("欧");
    const int yang = Row("阳");
    const Case cases[] = {
        {MakeFamilyCode(ou, yang), "欧阳", ou, yang},
        {0xFFFFFFFFu, "", CharCount, CharCount},
        {MakeNameCode(ou, 0xFFFF), "欧", ou, CharCount},
        {MakeNameCode(CharCount + 1, yang), "阳",
         CharCount, yang},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Code);
        const RowFamily family = FamilyFromCode(c.Code);
        EXPECT_EQ(family.Text, c.Text);
        EXPECT_EQ(family.Char1 + family.Char2, c.Text);
        EXPECT_EQ(family.Index1, c.Index1);
        EXPECT_EQ(family.Index2, c.Index2);
        // A damaged entry still lists, with the strokes of no character.
        const ResultRow row = BuildResultRow(Given("明"), family);
        EXPECT_EQ(row.Fields[0], c.Text + "明 ");
    }
}

TEST(ResultRow, ColumnsCarryTheirCaptionsWidthsAndAlignment) {
    const auto columns = ResultColumns();
    EXPECT_EQ(columns[0].Caption, "姓名");
    EXPECT_EQ(columns[0].Width, 100);
    EXPECT_EQ(columns[0].Alignment, ColumnAlignment::Left);
    EXPECT_EQ(columns[3].Caption, "笔画组合[简]");
    EXPECT_EQ(columns[9].Caption, "总格");
    for (std::size_t i = 1; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].Alignment, ColumnAlignment::Center) << i;
    }
}

}  // namespace
}  // namespace morvenda
