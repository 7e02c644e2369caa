#include "online/calendar_days.h"

#include <cmath>

#include "calendar/sexagenary.h"

namespace morvenda {
namespace {

constexpr std::array<std::string_view, 7> WeekdayNames = {"一", "二", "三", "四", "五", "六", "日"};

// 2000-01-01, a Saturday.
constexpr int SaturdayDayNumber = 730120;

}  // namespace

bool IsCalendarPageYear(int year) {
    return year >= FirstCalendarPageYear && year <= LastCalendarPageYear;
}

int WeekdayOf(const SolarDate& date) {
    const int days = DayNumber(date.Year, date.Month, date.Day).value() - SaturdayDayNumber;
    return ((days + 5) % 7 + 7) % 7;
}

std::string_view WeekdayName(int weekday) {
    return weekday >= 0 && weekday < 7 ? WeekdayNames[weekday] : std::string_view();
}

bool IsSameDay(const SolarDate& a, const SolarDate& b) {
    return CompareSolarDates(a, b) == 0;
}

std::array<SolarTermDate, 24> SolarTermDatesOf(int year) {
    std::array<SolarTermDate, 24> terms;
    const int newYearsEve = DayNumber(year, 1, 1).value() - 1;
    for (int term = 1; term <= 24; ++term) {
        // The floor of the moment is the day of the year the term falls on.
        const int dayOfYear = static_cast<int>(std::floor(SolarTermDay(year, term).value()));
        SolarTermDate& entry = terms[term - 1];
        entry.Term = term;
        DayNumberToDate(newYearsEve + dayOfYear, entry.Date.Year, entry.Date.Month, entry.Date.Day);
    }
    return terms;
}

}  // namespace morvenda
