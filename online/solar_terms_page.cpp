#include "online/solar_terms_page.h"

#include <algorithm>

#include "calendar/almanac.h"
#include "online/calendar_days.h"
#include "online/calendar_page.h"
#include "online/page_parts.h"
#include "online/query_reader.h"
#include "online/site_addresses.h"
#include "online/site_document.h"

namespace morvenda {
namespace {

std::string YearStep(int year, const std::string& before, const std::string& after) {
    return StepLink(IsCalendarPageYear(year), SolarTermsPageAddress(year),
                    before + std::to_string(year) + "年" + after);
}

std::string Picker(int shown) {
    std::string form = "<form method=\"get\" action=\"" +
                       HtmlEscaped(std::string(FortuneBase) + "24jq.asp") +
                       "\">\n<label>年份 <select name=\"year\">";
    return form + NumberOptions(FirstCalendarPageYear, LastCalendarPageYear, shown) +
           "</select></label>\n<button type=\"submit\">查看</button>\n</form>\n";
}

std::string LunarText(const SolarDate& date) {
    LunarDate lunar;
    if (!SolarToLunarMonthDay(date.Year, date.Month, date.Day, lunar.Month, lunar.Day,
                              lunar.IsLeap)) {
        return {};
    }
    return (lunar.IsLeap ? "闰" : "") + std::string(LunarMonthNames.at(lunar.Month - 1)) +
           LunarDayName(lunar.Day);
}

std::string TermTable(int year, const SolarDate& today) {
    std::string table =
        "<table class=\"terms\">\n<tr><th>节气</th><th>公历</th><th>星期</th><th>农历</th></tr>\n";
    for (const SolarTermDate& term : SolarTermDatesOf(year)) {
        const SolarDate& date = term.Date;
        table += IsSameDay(date, today) ? "<tr class=\"today\" title=\"今天\">" : "<tr>";
        table += "<td class=\"term\">" +
                 HtmlEscaped(std::string(SolarTermNames.at(term.Term - 1))) + "</td><td>" +
                 PageLink(CalendarPageAddress(date.Year, date.Month),
                          std::to_string(date.Month) + "月" + std::to_string(date.Day) + "日") +
                 "</td><td>星期" + std::string(WeekdayName(WeekdayOf(date))) + "</td><td>" +
                 HtmlEscaped(LunarText(date)) + "</td></tr>\n";
    }
    return table + "</table>\n";
}

}  // namespace

std::string SolarTermsPageAddress(int year) {
    return std::string(FortuneBase) + "24jq.asp?year=" + std::to_string(year);
}

std::string SolarTermsPage(const PageRequest& request, const SolarDate& today) {
    const int fallback = std::clamp(today.Year, FirstCalendarPageYear, LastCalendarPageYear);
    QueryReader reader(request.Query);
    const std::optional<int> year =
        reader.NumberOr("year", "年份", FirstCalendarPageYear, LastCalendarPageYear, fallback);
    if (!year) {
        const std::string body = ProblemList("这一年查不了：", reader.Problems()) +
                                 "<p>请另选年份：</p>\n" + Picker(fallback);
        return SiteDocument("二十四节气", body);
    }
    const int shown = *year;
    const std::string body =
        "<h2>" + std::to_string(shown) + "年（" + SexagenaryName(YearSexagenary(shown)) +
        "年）二十四节气</h2>\n<p class=\"pager\">" + YearStep(shown - 1, "« ", "") + " <strong>" +
        std::to_string(shown) + "年</strong> " + YearStep(shown + 1, "", " »") + "</p>\n" +
        TermTable(shown, today) +
        "<p class=\"note\">日期为北京时间（东八区）交节当日；点日期可看当月万年历。</p>\n" +
        Picker(shown);
    return SiteDocument("二十四节气", body);
}

}  // namespace morvenda
