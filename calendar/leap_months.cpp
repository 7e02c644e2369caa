// The leap months of the lunar years -849 … 2100 and their running count, which the month
// number of a date is corrected by.

#include <array>
#include <string_view>

#include "calendar/lunar.h"

namespace morvenda {

namespace {

#include "calendar/leap_month_digits.inc"

constexpr int YearCount = LastSupportedYear - FirstSupportedYear + 1;
static_assert(LeapMonthDigits.size() == YearCount);

// The count is anchored at 1899, so the modern entries hold whatever the older digits are.
constexpr int AnchorYear = 1899;
constexpr int AnchorCount = 1010;

constexpr int DigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'c') {
        return digit - 'a' + 10;
    }
    return -1;
}

constexpr int IndexOf(int year) {
    return year - FirstSupportedYear;
}

constexpr bool HasLeapMonth(int year) {
    return DigitValue(LeapMonthDigits[IndexOf(year)]) > 0;
}

// Entry of year y: the leap months of the years up to y. The year 0 has no lunar year of its
// own and repeats the entry of -1.
constexpr std::array<int, YearCount> BuildLeapCounts() {
    std::array<int, YearCount> counts{};
    counts[IndexOf(AnchorYear)] = AnchorCount;
    for (int year = AnchorYear + 1; year <= LastSupportedYear; ++year) {
        counts[IndexOf(year)] = counts[IndexOf(year - 1)] + (HasLeapMonth(year) ? 1 : 0);
    }
    for (int year = AnchorYear - 1; year >= FirstSupportedYear; --year) {
        if (year == 0) {
            continue;
        }
        const int next = year == -1 ? 1 : year + 1;
        counts[IndexOf(year)] = counts[IndexOf(next)] - (HasLeapMonth(next) ? 1 : 0);
    }
    counts[IndexOf(0)] = counts[IndexOf(-1)];
    return counts;
}

constexpr std::array<int, YearCount> LeapCountTable = BuildLeapCounts();

constexpr bool InRange(int year) {
    return year >= FirstSupportedYear && year <= LastSupportedYear;
}

}  // namespace

int LeapMonthOf(int year) {
    return InRange(year) ? DigitValue(LeapMonthDigits[IndexOf(year)]) : -1;
}

int LeapMonthOrZero(int year) {
    return LeapMonthOf(year) > 0 ? LeapMonthOf(year) : 0;
}

int LeapCountOf(int year) {
    return InRange(year) ? LeapCountTable[IndexOf(year)] : -1;
}

}  // namespace morvenda
