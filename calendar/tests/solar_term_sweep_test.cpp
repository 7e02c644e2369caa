// The solar terms and the year and month pillars against an independent almanac's moments of
// every 节 from 1948's 大雪 to 2049's: a solar month, and at 立春 the pillar year, begins at the
// very moment of its 节.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "calendar/lunar.h"
#include "calendar/sexagenary.h"

namespace morvenda {
namespace {

struct TermMoment {
    int Year = 0;
    int Term = 0;       // 1 小寒, 3 立春 … 23 大雪
    SolarDate Date;     // the day it falls on, UTC+8
    double Moment = 0;  // day number plus the fraction of the day
};

std::vector<TermMoment> LoadTermMoments() {
    std::ifstream in(CALENDAR_TERM_MOMENTS_FIXTURE);
    std::vector<TermMoment> terms;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        TermMoment t;
        int hour = 0, minute = 0, second = 0;
        if (std::sscanf(line.c_str(), "%d-%d-%d %d:%d:%d\t%d\t%d", &t.Date.Year, &t.Date.Month,
                        &t.Date.Day, &hour, &minute, &second, &t.Year, &t.Term) != 8) {
            ADD_FAILURE() << "unreadable fixture line: " << line;
            continue;
        }
        t.Moment = DayNumber(t.Date.Year, t.Date.Month, t.Date.Day).value() +
                   (hour * 3600 + minute * 60 + second) / 86400.0;
        terms.push_back(t);
    }
    return terms;
}

const std::vector<TermMoment>& TermMoments() {
    static const std::vector<TermMoment> terms = LoadTermMoments();
    return terms;
}

constexpr double MinutesPerDay = 24 * 60;
// The term formula's error against the almanac over these years (-23.3 … +13.8 minutes) stays
// within this; a birth hour whose middle lies closer to a term than this may fall on either side
// of it.
constexpr double FormulaToleranceMinutes = 24;

// The formula's moment on the fixture's scale (day number plus fraction).
double FormulaMoment(const TermMoment& t) {
    return DayNumber(t.Year, 1, 1).value() - 1 + SolarTermDay(t.Year, t.Term).value();
}

bool NearATerm(double moment) {
    const auto& terms = TermMoments();
    return std::any_of(terms.begin(), terms.end(), [&](const TermMoment& t) {
        return std::abs(t.Moment - moment) * MinutesPerDay < FormulaToleranceMinutes;
    });
}

// The solar month the almanac gives a moment: that of the last 节 at or before it. Empty before
// the fixture's first term.
std::optional<SolarMonth> AlmanacMonth(double moment) {
    const auto& terms = TermMoments();
    const auto after = std::upper_bound(terms.begin(), terms.end(), moment,
                                        [](double m, const TermMoment& t) { return m < t.Moment; });
    if (after == terms.begin()) {
        return std::nullopt;
    }
    const TermMoment& t = *(after - 1);
    // 小寒 begins the twelfth month of the year before; 立春 … 大雪 the months 1 … 11.
    return t.Term == 1 ? SolarMonth{t.Year - 1, 12} : SolarMonth{t.Year, (t.Term - 1) / 2};
}

// The year pillar by counting from 甲子 (1984) and the month pillar by counting the months from
// the 丙寅 month of 1984: both run through the cycle without a break.
SexagenaryIndex YearPillarOf(const SolarMonth& month) {
    return ((month.PillarYear - 1984) % 60 + 60) % 60;
}

SexagenaryIndex MonthPillarOf(const SolarMonth& month) {
    const int months = (month.PillarYear - 1984) * 12 + (month.Month - 1);
    return ((2 + months) % 60 + 60) % 60;
}

TEST(SolarTermMoments, FixtureHoldsEvery节From1948To2049) {
    const auto& terms = TermMoments();
    ASSERT_EQ(terms.size(), 1U + 12 * (2049 - 1949 + 1));
    for (std::size_t i = 1; i < terms.size(); ++i) {
        const double gap = terms[i].Moment - terms[i - 1].Moment;
        ASSERT_TRUE(gap > 29 && gap < 32) << terms[i].Year << " term " << terms[i].Term;
    }
}

TEST(SolarTermDay, Every节Of1949To2049LiesWithinMinutesOfTheAlmanac) {
    double lowest = 0;
    double highest = 0;
    int wrongDays = 0;
    for (const TermMoment& t : TermMoments()) {
        const double error = (FormulaMoment(t) - t.Moment) * MinutesPerDay;
        lowest = std::min(lowest, error);
        highest = std::max(highest, error);
        EXPECT_LT(std::abs(error), FormulaToleranceMinutes) << t.Year << " term " << t.Term;

        // The formula's day is the almanac's unless the term comes right at midnight.
        const int formulaDay = static_cast<int>(std::floor(SolarTermDay(t.Year, t.Term).value()));
        const int almanacDay = DayOfYear(t.Date.Year, t.Date.Month, t.Date.Day).value();
        if (formulaDay != almanacDay) {
            ++wrongDays;
            const double minutesFromMidnight =
                std::min(t.Moment - std::floor(t.Moment), std::ceil(t.Moment) - t.Moment) *
                MinutesPerDay;
            EXPECT_LT(minutesFromMidnight, FormulaToleranceMinutes) << t.Year << " term " << t.Term;
        }
    }
    RecordProperty("lowest_error_minutes", std::to_string(lowest));
    RecordProperty("highest_error_minutes", std::to_string(highest));
    RecordProperty("terms_on_another_day", wrongDays);
}

TEST(SolarMonthOf, EveryHourOfEvery节DayFollowsTheAlmanacsMoment) {
    int tooClose = 0;
    int offByTheFormula = 0;
    for (const TermMoment& t : TermMoments()) {
        const int dayNumber = DayNumber(t.Date.Year, t.Date.Month, t.Date.Day).value();
        for (int hour = 0; hour < 24; ++hour) {
            const double moment = dayNumber + (hour + 0.5) / 24;
            const std::optional<SolarMonth> expected = AlmanacMonth(moment);
            if (!expected) {
                continue;  // before the fixture's first term
            }
            const SolarMonth month =
                SolarMonthOf(t.Date.Year, t.Date.Month, t.Date.Day, hour).value();
            if (std::abs(moment - t.Moment) * MinutesPerDay < FormulaToleranceMinutes) {
                ++tooClose;
                offByTheFormula += month.Month != expected->Month ? 1 : 0;
                continue;
            }
            ASSERT_TRUE(month.PillarYear == expected->PillarYear && month.Month == expected->Month)
                << t.Date.Year << "-" << t.Date.Month << "-" << t.Date.Day << " " << hour
                << ":30 is month " << month.Month << " of " << month.PillarYear << ", expected "
                << expected->Month << " of " << expected->PillarYear;
            ASSERT_EQ(MonthSexagenary(t.Date.Year, t.Date.Month, t.Date.Day, hour),
                      MonthPillarOf(*expected))
                << t.Date.Year << "-" << t.Date.Month << "-" << t.Date.Day << " " << hour;
        }
    }
    RecordProperty("hours_too_close_to_call", tooClose);
    RecordProperty("hours_off_by_the_formula", offByTheFormula);
}

TEST(ComputeFourPillars, YearAndMonthOfEveryNoonOf1949To2049FollowTheAlmanac) {
    int days = 0;
    int tooClose = 0;
    for (int n = DayNumber(1949, 1, 1).value(); n <= DayNumber(2049, 12, 31).value(); ++n) {
        int year = 0, month = 0, day = 0;
        ASSERT_TRUE(DayNumberToDate(n, year, month, day));
        ++days;
        const double moment = n + 12.5 / 24;  // the hour 12:00 - 12:59
        if (NearATerm(moment)) {
            ++tooClose;
            continue;
        }
        const std::optional<SolarMonth> expected = AlmanacMonth(moment);
        ASSERT_TRUE(expected.has_value());
        const std::optional<FourPillars> pillars = ComputeFourPillars(year, month, day, 12);
        ASSERT_TRUE(pillars.has_value());
        ASSERT_EQ(pillars->Year, YearPillarOf(*expected)) << year << "-" << month << "-" << day;
        ASSERT_EQ(pillars->Month, MonthPillarOf(*expected)) << year << "-" << month << "-" << day;
    }
    EXPECT_EQ(days, 36890);
    RecordProperty("days_too_close_to_call", tooClose);
}

}  // namespace
}  // namespace morvenda
