#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "calendar/lunar.h"
#include "calendar/sexagenary.h"

namespace morvenda {

void PrintTo(const LunarDate& date, std::ostream* os) {
    *os << date.Year << "/" << (date.IsLeap ? "闰" : "") << date.Month << "/" << date.Day;
}

bool operator==(const LunarDate& a, const LunarDate& b) {
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day && a.IsLeap == b.IsLeap;
}

namespace {

struct ConversionCase {
    int year, month, day;
    LunarDate lunar;
};

void ExpectConversions(const ConversionCase* begin, const ConversionCase* end) {
    for (const ConversionCase* c = begin; c != end; ++c) {
        LunarDate lunar;
        ASSERT_TRUE(SolarToLunar(c->year, c->month, c->day, lunar))
            << c->year << "-" << c->month << "-" << c->day;
        EXPECT_EQ(lunar, c->lunar) << c->year << "-" << c->month << "-" << c->day;
        int year = 0, month = 0, day = 0;
        ASSERT_TRUE(LunarToSolar(c->lunar, year, month, day))
            << c->year << "-" << c->month << "-" << c->day;
        EXPECT_EQ(year * 10000 + month * 100 + day, c->year * 10000 + c->month * 100 + c->day);
    }
}

TEST(SolarToLunar, NewYearsLeapMonthsAndMonthEnds) {
    const ConversionCase cases[] = {
        {2009, 1, 26, {2009, 1, 1, false}},  {2009, 1, 25, {2008, 12, 30, false}},
        {2009, 6, 23, {2009, 5, 1, true}},   {2009, 7, 21, {2009, 5, 29, true}},
        {2009, 7, 22, {2009, 6, 1, false}},  {2033, 12, 22, {2033, 11, 1, true}},
        {2034, 1, 20, {2033, 12, 1, false}}, {1949, 1, 1, {1948, 12, 3, false}},
        {1949, 10, 1, {1949, 8, 10, false}}, {1950, 1, 1, {1949, 11, 13, false}},
        {1984, 11, 23, {1984, 10, 1, true}}, {2014, 10, 24, {2014, 9, 1, true}},
        {2009, 3, 26, {2009, 2, 30, false}}, {2100, 12, 31, {2100, 12, 1, false}},
        {1901, 1, 1, {1900, 11, 11, false}},
    };
    ExpectConversions(std::begin(cases), std::end(cases));
}

// The days where the series misses the official first day of a month by one, and 2025, where
// it does not (the official 四月 of 2025 begins on 28 April and has 29 days).
TEST(SolarToLunar, MonthsTheSeriesPlacesOneDayOff) {
    const ConversionCase cases[] = {
        {1914, 11, 16, {1914, 9, 29, false}},  {1914, 11, 17, {1914, 10, 1, false}},
        {1914, 12, 16, {1914, 10, 30, false}}, {1914, 12, 17, {1914, 11, 1, false}},
        {1916, 2, 2, {1915, 12, 29, false}},   {1916, 2, 3, {1916, 1, 1, false}},
        {1916, 3, 3, {1916, 1, 30, false}},    {1916, 3, 4, {1916, 2, 1, false}},
        {1920, 11, 10, {1920, 10, 1, false}},  {1920, 12, 9, {1920, 10, 30, false}},
        {1920, 12, 10, {1920, 11, 1, false}},  {1924, 3, 5, {1924, 2, 1, false}},
        {1924, 4, 3, {1924, 2, 30, false}},    {1924, 4, 4, {1924, 3, 1, false}},
        {2018, 11, 7, {2018, 9, 30, false}},   {2018, 11, 8, {2018, 10, 1, false}},
        {2018, 12, 6, {2018, 10, 29, false}},  {2018, 12, 7, {2018, 11, 1, false}},
        {2025, 4, 7, {2025, 3, 10, false}},    {2025, 4, 26, {2025, 3, 29, false}},
        {2025, 4, 27, {2025, 3, 30, false}},   {2025, 4, 28, {2025, 4, 1, false}},
        {2025, 5, 26, {2025, 4, 29, false}},   {2025, 5, 27, {2025, 5, 1, false}},
        {2057, 9, 28, {2057, 9, 1, false}},
    };
    ExpectConversions(std::begin(cases), std::end(cases));
}

TEST(SolarToLunar, FailsOutsideTheSupportedYearsAndLeavesTheDateAlone) {
    const LunarDate untouched{1, 2, 3, true};
    LunarDate lunar = untouched;
    EXPECT_FALSE(SolarToLunar(2101, 1, 1, lunar));
    EXPECT_FALSE(SolarToLunar(-850, 6, 1, lunar));
    EXPECT_EQ(lunar, untouched);
    int month = 9, day = 9;
    bool leap = true;
    EXPECT_FALSE(SolarToLunarMonthDay(2101, 1, 1, month, day, leap));
    EXPECT_EQ(month, 9);
    EXPECT_EQ(day, 9);
    EXPECT_TRUE(leap);
}

TEST(LunarToSolar, FailsForDatesTheYearDoesNotHaveAndLeavesTheOutputsAlone) {
    const LunarDate impossible[] = {
        {2009, 4, 1, true},    // 2009's leap month is the fifth
        {2010, 1, 1, true},    // 2010 has no leap month
        {2025, 4, 30, false},  // 四月 of 2025 has 29 days
        {2009, 13, 1, false},
    };
    for (const LunarDate& date : impossible) {
        int year = 1, month = 2, day = 3;
        EXPECT_FALSE(LunarToSolar(date, year, month, day)) << testing::PrintToString(date);
        EXPECT_EQ(year * 10000 + month * 100 + day, 10203);
    }
}

TEST(LunarDayOf, MarksNewAndFullMoonWithTheirTimeOfDay) {
    const LunarDayInfo newMoon = LunarDayOf(2009, 7, 22);
    EXPECT_EQ(newMoon.Day, 1);
    EXPECT_EQ(newMoon.Phase, PhaseKind::NewMoon);
    EXPECT_NEAR(newMoon.Fraction, 0.44, 0.01);  // 10:35 in UTC+8

    const LunarDayInfo fullMoon = LunarDayOf(2009, 7, 7);
    EXPECT_EQ(fullMoon.Day, 15);
    EXPECT_EQ(fullMoon.Phase, PhaseKind::FullMoon);
    EXPECT_NEAR(fullMoon.Fraction, 0.72, 0.01);

    const LunarDayInfo ordinary = LunarDayOf(2009, 7, 8);
    EXPECT_EQ(ordinary.Day, 16);
    EXPECT_EQ(ordinary.Phase, PhaseKind::None);
    EXPECT_EQ(ordinary.Fraction, -1.0);
}

TEST(NumericHelpers, KeepTheSeriesSignConvention) {
    EXPECT_DOUBLE_EQ(FracPart(2.75), 0.75);
    EXPECT_DOUBLE_EQ(FracPart(0), 0);
    EXPECT_DOUBLE_EQ(FracPart(-1.25), -2.25);
    EXPECT_DOUBLE_EQ(RealMod(14, 12), 2);
    EXPECT_DOUBLE_EQ(MeanArgument(0, 1, 0, 0.5, 0.25, 0.125), 0.125);
}

TEST(LeapMonths, PublishedYearsAndTheRange) {
    EXPECT_EQ(LeapMonthOrZero(2009), 5);
    EXPECT_EQ(LeapMonthOrZero(2033), 11);
    EXPECT_EQ(LeapMonthOrZero(1984), 10);
    EXPECT_EQ(LeapMonthOrZero(2010), 0);
    EXPECT_EQ(LeapMonthOf(1900), 8);
    EXPECT_EQ(LeapMonthOf(0), 0);
    EXPECT_EQ(LeapMonthOf(2101), -1);
    EXPECT_EQ(LeapMonthOf(-850), -1);
    EXPECT_EQ(LeapMonthOrZero(2101), 0);
}

TEST(LeapMonths, RunningCountIsAnchoredAt1899) {
    struct Case {
        int year, count;
    };
    // 1200 and 1499 count only the leap months before them: an extra one for 1200 … 1499 would
    // number every month of those years one too low.
    const Case cases[] = {{-1, 311},    {0, 311},     {1, 311},     {1199, 752},
                          {1200, 753},  {1499, 863},  {1500, 863},  {1899, 1010},
                          {1949, 1029}, {2000, 1047}, {2009, 1051}, {2100, 1084}};
    for (const Case& c : cases) {
        EXPECT_EQ(LeapCountOf(c.year), c.count) << c.year;
    }
}

TEST(LunarMonthOf, NumbersTheSolsticeMonthEleventhThroughTheCenturiesOfTheOldCount) {
    // Counting one leap month too many in 1200 … 1499 made the 冬至 month 十月 there.
    for (int year = 1190; year <= 1510; ++year) {
        const int dayOfYear = static_cast<int>(std::floor(SolarTermDay(year, 24).value()));
        int y = 0, m = 0, d = 0;
        ASSERT_TRUE(DayNumberToDate(DayNumber(year, 1, 1).value() - 1 + dayOfYear, y, m, d));
        EXPECT_EQ(LunarMonthOf(y, m, d), 11) << y << "-" << m << "-" << d;
    }
}

TEST(LunarMonthOf, NewAndFullMoonDaysBeforeTheYear1KeepTheirMonth) {
    // Before the year 1 the series' phase fraction keeps its sign and runs far below zero, so
    // it cannot locate the month's start; the lunar day does. Each day here is a new or full
    // moon and belongs to the same month as the day after it.
    struct Case {
        int year, month, day, lunarMonth;
    };
    const Case cases[] = {
        {-849, 1, 5, 2}, {-849, 1, 20, 3}, {-848, 1, 24, 3}, {-3, 3, 13, 1},
        {-3, 3, 27, 2},  {-3, 6, 23, -4},  {-3, 7, 9, -4},   {-3, 8, 7, 5},
    };
    for (const Case& c : cases) {
        ASSERT_NE(LunarDayOf(c.year, c.month, c.day).Phase, PhaseKind::None)
            << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(LunarMonthOf(c.year, c.month, c.day), c.lunarMonth)
            << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(LunarMonthOf(c.year, c.month, c.day + 1), c.lunarMonth)
            << c.year << "-" << c.month << "-" << c.day + 1;
    }
}

TEST(CompareLunarDates, PutsTheLeapMonthAfterItsRegularMonthWhateverTheDays) {
    EXPECT_EQ(CompareLunarDates({2009, 5, 1, true}, {2009, 5, 29, false}), 1);
    EXPECT_EQ(CompareLunarDates({2009, 5, 29, false}, {2009, 5, 1, true}), -1);
    EXPECT_EQ(CompareLunarDates({2009, 5, 2, true}, {2009, 5, 1, true}), 1);
    EXPECT_EQ(CompareLunarDates({2009, 5, 1, true}, {2009, 5, 1, true}), 0);
    EXPECT_EQ(CompareLunarDates({2009, 6, 1, false}, {2009, 5, 29, true}), 1);
    EXPECT_EQ(CompareLunarDates({2008, 12, 30, false}, {2009, 1, 1, false}), -1);
}

}  // namespace
}  // namespace morvenda
