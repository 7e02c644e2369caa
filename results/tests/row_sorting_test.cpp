#include "results/row_sorting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvenda {
namespace {

ResultRow RowWith(int field, std::string text) {
    ResultRow row;
    row.Fields[static_cast<std::size_t>(field)] = std::move(text);
    return row;
}

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(CompareRows, OrdersByGbkBytesWithAsciiLettersFolded) {
    struct Case {
        const char* Why;
        std::string A, B;
        int ExpectedSign;  // ascending
    };
    const Case cases[] = {
        {"equal texts", "王明", "王明", 0},
        {"letters fold to upper case", "abc", "ABC", 0},
        {"folded z sorts before [", "z", "[", -1},
        {"shorter prefix first", "10", "100", -1},
        {"three-digit grid between 10 and 11", "100", "11", -1},
        {"zero padding orders numbers", "09", "10", -1},
        {"GBK order, not code point order: 阿 B0A2 before 王 CDF5", "阿", "王", -1},
        {"李 C0EE before 王 CDF5", "王", "李", 1},
        {"ASCII before Chinese", "Z", "阿", -1},
        {"empty first", "", "a", -1},
        {"score text", "72.75", "100.00", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        for (const int field : {0, 1, 15}) {
            const ResultRow a = RowWith(field, c.A);
            const ResultRow b = RowWith(field, c.B);
            EXPECT_EQ(Sign(CompareRows(a, b, field, true)), c.ExpectedSign) << field;
            EXPECT_EQ(Sign(CompareRows(a, b, field, false)), -c.ExpectedSign) << field;
        }
    }
}

TEST(CompareRows, ResultIsTheByteOrLengthDifference) {
    EXPECT_EQ(CompareRows(RowWith(2, "a"), RowWith(2, "C"), 2, true), 'A' - 'C');
    EXPECT_EQ(CompareRows(RowWith(2, "阿"), RowWith(2, "王"), 2, true), 0xB0 - 0xCD);
    EXPECT_EQ(CompareRows(RowWith(2, "王"), RowWith(2, "王明"), 2, false), 2);
}

TEST(CompareRows, ReadsOnlyTheChosenField) {
    ResultRow a = RowWith(9, "27");
    ResultRow b = RowWith(9, "08");
    a.Fields[0] = "a";
    b.Fields[0] = "b";
    EXPECT_GT(CompareRows(a, b, 9, true), 0);
    EXPECT_LT(CompareRows(a, b, 0, true), 0);
}

std::vector<std::string> FieldColumn(const std::vector<ResultRow>& rows, int field) {
    std::vector<std::string> texts;
    for (const auto& row : rows) {
        texts.push_back(row.Fields[static_cast<std::size_t>(field)]);
    }
    return texts;
}

TEST(SortRows, SortsEitherWayAndKeepsEqualRowsInTheirOrder) {
    std::vector<ResultRow> rows;
    for (const auto& [score, caption] : std::vector<std::pair<std::string, std::string>>{
             {"72.75", "王一"}, {"83.40", "王二"}, {"72.75", "王三"}, {"100.00", "王四"}, {"55.10", "王五"}}) {
        ResultRow row = RowWith(1, score);
        row.Fields[0] = caption;
        rows.push_back(row);
    }
    SortRows(rows, 1, false);
    EXPECT_EQ(FieldColumn(rows, 0), (std::vector<std::string>{"王二", "王一", "王三", "王五", "王四"}));
    SortRows(rows, 1, true);
    EXPECT_EQ(FieldColumn(rows, 1), (std::vector<std::string>{"100.00", "55.10", "72.75", "72.75", "83.40"}));
    EXPECT_EQ(FieldColumn(rows, 0)[2], "王一");
}

TEST(SortKeys, BoxItemsMapToTheirFields) {
    const auto texts = SortKeyTexts();
    const std::pair<std::string_view, int> expected[] = {
        {"姓名", 0},      {"天格", 5},         {"人格", 6},         {"地格", 7},
        {"外格", 8},      {"总格", 9},         {"格局评分", 1},     {"五行格局", 2},
        {"笔画总数[简]", 10}, {"笔画总数[繁]", 11}, {"第二个字部首", 12}, {"第三个字部首", 13}};
    for (std::size_t k = 0; k < SortKeyCount; ++k) {
        EXPECT_EQ(texts[k], expected[k].first) << k;
        EXPECT_EQ(SortKeyMap[k], expected[k].second) << k;
    }
}

}  // namespace
}  // namespace morvenda
