#include "evaluation/name_score.h"

#include <gtest/gtest.h>

#include <map>

namespace morvenda {
namespace {

TEST(GridLuck, TableHoldsTheFiveValuesInTheirCounts) {
    std::map<int, int> counts;
    for (const int points : GridLuckTable) {
        ++counts[points];
    }
    EXPECT_EQ(counts, (std::map<int, int>{{12, 29}, {8, 2}, {5, 15}, {1, 33}, {0, 2}}));
}

TEST(GridLuck, PointsOfGrids) {
    struct Case {
        int grid, points;
    };
    const Case cases[] = {
        {1, 12}, {2, 0},  {3, 12},  {7, 8},  {8, 8},  {9, 1},   {13, 12}, {15, 12},
        {17, 5}, {20, 1}, {27, 5},  {34, 0}, {38, 5}, {56, 1},  {72, 5},  {80, 1},
        {81, 12},
        // Past 81 the cycle starts again 80 lower.
        {82, 0}, {83, 12}, {87, 8}, {120, 1}, {114, 0}, {161, 12}, {162, 0},
        // Nothing to count from.
        {0, 0}, {-1, 0}, {-80, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridLuckPoints(c.grid), c.points) << c.grid;
    }
}

TEST(NameScore, WeighsPatternAndGrids) {
    struct Case {
        FiveGrids grids;
        double score;
    };
    const Case cases[] = {
        // 金水火 (11) / 4 + 8 / 10 + 12 + 1 + 12 / 10 + 5
        {{8, 15, 20, 13, 27}, 72.75},
        // 木木木 (32) / 4 + 12 / 10 + 12 + 12 + 12 / 10 + 12: the highest the tables give
        {{1, 1, 1, 1, 1}, 96.40},
        // 木火火 (24) / 4 + 0 + 0 + 12 + 12 / 10 + 0 … grids 2, 2, 3, 13, 34
        {{2, 2, 3, 13, 34}, 50 + 6 + 12 + 1.2},
        // No strokes: 水水水 (7) / 4 + 0 + 0 + 0 + 0 + 0 … heaven 0 and earth 0 score nothing
        {{0, 0, 0, 0, 0}, 51.75},
        // A total past 81 scores as its grid 80 lower (120 → 40: 1).
        {{60, 60, 60, 60, 120}, 50 + 7 / 4.0 + 0.1 + 1 + 1 + 0.1 + 1},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(NameScore(c.grids), c.score)
            << c.grids.Heaven << " " << c.grids.Person << " " << c.grids.Earth << " "
            << c.grids.Outer << " " << c.grids.Total;
    }
}

}  // namespace
}  // namespace morvenda
