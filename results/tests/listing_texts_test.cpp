#include "results/listing_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvenda {
namespace {

std::vector<ResultRow> Named(int count) {
    std::vector<ResultRow> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        rows[static_cast<std::size_t>(i)].Fields[0] = "王" + std::to_string(i);
    }
    return rows;
}

std::string Line(int first, int count) {
    std::string line;
    for (int i = first; i < first + count; ++i) {
        line += "王" + std::to_string(i) + "  ";
    }
    return line;
}

TEST(TextList, TenNamesToALineThenTheSpaceAndCountLines) {
    struct Case {
        int Rows;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {0, {" ", "查询共取得 0 个名字"}},
        {1, {Line(0, 1), " ", "查询共取得 1 个名字"}},
        {20, {Line(0, 10), Line(10, 10), " ", "查询共取得 20 个名字"}},
        {25, {Line(0, 10), Line(10, 10), Line(20, 5), " ", "查询共取得 25 个名字"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rows);
        EXPECT_EQ(TextListLines(Named(c.Rows), c.Rows), c.Lines);
    }
}

TEST(TextList, CountLineTellsTheCandidateCountNotTheRows) {
    const auto lines = TextListLines(Named(3), 5);
    EXPECT_EQ(lines.back(), "查询共取得 5 个名字");
}

TEST(TextList, OneCharacterNamesKeepTheirTrailingSpace) {
    std::vector<ResultRow> rows(2);
    rows[0].Fields[0] = "王明 ";
    rows[1].Fields[0] = "王华 ";
    EXPECT_EQ(TextListLines(rows, 2).front(), "王明   王华   ");
}

TEST(Progress, ShowsEveryHundredRowsAGrowingStartOfTheMessage) {
    const std::pair<int, std::string> cases[] = {
        {0, ""},
        {100, "正在"},
        {200, "正在计算"},
        {700, "正在计算数据， 请稍等..."},
        {800, "正"},
        {1400, "正在计算数据， 请稍等.."},
        {1500, ""},
    };
    for (const auto& [row, text] : cases) {
        EXPECT_EQ(ProgressText(row), text) << row;
    }
    for (const int row : {0, 100, 1900}) EXPECT_TRUE(IsProgressRow(row)) << row;
    for (const int row : {1, 50, 99, 1999}) EXPECT_FALSE(IsProgressRow(row)) << row;
}

TEST(Progress, WholeMessageNeverShows) {
    for (int row = 0; row < 4000; row += ProgressRowInterval) {
        EXPECT_NE(ProgressText(row), "正在计算数据， 请稍等....") << row;
    }
}

TEST(ListingLabels, CountAndStatusTexts) {
    EXPECT_EQ(CountLabelText(0), "查询一共获得 0 个名字");
    EXPECT_EQ(CountLabelText(1234), "查询一共获得 1234 个名字");
    EXPECT_EQ(ListingDoneText, "双击网格标题栏进行排序，双击记录行可分析姓名");
}

}  // namespace
}  // namespace morvenda
