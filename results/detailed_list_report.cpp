#include "results/detailed_list_report.h"

#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "results/list_page_bands.h"

namespace morvenda {
namespace {

struct Column {
    PaperLength Left;
    PaperLength Width;
    std::string_view Caption;
    LabelAlignment Alignment;
};

constexpr std::array<Column, DetailedListColumnCount> Columns{{
    {1.6_mm, 6.6_mm, "序号", LabelAlignment::Left},
    {13.8_mm, 6.6_mm, "姓名", LabelAlignment::Left},
    {33.6_mm, 13.0_mm, "格局评分", LabelAlignment::Centre},
    {50.5_mm, 13.0_mm, "五行格局", LabelAlignment::Centre},
    {67.5_mm, 19.3_mm, "笔画组合[简]", LabelAlignment::Centre},
    {90.8_mm, 13.0_mm, "总数[简]", LabelAlignment::Centre},
    {107.7_mm, 19.3_mm, "笔画组合[繁]", LabelAlignment::Centre},
    {131.0_mm, 13.0_mm, "总数[繁]", LabelAlignment::Centre},
    {147.9_mm, 6.6_mm, "天格", LabelAlignment::Centre},
    {158.5_mm, 6.6_mm, "人格", LabelAlignment::Centre},
    {169.1_mm, 6.6_mm, "地格", LabelAlignment::Centre},
    {179.7_mm, 6.6_mm, "外格", LabelAlignment::Centre},
    {190.2_mm, 6.6_mm, "总格", LabelAlignment::Centre},
}};

constexpr auto HeaderLabels = ListPageHeaderLabels(200_mm, 2.9_mm, 11.4_mm, Song9, 77.8_mm);

// Captions are left-aligned above their columns; the fields take the columns' alignment.
constexpr std::array<ReportLabel, DetailedListColumnCount> ColumnLabels(LabelContent content) {
    const bool captions = content == LabelContent::Fixed;
    std::array<ReportLabel, DetailedListColumnCount> labels{};
    for (int i = 0; i < DetailedListColumnCount; ++i) {
        const Column& column = Columns[static_cast<std::size_t>(i)];
        labels[static_cast<std::size_t>(i)] = {column.Left,
                                               1.1_mm,
                                               column.Width,
                                               captions ? LabelAlignment::Left : column.Alignment,
                                               Song9,
                                               LabelInk::Black,
                                               content,
                                               captions ? column.Caption : std::string_view(),
                                               i};
    }
    return labels;
}

constexpr auto CaptionLabels = ColumnLabels(LabelContent::Fixed);
constexpr auto FieldLabels = ColumnLabels(LabelContent::Field);

constexpr auto FooterLabels = ListPageFooterLabels(1.6_mm, 1.6_mm, 167.2_mm, Song9);

constexpr ReportLayout Layout{
    210_mm,
    297_mm,
    {8_mm, 8_mm, 5_mm, 5_mm},
    200_mm,
    {15.9_mm, false, false, HeaderLabels},
    {5.3_mm, true, true, CaptionLabels},
    {5.0_mm, false, false, FieldLabels},
    {7.9_mm, true, false, FooterLabels},
};

// The list keeps its stroke totals four digits wide for sorting; on paper 27 reads 27. A text
// that is no number, which no listing produces, prints as it is.
std::string WithoutLeadingZeros(const std::string& padded) {
    int value = 0;
    const char* end = padded.data() + padded.size();
    const auto [stop, error] = std::from_chars(padded.data(), end, value);
    return error == std::errc() && stop == end ? std::to_string(value) : padded;
}

}  // namespace

const ReportLayout& DetailedListLayout() {
    return Layout;
}

ReportRecord DetailedListRecord(const ResultRow& row, int rowIndex) {
    const auto& f = row.Fields;
    return {std::to_string(rowIndex + 1),
            f[0],
            f[1],
            f[2],
            f[3],
            WithoutLeadingZeros(f[10]),
            f[4],
            WithoutLeadingZeros(f[11]),
            f[5],
            f[6],
            f[7],
            f[8],
            f[9]};
}

std::vector<ReportRecord> DetailedListRecords(std::span<const ResultRow> rows) {
    std::vector<ReportRecord> records;
    records.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        records.push_back(DetailedListRecord(rows[i], static_cast<int>(i)));
    }
    return records;
}

}  // namespace morvenda
