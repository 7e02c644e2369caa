#include "evaluation/digit_element.h"

#include <gtest/gtest.h>

namespace morvenda {
namespace {

TEST(DigitElement, EachDigitAndTenHaveTheirElementOthersNone) {
    struct Case {
        int digit;
        std::string_view name;
    };
    for (const Case& c : {Case{1, "木"}, Case{2, "木"}, Case{3, "火"}, Case{4, "火"}, Case{5, "土"},
                          Case{6, "土"}, Case{7, "金"}, Case{8, "金"}, Case{9, "水"}, Case{0, "水"},
                          Case{10, "水"}, Case{11, ""}, Case{-1, ""}, Case{20, ""}}) {
        EXPECT_EQ(DigitElementName(c.digit), c.name) << c.digit;
        EXPECT_EQ(DigitElement(c.digit).has_value(), !c.name.empty()) << c.digit;
    }
}

}  // namespace
}  // namespace morvenda
