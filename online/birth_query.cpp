#include "online/birth_query.h"

#include "calendar/almanac.h"
#include "calendar/lunar.h"

namespace morvenda {
namespace {

std::string SolarDateText(int year, int month, int day) {
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

struct DateNumbers {
    std::optional<int> Year;
    std::optional<int> Month;
    std::optional<int> Day;
    std::optional<int> Hour;
};

DateNumbers ReadNumbers(QueryReader& reader, int lastDay) {
    DateNumbers numbers;
    numbers.Year = reader.Number(YearKey, "出生年份", FirstSupportedYear, LastSupportedYear);
    numbers.Month = reader.Number(MonthKey, "出生月份", 1, 12);
    numbers.Day = reader.Number(DayKey, "出生日", 1, lastDay);
    numbers.Hour = reader.Number(HourKey, "出生时辰（小时）", 0, 23);
    return numbers;
}

}  // namespace

std::optional<BirthFields> ReadSolarBirth(QueryReader& reader) {
    const DateNumbers n = ReadNumbers(reader, 31);
    if (!n.Year || !n.Month || !n.Day || !n.Hour) {
        return std::nullopt;
    }
    // The window adds an impossible day up into the next month; a page asked for one says so.
    if (*n.Day > DaysInMonth(*n.Year, *n.Month)) {
        reader.Add("公历" + std::to_string(*n.Year) + "年" + std::to_string(*n.Month) + "月只有 " +
                   std::to_string(DaysInMonth(*n.Year, *n.Month)) + " 天。");
        return std::nullopt;
    }
    if (!IsSupportedDate(*n.Year, *n.Month, *n.Day)) {
        reader.Add("公历没有" + SolarDateText(*n.Year, *n.Month, *n.Day) +
                   "：1582年10月5日至14日在历法改革时略去了。");
        return std::nullopt;
    }
    return BirthFields{*n.Year, *n.Month, *n.Day, *n.Hour};
}

std::optional<BirthFields> ReadLunarBirth(QueryReader& reader) {
    const DateNumbers n = ReadNumbers(reader, 30);
    if (!n.Year || !n.Month || !n.Day || !n.Hour) {
        return std::nullopt;
    }
    const LunarDate lunar{*n.Year, *n.Month, *n.Day, reader.Has(LeapKey)};
    BirthFields moment{0, 0, 0, *n.Hour};
    if (!LunarToSolar(lunar, moment.BirthYear, moment.BirthMonth, moment.BirthDay)) {
        reader.Add("农历" + std::to_string(lunar.Year) + "年没有" + (lunar.IsLeap ? "闰" : "") +
                   std::string(LunarMonthNames[lunar.Month - 1]) + LunarDayName(lunar.Day) + "。");
        return std::nullopt;
    }
    return moment;
}

std::optional<BirthChartTexts> ChartOfQueriedBirth(QueryReader& reader, const BirthFields& moment,
                                                   std::string_view familyText) {
    std::optional<BirthChartTexts> chart = ChartOfMoment(moment, familyText);
    if (!chart) {
        reader.Add("历法排不出" +
                   SolarDateText(moment.BirthYear, moment.BirthMonth, moment.BirthDay) + " " +
                   std::to_string(moment.BirthHour) + "时的八字：超出了历法所覆盖的日子。");
    }
    return chart;
}

}  // namespace morvenda
