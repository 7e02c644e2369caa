#pragma once
// The tests a candidate given name must pass in the advanced naming mode.
//
// The conditions cannot change while names are generated, so a run builds one FilterSnapshot
// from the dialog's FilterConditions and hands it to every predicate. Building it resolves the
// radical texts once and records, for every row of the character table, which of the dialog's
// conditions that character meets; each predicate is then a table lookup, which the advanced
// search needs because it tests up to millions of pairs. The answers are exactly those of
// testing the conditions one by one against the character data.
//
// Every predicate reads RowOrEmpty of the indexes it is given: CharCount and any index past it,
// such as the 0xFFFF of a missing second character, read as the empty row (no glyph, no
// reading, no element, radical 0, 0 strokes).

#include <cstdint>
#include <string_view>
#include <vector>

#include "dict/char_table.h"
#include "filters/filter_conditions.h"

namespace morvenda {

// True when the Pinyin field is the text, or lists it as one of its readings (",a,b,").
// Byte for byte and case-sensitive.
bool PinyinMatches(std::string_view field, std::string_view text);

class FilterSnapshot {
  public:
    // Reads the character table; build it once per generation run.
    explicit FilterSnapshot(const FilterConditions& conditions);

    // The conditions it was built from; the generator reads the fixed characters (the ticked
    // glyph conditions of the two characters' rows) here.
    const FilterConditions& Conditions() const { return conditions_; }

    // One bit per condition of a row, set where the condition is ticked and, in a character's
    // facts, where that character meets it.
    enum ConditionBit : std::uint16_t {
        GlyphBit = 1 << 0,
        MeaningBit = 1 << 1,
        RadicalElementsBit = 1 << 2,
        PinyinBit = 1 << 3,
        StrokesBit = 1 << 4,
        RadicalBit = 1 << 5,
    };

  private:
    // What one character meets: the whole-name row's conditions as ConditionBits (all but the
    // stroke range, which the pair meets by its sum), and the verdicts below.
    enum : std::uint16_t {
        PassesFirstRows = 1 << 6,    // every ticked condition of its row but the glyph
        PassesSecondRows = 1 << 7,   // (or the glyph ticked, which CheckSpecifiedChars decides)
        IsFirstSpecified = 1 << 8,   // glyph equals the first character's glyph condition
        IsSecondSpecified = 1 << 9,  // glyph equals the second character's glyph condition
    };

    struct CharFacts {
        std::uint16_t Met = 0;
        // Simplified or Kangxi stroke count, as the conditions' stroke kind chooses.
        std::uint8_t Strokes = 0;
    };

    const CharFacts& Facts(CharIndex index) const { return facts_[RowOrEmpty(index)]; }

    friend bool CheckFirstGivenChar(const FilterSnapshot&, CharIndex);
    friend bool CheckSecondGivenChar(const FilterSnapshot&, CharIndex);
    friend bool CheckGivenName(const FilterSnapshot&, NameCode);
    friend bool CheckSpecifiedChars(const FilterSnapshot&, CharIndex, CharIndex);

    FilterConditions conditions_;
    std::vector<CharFacts> facts_;  // CharCount + 1 rows
    std::uint16_t nameRowsRequired_ = 0;
    bool nameStrokeRow_ = false;
    StrokeRange nameStrokes_;
    std::uint16_t specifiedRequired_ = 0;
};

// May the character stand first in the given name? With its glyph condition ticked it always
// may: the fixed character is compared by CheckSpecifiedChars.
inline bool CheckFirstGivenChar(const FilterSnapshot& snapshot, CharIndex index) {
    return (snapshot.Facts(index).Met & FilterSnapshot::PassesFirstRows) != 0;
}

// May the character stand second in the given name? The first character's row plays no part.
inline bool CheckSecondGivenChar(const FilterSnapshot& snapshot, CharIndex index) {
    return (snapshot.Facts(index).Met & FilterSnapshot::PassesSecondRows) != 0;
}

// Does the two-character given name meet the whole-name row? Each ticked condition needs one
// of the two characters to meet it, independently of the others; the stroke range takes the
// sum.
inline bool CheckGivenName(const FilterSnapshot& snapshot, NameCode code) {
    const auto& first = snapshot.Facts(FirstGivenChar(code));
    const auto& second = snapshot.Facts(SecondGivenChar(code));
    const std::uint16_t required = snapshot.nameRowsRequired_;
    if (((first.Met | second.Met) & required) != required) {
        return false;
    }
    return !snapshot.nameStrokeRow_ ||
           snapshot.nameStrokes_.Contains(first.Strokes + second.Strokes);
}

// Are the characters the ones the two characters' ticked glyph conditions name?
inline bool CheckSpecifiedChars(const FilterSnapshot& snapshot, CharIndex first, CharIndex second) {
    const std::uint16_t met = (snapshot.Facts(first).Met & FilterSnapshot::IsFirstSpecified) |
                              (snapshot.Facts(second).Met & FilterSnapshot::IsSecondSpecified);
    return (met & snapshot.specifiedRequired_) == snapshot.specifiedRequired_;
}

}  // namespace morvenda
