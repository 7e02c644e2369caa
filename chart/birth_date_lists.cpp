#include "chart/birth_date_lists.h"

#include <charconv>
#include <cstdio>

#include "calendar/almanac.h"
#include "calendar/lunar.h"

namespace morvenda {
namespace {

std::string TwoDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

std::vector<std::string> NumberedItems(int last) {
    std::vector<std::string> items;
    for (int n = 1; n <= last; ++n) {
        items.push_back(TwoDigits(n));
    }
    return items;
}

}  // namespace

std::vector<std::string> HourItems() {
    std::vector<std::string> items{"未知"};
    for (int hour = 0; hour < 24; ++hour) {
        items.push_back(TwoDigits(hour) + ":00 - " + TwoDigits(hour) + ":59");
    }
    return items;
}

std::vector<std::string> YearItems() {
    std::vector<std::string> items;
    for (int year = FirstListedYear; year <= LastListedYear; ++year) {
        items.push_back(std::to_string(year));
    }
    return items;
}

int YearItemIndex(int year) {
    if (year < FirstListedYear || year > LastListedYear) {
        return -1;
    }
    return year - FirstListedYear;
}

std::vector<std::string> SolarMonthItems() { return NumberedItems(12); }

std::vector<std::string> SolarDayItems() { return NumberedItems(31); }

std::vector<std::string> LunarMonthItems(int lunarYear) {
    const int leapMonth = LeapMonthOrZero(lunarYear);
    std::vector<std::string> items;
    for (int month = 1; month <= 12; ++month) {
        const std::string name(LunarMonthNames[month - 1]);
        items.push_back(name);
        if (month == leapMonth) {
            items.push_back("闰" + name);
        }
    }
    return items;
}

std::vector<std::string> LunarDayItems() {
    std::vector<std::string> items;
    for (int day = 1; day <= 30; ++day) {
        items.push_back(LunarDayName(day));
    }
    return items;
}

std::optional<int> ParseListNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string InvalidNumberMessage(std::string_view text) {
    return "“" + std::string(text) + "”不是有效的数字";
}

}  // namespace morvenda
