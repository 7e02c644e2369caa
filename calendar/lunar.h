#pragma once
// Conversion between the solar calendar (Julian up to 1582-10-04, Gregorian from 1582-10-15)
// and the Chinese lunisolar calendar over the solar years -849 … 2100. The day within a lunar
// month comes from an astronomical series for the moments of new moon (UTC+8); the month
// number from a count of synodic months, corrected by compiled-in tables of leap months.
// Every function is pure; failures are reported by the return value and leave outputs alone.

#include <optional>

namespace morvenda {

// Which solar calendar governs a date. The ten days 1582-10-05 … 1582-10-14 belong to neither.
enum class CalendarKind { Gap = 0, Julian = 1, Gregorian = 2 };

struct SolarDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

struct LunarDate {
    int Year = 0;         // solar year in which the lunar year's first day (正月初一) falls
    int Month = 0;        // 1 … 12; a leap month carries the number of the month it repeats
    int Day = 0;          // 1 … 30
    bool IsLeap = false;  // the leap month (闰月) follows the regular month of its number
};

// What the moon does on a day: new moon on the first day of a lunar month, full moon on the
// day the series puts it.
enum class PhaseKind { None = 0, NewMoon = 1, FullMoon = 2 };

struct LunarDayInfo {
    int Day = -1;  // day of the lunar month, -1 when the series finds no new moon before the date
    PhaseKind Phase = PhaseKind::None;
    double Fraction = -1.0;  // time of day of the phase, -1 when there is none
};

inline constexpr int FirstSupportedYear = -849;
inline constexpr int LastSupportedYear = 2100;

// The dates every function of a date accepts: a year FirstSupportedYear … LastSupportedYear, a
// month 1 … 12 and a day 1 … 31, except the ten days 1582-10-05 … 1582-10-14 that neither
// calendar has. A day past the end of its month stands for the day it adds up to: 2009-02-31 is
// 2009-03-03. The functions fail (or give nothing) for any other date and then leave their
// outputs alone.
bool IsSupportedDate(int year, int month, int day);

// Any year and date.
CalendarKind CalendarKindOf(int year, int month, int day);
bool IsCalendarLeapYear(int year);
// Any year; 0 for a month outside 1 … 12.
int DaysInMonth(int year, int month);
// 1-based day of the year of a supported date.
std::optional<int> DayOfYear(int year, int month, int day);
// Continuous day count across the reform: 1582-10-04 is 577735, 1582-10-15 is 577736,
// 2000-01-01 is 730120, and the years before 1 run negative.
std::optional<int> DayNumber(int year, int month, int day);
inline constexpr int LastSupportedDayNumber = 767009;  // 2100-12-31
// Inverse of DayNumber for the day numbers 0 … LastSupportedDayNumber; fails for all others.
bool DayNumberToDate(int dayNumber, int& year, int& month, int& day);
// 1 when a is later, 0 when equal, -1 when earlier.
int CompareSolarDates(const SolarDate& a, const SolarDate& b);

// The series' own fractional part: for x <= 0 it is x + Trunc(x), not x - Trunc(x).
double FracPart(double x);
double RealMod(double x, double n);
// Mean anomaly-like argument of the series, in radians.
double MeanArgument(double k, double t, double rate, double base, double c2, double c3);

// Day -1 for a date that is not supported.
LunarDayInfo LunarDayOf(int year, int month, int day);

// Leap month of a lunar year, 0 when it has none, -1 outside -849 … 2100.
int LeapMonthOf(int year);
int LeapMonthOrZero(int year);
// Running count of leap months that the month numbering subtracts, anchored at 1010 for 1899;
// the year 0 repeats the entry of -1, and years outside -849 … 2100 give -1.
int LeapCountOf(int year);

// Lunar month number of a supported solar date, negative for a leap month; 0 for any other.
int LunarMonthOf(int year, int month, int day);
// Fail for a date that is not supported.
bool SolarToLunarMonthDay(int year, int month, int day, int& lunarMonth, int& lunarDay,
                          bool& isLeap);
bool SolarToLunar(int year, int month, int day, LunarDate& out);
// Orders by year, month, then leap after regular, then day.
int CompareLunarDates(const LunarDate& a, const LunarDate& b);
// Fails for a lunar year outside -849 … 2100, a month outside 1 … 12, a day outside 1 … 30, and
// for dates the year does not have or whose solar day lies outside the supported dates.
bool LunarToSolar(const LunarDate& in, int& year, int& month, int& day);

}  // namespace morvenda
