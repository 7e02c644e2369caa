#pragma once
// The three-talent pattern: the elements of the last digits of the heaven, earth and outer
// grids, in this order, and the points every pattern is worth.

#include <array>
#include <string>
#include <string_view>

namespace morvenda {

struct ThreeTalentRow {
    std::string_view Pattern;  // three element characters
    int Points;
};

// All 125 patterns: first, second and third character each running 火 金 木 水 土, the first
// changing slowest.
extern const std::array<ThreeTalentRow, 125> ThreeTalentTable;

// Three element characters for non-negative grids; a negative grid contributes nothing.
std::string ThreeTalentPattern(int heaven, int earth, int outer);

// The points of the first row whose pattern equals the whole text, 4 when none does.
int ThreeTalentPoints(std::string_view pattern);

// ThreeTalentPoints of ThreeTalentPattern(heaven, earth, outer), without building the text.
int ThreeTalentPoints(int heaven, int earth, int outer);

}  // namespace morvenda
