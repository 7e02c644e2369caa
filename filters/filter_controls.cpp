#include "filters/filter_controls.h"

#include <algorithm>
#include <array>
#include <vector>

#include "dict/radical_table.h"

namespace morvenda {
namespace {

// The dialog's component order. Within a tab the row boxes of the two characters' rows and the
// whole-name row come in the order the form was laid out in, which is not the rows' order.
constexpr std::array<std::string_view, 68> ControlNames{
    "chk1_3",   "chk1_1",   "chk1_2",   "edt1_3",   "edt1_2",   "edt1_1",    //
    "chk2_1",   "chk2_11",  "chk2_12",  "chk2_13",  "chk2_14",  "chk2_15",   //
    "chk2_25",  "chk2_24",  "chk2_23",  "chk2_22",  "chk2_21",  "chk2_2",    //
    "chk2_3",   "chk2_31",  "chk2_32",  "chk2_33",  "chk2_34",  "chk2_35",   //
    "chk3_1",   "chk3_11",  "chk3_12",  "chk3_13",  "chk3_14",  "chk3_15",   //
    "chk3_25",  "chk3_24",  "chk3_23",  "chk3_22",  "chk3_21",  "chk3_2",    //
    "chk3_3",   "chk3_31",  "chk3_32",  "chk3_33",  "chk3_34",  "chk3_35",   //
    "chk4_1",   "chk4_2",   "chk4_3",   "edt4_3",   "edt4_2",   "edt4_1",    //
    "chk5_1",   "chk5_2",   "chk5_3",   "sedt5_11", "sedt5_12", "sedt5_21",  //
    "sedt5_22", "sedt5_31", "sedt5_32", "chk6_1",   "chk6_2",   "chk6_3",    //
    "cmb6_1A",  "cmb6_2A",  "cmb6_3A",  "cmb6_1B",  "cmb6_2B",  "cmb6_3B",   //
    "rg_Jiti",  "rg_fanti",
};

// The kind of condition each tab sets.
constexpr std::array<ConditionField, 6> TabFields{
    ConditionField::Glyph,  ConditionField::MeaningElements, ConditionField::RadicalElements,
    ConditionField::Pinyin, ConditionField::Strokes,         ConditionField::Radical};

// The Tag of each tab's row boxes, by row; the form never used 9.
constexpr std::array<std::array<int, 3>, 6> RowTags{
    {{1, 2, 3}, {4, 5, 6}, {7, 8, 10}, {11, 12, 13}, {14, 15, 16}, {17, 18, 19}}};

int Digit(char c) {
    return c - '0';
}

FilterControl RadioButton(std::string_view name, StrokeKind kind) {
    return FilterControl{name,
                         0,
                         ControlKind::RadioButton,
                         ConditionPlace::FirstChar,
                         ConditionField::StrokeKind,
                         Element::Metal,
                         RangeEnd::From,
                         kind,
                         kind == FilterConditions{}.StrokeCount};
}

// Reads tab, row and the kind from the name, which is laid out as the file comment says.
FilterControl ControlOfName(std::string_view name) {
    if (name == "rg_Jiti") {
        return RadioButton(name, StrokeKind::Simplified);
    }
    if (name == "rg_fanti") {
        return RadioButton(name, StrokeKind::Kangxi);
    }
    const std::size_t digits = name.find_first_of("123456789");
    const std::string_view prefix = name.substr(0, digits);
    const int tab = Digit(name[digits]);
    const int row = Digit(name[digits + 2]);
    const std::string_view suffix = name.substr(digits + 3);

    FilterControl control{name,
                          RowTags[tab - 1][row - 1],
                          ControlKind::RowBox,
                          AllConditionPlaces[row - 1],
                          TabFields[tab - 1],
                          Element::Metal,
                          RangeEnd::From,
                          StrokeKind::Simplified,
                          false};
    if (prefix == "chk" && !suffix.empty()) {
        control.Kind = ControlKind::ElementBox;
        control.BoxElement = AllElements[Digit(suffix[0]) - 1];
    } else if (prefix == "edt") {
        control.Kind = ControlKind::Edit;
        control.Default = std::string();
    } else if (prefix == "sedt") {
        control.Kind = ControlKind::SpinEdit;
        control.End = suffix == "1" ? RangeEnd::From : RangeEnd::To;
        control.Default = 1;
    } else if (prefix == "cmb") {
        control.Kind = suffix == "A" ? ControlKind::StrokeGroupList : ControlKind::RadicalList;
        control.Default = 0;
    }
    return control;
}

// The tick of a row's condition.
template <typename Row>
auto& TickOf(Row& row, ConditionField field) {
    switch (field) {
        case ConditionField::Glyph:
            return row.Glyph.On;
        case ConditionField::MeaningElements:
            return row.MeaningElements.On;
        case ConditionField::RadicalElements:
            return row.RadicalElements.On;
        case ConditionField::Pinyin:
            return row.Pinyin.On;
        case ConditionField::Strokes:
            return row.Strokes.On;
        case ConditionField::Radical:
        case ConditionField::StrokeKind:
            break;
    }
    return row.Radical.On;
}

template <typename Row>
auto& ElementsOf(Row& row, ConditionField field) {
    return field == ConditionField::MeaningElements ? row.MeaningElements.Value
                                                    : row.RadicalElements.Value;
}

template <typename Row>
auto& TextOf(Row& row, ConditionField field) {
    return field == ConditionField::Glyph ? row.Glyph.Value : row.Pinyin.Value;
}

template <typename Row>
auto& RangeEndOf(Row& row, RangeEnd end) {
    return end == RangeEnd::From ? row.Strokes.Value.From : row.Strokes.Value.To;
}

// The radical list offers the radicals of the selected group; none without a group.
std::vector<std::string> RadicalListItems(const RadicalChoice& choice) {
    return RadicalsWithStrokes(choice.StrokeGroup + 1);
}

bool IsItemOf(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

}  // namespace

std::span<const FilterControl> FilterControls() {
    static const std::vector<FilterControl> controls = [] {
        std::vector<FilterControl> all;
        for (const std::string_view name : ControlNames) {
            all.push_back(ControlOfName(name));
        }
        return all;
    }();
    return controls;
}

const FilterControl* FindFilterControl(std::string_view objectName) {
    const auto controls = FilterControls();
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const FilterControl& c) {
        return c.ObjectName == objectName;
    });
    return found != controls.end() ? &*found : nullptr;
}

