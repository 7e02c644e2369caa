#include <array>
#include <string>

#include "chart/birth_chart.h"

namespace morvenda {
namespace {

constexpr int Caption = ChartTagCaption;
constexpr int Value = ChartTagValue;
constexpr int LinkTag = ChartTagLink;

// Rows of the two grids and the columns they share.
constexpr int Row1 = 8, Row2 = 32, Row3 = 57, AdviceRow = 85;
constexpr int DateX1 = 48, DateX2 = 96, DateX3 = 146, DateX4 = 195, DateWidth = 40;
constexpr int ElemX1 = 343, ElemX2 = 406, ElemX3 = 472, ElemX4 = 537, ElemWidth = 60;
constexpr int SideX = 669, SideWidth = 75;

constexpr std::array<ChartLabelLayout, 43> PanelLabels{{
    {"Label10", Caption, "公历", 8, Row1, 0, true, false},
    {"Label83", Value, "", DateX1, Row1, DateWidth, false, false},
    {"Label84", Value, "", DateX2, Row1, DateWidth, false, false},
    {"Label85", Value, "", DateX3, Row1, DateWidth, false, false},
    {"Label86", Value, "", DateX4, Row1, DateWidth, false, false},
    {"Label25", Caption, "五     行", 270, Row1, 0, true, false},
    {"Label95", Value, "", ElemX1, Row1, ElemWidth, false, false},
    {"Label96", Value, "", ElemX2, Row1, ElemWidth, false, false},
    {"Label97", Value, "", ElemX3, Row1, ElemWidth, false, false},
    {"Label98", Value, "", ElemX4, Row1, ElemWidth, false, false},
    {"Label40", Caption, "属相", 603, Row1, 0, true, false},
    {"Label107", Value, "", SideX, Row1, SideWidth, false, true},

    {"Label11", Caption, "农历", 8, Row2, 0, true, false},
    {"Label87", Value, "", DateX1, Row2, DateWidth, false, false},
    {"Label88", Value, "", DateX2, Row2, DateWidth, false, false},
    {"Label89", Value, "", DateX3, Row2, DateWidth, false, false},
    {"Label90", Value, "", DateX4, Row2, DateWidth, false, false},
    {"Label26", Caption, "五行(藏干)", 270, Row2, 0, true, false},
    {"Label99", Value, "", ElemX1, Row2, ElemWidth, false, false},
    {"Label100", Value, "", ElemX2, Row2, ElemWidth, false, false},
    {"Label101", Value, "", ElemX3, Row2, ElemWidth, false, false},
    {"Label102", Value, "", ElemX4, Row2, ElemWidth, false, false},
    {"Label41", Caption, "星座", 603, Row2, 0, true, false},
    {"Label108", Value, "", SideX, Row2, SideWidth, false, true},

    {"Label12", Caption, "八字", 8, Row3, 0, true, false},
    {"Label91", Value, "", DateX1, Row3, DateWidth, false, false},
    {"Label92", Value, "", DateX2, Row3, DateWidth, false, false},
    {"Label93", Value, "", DateX3, Row3, DateWidth, false, false},
    {"Label94", Value, "", DateX4, Row3, DateWidth, false, false},
    {"Label31", Caption, "纳     音", 270, Row3, 0, true, false},
    {"Label103", Value, "", ElemX1, Row3, ElemWidth, false, false},
    {"Label104", Value, "", ElemX2, Row3, ElemWidth, false, false},
    {"Label105", Value, "", ElemX3, Row3, ElemWidth, false, false},
    {"Label106", Value, "", ElemX4, Row3, ElemWidth, false, false},
    {"Label30", Caption, "星座运程", 608, Row3, 0, true, false},
    {"Label32", LinkTag, "今", 669, Row3, 20, false, true},
    {"Label33", LinkTag, "明", 690, Row3, 20, false, true},
    {"Label34", LinkTag, "周", 712, Row3, 20, false, true},
    {"Label35", LinkTag, "年", 733, Row3, 20, false, true},

    {"Label47", Caption, "建议", 8, AdviceRow, 0, true, false},
    // The advice is overwritten by every chart but never emptied, hence no value tag.
    {"Label13", Caption, "", DateX1, AdviceRow, 0, false, false},
    {"Label36", Value, "", 608, AdviceRow, 0, false, true},
    {"Label37", Caption, "性格分析", 698, AdviceRow, 0, false, true},
}};

}  // namespace

std::span<const ChartLabelLayout> ChartPanelLabels() { return PanelLabels; }

std::vector<std::pair<std::string_view, std::string>> ChartLabelTexts(const BirthChartTexts& chart) {
    std::vector<std::pair<std::string_view, std::string>> texts;
    const auto addRow = [&texts](std::array<std::string_view, 4> names,
                                 const std::array<std::string, 4>& values) {
        for (std::size_t c = 0; c < names.size(); ++c) {
            texts.emplace_back(names[c], values[c]);
        }
    };
    addRow({"Label83", "Label84", "Label85", "Label86"}, chart.Solar);
    addRow({"Label87", "Label88", "Label89", "Label90"}, chart.Lunar);
    addRow({"Label91", "Label92", "Label93", "Label94"}, chart.Pillars);
    addRow({"Label95", "Label96", "Label97", "Label98"}, chart.Elements);
    addRow({"Label99", "Label100", "Label101", "Label102"}, chart.HiddenElements);
    addRow({"Label103", "Label104", "Label105", "Label106"}, chart.NaYin);
    texts.emplace_back("Label107", chart.Zodiac);
    texts.emplace_back("Label108", chart.StarSign);
    texts.emplace_back("Label13", chart.Advice);
    texts.emplace_back("Label36", chart.FamilyOrigin);
    texts.emplace_back("Label37", chart.Personality);
    return texts;
}

}  // namespace morvenda
