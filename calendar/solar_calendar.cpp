// Julian and Gregorian calendar rules and the continuous day count the lunar series runs on.

#include "base/arith.h"
#include "calendar/lunar.h"

namespace morvenda {

namespace {

// Day number of 1582-10-15, the first Gregorian day; the day before is 1582-10-04.
constexpr int FirstGregorianDayNumber = 577736;

}  // namespace

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
    if (CalendarKindOf(year, 1, 1) == CalendarKind::Gregorian) {
        return Mod(year, 4) == 0 && (Mod(year, 100) != 0 || Mod(year, 400) == 0);
    }
    // Before the year 0 the count is shifted so that -1, -5, -9 … are the leap years.
    return year >= 0 ? Mod(year, 4) == 0 : Mod(year - 3, 4) == 0;
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

int DayOfYear(int year, int month, int day) {
    int result = day;
    for (int m = 1; m < month; ++m) {
        result += DaysInMonth(year, m);
    }
    return result;
}

int DayNumber(int year, int month, int day) {
    const int n = DayOfYear(year, month, day);
    const int p = year - 1;
    switch (CalendarKindOf(year, month, day)) {
        case CalendarKind::Julian:
            return static_cast<int>(n + 365 * p + Div(p, 4) - 2);
        case CalendarKind::Gregorian:
            return static_cast<int>(n + 365 * p + Div(p, 4) - Div(p, 100) + Div(p, 400));
        case CalendarKind::Gap:
            break;
    }
    return 0;
}

bool DayNumberToDate(int dayNumber, int& year, int& month, int& day) {
    if (dayNumber < 0) {
        return false;
    }
    // Estimate the year, then settle it against DayNumber itself so that both calendars and
    // the reform are inverted exactly (day 0 is 0001-01-02, Julian).
    int y = 1 + static_cast<int>(dayNumber / 365.2425);
    while (y > 1 && DayNumber(y, 1, 1) > dayNumber) {
        --y;
    }
    while (DayNumber(y + 1, 1, 1) <= dayNumber) {
        ++y;
    }
    int rest = dayNumber >= FirstGregorianDayNumber && y == 1582
                   ? dayNumber - FirstGregorianDayNumber + DayOfYear(1582, 10, 15)
                   : dayNumber - DayNumber(y, 1, 1) + 1;
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
