#include <gtest/gtest.h>

#include "calendar/lunar.h"

namespace morvenda {
namespace {

TEST(CalendarKindOf, SwitchesToGregorianAfterTheTenSkippedDays) {
    struct Case {
        int year, month, day;
        CalendarKind kind;
    };
    const Case cases[] = {
        {1582, 10, 4, CalendarKind::Julian},   {1582, 10, 5, CalendarKind::Gap},
        {1582, 10, 14, CalendarKind::Gap},     {1582, 10, 15, CalendarKind::Gregorian},
        {1582, 9, 30, CalendarKind::Julian},   {1581, 12, 31, CalendarKind::Julian},
        {1583, 1, 1, CalendarKind::Gregorian}, {-100, 6, 1, CalendarKind::Julian},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarKindOf(c.year, c.month, c.day), c.kind)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(IsCalendarLeapYear, FollowsEachCalendarsRule) {
    struct Case {
        int year;
        bool leap;
    };
    const Case cases[] = {{1500, true}, {1582, false}, {1600, true}, {1700, false},
                          {2000, true}, {1900, false}, {0, true},    {-1, true},
                          {-4, false},  {-5, true},    {4, true},    {100, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsCalendarLeapYear(c.year), c.leap) << c.year;
    }
}

TEST(DaysInMonth, GivesZeroForMonthsThatDoNotExist) {
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(1582, 10), 31);
    EXPECT_EQ(DaysInMonth(2009, 4), 30);
    EXPECT_EQ(DaysInMonth(2009, 0), 0);
    EXPECT_EQ(DaysInMonth(2009, 13), 0);
    EXPECT_EQ(DaysInMonth(2009, -1), 0);
}

TEST(DayOfYear, CountsFromTheFirstOfJanuary) {
    EXPECT_EQ(DayOfYear(2009, 1, 1), 1);
    EXPECT_EQ(DayOfYear(2009, 12, 31), 365);
    EXPECT_EQ(DayOfYear(2008, 12, 31), 366);
    EXPECT_EQ(DayOfYear(2009, 3, 1), 60);
    // A day past the end of its month adds up.
    EXPECT_EQ(DayOfYear(2009, 2, 31), DayOfYear(2009, 3, 3));
    EXPECT_EQ(DayOfYear(2009, 4, 31), DayOfYear(2009, 5, 1));
}

TEST(DayNumber, RunsOnAcrossTheReform) {
    struct Case {
        int year, month, day, number;
    };
    const Case cases[] = {
        {1582, 10, 4, 577735},  {1582, 10, 15, 577736},
        {2000, 1, 1, 730120},   {1950, 1, 1, 711858},
        {1, 1, 1, -1},          {1, 1, 3, 1},
        {-849, 1, 21, -310443}, {2100, 12, 31, LastSupportedDayNumber},
        {2009, 2, 31, 733469},  // 2009-03-03
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayNumber(c.year, c.month, c.day), c.number)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(DayNumberToDate, InvertsDayNumberOnBothSidesOfTheReform) {
    // Julian dates late in a century year once came back a day early.
    int year = 0, month = 0, day = 0;
    for (int n = 0; n <= LastSupportedDayNumber; ++n) {
        ASSERT_TRUE(DayNumberToDate(n, year, month, day)) << n;
        ASSERT_EQ(DayNumber(year, month, day), n) << year << "-" << month << "-" << day;
    }
}

TEST(DayNumberToDate, KnownDays) {
    struct Case {
        int number, year, month, day;
    };
    const Case cases[] = {{730120, 2000, 1, 1},   {711858, 1950, 1, 1}, {577735, 1582, 10, 4},
                          {577736, 1582, 10, 15}, {1, 1, 1, 3},         {0, 1, 1, 2},
                          {36500, 100, 12, 8}};
    for (const Case& c : cases) {
        int year = 0, month = 0, day = 0;
        ASSERT_TRUE(DayNumberToDate(c.number, year, month, day)) << c.number;
        EXPECT_EQ(year, c.year) << c.number;
        EXPECT_EQ(month, c.month) << c.number;
        EXPECT_EQ(day, c.day) << c.number;
    }
}

TEST(CompareSolarDates, OrdersByYearMonthDay) {
    EXPECT_EQ(CompareSolarDates({2009, 1, 2}, {2009, 1, 1}), 1);
    EXPECT_EQ(CompareSolarDates({2009, 1, 1}, {2009, 1, 1}), 0);
    EXPECT_EQ(CompareSolarDates({2008, 12, 31}, {2009, 1, 1}), -1);
    EXPECT_EQ(CompareSolarDates({2009, 2, 1}, {2009, 1, 31}), 1);
}

}  // namespace
}  // namespace morvenda
