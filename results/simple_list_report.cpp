#include "results/simple_list_report.h"

#include <array>
#include <cstdio>

#include "results/list_page_bands.h"

namespace morvenda {
namespace {

constexpr auto HeaderLabels = ListPageHeaderLabels(190_mm, 1.9_mm, 10.6_mm, Song10, 80.7_mm);

constexpr std::array DetailLabels{
    ReportLabel{2.1_mm, 1.3_mm, 0_mm, LabelAlignment::Left, Song10, LabelInk::Black,
                LabelContent::Field},
};

constexpr auto FooterLabels = ListPageFooterLabels(2.1_mm, 2.1_mm, 156.6_mm, Song10);

constexpr ReportLayout Layout{
    210_mm,
    297_mm,
    {10_mm, 10_mm, 10_mm, 10_mm},
    190_mm,
    {15.9_mm, false, true, HeaderLabels},
    {},
    {5.6_mm, false, false, DetailLabels},
    {6.9_mm, true, false, FooterLabels},
};

// Blanks and control characters, the bytes a trim removes; every other byte belongs to text.
bool IsBlankByte(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsBlankLine(const std::string& line) {
    for (const char c : line) {
        if (!IsBlankByte(c)) {
            return false;
        }
    }
    return true;
}

std::string DoubledSpaces(const std::string& line) {
    std::string doubled;
    doubled.reserve(line.size() * 2);
    for (const char c : line) {
        doubled += c;
        if (c == ' ') {
            doubled += ' ';
        }
    }
    return doubled;
}

// The ordinal of the line's first name, ten names to a line: "%4d%3s" with a one-space text.
std::string OrdinalPrefix(int lineIndex) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%4d%3s", lineIndex * 10 + 1, " ");
    return prefix;
}

}  // namespace

const ReportLayout& SimpleListLayout() {
    return Layout;
}

std::vector<std::string> MemoLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

int NameLineCount(std::span<const std::string> lines) {
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (IsBlankLine(lines[i])) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(lines.size());
}

std::vector<ReportRecord> SimpleListRecords(std::span<const std::string> lines) {
    const int nameLines = NameLineCount(lines);
    std::vector<ReportRecord> records;
    records.reserve(lines.size());
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        records.push_back({i < nameLines ? OrdinalPrefix(i) + DoubledSpaces(line) : line});
    }
    return records;
}

}  // namespace morvenda
