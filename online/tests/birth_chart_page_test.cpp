#include "online/birth_chart_page.h"

#include <gtest/gtest.h>

#include <string>

#include "chart/birth_chart.h"
#include "online/site_addresses.h"
#include "online/tests/page_text.h"

namespace morvenda {
namespace {

const std::string Page = std::string(FortuneBase) + "sm/sm.asp?sm=1";

// Every value label of the chart, as the page must show it.
void ExpectChart(const std::string& html, const BirthChartTexts& chart) {
    for (const auto& [label, text] : ChartLabelTexts(chart)) {
        if (label != "Label36" && label != "Label37") {
            EXPECT_TRUE(Holds(html, "<td>" + HtmlEscaped(text) + "</td>")) << label << " " << text;
        }
    }
}

TEST(BirthChartPage, AloneIsTheFormWithoutAChart) {
    const std::string html = StandInPage(Page);
    EXPECT_TRUE(Holds(html, "<title>生辰八字</title>"));
    EXPECT_TRUE(Holds(html, "<input type=\"hidden\" name=\"sm\" value=\"1\">"));
    EXPECT_FALSE(Holds(html, "id=\"chart\""));
    EXPECT_FALSE(Holds(html, "class=\"error\""));
}

TEST(BirthChartPage, ChartsASolarOrALunarDateAsTheWindowDoes) {
    struct Case {
        std::string Query;
        BirthDateControls Window;
    };
    const Case cases[] = {
        {"&li=gong&nian=2009&yue=6&ri=23&hh=12", {CalendarSolar, "2009", "06", "23", 22, 13}},
        {"&nian=1988&yue=2&ri=4&hh=23", {CalendarSolar, "1988", "02", "04", 3, 24}},
        {"&li=nong&nian=2009&yue=5&ri=1&run=1&hh=0", {CalendarLunar, "2009", "闰五月", "", 0, 1}},
        {"&li=nong&nian=2009&yue=5&ri=1&hh=0", {CalendarLunar, "2009", "五月", "", 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Query);
        const std::string html = StandInPage(Page + c.Query);
        const BirthChartOutcome window = ComputeBirthChart(c.Window, {}, {2024, 1, 1});
        ASSERT_TRUE(window.Chart);
        ExpectChart(html, *window.Chart);
        // The form keeps what was asked.
        EXPECT_TRUE(Holds(
            html, "<option value=\"" + std::to_string(window.Fields.BirthHour) + "\" selected>"));
    }
}

TEST(BirthChartPage, ChartsYearsBeyondTheWindowsLists) {
    const std::string html = StandInPage(Page + "&nian=1900&yue=1&ri=31&hh=6");
    const auto chart = ChartOfMoment({1900, 1, 31, 6}, "");
    ASSERT_TRUE(chart);
    ExpectChart(html, *chart);
    EXPECT_TRUE(Holds(html, "<td>1900年</td>"));
}

TEST(BirthChartPage, SaysWhatIsWrongWithTheDate) {
    struct Case {
        std::string Query;
        std::string Problem;
    };
    const Case cases[] = {
        {"&nian=abc&yue=1&ri=1&hh=1", "出生年份“abc”不是数字，请填写 -849 至 2100 之间的整数。"},
        {"&nian=-900&yue=1&ri=1&hh=1", "出生年份“-900”超出范围"},
        {"&nian=2009&yue=4&ri=31&hh=1", "公历2009年4月只有 30 天。"},
        {"&li=nong&nian=2009&yue=4&ri=1&run=1&hh=1", "农历2009年没有闰四月初一。"},
        {"&li=nong&nian=2009&yue=4&ri=31&hh=1", "出生日“31”超出范围，请填写 1 至 30 之间的整数。"},
        {"&li=%3Cscript%3E&nian=2009&yue=4&ri=1&hh=1", "历法“&lt;script&gt;”应为"},
        {"&nian=2009&yue=4&ri=1", "缺少出生时辰（小时）（hh）。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Query);
        const std::string html = StandInPage(Page + c.Query);
        EXPECT_TRUE(Holds(html, "<div class=\"error\">"));
        EXPECT_TRUE(Holds(html, c.Problem));
        EXPECT_FALSE(Holds(html, "id=\"chart\""));
        EXPECT_FALSE(Holds(html, "<script>"));
    }
}

}  // namespace
}  // namespace morvenda
