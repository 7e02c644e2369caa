#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/banded_report.h"
#include "results/detailed_list_report.h"
#include "results/listing_texts.h"
#include "results/row_sorting.h"
#include "results/simple_list_report.h"

namespace morvenda {
namespace {

std::vector<ResultRow> RowsNamed(const std::vector<std::string>& names) {
    std::vector<ResultRow> rows(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        rows[i].Fields[0] = names[i];
    }
    return rows;
}

std::string FieldZero(const ReportRecord& record) {
    return record.at(0);
}

TEST(PrintedPages, EveryPageCarriesItsBandsAndTheDetailBandsFillTheRest) {
    // Simple list: 297 − 2 × 10 mm printable, minus 15.9 header and 6.9 footer, leaves
    // 254.2 mm for 45 bands of 5.6 mm. Detailed list: 297 − 2 × 8 mm, minus 15.9, 5.3 and
    // 7.9, leaves 251.9 mm for 50 bands of 5.0 mm.
    struct Case {
        const char* List;
        const ReportLayout& Layout;
        int Records;
        int Pages;
    };
    const Case cases[] = {
        {"simple", SimpleListLayout(), 0, 1},      {"simple", SimpleListLayout(), 45, 1},
        {"simple", SimpleListLayout(), 46, 2},     {"simple", SimpleListLayout(), 203, 5},
        {"detailed", DetailedListLayout(), 0, 1},  {"detailed", DetailedListLayout(), 50, 1},
        {"detailed", DetailedListLayout(), 51, 2}, {"detailed", DetailedListLayout(), 2000, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.List) + " " + std::to_string(c.Records));
        EXPECT_EQ(PageCount(c.Layout, c.Layout.PrintableHeight(), c.Records), c.Pages);
    }
    EXPECT_EQ(RecordsPerPage(SimpleListLayout(), SimpleListLayout().PrintableHeight()), 45);
    EXPECT_EQ(RecordsPerPage(DetailedListLayout(), DetailedListLayout().PrintableHeight()), 50);
    // A landscape page is lower: 210 − 16 mm leaves 164.9 mm, 32 rows.
    EXPECT_EQ(PageCount(DetailedListLayout(), 194_mm, 2000), 63);
    EXPECT_EQ(RecordsPerPage(DetailedListLayout(), 20_mm), 1);
}

TEST(PrintedPages, EmptyListPrintsOnePageNumberedOneOfOne) {
    const auto records = DetailedListRecords({});
    EXPECT_TRUE(records.empty());
    const int pages = PageCount(DetailedListLayout(), DetailedListLayout().PrintableHeight(),
                                static_cast<int>(records.size()));
    EXPECT_EQ(PageNumberText(1, pages), "页码：1/1");
    EXPECT_EQ(PrintTimeText("2024/2/29 14:05:09"), "打印时间：2024/2/29 14:05:09");
}

TEST(MemoLines, SplitsAtLineBreaksAndAFinalBreakEndsTheLastLine) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"a\n\n", {"a", ""}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(MemoLines(text), lines) << text;
    }
}

TEST(SimpleList, NameLinesEndAtTheLastBlankLine) {
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{}, 0},
        {{" "}, 0},
        {{"a", " ", "b"}, 1},
        {{"a", "", "b", "\t \r", "c"}, 3},
        {{"a", " ", "b", " "}, 3},
        // The user deleted the blank line: every line is a name line.
        {{"a", "b", "查询共取得 2 个名字"}, 3},
        // A full-width space is text, not blank.
        {{"a", "　", "b"}, 3},
    };
    for (const auto& [lines, count] : cases) {
        EXPECT_EQ(NameLineCount(lines), count) << ::testing::PrintToString(lines);
    }
}

TEST(SimpleList, TwentyFiveNamesNumberTheirLinesOneElevenTwentyOne) {
    std::vector<std::string> names;
    for (int i = 0; i < 25; ++i) {
        names.push_back("王" + std::string(1, static_cast<char>('A' + i)));
    }
    const auto records = SimpleListRecords(TextListLines(RowsNamed(names), 25));

    const auto lineOf = [&](int first, int count) {
        std::string line;
        for (int i = first; i < first + count; ++i) {
            line += names[static_cast<std::size_t>(i)] + "    ";
        }
        return line;
    };
    std::vector<std::string> texts;
    for (const auto& record : records) {
        texts.push_back(FieldZero(record));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "   1   " + lineOf(0, 10),
                         "  11   " + lineOf(10, 10),
                         "  21   " + lineOf(20, 5),
                         " ",
                         "查询共取得 25 个名字",
                     }));
}

TEST(SimpleList, AMemoWithoutBlankLineNumbersEveryLine) {
    const std::vector<std::string> edited{"王A  王B  ", "王C  ", "查询共取得 3 个名字"};
    std::vector<std::string> texts;
    for (const auto& record : SimpleListRecords(edited)) {
        texts.push_back(FieldZero(record));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"   1   王A    王B    ", "  11   王C    ",
                                               "  21   查询共取得  3  个名字"}));
}

TEST(SimpleList, OrdinalsGrowPastFourDigits) {
    const std::vector<std::string> lines(1001, "x");
    const auto records = SimpleListRecords(lines);
    EXPECT_EQ(FieldZero(records[999]), "9991   x");
    EXPECT_EQ(FieldZero(records[1000]), "10001   x");
}

ResultRow DetailedRow(std::string name, std::string score, std::string simplifiedTotal,
                      std::string kangxiTotal) {
    ResultRow row;
    row.Fields = {name, score, "水火木土",      "07-08-12",  "08-09-13", "08",   "15",  "20",
                  "13", "27",  simplifiedTotal, kangxiTotal, "0003",     "0004", "123", "王"};
    return row;
}

TEST(DetailedList, ThirteenColumnsWithTotalsWithoutLeadingZeros) {
    const ReportRecord expected{"1",  "王小明", "72.75", "水火木土", "07-08-12", "27", "08-09-13",
                                "30", "08",     "15",    "20",       "13",       "27"};
    EXPECT_EQ(DetailedListRecord(DetailedRow("王小明", "72.75", "0027", "0030"), 0), expected);

    const std::pair<std::string, std::string> totals[] = {
        {"0027", "27"}, {"0000", "0"}, {"0112", "112"}, {"12345", "12345"}, {"", ""}};
    for (const auto& [padded, printed] : totals) {
        const ReportRecord record =
            DetailedListRecord(DetailedRow("王", "50.00", padded, padded), 4);
        EXPECT_EQ(record[0], "5");
        EXPECT_EQ(record[5], printed) << padded;
        EXPECT_EQ(record[7], printed) << padded;
    }
}

TEST(DetailedList, FollowsTheRowOrderAndNumbersInIt) {
    std::vector<ResultRow> rows{DetailedRow("王甲", "60.50", "0020", "0021"),
                                DetailedRow("王乙", "88.00", "0022", "0023"),
                                DetailedRow("王丙", "72.75", "0024", "0025")};
    SortRows(rows, 1, false);
    const auto records = DetailedListRecords(rows);
    ASSERT_EQ(records.size(), 3u);
    const std::pair<std::string, std::string> expected[] = {
        {"1", "王乙"}, {"2", "王丙"}, {"3", "王甲"}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i][0], expected[i].first);
        EXPECT_EQ(records[i][1], expected[i].second);
    }
}

}  // namespace
}  // namespace morvenda
