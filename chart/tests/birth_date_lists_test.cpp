#include "chart/birth_date_lists.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace morvenda {
namespace {

TEST(BirthDateLists, HourItemsStartWithUnknownThenOneItemPerHour) {
    const auto items = HourItems();
    ASSERT_EQ(items.size(), 25u);
    EXPECT_EQ(items[0], "未知");
    EXPECT_EQ(items[1], "00:00 - 00:59");
    EXPECT_EQ(items[13], "12:00 - 12:59");
    EXPECT_EQ(items[24], "23:00 - 23:59");
}

TEST(BirthDateLists, YearItemsAndTheirIndices) {
    const auto items = YearItems();
    ASSERT_EQ(items.size(), 91u);
    EXPECT_EQ(items.front(), "1949");
    EXPECT_EQ(items.back(), "2039");
    const std::pair<int, int> cases[] = {{1948, -1}, {1949, 0}, {2009, 60}, {2039, 90}, {2040, -1}};
    for (const auto& [year, index] : cases) {
        EXPECT_EQ(YearItemIndex(year), index) << year;
        if (index >= 0) {
            EXPECT_EQ(items[static_cast<std::size_t>(index)], std::to_string(year));
        }
    }
}

TEST(BirthDateLists, SolarListsArePaddedNumbersWithThirtyOneDaysAlways) {
    const auto months = SolarMonthItems();
    const auto days = SolarDayItems();
    ASSERT_EQ(months.size(), 12u);
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(months.front(), "01");
    EXPECT_EQ(months.back(), "12");
    EXPECT_EQ(days.front(), "01");
    EXPECT_EQ(days[8], "09");
    EXPECT_EQ(days.back(), "31");
}

TEST(BirthDateLists, LunarMonthsInsertTheLeapMonthAfterTheMonthItRepeats) {
    const std::vector<std::string> twelve{"正月", "二月", "三月", "四月", "五月", "六月",
                                          "七月", "八月", "九月", "十月", "十一月", "十二月"};
    struct Case {
        int Year;
        int LeapAfter;  // 0: no leap month
    };
    for (const Case c : {Case{2009, 5}, Case{2010, 0}, Case{2033, 11}, Case{1984, 10}, Case{2012, 4}}) {
        SCOPED_TRACE(c.Year);
        std::vector<std::string> expected = twelve;
        if (c.LeapAfter != 0) {
            expected.insert(expected.begin() + c.LeapAfter, "闰" + twelve[static_cast<std::size_t>(c.LeapAfter - 1)]);
        }
        EXPECT_EQ(LunarMonthItems(c.Year), expected);
    }
}

TEST(BirthDateLists, LunarDaysAreNamedFromTheFirstToTheThirtieth) {
    const auto days = LunarDayItems();
    ASSERT_EQ(days.size(), 30u);
    EXPECT_EQ(days[0], "初一");
    EXPECT_EQ(days[9], "初十");
    EXPECT_EQ(days[20], "廿一");
    EXPECT_EQ(days[29], "三十");
}

TEST(BirthDateLists, ListNumbersAreReadOnlyWhenTheWholeTextIsANumber) {
    const std::pair<std::string, std::optional<int>> cases[] = {
        {"2009", 2009}, {"06", 6},          {"+5", 5},           {"-1", -1},
        {"", std::nullopt}, {" 2009", std::nullopt}, {"2009 ", std::nullopt},
        {"20a9", std::nullopt}, {"+-1", std::nullopt}, {"+", std::nullopt},
        {"99999999999", std::nullopt}, {"闰五月", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseListNumber(text), expected) << '"' << text << '"';
    }
}

TEST(BirthDateLists, InvalidNumberMessageNamesTheText) {
    EXPECT_NE(InvalidNumberMessage("abc").find("abc"), std::string::npos);
}

}  // namespace
}  // namespace morvenda
