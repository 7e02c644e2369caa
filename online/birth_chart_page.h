#pragma once
// The birth chart of a solar or lunar date and hour, asked for by a form on the page itself
// (sm.asp?sm=1&li=gong|nong&nian=…&yue=…&ri=…&hh=…[&run=1]); the chart stands below the form.

#include <string>

#include "online/stand_in_site.h"

namespace morvenda {

std::string BirthChartPage(const PageRequest& request);

}  // namespace morvenda
