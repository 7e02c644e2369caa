#include "evaluation/three_talents.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace morvenda {
namespace {

// The element characters in the order the printed tables give their rows and columns.
const std::string_view Elements[5] = {"火", "金", "木", "水", "土"};

// The printed tables: one per first character, rows the second, columns the third.
constexpr int PrintedPoints[5][5][5] = {
    {// 火
     {13, 13, 21, 7, 10},
     {4, 4, 7, 11, 11},
     {28, 11, 32, 18, 28},
     {4, 11, 7, 7, 7},
     {32, 25, 17, 14, 32}},
    {// 金
     {10, 14, 18, 11, 7},
     {4, 11, 4, 7, 25},
     {14, 11, 14, 7, 18},
     {11, 14, 7, 7, 7},
     {28, 28, 21, 14, 32}},
    {// 木
     {24, 17, 25, 14, 21},
     {7, 11, 11, 4, 11},
     {28, 11, 32, 11, 25},
     {4, 4, 11, 10, 7},
     {14, 18, 7, 11, 18}},
    {// 水
     {7, 14, 11, 11, 14},
     {11, 17, 11, 11, 32},
     {24, 14, 25, 11, 32},
     {4, 11, 4, 7, 4},
     {17, 21, 14, 14, 14}},
    {// 土
     {17, 17, 32, 18, 24},
     {14, 25, 18, 18, 25},
     {10, 11, 17, 11, 18},
     {7, 4, 7, 7, 11},
     {32, 32, 14, 14, 32}},
};

std::string Pattern(int first, int second, int third) {
    return std::string(Elements[first]) + std::string(Elements[second]) +
           std::string(Elements[third]);
}

TEST(ThreeTalents, EveryPatternReadsBackItsPrintedPoints) {
    for (int a = 0; a < 5; ++a) {
        for (int b = 0; b < 5; ++b) {
            for (int c = 0; c < 5; ++c) {
                EXPECT_EQ(ThreeTalentPoints(Pattern(a, b, c)), PrintedPoints[a][b][c])
                    << Pattern(a, b, c);
            }
        }
    }
}

TEST(ThreeTalents, TableHoldsEachPatternOnceInElementOrder) {
    std::set<std::string_view> seen;
    for (std::size_t row = 0; row < ThreeTalentTable.size(); ++row) {
        const int a = static_cast<int>(row / 25), b = static_cast<int>(row / 5 % 5),
                  c = static_cast<int>(row % 5);
        EXPECT_EQ(ThreeTalentTable[row].Pattern, Pattern(a, b, c)) << row;
        EXPECT_TRUE(seen.insert(ThreeTalentTable[row].Pattern).second) << row;
    }
}

TEST(ThreeTalents, UnknownPatternScoresFour) {
    for (const std::string_view pattern : {"", "金水", "金水火火", "金 水", "abc", "水水",
                                           "山金火", "金山火", "金火山", "金火abc"}) {
        EXPECT_EQ(ThreeTalentPoints(pattern), 4) << pattern;
    }
}

TEST(ThreeTalents, PatternFromLastDigitsOfHeavenEarthOuter) {
    struct Case {
        int heaven, earth, outer;
        std::string_view pattern;
    };
    const Case cases[] = {
        {8, 20, 13, "金水火"},  // the person grid takes no part
        {1, 2, 3, "木木火"},
        {14, 25, 36, "火土土"},
        {17, 29, 70, "金水水"},
        {0, 0, 0, "水水水"},
        {81, 105, 120, "木土水"},
        {-3, 5, 6, "土土"},  // a negative grid has no digit element
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ThreeTalentPattern(c.heaven, c.earth, c.outer), c.pattern)
            << c.heaven << " " << c.earth << " " << c.outer;
    }
    EXPECT_EQ(ThreeTalentPoints(ThreeTalentPattern(8, 20, 13)), 11);
    EXPECT_EQ(ThreeTalentPoints("火火火"), 13);
}

// The score reads the points straight from the grids; they must be those of the pattern text.
TEST(ThreeTalents, PointsOfTheGridsAreThoseOfTheirPattern) {
    for (int heaven = -2; heaven <= 12; ++heaven) {
        for (int earth = -2; earth <= 12; ++earth) {
            for (const int outer : {-1, 0, 3, 6, 9, 17, 40, 81}) {
                EXPECT_EQ(ThreeTalentPoints(heaven, earth, outer),
                          ThreeTalentPoints(ThreeTalentPattern(heaven, earth, outer)))
                    << heaven << " " << earth << " " << outer;
            }
        }
    }
}

}  // namespace
}  // namespace morvenda
