#pragma once
// What the calendar pages show of solar days beside the calendar core's lunar dates: the years
// the pages cover, the day of the week and the days on which a year's solar terms fall.

#include <array>
#include <string_view>

#include "calendar/lunar.h"

namespace morvenda {

// The pages cover the years of the present calendar up to the end of the core's range. The core
// reaches back much further, but into the Julian calendar and the ten days the reform dropped,
// which a plain month grid cannot show.
inline constexpr int FirstCalendarPageYear = 1901;
inline constexpr int LastCalendarPageYear = LastSupportedYear;
static_assert(FirstCalendarPageYear >= FirstSupportedYear);

bool IsCalendarPageYear(int year);

// 0 Monday … 6 Sunday; a date of the pages' years.
int WeekdayOf(const SolarDate& date);
// "一" … "六", "日" for 0 … 6, as "星期" and the grid's heads complete it.
std::string_view WeekdayName(int weekday);

bool IsSameDay(const SolarDate& a, const SolarDate& b);

struct SolarTermDate {
    int Term = 0;  // 1 小寒 … 24 冬至, numbered as SolarTermDay numbers them
    SolarDate Date;
};

// The 24 terms of a year of the pages' range, in the order they fall.
std::array<SolarTermDate, 24> SolarTermDatesOf(int year);

}  // namespace morvenda
