#pragma once
// The birth moment a page is asked about, read from its query: the solar date and hour as the
// main window sends them (nian, yue, ri, hh), or a lunar date and hour from the chart page's
// form, checked against the years the calendar covers.

#include <optional>
#include <string>

#include "chart/birth_chart.h"
#include "online/query_reader.h"

namespace morvenda {

// Keys of the birth moment; the chart form adds the calendar and the leap-month mark.
inline constexpr std::string_view YearKey = "nian";
inline constexpr std::string_view MonthKey = "yue";
inline constexpr std::string_view DayKey = "ri";
inline constexpr std::string_view HourKey = "hh";
inline constexpr std::string_view CalendarKey = "li";  // "gong" solar, "nong" lunar
inline constexpr std::string_view LeapKey = "run";     // "1": the leap month of its number
inline constexpr std::string_view SolarCalendar = "gong";
inline constexpr std::string_view LunarCalendar = "nong";

// The solar moment of a solar date; a date the month does not have, or that the calendar does
// not cover, records a problem.
std::optional<BirthFields> ReadSolarBirth(QueryReader& reader);

// The solar moment of a lunar date (月 1 … 12, 日 1 … 30, run for the leap month); a date the
// lunar year does not have records a problem.
std::optional<BirthFields> ReadLunarBirth(QueryReader& reader);

// The chart of a moment read above; a moment the calendar cannot chart records a problem.
std::optional<BirthChartTexts> ChartOfQueriedBirth(QueryReader& reader, const BirthFields& moment,
                                                   std::string_view familyText);

}  // namespace morvenda
