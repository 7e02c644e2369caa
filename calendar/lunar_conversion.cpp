// Solar date <-> lunar date. The month number is the count of synodic months since the lunar
// epoch, less the leap months passed, with the reforms that moved the start of the year.

#include <cmath>
#include <cstdlib>

#include "base/arith.h"
#include "calendar/lunar.h"

namespace morvenda {

namespace {

// DayNumber(-849, 1, 21): the first day of the month the count starts from.
constexpr int LunarEpochDay = -310443;
constexpr double SynodicMonth = 29.530588;
constexpr int MaxProbes = 100;

// Months by which an era's numbering runs ahead of the count: the reigns of 9 … 23 and
// 238 … 240 began the year a month earlier, and the years before -254 follow the older
// calendars the count was laid out for.
struct Era {
    int First;
    int Last;
    int Shift;
};

constexpr Era Eras[] = {
    {FirstSupportedYear, -722, 4}, {-721, -256, 3}, {-255, -255, 1}, {9, 23, 1}, {238, 240, 1},
};

int EraShift(int year) {
    for (const Era& era : Eras) {
        if (year >= era.First && year <= era.Last) {
            return era.Shift;
        }
    }
    return 0;
}

bool InSupportedRange(int year) {
    return year >= FirstSupportedYear && year <= LastSupportedYear;
}

// Month number of a supported date whose day number and lunar day are already known; negative
// for a leap month.
int MonthOfLunarDay(int year, int month, int day, int dayNumber, int lunarDay) {
    // The lunar day itself locates the month's start. (The series' phase fraction would do
    // only for positive day numbers: it keeps its sign before the year 1.)
    const int e = lunarDay;
    auto g = Round((dayNumber - LunarEpochDay - e) / SynodicMonth) - LeapCountOf(year);
    g += EraShift(year) - 3;

    auto v = Round(RealMod(static_cast<double>(g), 12) + 1);
    // The leap month of the year before, begun before 1 January.
    if (LeapMonthOf(year - 1) == v && month == 1 && day < e) {
        return static_cast<int>(-v);
    }
    const int w = LeapMonthOf(year);
    if (w == v) {
        if (month >= 3) {
            return static_cast<int>(-v);
        }
        return static_cast<int>(w == 12 ? -v : v + 1);
    }
    if (w > v || (month < v && w > 0)) {
        ++v;
    }
    return static_cast<int>(Round(RealMod(static_cast<double>(v - 1), 12) + 1));
}

// The lunar month (negative when leap) and day of a solar date; empty for a date that is not
// supported or one before the series' first new moon.
struct MonthAndDay {
    int Month;
    int Day;
};

std::optional<MonthAndDay> LunarMonthAndDay(int year, int month, int day) {
    const std::optional<int> dayNumber = DayNumber(year, month, day);
    if (!dayNumber) {
        return std::nullopt;
    }
    const int lunarDay = LunarDayOf(year, month, day).Day;
    if (lunarDay < 1) {
        return std::nullopt;
    }
    return MonthAndDay{MonthOfLunarDay(year, month, day, *dayNumber, lunarDay), lunarDay};
}

}  // namespace

int LunarMonthOf(int year, int month, int day) {
    const std::optional<MonthAndDay> lunar = LunarMonthAndDay(year, month, day);
    return lunar ? lunar->Month : 0;
}

bool SolarToLunarMonthDay(int year, int month, int day, int& lunarMonth, int& lunarDay,
                          bool& isLeap) {
    const std::optional<MonthAndDay> lunar = LunarMonthAndDay(year, month, day);
    if (!lunar) {
        return false;
    }
    lunarMonth = std::abs(lunar->Month);
    lunarDay = lunar->Day;
    isLeap = lunar->Month < 0;
    return true;
}

bool SolarToLunar(int year, int month, int day, LunarDate& out) {
    LunarDate result;
    if (!SolarToLunarMonthDay(year, month, day, result.Month, result.Day, result.IsLeap)) {
        return false;
    }
    result.Year = year;
    SolarDate newYear;
    if (LunarToSolar(LunarDate{year, 1, 1, false}, newYear.Year, newYear.Month, newYear.Day) &&
        CompareSolarDates(SolarDate{year, month, day}, newYear) < 0) {
        result.Year = year - 1;
    }
    out = result;
    return true;
}

int CompareLunarDates(const LunarDate& a, const LunarDate& b) {
    if (a.Year != b.Year) {
        return a.Year > b.Year ? 1 : -1;
    }
    if (a.Month != b.Month) {
        return a.Month > b.Month ? 1 : -1;
    }
    if (a.IsLeap != b.IsLeap) {
        return a.IsLeap ? 1 : -1;
    }
    if (a.Day != b.Day) {
        return a.Day > b.Day ? 1 : -1;
    }
    return 0;
}

bool LunarToSolar(const LunarDate& in, int& year, int& month, int& day) {
    if (!InSupportedRange(in.Year) || in.Month < 1 || in.Month > 12 || in.Day < 1 || in.Day > 30 ||
        (in.IsLeap && LeapMonthOrZero(in.Year) != in.Month)) {
        return false;
    }
    // Bisection over the days from 1 January of the lunar year to the end of the next solar
    // year, or of the last supported one. The probe's lunar year is not converted again but
    // followed from the month numbers: moving forward, a smaller month means the next year;
    // moving back, a larger one the year before.
    enum class Direction { None, Forward, Backward };
    int lo = *DayNumber(in.Year, 1, 1);
    int hi = in.Year < LastSupportedYear ? *DayNumber(in.Year + 1, 12, 31) : LastSupportedDayNumber;
    bool nudge = false;
    Direction direction = Direction::None;
    int guessYear = in.Year;
    int lastMonth = 0;
    for (int probes = 1; hi > lo; ++probes) {
        if (probes > MaxProbes) {
            return false;
        }
        const int mid = static_cast<int>(Div(hi + lo, 2)) + (nudge ? 1 : 0);
        if (hi - lo == 1) {
            nudge = true;
        }
        int y = 0;
        int m = 0;
        int d = 0;
        LunarDate probe;
        if (!DayNumberToDate(mid, y, m, d) ||
            !SolarToLunarMonthDay(y, m, d, probe.Month, probe.Day, probe.IsLeap)) {
            return false;
        }
        if (direction == Direction::Forward && probe.Month < lastMonth) {
            ++guessYear;
        } else if (direction == Direction::Backward && probe.Month > lastMonth) {
            --guessYear;
        }
        probe.Year = guessYear;
        const int c = CompareLunarDates(probe, in);
        if (c == 0) {
            year = y;
            month = m;
            day = d;
            return true;
        }
        if (c < 0) {
            lo = mid;
            direction = Direction::Forward;
        } else {
            hi = mid;
            direction = Direction::Backward;
        }
        lastMonth = probe.Month;
    }
    return false;
}

}  // namespace morvenda
