#include "online/calendar_page.h"

#include <array>

#include "calendar/almanac.h"
#include "online/calendar_days.h"
#include "online/page_parts.h"
#include "online/query_reader.h"
#include "online/site_addresses.h"
#include "online/site_document.h"
#include "online/solar_terms_page.h"

namespace morvenda {
namespace {

struct Month {
    int Year = 0;
    int Number = 0;
};

int Index(const Month& month) {
    return month.Year * 12 + month.Number - 1;
}

Month MonthOfIndex(int index) {
    return {index / 12, index % 12 + 1};
}

bool IsPageMonth(const Month& month) {
    return IsCalendarPageYear(month.Year);
}

// Today's month, or the nearest end of the range when the clock lies outside it.
Month DefaultMonth(const SolarDate& today) {
    if (today.Year < FirstCalendarPageYear) {
        return {FirstCalendarPageYear, 1};
    }
    if (today.Year > LastCalendarPageYear) {
        return {LastCalendarPageYear, 12};
    }
    return {today.Year, today.Month};
}

std::string MonthText(const Month& month) {
    return std::to_string(month.Year) + "年" + std::to_string(month.Number) + "月";
}

std::string MonthStep(const Month& to, const std::string& before, const std::string& after) {
    return StepLink(IsPageMonth(to), CalendarPageAddress(to.Year, to.Number),
                    before + MonthText(to) + after);
}

std::string Pager(const Month& month) {
    const int index = Index(month);
    return "<p class=\"pager\">" + MonthStep(MonthOfIndex(index - 12), "« ", "") + " " +
           MonthStep(MonthOfIndex(index - 1), "‹ ", "") + " <strong>" + MonthText(month) +
           "</strong> " + MonthStep(MonthOfIndex(index + 1), "", " ›") + " " +
           MonthStep(MonthOfIndex(index + 12), "", " »") + "</p>\n";
}

std::string Picker(const Month& month) {
    std::string form = "<form method=\"get\" action=\"" +
                       HtmlEscaped(std::string(FortuneBase) + "yuce/wnl.asp") +
                       "\">\n<label>年份 <select name=\"year\">";
    form += NumberOptions(FirstCalendarPageYear, LastCalendarPageYear, month.Year);
    form += "</select></label>\n<label>月份 <select name=\"month\">";
    form += NumberOptions(1, 12, month.Number);
    form += "</select></label>\n<button type=\"submit\">查看</button>\n</form>\n";
    return form;
}

std::string LunarMonthName(const LunarDate& lunar) {
    return (lunar.IsLeap ? "闰" : "") + std::string(LunarMonthNames.at(lunar.Month - 1));
}

// The lunar year (干支 and animal) a day belongs to.
std::string LunarYearText(const SolarDate& date) {
    LunarDate lunar;
    if (!SolarToLunar(date.Year, date.Month, date.Day, lunar)) {
        return {};
    }
    return SexagenaryName(YearSexagenary(lunar.Year)) + "年（" +
           ZodiacName(YearBranch(lunar.Year)) + "）";
}

std::string Heading(const Month& month) {
    const std::string first = LunarYearText({month.Year, month.Number, 1});
    const std::string last =
        LunarYearText({month.Year, month.Number, DaysInMonth(month.Year, month.Number)});
    return "<h2>" + MonthText(month) + " · 农历" + HtmlEscaped(first) +
           (last == first ? "" : " — " + HtmlEscaped(last)) + "</h2>\n";
}

std::string DayCell(const SolarDate& date, const SolarDate& today,
                    const std::array<SolarTermDate, 24>& terms) {
    LunarDate lunar;
    const bool known =
        SolarToLunarMonthDay(date.Year, date.Month, date.Day, lunar.Month, lunar.Day, lunar.IsLeap);
    const bool isToday = IsSameDay(date, today);
    std::string cell = isToday ? "<td class=\"today\" title=\"今天\">" : "<td>";
    cell += "<span class=\"solar\">" + std::to_string(date.Day) + "</span>";
    if (known && lunar.Day == 1) {
        cell += "<span class=\"lunar first\">" + HtmlEscaped(LunarMonthName(lunar)) + "</span>";
    } else if (known) {
        cell += "<span class=\"lunar\">" + HtmlEscaped(LunarDayName(lunar.Day)) + "</span>";
    }
    for (const SolarTermDate& term : terms) {
        if (IsSameDay(term.Date, date)) {
            cell += "<span class=\"term\">" +
                    HtmlEscaped(std::string(SolarTermNames.at(term.Term - 1))) + "</span>";
        }
    }
    return cell + "</td>";
}

std::string Grid(const Month& month, const SolarDate& today) {
    const std::array<SolarTermDate, 24> terms = SolarTermDatesOf(month.Year);
    std::string grid = "<table class=\"month\">\n<tr>";
    for (int weekday = 0; weekday < 7; ++weekday) {
        grid += std::string(weekday >= 5 ? "<th class=\"weekend\">" : "<th>") +
                std::string(WeekdayName(weekday)) + "</th>";
    }
    grid += "</tr>\n<tr>";
    const int lead = WeekdayOf({month.Year, month.Number, 1});
    for (int blank = 0; blank < lead; ++blank) {
        grid += "<td class=\"blank\"></td>";
    }
    const int days = DaysInMonth(month.Year, month.Number);
    for (int day = 1; day <= days; ++day) {
        const int column = (lead + day - 1) % 7;
        if (column == 0 && day > 1) {
            grid += "</tr>\n<tr>";
        }
        grid += DayCell({month.Year, month.Number, day}, today, terms);
    }
    for (int blank = (7 - (lead + days) % 7) % 7; blank > 0; --blank) {
        grid += "<td class=\"blank\"></td>";
    }
    return grid + "</tr>\n</table>\n";
}

std::string TodayLine(const SolarDate& today) {
    if (!IsCalendarPageYear(today.Year)) {
        return {};
    }
    LunarDate lunar;
    std::string line = "<p>今天是 " + std::to_string(today.Year) + "年" +
                       std::to_string(today.Month) + "月" + std::to_string(today.Day) + "日 星期" +
                       std::string(WeekdayName(WeekdayOf(today)));
    if (SolarToLunar(today.Year, today.Month, today.Day, lunar)) {
        line += "，农历" + LunarMonthName(lunar) + LunarDayName(lunar.Day);
    }
    return line + "。" + PageLink(CalendarPageAddress(today.Year, today.Month), "回到本月") +
           "</p>\n";
}

}  // namespace

std::string CalendarPageAddress(int year, int month) {
    return std::string(FortuneBase) + "yuce/wnl.asp?year=" + std::to_string(year) +
           "&month=" + std::to_string(month);
}

std::string CalendarPage(const PageRequest& request, const SolarDate& today) {
    const Month fallback = DefaultMonth(today);
    QueryReader reader(request.Query);
    const std::optional<int> year =
        reader.NumberOr("year", "年份", FirstCalendarPageYear, LastCalendarPageYear, fallback.Year);
    const std::optional<int> month = reader.NumberOr("month", "月份", 1, 12, fallback.Number);
    if (!year || !month) {
        std::string body = ProblemList("这个月份查不了：", reader.Problems());
        body += "<p>本万年历收录 " + std::to_string(FirstCalendarPageYear) + " 年 1 月至 " +
                std::to_string(LastCalendarPageYear) + " 年 12 月，请另选月份：</p>\n" +
                Picker(fallback) + TodayLine(today);
        return SiteDocument("万年历", body);
    }
    const Month shown{*year, *month};
    std::string body =
        TodayLine(today) + Heading(shown) + Pager(shown) + Grid(shown, today) +
        "<p class=\"note\">每格上为公历日，下为农历日；农历每月初一处写月名，"
        "闰月写作“闰某月”；节气写在当日。</p>\n" +
        Picker(shown) + "<p>" +
        PageLink(SolarTermsPageAddress(shown.Year), std::to_string(shown.Year) + "年二十四节气") +
        "</p>\n";
    return SiteDocument("万年历", body);
}

}  // namespace morvenda
