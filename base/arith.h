#pragma once
// The integer and rounding rules every table and algorithm of the program is stated in.
// C++ already truncates `/` toward zero and gives `%` the sign of the dividend; naming the
// operations keeps that assumption visible where negative operands occur (years before 1 AD,
// negative day numbers).

#include <cmath>
#include <cstdint>

namespace morvenda {

// Quotient truncated toward zero: Div(-7, 2) == -3.
constexpr std::int64_t Div(std::int64_t a, std::int64_t b) { return a / b; }

// Remainder with the sign of the dividend: Mod(-7, 2) == -1.
constexpr std::int64_t Mod(std::int64_t a, std::int64_t b) { return a % b; }

// Nearest integer, ties to the even neighbour: Round(2.5) == 2, Round(3.5) == 4,
// Round(-2.5) == -2. Independent of the floating-point environment's rounding mode.
inline std::int64_t Round(double x) {
    const double floor = std::floor(x);
    const double diff = x - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) {
        ++result;
    }
    return result;
}

}  // namespace morvenda
