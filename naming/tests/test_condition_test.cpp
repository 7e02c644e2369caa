#include "naming/test_condition.h"

#include <gtest/gtest.h>

#include <vector>

#include "naming/tests/condition_fixture.h"

namespace morvenda {
namespace {

using testing::FixedChars;
using testing::KangxiStrokesExactly;

TEST(TestConditionTest, DispatchesByPositionOnTheLowHalfOrTheWholeCode) {
    const CharIndex hua = FindCharIndex("华");   // 14 Kangxi strokes
    const CharIndex ming = FindCharIndex("明");  // 8
    ASSERT_EQ(KangxiStrokes(hua), 14);
    ASSERT_EQ(KangxiStrokes(ming), 8);
    const std::uint32_t huaBehindMing = MakeNameCode(ming, hua);

    FilterConditions wholeName;
    wholeName.StrokeCount = StrokeKind::Kangxi;
    wholeName.Row(ConditionPlace::WholeName).Strokes = {true, {22, 22}};

    struct Case {
        FilterConditions conditions;
        std::uint32_t value;
        int position;
        bool passes;
    };
    const std::vector<Case> cases{
        {KangxiStrokesExactly(14, 1), huaBehindMing, 1, true},  // 华 in the low half
        {KangxiStrokesExactly(8, 1), huaBehindMing, 1, false},  // 明 in the high half ignored
        {KangxiStrokesExactly(14, 2), huaBehindMing, 2, true},
        {KangxiStrokesExactly(14, 1), huaBehindMing, 2, true},  // rows 1 play no part here
        {KangxiStrokesExactly(8, 2), huaBehindMing, 2, false},
        {wholeName, huaBehindMing, 3, true},
        {wholeName, MakeNameCode(hua, hua), 3, false},
        {KangxiStrokesExactly(99, 1), huaBehindMing, 0, true},  // no predicate at all
        {KangxiStrokesExactly(99, 1), huaBehindMing, 4, true},
        {FixedChars(ming, CharCount), huaBehindMing, 1,
         true},  // fixed characters are not its business
    };
    for (const Case& c : cases) {
        const FilterSnapshot snapshot(c.conditions);
        EXPECT_EQ(TestCondition(snapshot, c.value, c.position), c.passes)
            << "position " << c.position << ", value " << c.value;
    }
}

}  // namespace
}  // namespace morvenda
