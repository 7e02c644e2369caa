// Positions in the sixty-cycle of the year, month, day and hour of a birth moment.

#include "calendar/sexagenary.h"

#include <cmath>
#include <cstdint>

#include "base/arith.h"
#include "calendar/lunar.h"

namespace morvenda {

namespace {

// Adds n when the remainder came out negative.
int NonNegativeMod(std::int64_t a, int n) {
    const auto r = static_cast<int>(Mod(a, n));
    return r < 0 ? r + n : r;
}

bool IsHourOfTheDay(int hour) {
    return hour >= 0 && hour <= 23;
}

// The day after a date, as an ordinary date type computes it: a date that does not exist
// (31 February, the skipped days of October 1582, years before 1) has no next day, nor has the
// last supported one.
std::optional<SolarDate> NextDay(int year, int month, int day) {
    const std::optional<int> dayNumber = DayNumber(year, month, day);
    SolarDate next;
    if (year < 1 || !dayNumber || day > DaysInMonth(year, month) ||
        !DayNumberToDate(*dayNumber + 1, next.Year, next.Month, next.Day)) {
        return std::nullopt;
    }
    return next;
}

SexagenaryIndex MonthPillar(const SolarMonth& solar) {
    // The first month's stem follows the year's stem: 甲己 丙寅, 乙庚 戊寅, 丙辛 庚寅, 丁壬 壬寅,
    // 戊癸 甲寅.
    const int yearStem = YearSexagenary(solar.PillarYear) % 10;
    const int firstStem = (2 * (yearStem % 5) + 2) % 10;
    const int stem = (firstStem + (solar.Month - 1)) % 10;
    const int branch = (solar.Month + 1) % 12;
    return MakeSexagenary(stem, branch);
}

}  // namespace

SexagenaryIndex MakeSexagenary(int stem, int branch) {
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11) {
        return -1;
    }
    for (int i = 0; i <= 6; ++i) {
        const int n = stem + 10 * i;
        if (n % 12 == branch) {
            return n;
        }
    }
    return -1;
}

bool SplitSexagenary(SexagenaryIndex index, int& stem, int& branch) {
    if (index < 0 || index > 59) {
        stem = -1;
        branch = -1;
        return false;
    }
    stem = index % 10;
    branch = index % 12;
    return true;
}

SexagenaryIndex YearSexagenary(int year) {
    const std::int64_t y = year;
    return NonNegativeMod(y > 0 ? y - 4 : y - 3, 60);
}

int YearBranch(int year) {
    const std::int64_t y = year;
    return NonNegativeMod(y > 0 ? y - 4 : y - 3, 12);
}

std::optional<int> PillarDayCount(int year, int month, int day) {
    const std::optional<int> dayOfYear = DayOfYear(year, month, day);
    if (!dayOfYear) {
        return std::nullopt;
    }
    const int n = *dayOfYear;
    const int a = year > 0 ? 365 * (year - 1) + n : 365 * year + n;
    if (year < 0) {
        return a - static_cast<int>(Div(3 - year, 4));
    }
    int c = 0;
    if (CalendarKindOf(year, month, day) == CalendarKind::Gregorian) {
        c = 10;
        if (year > 1700) {
            c += static_cast<int>(Div(year - 1701, 100) + 1 - Div(year - 1601, 400));
        }
    }
    return a + static_cast<int>(Div(year - 1, 4)) - c;
}

SexagenaryIndex DaySexagenary(int year, int month, int day) {
    const std::optional<int> count = PillarDayCount(year, month, day);
    return count ? NonNegativeMod(*count + 12, 60) : -1;
}

std::optional<double> SolarTermDay(int year, int term) {
    if (year < FirstSupportedYear || year > LastSupportedYear || term < 0 || term > 25) {
        return std::nullopt;
    }
    // The formula counts the years before 1 one higher.
    const double y = year <= 0 ? year + 1 : year;
    const double n = term;
    const double a =
        y * (365.2423112 - 0.000000000000064 * (y - 100) * (y - 100) - 0.00000003047 * (y - 100)) +
        15.218427 * n + 1721050.71301;
    const double theta = 0.0003 * y - 0.372781384 - 0.2617913325 * n;
    const double c =
        (1.945 * std::sin(theta) - 0.01206 * std::sin(2 * theta)) * (1.048994 - 0.00002583 * y);
    const double d = -0.0018 * std::sin(2.313908653 * y - 0.439822951 - 3.0443 * n);
    const int lastDayOfYearBefore = *DayNumber(static_cast<int>(y), 1, 1) - 1;
    return (a + c + d) - lastDayOfYearBefore - 1721425;
}

std::optional<SolarMonth> SolarMonthOf(int year, int month, int day, int hour) {
    const std::optional<int> dayOfYear = DayOfYear(year, month, day);
    if (!dayOfYear || !IsHourOfTheDay(hour)) {
        return std::nullopt;
    }
    // The year is supported, and so are all its terms.
    const auto term = [year](int n) { return *SolarTermDay(year, n); };
    // The middle of the birth hour on the scale of SolarTermDay, whose floor is the day of the
    // year: the birth hour is known only to the hour.
    const double moment = *dayOfYear + (hour + 0.5) / 24;
    if (moment < term(3)) {
        // Before 立春: the last two months of the previous pillar year, split at this
        // January's 小寒.
        return SolarMonth{year - 1, moment < term(1) ? 11 : 12};
    }
    SolarMonth result{year, 1};
    for (int i = 2; i <= 12 && moment >= term(2 * i + 1); ++i) {
        result.Month = i;
    }
    return result;
}

SexagenaryIndex MonthSexagenary(int year, int month, int day, int hour) {
    const std::optional<SolarMonth> solar = SolarMonthOf(year, month, day, hour);
    return solar ? MonthPillar(*solar) : -1;
}

SexagenaryIndex HourSexagenary(int year, int month, int day, int hour) {
    const SexagenaryIndex dayPillar = DaySexagenary(year, month, day);
    if (dayPillar < 0 || !IsHourOfTheDay(hour)) {
        return -1;
    }
    int stem = dayPillar % 10;
    int branch = 0;
    if (hour == 23) {
        stem = (stem + 1) % 10;
    } else {
        branch = (hour + 1) / 2;
    }
    if (stem >= 5) {
        stem -= 5;
    }
    return MakeSexagenary((2 * stem + branch) % 10, branch);
}

std::optional<FourPillars> ComputeFourPillars(int year, int month, int day, int hour) {
    if (!IsSupportedDate(year, month, day) || !IsHourOfTheDay(hour)) {
        return std::nullopt;
    }
    SolarDate date{year, month, day};
    if (hour == 23) {
        const std::optional<SolarDate> next = NextDay(year, month, day);
        if (!next) {
            return std::nullopt;
        }
        date = *next;
        hour = 0;
    }
    // A supported date and hour, so every part below exists.
    const SolarMonth solar = *SolarMonthOf(date.Year, date.Month, date.Day, hour);
    return FourPillars{YearSexagenary(solar.PillarYear), MonthPillar(solar),
                       DaySexagenary(date.Year, date.Month, date.Day),
                       HourSexagenary(date.Year, date.Month, date.Day, hour)};
}

}  // namespace morvenda
