#include "filters/filter_predicates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "dict/radical_table.h"
#include "filters/filter_controls.h"

namespace morvenda {
namespace {

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

// Conditions set the way the dialog sets them: control by control, by name.
using Controls = std::vector<std::pair<std::string, ControlValue>>;

Controls operator+(Controls a, const Controls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

FilterConditions With(const Controls& controls) {
    FilterConditions conditions;
    for (const auto& [name, value] : controls) {
        const FilterControl* control = FindFilterControl(name);
        EXPECT_NE(control, nullptr) << name;
        if (control != nullptr) {
            WriteControl(conditions, *control, value);
        }
    }
    return conditions;
}

// The selections of the radical lists of a row (1 … 3) that pick the radical.
Controls Radical(int row, std::string_view glyph) {
    const std::string prefix = "cmb6_" + std::to_string(row);
    for (int group = 0; group < static_cast<int>(StrokeNumerals.size()); ++group) {
        const std::vector<std::string> items = RadicalsWithStrokes(group + 1);
        const auto found = std::find(items.begin(), items.end(), glyph);
        if (found != items.end()) {
            return {{prefix + "A", group}, {prefix + "B", static_cast<int>(found - items.begin())}};
        }
    }
    ADD_FAILURE() << glyph << " is no radical";
    return {};
}

Controls Text(const std::string& name, std::string text) {
    return {{name, std::move(text)}};
}

// Which predicate a case asks; for rows 1 and 2 only the first character counts.
enum class Ask { FirstChar, SecondChar, GivenName, Specified };

bool Answer(const FilterSnapshot& s, Ask ask, std::string_view first, std::string_view second) {
    switch (ask) {
        case Ask::FirstChar:
            return CheckFirstGivenChar(s, Char(first));
        case Ask::SecondChar:
            return CheckSecondGivenChar(s, Char(first));
        case Ask::GivenName:
            return CheckGivenName(s, MakeNameCode(Char(first), Char(second)));
        case Ask::Specified:
            return CheckSpecifiedChars(s, Char(first), Char(second));
    }
    return false;
}

struct Case {
    const char* what;
    Controls controls;
    Ask ask;
    std::string_view first;
    std::string_view second;
    bool passes;
};

void RunCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const FilterSnapshot snapshot(With(c.controls));
        EXPECT_EQ(Answer(snapshot, c.ask, c.first, c.second), c.passes)
            << c.what << ": " << c.first << c.second;
    }
}

// The stroke range of a row (1 … 3), counted simplified or by Kangxi.
Controls Strokes(int row, bool simplified, int from, int to) {
    const std::string digits = "5_" + std::to_string(row);
    return {{"chk" + digits, true},
            {simplified ? "rg_Jiti" : "rg_fanti", true},
            {"sedt" + digits + "1", from},
            {"sedt" + digits + "2", to}};
}

// Rows 1 and 2 test one character; each tab's row must read its own controls.
TEST(FilterPredicates, CharacterRows) {
    const Controls meaning1Earth{{"chk2_1", true}, {"chk2_15", true}};
    const Controls radical1Fire{{"chk3_1", true}, {"chk3_14", true}};
    const Controls radical1Metal{{"chk3_1", true}, {"chk3_11", true}};
    const auto pinyin1 = [](std::string text) {
        return Controls{{"chk4_1", true}} + Text("edt4_1", std::move(text));
    };
    const Controls radical2Sun = Controls{{"chk6_2", true}} + Radical(2, "日");
    RunCases({
        {"meaning 土 passes earth", meaning1Earth, Ask::FirstChar, "地", "", true},
        {"meaning 土 rejects fire", meaning1Earth, Ask::FirstChar, "明", "", false},
        {"meaning row 1 leaves row 2 open", meaning1Earth, Ask::SecondChar, "明", "", true},
        {"radical 火 passes 日", radical1Fire, Ask::FirstChar, "明", "", true},
        {"radical 火 passes fire + wood", radical1Fire, Ask::FirstChar, "秋", "", true},
        {"radical 金 rejects a radical without element", radical1Metal, Ask::FirstChar, "华", "",
         false},
        {"radical 金 passes 金", radical1Metal, Ask::FirstChar, "金", "", true},
        {"pinyin zhang passes 长", pinyin1("zhang"), Ask::FirstChar, "长", "", true},
        {"pinyin chang passes 长", pinyin1("chang"), Ask::FirstChar, "长", "", true},
        {"pinyin hu rejects hua", pinyin1("hu"), Ask::FirstChar, "华", "", false},
        {"pinyin is case-sensitive", pinyin1("Hua"), Ask::FirstChar, "华", "", false},
        {"empty pinyin rejects", pinyin1(""), Ask::FirstChar, "华", "", false},
        {"simplified 6…6 passes 华", Strokes(1, true, 6, 6), Ask::FirstChar, "华", "", true},
        {"Kangxi 6…6 rejects 华", Strokes(1, false, 6, 6), Ask::FirstChar, "华", "", false},
        {"Kangxi 14…14 passes 华", Strokes(1, false, 14, 14), Ask::FirstChar, "华", "", true},
        {"limits inclusive", Strokes(1, true, 5, 6), Ask::FirstChar, "华", "", true},
        {"lower limit above upper", Strokes(1, true, 7, 5), Ask::FirstChar, "华", "", false},
        {"radical 日 second passes 明", radical2Sun, Ask::SecondChar, "明", "", true},
        {"radical 日 second rejects 华", radical2Sun, Ask::SecondChar, "华", "", false},
        {"radical row 2 leaves row 1 open", radical2Sun, Ask::FirstChar, "华", "", true},
        {"row 2 meaning reads its own boxes",
         {{"chk2_2", true}, {"chk2_23", true}, {"chk2_11", true}, {"chk2_31", true}},
         Ask::SecondChar,
         "海",
         "",
         true},
        {"row 2 meaning rejects outside its boxes",
         {{"chk2_2", true}, {"chk2_23", true}, {"chk2_11", true}, {"chk2_31", true}},
         Ask::SecondChar,
         "金",
         "",
         false},
        {"row 2 radical element",
         {{"chk3_2", true}, {"chk3_22", true}},
         Ask::SecondChar,
         "秋",
         "",
         true},
        {"row 2 pinyin", Controls{{"chk4_2", true}} + Text("edt4_2", "li"), Ask::SecondChar, "詈",
         "", true},
        // Row 1's limits would let 华 (6) through.
        {"row 2 strokes read their own limits",
         Strokes(2, true, 7, 9) + Controls{{"sedt5_11", 1}, {"sedt5_12", 6}}, Ask::SecondChar, "华",
         "", false},
        {"row 1 radical", Controls{{"chk6_1", true}} + Radical(1, "氵"), Ask::FirstChar, "海", "",
         true},
        // Water: 华 yes; 6 strokes: no.
        {"every checked row must hold",
         Controls{{"chk2_1", true}, {"chk2_13", true}} + Strokes(1, true, 7, 9), Ask::FirstChar,
         "华", "", false},
        {"no element box checked rejects", {{"chk2_1", true}}, Ask::FirstChar, "华", "", false},
    });
}

// Every element box of tabs 五行(字意) and 五行(部首) stands for its own element in its own row.
TEST(FilterPredicates, EachElementBoxSelectsItsElement) {
    const auto controls = FilterControls();
    const auto rowBox = [&](const FilterControl& box) {
        return *std::find_if(controls.begin(), controls.end(), [&](const FilterControl& c) {
            return c.Kind == ControlKind::RowBox && c.Tag == box.Tag;
        });
    };
    const auto passes = [](const FilterSnapshot& s, ConditionPlace place, CharIndex i) {
        switch (place) {
            case ConditionPlace::FirstChar:
                return CheckFirstGivenChar(s, i);
            case ConditionPlace::SecondChar:
                return CheckSecondGivenChar(s, i);
            case ConditionPlace::WholeName:
                break;
        }
        return CheckGivenName(s, MakeNameCode(i, i));
    };
    int boxes = 0;
    for (const FilterControl& box : controls) {
        if (box.Kind != ControlKind::ElementBox) {
            continue;
        }
        ++boxes;
        SCOPED_TRACE(box.ObjectName);
        // The last digit numbers the box in the order of the captions 金 木 水 火 土.
        constexpr std::string_view Captions[5] = {"金", "木", "水", "火", "土"};
        const auto element = ElementFromText(Captions[box.ObjectName.back() - '1']);
        ASSERT_TRUE(element.has_value());
        const auto field =
            box.Field == ConditionField::MeaningElements ? ElementByMeaning : ElementByRadical;
        CharIndex holder = 0;
        while (holder < CharCount && field(holder) != ElementMask(*element)) ++holder;
        ASSERT_LT(holder, CharCount) << "no character of that element";

        Controls only{{std::string(rowBox(box).ObjectName), true},
                      {std::string(box.ObjectName), true}};
        EXPECT_TRUE(passes(FilterSnapshot(With(only)), box.Place, holder));

        Controls allOthers{{std::string(rowBox(box).ObjectName), true}};
        for (const FilterControl& other : controls) {
            if (other.Kind == ControlKind::ElementBox && other.Tag == box.Tag &&
                other.ObjectName != box.ObjectName) {
                allOthers.push_back({std::string(other.ObjectName), true});
            }
        }
        EXPECT_FALSE(passes(FilterSnapshot(With(allOthers)), box.Place, holder));
    }
    EXPECT_EQ(boxes, 30);
}

TEST(FilterPredicates, FixedCharacterLeavesItsPositionToTheSpecifiedTest) {
    // With no element box the element row would reject everything.
    const Controls fixSecond =
        Controls{{"chk1_2", true}} + Text("edt1_2", "明") + Controls{{"chk2_2", true}};
    // 99 … 99 strokes would reject everything.
    const Controls fixFirst = Controls{{"chk1_1", true}} + Text("edt1_1", "华") +
                              Controls{{"chk5_1", true}, {"sedt5_11", 99}, {"sedt5_12", 99}};
    RunCases({
        {"fixed second passes every second", fixSecond, Ask::SecondChar, "詈", "", true},
        {"fixed second decides by glyph", fixSecond, Ask::Specified, "华", "明", true},
        {"fixed second rejects another glyph", fixSecond, Ask::Specified, "明", "华", false},
        {"fixed second leaves row 1 alone", fixSecond, Ask::FirstChar, "詈", "", true},
        {"fixed first passes every first", fixFirst, Ask::FirstChar, "詈", "", true},
        {"fixed first decides by glyph", fixFirst, Ask::Specified, "华", "詈", true},
        {"fixed first rejects another glyph", fixFirst, Ask::Specified, "詈", "华", false},
        {"nothing fixed passes any pair", {}, Ask::Specified, "詈", "地", true},
        {"both fixed need both",
         Controls{{"chk1_1", true}, {"chk1_2", true}} + Text("edt1_1", "华") + Text("edt1_2", "明"),
         Ask::Specified, "华", "海", false},
        {"element row 1 keeps rows 2 applied",
         {{"chk2_1", true}, {"chk2_11", true}, {"chk2_2", true}, {"chk2_25", true}},
         Ask::SecondChar,
         "金",
         "",
         false},
    });
}

TEST(FilterPredicates, WholeNameRows) {
    const auto contains = [](std::string glyph) {
        return Controls{{"chk1_3", true}} + Text("edt1_3", std::move(glyph));
    };
    // Meaning water: 华, 海; radical 日: 明.
    const Controls waterAndSun =
        Controls{{"chk2_3", true}, {"chk2_33", true}, {"chk6_3", true}} + Radical(3, "日");
    const Controls radicalEarth{{"chk3_3", true}, {"chk3_35", true}};
    const Controls pinyinZhang = Controls{{"chk4_3", true}} + Text("edt4_3", "zhang");
    RunCases({
        {"contains 明 second", contains("明"), Ask::GivenName, "华", "明", true},
        {"contains 明 first", contains("明"), Ask::GivenName, "明", "华", true},
        {"contains 明 rejects", contains("明"), Ask::GivenName, "华", "生", false},
        {"Kangxi sum 22", Strokes(3, false, 22, 22), Ask::GivenName, "华", "明", true},
        {"Kangxi sum 21", Strokes(3, false, 21, 21), Ask::GivenName, "华", "明", false},
        {"Kangxi sum 23", Strokes(3, false, 23, 23), Ask::GivenName, "华", "明", false},
        {"simplified sum", Strokes(3, true, 14, 14), Ask::GivenName, "华", "明", true},
        {"rows met by different characters", waterAndSun, Ask::GivenName, "华", "明", true},
        {"rows met the other way round", waterAndSun, Ask::GivenName, "明", "海", true},
        {"one row unmet", waterAndSun, Ask::GivenName, "华", "海", false},
        {"radical element by second", radicalEarth, Ask::GivenName, "华", "地", true},
        {"radical element by neither", radicalEarth, Ask::GivenName, "华", "明", false},
        {"pinyin by either", pinyinZhang, Ask::GivenName, "华", "长", true},
        {"pinyin by neither", pinyinZhang, Ask::GivenName, "华", "明", false},
        {"no row 3 checked passes", {}, Ask::GivenName, "詈", "詈", true},
        {"rows 1 and 2 play no part",
         {{"chk2_1", true}, {"chk2_2", true}},
         Ask::GivenName,
         "华",
         "明",
         true},
    });
}

TEST(FilterPredicates, EmptyRowAndStrayIndexes) {
    // Every element of row 1; row 2's radical 丨, radical 0, which the empty row also reads.
    const FilterSnapshot snapshot(With({{"chk2_1", true},
                                        {"chk2_11", true},
                                        {"chk2_12", true},
                                        {"chk2_13", true},
                                        {"chk2_14", true},
                                        {"chk2_15", true},
                                        {"chk6_2", true}}));
    // The empty row has no element, so no element box lets it through.
    EXPECT_FALSE(CheckFirstGivenChar(snapshot, CharCount));
    EXPECT_TRUE(CheckFirstGivenChar(snapshot, Char("华")));
    EXPECT_TRUE(CheckSecondGivenChar(snapshot, CharCount));
    // Indexes past the empty row read as the empty row instead of past the table.
    for (const CharIndex stray : {CharCount + 1, 0xFFFF, -1}) {
        EXPECT_FALSE(CheckFirstGivenChar(snapshot, stray)) << stray;
        EXPECT_TRUE(CheckSecondGivenChar(snapshot, stray)) << stray;
    }
    EXPECT_TRUE(CheckGivenName(snapshot, SingleNameCode(Char("华"))));
}

TEST(FilterPredicates, SnapshotKeepsTheConditionsItWasBuiltFrom) {
    const FilterConditions conditions =
        With(Controls{{"chk1_1", true}, {"sedt5_32", 40}} + Text("edt1_1", "涛"));
    const FilterSnapshot snapshot(conditions);
    EXPECT_EQ(snapshot.Conditions(), conditions);
}

}  // namespace
}  // namespace morvenda
