#pragma once
// The solar terms page (二十四节气): the 24 terms of one year with the days they fall on, the
// weekday and the lunar date of each. The query picks the year ("year"); without it the page
// shows the year of today.

#include <string>

#include "calendar/lunar.h"
#include "online/stand_in_site.h"

namespace morvenda {

// Pure: today is whatever the caller says it is.
std::string SolarTermsPage(const PageRequest& request, const SolarDate& today);

// The page of a year, as the site's links point to it.
std::string SolarTermsPageAddress(int year);

}  // namespace morvenda
