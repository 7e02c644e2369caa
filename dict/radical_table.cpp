#include "dict/radical_table.h"

#include "dict/char_rows.h"

namespace morvenda {

const std::array<std::string_view, 15> StrokeNumerals = {
    "一", "二", "三",   "四",   "五",   "六",   "七",   "八",
    "九", "十", "十一", "十二", "十三", "十四", "十五",
};

int FindRadicalIndex(std::string_view text) {
    for (int index = 0; index < RadicalCount; ++index) {
        if (dict_rows::RadicalRows[static_cast<std::size_t>(index)].glyph == text) {
            return index;
        }
    }
    return 0;  // also the index of 丨: callers only pass glyphs of this table
}

std::string_view RadicalGlyph(int index) {
    if (index < 0 || index >= RadicalCount) {
        return {};
    }
    return dict_rows::RadicalRows[static_cast<std::size_t>(index)].glyph;
}

std::vector<std::string> RadicalsWithStrokes(int n) {
    std::vector<std::string> glyphs;
    for (const auto& radical : dict_rows::RadicalRows) {
        if (radical.strokes == n) {
            glyphs.emplace_back(radical.glyph);
        }
    }
    return glyphs;
}

}  // namespace morvenda
