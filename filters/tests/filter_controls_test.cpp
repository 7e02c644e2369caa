#include "filters/filter_controls.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "dict/radical_table.h"

namespace morvenda {
namespace {

std::vector<std::string_view> Names() {
    std::vector<std::string_view> names;
    for (const FilterControl& control : FilterControls()) names.push_back(control.ObjectName);
    return names;
}

// The settings file writes its keys in this order; the radio buttons, which it does not keep,
// close the table.
TEST(FilterControls, ComponentOrderIsTheSettingsKeyOrder) {
    std::istringstream expected(
        "chk1_3 chk1_1 chk1_2 edt1_3 edt1_2 edt1_1 chk2_1 chk2_11 chk2_12 chk2_13 chk2_14 chk2_15 "
        "chk2_25 chk2_24 chk2_23 chk2_22 chk2_21 chk2_2 chk2_3 chk2_31 chk2_32 chk2_33 chk2_34 "
        "chk2_35 chk3_1 chk3_11 chk3_12 chk3_13 chk3_14 chk3_15 chk3_25 chk3_24 chk3_23 chk3_22 "
        "chk3_21 chk3_2 chk3_3 chk3_31 chk3_32 chk3_33 chk3_34 chk3_35 chk4_1 chk4_2 chk4_3 "
        "edt4_3 edt4_2 edt4_1 chk5_1 chk5_2 chk5_3 sedt5_11 sedt5_12 sedt5_21 sedt5_22 sedt5_31 "
        "sedt5_32 chk6_1 chk6_2 chk6_3 cmb6_1A cmb6_2A cmb6_3A cmb6_1B cmb6_2B cmb6_3B "
        "rg_Jiti rg_fanti");
    std::vector<std::string> keys{std::istream_iterator<std::string>(expected), {}};
    const std::vector<std::string_view> names = Names();
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.end()), keys);

    std::map<ControlKind, int> saved;
    for (const FilterControl& control : FilterControls()) {
        if (IsSavedInSettings(control))
            ++saved[control.Kind];
    }
    EXPECT_EQ(saved[ControlKind::RowBox] + saved[ControlKind::ElementBox], 48);
    EXPECT_EQ(saved[ControlKind::Edit], 6);
    EXPECT_EQ(saved[ControlKind::SpinEdit], 6);
    EXPECT_EQ(saved[ControlKind::StrokeGroupList] + saved[ControlKind::RadicalList], 6);
    EXPECT_EQ(saved[ControlKind::RadioButton], 0);
}

TEST(FilterControls, NamesTellTagKindPlaceAndField) {
    using K = ControlKind;
    using P = ConditionPlace;
    using F = ConditionField;
    struct Case {
        std::string_view name;
        int tag;
        ControlKind kind;
        ConditionPlace place;
        ConditionField field;
    };
    const Case cases[] = {
        {"chk1_1", 1, K::RowBox, P::FirstChar, F::Glyph},
        {"edt1_3", 3, K::Edit, P::WholeName, F::Glyph},
        {"chk2_2", 5, K::RowBox, P::SecondChar, F::MeaningElements},
        {"chk2_25", 5, K::ElementBox, P::SecondChar, F::MeaningElements},
        {"chk3_3", 10, K::RowBox, P::WholeName, F::RadicalElements},
        {"chk3_31", 10, K::ElementBox, P::WholeName, F::RadicalElements},
        {"edt4_2", 12, K::Edit, P::SecondChar, F::Pinyin},
        {"sedt5_12", 14, K::SpinEdit, P::FirstChar, F::Strokes},
        {"sedt5_31", 16, K::SpinEdit, P::WholeName, F::Strokes},
        {"cmb6_2A", 18, K::StrokeGroupList, P::SecondChar, F::Radical},
        {"cmb6_3B", 19, K::RadicalList, P::WholeName, F::Radical},
        {"rg_Jiti", 0, K::RadioButton, P::FirstChar, F::StrokeKind},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FilterControl* control = FindFilterControl(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Tag, c.tag);
        EXPECT_EQ(control->Kind, c.kind);
        if (c.kind != K::RadioButton) {
            EXPECT_EQ(control->Place, c.place);
        }
        EXPECT_EQ(control->Field, c.field);
    }
    EXPECT_EQ(FindFilterControl("sedt5_12")->End, RangeEnd::To);
    EXPECT_EQ(FindFilterControl("sedt5_31")->End, RangeEnd::From);
    EXPECT_EQ(FindFilterControl("rg_fanti")->ButtonKind, StrokeKind::Kangxi);
    EXPECT_EQ(FindFilterControl("chk1"), nullptr);
    EXPECT_EQ(FindFilterControl("btn_OK"), nullptr);
}

