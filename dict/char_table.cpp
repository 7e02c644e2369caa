#include "dict/char_table.h"

#include <algorithm>

#include "dict/char_rows.h"

namespace morvenda {
namespace {

const dict_rows::CharRow& Row(CharIndex index) {
    return dict_rows::CharRows[static_cast<std::size_t>(RowOrEmpty(index))];
}

}  // namespace

std::string_view Glyph(CharIndex index) { return Row(index).glyph; }
std::string_view Pinyin(CharIndex index) { return Row(index).pinyin; }
ElementMask ElementByMeaning(CharIndex index) {
    return ElementMask::FromBits(Row(index).elementByMeaning);
}
ElementMask ElementByRadical(CharIndex index) {
    return ElementMask::FromBits(Row(index).elementByRadical);
}
int RadicalIndex(CharIndex index) { return Row(index).radicalIndex; }
int SimplifiedStrokes(CharIndex index) { return Row(index).simplifiedStrokes; }
int KangxiStrokes(CharIndex index) { return Row(index).kangxiStrokes; }

CharIndex FindCharIndex(std::string_view text) {
    // Glyphs are unique, so the row a search by bytes finds is the first row holding the text.
    const auto& order = dict_rows::RowsByGlyph;
    const auto found = std::lower_bound(order.begin(), order.end(), text,
                                        [](std::uint16_t row, std::string_view wanted) {
                                            return dict_rows::CharRows[row].glyph < wanted;
                                        });
    if (found != order.end() && dict_rows::CharRows[*found].glyph == text) {
        return *found;
    }
    return CharCount;
}

std::string NameCodeToText(NameCode code) {
    std::string text;
    for (const CharIndex half : {FirstGivenChar(code), SecondGivenChar(code)}) {
        if (IsCharacterRow(half)) {
            text += Glyph(half);
        } else {
            text += ' ';
        }
    }
    return text;
}

}  // namespace morvenda
