#pragma once
// The filter dialog's controls and the fields of FilterConditions they stand for: the one table
// that the dialog builds its controls and its row rule from, that the settings file takes its
// "Select" keys and their order from, and that the tests set conditions by.
//
// A control's name says where it belongs: after the kind prefix (chk, edt, sedt, cmb, rg) the
// first digit is the tab, which is the kind of condition, and the second the row, which is the
// place it looks at; a third digit numbers an element box (1 … 5 for 金 木 水 火 土) or the end
// of a stroke range (1 from, 2 to), and A or B tells a radical's stroke-group list from its
// radical list. The Tag ties a control to its row: every member of a row shares the Tag of the
// row's check box.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "base/elements.h"
#include "filters/filter_conditions.h"

namespace morvenda {

enum class ControlKind {
    RowBox,           // the check box heading a row, which ticks the row's condition
    ElementBox,       // one element of a row's element set
    Edit,             // a glyph or a pinyin text
    SpinEdit,         // one end of a stroke range
    StrokeGroupList,  // the A list: a radical's stroke count, 一画 … 十五画
    RadicalList,      // the B list: the radicals of the group the A list selects
    RadioButton,      // the stroke kind, for all three rows of its tab
};

// Which condition of a row a control belongs to, or the stroke kind.
enum class ConditionField {
    Glyph,
    MeaningElements,
    RadicalElements,
    Pinyin,
    Strokes,
    Radical,
    StrokeKind,  // the radio buttons
};

enum class RangeEnd { From, To };

// What a control holds: a box's or a radio button's checked state; a spin edit's value or a
// list's item index (−1 for no selection); an edit's text.
using ControlValue = std::variant<bool, int, std::string>;

struct FilterControl {
    std::string_view ObjectName;
    int Tag;  // 0 for the radio buttons, which belong to no row
    ControlKind Kind;
    ConditionPlace Place;  // the radio buttons: unused
    ConditionField Field;
    Element BoxElement;     // element boxes only
    RangeEnd End;           // spin edits only
    StrokeKind ButtonKind;  // radio buttons only
    // What the control shows until the user or the settings file changes it, and what a key
    // missing from the settings file reads as.
    ControlValue Default;
};

// Every control, in the dialog's component order: the order the settings file writes its keys
// in. The two radio buttons, which the settings file does not keep, come last.
std::span<const FilterControl> FilterControls();

// The control of that name, none for any other text.
const FilterControl* FindFilterControl(std::string_view objectName);

// The settings file keeps every control but the radio buttons.
constexpr bool IsSavedInSettings(const FilterControl& control) {
    return control.Kind != ControlKind::RadioButton;
}

// The value the control shows for the conditions. The radical list shows the item index of the
// radical's glyph among the radicals of the stroke group, −1 when it is not among them.
ControlValue ReadControl(const FilterConditions& conditions, const FilterControl& control);

// Sets the field the control stands for. The value must be of the kind ReadControl gives for
// the control. The stroke-group list sets only the group: its radical list is written after
// it, as the dialog refills that list and the settings file restores it in a second pass. An
// item index outside the list leaves no selection: no group, or no radical glyph.
void WriteControl(FilterConditions& conditions, const FilterControl& control,
                  const ControlValue& value);

}  // namespace morvenda
