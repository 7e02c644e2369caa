#include "online/chart_section.h"

#include <algorithm>
#include <array>

#include "online/site_document.h"

namespace morvenda {
namespace {

// The panel's caption of a label; its inner spaces only widen it on the panel.
std::string PanelCaption(std::string_view labelName) {
    const auto labels = ChartPanelLabels();
    const auto label = std::find_if(labels.begin(), labels.end(),
                                    [&](const ChartLabelLayout& l) { return l.Name == labelName; });
    std::string caption;
    for (const char c : label == labels.end() ? std::string_view() : label->Caption) {
        if (c != ' ') {
            caption += c;
        }
    }
    return caption;
}

struct ChartRow {
    std::string_view CaptionLabel;
    std::array<std::string, 4> BirthChartTexts::*Values;
};

constexpr std::array<ChartRow, 6> Rows{{
    {"Label10", &BirthChartTexts::Solar},
    {"Label11", &BirthChartTexts::Lunar},
    {"Label12", &BirthChartTexts::Pillars},
    {"Label25", &BirthChartTexts::Elements},
    {"Label26", &BirthChartTexts::HiddenElements},
    {"Label31", &BirthChartTexts::NaYin},
}};

std::string Cell(std::string_view tag, std::string_view text) {
    return "<" + std::string(tag) + ">" + HtmlEscaped(text) + "</" + std::string(tag) + ">";
}

}  // namespace

std::string ChartSection(const BirthChartTexts& chart) {
    std::string html = "<section id=\"chart\">\n<h2>生辰八字</h2>\n<table class=\"chart\">\n";
    html += "<tr><th></th><th>年</th><th>月</th><th>日</th><th>时</th></tr>\n";
    for (const ChartRow& row : Rows) {
        html += "<tr>" + Cell("th", PanelCaption(row.CaptionLabel));
        for (const std::string& value : chart.*row.Values) {
            html += Cell("td", value);
        }
        html += "</tr>\n";
    }
    html += "</table>\n<table class=\"chart\">\n";
    html += "<tr>" + Cell("th", PanelCaption("Label40")) + Cell("td", chart.Zodiac) + "</tr>\n";
    html += "<tr>" + Cell("th", PanelCaption("Label41")) + Cell("td", chart.StarSign) + "</tr>\n";
    html += "<tr>" + Cell("th", PanelCaption("Label47")) + Cell("td", chart.Advice) + "</tr>\n";
    return html + "</table>\n</section>\n";
}

}  // namespace morvenda
