#include "online/solar_terms_page.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "calendar/almanac.h"
#include "calendar/sexagenary.h"
#include "online/site_addresses.h"

namespace morvenda {
namespace {

const std::string F(FortuneBase);

std::string Page(const std::string& query, const SolarDate& today = {2009, 6, 10}) {
    return SolarTermsPage(ParseRequest(F + "24jq.asp" + query), today);
}

struct Row {
    std::string Name;
    int Month = 0;
    int Day = 0;
    std::string Html;
};

std::vector<Row> TermRows(const std::string& html) {
    static const std::regex row(
        "<tr[^>]*><td class=\"term\">([^<]+)</td><td><a [^>]*>([0-9]+)月([0-9]+)日</a></td>.*?"
        "</tr>");
    std::vector<Row> rows;
    for (auto r = std::sregex_iterator(html.begin(), html.end(), row); r != std::sregex_iterator();
         ++r) {
        rows.push_back({(*r)[1], std::stoi((*r)[2]), std::stoi((*r)[3]), (*r)[0]});
    }
    return rows;
}

TEST(SolarTermsPage, ListsTheYearsTermsOnTheDaysSolarTermDayGives) {
    using namespace std::chrono;
    for (int year = 1901; year <= 2100; ++year) {
        SCOPED_TRACE(year);
        const std::vector<Row> rows = TermRows(Page("?year=" + std::to_string(year)));
        ASSERT_EQ(rows.size(), 24U);
        for (int term = 1; term <= 24; ++term) {
            const Row& row = rows[term - 1];
            const int dayOfYear = static_cast<int>(std::floor(SolarTermDay(year, term).value()));
            const year_month_day date{sys_days(std::chrono::year(year) / 1 / 1) +
                                      days(dayOfYear - 1)};
            ASSERT_EQ(row.Name, SolarTermNames[term - 1]);
            ASSERT_EQ(row.Month, static_cast<int>(unsigned(date.month()))) << row.Html;
            ASSERT_EQ(row.Day, static_cast<int>(unsigned(date.day()))) << row.Html;
        }
    }
}

TEST(SolarTermsPage, ShowsWeekdayLunarDateAndAMonthLinkForEachTerm) {
    const std::vector<Row> rows = TermRows(Page("?year=2009", {2009, 6, 21}));
    ASSERT_EQ(rows.size(), 24U);
    struct Case {
        int Term;
        std::string Text;
    };
    const Case cases[] = {
        {3, "<td class=\"term\">立春</td><td><a href=\"" + F +
                "yuce/wnl.asp?year=2009&amp;month=2\">2月4日</a></td><td>星期三</td>"
                "<td>正月初十</td>"},
        {11, "<td>星期五</td><td>五月十三</td>"},
        {24, "12月22日</a></td><td>星期二</td><td>十一月初七</td>"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(rows[c.Term - 1].Html.find(c.Text), std::string::npos) << rows[c.Term - 1].Html;
    }
    // 夏至 falls on the fixed today.
    for (const Row& row : rows) {
        EXPECT_EQ(row.Html.find("class=\"today\"") != std::string::npos, row.Name == "夏至");
    }
}

TEST(SolarTermsPage, DefaultsToTodaysYearAndLinksTheYearsAround) {
    struct Case {
        std::string Query;
        SolarDate Today;
        const char* Heading;
        std::vector<int> Linked;
        std::vector<std::string> Unlinked;
    };
    const Case cases[] = {
        {"", {2024, 2, 29}, "<h2>2024年（甲辰年）二十四节气</h2>", {2023, 2025}, {}},
        {"?year=2009", {2024, 2, 29}, "<h2>2009年（己丑年）二十四节气</h2>", {2008, 2010}, {}},
        {"?year=1901", {2024, 2, 29}, "<h2>1901年", {1902}, {"« 1900年"}},
        {"?year=2100", {2024, 2, 29}, "<h2>2100年", {2099}, {"2101年 »"}},
        {"", {3000, 1, 1}, "<h2>2100年", {2099}, {"2101年 »"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Heading);
        const std::string html = Page(c.Query, c.Today);
        EXPECT_NE(html.find(c.Heading), std::string::npos);
        for (const int year : c.Linked) {
            EXPECT_NE(html.find("href=\"" + F + "24jq.asp?year=" + std::to_string(year) + "\""),
                      std::string::npos)
                << year;
        }
        for (const std::string& text : c.Unlinked) {
            EXPECT_NE(html.find("<span class=\"off\">" + text + "</span>"), std::string::npos)
                << text;
        }
    }
}

TEST(SolarTermsPage, AMalformedQuerySaysWhatIsWrong) {
    struct Case {
        std::string Query;
        std::string Says;
    };
    const Case cases[] = {
        {"?year=abc", "年份“abc”不是数字"},
        {"?year=3000", "年份“3000”超出范围"},
        {"?year=1900", "年份“1900”超出范围"},
        {"?year=%3Cscript%3E", "年份“&lt;script&gt;”不是数字"},
        {"?year=" + std::string(10240, '9'), "年份“" + std::string(16, '9') + "…”太长"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Query.substr(0, 60));
        const std::string html = Page(c.Query);
        EXPECT_NE(html.find("<title>二十四节气</title>"), std::string::npos);
        EXPECT_NE(html.find("<li>" + c.Says), std::string::npos);
        EXPECT_TRUE(TermRows(html).empty());
        EXPECT_EQ(html.find("<script"), std::string::npos);
        EXPECT_NE(html.find("<select name=\"year\">"), std::string::npos);
        EXPECT_LT(html.size(), 20000U);
    }
}

TEST(SolarTermsPage, IsTheSitesPageOfItsAddress) {
    const std::string html = StandInPage(SolarTermsPageAddress(2009));
    EXPECT_NE(html.find("<title>二十四节气</title>"), std::string::npos);
    EXPECT_EQ(TermRows(html).size(), 24U);
}

}  // namespace
}  // namespace morvenda
