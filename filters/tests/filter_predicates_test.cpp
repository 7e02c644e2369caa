#include "filters/filter_predicates.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace morvenda {
namespace {

TEST(ElementMaskFromBoxes, EachBoxAddsItsElement) {
    EXPECT_EQ(ElementMaskFromBoxes(false, false, false, false, false), 0u);
    EXPECT_EQ(ElementMaskFromBoxes(true, false, false, false, false), ElementMetal);
    EXPECT_EQ(ElementMaskFromBoxes(false, true, false, false, false), ElementWood);
    EXPECT_EQ(ElementMaskFromBoxes(false, false, true, false, false), ElementWater);
    EXPECT_EQ(ElementMaskFromBoxes(false, false, false, true, false), ElementFire);
    EXPECT_EQ(ElementMaskFromBoxes(false, false, false, false, true), ElementEarth);
    EXPECT_EQ(ElementMaskFromBoxes(true, true, true, true, true), 31u);
}

TEST(PinyinMatches, WholeFieldOrOneListedReading) {
    struct Case {
        std::string_view field, text;
        bool matches;
    };
    const Case cases[] = {
        {"hua", "hua", true},
        {"hua", "hu", false},
        {"hua", "Hua", false},
        {"hua", "", false},
        {",chang,zhang,", "chang", true},
        {",chang,zhang,", "zhang", true},
        {",chang,zhang,", "hang", false},
        {",chang,zhang,", "", false},
        {",ge,ka,lo,luo,", "lo", true},
        {",ge,ka,lo,luo,", "uo", false},
        {",chong,zhong,chong,", "chong", true},
        {"", "", true},  // the empty row against an empty text
        {"", "a", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PinyinMatches(c.field, c.text), c.matches) << c.field << " / " << c.text;
    }
}

// Characters whose rows are fixed in the table.
CharIndex Char(std::string_view glyph) {
    const CharIndex index = FindCharIndex(glyph);
    EXPECT_LT(index, CharCount) << glyph;
    return index;
}

NameCode Code(CharIndex first, CharIndex second) {
    return (static_cast<NameCode>(first) << 16) | static_cast<NameCode>(second);
}

using Setup = std::function<void(FilterConditions&)>;

// Which predicate a case asks; for rows 1 and 2 only the first character counts.
enum class Ask { FirstChar, SecondChar, GivenName, Specified };

bool Answer(const FilterSnapshot& s, Ask ask, std::string_view first, std::string_view second) {
    switch (ask) {
        case Ask::FirstChar:
            return CheckFirstGivenChar(s, Char(first));
        case Ask::SecondChar:
            return CheckSecondGivenChar(s, Char(first));
        case Ask::GivenName:
            return CheckGivenName(s, Code(Char(first), Char(second)));
        case Ask::Specified:
            return CheckSpecifiedChars(s, Char(first), Char(second));
    }
    return false;
}

struct Case {
    const char* what;
    Setup setup;
    Ask ask;
    std::string_view first;
    std::string_view second;
    bool passes;
};

void RunCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        FilterConditions conditions;
        c.setup(conditions);
        const FilterSnapshot snapshot(conditions);
        EXPECT_EQ(Answer(snapshot, c.ask, c.first, c.second), c.passes)
            << c.what << ": " << c.first << c.second;
    }
}

