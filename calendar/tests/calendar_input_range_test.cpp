// Inputs outside what the calendar functions support: every one fails, or gives nothing, and
// leaves the outputs alone, instead of overflowing or answering for a date that does not exist.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "calendar/almanac.h"
#include "calendar/lunar.h"
#include "calendar/sexagenary.h"

namespace morvenda {
namespace {

struct Date {
    int Year, Month, Day;
};

std::string Describe(const Date& d) {
    return std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" + std::to_string(d.Day);
}

// Months and days out of range, the extremes of int, the skipped days of October 1582 and the
// years beyond the supported ones.
constexpr Date UnsupportedDates[] = {
    {2000, 13, 29},
    {2000, 0, 1},
    {2000, -1, 1},
    {2000, INT_MIN, 1},
    {2000, INT_MAX, 1},
    {2000, 1, 0},
    {2000, 1, 32},
    {2000, 1, 1000},
    {2000, 1, -1},
    {2000, 1, INT_MAX},
    {2000, 1, INT_MIN},
    {1582, 10, 5},
    {1582, 10, 10},
    {1582, 10, 14},
    {2101, 1, 1},
    {-850, 12, 31},
    {INT_MIN, 1, 1},
    {INT_MAX, 12, 31},
    {INT_MIN, INT_MIN, INT_MIN},
    {INT_MAX, INT_MAX, INT_MAX},
};

constexpr int UnsupportedHours[] = {24, 25, -1, -2, -23, INT_MIN, INT_MAX};

TEST(CalendarInputRange, DatesOutsideTheSupportedOnesGiveNothing) {
    for (const Date& d : UnsupportedDates) {
        SCOPED_TRACE(Describe(d));
        EXPECT_FALSE(IsSupportedDate(d.Year, d.Month, d.Day));
        EXPECT_FALSE(DayOfYear(d.Year, d.Month, d.Day).has_value());
        EXPECT_FALSE(DayNumber(d.Year, d.Month, d.Day).has_value());

        const LunarDayInfo lunarDay = LunarDayOf(d.Year, d.Month, d.Day);
        EXPECT_EQ(lunarDay.Day, -1);
        EXPECT_EQ(lunarDay.Phase, PhaseKind::None);
        EXPECT_EQ(LunarMonthOf(d.Year, d.Month, d.Day), 0);

        int month = 7, day = 8;
        bool leap = true;
        EXPECT_FALSE(SolarToLunarMonthDay(d.Year, d.Month, d.Day, month, day, leap));
        EXPECT_TRUE(month == 7 && day == 8 && leap);
        LunarDate lunar{1, 2, 3, true};
        EXPECT_FALSE(SolarToLunar(d.Year, d.Month, d.Day, lunar));
        EXPECT_TRUE(lunar.Year == 1 && lunar.Month == 2 && lunar.Day == 3 && lunar.IsLeap);

        EXPECT_FALSE(PillarDayCount(d.Year, d.Month, d.Day).has_value());
        EXPECT_EQ(DaySexagenary(d.Year, d.Month, d.Day), -1);
        EXPECT_FALSE(SolarMonthOf(d.Year, d.Month, d.Day, 12).has_value());
        EXPECT_EQ(MonthSexagenary(d.Year, d.Month, d.Day, 12), -1);
        EXPECT_EQ(HourSexagenary(d.Year, d.Month, d.Day, 12), -1);
        for (const int hour : {0, 12, 23}) {
            EXPECT_FALSE(ComputeFourPillars(d.Year, d.Month, d.Day, hour).has_value()) << hour;
        }
    }
}

TEST(CalendarInputRange, HoursOutsideTheDayGiveNothing) {
    for (const int hour : UnsupportedHours) {
        SCOPED_TRACE(hour);
        EXPECT_FALSE(SolarMonthOf(2009, 6, 23, hour).has_value());
        EXPECT_EQ(MonthSexagenary(2009, 6, 23, hour), -1);
        EXPECT_EQ(HourSexagenary(2009, 6, 23, hour), -1);
        EXPECT_FALSE(ComputeFourPillars(2009, 6, 23, hour).has_value());
    }
}

TEST(CalendarInputRange, TheSupportedEdgesStillConvert) {
    for (const Date& d : {Date{-849, 1, 1}, Date{2100, 12, 31}, Date{1582, 10, 4},
                          Date{1582, 10, 15}, Date{2009, 2, 31}, Date{2000, 1, 31}}) {
        SCOPED_TRACE(Describe(d));
        EXPECT_TRUE(IsSupportedDate(d.Year, d.Month, d.Day));
        EXPECT_TRUE(DayNumber(d.Year, d.Month, d.Day).has_value());
        LunarDate lunar;
        EXPECT_TRUE(SolarToLunar(d.Year, d.Month, d.Day, lunar));
        EXPECT_GE(lunar.Day, 1);
        EXPECT_TRUE(ComputeFourPillars(d.Year, d.Month, d.Day, 12).has_value());
    }
    // The day after the last supported one does not exist for the step at hour 23.
    EXPECT_FALSE(ComputeFourPillars(2100, 12, 31, 23).has_value());
    EXPECT_TRUE(ComputeFourPillars(2100, 12, 30, 23).has_value());
    // A day past the end of its month adds up, and converts as that day.
    LunarDate entered, addedUp;
    ASSERT_TRUE(SolarToLunar(2009, 2, 31, entered));
    ASSERT_TRUE(SolarToLunar(2009, 3, 3, addedUp));
    EXPECT_TRUE(entered.Month == addedUp.Month && entered.Day == addedUp.Day &&
                entered.IsLeap == addedUp.IsLeap);
}

TEST(CalendarInputRange, DayNumbersOutsideTheSupportedDaysFail) {
    for (const int n : {-1, INT_MIN, LastSupportedDayNumber + 1, 2147483456, INT_MAX}) {
        int year = 7, month = 8, day = 9;
        EXPECT_FALSE(DayNumberToDate(n, year, month, day)) << n;
        EXPECT_TRUE(year == 7 && month == 8 && day == 9) << n;
    }
    int year = 0, month = 0, day = 0;
    ASSERT_TRUE(DayNumberToDate(LastSupportedDayNumber, year, month, day));
    EXPECT_TRUE(year == 2100 && month == 12 && day == 31);
}

TEST(CalendarInputRange, LunarDatesOutsideTheSupportedOnesFail) {
    const LunarDate unsupported[] = {
        {2101, 1, 1, false},       {-850, 1, 1, false},       {INT_MAX, 1, 1, false},
        {INT_MIN, 1, 1, false},    {2009, 0, 1, false},       {2009, 13, 1, false},
        {2009, -5, 1, true},       {2009, INT_MIN, 1, false}, {2009, INT_MAX, 1, false},
        {2009, 1, 0, false},       {2009, 1, 31, false},      {2009, 1, INT_MAX, false},
        {2009, 1, INT_MIN, false}, {2100, 12, 2, false},  // 2101-01-01
    };
    for (const LunarDate& lunar : unsupported) {
        int year = 7, month = 8, day = 9;
        EXPECT_FALSE(LunarToSolar(lunar, year, month, day))
            << lunar.Year << "/" << lunar.Month << "/" << lunar.Day;
        EXPECT_TRUE(year == 7 && month == 8 && day == 9);
    }
}

TEST(CalendarInputRange, TermsOutsideTheYearsAndNumbersGiveNothing) {
    const int cases[][2] = {{2101, 3},  {-850, 3},  {INT_MIN, 3},    {INT_MAX, 3},
                            {2009, -1}, {2009, 26}, {2009, INT_MAX}, {2009, INT_MIN}};
    for (const auto& c : cases) {
        EXPECT_FALSE(SolarTermDay(c[0], c[1]).has_value()) << c[0] << " term " << c[1];
    }
    EXPECT_TRUE(SolarTermDay(2100, 25).has_value());
    EXPECT_TRUE(SolarTermDay(-849, 0).has_value());
}

TEST(CalendarInputRange, StarSignsOfMonthsAndDaysThatDoNotExistAreNone) {
    const int cases[][2] = {{0, 5}, {13, 1}, {-1, 1}, {INT_MIN, 1}, {INT_MAX, 1},
                            {1, 0}, {1, 32}, {1, -1}, {1, INT_MIN}, {1, INT_MAX}};
    for (const auto& c : cases) {
        EXPECT_EQ(StarSignOf(c[0], c[1]), -1) << c[0] << "-" << c[1];
    }
    EXPECT_EQ(StarSignName(-1), "");
}

// The cycle of years and the leap-year rule hold for every year number, without overflow.
TEST(CalendarInputRange, YearCyclesHoldForEveryYearNumber) {
    for (const int year : {INT_MIN, INT_MIN + 1, -1000000, 1000000, INT_MAX - 400}) {
        SCOPED_TRACE(year);
        const SexagenaryIndex index = YearSexagenary(year);
        EXPECT_TRUE(index >= 0 && index < 60);
        EXPECT_EQ(YearSexagenary(year + 60), index);
        EXPECT_EQ(YearBranch(year), index % 12);
        EXPECT_EQ(IsCalendarLeapYear(year + 400), IsCalendarLeapYear(year));
        EXPECT_GE(DaysInMonth(year, 2), 28);
    }
    EXPECT_EQ(DaysInMonth(2009, INT_MIN), 0);
    EXPECT_EQ(LeapCountOf(INT_MIN), -1);
    EXPECT_EQ(LeapCountOf(2101), -1);
    EXPECT_EQ(LeapMonthOf(INT_MAX), -1);
}

}  // namespace
}  // namespace morvenda
