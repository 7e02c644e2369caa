#include "filters/filter_predicates.h"

#include "dict/radical_table.h"

namespace morvenda {

bool PinyinMatches(std::string_view field, std::string_view text) {
    if (field == text) {
        return true;
    }
    // Look for the text framed by commas without building ",text,": this runs for every row
    // of the table whenever a snapshot is taken.
    const std::size_t length = text.size();
    for (std::size_t at = field.find(text, 1); at != std::string_view::npos;
         at = field.find(text, at + 1)) {
        if (field[at - 1] == ',' && at + length < field.size() && field[at + length] == ',') {
            return true;
        }
    }
    return false;
}

namespace {

bool ShareElement(ElementMask a, ElementMask b) { return (a & b) != 0; }

// The conditions of one row of the per-character tabs (2 … 6) for one position of the
// given name, with its radical resolved.
struct PositionRow {
    bool meaningChecked;
    ElementMask meaningMask;
    bool radicalElementChecked;
    ElementMask radicalElementMask;
    bool pinyinChecked;
    std::string_view pinyin;
    bool strokesChecked;
    int strokesFrom;
    int strokesTo;
    bool radicalChecked;
    int radical;
};

bool MeetsPositionRow(const PositionRow& row, CharIndex i, int strokes) {
    return (!row.meaningChecked || ShareElement(ElementByMeaning(i), row.meaningMask)) &&
           (!row.radicalElementChecked ||
            ShareElement(ElementByRadical(i), row.radicalElementMask)) &&
           (!row.pinyinChecked || PinyinMatches(Pinyin(i), row.pinyin)) &&
           (!row.strokesChecked || (row.strokesFrom <= strokes && strokes <= row.strokesTo)) &&
           (!row.radicalChecked || RadicalIndex(i) == row.radical);
}

}  // namespace

FilterSnapshot::FilterSnapshot(const FilterConditions& conditions)
    : conditions_(conditions), facts_(CharCount + 1) {
    const FilterConditions& c = conditions_;
    const PositionRow first{
        c.chk2_1, ElementMaskFromBoxes(c.chk2_11, c.chk2_12, c.chk2_13, c.chk2_14, c.chk2_15),
        c.chk3_1, ElementMaskFromBoxes(c.chk3_11, c.chk3_12, c.chk3_13, c.chk3_14, c.chk3_15),
        c.chk4_1, c.edt4_1,
        c.chk5_1, c.sedt5_11, c.sedt5_12,
        c.chk6_1, FindRadicalIndex(c.cmb6_1B),
    };
    const PositionRow second{
        c.chk2_2, ElementMaskFromBoxes(c.chk2_21, c.chk2_22, c.chk2_23, c.chk2_24, c.chk2_25),
        c.chk3_2, ElementMaskFromBoxes(c.chk3_21, c.chk3_22, c.chk3_23, c.chk3_24, c.chk3_25),
        c.chk4_2, c.edt4_2,
        c.chk5_2, c.sedt5_21, c.sedt5_22,
        c.chk6_2, FindRadicalIndex(c.cmb6_2B),
    };
    const ElementMask nameMeaningMask =
        ElementMaskFromBoxes(c.chk2_31, c.chk2_32, c.chk2_33, c.chk2_34, c.chk2_35);
    const ElementMask nameRadicalElementMask =
        ElementMaskFromBoxes(c.chk3_31, c.chk3_32, c.chk3_33, c.chk3_34, c.chk3_35);
    const int nameRadical = FindRadicalIndex(c.cmb6_3B);

    for (CharIndex i = 0; i <= CharCount; ++i) {
        const int strokes = c.rg_Jiti ? SimplifiedStrokes(i) : KangxiStrokes(i);
        std::uint16_t met = 0;
        // A fixed character leaves its position to CheckSpecifiedChars.
        if (c.chk1_1 || MeetsPositionRow(first, i, strokes)) met |= PassesFirstRows;
        if (c.chk1_2 || MeetsPositionRow(second, i, strokes)) met |= PassesSecondRows;
        // Bits of unchecked conditions are never asked for; leaving them unset saves the work.
        if (c.chk1_1 && Glyph(i) == c.edt1_1) met |= IsFirstSpecified;
        if (c.chk1_2 && Glyph(i) == c.edt1_2) met |= IsSecondSpecified;
        if (c.chk1_3 && Glyph(i) == c.edt1_3) met |= MeetsNameGlyph;
        if (c.chk2_3 && ShareElement(ElementByMeaning(i), nameMeaningMask)) {
            met |= MeetsNameMeaning;
        }
        if (c.chk3_3 && ShareElement(ElementByRadical(i), nameRadicalElementMask)) {
            met |= MeetsNameRadicalElement;
        }
        if (c.chk4_3 && PinyinMatches(Pinyin(i), c.edt4_3)) met |= MeetsNamePinyin;
        if (c.chk6_3 && RadicalIndex(i) == nameRadical) met |= MeetsNameRadical;
        facts_[i] = CharFacts{met, static_cast<std::uint8_t>(strokes)};
    }

    nameRowsRequired_ = static_cast<std::uint16_t>(
        (c.chk1_3 ? MeetsNameGlyph : 0) | (c.chk2_3 ? MeetsNameMeaning : 0) |
        (c.chk3_3 ? MeetsNameRadicalElement : 0) | (c.chk4_3 ? MeetsNamePinyin : 0) |
        (c.chk6_3 ? MeetsNameRadical : 0));
    nameStrokeRow_ = c.chk5_3;
    nameStrokesFrom_ = c.sedt5_31;
    nameStrokesTo_ = c.sedt5_32;
    specifiedRequired_ = static_cast<std::uint16_t>((c.chk1_1 ? IsFirstSpecified : 0) |
                                                    (c.chk1_2 ? IsSecondSpecified : 0));
}

}  // namespace morvenda
