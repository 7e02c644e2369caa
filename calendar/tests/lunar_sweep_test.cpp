// Whole-range checks of the conversion: every day of 1901 … 2100 against an independent
// table of month starts, and the shape of the months of the years 1 … 1899.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/lunar.h"
#include "calendar/sexagenary.h"

namespace morvenda {
namespace {

struct MonthStart {
    int DayNumber;
    LunarDate First;
};

// The first days of all lunar months 1901 … 2100 as an independent calendar library gives them.
std::vector<MonthStart> LoadMonthStarts() {
    std::ifstream in(CALENDAR_MONTH_STARTS_FIXTURE);
    std::vector<MonthStart> starts;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        int year = 0, month = 0, day = 0, leap = 0;
        char dash = 0;
        MonthStart start{};
        fields >> year >> dash >> month >> dash >> day >> start.First.Year >> start.First.Month >>
            leap;
        start.DayNumber = DayNumber(year, month, day).value();
        start.First.Day = 1;
        start.First.IsLeap = leap != 0;
        starts.push_back(start);
    }
    return starts;
}

TEST(LunarCalendarSweep, EveryDayOf1901To2100MatchesTheOfficialMonthsAndComesBack) {
    std::vector<MonthStart> starts = LoadMonthStarts();
    ASSERT_GT(starts.size(), 2400U);
    // The official tables begin 九月 of 2057 on 28 September; the library says the 29th.
    auto september2057 = std::find_if(starts.begin(), starts.end(), [](const MonthStart& s) {
        return s.DayNumber == DayNumber(2057, 9, 29).value();
    });
    ASSERT_NE(september2057, starts.end());
    september2057->DayNumber = DayNumber(2057, 9, 28).value();

    auto month = starts.begin();
    int checked = 0;
    for (int n = DayNumber(1901, 1, 1).value(); n <= DayNumber(2100, 12, 31).value(); ++n) {
        int year = 0, mon = 0, day = 0;
        ASSERT_TRUE(DayNumberToDate(n, year, mon, day));
        LunarDate lunar;
        ASSERT_TRUE(SolarToLunar(year, mon, day, lunar)) << year << "-" << mon << "-" << day;

        while (month + 1 != starts.end() && (month + 1)->DayNumber <= n) {
            ++month;
        }
        if (month->DayNumber <= n) {
            LunarDate expected = month->First;
            expected.Day = n - month->DayNumber + 1;
            ASSERT_TRUE(lunar.Year == expected.Year && lunar.Month == expected.Month &&
                        lunar.Day == expected.Day && lunar.IsLeap == expected.IsLeap)
                << year << "-" << mon << "-" << day << " is " << lunar.Year << "/"
                << (lunar.IsLeap ? "闰" : "") << lunar.Month << "/" << lunar.Day << ", expected "
                << expected.Year << "/" << (expected.IsLeap ? "闰" : "") << expected.Month << "/"
                << expected.Day;
            ++checked;
        }

        int backYear = 0, backMonth = 0, backDay = 0;
        ASSERT_TRUE(LunarToSolar(lunar, backYear, backMonth, backDay))
            << year << "-" << mon << "-" << day;
        ASSERT_EQ(DayNumber(backYear, backMonth, backDay).value(), n)
            << year << "-" << mon << "-" << day;
    }
    EXPECT_GT(checked, 73000);
}

// The reigns from 9 and from 238 began the year a month earlier; the numbering jumps once
// when such a count starts and once when it ends.
constexpr int ReformYears[] = {9, 24, 238, 241};

bool NearReform(int year, int month) {
    return std::any_of(std::begin(ReformYears), std::end(ReformYears), [&](int reform) {
        return (year == reform - 1 && month == 12) || (year == reform && month <= 2);
    });
}

// Two 正月初一 fall in one solar year while the year began a month earlier, so the lunar year
// number, which is that solar year, does not tell them apart.
bool InShiftedReign(int year) {
    return (year >= 9 && year <= 24) || (year >= 238 && year <= 241);
}

TEST(LunarCalendarSweep, MonthsOfTheYears1To1899AreWellFormed) {
    struct Label {
        int Month = 0;
        int Day = 0;
        bool IsLeap = false;
    };
    Label previous;
    int reformJumps = 0;
    int leapMonthsThisYear = 0;
    std::vector<int> firstDays;
    for (int n = DayNumber(1, 1, 2).value(); n <= DayNumber(1899, 12, 31).value(); ++n) {
        int year = 0, month = 0, day = 0;
        ASSERT_TRUE(DayNumberToDate(n, year, month, day));
        Label label;
        ASSERT_TRUE(SolarToLunarMonthDay(year, month, day, label.Month, label.Day, label.IsLeap));
        if (previous.Month != 0) {
            bool wellFormed = false;
            if (label.Day != 1) {
                wellFormed = label.Day == previous.Day + 1 && label.Month == previous.Month &&
                             label.IsLeap == previous.IsLeap;
            } else {
                const bool lengthOk = previous.Day == 29 || previous.Day == 30;
                const bool next = !label.IsLeap && label.Month == previous.Month % 12 + 1;
                const bool leapAfterRegular =
                    label.IsLeap && !previous.IsLeap && label.Month == previous.Month;
                wellFormed = lengthOk && (next || leapAfterRegular);
                leapMonthsThisYear = label.Month == 1 && !label.IsLeap ? 0 : leapMonthsThisYear;
                leapMonthsThisYear += label.IsLeap ? 1 : 0;
                ASSERT_LE(leapMonthsThisYear, 1) << year << "-" << month << "-" << day;
                firstDays.push_back(n);
            }
            if (!wellFormed) {
                ASSERT_TRUE(NearReform(year, month)) << year << "-" << month << "-" << day;
                ++reformJumps;
            }
        }
        previous = label;
    }
    EXPECT_LE(reformJumps, 4);

    // First and last day of every month come back from the lunar date.
    for (std::size_t i = 0; i + 1 < firstDays.size(); ++i) {
        for (const int n : {firstDays[i], firstDays[i + 1] - 1}) {
            int year = 0, month = 0, day = 0;
            ASSERT_TRUE(DayNumberToDate(n, year, month, day));
            if (InShiftedReign(year)) {
                continue;
            }
            LunarDate lunar;
            ASSERT_TRUE(SolarToLunar(year, month, day, lunar));
            if (lunar.Year < 1) {
                continue;  // the search would start on a negative day number
            }
            int backYear = 0, backMonth = 0, backDay = 0;
            ASSERT_TRUE(LunarToSolar(lunar, backYear, backMonth, backDay))
                << year << "-" << month << "-" << day;
            ASSERT_EQ(DayNumber(backYear, backMonth, backDay).value(), n)
                << year << "-" << month << "-" << day;
        }
    }
}

TEST(LunarCalendarSweep, TheWinterSolsticeFallsIn11thMonthOutsideTheShiftedReigns) {
    for (int year = 1; year <= 1899; ++year) {
        if ((year >= 9 && year <= 23) || (year >= 238 && year <= 240)) {
            continue;  // those reigns numbered it 十二月
        }
        const int dayOfYear = static_cast<int>(std::floor(SolarTermDay(year, 24).value()));
        int y = 0, m = 0, d = 0;
        ASSERT_TRUE(DayNumberToDate(DayNumber(year, 1, 1).value() - 1 + dayOfYear, y, m, d));
        ASSERT_EQ(LunarMonthOf(y, m, d), 11) << y << "-" << m << "-" << d;
    }
}

}  // namespace
}  // namespace morvenda
