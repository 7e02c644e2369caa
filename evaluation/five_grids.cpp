#include "evaluation/five_grids.h"

namespace morvenda {

// An index that names no character, such as the 0xFFFF of a one-character given name, reads the
// empty row and so has 0 strokes.
NameStrokes KangxiNameStrokes(FamilyIndexes family, NameCode code) {
    return NameStrokes{
        .F1 = KangxiStrokes(family.FamilyIndex1),
        .F2 = KangxiStrokes(family.FamilyIndex2),
        .G1 = KangxiStrokes(FirstGivenChar(code)),
        .G2 = KangxiStrokes(SecondGivenChar(code)),
    };
}

int GridFromStrokes(const NameStrokes& s, GridKind kind) {
    const int total = s.F1 + s.F2 + s.G1 + s.G2;
    switch (kind) {
        case GridKind::Heaven:
            return s.F2 == 0 ? s.F1 + 1 : s.F1 + s.F2;
        case GridKind::Person:
            return s.F2 == 0 ? s.F1 + s.G1 : s.F2 + s.G1;
        case GridKind::Earth:
            return s.G2 == 0 ? s.G1 + 1 : s.G1 + s.G2;
        case GridKind::Outer: {
            if (s.F2 == 0 && s.G2 == 0) {
                return 2;
            }
            const int outer = total - GridFromStrokes(s, GridKind::Person);
            // With one of the two single, the missing character counts as one stroke.
            return (s.F2 > 0 && s.G2 > 0) ? outer : outer + 1;
        }
        case GridKind::Total:
            return total;
    }
    return 0;
}

FiveGrids FiveGridsFromStrokes(const NameStrokes& strokes) {
    return FiveGrids{
        .Heaven = GridFromStrokes(strokes, GridKind::Heaven),
        .Person = GridFromStrokes(strokes, GridKind::Person),
        .Earth = GridFromStrokes(strokes, GridKind::Earth),
        .Outer = GridFromStrokes(strokes, GridKind::Outer),
        .Total = GridFromStrokes(strokes, GridKind::Total),
    };
}

int ComputeGrid(FamilyIndexes family, NameCode code, GridKind kind) {
    return GridFromStrokes(KangxiNameStrokes(family, code), kind);
}

FiveGrids ComputeFiveGrids(FamilyIndexes family, NameCode code) {
    return FiveGridsFromStrokes(KangxiNameStrokes(family, code));
}

}  // namespace morvenda
