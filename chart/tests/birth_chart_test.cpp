#include "chart/birth_chart.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "calendar/almanac.h"
#include "chart/season_advice.h"

namespace morvenda {
namespace {

constexpr CivilDate Today{2026, 12, 11};
constexpr BirthFields ProgramStart{};  // the fields before the first chart
constexpr int HourIndexNoon = 13;      // "12:00 - 12:59"
constexpr int HourIndexUnknown = 0;    // "未知"
constexpr int HourIndexLate = 24;      // "23:00 - 23:59"

BirthDateControls Solar(std::string year, std::string month, std::string day, int hourIndex) {
    BirthDateControls controls;
    controls.CalendarType = CalendarSolar;
    controls.YearText = std::move(year);
    controls.MonthText = std::move(month);
    controls.DayText = std::move(day);
    controls.DayIndex = 0;
    controls.HourIndex = hourIndex;
    controls.FamilyText = "王";
    return controls;
}

BirthDateControls Lunar(std::string year, std::string month, int dayIndex, int hourIndex) {
    BirthDateControls controls;
    controls.CalendarType = CalendarLunar;
    controls.YearText = std::move(year);
    controls.MonthText = std::move(month);
    controls.DayIndex = dayIndex;
    controls.HourIndex = hourIndex;
    controls.FamilyText = "王";
    return controls;
}

const BirthChartTexts& ChartOf(const BirthChartOutcome& outcome) {
    EXPECT_TRUE(outcome.Chart.has_value()) << outcome.ErrorMessage;
    static const BirthChartTexts none;
    return outcome.Chart ? *outcome.Chart : none;
}

using Row = std::array<std::string, 4>;

SexagenaryIndex IndexOfName(const std::string& name) {
    for (SexagenaryIndex index = 0; index < 60; ++index) {
        if (SexagenaryName(index) == name) {
            return index;
        }
    }
    return -1;
}

TEST(BirthChart, SolarMidsummerNoonGivesTheFullChart) {
    const auto outcome =
        ComputeBirthChart(Solar("2009", "06", "23", HourIndexNoon), ProgramStart, Today);
    EXPECT_EQ(outcome.Fields, (BirthFields{2009, 6, 23, 12}));
    EXPECT_TRUE(outcome.ErrorMessage.empty());
    const auto& chart = ChartOf(outcome);
    EXPECT_EQ(chart.Solar, (Row{"2009年", "6月", "23日", "12时"}));
    EXPECT_EQ(chart.Lunar, (Row{"己丑", "闰五月", "初一", "午时"}));
    EXPECT_EQ(chart.Pillars, (Row{"己丑", "庚午", "己亥", "庚午"}));
    EXPECT_EQ(chart.Elements, (Row{"土土", "金火", "土水", "金火"}));
    EXPECT_EQ(chart.HiddenElements, (Row{"土,土金水", "金,火土", "土,木水", "金,火土"}));
    EXPECT_EQ(chart.NaYin, (Row{"霹雷火", "路旁土", "平地木", "路旁土"}));
    EXPECT_EQ(chart.Zodiac, "牛");
    EXPECT_EQ(chart.StarSign, "巨蟹座");
    EXPECT_EQ(chart.Advice, "日主天干土，生于夏，喜有水、金，忌有木");
    EXPECT_EQ(chart.FamilyOrigin, "[王]姓的起源");
    EXPECT_EQ(chart.Personality, "性格分析");
}

TEST(BirthChart, LunarLeapMonthInputGivesTheSameChartAsItsSolarDay) {
    const auto lunar =
        ComputeBirthChart(Lunar("2009", "闰五月", 0, HourIndexNoon), ProgramStart, Today);
    const auto solar =
        ComputeBirthChart(Solar("2009", "06", "23", HourIndexNoon), ProgramStart, Today);
    EXPECT_EQ(lunar.Fields, solar.Fields);
    EXPECT_EQ(ChartLabelTexts(ChartOf(lunar)), ChartLabelTexts(ChartOf(solar)));
}

TEST(BirthChart, LateHourTakesThePillarsOfTheNextDayButNotItsDate) {
    const auto outcome =
        ComputeBirthChart(Solar("2009", "12", "31", HourIndexLate), ProgramStart, Today);
    EXPECT_EQ(outcome.Fields, (BirthFields{2009, 12, 31, 23}));
    const auto& chart = ChartOf(outcome);
    EXPECT_EQ(chart.Solar, (Row{"2009年", "12月", "31日", "23时"}));
    EXPECT_EQ(chart.Lunar, (Row{"己丑", "十一月", "十六", "子时"}));
    EXPECT_EQ(chart.Pillars, (Row{"己丑", "丙子", "辛亥", "戊子"}));
    EXPECT_EQ(chart.Zodiac, "牛");
    EXPECT_EQ(chart.StarSign, "摩羯座");
}

struct DateCase {
    const char* Name;
    std::string Year, Month, Day;
    int HourIndex;
    Row Lunar;
    std::string YearPillar, MonthPillar;
    std::string Zodiac;
    std::string SeasonOpening;  // how the advice begins after the day master
};

// Dates around the year's turning points: the lunar year, 立春 and the season all change on
// different days. The lunar row and the animal follow the lunar year, the pillars 立春.
TEST(BirthChart, TurningPointsOfTheYear) {
    const DateCase cases[] = {
        {"before 立春 after the lunar new year",
         "1990",
         "02",
         "03",
         HourIndexNoon,
         {"庚午", "正月", "初八", "午时"},
         "己巳",
         "丁丑",
         "马",
         "，生于冬，"},
        {"lunar twelfth month of the previous year",
         "2009",
         "01",
         "20",
         HourIndexNoon,
         {"戊子", "十二月", "廿五", "午时"},
         "戊子",
         "乙丑",
         "鼠",
         "，生于冬，"},
        {"new year's day in the eleventh lunar month",
         "2000",
         "01",
         "01",
         HourIndexNoon,
         {"己卯", "十一月", "廿五", "午时"},
         "己卯",
         "丙子",
         "兔",
         "，生于冬，"},
        {"half an hour before 立春 at 00:50",
         "2009",
         "02",
         "04",
         HourIndexNoon - 12,
         {"己丑", "正月", "初十", "子时"},
         "戊子",
         "乙丑",
         "牛",
         "，生于冬，"},
        {"half an hour after 立春 at 00:50",
         "2009",
         "02",
         "04",
         HourIndexNoon - 11,
         {"己丑", "正月", "初十", "丑时"},
         "己丑",
         "丙寅",
         "牛",
         "，生于冬，"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto outcome =
            ComputeBirthChart(Solar(c.Year, c.Month, c.Day, c.HourIndex), ProgramStart, Today);
        const auto& chart = ChartOf(outcome);
        EXPECT_EQ(chart.Lunar, c.Lunar);
        EXPECT_EQ(chart.Pillars[0], c.YearPillar);
        EXPECT_EQ(chart.Pillars[1], c.MonthPillar);
        // The year column of the element grid belongs to the same pillar.
        EXPECT_EQ(chart.Elements[0], PillarElementText(IndexOfName(c.YearPillar)));
        EXPECT_EQ(chart.NaYin[0], NaYinName(IndexOfName(c.YearPillar)));
        EXPECT_EQ(chart.Zodiac, c.Zodiac);
        EXPECT_NE(chart.Advice.find(c.SeasonOpening), std::string::npos) << chart.Advice;
    }
}

TEST(BirthChart, SeasonFollowsTheSolarMonthNotTheSolarTerms) {
    const auto february =
        ComputeBirthChart(Solar("2009", "02", "03", HourIndexNoon), ProgramStart, Today);
    const auto march =
        ComputeBirthChart(Solar("2009", "03", "01", HourIndexNoon), ProgramStart, Today);
    EXPECT_NE(ChartOf(february).Advice.find("生于冬"), std::string::npos);
    EXPECT_NE(ChartOf(march).Advice.find("生于春"), std::string::npos);
}

TEST(BirthChart, UnknownOrMissingHourIsChartedAsNoon) {
    const auto noon =
        ComputeBirthChart(Solar("2009", "06", "23", HourIndexNoon), ProgramStart, Today);
    for (const int hourIndex : {HourIndexUnknown, -1, HourIndexLate + 1}) {
        SCOPED_TRACE(hourIndex);
        const auto outcome =
            ComputeBirthChart(Solar("2009", "06", "23", hourIndex), ProgramStart, Today);
        EXPECT_EQ(outcome.Fields.BirthHour, 12);
        EXPECT_EQ(ChartOf(outcome).Solar[3], "12时");
        EXPECT_EQ(ChartOf(outcome).Pillars[3], ChartOf(noon).Pillars[3]);
    }
}

TEST(BirthChart, ImpossibleSolarDateIsChartedAsTheDayItAddsUpTo) {
    const auto outcome =
        ComputeBirthChart(Solar("2009", "02", "31", HourIndexNoon), ProgramStart, Today);
    const auto thirdOfMarch =
        ComputeBirthChart(Solar("2009", "03", "03", HourIndexNoon), ProgramStart, Today);
    EXPECT_EQ(outcome.Fields, (BirthFields{2009, 2, 31, 12}));
    const auto& chart = ChartOf(outcome);
    EXPECT_EQ(chart.Solar, (Row{"2009年", "2月", "31日", "12时"}));
    EXPECT_EQ(chart.Lunar, ChartOf(thirdOfMarch).Lunar);
    EXPECT_EQ(chart.Pillars, ChartOf(thirdOfMarch).Pillars);
    EXPECT_EQ(chart.StarSign, "双鱼座");
    EXPECT_NE(chart.Advice.find("生于冬"), std::string::npos);
}

TEST(BirthChart, ImpossibleSolarDateAtTheLateHourIsAnErrorNamingTheDate) {
    const auto outcome =
        ComputeBirthChart(Solar("2009", "02", "31", HourIndexLate), ProgramStart, Today);
    EXPECT_FALSE(outcome.Chart.has_value());
    EXPECT_NE(outcome.ErrorMessage.find("2009年2月31日"), std::string::npos)
        << outcome.ErrorMessage;
    // The fields are resolved before the chart fails, as the next run and the online test see them.
    EXPECT_EQ(outcome.Fields, (BirthFields{2009, 2, 31, 23}));
}

TEST(BirthChart, LunarDateTheYearLacksKeepsThePreviousMoment) {
    const BirthFields earlier{2009, 6, 23, 12};
    struct Case {
        const char* Name;
        BirthDateControls Controls;
    };
    const Case cases[] = {
        {"day 30 of a 29-day month", Lunar("2009", "三月", 29, HourIndexNoon)},
        {"no day selected", Lunar("2009", "三月", -1, HourIndexNoon)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ComputeBirthChart(c.Controls, earlier, Today).Fields, earlier);
        EXPECT_EQ(ComputeBirthChart(c.Controls, ProgramStart, Today).Fields,
                  (BirthFields{Today.Year, Today.Month, Today.Day, 12}));
    }
}

TEST(BirthChart, UnknownDateKeepsThePreviousMomentButTakesTheHour) {
    BirthDateControls controls = Solar("2009", "06", "23", HourIndexLate);
    controls.CalendarType = CalendarUnknown;
    const BirthFields earlier{2001, 3, 4, 5};
    EXPECT_EQ(ComputeBirthChart(controls, earlier, Today).Fields, (BirthFields{2001, 3, 4, 23}));
    EXPECT_EQ(ComputeBirthChart(controls, ProgramStart, Today).Fields,
              (BirthFields{Today.Year, Today.Month, Today.Day, 23}));
}

TEST(BirthChart, UnreadableOrOutOfRangeFieldsFallBack) {
    struct Case {
        std::string Year, Month, Day;
        BirthFields Expected;
    };
    const Case cases[] = {
        {"", "06", "23", {2009, 6, 23, 12}},  // no year: 2009
        {"2x09", "", "", {2009, 1, 1, 12}},   // unreadable: 2009, 1, 1
        {"1948", "06", "23", {Today.Year, 6, 23, 12}},
        {"2050", "06", "23", {Today.Year, 6, 23, 12}},
        {"1949", "13", "32", {1949, Today.Month, Today.Day, 12}},
        {"2049", "00", "00", {2049, Today.Month, Today.Day, 12}},
        {"2009", "-1", "+5", {2009, Today.Month, 5, 12}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Year + "-" + c.Month + "-" + c.Day);
        EXPECT_EQ(
            ComputeBirthChart(Solar(c.Year, c.Month, c.Day, HourIndexUnknown), ProgramStart, Today)
                .Fields,
            c.Expected);
    }
}

TEST(BirthChart, OriginLinkNamesTheFamilyAsTyped) {
    for (const std::string typed : {"欧阳", " 王 "}) {
        BirthDateControls controls = Solar("2009", "06", "23", HourIndexNoon);
        controls.FamilyText = typed;
        EXPECT_EQ(ChartOf(ComputeBirthChart(controls, ProgramStart, Today)).FamilyOrigin,
                  "[" + typed + "]姓的起源");
    }
}

TEST(BirthChart, AMomentIsChartedOverTheCalendarsYearsWithoutFallbacks) {
    const auto early = ChartOfMoment({1900, 1, 31, 6}, "王");
    ASSERT_TRUE(early);
    EXPECT_EQ(early->Solar, (Row{"1900年", "1月", "31日", "6时"}));
    EXPECT_EQ(early->Lunar[0], "庚子");  // 正月初一 of 1900 is that very day
    EXPECT_EQ(early->Zodiac, "鼠");

    const auto window =
        ComputeBirthChart(Solar("2009", "06", "23", HourIndexNoon), ProgramStart, Today);
    const auto moment = ChartOfMoment(window.Fields, "王");
    ASSERT_TRUE(moment);
    EXPECT_EQ(ChartLabelTexts(*moment), ChartLabelTexts(ChartOf(window)));

    EXPECT_FALSE(ChartOfMoment({2100, 12, 31, 23}, ""));  // no next day for the late hour
    EXPECT_FALSE(ChartOfMoment({2009, 6, 23, 24}, ""));
    EXPECT_FALSE(ChartOfMoment({1582, 10, 10, 12}, ""));
    EXPECT_FALSE(ChartOfMoment({3000, 1, 1, 12}, ""));
}

TEST(SeasonAdvice, EveryElementHasAdviceInEverySeason) {
    for (const char* element : {"金", "木", "水", "火", "土"}) {
        for (int month = 1; month <= 12; ++month) {
            EXPECT_FALSE(SeasonAdvice(element, SeasonOfMonth(month)).empty()) << element << month;
        }
    }
    EXPECT_EQ(SeasonAdvice("水", "秋"), "必须有金相助，忌土、金、水多，喜木、火");
    EXPECT_TRUE(SeasonAdvice("水", "").empty());
    EXPECT_TRUE(SeasonAdvice("", "秋").empty());
    EXPECT_TRUE(SeasonOfMonth(0).empty());
}

TEST(SeasonAdvice, MonthsGroupIntoSeasonsWithWinterAcrossTheNewYear) {
    const std::array<std::string_view, 12> expected{"冬", "冬", "春", "春", "春", "夏",
                                                    "夏", "夏", "秋", "秋", "秋", "冬"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(SeasonOfMonth(month), expected[month - 1]) << month;
    }
}

}  // namespace
}  // namespace morvenda
