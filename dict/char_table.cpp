#include "dict/char_table.h"

#include <algorithm>

#include "dict/char_rows.h"

namespace morvenda {
namespace {

// Out-of-range indices read as the empty row rather than past the table: a stray index from
// a damaged favourites line must not read foreign memory.
const dict_rows::CharRow& Row(int index) {
    if (index < 0 || index > CharCount) {
        index = CharCount;
    }
    return dict_rows::CharRows[static_cast<std::size_t>(index)];
}

bool IsCharacterRow(std::uint32_t index) {
    return index <= static_cast<std::uint32_t>(CharCount - 1);
}

}  // namespace

std::string_view Glyph(int index) { return Row(index).glyph; }
std::string_view Pinyin(int index) { return Row(index).pinyin; }
unsigned ElementByMeaning(int index) { return Row(index).elementByMeaning; }
unsigned ElementByRadical(int index) { return Row(index).elementByRadical; }
int RadicalIndex(int index) { return Row(index).radicalIndex; }
int SimplifiedStrokes(int index) { return Row(index).simplifiedStrokes; }
int KangxiStrokes(int index) { return Row(index).kangxiStrokes; }

int FindCharIndex(std::string_view text) {
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

std::string NameCodeToText(std::uint32_t code) {
    std::string text;
    for (const std::uint32_t half : {(code >> 16) & 0xFFFFu, code & 0xFFFFu}) {
        if (IsCharacterRow(half)) {
            text += Glyph(static_cast<int>(half));
        } else {
            text += ' ';
        }
    }
    return text;
}

}  // namespace morvenda
