#pragma once
// The birth chart as a section of a page, with the rows and captions of the main window's chart
// panel: solar and lunar date, the four pillars with their elements (with and without the hidden
// stems) and NaYin, the zodiac animal, the star sign and the advice.

#include <string>

#include "chart/birth_chart.h"

namespace morvenda {

std::string ChartSection(const BirthChartTexts& chart);

}  // namespace morvenda
