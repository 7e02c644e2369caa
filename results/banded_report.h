#pragma once
// A printed list as bands on a page: a page header, an optional column header, one detail band
// per record and a page footer, every page carrying all three. The layouts are plain tables in
// tenths of a millimetre so that band sums and page capacities come out exact; the windows only
// draw what these tables and the records say.

#include <compare>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvenda {

// A length on paper, held in tenths of a millimetre.
struct PaperLength {
    int Tenths = 0;

    constexpr double Millimetres() const { return Tenths / 10.0; }
    constexpr auto operator<=>(const PaperLength&) const = default;
};

constexpr PaperLength operator+(PaperLength a, PaperLength b) {
    return {a.Tenths + b.Tenths};
}
constexpr PaperLength operator-(PaperLength a, PaperLength b) {
    return {a.Tenths - b.Tenths};
}

// 15.9_mm: the layout tables are written in millimetres with one decimal.
consteval PaperLength operator""_mm(long double mm) {
    return {static_cast<int>(mm * 10 + 0.5L)};
}
consteval PaperLength operator""_mm(unsigned long long mm) {
    return {static_cast<int>(mm * 10)};
}

// A font by the name the program gives it ("宋体", "楷体_GB2312"); the windows map the name to
// the families installed.
struct ReportFont {
    std::string_view Name;
    int Points;
    bool Bold = false;
};

enum class LabelAlignment { Left, Centre };
enum class LabelInk { Black, Blue };

// Where a label's text comes from.
enum class LabelContent {
    Fixed,       // the label's Text
    PrintTime,   // PrintTimeText of the pass
    PageNumber,  // PageNumberText of the page
    Field,       // the record's field number Field
};

struct ReportLabel {
    PaperLength Left;
    PaperLength Top;
    // A centred label is centred in this width; a left-aligned one grows to the right.
    PaperLength Width;
    LabelAlignment Alignment;
    ReportFont Font;
    LabelInk Ink;
    LabelContent Content;
    std::string_view Text = {};
    int Field = 0;
    // Starts directly after the label before it when that one ends right of Left, so that a
    // text printed wider than designed pushes its neighbour instead of running into it.
    bool FollowsPrevious = false;
};

// A band with Height 0 is absent.
struct ReportBand {
    PaperLength Height;
    bool RuleAtTop = false;
    bool RuleAtBottom = false;
    std::span<const ReportLabel> Labels = {};
};

struct PageMargins {
    PaperLength Top;
    PaperLength Bottom;
    PaperLength Left;
    PaperLength Right;
};

struct ReportLayout {
    PaperLength PageWidth;
    PaperLength PageHeight;
    PageMargins Margins;
    PaperLength BandWidth;
    ReportBand PageHeader;
    ReportBand ColumnHeader;
    ReportBand Detail;
    ReportBand PageFooter;  // sits at the foot of the printable height

    constexpr PaperLength PrintableHeight() const {
        return PageHeight - Margins.Top - Margins.Bottom;
    }
};

// A record's texts, indexed by the detail labels' Field.
using ReportRecord = std::vector<std::string>;

// Detail bands that fit between the header bands and the footer; at least one, so that a page
// too short for its bands still makes progress.
int RecordsPerPage(const ReportLayout& layout, PaperLength printableHeight);

// Pages for the records, at least one: a list with no records still prints its bands.
int PageCount(const ReportLayout& layout, PaperLength printableHeight, int recordCount);

// "打印时间：" and the moment the pass started, formatted by the caller's locale.
std::string PrintTimeText(std::string_view formattedDateTime);

// "页码：" page "/" total.
std::string PageNumberText(int page, int totalPages);

// Shown in the status bar while a print preview is open.
inline constexpr std::string_view PrintingStatusText = "正在打印， 请稍候...";

}  // namespace morvenda
