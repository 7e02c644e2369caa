#pragma once
// The recommendation the chart gives by the element of the day master (日主) and the season of
// birth.

#include <string_view>

namespace morvenda {

// "春", "夏", "秋" or "冬" of a solar month 1 … 12 (winter holds 12, 1 and 2), empty otherwise.
std::string_view SeasonOfMonth(int month);

// The advice for an element name (金 木 水 火 土) and a season; empty for any other pair.
std::string_view SeasonAdvice(std::string_view element, std::string_view season);

}  // namespace morvenda
