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

using Bit = FilterSnapshot::ConditionBit;

// A row's ticked conditions as bits, and its radical looked up once.
struct ResolvedRow {
    const ConditionRow& Conditions;
    std::uint16_t Ticked;
    int Radical;

    explicit ResolvedRow(const ConditionRow& row)
        : Conditions(row),
          Ticked(static_cast<std::uint16_t>(
              (row.Glyph.On ? Bit::GlyphBit : 0) | (row.MeaningElements.On ? Bit::MeaningBit : 0) |
              (row.RadicalElements.On ? Bit::RadicalElementsBit : 0) |
              (row.Pinyin.On ? Bit::PinyinBit : 0) | (row.Strokes.On ? Bit::StrokesBit : 0) |
              (row.Radical.On ? Bit::RadicalBit : 0))),
          Radical(FindRadicalIndex(row.Radical.Value.Glyph)) {}
};

// The ticked conditions of the row that the character meets, its stroke range against
// `strokes`. A condition that is not ticked is never asked for, so it is not looked at.
std::uint16_t MetConditions(const ResolvedRow& row, CharIndex i, int strokes) {
    const ConditionRow& c = row.Conditions;
    std::uint16_t met = 0;
    const auto meet = [&](Bit bit, auto&& holds) {
        if ((row.Ticked & bit) != 0 && holds()) {
            met |= bit;
        }
    };
    meet(Bit::GlyphBit, [&] { return Glyph(i) == c.Glyph.Value; });
    meet(Bit::MeaningBit,
         [&] { return ElementByMeaning(i).SharesElementWith(c.MeaningElements.Value); });
    meet(Bit::RadicalElementsBit,
         [&] { return ElementByRadical(i).SharesElementWith(c.RadicalElements.Value); });
    meet(Bit::PinyinBit, [&] { return PinyinMatches(Pinyin(i), c.Pinyin.Value); });
    meet(Bit::StrokesBit, [&] { return c.Strokes.Value.Contains(strokes); });
    meet(Bit::RadicalBit, [&] { return RadicalIndex(i) == row.Radical; });
    return met;
}

// A character may stand in its place when it meets every ticked condition of the place's row;
// a ticked glyph condition fixes the character instead, which CheckSpecifiedChars compares.
bool PassesCharacterRow(const ResolvedRow& row, std::uint16_t met) {
    if ((row.Ticked & Bit::GlyphBit) != 0) {
        return true;
    }
    return (met & row.Ticked) == row.Ticked;
}

}  // namespace

FilterSnapshot::FilterSnapshot(const FilterConditions& conditions)
    : conditions_(conditions), facts_(CharCount + 1) {
    const ResolvedRow first(conditions_.Row(ConditionPlace::FirstChar));
    const ResolvedRow second(conditions_.Row(ConditionPlace::SecondChar));
    const ResolvedRow name(conditions_.Row(ConditionPlace::WholeName));
    const bool simplified = conditions_.StrokeCount == StrokeKind::Simplified;

    for (CharIndex i = 0; i <= CharCount; ++i) {
        const int strokes = simplified ? SimplifiedStrokes(i) : KangxiStrokes(i);
        const std::uint16_t metFirst = MetConditions(first, i, strokes);
        const std::uint16_t metSecond = MetConditions(second, i, strokes);
        std::uint16_t met = MetConditions(name, i, strokes) & ~Bit::StrokesBit;
        if (PassesCharacterRow(first, metFirst))
            met |= PassesFirstRows;
        if (PassesCharacterRow(second, metSecond))
            met |= PassesSecondRows;
        if ((metFirst & Bit::GlyphBit) != 0)
            met |= IsFirstSpecified;
        if ((metSecond & Bit::GlyphBit) != 0)
            met |= IsSecondSpecified;
        facts_[i] = CharFacts{met, static_cast<std::uint8_t>(strokes)};
    }

    nameRowsRequired_ = name.Ticked & ~Bit::StrokesBit;
    nameStrokeRow_ = (name.Ticked & Bit::StrokesBit) != 0;
    nameStrokes_ = name.Conditions.Strokes.Value;
    specifiedRequired_ =
        static_cast<std::uint16_t>(((first.Ticked & Bit::GlyphBit) != 0 ? IsFirstSpecified : 0) |
                                   ((second.Ticked & Bit::GlyphBit) != 0 ? IsSecondSpecified : 0));
}

}  // namespace morvenda
