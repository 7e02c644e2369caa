#include "naming/advanced_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <vector>

#include "naming/tests/condition_fixture.h"
#include "naming/tests/pool_fixture.h"

namespace morvenda {
namespace {

using testing::CharactersWithKangxiStrokes;
using testing::FixedChars;
using testing::FixedRandom;
using testing::KangxiStrokesExactly;
using testing::PoolFixture;

std::vector<CharIndex> Characters(CharIndex from, int count) {
    std::vector<CharIndex> list(count);
    std::iota(list.begin(), list.end(), from);
    return list;
}

std::set<NameCode> Distinct(std::vector<NameCode>::const_iterator from,
                            std::vector<NameCode>::const_iterator to) {
    return {from, to};
}

// One band over lists of plain character indexes, without conditions.
class CollectBandPairsTest : public ::testing::Test {
  protected:
    void Collect(std::vector<CharIndex> first, std::vector<CharIndex> second, std::int32_t s1,
                 std::int32_t e1, std::int32_t s2, std::int32_t e2, std::int32_t quota) {
        first_ = std::move(first);
        second_ = std::move(second);
        BandSearch search{random_, open_, buffer_, raw_, first_, second_};
        CollectBandPairs(search, s1, e1, s2, e2, quota);
    }

    RandomSource random_ = FixedRandom();
    const FilterSnapshot open_{FilterConditions{}};
    CombinationBuffer buffer_;
    RawCandidateList raw_;
    std::vector<CharIndex> first_;
    std::vector<CharIndex> second_;
};

TEST_F(CollectBandPairsTest, CoversTheStripTheSquareGainsOverThePreviousBand) {
    struct Case {
        std::int32_t s1, e1, s2, e2;
        std::set<NameCode> pairs;
    };
    const std::vector<Case> cases{
        {0, 0, 0, 0, {MakeNameCode(0, 100)}},
        // i ≤ 2, j ≤ 1 without (0, 0)
        {1, 2, 1, 1, {MakeNameCode(0, 101), MakeNameCode(1, 100), MakeNameCode(1, 101), MakeNameCode(2, 100), MakeNameCode(2, 101)}},
        // A widened previous band: the first range runs backwards and only region B is left.
        {3,
         1,
         0,
         1,
         {MakeNameCode(0, 100), MakeNameCode(0, 101), MakeNameCode(1, 100), MakeNameCode(1, 101), MakeNameCode(2, 100), MakeNameCode(2, 101)}},
    };
    for (const Case& c : cases) {
        raw_.Codes.clear();
        Collect(Characters(0, 5), Characters(100, 5), c.s1, c.e1, c.s2, c.e2, 100);
        EXPECT_EQ(buffer_.Count, static_cast<std::int32_t>(c.pairs.size()));
        EXPECT_EQ(raw_.Count(), buffer_.Count);
        EXPECT_EQ(Distinct(raw_.Codes.begin(), raw_.Codes.end()), c.pairs)
            << c.s1 << ".." << c.e1 << " x " << c.s2 << ".." << c.e2;
    }
}

TEST_F(CollectBandPairsTest, FillsTheBufferRegionByRegionFirstIndexOutermost) {
    // Reseeding to this value makes every swap of a shuffle over fewer than 32 codes exchange
    // position m − 1 with itself, so the names come out in the order the buffer was filled.
    random_ = RandomSource([] { return 0x4d60ae66u; });
    Collect(Characters(0, 4), Characters(100, 4), 1, 2, 1, 3, 100);
    const std::vector<NameCode> filled{
        MakeNameCode(1, 101), MakeNameCode(1, 102), MakeNameCode(1, 103), MakeNameCode(2, 101), MakeNameCode(2, 102), MakeNameCode(2, 103),  // A
        MakeNameCode(0, 101), MakeNameCode(0, 102), MakeNameCode(0, 103),                                            // B
        MakeNameCode(1, 100), MakeNameCode(2, 100),                                                          // C
    };
    EXPECT_EQ(raw_.Codes, filled);
}

TEST_F(CollectBandPairsTest, TakesTheShuffledFrontUnlessTheBufferHoldsThreeTimesTheQuota) {
    struct Case {
        int firstCount, secondCount;
        std::int32_t quota;
        bool random;
    };
    for (const Case c :
         {Case{25, 20, 400, false}, Case{40, 30, 400, false}, Case{1201, 1, 400, true},
          Case{50, 26, 400, true}, Case{5, 1, 400, false}}) {
        raw_.Codes.clear();
        Collect(Characters(0, c.firstCount), Characters(0, c.secondCount), 0, c.firstCount - 1, 0,
                c.secondCount - 1, c.quota);
        const std::int32_t pairs = c.firstCount * c.secondCount;
        SCOPED_TRACE(pairs);
        ASSERT_EQ(buffer_.Count, pairs);
        ASSERT_EQ(raw_.Count(), std::min(c.quota, pairs));
        const std::set<NameCode> taken = Distinct(raw_.Codes.begin(), raw_.Codes.end());
        if (c.random) {
            const std::set<NameCode> buffered(buffer_.Codes.begin(), buffer_.Codes.begin() + pairs);
            EXPECT_LT(taken.size(), raw_.Codes.size());  // draws with repeats
            EXPECT_TRUE(
                std::includes(buffered.begin(), buffered.end(), taken.begin(), taken.end()));
        } else {
            EXPECT_TRUE(std::equal(raw_.Codes.begin(), raw_.Codes.end(), buffer_.Codes.begin()));
            EXPECT_EQ(taken.size(), raw_.Codes.size());
        }
    }
}

TEST_F(CollectBandPairsTest, KeepsAtMostTheBuffersCapacity) {
    Collect(Characters(0, 600), Characters(0, 600), 0, 599, 0, 599, 400);
    EXPECT_EQ(buffer_.Count, CombinationBuffer::Capacity);
    EXPECT_EQ(raw_.Count(), 400);
}

// The search over pools whose rank tables rank the characters in table order.
class AdvancedDoubleSearchTest : public ::testing::Test {
  protected:
    void Search(const FilterConditions& conditions) {
        const FilterSnapshot snapshot(conditions);
        RandomSource random = FixedRandom();
        AdvancedDoubleSearch(random, pools_.Set(), snapshot, buffer_, raw_);
    }

