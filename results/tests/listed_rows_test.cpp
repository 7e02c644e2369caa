#include "results/listed_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvenda {
namespace {

ResultRow Row(std::string caption, std::string score, FamilyCode family = 0) {
    ResultRow row;
    row.Fields[0] = std::move(caption);
    row.Fields[1] = std::move(score);
    row.Family = family;
    return row;
}

std::vector<std::string> Captions(const ListedRows& rows) {
    std::vector<std::string> captions;
    for (const ResultRow& row : rows.InDisplayOrder()) {
        captions.push_back(row.Fields[0]);
    }
    return captions;
}

// Three rows listed in this order, 王二 checked.
ListedRows Listing() {
    ListedRows rows;
    rows.Append(Row("王一", "72.75", 1));
    rows.Append(Row("王二", "83.40", 2));
    rows.Append(Row("王三", "55.10", 3));
    rows.SetChecked(1, true);
    return rows;
}

TEST(ListedRows, CheckMarksAndFamiliesMoveWithTheirRowsWhenSorted) {
    ListedRows rows = Listing();
    EXPECT_EQ(rows.CheckedPositions(), std::vector<int>{1});

    const std::vector<std::size_t> cameFrom = rows.Sort(1, false);
    EXPECT_EQ(Captions(rows), (std::vector<std::string>{"王二", "王一", "王三"}));
    EXPECT_EQ(cameFrom, (std::vector<std::size_t>{1, 0, 2}));
    EXPECT_EQ(rows.CheckedPositions(), std::vector<int>{0});
    EXPECT_EQ(rows.At(0).Family, 2u);

    rows.SetChecked(2, true);
    rows.Sort(1, true);
    EXPECT_EQ(Captions(rows), (std::vector<std::string>{"王三", "王一", "王二"}));
    EXPECT_EQ(rows.CheckedPositions(), (std::vector<int>{0, 2}));
}

TEST(ListedRows, RemovingARowMovesTheRowsAfterItUpWithTheirMarks) {
    ListedRows rows = Listing();
    rows.Remove(0);
    EXPECT_EQ(Captions(rows), (std::vector<std::string>{"王二", "王三"}));
    EXPECT_EQ(rows.CheckedPositions(), std::vector<int>{0});
    EXPECT_THROW(rows.Remove(2), std::out_of_range);
}

TEST(ListedRows, ClearingEmptiesTheListing) {
    ListedRows rows = Listing();
    rows.Clear();
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_TRUE(rows.CheckedPositions().empty());
    EXPECT_THROW(rows.At(0), std::out_of_range);
}

}  // namespace
}  // namespace morvenda