ControlValue ReadControl(const FilterConditions& conditions, const FilterControl& control) {
    const ConditionRow& row = conditions.Row(control.Place);
    switch (control.Kind) {
        case ControlKind::RowBox:
            return TickOf(row, control.Field);
        case ControlKind::ElementBox:
            return ElementsOf(row, control.Field).Contains(control.BoxElement);
        case ControlKind::Edit:
            return TextOf(row, control.Field);
        case ControlKind::SpinEdit:
            return RangeEndOf(row, control.End);
        case ControlKind::StrokeGroupList:
            return row.Radical.Value.StrokeGroup;
        case ControlKind::RadicalList: {
            const std::vector<std::string> items = RadicalListItems(row.Radical.Value);
            const auto found = std::find(items.begin(), items.end(), row.Radical.Value.Glyph);
            return found != items.end() ? static_cast<int>(found - items.begin()) : -1;
        }
        case ControlKind::RadioButton:
            return conditions.StrokeCount == control.ButtonKind;
    }
    return {};
}

void WriteControl(FilterConditions& conditions, const FilterControl& control,
                  const ControlValue& value) {
    ConditionRow& row = conditions.Row(control.Place);
    switch (control.Kind) {
        case ControlKind::RowBox:
            TickOf(row, control.Field) = std::get<bool>(value);
            break;
        case ControlKind::ElementBox:
            ElementsOf(row, control.Field).Set(control.BoxElement, std::get<bool>(value));
            break;
        case ControlKind::Edit:
            TextOf(row, control.Field) = std::get<std::string>(value);
            break;
        case ControlKind::SpinEdit:
            RangeEndOf(row, control.End) = std::get<int>(value);
            break;
        case ControlKind::StrokeGroupList: {
            const int index = std::get<int>(value);
            row.Radical.Value.StrokeGroup = IsItemOf(index, StrokeNumerals.size()) ? index : -1;
            break;
        }
        case ControlKind::RadicalList: {
            const int index = std::get<int>(value);
            const std::vector<std::string> items = RadicalListItems(row.Radical.Value);
            row.Radical.Value.Glyph =
                IsItemOf(index, items.size()) ? items[static_cast<std::size_t>(index)] : "";
            break;
        }
        case ControlKind::RadioButton: {
            // Two buttons share the kind: unchecking one checks the other.
            const StrokeKind other = control.ButtonKind == StrokeKind::Simplified
                                         ? StrokeKind::Kangxi
                                         : StrokeKind::Simplified;
            conditions.StrokeCount = std::get<bool>(value) ? control.ButtonKind : other;
            break;
        }
    }
}

}  // namespace morvenda
