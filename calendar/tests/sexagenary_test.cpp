#include "calendar/sexagenary.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calendar/almanac.h"
#include "calendar/lunar.h"

namespace morvenda {
namespace {

std::string PillarsText(const FourPillars& p) {
    return SexagenaryName(p.Year) + " " + SexagenaryName(p.Month) + " " + SexagenaryName(p.Day) +
           " " + SexagenaryName(p.Hour);
}

TEST(ComputeFourPillars, KnownBirthMoments) {
    struct Case {
        int year, month, day, hour;
        const char* pillars;
    };
    const Case cases[] = {
        {2009, 6, 23, 12, "己丑 庚午 己亥 庚午"},
        {1949, 10, 1, 12, "己丑 癸酉 甲子 庚午"},
        {2009, 12, 31, 23, "己丑 丙子 辛亥 戊子"},  // the next day's pillars, still before 立春
        {2010, 1, 1, 0, "己丑 丙子 辛亥 戊子"},
        {2009, 2, 3, 12, "戊子 乙丑 己卯 庚午"},  // before 立春: the pillar year 2008
        {2009, 2, 4, 0, "戊子 乙丑 庚辰 丙子"},   // 00:30, before 立春 at 00:50
        {2009, 2, 4, 1, "己丑 丙寅 庚辰 丁丑"},
        {2009, 2, 4, 12, "己丑 丙寅 庚辰 壬午"},
        {2009, 1, 20, 12, "戊子 乙丑 乙丑 壬午"},
        {2000, 1, 1, 0, "己卯 丙子 戊午 壬子"},
        // 1980's 立春 came at 00:09 on 5 February: hour 22 of the 4th is before it, and hour 23
        // is the next day's first hour, after it.
        {1980, 2, 4, 22, "己未 丁丑 丁未 辛亥"},
        {1980, 2, 4, 23, "庚申 戊寅 戊申 壬子"},
    };
    for (const Case& c : cases) {
        const std::optional<FourPillars> pillars =
            ComputeFourPillars(c.year, c.month, c.day, c.hour);
        ASSERT_TRUE(pillars.has_value());
        EXPECT_EQ(PillarsText(*pillars), c.pillars)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour;
    }
}

TEST(ComputeFourPillars, HourTwentyThreeOfADayThatDoesNotExistGivesNothing) {
    EXPECT_FALSE(ComputeFourPillars(2009, 2, 30, 23).has_value());
    EXPECT_FALSE(ComputeFourPillars(2009, 4, 31, 23).has_value());
    EXPECT_FALSE(ComputeFourPillars(2009, 13, 1, 23).has_value());
    EXPECT_FALSE(ComputeFourPillars(1582, 10, 10, 23).has_value());
    // Other hours take the date as the day of the year it adds up to.
    EXPECT_TRUE(ComputeFourPillars(2009, 2, 30, 22).has_value());
    EXPECT_EQ(ComputeFourPillars(2009, 2, 28, 23)->Day, DaySexagenary(2009, 3, 1));
    EXPECT_EQ(ComputeFourPillars(1582, 10, 4, 23)->Day, DaySexagenary(1582, 10, 15));
}

// Julian day number at noon of a Gregorian date, by the usual closed formula.
long JulianDayNumber(int year, int month, int day) {
    const int a = (14 - month) / 12;
    const long y = year + 4800 - a;
    const int m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

TEST(DaySexagenary, EveryDayOf1901To2100FollowsTheJulianDayCount) {
    for (int n = DayNumber(1901, 1, 1).value(); n <= DayNumber(2100, 12, 31).value(); ++n) {
        int year = 0, month = 0, day = 0;
        ASSERT_TRUE(DayNumberToDate(n, year, month, day));
        ASSERT_EQ(DaySexagenary(year, month, day), (JulianDayNumber(year, month, day) + 49) % 60)
            << year << "-" << month << "-" << day;
    }
}

TEST(DaySexagenary, KnownDays) {
    EXPECT_EQ(DaySexagenary(2000, 1, 1), 54);
    EXPECT_EQ(DaySexagenary(1949, 10, 1), 0);
    EXPECT_EQ(DaySexagenary(2009, 6, 23), 35);
    EXPECT_EQ(PillarDayCount(2000, 1, 1), 730122);
    // The cycle runs on across the reform: 1582-10-04 and 1582-10-15 are consecutive.
    EXPECT_EQ((DaySexagenary(1582, 10, 4) + 1) % 60, DaySexagenary(1582, 10, 15));
}

TEST(YearSexagenary, FollowsTheYearNumber) {
    EXPECT_EQ(YearSexagenary(1984), 0);
    EXPECT_EQ(YearSexagenary(2000), 16);
    EXPECT_EQ(YearSexagenary(2009), 25);
    EXPECT_EQ(YearSexagenary(-1), 56);
    EXPECT_EQ(YearSexagenary(0), 57);
    EXPECT_EQ(YearSexagenary(1), 57);
    EXPECT_EQ(YearBranch(2009), 1);
    EXPECT_EQ(YearBranch(-1), 8);
}

TEST(SolarTermDay, KnownTerms) {
    struct Case {
        int year, term;
        double day;
    };
    const Case cases[] = {{2009, 1, 5.55}, {2009, 3, 35.04}, {2009, 24, 356.08}, {2008, 1, 6.31}};
    for (const Case& c : cases) {
        EXPECT_NEAR(SolarTermDay(c.year, c.term).value(), c.day, 0.005) << c.year << " " << c.term;
    }
    // The years before 1 are counted one higher.
    EXPECT_DOUBLE_EQ(SolarTermDay(0, 5).value(), SolarTermDay(1, 5).value());
}

TEST(SolarMonthOf, ChangesAtTheMomentOfTheTerm) {
    // 2009's 节: 小寒 5 January 13:14, 立春 4 February 00:50, 惊蛰 5 March 18:47, 大雪 7 December
    // 07:52. The birth moment is the middle of the hour.
    struct Case {
        int year, month, day, hour, pillarYear, solarMonth;
    };
    const Case cases[] = {
        {2009, 1, 1, 0, 2008, 11},
        {2009, 1, 5, 12, 2008, 11},
        {2009, 1, 5, 13, 2008, 12},
        {2009, 2, 3, 23, 2008, 12},
        {2009, 2, 4, 0, 2008, 12},
        {2009, 2, 4, 1, 2009, 1},
        {2009, 3, 5, 18, 2009, 1},
        {2009, 3, 5, 19, 2009, 2},
        {2009, 12, 7, 7, 2009, 10},
        {2009, 12, 7, 8, 2009, 11},
        {2009, 12, 31, 23, 2009, 11},
        {2009, 2, 31, 12, 2009, 1},  // the day it adds up to, 3 March, is before 惊蛰
    };
    for (const Case& c : cases) {
        const SolarMonth month = SolarMonthOf(c.year, c.month, c.day, c.hour).value();
        EXPECT_EQ(month.PillarYear, c.pillarYear)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour;
        EXPECT_EQ(month.Month, c.solarMonth)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour;
    }
}

TEST(MonthSexagenary, FirstMonthStemFollowsTheStemOfThePillarYear) {
    struct Case {
        int year, month, day;
        const char* pillar;
    };
    // 寅 months at noon in the five kinds of year: 甲己 丙寅, 乙庚 戊寅, 丙辛 庚寅, 丁壬 壬寅, 戊癸
    // 甲寅.
    const Case cases[] =
        {
            {1984, 2, 20, "丙寅"}, {1985, 2, 20, "戊寅"}, {1986, 2, 20, "庚寅"},
            {1987, 2, 20, "壬寅"}, {1988, 2, 20, "甲寅"}, {2009, 2, 20, "丙寅"},
            {2009, 1, 20, "乙丑"},  // still the 丑 month of the 戊子 year
        };
    for (const Case& c : cases) {
        EXPECT_EQ(SexagenaryName(MonthSexagenary(c.year, c.month, c.day, 12)), c.pillar)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(HourSexagenary, BranchesOfTheHoursAndTheStemOfHour23) {
    EXPECT_EQ(HourSexagenary(2009, 6, 23, 23), 12);  // 丙子: the 庚子 day's 子 hour
    EXPECT_EQ(HourSexagenary(2009, 6, 23, 0), 0);    // 甲子 on a 己 day
    EXPECT_EQ(HourSexagenary(2009, 6, 23, 22) % 12, 11);
    EXPECT_EQ(HourSexagenary(2009, 6, 23, 1) % 12, 1);
    EXPECT_EQ(HourSexagenary(2009, 6, 23, 2) % 12, 1);
    EXPECT_EQ(HourSexagenary(2009, 6, 23, 3) % 12, 2);
}

TEST(MakeSexagenary, PairsOnlyStemsAndBranchesOfTheSameParity) {
    EXPECT_EQ(MakeSexagenary(0, 0), 0);
    EXPECT_EQ(MakeSexagenary(9, 11), 59);
    EXPECT_EQ(MakeSexagenary(5, 1), 25);
    EXPECT_EQ(MakeSexagenary(0, 1), -1);
    EXPECT_EQ(MakeSexagenary(10, 0), -1);
    EXPECT_EQ(MakeSexagenary(0, 12), -1);
    EXPECT_EQ(MakeSexagenary(-1, 1), -1);
}

TEST(SplitSexagenary, RoundTripsAndRejectsOutOfRange) {
    for (int index = 0; index < 60; ++index) {
        int stem = 0, branch = 0;
        ASSERT_TRUE(SplitSexagenary(index, stem, branch));
        ASSERT_EQ(MakeSexagenary(stem, branch), index);
    }
    int stem = 3, branch = 3;
    EXPECT_FALSE(SplitSexagenary(60, stem, branch));
    EXPECT_EQ(stem, -1);
    EXPECT_EQ(branch, -1);
    stem = branch = 3;
    EXPECT_FALSE(SplitSexagenary(-1, stem, branch));
    EXPECT_EQ(stem, -1);
}

}  // namespace
}  // namespace morvenda