// Rows 1 and 2 test one character; each tab's row must read its own controls.
TEST(FilterPredicates, CharacterRows) {
    const auto meaning1Earth = [](FilterConditions& f) { f.chk2_1 = f.chk2_15 = true; };
    const auto radical1Fire = [](FilterConditions& f) { f.chk3_1 = f.chk3_14 = true; };
    const auto radical1Metal = [](FilterConditions& f) { f.chk3_1 = f.chk3_11 = true; };
    const auto pinyin1 = [](std::string text) {
        return [text](FilterConditions& f) { f.chk4_1 = true; f.edt4_1 = text; };
    };
    const auto strokes1 = [](bool simplified, int from, int to) {
        return [=](FilterConditions& f) {
            f.chk5_1 = true;
            f.rg_Jiti = simplified;
            f.sedt5_11 = from;
            f.sedt5_12 = to;
        };
    };
    const auto radical2Sun = [](FilterConditions& f) { f.chk6_2 = true; f.cmb6_2B = "日"; };
    RunCases({
        {"meaning 土 passes earth", meaning1Earth, Ask::FirstChar, "地", "", true},
        {"meaning 土 rejects fire", meaning1Earth, Ask::FirstChar, "明", "", false},
        {"meaning row 1 leaves row 2 open", meaning1Earth, Ask::SecondChar, "明", "", true},
        {"radical 火 passes 日", radical1Fire, Ask::FirstChar, "明", "", true},
        {"radical 火 passes fire + wood", radical1Fire, Ask::FirstChar, "秋", "", true},
        {"radical 金 rejects a radical without element", radical1Metal, Ask::FirstChar, "华",
         "", false},
        {"radical 金 passes 金", radical1Metal, Ask::FirstChar, "金", "", true},
        {"pinyin zhang passes 长", pinyin1("zhang"), Ask::FirstChar, "长", "", true},
        {"pinyin chang passes 长", pinyin1("chang"), Ask::FirstChar, "长", "", true},
        {"pinyin hu rejects hua", pinyin1("hu"), Ask::FirstChar, "华", "", false},
        {"pinyin is case-sensitive", pinyin1("Hua"), Ask::FirstChar, "华", "", false},
        {"empty pinyin rejects", pinyin1(""), Ask::FirstChar, "华", "", false},
        {"simplified 6…6 passes 华", strokes1(true, 6, 6), Ask::FirstChar, "华", "", true},
        {"Kangxi 6…6 rejects 华", strokes1(false, 6, 6), Ask::FirstChar, "华", "", false},
        {"Kangxi 14…14 passes 华", strokes1(false, 14, 14), Ask::FirstChar, "华", "", true},
        {"limits inclusive", strokes1(true, 5, 6), Ask::FirstChar, "华", "", true},
        {"lower limit above upper", strokes1(true, 7, 5), Ask::FirstChar, "华", "", false},
        {"radical 日 second passes 明", radical2Sun, Ask::SecondChar, "明", "", true},
        {"radical 日 second rejects 华", radical2Sun, Ask::SecondChar, "华", "", false},
        {"radical row 2 leaves row 1 open", radical2Sun, Ask::FirstChar, "华", "", true},
        {"row 2 meaning reads its own boxes",
         [](FilterConditions& f) { f.chk2_2 = f.chk2_23 = true; f.chk2_11 = f.chk2_31 = true; },
         Ask::SecondChar, "海", "", true},
        {"row 2 meaning rejects outside its boxes",
         [](FilterConditions& f) { f.chk2_2 = f.chk2_23 = true; f.chk2_11 = f.chk2_31 = true; },
         Ask::SecondChar, "金", "", false},
        {"row 2 radical element",
         [](FilterConditions& f) { f.chk3_2 = f.chk3_22 = true; }, Ask::SecondChar, "秋", "",
         true},
        {"row 2 pinyin", [](FilterConditions& f) { f.chk4_2 = true; f.edt4_2 = "li"; },
         Ask::SecondChar, "詈", "", true},
        {"row 2 strokes read their own limits",
         [](FilterConditions& f) {
             f.chk5_2 = true;
             f.sedt5_21 = 7;
             f.sedt5_22 = 9;
             f.sedt5_11 = 1;  // row 1's limits would let 华 (6) through
             f.sedt5_12 = 6;
         },
         Ask::SecondChar, "华", "", false},
        {"row 1 radical",
         [](FilterConditions& f) { f.chk6_1 = true; f.cmb6_1B = "氵"; }, Ask::FirstChar, "海",
         "", true},
        {"every checked row must hold",
         [](FilterConditions& f) {
             f.chk2_1 = f.chk2_13 = true;                   // water: 华 yes
             f.chk5_1 = true; f.sedt5_11 = 7; f.sedt5_12 = 9;  // 6 strokes: no
         },
         Ask::FirstChar, "华", "", false},
        {"no element box checked rejects",
         [](FilterConditions& f) { f.chk2_1 = true; }, Ask::FirstChar, "华", "", false},
    });
}

