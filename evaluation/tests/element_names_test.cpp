#include "evaluation/element_names.h"

#include <gtest/gtest.h>

namespace morvenda {
namespace {

TEST(ElementNames, DigitElement) {
    struct Case {
        int digit;
        std::string_view name;
    };
    for (const Case& c : {Case{1, "木"}, Case{2, "木"}, Case{3, "火"}, Case{4, "火"},
                          Case{5, "土"}, Case{6, "土"}, Case{7, "金"}, Case{8, "金"},
                          Case{9, "水"}, Case{0, "水"}, Case{10, "水"}, Case{11, ""},
                          Case{-1, ""}, Case{20, ""}}) {
        EXPECT_EQ(DigitElementName(c.digit), c.name) << c.digit;
    }
}

TEST(ElementNames, SingleElementMask) {
    struct Case {
        ElementMask mask;
        std::string_view name;
    };
    for (const Case& c : {Case{ElementEarth, "土"}, Case{ElementFire, "火"},
                          Case{ElementWater, "水"}, Case{ElementWood, "木"},
                          Case{ElementMetal, "金"}, Case{0, ""}, Case{3, ""},
                          Case{ElementFire | ElementWood, ""}, Case{31, ""}, Case{32, ""}}) {
        EXPECT_EQ(ElementName(c.mask), c.name) << c.mask;
    }
}

}  // namespace
}  // namespace morvenda
