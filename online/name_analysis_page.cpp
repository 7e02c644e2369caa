#include "online/name_analysis_page.h"

#include <algorithm>
#include <array>

#include "dict/radical_table.h"
#include "evaluation/digit_element.h"
#include "evaluation/name_score.h"
#include "evaluation/three_talents.h"
#include "naming/poetry_citation.h"
#include "naming/poetry_names.h"
#include "online/birth_query.h"
#include "online/chart_section.h"
#include "online/page_form.h"
#include "online/page_parts.h"
#include "online/site_addresses.h"
#include "online/source_poem_section.h"
#include "results/result_row.h"

namespace morvenda {
namespace {

constexpr std::string_view PageTitle = "姓名分析";
constexpr std::string_view ChartFirst = "sm3";
constexpr std::string_view NameFirst = "sm5";
constexpr std::array<std::string_view, 2> Sexes{"男", "女"};  // the sex list's items, in order

// The five levels GridLuckTable holds, in plain words.
std::string_view LuckVerdict(int points) {
    struct Level {
        int Points;
        std::string_view Word;
    };
    static constexpr std::array<Level, 5> Levels{
        {{12, "大吉"}, {8, "吉"}, {5, "半吉"}, {1, "凶"}, {0, "大凶"}}};
    const auto level = std::find_if(Levels.begin(), Levels.end(),
                                    [&](const Level& l) { return l.Points == points; });
    return level == Levels.end() ? std::string_view() : level->Word;
}

// ",le,yue," holds several readings; a single one stands alone.
std::string ReadingsText(std::string_view pinyin) {
    std::string text;
    while (!pinyin.empty()) {
        const std::size_t comma = std::min(pinyin.find(','), pinyin.size());
        if (comma > 0) {
            text += (text.empty() ? "" : "，") + std::string(pinyin.substr(0, comma));
        }
        pinyin.remove_prefix(std::min(comma + 1, pinyin.size()));
    }
    return text;
}

std::string Cell(std::string_view text) {
    return "<td>" + HtmlEscaped(text) + "</td>";
}

std::string HeaderRow(std::initializer_list<std::string_view> captions) {
    std::string html = "<tr>";
    for (const std::string_view caption : captions) {
        html += "<th>" + HtmlEscaped(caption) + "</th>";
    }
    return html + "</tr>\n";
}

// What the page was asked, each value found in the dictionary.
struct AskedName {
    std::string FullName;
    FamilyName Family;
    NameCode Code = 0;
    std::vector<CharIndex> Characters;  // the family's, then the given name's
    int SexIndex = 0;
    int LengthIndex = 0;  // the name-length list's index: 0 one character, 1 two
    bool ChartBeforeName = false;
};

// The rows of the characters; each one the dictionary lacks is CharCount and recorded as a
// problem.
std::vector<CharIndex> FindCharacters(QueryReader& reader, std::string_view text,
                                      std::string_view what) {
    std::vector<CharIndex> rows;
    for (const std::string_view character : TextCharacters(text)) {
        rows.push_back(FindCharIndex(character));
        if (rows.back() == CharCount) {
            reader.Add("字典里没有" + std::string(what) + Quoted(character) + "这个字。");
        }
    }
    return rows;
}

std::optional<AskedName> ReadName(QueryReader& reader) {
    AskedName asked;
    const std::optional<std::string> xing = reader.Text("xing", "姓氏", 2);
    const std::optional<std::string> ming = reader.Text("ming", "名字", 2);
    std::vector<CharIndex> family;
    std::vector<CharIndex> given;
    if (xing) {
        family = FindCharacters(reader, *xing, "姓氏中的");
        asked.Family = ReadFamilyName(*xing);
    }
    if (ming) {
        given = FindCharacters(reader, *ming, "名字中的");
    }
    if (const std::optional<std::string> sex = reader.Text("xingbie", "性别", 1)) {
        const auto found = std::find(Sexes.begin(), Sexes.end(), *sex);
        if (found == Sexes.end()) {
            reader.Add("性别" + Quoted(*sex) + "应为“男”或“女”。");
        }
        asked.SexIndex = static_cast<int>(found - Sexes.begin());
    }
    if (const std::optional<std::string> dest = reader.Text("dest", "页面次序", 3)) {
        if (*dest != ChartFirst && *dest != NameFirst) {
            reader.Add("页面次序" + Quoted(*dest) + "应为“sm3”（八字在前）或“sm5”（姓名在前）。");
        }
        asked.ChartBeforeName = *dest == ChartFirst;
    }
    // Every value missing, wrong or not in the dictionary has been recorded by now.
    if (!reader.Problems().empty()) {
        return std::nullopt;
    }
    asked.Code = given.size() == 1 ? SingleNameCode(given[0]) : MakeNameCode(given[0], given[1]);
    asked.LengthIndex = static_cast<int>(given.size()) - 1;
    asked.FullName = *xing + *ming;
    asked.Characters = family;
    asked.Characters.insert(asked.Characters.end(), given.begin(), given.end());
    return asked;
}

std::string CharacterTable(const std::vector<CharIndex>& characters) {
    std::string html = "<h2>字义</h2>\n<table class=\"chars\">\n";
    html += HeaderRow({"字", "拼音", "简体笔画", "康熙笔画", "字义五行", "部首", "部首五行"});
    for (const CharIndex row : characters) {
        html += "<tr><td class=\"glyph\">" + HtmlEscaped(Glyph(row)) + "</td>" +
                Cell(ReadingsText(Pinyin(row))) + Cell(std::to_string(SimplifiedStrokes(row))) +
                Cell(std::to_string(KangxiStrokes(row))) +
                Cell(ElementsCellText(ElementByMeaning(row))) +
                Cell(RadicalGlyph(RadicalIndex(row))) +
                Cell(ElementsCellText(ElementByRadical(row))) + "</tr>\n";
    }
    return html + "</table>\n";
}

std::string GridTable(const ResultRow& row) {
    const FiveGrids& grids = row.Grids;
    const std::array<int, 5> values{grids.Heaven, grids.Person, grids.Earth, grids.Outer,
                                    grids.Total};
    std::string html = "<h2>五格</h2>\n<table>\n";
    html += HeaderRow({"", "数理", "五行", "吉凶分", "吉凶"});
    for (std::size_t g = 0; g < values.size(); ++g) {
        // The grids' columns of the result list, in grid order, name them.
        const int points = GridLuckPoints(values[g]);
        html += "<tr><th>" + HtmlEscaped(ResultColumns()[5 + g].Caption) + "</th>" +
                Cell(std::to_string(values[g])) + Cell(DigitElementName(values[g] % 10)) +
                Cell(std::to_string(points)) + Cell(LuckVerdict(points)) + "</tr>\n";
    }
    html += "</table>\n";

    const std::string pattern = ThreeTalentPattern(grids.Heaven, grids.Earth, grids.Outer);
    html += "<h2>三才与评分</h2>\n<table>\n";
    html += "<tr><th>三才格局</th>" + Cell(pattern) + "<th>三才分</th>" +
            Cell(std::to_string(ThreeTalentPoints(pattern))) + "<th>" +
            HtmlEscaped(ResultColumns()[1].Caption) + "</th><td class=\"score\">" +
            HtmlEscaped(row.Fields[1]) + "</td></tr>\n</table>\n";

    // The row as the result list shows it.
    html += "<table class=\"listrow\">\n<tr>";
    for (const ResultColumn& column : ResultColumns()) {
        html += "<th>" + HtmlEscaped(column.Caption) + "</th>";
    }
    html += "</tr>\n<tr>";
    for (std::size_t f = 0; f < ResultColumns().size(); ++f) {
        html += Cell(row.Fields[f]);
    }
    return html + "</tr>\n</table>\n";
}

std::string NameSections(const AskedName& asked) {
    const ResultRow row = BuildResultRow(asked.Code, asked.Family);
    std::string html =
        "<section id=\"name\">\n<p class=\"large\">" + HtmlEscaped(asked.FullName) + "</p>\n";
    html += CharacterTable(asked.Characters) + GridTable(row) + "</section>\n";
    const auto classics = PoetryNames(asked.SexIndex, asked.LengthIndex);
    if (std::find(classics.begin(), classics.end(), asked.Code) != classics.end()) {
        if (const std::optional<SourcePoem> poem = RenderSourcePoem(asked.Code)) {
            html += SourcePoemSection(*poem);
        }
    }
    return html;
}

std::string Address() {
    return std::string(FortuneBase) + "QimingTest.asp";
}

std::string NameForm(const std::vector<QueryItem>& query) {
    PageForm form(Address(), query);
    form.TextBox("xing", "姓氏", 4);
    form.TextBox("ming", "名字", 4);
    form.List("xingbie", "性别", {{"男", "男"}, {"女", "女"}});
    form.BirthMoment();
    form.Hidden("dest", NameFirst);
    return form.Html("分析");
}

}  // namespace

std::string NameAnalysisPage(const PageRequest& request) {
    if (request.Query.empty()) {
        return SiteDocument(
            PageTitle, "<p>输入姓名、性别和出生时间（公历）。</p>\n" + NameForm(request.Query));
    }
    QueryReader reader(request.Query);
    const std::optional<AskedName> asked = ReadName(reader);
    const std::optional<BirthFields> birth = ReadSolarBirth(reader);
    std::optional<BirthChartTexts> chart;
    if (asked && birth) {
        chart = ChartOfQueriedBirth(reader, *birth, asked->Family.Text);
    }
    if (!chart) {
        return SiteDocument(PageTitle, ProblemList("无法分析这个名字：", reader.Problems()) +
                                           NameForm(request.Query));
    }
    const std::string name = NameSections(*asked);
    const std::string born = ChartSection(*chart);
    return SiteDocument(std::string(PageTitle) + "：" + asked->FullName,
                        asked->ChartBeforeName ? born + name : name + born);
}

}  // namespace morvenda
