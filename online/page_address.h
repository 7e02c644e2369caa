#pragma once
// The address a component opens, from what the main window shows at that moment.
//
// Usage (window side, when a component is clicked):
//     PageContext context{edt_FirstName text, chart star sign, chart zodiac, current year,
//                         cmb_Sex text, birth fields, the row a name test is for};
//     if (auto address = PageAddress(*FindOnlinePage(objectName), context)) OpenWebPage(*address);

#include <optional>
#include <string>
#include <string_view>

#include "chart/birth_chart.h"
#include "online/page_table.h"
#include "results/result_row.h"

namespace morvenda {

struct PageContext {
    std::string FamilyText;          // the family-name edit, as typed
    std::string StarSign;            // the chart's star sign, "双子座"; empty before a chart
    std::string Zodiac;              // the chart's zodiac animal; empty before a chart
    int CurrentYear = 0;             // from the computer's clock
    std::string Sex;                 // the sex list's text, "男" or "女"
    BirthFields Birth;               // the solar birth moment of the last chart
    const ResultRow* Row = nullptr;  // the result row a name test is for; none: no page
};

// A text the user gave (or a chart text) as it goes into an address. The characters that would
// end a value or begin another key or the fragment (& # % + = ? and the control characters) are
// percent-encoded, so a family name such as "王&ver=1#" stays one value; every other character,
// Chinese text and spaces included, goes in as it is.
std::string AddressText(std::string_view text);

// 1 … 12 for the star sign a caption such as "双子座" names; 1 for anything else.
int StarSignNumberOf(std::string_view caption);

// The online analysis of a result row: its family glyphs (field 15) and its full name with every
// occurrence of them removed, the sex, the birth moment without leading zeros, and dest.
std::string OnlineNameTestAddress(const ResultRow& row, std::string_view sex,
                                  const BirthFields& birth, std::string_view dest);

// The whole address the entry opens; empty for a name test without a row.
std::optional<std::string> PageAddress(const OnlinePage& page, const PageContext& context);

}  // namespace morvenda
