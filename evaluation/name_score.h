#pragma once
// Luck points of single grids and the score of a whole name.

#include <array>

#include "evaluation/five_grids.h"

namespace morvenda {

// Luck points of the grid values 1 … 81, item g − 1 for grid g.
extern const std::array<int, 81> GridLuckTable;

// The table's entry for grids 1 … 81. The table stops at 81, the length of the numerological
// cycle, yet heavy characters can push the total grid up to 120: a grid above 81 counts as the
// grid 80 lower, repeatedly (82 → 2; 161 → 81, which scores as 1 does). A grid of 0 or below,
// which only characters recorded with 0 strokes can cause, has no number to stand for and
// earns 0 points.
int GridLuckPoints(int grid);

// 50 + the pattern's points / 4 + the luck points of person, earth and total + a tenth of
// those of heaven and outer, the part above 50 capped at 50.
double NameScore(const FiveGrids& grids);

}  // namespace morvenda
