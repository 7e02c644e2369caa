#include "online/calendar_page.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "calendar/sexagenary.h"
#include "online/site_addresses.h"

namespace morvenda {
namespace {

const std::string F(FortuneBase);

std::string Page(const std::string& query, const SolarDate& today = {2009, 6, 10}) {
    return CalendarPage(ParseRequest(F + "yuce/wnl.asp" + query), today);
}

struct Cell {
    int Day = 0;  // 0 for a blank before or after the month
    std::string Html;
};

// The cells of the month grid, row by row; a row that is not seven cells wide fails the test.
std::vector<Cell> GridCells(const std::string& html) {
    const std::size_t start = html.find("<table class=\"month\">");
    const std::size_t end = html.find("</table>", start);
    std::vector<Cell> cells;
    if (start == std::string::npos || end == std::string::npos) {
        ADD_FAILURE() << "no month grid";
        return cells;
    }
    const std::string grid = html.substr(start, end - start);
    static const std::regex row("<tr>(.*?)</tr>");
    static const std::regex cell("<td[^>]*>(.*?)</td>");
    static const std::regex solar("<span class=\"solar\">([0-9]+)</span>");
    for (auto r = std::sregex_iterator(grid.begin(), grid.end(), row); r != std::sregex_iterator();
         ++r) {
        const std::string inner = (*r)[1];
        if (inner.find("<th") != std::string::npos) {
            continue;
        }
        int width = 0;
        for (auto c = std::sregex_iterator(inner.begin(), inner.end(), cell);
             c != std::sregex_iterator(); ++c, ++width) {
            Cell found{0, (*c)[0]};
            std::smatch number;
            if (std::regex_search(found.Html, number, solar)) {
                found.Day = std::stoi(number[1]);
            }
            cells.push_back(found);
        }
        EXPECT_EQ(width, 7) << inner;
    }
    return cells;
}

const Cell& CellOfDay(const std::vector<Cell>& cells, int day) {
    static const Cell none;
    for (const Cell& cell : cells) {
        if (cell.Day == day) {
            return cell;
        }
    }
    ADD_FAILURE() << "no cell for day " << day;
    return none;
}

int TermDayOfJune2009(int term) {
    const int dayOfYear = static_cast<int>(std::floor(SolarTermDay(2009, term).value()));
    return dayOfYear - (31 + 28 + 31 + 30 + 31);
}

TEST(CalendarPage, ShowsTheLeapMonthAndTheTermsOfJune2009OnTheCoresDays) {
    const std::vector<Cell> cells = GridCells(Page("?year=2009&month=6"));
    // The core's own answers, and the almanac's dates they must agree with.
    int leapStart = 0;
    for (int day = 1; day <= 30; ++day) {
        int month = 0, lunarDay = 0;
        bool leap = false;
        ASSERT_TRUE(SolarToLunarMonthDay(2009, 6, day, month, lunarDay, leap));
        if (leap && lunarDay == 1) {
            leapStart = day;
        }
    }
    ASSERT_EQ(leapStart, 23);
    ASSERT_EQ(TermDayOfJune2009(11), 5);
    ASSERT_EQ(TermDayOfJune2009(12), 21);

    for (const Cell& cell : cells) {
        SCOPED_TRACE(cell.Html);
        EXPECT_EQ(cell.Html.find("闰") != std::string::npos, cell.Day == leapStart);
        EXPECT_EQ(cell.Html.find("芒种") != std::string::npos, cell.Day == 5);
        EXPECT_EQ(cell.Html.find("夏至") != std::string::npos, cell.Day == 21);
    }
    EXPECT_NE(CellOfDay(cells, 23).Html.find("<span class=\"lunar first\">闰五月</span>"),
              std::string::npos);
    // 1 June 2009 is 五月初九; 22 June the last day of the regular fifth month.
    EXPECT_NE(CellOfDay(cells, 1).Html.find("<span class=\"lunar\">初九</span>"),
              std::string::npos);
    EXPECT_NE(CellOfDay(cells, 22).Html.find("<span class=\"lunar\">三十</span>"),
              std::string::npos);
    // The regular fifth month began on 24 May; July begins the month after the leap one.
    EXPECT_NE(Page("?year=2009&month=5").find("<span class=\"lunar first\">五月</span>"),
              std::string::npos);
    EXPECT_NE(Page("?year=2009&month=7").find("<span class=\"lunar first\">六月</span>"),
              std::string::npos);
}

TEST(CalendarPage, MarksTodayOnlyInTodaysMonth) {
    const std::vector<Cell> cells = GridCells(Page("?year=2009&month=6", {2009, 6, 10}));
    for (const Cell& cell : cells) {
        EXPECT_EQ(cell.Html.find("today") != std::string::npos, cell.Day == 10) << cell.Html;
    }
    for (const Cell& cell : GridCells(Page("?year=2010&month=6", {2009, 6, 10}))) {
        EXPECT_EQ(cell.Html.find("today"), std::string::npos) << cell.Html;
    }
}

TEST(CalendarPage, WithoutAQueryShowsTodaysMonth) {
    struct Case {
        SolarDate Today;
        const char* Heading;
    };
    const Case cases[] = {
        {{2024, 2, 29}, "<h2>2024年2月 · 农历癸卯年（兔） — 甲辰年（龙）</h2>"},
        {{2024, 3, 1}, "<h2>2024年3月 · 农历甲辰年（龙）</h2>"},
        {{2009, 1, 20}, "<h2>2009年1月 · 农历戊子年（鼠） — 己丑年（牛）</h2>"},
        // A clock outside the range opens the nearest end of it.
        {{1870, 1, 1}, "<h2>1901年1月"},
        {{3000, 5, 5}, "<h2>2100年12月"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Heading);
        EXPECT_NE(Page("", c.Today).find(c.Heading), std::string::npos);
    }
    // A picked year alone keeps today's month.
    EXPECT_NE(Page("?year=1999", {2024, 2, 29}).find("<h2>1999年2月"), std::string::npos);
}

std::string MonthHref(int year, int month) {
    return "href=\"" + F + "yuce/wnl.asp?year=" + std::to_string(year) +
           "&amp;month=" + std::to_string(month) + "\"";
}

TEST(CalendarPage, StepsToTheMonthsAroundAcrossYearsAndStopsAtTheRangeEnds) {
    struct Case {
        int Year, Month;
        std::vector<std::pair<int, int>> Linked;
        std::vector<std::string> Unlinked;  // the steps shown without a link
    };
    const Case cases[] = {
        {2009, 1, {{2008, 1}, {2008, 12}, {2009, 2}, {2010, 1}}, {}},
        {2009, 12, {{2008, 12}, {2009, 11}, {2010, 1}, {2010, 12}}, {}},
        {1901, 1, {{1901, 2}, {1902, 1}}, {"« 1900年1月", "‹ 1900年12月"}},
        {1901, 12, {{1901, 11}, {1902, 1}, {1902, 12}}, {"« 1900年12月"}},
        {2100, 12, {{2099, 12}, {2100, 11}}, {"2101年1月 ›", "2101年12月 »"}},
        {2100, 1, {{2099, 1}, {2099, 12}, {2100, 2}}, {"2101年1月 »"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Year) + "-" + std::to_string(c.Month));
        const std::string html =
            Page("?year=" + std::to_string(c.Year) + "&month=" + std::to_string(c.Month));
        const std::size_t pager = html.find("<p class=\"pager\">");
        ASSERT_NE(pager, std::string::npos);
        const std::string line = html.substr(pager, html.find("</p>", pager) - pager);
        for (const auto& [year, month] : c.Linked) {
            EXPECT_NE(line.find(MonthHref(year, month)), std::string::npos) << year << "-" << month;
        }
        for (const std::string& text : c.Unlinked) {
            EXPECT_NE(line.find("<span class=\"off\">" + text + "</span>"), std::string::npos)
                << text;
        }
        EXPECT_EQ(html.find("year=1900&amp;"), std::string::npos);
        EXPECT_EQ(html.find("year=2101&amp;"), std::string::npos);
    }
}

TEST(CalendarPage, EveryMonthOfTheRangeHoldsEachOfItsDaysOnceUnderItsWeekday) {
    using namespace std::chrono;
    for (int year = 1901; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month));
            const std::vector<Cell> cells = GridCells(
                Page("?year=" + std::to_string(year) + "&month=" + std::to_string(month)));
            const year_month_day first{std::chrono::year(year) / month / 1};
            const int lead = static_cast<int>(weekday(sys_days(first)).iso_encoding()) - 1;
            const int days =
                static_cast<int>(unsigned((std::chrono::year(year) / month / last).day()));
            ASSERT_EQ(cells.size() % 7, 0U);
            ASSERT_GE(cells.size(), static_cast<std::size_t>(lead + days));
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const int expected =
                    static_cast<int>(i) >= lead && static_cast<int>(i) < lead + days
                        ? static_cast<int>(i) - lead + 1
                        : 0;
                ASSERT_EQ(cells[i].Day, expected) << cells[i].Html;
                if (expected != 0) {
                    ASSERT_NE(cells[i].Html.find("class=\"lunar"), std::string::npos)
                        << cells[i].Html;
                }
            }
            ASSERT_LT(cells.size(), static_cast<std::size_t>(lead + days + 7));
        }
    }
}

