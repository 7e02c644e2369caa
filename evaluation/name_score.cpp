#include "evaluation/name_score.h"

#include <algorithm>

#include "evaluation/three_talents.h"

namespace morvenda {

const std::array<int, 81> GridLuckTable{
    12, 0,  12, 1,  12, 5,  8,  8,  1,   // 1 … 9
    1,  12, 1,  12, 1,  12, 12, 5,  12,  // 10 … 18
    1,  1,  12, 1,  12, 12, 12, 5,  5,   // 19 … 27
    1,  5,  5,  12, 12, 12, 0,  12, 1,   // 28 … 36
    12, 5,  12, 1,  12, 1,  1,  1,  12,  // 37 … 45
    1,  12, 12, 5,  1,  5,  12, 1,  1,   // 46 … 54
    5,  1,  12, 5,  1,  1,  12, 1,  12,  // 55 … 63
    1,  12, 1,  12, 1,  1,  1,  5,  5,   // 64 … 72
    1,  1,  5,  1,  5,  1,  1,  1,  12,  // 73 … 81
};

int GridLuckPoints(int grid) {
    if (grid <= 0) {
        return 0;
    }
    if (grid > 81) {
        grid = (grid - 2) % 80 + 2;  // subtract 80 until the grid is 81 or less
    }
    return GridLuckTable[grid - 1];
}

double NameScore(const FiveGrids& grids) {
    const int talentPoints = ThreeTalentPoints(grids.Heaven, grids.Earth, grids.Outer);
    const double x = talentPoints / 4.0 + GridLuckPoints(grids.Heaven) / 10.0 +
                     GridLuckPoints(grids.Person) + GridLuckPoints(grids.Earth) +
                     GridLuckPoints(grids.Outer) / 10.0 + GridLuckPoints(grids.Total);
    return std::min(x, 50.0) + 50.0;
}

}  // namespace morvenda
