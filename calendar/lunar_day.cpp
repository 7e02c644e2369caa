// The day within the lunar month, from an approximate series for the moments of new and full
// moon in UTC+8, plus the few months where the series misses the official first day.

#include <array>
#include <cmath>
#include <numbers>

#include "calendar/lunar.h"

namespace morvenda {

namespace {

constexpr double RadiansPerDegree = 1.0 / 57.29577951308232;
constexpr double SynodicMonth = 29.530588;
// The series is evaluated at the lunation offsets -1, -0.5 … 13 from its first new moon.
constexpr double FirstOffset = -1.0;
constexpr double LastOffset = 13.0;

// Days where the series' new moon falls one day off the official calendar: each day from First
// to Last (month * 100 + day) moves by Shift, wrapping within 1 … 30.
struct MonthCorrection {
    int Year;
    int First;
    int Last;
    int Shift;
};

constexpr std::array<MonthCorrection, 5> MonthCorrections = {{
    {1914, 1117, 1216, +1},  // 十月 begins on 17 November, not 18 November
    {1916, 203, 303, +1},    // 正月 begins on 3 February, not 4 February
    {1920, 1110, 1209, +1},  // 十月 begins on 10 November, not 11 November
    {1924, 305, 403, +1},    // 二月 begins on 5 March, not 6 March
    {2018, 1107, 1206, -1},  // 十月 begins on 8 November, not 7 November, and has 29 days
}};

int CorrectedDay(int year, int month, int day, int lunarDay) {
    const int key = month * 100 + day;
    for (const MonthCorrection& c : MonthCorrections) {
        if (year == c.Year && key >= c.First && key <= c.Last) {
            const int shifted = lunarDay + c.Shift;
            return shifted > 30 ? shifted - 30 : shifted < 1 ? shifted + 30 : shifted;
        }
    }
    return lunarDay;
}

// The series' terms that depend only on the year.
struct Series {
    double T;
    double M0;
    double E1;
    double Base;
    double Ms;
    double Mm;
    double Fm;

    explicit Series(int year) {
        T = (year - 1899.5) / 100;
        const double k = std::floor((year - 1900) * 12.3685);
        const double f = MeanArgument(k, T, 0, 0.75933, 0.0002172, 0.000000155);
        M0 = f + 0.53058868 * k - 0.000837 * T + 8.0 / 24 + 0.5;
        E1 = 0.1734 - 0.000393 * T;
        Base = 29 * k + 693595;
        Ms = MeanArgument(k, T, 0.08084821133, 359.2242 * RadiansPerDegree,
                          0.0000333 * RadiansPerDegree, 0.00000347 * RadiansPerDegree);
        Mm = MeanArgument(k, T, 0.07171366128, 306.0253 * RadiansPerDegree,
                          -0.0107306 * RadiansPerDegree, -0.00001236 * RadiansPerDegree);
        Fm = MeanArgument(k, T, 0.08519585128, 21.2964 * RadiansPerDegree,
                          0.0016528 * RadiansPerDegree, 0.00000239 * RadiansPerDegree);
    }

    // Moment of the phase at lunation offset v (new moon for whole v, full moon for halves),
    // as a real day number whose floor is the day it falls on.
    double Moment(double v) const {
        const double a = Ms + 0.507984293 * v;
        const double c = Mm + 6.73377553 * v;
        const double g = Fm + 6.818486628 * v;
        double s = E1 * std::sin(a) + (1.53058868 * v + M0);
        s -= 0.4068 * std::sin(c);
        s += 0.0021 * std::sin(2 * a);
        s += 0.0161 * std::sin(2 * c);
        s += 0.0104 * std::sin(2 * g);
        s -= 0.0074 * std::sin(a - c);
        s -= 0.0051 * std::sin(a + c);
        return 28 * v + Base + s;
    }
};

}  // namespace

double FracPart(double x) {
    return x > 0 ? x - std::trunc(x) : x + std::trunc(x);
}

double RealMod(double x, double n) {
    return n * FracPart(x / n);
}

double MeanArgument(double k, double t, double rate, double base, double c2, double c3) {
    return 2 * std::numbers::pi * FracPart(k * rate) + base - c2 * t * t - c3 * t * t * t;
}

LunarDayInfo LunarDayOf(int year, int month, int day) {
    const std::optional<int> dayNumber = DayNumber(year, month, day);
    if (!dayNumber) {
        return {};
    }
    const int date = *dayNumber;
    const Series series(year);

    // The last new moon on or before the date, found from an estimate instead of evaluating
    // every offset: the moments grow by about a synodic month per offset.
    double v = std::floor((date - series.Base - series.M0) / SynodicMonth);
    v = std::fmax(FirstOffset, std::fmin(LastOffset, v));
    while (v < LastOffset && std::floor(series.Moment(v + 1)) <= date) {
        v += 1;
    }
    while (v >= FirstOffset && std::floor(series.Moment(v)) > date) {
        v -= 1;
    }

    LunarDayInfo info;
    double newFraction = 0;
    double fullFraction = 0;
    int fullDay = 0;
    if (v >= FirstOffset) {
        const double newMoon = series.Moment(v);
        const int diff = date - static_cast<int>(std::floor(newMoon));
        if (diff <= 29) {
            info.Day = diff + 1;
            newFraction = FracPart(newMoon);
            if (v + 0.5 <= LastOffset) {
                const double fullMoon = series.Moment(v + 0.5);
                fullFraction = FracPart(fullMoon);
                fullDay = static_cast<int>(std::floor(fullMoon)) - (date - info.Day + 1) + 1;
            }
        }
    }
    info.Day = CorrectedDay(year, month, day, info.Day);

    if (info.Day == 1) {
        info.Phase = PhaseKind::NewMoon;
        info.Fraction = newFraction;
    } else if (info.Day == fullDay) {
        info.Phase = PhaseKind::FullMoon;
        info.Fraction = fullFraction;
    }
    return info;
}

}  // namespace morvenda
