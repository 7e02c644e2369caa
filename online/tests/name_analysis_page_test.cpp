#include "online/name_analysis_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "chart/birth_chart.h"
#include "evaluation/three_talents.h"
#include "naming/poetry_names.h"
#include "online/site_addresses.h"
#include "online/tests/page_text.h"
#include "results/result_row.h"

namespace morvenda {
namespace {

const std::string Page = std::string(FortuneBase) + "QimingTest.asp";

std::string Analysis(const std::string& query) {
    return StandInPage(Page + "?" + query);
}

std::string Td(const std::string& text) {
    return "<td>" + HtmlEscaped(text) + "</td>";
}

// The query the main window sends for 王华明, a boy born 2009-06-05 at hour 8.
const std::string WangHuaming =
    "xing=%E7%8E%8B&ming=%E5%8D%8E%E6%98%8E&xingbie=%E7%94%B7&xuexing=A&nian=2009&yue=6&ri=5"
    "&hh=8&mm=30&ver=20091201&dest=sm5";

TEST(NameAnalysisPage, ShowsWhatTheResultRowAndTheChartPanelShow) {
    const std::string html = Analysis(WangHuaming);
    EXPECT_EQ(TitleOf(html), "姓名分析：王华明");

    const ResultRow row = BuildResultRow(MakeNameCode(FindCharIndex("华"), FindCharIndex("明")),
                                         ReadFamilyName("王"));
    std::string listed = "<tr>";
    for (std::size_t f = 0; f < ResultColumns().size(); ++f) {
        listed += Td(row.Fields[f]);
    }
    EXPECT_TRUE(Holds(html, listed + "</tr>")) << listed;
    const std::pair<const char*, int> grids[] = {{"天格", row.Grids.Heaven},
                                                 {"人格", row.Grids.Person},
                                                 {"地格", row.Grids.Earth},
                                                 {"外格", row.Grids.Outer},
                                                 {"总格", row.Grids.Total}};
    for (const auto& [caption, value] : grids) {
        EXPECT_TRUE(
            Holds(html, std::string("<th>") + caption + "</th>" + Td(std::to_string(value))))
            << caption;
    }
    const std::string pattern =
        ThreeTalentPattern(row.Grids.Heaven, row.Grids.Earth, row.Grids.Outer);
    EXPECT_TRUE(Holds(html, "<th>三才格局</th>" + Td(pattern) + "<th>三才分</th>" +
                                Td(std::to_string(ThreeTalentPoints(pattern)))));
    EXPECT_TRUE(Holds(html, "<td class=\"score\">" + row.Fields[1] + "</td>"));

    // The chart as the window computes it from its date lists for the same moment.
    const BirthDateControls controls{CalendarSolar, "2009", "06", "05", 4, 9, "王"};
    const BirthChartOutcome outcome = ComputeBirthChart(controls, {}, {2024, 1, 1});
    ASSERT_TRUE(outcome.Chart);
    for (const auto& [label, text] : ChartLabelTexts(*outcome.Chart)) {
        if (label != "Label36" && label != "Label37") {
            EXPECT_TRUE(Holds(html, Td(text))) << label << " " << text;
        }
    }
}

TEST(NameAnalysisPage, DescribesEveryCharacterFromTheDictionary) {
    // 乐 has two readings, differing stroke counts and a radical 丿 that carries no element;
    // the window sends a one-character name with the space its caption ends in.
    const std::string html = Analysis(
        "xing=%E7%8E%8B&ming=%E4%B9%90%20&xingbie=%E5%A5%B3&nian=2009&yue=6&ri=5&hh=8&dest=sm5");
    EXPECT_EQ(TitleOf(html), "姓名分析：王乐");
    EXPECT_TRUE(Holds(html,
                      "<td class=\"glyph\">乐</td><td>le，yue</td><td>5</td><td>15</td>"
                      "<td>火</td><td>丿</td><td>无</td>"));
    EXPECT_TRUE(Holds(html,
                      "<td class=\"glyph\">王</td><td>wang</td><td>4</td><td>4</td>"
                      "<td>土</td><td>王</td><td>无</td>"));
}

TEST(NameAnalysisPage, DestPutsTheChartOrTheNameFirst) {
    const std::string chartFirst = Analysis(WangHuaming.substr(0, WangHuaming.size() - 1) + "3");
    const std::string nameFirst = Analysis(WangHuaming);
    EXPECT_LT(chartFirst.find("id=\"chart\""), chartFirst.find("id=\"name\""));
    EXPECT_LT(nameFirst.find("id=\"name\""), nameFirst.find("id=\"chart\""));
}

TEST(NameAnalysisPage, ShowsTheWholeSourcePoemOfANameFromTheClassicsForItsSex) {
    const NameCode shunv = MakeNameCode(FindCharIndex("淑"), FindCharIndex("女"));
    const auto girls = PoetryNames(1, 1);
    const auto boys = PoetryNames(0, 1);
    ASSERT_NE(std::find(girls.begin(), girls.end(), shunv), girls.end());
    ASSERT_EQ(std::find(boys.begin(), boys.end(), shunv), boys.end());
    const std::string query =
        "xing=%E7%8E%8B&ming=%E6%B7%91%E5%A5%B3&nian=2009&yue=6&ri=5&hh=8"
        "&dest=sm5&xingbie=";

    const std::string girl = Analysis(query + "%E5%A5%B3");
    EXPECT_TRUE(Holds(girl, "<h2>出处</h2>\n<p>诗经·国风·周南 《关雎》</p>"));
    EXPECT_TRUE(Holds(girl, "<p>关关雎鸠，在河之洲。</p>"));
    EXPECT_TRUE(Holds(girl, "<p>窈窕<mark>淑</mark><mark>女</mark>，君子好逑。</p>"));
    EXPECT_TRUE(Holds(girl, "<p>窈窕淑女，钟鼓乐之。</p>"));

    EXPECT_FALSE(Holds(Analysis(query + "%E7%94%B7"), "出处"));
}

TEST(NameAnalysisPage, SaysWhatIsWrongWithAMalformedQuery) {
    const std::string name = "xing=%E7%8E%8B&ming=%E5%8D%8E&xingbie=%E7%94%B7&dest=sm5";
    const std::string born = "&nian=2009&yue=6&ri=5&hh=8";
    const std::string huge(10240, '9');
    struct Case {
        std::string Query;
        std::string Problem;
    };
    const Case cases[] = {
        {name + "&nian=abc&yue=6&ri=5&hh=8",
         "出生年份“abc”不是数字，请填写 -849 至 2100 之间的整数。"},
        {name + "&nian=%EF%BC%92%EF%BC%90%EF%BC%90%EF%BC%99&yue=6&ri=5&hh=8",
         "出生年份“２００９”不是数字"},
        {name + "&nian=3000&yue=6&ri=5&hh=8",
         "出生年份“3000”超出范围，请填写 -849 至 2100 之间的整数。"},
        {name + "&nian=2009&yue=13&ri=5&hh=24",
         "出生月份“13”超出范围，请填写 1 至 12 之间的整数。"},
        {name + "&nian=2009&yue=2&ri=30&hh=8", "公历2009年2月只有 28 天。"},
        {name + "&nian=1582&yue=10&ri=10&hh=8", "公历没有1582年10月10日"},
        {name + "&nian=2100&yue=12&ri=31&hh=23", "历法排不出2100年12月31日 23时的八字"},
        {name + "&nian=" + huge + "&yue=6&ri=5&hh=8", "出生年份“9999999999999999…”太长"},
        {"xing=%E7%8E%8B&ming=" + huge + "&xingbie=%E7%94%B7&dest=sm5" + born,
         "名字“9999999999999999…”太长：共 10240 个字符，最多 2 个。"},
        {"xing=%3Cscript%3E&ming=%E5%8D%8E&xingbie=%E7%94%B7&dest=sm5" + born,
         "姓氏“&lt;script&gt;”太长"},
        {name + "&nian=%3Cscript%3E&yue=6&ri=5&hh=8", "出生年份“&lt;script&gt;”不是数字"},
        {"xing=%E7%8E%8B&ming=%E5%8D%8E%F0%A0%80%80&xingbie=%E7%94%B7&dest=sm5" + born,
         "字典里没有名字中的“\xF0\xA0\x80\x80”这个字。"},
        {"xing=%E7%8E%8B&ming=&xingbie=%E7%94%B7&dest=sm5" + born, "缺少名字（ming）。"},
        {"xing=%E7%8E%8B&ming=%E5%8D%8E&xingbie=%E7%94%B7&dest=sm5&nian=2009&yue=6&ri=5",
         "缺少出生时辰（小时）（hh）。"},
        {"ming=%E5%8D%8E&xingbie=%E7%94%B7&dest=sm5" + born, "缺少姓氏（xing）。"},
        {"xing=%E7%8E%8B&ming=%E5%8D%8E&xingbie=x&dest=sm5" + born, "性别“x”应为“男”或“女”。"},
        {"xing=%E7%8E%8B&ming=%E5%8D%8E&xingbie=%E7%94%B7&dest=sm9" + born, "页面次序“sm9”应为"},
        {"xing=%E7%8E%8B&ming=%E5%8D%8E&xingbie=%E7%94%B7" + born, "缺少页面次序（dest）。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Query.substr(0, 200));
        const std::string html = Analysis(c.Query);
        EXPECT_EQ(TitleOf(html), "姓名分析");
        EXPECT_TRUE(Holds(html, "<div class=\"error\">"));
        EXPECT_TRUE(Holds(html, c.Problem));
        EXPECT_FALSE(Holds(html, "<script>"));
        EXPECT_FALSE(Holds(html, "id=\"name\""));
        // The form comes back to set it right; a huge value is not repeated in the sentences.
        EXPECT_TRUE(Holds(html, "<form method=\"get\""));
        EXPECT_LT(html.size(), huge.size() + 10000);
    }
}

TEST(NameAnalysisPage, WithoutAQueryIsAFormForTheWholeName) {
    const std::string html = StandInPage(Page);
    EXPECT_EQ(TitleOf(html), "姓名分析");
    EXPECT_TRUE(Holds(html, "<form method=\"get\" action=\"" + Page + "\">"));
    for (const char* key : {"xing", "ming", "xingbie", "nian", "yue", "ri", "hh", "dest"}) {
        EXPECT_TRUE(Holds(html, std::string("name=\"") + key + "\"")) << key;
    }
    EXPECT_FALSE(Holds(html, "class=\"error\""));
}

}  // namespace
}  // namespace morvenda
