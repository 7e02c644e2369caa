#include "results/result_row.h"

#include <cstdio>

#include "base/elements.h"
#include "evaluation/five_grids.h"
#include "evaluation/name_score.h"

namespace morvenda {
namespace {

// Zero-padded so that the list's text sort orders numbers: 8 → "08" with two digits.
std::string Padded(int value, int digits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    return buffer;
}

std::string ScoreText(double score) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%05.2f", score);
    return buffer;
}

struct RowChars {
    int Family1;
    int Family2;
    int Given1;
    int Given2;
};

// Strokes of every character, the second family character only when the family has one, and
// the second given character always, an absent one as "00".
std::string StrokeCombination(const RowChars& chars, int (*strokes)(int)) {
    std::string text = Padded(strokes(chars.Family1), 2);
    if (chars.Family2 < CharCount) {
        text += "-" + Padded(strokes(chars.Family2), 2);
    }
    text += "-" + Padded(strokes(chars.Given1), 2);
    text += "-" + Padded(strokes(chars.Given2), 2);
    return text;
}

int StrokeSum(const RowChars& chars, int (*strokes)(int)) {
    return strokes(chars.Family1) + strokes(chars.Family2) + strokes(chars.Given1) +
           strokes(chars.Given2);
}

}  // namespace

RowFamily FamilyFromCode(FamilyCode code) {
    RowFamily family;
    family.Index1 = FirstFamilyChar(code);
    family.Index2 = SecondFamilyChar(code);
    family.Char1 = Glyph(family.Index1);
    family.Char2 = Glyph(family.Index2);
    family.Text = family.Char1 + family.Char2;
    return family;
}

ResultRow BuildResultRow(NameCode code, const RowFamily& family) {
    const RowChars chars{RowOrEmpty(family.Index1), RowOrEmpty(family.Index2),
                         RowOrEmpty(FirstGivenChar(code)), RowOrEmpty(SecondGivenChar(code))};
    const FiveGrids grids = ComputeFiveGrids(FamilyIndexes{chars.Family1, chars.Family2}, code);

    ResultRow row;
    row.Code = code;
    row.Family = MakeFamilyCode(chars.Family1, chars.Family2);
    row.Grids = grids;
    row.Score = NameScore(grids);
    auto& f = row.Fields;
    f[0] = family.Text + NameCodeToText(code);
    f[1] = ScoreText(row.Score);
    for (const int index : {chars.Family1, chars.Family2, chars.Given1, chars.Given2}) {
        f[2] += ElementName(ElementByMeaning(index));
    }
    f[3] = StrokeCombination(chars, SimplifiedStrokes);
    f[4] = StrokeCombination(chars, KangxiStrokes);
    f[5] = Padded(grids.Heaven, 2);
    f[6] = Padded(grids.Person, 2);
    f[7] = Padded(grids.Earth, 2);
    f[8] = Padded(grids.Outer, 2);
    f[9] = Padded(grids.Total, 2);
    f[10] = Padded(StrokeSum(chars, SimplifiedStrokes), 4);
    f[11] = Padded(StrokeSum(chars, KangxiStrokes), 4);
    f[12] = Padded(static_cast<int>(ElementByRadical(chars.Given1).Bits()), 4);
    f[13] = Padded(static_cast<int>(ElementByRadical(chars.Given2).Bits()), 4);
    f[14] = std::to_string(code);
    f[15] = family.Char1 + family.Char2;
    return row;
}

std::span<const ResultColumn, ResultVisibleFieldCount> ResultColumns() {
    static constexpr std::array<ResultColumn, ResultVisibleFieldCount> Columns{{
        {"姓名", 100, ColumnAlignment::Left},
        {"格局评分", 70, ColumnAlignment::Center},
        {"五行格局", 75, ColumnAlignment::Center},
        {"笔画组合[简]", 85, ColumnAlignment::Center},
        {"笔画组合[繁]", 85, ColumnAlignment::Center},
        {"天格", 50, ColumnAlignment::Center},
        {"人格", 50, ColumnAlignment::Center},
        {"地格", 50, ColumnAlignment::Center},
        {"外格", 50, ColumnAlignment::Center},
        {"总格", 50, ColumnAlignment::Center},
    }};
    return Columns;
}

}  // namespace morvenda
