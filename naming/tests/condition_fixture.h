#pragma once
// Filter conditions the drawing-step tests build again and again.

#include <string>
#include <vector>

#include "dict/char_table.h"
#include "filters/filter_conditions.h"

namespace morvenda::testing {

// Only characters of exactly this many Kangxi strokes may stand first (row 1) or second
// (row 2) in the given name.
inline FilterConditions KangxiStrokesExactly(int strokes, int row) {
    FilterConditions conditions;
    conditions.StrokeCount = StrokeKind::Kangxi;
    conditions.Row(AllConditionPlaces[row - 1]).Strokes = {true, {strokes, strokes}};
    return conditions;
}

inline std::vector<CharIndex> CharactersWithKangxiStrokes(int strokes) {
    std::vector<CharIndex> found;
    for (CharIndex c = 0; c < CharCount; ++c) {
        if (KangxiStrokes(c) == strokes) {
            found.push_back(c);
        }
    }
    return found;
}

// The given name's first and second character fixed on the tab 指定文字; CharCount leaves a
// place open.
inline FilterConditions FixedChars(CharIndex first, CharIndex second) {
    FilterConditions conditions;
    conditions.Row(ConditionPlace::FirstChar).Glyph = {first != CharCount,
                                                       std::string(Glyph(first))};
    conditions.Row(ConditionPlace::SecondChar).Glyph = {second != CharCount,
                                                        std::string(Glyph(second))};
    return conditions;
}

}  // namespace morvenda::testing
