#pragma once
// The compiled-in rows behind the dictionary's accessors, generated at build time from
// dict/data/. Only the dictionary's own sources read them.

#include <array>
#include <cstdint>
#include <string_view>

#include "dict/char_table.h"
#include "dict/radical_table.h"

namespace morvenda::dict_rows {

struct CharRow {
    std::string_view glyph;
    std::string_view pinyin;
    std::uint8_t elementByMeaning;
    std::uint16_t radicalIndex;
    std::uint8_t elementByRadical;
    std::uint8_t simplifiedStrokes;
    std::uint8_t kangxiStrokes;
};

struct RadicalRow {
    std::string_view glyph;
    int strokes;
};

// Rows 0 … CharCount − 1 and the empty row at CharCount.
extern const std::array<CharRow, CharCount + 1> CharRows;

// The character rows ordered by the bytes of their glyphs, for lookups by text.
extern const std::array<std::uint16_t, CharCount> RowsByGlyph;

extern const std::array<RadicalRow, RadicalCount> RadicalRows;

}  // namespace morvenda::dict_rows
