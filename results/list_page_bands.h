#pragma once
// The page header and footer both printed lists share: the title, the line naming the program
// that made the list with the program's address after it, the print time and the page number.
// The two lists place them differently.

#include <array>

#include "online/site_addresses.h"
#include "results/banded_report.h"

namespace morvenda {

inline constexpr ReportFont Song9{"宋体", 9};
inline constexpr ReportFont Song10{"宋体", 10};
inline constexpr ReportFont TitleFont{"楷体_GB2312", 15, true};

// The title centred across the band; the credit line in the list's font; the address in blue
// 宋体 10 pt at its designed place or right after the credit line.
constexpr std::array<ReportLabel, 3> ListPageHeaderLabels(PaperLength bandWidth,
                                                          PaperLength titleTop,
                                                          PaperLength creditTop,
                                                          ReportFont creditFont,
                                                          PaperLength addressLeft) {
    using enum LabelAlignment;
    using enum LabelInk;
    return {{
        {0_mm, titleTop, bandWidth, Centre, TitleFont, Black, LabelContent::Fixed, "名字列表"},
        {2.1_mm, creditTop, 0_mm, Left, creditFont, Black, LabelContent::Fixed,
         "以下名字列表由 [Morvenda起名软件] 生成，　网址： "},
        {addressLeft, creditTop, 0_mm, Left, Song10, Blue, LabelContent::Fixed, SoftwareBase, 0,
         true},
    }};
}

constexpr std::array<ReportLabel, 2> ListPageFooterLabels(PaperLength top, PaperLength timeLeft,
                                                          PaperLength pageLeft, ReportFont font) {
    using enum LabelAlignment;
    using enum LabelInk;
    return {{
        {timeLeft, top, 0_mm, Left, font, Black, LabelContent::PrintTime},
        {pageLeft, top, 0_mm, Left, font, Black, LabelContent::PageNumber},
    }};
}

}  // namespace morvenda
