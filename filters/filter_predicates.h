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
// Every predicate takes a CharIndex 0 … CharCount (CharCount being the empty row: no glyph,
// no reading, no element, radical 0, 0 strokes). A larger value, such as the 0xFFFF of a
// missing second character, reads as the empty row too rather than past the table.

#include <cstdint>
#include <string_view>
#include <vector>

#include "dict/char_table.h"
#include "filters/filter_conditions.h"

namespace morvenda {

// The elements of one row's five element boxes, given in the dialog's order 金 木 水 火 土.
constexpr ElementMask ElementMaskFromBoxes(bool metal, bool wood, bool water, bool fire,
                                           bool earth) {
    return (metal ? ElementMetal : 0u) | (wood ? ElementWood : 0u) |
           (water ? ElementWater : 0u) | (fire ? ElementFire : 0u) |
           (earth ? ElementEarth : 0u);
}

// True when the Pinyin field is the text, or lists it as one of its readings (",a,b,").
// Byte for byte and case-sensitive.
bool PinyinMatches(std::string_view field, std::string_view text);

class FilterSnapshot {
public:
    // Reads the character table; build it once per generation run.
    explicit FilterSnapshot(const FilterConditions& conditions);

    // The conditions it was built from; the generator reads the fixed characters
    // (chk1_1 / edt1_1, chk1_2 / edt1_2) here.
    const FilterConditions& Conditions() const { return conditions_; }

private:
    // What one character meets, as bits of CharFacts::Met; a bit of a condition that is not
    // checked stays unset, since no predicate asks for it.
    enum : std::uint16_t {
        PassesFirstRows = 1 << 0,      // every checked row 1 condition (or chk1_1)
        PassesSecondRows = 1 << 1,     // every checked row 2 condition (or chk1_2)
        IsFirstSpecified = 1 << 2,     // glyph equals edt1_1
        IsSecondSpecified = 1 << 3,    // glyph equals edt1_2
        MeetsNameGlyph = 1 << 4,       // row 3 conditions, one bit each, met by this character
        MeetsNameMeaning = 1 << 5,
        MeetsNameRadicalElement = 1 << 6,
        MeetsNamePinyin = 1 << 7,
        MeetsNameRadical = 1 << 8,
    };

    struct CharFacts {
        std::uint16_t Met = 0;
        // Simplified or Kangxi stroke count, as rg_Jiti chooses.
        std::uint8_t Strokes = 0;
    };

    const CharFacts& Facts(CharIndex index) const {
        return facts_[index >= 0 && index <= CharCount ? index : CharCount];
    }

    friend bool CheckFirstGivenChar(const FilterSnapshot&, CharIndex);
    friend bool CheckSecondGivenChar(const FilterSnapshot&, CharIndex);
    friend bool CheckGivenName(const FilterSnapshot&, NameCode);
    friend bool CheckSpecifiedChars(const FilterSnapshot&, CharIndex, CharIndex);

    FilterConditions conditions_;
    std::vector<CharFacts> facts_;  // CharCount + 1 rows
    std::uint16_t nameRowsRequired_ = 0;
    bool nameStrokeRow_ = false;
    int nameStrokesFrom_ = 0;
    int nameStrokesTo_ = 0;
    std::uint16_t specifiedRequired_ = 0;
};

// May the character stand first in the given name (rows 1)? With chk1_1 checked it always may:
// the fixed character is compared by CheckSpecifiedChars.
inline bool CheckFirstGivenChar(const FilterSnapshot& snapshot, CharIndex index) {
    return (snapshot.Facts(index).Met & FilterSnapshot::PassesFirstRows) != 0;
}

// May the character stand second in the given name (rows 2)? Rows 1 play no part here.
inline bool CheckSecondGivenChar(const FilterSnapshot& snapshot, CharIndex index) {
    return (snapshot.Facts(index).Met & FilterSnapshot::PassesSecondRows) != 0;
}

// Does the two-character given name meet rows 3? Each checked row needs one of the two
// characters to meet it, independently of the other rows; the stroke row takes the sum.
inline bool CheckGivenName(const FilterSnapshot& snapshot, NameCode code) {
    const auto& first = snapshot.Facts(static_cast<CharIndex>(code >> 16));
    const auto& second = snapshot.Facts(static_cast<CharIndex>(code & 0xFFFF));
    const std::uint16_t required = snapshot.nameRowsRequired_;
    if (((first.Met | second.Met) & required) != required) {
        return false;
    }
    if (!snapshot.nameStrokeRow_) {
        return true;
    }
    const int sum = first.Strokes + second.Strokes;
    return snapshot.nameStrokesFrom_ <= sum && sum <= snapshot.nameStrokesTo_;
}

// Are the characters the ones typed into the checked edits of tab 指定文字?
inline bool CheckSpecifiedChars(const FilterSnapshot& snapshot, CharIndex first,
                                CharIndex second) {
    const std::uint16_t met = (snapshot.Facts(first).Met & FilterSnapshot::IsFirstSpecified) |
                              (snapshot.Facts(second).Met & FilterSnapshot::IsSecondSpecified);
    return (met & snapshot.specifiedRequired_) == snapshot.specifiedRequired_;
}

}  // namespace morvenda
