#pragma once
// The items of the five birth-date lists and the selections they start with, so the window only
// copies them into its combo boxes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvenda {

inline constexpr int FirstListedYear = 1949;
inline constexpr int LastListedYear = 2039;

// "未知", then "00:00 - 00:59" … "23:00 - 23:59"; item h + 1 is the hour h.
std::vector<std::string> HourItems();

// "1949" … "2039"; the item index is the year − 1949.
std::vector<std::string> YearItems();

// Index of a year in YearItems(), −1 when the year is not listed (nothing gets selected).
int YearItemIndex(int year);

// "01" … "12".
std::vector<std::string> SolarMonthItems();

// "01" … "31", whatever the month.
std::vector<std::string> SolarDayItems();

// "正月" … "十二月" with "闰" + the repeated month's name right after the year's leap month.
std::vector<std::string> LunarMonthItems(int lunarYear);

// "初一" … "三十".
std::vector<std::string> LunarDayItems();

// The number a list text stands for: optional sign and decimal digits, nothing else.
std::optional<int> ParseListNumber(std::string_view text);

// The message shown when a list text is not a number, naming the text.
std::string InvalidNumberMessage(std::string_view text);

}  // namespace morvenda
