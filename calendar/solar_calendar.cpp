// Julian and Gregorian calendar rules and the continuous day count the lunar series runs on.

#include <cstdint>

#include "base/arith.h"
#include "calendar/lunar.h"

namespace morvenda {

namespace {

// Day number of 1582-10-15, the first Gregorian day; the day before is 1582-10-04.
constexpr int FirstGregorianDayNumber = 577736;

// Day of the year of a date whose month and day are already known to be 1 … 12 and 1 … 31.
int CheckedDayOfYear(int year, int month, int day) {
    int result = day;
    for (int m = 1; m < month; ++m) {
        result += DaysInMonth(year, m);
    }
    return result;
}

// Day number of a supported date.
int CheckedDayNumber(int year, int month, int day) {
    const std::int64_t n = CheckedDayOfYear(year, month, day);
    const std::int64_t p = year - 1;
    if (CalendarKindOf(year, month, day) == CalendarKind::Julian) {
        return static_cast<int>(n + 365 * p + Div(p, 4) - 2);
    }
    return static_cast<int>(n + 365 * p + Div(p, 4) - Div(p, 100) + Div(p, 400));
}

}  // namespace

bool IsSupportedDate(int year, int month, int day) {
    return year >= FirstSupportedYear && year <= LastSupportedYear && month >= 1 && month <= 12 &&
           day >= 1 && day <= 31 && CalendarKindOf(year, month, day) != CalendarKind::Gap;
}

CalendarKind CalendarKindOf(int year, int month, int day) {
    if (year < 1582 || (year == 1582 && (month < 10 || (month == 10 && day <= 4)))) {
        return CalendarKind::Julian;
    }
    if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
        return CalendarKind::Gap;
    }
    return CalendarKind::Gregorian;
}

bool IsCalendarLeapYear(int year) {
    const std::int64_t y = year;
    if (CalendarKindOf(year, 1, 1) == CalendarKind::Gregorian) {
        return Mod(y, 4) == 0 && (Mod(y, 100) != 0 || Mod(y, 400) == 0);
    }
    // Before the year 0 the count is shifted so that -1, -5, -9 … are the leap years.
    return y >= 0 ? Mod(y, 4) == 0 : Mod(y - 3, 4) == 0;
}

int DaysInMonth(int year, int month) {
    switch (month) {
        case 2:
            return IsCalendarLeapYear(year) ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12:
            return 31;
        default:
            return 0;
    }
}

std::optional<int> DayOfYear(int year, int month, int day) {
    if (!IsSupportedDate(year, month, day)) {
        return std::nullopt;
    }
    return CheckedDayOfYear(year, month, day);
}

std::optional<int> DayNumber(int year, int month, int day) {
    if (!IsSupportedDate(year, month, day)) {
        return std::nullopt;
    }
    return CheckedDayNumber(year, month, day);
}

bool DayNumberToDate(int dayNumber, int& year, int& month, int& day) {
    if (dayNumber < 0 || dayNumber > LastSupportedDayNumber) {
        return false;
    }
    // Estimate the year, then settle it against the day number of 1 January so that both
    // calendars and the reform are inverted exactly (day 0 is 0001-01-02, Julian).
    int y = 1 + static_cast<int>(dayNumber / 365.2425);
    while (y > 1 && CheckedDayNumber(y, 1, 1) > dayNumber) {
        --y;
    }
    while (y < LastSupportedYear && CheckedDayNumber(y + 1, 1, 1) <= dayNumber) {
        ++y;
    }
    int rest = dayNumber >= FirstGregorianDayNumber && y == 1582
                   ? dayNumber - FirstGregorianDayNumber + CheckedDayOfYear(1582, 10, 15)
                   : dayNumber - CheckedDayNumber(y, 1, 1) + 1;
    for (int m = 1; m <= 12; ++m) {
        const int length = DaysInMonth(y, m);
        if (rest <= length) {
            year = y;
            month = m;
            day = rest;
            return true;
        }
        rest -= length;
    }
    return false;
}

int CompareSolarDates(const SolarDate& a, const SolarDate& b) {
    if (a.Year != b.Year) {
        return a.Year > b.Year ? 1 : -1;
    }
    if (a.Month != b.Month) {
        return a.Month > b.Month ? 1 : -1;
    }
    if (a.Day != b.Day) {
        return a.Day > b.Day ? 1 : -1;
    }
    return 0;
}

}  // namespace morvenda
