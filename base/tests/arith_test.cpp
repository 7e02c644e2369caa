#include "base/arith.h"

#include <gtest/gtest.h>

namespace morvenda {
namespace {

TEST(Arith, DivisionTruncatesAndRemainderFollowsDividend) {
    struct Case { std::int64_t a, b, quotient, remainder; };
    for (const Case& c : {Case{7, 2, 3, 1}, Case{-7, 2, -3, -1}, Case{7, -2, -3, 1},
                          Case{-7, -2, 3, -1}, Case{0, 5, 0, 0}, Case{-60, 60, -1, 0}}) {
        EXPECT_EQ(Div(c.a, c.b), c.quotient) << c.a << "/" << c.b;
        EXPECT_EQ(Mod(c.a, c.b), c.remainder) << c.a << "%" << c.b;
    }
}

TEST(Arith, RoundTiesToEven) {
    struct Case { double x; std::int64_t rounded; };
    for (const Case& c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{3.5, 4}, Case{-0.5, 0},
                          Case{-1.5, -2}, Case{-2.5, -2}, Case{2.4999, 2}, Case{2.5001, 3},
                          Case{-2.6, -3}, Case{7.0, 7}}) {
        EXPECT_EQ(Round(c.x), c.rounded) << c.x;
    }
}

}  // namespace
}  // namespace morvenda