    // Both ranks of every name in [from, to) of the raw list lie within ranks 0 … high, and one
    // of them at least at low.
    void ExpectBand(int from, int to, int low, int high) {
        for (int t = from; t < to; ++t) {
            const CharIndex first = FirstGivenChar(raw_.Codes[t]);
            const CharIndex second = SecondGivenChar(raw_.Codes[t]);
            EXPECT_LE(std::max(first, second), high) << t;
            EXPECT_GE(std::max(first, second), low) << t;
        }
    }

    PoolFixture pools_;
    CombinationBuffer buffer_;
    RawCandidateList raw_;
};

TEST_F(AdvancedDoubleSearchTest, OpenConditionsFillEveryQuotaFromWideningBands) {
    Search(FilterConditions{});
    ASSERT_EQ(raw_.Count(), 900);
    ExpectBand(0, 400, 0, 100);
    ExpectBand(400, 700, 100, 200);
    ExpectBand(700, 850, 200, 300);
    ExpectBand(850, 900, 300, 400);
}

TEST_F(AdvancedDoubleSearchTest, FixedFirstCharacterBeginsEveryName) {
    const CharIndex li = FindCharIndex("李");
    ASSERT_NE(li, CharCount);
    Search(FixedChars(li, CharCount));
    // Bands of 101, 201, 301 and 401 pairs: the first two are taken whole, the third up to
    // its quota, the last by 50 random draws.
    ASSERT_EQ(raw_.Count(), 101 + 201 + 150 + 50);
    for (const NameCode code : raw_.Codes) {
        EXPECT_EQ(FirstGivenChar(code), li);
    }
    std::set<NameCode> bandZero;
    for (CharIndex second = 0; second <= 100; ++second) {
        bandZero.insert(MakeNameCode(li, second));
    }
    EXPECT_EQ(Distinct(raw_.Codes.begin(), raw_.Codes.begin() + 101), bandZero);
    for (int t = 101; t < raw_.Count(); ++t) {
        EXPECT_LE(SecondGivenChar(raw_.Codes[t]), 400);
    }
}

TEST_F(AdvancedDoubleSearchTest, BothCharactersFixedGiveThatPairOncePerBand) {
    const CharIndex li = FindCharIndex("李");
    const CharIndex ming = FindCharIndex("明");
    Search(FixedChars(li, ming));
    EXPECT_EQ(raw_.Codes, std::vector<NameCode>(4, MakeNameCode(li, ming)));

    // Unless the name as a whole fails: 李明 has more than one stroke.
    FilterConditions strokeSum = FixedChars(li, ming);
    strokeSum.Row(ConditionPlace::WholeName).Strokes.On = true;
    raw_.Codes.clear();
    Search(strokeSum);
    EXPECT_TRUE(raw_.Codes.empty());
}

TEST_F(AdvancedDoubleSearchTest, FixedTextOutsideTheTableMakesNoName) {
    const std::string outside = "\xE2\x98\x83";  // ☃, in no row of the table
    FilterConditions firstOutside = FixedChars(FindCharIndex("李"), FindCharIndex("明"));
    firstOutside.Row(ConditionPlace::FirstChar).Glyph.Value = outside;
    FilterConditions secondOutside = FixedChars(FindCharIndex("李"), CharCount);
    secondOutside.Row(ConditionPlace::SecondChar).Glyph = {true, outside};
    for (const FilterConditions& conditions : {firstOutside, secondOutside}) {
        raw_.Codes.clear();
        Search(conditions);
        EXPECT_TRUE(raw_.Codes.empty()) << conditions.Row(ConditionPlace::FirstChar).Glyph.Value
                                        << conditions.Row(ConditionPlace::SecondChar).Glyph.Value;
    }
}

TEST_F(AdvancedDoubleSearchTest, NothingWhenEveryFirstOrEverySecondCharacterFails) {
    for (const int row : {1, 2}) {
        raw_.Codes.clear();
        Search(KangxiStrokesExactly(99, row));
        EXPECT_TRUE(raw_.Codes.empty()) << "row " << row;
    }
}

TEST_F(AdvancedDoubleSearchTest, OneFirstCharacterUpToTheFirstBoundWidensToTheWholeList) {
    std::vector<CharIndex> meeting = CharactersWithKangxiStrokes(20);
    ASSERT_GE(meeting.size(), 12u);  // enough for band 0 to hold more than 1200 pairs
    // One of them at rank 50, the others after every band bound.
    std::vector<CharIndex> order;
    for (CharIndex c = 0; c < CharCount; ++c) {
        if (std::find(meeting.begin(), meeting.end(), c) == meeting.end()) {
            order.push_back(c);
        }
    }
    order.insert(order.begin() + 50, meeting.front());
    order.insert(order.end(), meeting.begin() + 1, meeting.end());
    for (int r = 0; r < CharCount; ++r) {
        pools_.Position1[r].CharIndex = order[r];
    }

    Search(KangxiStrokesExactly(20, 1));
    ASSERT_GE(raw_.Count(), 400);
    std::set<CharIndex> bandZeroFirsts;
    for (int t = 0; t < 400; ++t) {
        bandZeroFirsts.insert(FirstGivenChar(raw_.Codes[t]));
    }
    EXPECT_GT(bandZeroFirsts.size(), 1u);
    for (const CharIndex c : bandZeroFirsts) {
        EXPECT_NE(std::find(meeting.begin(), meeting.end(), c), meeting.end());
    }
}

}  // namespace
}  // namespace morvenda
