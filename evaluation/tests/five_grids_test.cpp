#include "evaluation/five_grids.h"

#include <gtest/gtest.h>

namespace morvenda {
namespace {

TEST(FiveGrids, FromStrokes) {
    struct Case {
        const char* what;
        NameStrokes strokes;
        FiveGrids grids;
    };
    const Case cases[] = {
        {"single family, single given", {7, 0, 8, 0}, {8, 15, 9, 2, 15}},
        {"single family, double given", {7, 0, 8, 12}, {8, 15, 20, 13, 27}},
        {"double family, single given", {8, 9, 10, 0}, {17, 19, 11, 9, 27}},
        {"double family, double given", {8, 9, 10, 11}, {17, 19, 21, 19, 38}},
        {"second family char of 0 strokes counts as absent", {8, 0, 10, 11}, {9, 18, 21, 12, 29}},
        {"no strokes at all", {0, 0, 0, 0}, {1, 0, 1, 2, 0}},
        {"heavy characters push the total past 81", {30, 30, 30, 30}, {60, 60, 60, 60, 120}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FiveGridsFromStrokes(c.strokes), c.grids) << c.what;
        EXPECT_EQ(GridFromStrokes(c.strokes, GridKind::Heaven), c.grids.Heaven) << c.what;
        EXPECT_EQ(GridFromStrokes(c.strokes, GridKind::Person), c.grids.Person) << c.what;
        EXPECT_EQ(GridFromStrokes(c.strokes, GridKind::Earth), c.grids.Earth) << c.what;
        EXPECT_EQ(GridFromStrokes(c.strokes, GridKind::Outer), c.grids.Outer) << c.what;
        EXPECT_EQ(GridFromStrokes(c.strokes, GridKind::Total), c.grids.Total) << c.what;
    }
}

TEST(FiveGrids, KindOutsideTheFiveGivesZero) {
    const NameStrokes strokes{7, 0, 8, 12};
    for (const int kind : {0, 6, -1, 100}) {
        EXPECT_EQ(GridFromStrokes(strokes, static_cast<GridKind>(kind)), 0) << kind;
        EXPECT_EQ(ComputeGrid({}, 0, static_cast<GridKind>(kind)), 0) << kind;
    }
}

// Rows whose Kangxi counts are fixed: 华 0 (14), 明 2 (8), 海 7 (11), 金 27 (8), 长 103 (8).
constexpr CharIndex Hua = 0, Ming = 2, Hai = 7, Jin = 27, Chang = 103;

TEST(FiveGrids, ReadsKangxiStrokesOfFamilyAndGivenName) {
    struct Case {
        const char* what;
        FamilyIndexes family;
        NameCode code;
        NameStrokes strokes;
        FiveGrids grids;
    };
    const Case cases[] = {
        {"金 + 海", {Jin, CharCount}, MakeNameCode(Hai, NoSecondChar), {8, 0, 11, 0}, {9, 19, 12, 2, 19}},
        // The empty row as second character (a specified character outside the table).
        {"金 + 海 + empty row", {Jin, CharCount}, MakeNameCode(Hai, CharCount), {8, 0, 11, 0},
         {9, 19, 12, 2, 19}},
        {"金 + 华明", {Jin, CharCount}, MakeNameCode(Hua, Ming), {8, 0, 14, 8}, {9, 22, 22, 9, 30}},
        {"金长 + 华明", {Jin, Chang}, MakeNameCode(Hua, Ming), {8, 8, 14, 8}, {16, 22, 22, 16, 38}},
        {"金长 + 海", {Jin, Chang}, MakeNameCode(Hai, NoSecondChar), {8, 8, 11, 0}, {16, 19, 12, 9, 27}},
        // A family character or a specified character outside the table: the empty row.
        {"unknown family + 华明", {CharCount, CharCount}, MakeNameCode(Hua, Ming), {0, 0, 14, 8},
         {1, 14, 22, 9, 22}},
        {"金 + unknown first given", {Jin, CharCount}, MakeNameCode(CharCount, NoSecondChar),
         {8, 0, 0, 0}, {9, 8, 1, 2, 8}},
        // Halves past the table (not just 0xFFFF) have no strokes.
        {"金 + 华 with a stray second half", {Jin, CharCount}, MakeNameCode(Hua, 0x8000),
         {8, 0, 14, 0}, {9, 22, 15, 2, 22}},
        // A family pair can only come from the table; anything past the empty row reads as it.
        {"family index past the table", {0xFFFF, -1}, MakeNameCode(Hua, Ming), {0, 0, 14, 8},
         {1, 14, 22, 9, 22}},
    };
    for (const Case& c : cases) {
        const NameStrokes strokes = KangxiNameStrokes(c.family, c.code);
        EXPECT_EQ(strokes.F1, c.strokes.F1) << c.what;
        EXPECT_EQ(strokes.F2, c.strokes.F2) << c.what;
        EXPECT_EQ(strokes.G1, c.strokes.G1) << c.what;
        EXPECT_EQ(strokes.G2, c.strokes.G2) << c.what;
        EXPECT_EQ(ComputeFiveGrids(c.family, c.code), c.grids) << c.what;
        EXPECT_EQ(ComputeGrid(c.family, c.code, GridKind::Outer), c.grids.Outer) << c.what;
    }
}

}  // namespace
}  // namespace morvenda
