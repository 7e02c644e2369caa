#pragma once
// The analysis of one full name for a child born at a moment, as the main window asks for it
// from a result row (QimingTest.asp?xing=…&ming=…&xingbie=…&nian=…&yue=…&ri=…&hh=…&dest=…):
// every character from the dictionary, the five grids with their luck, the three-talent pattern
// and the score as the result list shows them, the birth chart as the chart panel shows it, and
// the poem a name from the classics comes from. dest "sm3" puts the chart first, "sm5" the name.
// Without a query the page is a form that asks for all of it.

#include <string>

#include "online/stand_in_site.h"

namespace morvenda {

std::string NameAnalysisPage(const PageRequest& request);

}  // namespace morvenda
