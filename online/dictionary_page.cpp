#include "online/dictionary_page.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/elements.h"
#include "dict/char_search.h"
#include "dict/char_table.h"
#include "dict/radical_table.h"
#include "online/dictionary_query.h"
#include "online/page_address.h"
#include "online/page_parts.h"
#include "online/site_addresses.h"
#include "online/site_document.h"

namespace morvenda {
namespace {

constexpr std::string_view PageTitle = "新华字典";

// Titles name at most this much of a query; the search box shows all of what was searched.
constexpr std::size_t TitleQueryBytes = 60;

std::optional<std::string> QueryValue(const PageRequest& request, std::string_view key) {
    for (const QueryItem& item : request.Query) {
        if (item.Key == key) {
            return item.Value;
        }
    }
    return std::nullopt;
}

std::string Link(std::string_view key, std::string_view value, std::string_view caption) {
    std::string href(SiteRoot);
    href += "xhzd/?";
    href += key;
    href += '=';
    href += AddressText(value);
    return "<a href=\"" + HtmlEscaped(href) + "\">" + HtmlEscaped(caption) + "</a>";
}

std::string CharacterLink(CharIndex row) {
    return Link("zi", Glyph(row), Glyph(row));
}

std::string RadicalLink(int radical) {
    return Link("bs", RadicalGlyph(radical), RadicalGlyph(radical));
}

std::string ReadingLinks(CharIndex row) {
    std::string links;
    for (const std::string_view reading : Readings(row)) {
        links += links.empty() ? "" : " ";
        links += Link("q", reading, reading);
    }
    return links;
}

// The help goes inside the form, so a printed page leaves out both.
std::string SearchForm(std::string_view value) {
    std::string form = "<form action=\"";
    form += SiteRoot;
    form += "xhzd/\" method=\"get\">\n<input type=\"search\" name=\"q\" size=\"32\" value=\"";
    form += HtmlEscaped(value);
    form +=
        "\" autofocus>\n<button type=\"submit\">查询</button>\n"
        "<p class=\"note\">输入一个或几个汉字，或者不带声调的拼音（zhang、zhang san），"
        "大小写均可；ü 写作 v 或 ü（lv 吕、nv 女，lue 即 lve）。</p>\n</form>\n";
    return form;
}

constexpr std::string_view FieldHeadings =
    "<tr><th>字</th><th>拼音</th><th>部首</th><th>笔画</th><th>康熙笔画</th>"
    "<th>字义五行</th><th>部首五行</th></tr>\n";

std::string CharacterTable(const std::vector<CharIndex>& rows) {
    std::string table = "<table>\n";
    table += FieldHeadings;
    for (const CharIndex row : rows) {
        table += "<tr><td>" + CharacterLink(row) + "</td><td>" + ReadingLinks(row) + "</td><td>" +
                 RadicalLink(RadicalIndex(row)) + "</td><td>" +
                 std::to_string(SimplifiedStrokes(row)) + "</td><td>" +
                 std::to_string(KangxiStrokes(row)) + "</td><td>" +
                 ElementsCellText(ElementByMeaning(row)) + "</td><td>" +
                 ElementsCellText(ElementByRadical(row)) + "</td></tr>\n";
    }
    table += "</table>\n";
    return table;
}

// The start of a table line for a stroke count: "3 画" never breaks, even in a narrow printed
// column.
std::string StrokeHeading(int strokes) {
    return "<tr><th>" + std::to_string(strokes) + "&nbsp;画</th><td>";
}

// The characters of a radical, a line for each stroke count, as a printed dictionary lists them;
// the character whose page this is stands out, without a link to itself.
std::string RadicalCharacters(int radical, CharIndex shown) {
    std::vector<CharIndex> rows = CharsWithRadical(radical);
    std::stable_sort(rows.begin(), rows.end(), [](CharIndex a, CharIndex b) {
        return SimplifiedStrokes(a) < SimplifiedStrokes(b);
    });
    std::string html = "<h2>部首“" + HtmlEscaped(RadicalGlyph(radical)) + "”的字（" +
                       std::to_string(rows.size()) + " 字）</h2>\n<table>\n";
    for (std::size_t i = 0; i < rows.size();) {
        const int strokes = SimplifiedStrokes(rows[i]);
        html += StrokeHeading(strokes);
        for (const std::size_t first = i; i < rows.size() && SimplifiedStrokes(rows[i]) == strokes;
             ++i) {
            html += i == first ? "" : " ";
            html += rows[i] == shown ? "<strong>" + HtmlEscaped(Glyph(shown)) + "</strong>"
                                     : CharacterLink(rows[i]);
        }
        html += "</td></tr>\n";
    }
    html += "</table>\n";
    return html;
}

std::string PageTitleFor(std::string_view what) {
    return std::string(PageTitle) + "：" + std::string(what);
}

std::string StartPage() {
    std::string body = SearchForm("");
    body += "<p class=\"note\">收录 " + std::to_string(CharCount) +
            " 字。</p>\n<h2>部首检字</h2>\n<table>\n";
    for (int strokes = 1; strokes <= static_cast<int>(StrokeNumerals.size()); ++strokes) {
        std::string links;
        for (const std::string& glyph : RadicalsWithStrokes(strokes)) {
            const int radical = FindRadicalIndex(glyph);
            if (!CharsWithRadical(radical).empty()) {
                links += links.empty() ? "" : " ";
                links += RadicalLink(radical);
            }
        }
        if (!links.empty()) {
            body += StrokeHeading(strokes) + links + "</td></tr>\n";
        }
    }
    body += "</table>\n";
    return SiteDocument(PageTitle, body);
}

// The query cut to whole characters for the title.
std::string TitleQuery(const std::string& searched) {
    if (searched.size() <= TitleQueryBytes) {
        return searched;
    }
    std::size_t end = TitleQueryBytes;
    while (end > 0 && (static_cast<unsigned char>(searched[end]) & 0xC0) == 0x80) {
        --end;
    }
    return searched.substr(0, end) + "…";
}

std::string SearchPage(std::string_view text) {
    const DictionaryQuery query = ParseDictionaryQuery(text);
    std::string body = SearchForm(query.Searched);
    if (query.Shortened) {
        body += "<p class=\"note\">查询太长，只查了前 " + std::to_string(MaxQueryLength) +
                " 个字符。</p>\n";
    }
    if (query.Characters.empty() && query.Readings.empty() && query.NotFound.empty()) {
        body += "<p class=\"error\">“" + HtmlEscaped(query.Searched) +
                "”里没有可查的汉字或拼音。</p>\n";
    }
    if (!query.NotFound.empty()) {
        body += "<p class=\"error\">字典里没有：";
        for (std::size_t i = 0; i < query.NotFound.size(); ++i) {
            body += (i == 0 ? "“" : "、“") + HtmlEscaped(query.NotFound[i]) + "”";
        }
        body += "</p>\n";
    }
    struct Section {
        std::string Id;       // readings are plain lowercase letters
        std::string Heading;  // HTML
        std::string Table;
    };
    std::vector<Section> sections;
    if (!query.Characters.empty()) {
        sections.push_back({"zi", "汉字（" + std::to_string(query.Characters.size()) + " 字）",
                            CharacterTable(query.Characters)});
    }
    for (const std::string& reading : query.Readings) {
        const std::vector<CharIndex> rows = CharsWithReading(reading);
        sections.push_back(
            {"r-" + reading,
             "读音 " + HtmlEscaped(reading) + "（" + std::to_string(rows.size()) + " 字）",
             CharacterTable(rows)});
    }
    // Several sections make a long page: a line of links to each comes first.
    if (sections.size() > 1) {
        body += "<p>";
        for (const Section& section : sections) {
            body += section.Id == sections.front().Id ? "" : "　";
            body += "<a href=\"#" + section.Id + "\">" + section.Heading + "</a>";
        }
        body += "</p>\n";
    }
    for (const Section& section : sections) {
        body += "<h2 id=\"" + section.Id + "\">" + section.Heading + "</h2>\n" + section.Table;
    }
    return SiteDocument(PageTitleFor("查询“" + TitleQuery(query.Searched) + "”"), body);
}

std::string CharacterPage(CharIndex row) {
    const int radical = RadicalIndex(row);
    std::string body = SearchForm("");
    body += "<p class=\"large\">" + HtmlEscaped(Glyph(row)) + "</p>\n<table>\n";
    body += "<tr><th>拼音</th><td>" + ReadingLinks(row) + "</td></tr>\n";
    body += "<tr><th>部首</th><td>" + RadicalLink(radical) + "</td></tr>\n";
    body += "<tr><th>笔画</th><td>" + std::to_string(SimplifiedStrokes(row)) + "</td></tr>\n";
    body += "<tr><th>康熙笔画</th><td>" + std::to_string(KangxiStrokes(row)) + "</td></tr>\n";
    body += "<tr><th>字义五行</th><td>" + ElementsCellText(ElementByMeaning(row)) + "</td></tr>\n";
    body += "<tr><th>部首五行</th><td>" + ElementsCellText(ElementByRadical(row)) + "</td></tr>\n";
    body += "</table>\n";
    body += RadicalCharacters(radical, row);
    return SiteDocument(PageTitleFor(Glyph(row)), body);
}

std::string RadicalPage(int radical) {
    std::string body = SearchForm("");
    body += RadicalCharacters(radical, CharCount);
    return SiteDocument(PageTitleFor("部首“" + std::string(RadicalGlyph(radical)) + "”"), body);
}

}  // namespace

std::string DictionaryPage(const PageRequest& request) {
    const auto zi = QueryValue(request, "zi");
    const auto bs = QueryValue(request, "bs");
    const std::string value = zi ? *zi : bs ? *bs : QueryValue(request, "q").value_or("");
    if (std::all_of(value.begin(), value.end(), [](char c) { return c == ' '; })) {
        return StartPage();
    }
    if (const CharIndex row = FindCharIndex(value); zi && IsCharacterRow(row)) {
        return CharacterPage(row);
    }
    if (const int radical = FindRadicalIndex(value);
        !zi && bs && RadicalGlyph(radical) == value && !CharsWithRadical(radical).empty()) {
        return RadicalPage(radical);
    }
    return SearchPage(value);
}

}  // namespace morvenda