// Every element box of tabs 五行(字意) and 五行(部首) stands for its own element in its own row.
TEST(FilterPredicates, EachElementBoxSelectsItsElement) {
    using F = FilterConditions;
    struct Row {
        bool F::*rowBox;
        bool F::*boxes[5];  // 金 木 水 火 土
        unsigned (*field)(int);
        int position;  // 1, 2, or 3 for the whole name
    };
    const Row rows[] = {
        {&F::chk2_1, {&F::chk2_11, &F::chk2_12, &F::chk2_13, &F::chk2_14, &F::chk2_15},
         ElementByMeaning, 1},
        {&F::chk2_2, {&F::chk2_21, &F::chk2_22, &F::chk2_23, &F::chk2_24, &F::chk2_25},
         ElementByMeaning, 2},
        {&F::chk2_3, {&F::chk2_31, &F::chk2_32, &F::chk2_33, &F::chk2_34, &F::chk2_35},
         ElementByMeaning, 3},
        {&F::chk3_1, {&F::chk3_11, &F::chk3_12, &F::chk3_13, &F::chk3_14, &F::chk3_15},
         ElementByRadical, 1},
        {&F::chk3_2, {&F::chk3_21, &F::chk3_22, &F::chk3_23, &F::chk3_24, &F::chk3_25},
         ElementByRadical, 2},
        {&F::chk3_3, {&F::chk3_31, &F::chk3_32, &F::chk3_33, &F::chk3_34, &F::chk3_35},
         ElementByRadical, 3},
    };
    const ElementMask boxElements[5] = {ElementMetal, ElementWood, ElementWater, ElementFire,
                                        ElementEarth};
    const auto passes = [](const FilterSnapshot& s, int position, CharIndex i) {
        switch (position) {
            case 1:
                return CheckFirstGivenChar(s, i);
            case 2:
                return CheckSecondGivenChar(s, i);
            default:
                return CheckGivenName(s, Code(i, i));
        }
    };
    for (const Row& row : rows) {
        for (int box = 0; box < 5; ++box) {
            CharIndex holder = 0;
            while (holder < CharCount && row.field(holder) != boxElements[box]) ++holder;
            ASSERT_LT(holder, CharCount) << "no character of element " << boxElements[box];

            FilterConditions only;
            only.*row.rowBox = true;
            only.*row.boxes[box] = true;
            EXPECT_TRUE(passes(FilterSnapshot(only), row.position, holder))
                << "row " << row.position << " box " << box;

            FilterConditions allOthers;
            allOthers.*row.rowBox = true;
            for (int other = 0; other < 5; ++other) allOthers.*row.boxes[other] = other != box;
            EXPECT_FALSE(passes(FilterSnapshot(allOthers), row.position, holder))
                << "row " << row.position << " box " << box;
        }
    }
}

TEST(FilterPredicates, FixedCharacterLeavesItsPositionToTheSpecifiedTest) {
    const auto fixSecond = [](FilterConditions& f) {
        f.chk1_2 = true;
        f.edt1_2 = "明";
        f.chk2_2 = true;  // no element box: would reject everything
    };
    const auto fixFirst = [](FilterConditions& f) {
        f.chk1_1 = true;
        f.edt1_1 = "华";
        f.chk5_1 = true;  // 99 … 99 strokes: would reject everything
        f.sedt5_11 = f.sedt5_12 = 99;
    };
    RunCases({
        {"fixed second passes every second", fixSecond, Ask::SecondChar, "詈", "", true},
        {"fixed second decides by glyph", fixSecond, Ask::Specified, "华", "明", true},
        {"fixed second rejects another glyph", fixSecond, Ask::Specified, "明", "华", false},
        {"fixed second leaves row 1 alone", fixSecond, Ask::FirstChar, "詈", "", true},
        {"fixed first passes every first", fixFirst, Ask::FirstChar, "詈", "", true},
        {"fixed first decides by glyph", fixFirst, Ask::Specified, "华", "詈", true},
        {"fixed first rejects another glyph", fixFirst, Ask::Specified, "詈", "华", false},
        {"nothing fixed passes any pair", [](FilterConditions&) {}, Ask::Specified, "詈", "地",
         true},
        {"both fixed need both",
         [](FilterConditions& f) {
             f.chk1_1 = f.chk1_2 = true;
             f.edt1_1 = "华";
             f.edt1_2 = "明";
         },
         Ask::Specified, "华", "海", false},
        {"element row 1 keeps rows 2 applied",
         [](FilterConditions& f) {
             f.chk2_1 = f.chk2_11 = true;
             f.chk2_2 = f.chk2_25 = true;
         },
         Ask::SecondChar, "金", "", false},
    });
}

