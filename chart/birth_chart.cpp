#include "chart/birth_chart.h"

#include "calendar/almanac.h"
#include "calendar/lunar.h"
#include "calendar/sexagenary.h"
#include "chart/birth_date_lists.h"
#include "chart/season_advice.h"

namespace morvenda {
namespace {

// What an unreadable year text stands for; an unreadable solar month or day stands for 1.
constexpr int FallbackYear = 2009;
constexpr int FallbackMonthOrDay = 1;
// An hour outside the day, "未知" among them, is charted as noon.
constexpr int UnknownHour = 12;

constexpr std::string_view LeapMark = "闰";

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// The date controls resolved into the solar birth moment, before the range fix.
BirthFields ReadControls(const BirthDateControls& controls, const BirthFields& previous) {
    BirthFields fields = previous;
    fields.BirthHour = controls.HourIndex - 1;
    const int year = ParseListNumber(controls.YearText).value_or(FallbackYear);
    if (controls.CalendarType == CalendarSolar) {
        fields.BirthYear = year;
        fields.BirthMonth = ParseListNumber(controls.MonthText).value_or(FallbackMonthOrDay);
        fields.BirthDay = ParseListNumber(controls.DayText).value_or(FallbackMonthOrDay);
    } else if (controls.CalendarType == CalendarLunar) {
        const LunarDate lunar{year, LunarMonthNumber(controls.MonthText), controls.DayIndex + 1,
                              controls.MonthText.find(LeapMark) != std::string::npos};
        // A lunar date the year does not have keeps the previous moment.
        LunarToSolar(lunar, fields.BirthYear, fields.BirthMonth, fields.BirthDay);
    }
    return fields;
}

// Fields the chart cannot show fall back to today, and an unknown hour to noon.
BirthFields FixRanges(BirthFields fields, const CivilDate& today) {
    if (!InRange(fields.BirthYear, 1949, 2049))
        fields.BirthYear = today.Year;
    if (!InRange(fields.BirthMonth, 1, 12))
        fields.BirthMonth = today.Month;
    if (!InRange(fields.BirthDay, 1, 31))
        fields.BirthDay = today.Day;
    if (!InRange(fields.BirthHour, 0, 23))
        fields.BirthHour = UnknownHour;
    return fields;
}

std::string BranchNameOf(SexagenaryIndex index) {
    int stem = -1;
    int branch = -1;
    if (!SplitSexagenary(index, stem, branch)) {
        return {};
    }
    return std::string(BranchNames[branch]);
}

std::string LunarMonthText(const LunarDate& lunar) {
    if (!InRange(lunar.Month, 1, 12)) {
        return {};
    }
    const std::string name(LunarMonthNames[lunar.Month - 1]);
    return lunar.IsLeap ? std::string(LeapMark) + name : name;
}

std::string DateText(const BirthFields& fields) {
    return std::to_string(fields.BirthYear) + "年" + std::to_string(fields.BirthMonth) + "月" +
           std::to_string(fields.BirthDay) + "日";
}

BirthChartTexts ChartTexts(const BirthFields& fields, const LunarDate& lunar,
                           const FourPillars& pillars, std::string_view familyText) {
    BirthChartTexts chart;
    chart.Solar = {std::to_string(fields.BirthYear) + "年",
                   std::to_string(fields.BirthMonth) + "月", std::to_string(fields.BirthDay) + "日",
                   std::to_string(fields.BirthHour) + "时"};
    // The lunar date names its own year, which begins at 正月初一; the year pillar turns at 立春.
    chart.Lunar = {SexagenaryName(YearSexagenary(lunar.Year)), LunarMonthText(lunar),
                   LunarDayName(lunar.Day), BranchNameOf(pillars.Hour) + "时"};
    const std::array<SexagenaryIndex, 4> columns{pillars.Year, pillars.Month, pillars.Day,
                                                 pillars.Hour};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        chart.Pillars[c] = SexagenaryName(columns[c]);
        chart.Elements[c] = PillarElementText(columns[c]);
        chart.HiddenElements[c] = PillarHiddenElementText(columns[c]);
        chart.NaYin[c] = NaYinName(columns[c]);
    }
    // The animal of everyday use, that of the lunar year the row beside it shows.
    chart.Zodiac = ZodiacName(YearBranch(lunar.Year));
    chart.StarSign = StarSignName(StarSignOf(fields.BirthMonth, fields.BirthDay)) + "座";

    int dayStem = -1;
    int dayBranch = -1;
    SplitSexagenary(pillars.Day, dayStem, dayBranch);
    const std::string dayMaster = CalendarElementName(StemElement(dayStem));
    const std::string_view season = SeasonOfMonth(fields.BirthMonth);
    chart.Advice = "日主天干" + dayMaster + "，生于" + std::string(season) + "，" +
                   std::string(SeasonAdvice(dayMaster, season));

    chart.FamilyOrigin = "[" + std::string(familyText) + "]姓的起源";
    chart.Personality = "性格分析";
    return chart;
}

}  // namespace

std::optional<BirthChartTexts> ChartOfMoment(const BirthFields& moment,
                                             std::string_view familyText) {
    // An impossible solar date such as 2月31日 has its lunar date taken from the day it adds up
    // to; only the step to the next day at hour 23 finds no such day.
    LunarDate lunar;
    if (!SolarToLunar(moment.BirthYear, moment.BirthMonth, moment.BirthDay, lunar)) {
        return std::nullopt;
    }
    const auto pillars =
        ComputeFourPillars(moment.BirthYear, moment.BirthMonth, moment.BirthDay, moment.BirthHour);
    if (!pillars) {
        return std::nullopt;
    }
    return ChartTexts(moment, lunar, *pillars, familyText);
}

BirthChartOutcome ComputeBirthChart(const BirthDateControls& controls, const BirthFields& previous,
                                    const CivilDate& today) {
    BirthChartOutcome outcome;
    outcome.Fields = FixRanges(ReadControls(controls, previous), today);
    outcome.Chart = ChartOfMoment(outcome.Fields, controls.FamilyText);
    if (!outcome.Chart) {
        outcome.ErrorMessage = "无效的日期：" + DateText(outcome.Fields);
    }
    return outcome;
}

}  // namespace morvenda
