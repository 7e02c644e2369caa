#include "base/elements.h"

#include <gtest/gtest.h>

namespace morvenda {
namespace {

// Each element's character, calendar number and dictionary bit, which the data files, the
// calendar's tables and the dialog's box order all rely on.
TEST(Elements, EveryEncodingOfEachElement) {
    struct Case {
        Element element;
        std::string_view text;
        CalendarElement number;
        unsigned bit;
    };
    const Case cases[] = {
        {Element::Metal, "金", 0, 16}, {Element::Wood, "木", 1, 8},  {Element::Water, "水", 2, 4},
        {Element::Fire, "火", 3, 2},   {Element::Earth, "土", 4, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ElementText(c.element), c.text);
        EXPECT_EQ(ElementFromText(c.text), c.element);
        EXPECT_EQ(ToCalendarElement(c.element), c.number);
        EXPECT_EQ(FromCalendarElement(c.number), c.element);
        EXPECT_EQ(ElementMask(c.element).Bits(), c.bit);
        EXPECT_EQ(ElementMask::FromBits(c.bit).Single(), c.element);
    }
}

TEST(Elements, TextsAndNumbersOutsideTheFiveAreNone) {
    for (const std::string_view text : {"", "山", "金木", "a"}) {
        EXPECT_FALSE(ElementFromText(text).has_value()) << text;
    }
    for (const CalendarElement number : {-1, 5, 100}) {
        EXPECT_FALSE(FromCalendarElement(number).has_value()) << number;
    }
}

TEST(ElementMask, SetsShareAnElementWhenTheyHaveOneInCommon) {
    const ElementMask fireAndWood = Element::Fire | Element::Wood;
    EXPECT_EQ(fireAndWood.Bits(), 10u);
    EXPECT_TRUE(fireAndWood.Contains(Element::Wood));
    EXPECT_FALSE(fireAndWood.Contains(Element::Metal));
    EXPECT_TRUE(fireAndWood.SharesElementWith(Element::Fire | Element::Earth));
    EXPECT_FALSE(fireAndWood.SharesElementWith(Element::Water | Element::Metal));
    EXPECT_FALSE(ElementMask().SharesElementWith(fireAndWood));
    EXPECT_FALSE(fireAndWood.Single().has_value());

    ElementMask mask;
    mask.Set(Element::Water, true);
    mask.Set(Element::Earth, true);
    mask.Set(Element::Water, false);
    EXPECT_EQ(mask, ElementMask(Element::Earth));
}

TEST(ElementMask, NameOfASingleElementOnly) {
    struct Case {
        ElementMask mask;
        std::string_view name;
    };
    for (const Case& c :
         {Case{Element::Earth, "土"}, Case{Element::Fire, "火"}, Case{Element::Water, "水"},
          Case{Element::Wood, "木"}, Case{Element::Metal, "金"}, Case{ElementMask::FromBits(0), ""},
          Case{ElementMask::FromBits(3), ""}, Case{Element::Fire | Element::Wood, ""},
          Case{ElementMask::FromBits(31), ""}, Case{ElementMask::FromBits(32), ""}}) {
        EXPECT_EQ(ElementName(c.mask), c.name) << c.mask.Bits();
    }
}

}  // namespace
}  // namespace morvenda