TEST(FilterPredicates, WholeNameRows) {
    const auto contains = [](std::string glyph) {
        return [glyph](FilterConditions& f) { f.chk1_3 = true; f.edt1_3 = glyph; };
    };
    const auto strokeSum = [](int from, int to) {
        return [=](FilterConditions& f) {
            f.chk5_3 = true;
            f.rg_Jiti = false;
            f.sedt5_31 = from;
            f.sedt5_32 = to;
        };
    };
    const auto waterAndSun = [](FilterConditions& f) {
        f.chk2_3 = f.chk2_33 = true;  // meaning water: 华, 海
        f.chk6_3 = true;              // radical 日: 明
        f.cmb6_3B = "日";
    };
    RunCases({
        {"contains 明 second", contains("明"), Ask::GivenName, "华", "明", true},
        {"contains 明 first", contains("明"), Ask::GivenName, "明", "华", true},
        {"contains 明 rejects", contains("明"), Ask::GivenName, "华", "生", false},
        {"Kangxi sum 22", strokeSum(22, 22), Ask::GivenName, "华", "明", true},
        {"Kangxi sum 21", strokeSum(21, 21), Ask::GivenName, "华", "明", false},
        {"Kangxi sum 23", strokeSum(23, 23), Ask::GivenName, "华", "明", false},
        {"simplified sum",
         [](FilterConditions& f) { f.chk5_3 = true; f.sedt5_31 = f.sedt5_32 = 14; },
         Ask::GivenName, "华", "明", true},
        {"rows met by different characters", waterAndSun, Ask::GivenName, "华", "明", true},
        {"rows met the other way round", waterAndSun, Ask::GivenName, "明", "海", true},
        {"one row unmet", waterAndSun, Ask::GivenName, "华", "海", false},
        {"radical element by second",
         [](FilterConditions& f) { f.chk3_3 = f.chk3_35 = true; }, Ask::GivenName, "华", "地",
         true},
        {"radical element by neither",
         [](FilterConditions& f) { f.chk3_3 = f.chk3_35 = true; }, Ask::GivenName, "华", "明",
         false},
        {"pinyin by either",
         [](FilterConditions& f) { f.chk4_3 = true; f.edt4_3 = "zhang"; }, Ask::GivenName,
         "华", "长", true},
        {"pinyin by neither",
         [](FilterConditions& f) { f.chk4_3 = true; f.edt4_3 = "zhang"; }, Ask::GivenName,
         "华", "明", false},
        {"no row 3 checked passes", [](FilterConditions&) {}, Ask::GivenName, "詈", "詈",
         true},
        {"rows 1 and 2 play no part",
         [](FilterConditions& f) { f.chk2_1 = f.chk2_2 = true; }, Ask::GivenName, "华", "明",
         true},
    });
}

TEST(FilterPredicates, EmptyRowAndStrayIndexes) {
    FilterConditions conditions;
    conditions.chk2_1 = conditions.chk2_11 = conditions.chk2_12 = conditions.chk2_13 =
        conditions.chk2_14 = conditions.chk2_15 = true;
    conditions.chk6_2 = true;  // 丨, radical 0, which the empty row also reads
    const FilterSnapshot snapshot(conditions);
    // The empty row has no element, so no element box lets it through.
    EXPECT_FALSE(CheckFirstGivenChar(snapshot, CharCount));
    EXPECT_TRUE(CheckFirstGivenChar(snapshot, Char("华")));
    EXPECT_TRUE(CheckSecondGivenChar(snapshot, CharCount));
    // Indexes past the empty row read as the empty row instead of past the table.
    for (const CharIndex stray : {CharCount + 1, 0xFFFF, -1}) {
        EXPECT_FALSE(CheckFirstGivenChar(snapshot, stray)) << stray;
        EXPECT_TRUE(CheckSecondGivenChar(snapshot, stray)) << stray;
    }
    EXPECT_TRUE(CheckGivenName(snapshot, Code(Char("华"), NoSecondChar)));
}

TEST(FilterPredicates, SnapshotKeepsTheConditionsItWasBuiltFrom) {
    FilterConditions conditions;
    conditions.chk1_1 = true;
    conditions.edt1_1 = "涛";
    conditions.sedt5_32 = 40;
    const FilterSnapshot snapshot(conditions);
    EXPECT_EQ(snapshot.Conditions(), conditions);
}

}  // namespace
}  // namespace morvenda