// The row rule finds a row's members by the row box's Tag: every row has one row box and its
// members share that box's Tag, place and condition.
TEST(FilterControls, MembersShareTheirRowBoxsTag) {
    std::map<int, const FilterControl*> rowBoxes;
    for (const FilterControl& control : FilterControls()) {
        if (control.Kind == ControlKind::RowBox) {
            EXPECT_TRUE(rowBoxes.emplace(control.Tag, &control).second) << control.ObjectName;
        }
    }
    std::vector<int> tags;
    for (const auto& [tag, box] : rowBoxes) tags.push_back(tag);
    EXPECT_EQ(tags,
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    for (const FilterControl& control : FilterControls()) {
        if (control.Kind == ControlKind::RowBox || control.Kind == ControlKind::RadioButton) {
            continue;
        }
        SCOPED_TRACE(control.ObjectName);
        ASSERT_TRUE(rowBoxes.contains(control.Tag));
        const FilterControl& box = *rowBoxes[control.Tag];
        EXPECT_EQ(control.Place, box.Place);
        EXPECT_EQ(control.Field, box.Field);
        // chk2_15 belongs to chk2_1, sedt5_32 to chk5_3, cmb6_1B to chk6_1.
        EXPECT_EQ(control.ObjectName.substr(control.ObjectName.find('_') - 1, 3),
                  box.ObjectName.substr(box.ObjectName.size() - 3));
    }
}

// What the dialog shows at the first start, and what a key missing from the settings file reads
// as: nothing ticked, empty edits, spin edits at 1, the first item of every list, 简体笔画.
TEST(FilterControls, DefaultsAreWhatUntouchedConditionsRead) {
    const FilterConditions untouched;
    for (const FilterControl& control : FilterControls()) {
        EXPECT_EQ(ReadControl(untouched, control), control.Default) << control.ObjectName;
    }
    EXPECT_EQ(FindFilterControl("chk2_11")->Default, ControlValue(false));
    EXPECT_EQ(FindFilterControl("edt4_1")->Default, ControlValue(std::string()));
    EXPECT_EQ(FindFilterControl("sedt5_22")->Default, ControlValue(1));
    EXPECT_EQ(FindFilterControl("cmb6_1B")->Default, ControlValue(0));
    EXPECT_EQ(FindFilterControl("rg_Jiti")->Default, ControlValue(true));
    EXPECT_EQ(FindFilterControl("rg_fanti")->Default, ControlValue(false));
}

// Written in the table's order, every control reads back what it was given: no two controls
// stand for the same field. Booleans follow one bit of the control's position per pass, so any
// two boxes get different values in some pass.
TEST(FilterControls, EveryControlHoldsItsOwnValue) {
    const auto controls = FilterControls();
    for (int bit = 0; bit < 7; ++bit) {
        SCOPED_TRACE(bit);
        FilterConditions conditions;
        std::vector<ControlValue> written;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const FilterControl& c = controls[i];
            const bool on = ((i >> bit) & 1) != 0;
            ControlValue value;
            switch (c.Kind) {
                case ControlKind::Edit:
                    value = std::string(c.ObjectName);
                    break;
                case ControlKind::SpinEdit:
                    value = static_cast<int>(i) * (on ? 1 : -1);
                    break;
                case ControlKind::StrokeGroupList:
                    value = static_cast<int>(i % 15);
                    break;
                case ControlKind::RadicalList:
                    value = static_cast<int>(i % 3);
                    break;
                case ControlKind::RadioButton:  // the pair stays one choice
                    value = (c.ButtonKind == StrokeKind::Kangxi) == (bit % 2 == 1);
                    break;
                default:
                    value = on;
            }
            WriteControl(conditions, c, value);
            written.push_back(value);
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            EXPECT_EQ(ReadControl(conditions, controls[i]), written[i]) << controls[i].ObjectName;
        }
    }
}

TEST(FilterControls, RadicalListsOfferTheSelectedGroupsRadicals) {
    FilterConditions conditions;
    const FilterControl& groups = *FindFilterControl("cmb6_2A");
    const FilterControl& radicals = *FindFilterControl("cmb6_2B");
    const std::vector<std::string> threeStrokes = RadicalsWithStrokes(3);
    ASSERT_EQ(threeStrokes.size(), 44u);

    WriteControl(conditions, groups, 2);  // 三画
    WriteControl(conditions, radicals, 0);
    EXPECT_EQ(conditions.Row(ConditionPlace::SecondChar).Radical.Value.Glyph, "艹");
    WriteControl(conditions, radicals, 43);
    EXPECT_EQ(conditions.Row(ConditionPlace::SecondChar).Radical.Value.Glyph, threeStrokes[43]);

    // An item outside the list selects nothing; so does a group outside the fifteen.
    WriteControl(conditions, radicals, 44);
    EXPECT_EQ(conditions.Row(ConditionPlace::SecondChar).Radical.Value.Glyph, "");
    EXPECT_EQ(ReadControl(conditions, radicals), ControlValue(-1));
    WriteControl(conditions, groups, 15);
    EXPECT_EQ(ReadControl(conditions, groups), ControlValue(-1));
    WriteControl(conditions, radicals, 0);
    EXPECT_EQ(ReadControl(conditions, radicals), ControlValue(-1));

    // A glyph the group does not hold reads as no selection.
    conditions.Row(ConditionPlace::SecondChar).Radical.Value = {0, "艹"};
    EXPECT_EQ(ReadControl(conditions, radicals), ControlValue(-1));
}

TEST(FilterControls, TheTwoRadioButtonsAreOneChoice) {
    FilterConditions conditions;
    WriteControl(conditions, *FindFilterControl("rg_fanti"), true);
    EXPECT_EQ(conditions.StrokeCount, StrokeKind::Kangxi);
    EXPECT_EQ(ReadControl(conditions, *FindFilterControl("rg_Jiti")), ControlValue(false));
    WriteControl(conditions, *FindFilterControl("rg_fanti"), false);
    EXPECT_EQ(conditions.StrokeCount, StrokeKind::Simplified);
}

}  // namespace
}  // namespace morvenda
