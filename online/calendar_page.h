#pragma once
// The month calendar (万年历): the solar days of one month in a grid, Monday first, with the
// lunar day under each (the lunar month's name on its first day, 闰 for a leap month), the solar
// terms on their days and today marked. The query picks the month ("year", "month"); without it
// the page shows the month of today.

#include <string>

#include "calendar/lunar.h"
#include "online/stand_in_site.h"

namespace morvenda {

// Pure: today is whatever the caller says it is.
std::string CalendarPage(const PageRequest& request, const SolarDate& today);

// The page of a month, as the site's links point to it.
std::string CalendarPageAddress(int year, int month);

}  // namespace morvenda
