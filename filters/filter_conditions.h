#pragma once
// The conditions of the advanced naming mode as one plain value: a row of conditions for each
// place a condition can look at (the first and the second character of the given name, and
// the given name as a whole) and the stroke kind the stroke ranges count in. The filter
// dialog's controls map onto these fields through the binding table (filters/filter_controls.h).
//
// Texts are UTF-8 and already trimmed the way the dialog's OK button trims them.

#include <array>
#include <string>

#include "base/elements.h"

namespace morvenda {

// One condition: its value, which the dialog keeps while the row box is not ticked, and
// whether the row box is ticked, without which the condition takes no part.
template <typename T>
struct Condition {
    bool On = false;
    T Value{};

    bool operator==(const Condition&) const = default;
};

// Inclusive limits; the dialog's spin edits show 1 until the user changes them.
struct StrokeRange {
    int From = 1;
    int To = 1;

    constexpr bool Contains(int strokes) const { return From <= strokes && strokes <= To; }
    bool operator==(const StrokeRange&) const = default;
};

// A radical as the dialog picks it: a stroke group (item index of the group list, 0 for 一画)
// and the glyph the radical list shows for it, 丨 being the first radical of 一画.
struct RadicalChoice {
    int StrokeGroup = 0;
    std::string Glyph = "丨";

    bool operator==(const RadicalChoice&) const = default;
};

// What a row holds, tab by tab of the dialog. In the rows of the two characters a condition is
// met by that character; in the whole-name row by either character, except the stroke range,
// which limits the sum of both.
struct ConditionRow {
    Condition<std::string> Glyph;            // 指定文字: one character
    Condition<ElementMask> MeaningElements;  // 五行(字意): the element of the meaning
    Condition<ElementMask> RadicalElements;  // 五行(部首): the element the radical carries
    Condition<std::string> Pinyin;           // 指定拼音: one reading, lowercase, no tone marks
    Condition<StrokeRange> Strokes;          // 指定笔画数
    Condition<RadicalChoice> Radical;        // 指定部首

    bool operator==(const ConditionRow&) const = default;
};

// The dialog speaks of the full name, the family name being its first character: "第二个字"
// is the first given-name character, "第三个字" the second, "名字中必须含" the given name.
enum class ConditionPlace { FirstChar, SecondChar, WholeName };

inline constexpr std::array<ConditionPlace, 3> AllConditionPlaces{
    ConditionPlace::FirstChar, ConditionPlace::SecondChar, ConditionPlace::WholeName};

// 简体笔画 or 康熙笔画（繁体笔画）; every start of the program begins with the simplified count.
enum class StrokeKind { Simplified, Kangxi };

struct FilterConditions {
    std::array<ConditionRow, 3> Rows;
    StrokeKind StrokeCount = StrokeKind::Simplified;

    ConditionRow& Row(ConditionPlace place) { return Rows[static_cast<std::size_t>(place)]; }
    const ConditionRow& Row(ConditionPlace place) const {
        return Rows[static_cast<std::size_t>(place)];
    }

    bool operator==(const FilterConditions&) const = default;
};

}  // namespace morvenda