TEST(CalendarPage, AMalformedQuerySaysWhatIsWrong) {
    struct Case {
        std::string Query;
        std::string Says;
    };
    const Case cases[] = {
        {"?year=abc&month=6", "年份“abc”不是数字"},
        {"?year=3000&month=6", "年份“3000”超出范围"},
        {"?year=1900&month=12", "年份“1900”超出范围"},
        {"?year=-5", "年份“-5”超出范围"},
        {"?year=2009.5", "年份“2009.5”不是数字"},
        {"?year=2009&month=13", "月份“13”超出范围"},
        {"?year=2009&month=0", "月份“0”超出范围"},
        {"?year=2009&month=%E5%85%AD", "月份“六”不是数字"},
        {"?year=99999999999999999999", "年份“9999999999999999…”超出范围"},
        {"?year=%3Cscript%3Ealert(1)%3C/script%3E", "年份“&lt;script&gt;alert(1)…”不是数字"},
        {"?year=<script>&month=x", "月份“x”不是数字"},
        {"?year=" + std::string(10000, '7'), "年份“" + std::string(16, '7') + "…”太长"},
        {"?year=" + std::string(10000, 'z'), "太长"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Query.substr(0, 60));
        const std::string html = Page(c.Query);
        EXPECT_NE(html.find("<title>万年历</title>"), std::string::npos);
        EXPECT_NE(html.find("class=\"error\""), std::string::npos);
        EXPECT_NE(html.find(c.Says), std::string::npos);
        EXPECT_EQ(html.find("<table class=\"month\">"), std::string::npos);
        EXPECT_EQ(html.find("<script"), std::string::npos);
        // The picker lets the user go on from there; the long value is not repeated whole.
        EXPECT_NE(html.find("<select name=\"year\">"), std::string::npos);
        EXPECT_LT(html.size(), 20000U);
    }
}

TEST(CalendarPage, AcceptsWhatAFormOrAHandTypedAddressSends) {
    struct Case {
        std::string Query;
        const char* Heading;
    };
    const Case cases[] = {
        {"?year=02009&month=06", "<h2>2009年6月"},
        {"?year=&month=", "<h2>2009年6月"},  // the date of Page()'s today
        {"?month=3&year=1988&year=1999", "<h2>1988年3月"},
        {"?year=2100&month=12&other=%3Cb%3E", "<h2>2100年12月"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Query);
        const std::string html = Page(c.Query);
        EXPECT_NE(html.find(c.Heading), std::string::npos);
        EXPECT_EQ(html.find("class=\"error\""), std::string::npos);
    }
}

TEST(CalendarPage, IsTheSitesPageOfItsAddress) {
    const std::string html = StandInPage(CalendarPageAddress(2009, 6));
    EXPECT_NE(html.find("<title>万年历</title>"), std::string::npos);
    EXPECT_NE(html.find("<h2>2009年6月"), std::string::npos);
}

}  // namespace
}  // namespace morvenda
