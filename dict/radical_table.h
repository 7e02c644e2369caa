#pragma once
// The 267 radicals a character's RadicalIndex points to, grouped by stroke count 1 … 15.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace morvenda {

inline constexpr int RadicalCount = 267;

// Entry whose glyph equals the whole text; 0 (丨) when none does.
int FindRadicalIndex(std::string_view text);

// Glyph of the entry; empty outside 0 … RadicalCount − 1.
std::string_view RadicalGlyph(int index);

// Glyphs of the radicals with n strokes, in table order; empty outside 1 … 15.
std::vector<std::string> RadicalsWithStrokes(int n);

// 一 … 十五: the labels of the stroke groups are these followed by 画.
extern const std::array<std::string_view, 15> StrokeNumerals;

}  // namespace morvenda
