#include "online/birth_chart_page.h"

#include "online/birth_query.h"
#include "online/chart_section.h"
#include "online/page_form.h"
#include "online/site_addresses.h"

namespace morvenda {
namespace {

constexpr std::string_view PageTitle = "生辰八字";

std::string ChartForm(const std::vector<QueryItem>& query) {
    PageForm form(std::string(FortuneBase) + "sm/sm.asp", query);
    form.Hidden("sm", "1");
    form.List(CalendarKey, "历法",
              {{std::string(SolarCalendar), "公历"}, {std::string(LunarCalendar), "农历"}});
    form.BirthMoment();
    form.CheckBox(LeapKey, "闰月（农历）");
    return form.Html("排八字");
}

}  // namespace

std::string BirthChartPage(const PageRequest& request) {
    std::string body = ChartForm(request.Query);
    QueryReader reader(request.Query);
    // The form alone until a date is asked for.
    if (!reader.Has(YearKey)) {
        return SiteDocument(PageTitle, body);
    }
    const std::string* calendar = QueryValue(request.Query, CalendarKey);
    const bool lunar = calendar && *calendar == LunarCalendar;
    if (calendar && !lunar && *calendar != SolarCalendar) {
        reader.Add("历法" + Quoted(*calendar) + "应为“gong”（公历）或“nong”（农历）。");
    }
    const std::optional<BirthFields> moment =
        lunar ? ReadLunarBirth(reader) : ReadSolarBirth(reader);
    std::optional<BirthChartTexts> chart;
    if (moment && reader.Problems().empty()) {
        chart = ChartOfQueriedBirth(reader, *moment, "");
    }
    body += chart ? ChartSection(*chart) : ProblemList("无法排出八字：", reader.Problems());
    return SiteDocument(PageTitle, body);
}

}  // namespace morvenda
