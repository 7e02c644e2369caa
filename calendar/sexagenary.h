#pragma once
// The sixty-cycle of heavenly stems and earthly branches (干支), the solar terms that begin
// the solar months, and the four pillars (八字) of a birth moment.

#include <optional>

namespace morvenda {

// 0 … 59, -1 for none. Stem = index mod 10 (0 甲 … 9 癸), branch = index mod 12 (0 子 … 11 亥).
using SexagenaryIndex = int;

struct FourPillars {
    SexagenaryIndex Year = -1;
    SexagenaryIndex Month = -1;
    SexagenaryIndex Day = -1;
    SexagenaryIndex Hour = -1;
};

// The pillar year changes at 立春; the solar month i (1 … 12) begins at term 2i + 1.
struct SolarMonth {
    int PillarYear = 0;
    int Month = 0;
};

// -1 when stem and branch are out of range or of different parity.
SexagenaryIndex MakeSexagenary(int stem, int branch);
// Fails, setting both to -1, for an index outside 0 … 59.
bool SplitSexagenary(SexagenaryIndex index, int& stem, int& branch);

// The place of any year number in the cycle. Which year a moment belongs to is the caller's
// choice: the four pillars count from 立春 (SolarMonthOf), the lunar date from 正月初一.
SexagenaryIndex YearSexagenary(int year);
// The branch of any year number, which names its zodiac animal.
int YearBranch(int year);

// The functions below take the supported dates of lunar.h (years -849 … 2100, months 1 … 12,
// days 1 … 31 adding up past the month's end, not the gap of October 1582) and hours 0 … 23,
// and give nothing (or -1) for any other.

std::optional<int> PillarDayCount(int year, int month, int day);
SexagenaryIndex DaySexagenary(int year, int month, int day);

// Moment of solar term n (0 = the previous winter solstice … 24 = this year's, 25 the next
// 小寒) in days from the start of 31 December of the year before, UTC+8; its floor is the
// 1-based day of the year. Nothing for a year outside -849 … 2100 or a term outside 0 … 25.
std::optional<double> SolarTermDay(int year, int term);
// The solar month of a birth in the given hour (UTC+8): the middle of the hour is set against
// the moment of the term, so a birth in the morning of a day whose term comes in the evening
// still belongs to the month before.
std::optional<SolarMonth> SolarMonthOf(int year, int month, int day, int hour);

SexagenaryIndex MonthSexagenary(int year, int month, int day, int hour);
// Hour 23 takes the next day's stem.
SexagenaryIndex HourSexagenary(int year, int month, int day, int hour);

// The year and month pillars turn at the moments of 立春 and of the other 节. A birth at hour 23
// takes all four pillars from the following day at hour 0; that step rejects a date that does
// not exist (31 February) and the last supported day, and the result is then empty.
std::optional<FourPillars> ComputeFourPillars(int year, int month, int day, int hour);

}  // namespace morvenda
