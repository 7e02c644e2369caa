#include "chart/birth_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace morvenda {
namespace {

std::set<std::string> NamesOfTag(int tag) {
    std::set<std::string> names;
    for (const ChartLabelLayout& label : ChartPanelLabels()) {
        if (label.Tag == tag) {
            names.emplace(label.Name);
        }
    }
    return names;
}

std::set<std::string> Range(int first, int last) {
    std::set<std::string> names;
    for (int n = first; n <= last; ++n) {
        names.insert("Label" + std::to_string(n));
    }
    return names;
}

TEST(ChartPanelLabels, ValueTagMarksTheGridsTheAnimalTheSignAndTheOriginLink) {
    std::set<std::string> expected = Range(83, 108);
    expected.insert("Label36");
    EXPECT_EQ(NamesOfTag(ChartTagValue), expected);
    EXPECT_EQ(NamesOfTag(ChartTagLink), Range(32, 35));
}

TEST(ChartPanelLabels, NamesAreUnique) {
    std::set<std::string_view> seen;
    for (const auto& label : ChartPanelLabels()) {
        EXPECT_TRUE(seen.insert(label.Name).second) << label.Name;
    }
}

// Everything the chart writes lands on a label of the panel, every value label gets a text, and
// the advice, which is never emptied, is written by every chart.
TEST(ChartPanelLabels, ChartTextsCoverEveryValueLabel) {
    BirthChartTexts chart;
    const auto texts = ChartLabelTexts(chart);
    std::set<std::string> written;
    for (const auto& [name, text] : texts) {
        const auto labels = ChartPanelLabels();
        const auto found = std::find_if(labels.begin(), labels.end(),
                                        [name = name](const auto& label) { return label.Name == name; });
        ASSERT_NE(found, labels.end()) << name;
        EXPECT_NE(found->Tag, ChartTagLink) << name;
        written.emplace(name);
    }
    for (const auto& name : NamesOfTag(ChartTagValue)) {
        EXPECT_TRUE(written.contains(name)) << name;
    }
    EXPECT_TRUE(written.contains("Label13"));
    EXPECT_TRUE(written.contains("Label37"));
}

TEST(ChartPanelLabels, TextsFollowTheGridRowByRow) {
    BirthChartTexts chart;
    chart.Solar = {"a", "b", "c", "d"};
    chart.NaYin = {"n1", "n2", "n3", "n4"};
    chart.Zodiac = "牛";
    const auto texts = ChartLabelTexts(chart);
    const auto textOf = [&texts](std::string_view name) {
        for (const auto& [n, t] : texts) {
            if (n == name) return t;
        }
        return std::string("<missing>");
    };
    EXPECT_EQ(textOf("Label83"), "a");
    EXPECT_EQ(textOf("Label86"), "d");
    EXPECT_EQ(textOf("Label103"), "n1");
    EXPECT_EQ(textOf("Label106"), "n4");
    EXPECT_EQ(textOf("Label107"), "牛");
}

}  // namespace
}  // namespace morvenda
