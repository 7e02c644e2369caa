// Names of the calendar's numbers, and the few texts that are read back into numbers.

#include "calendar/almanac.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/arith.h"

namespace morvenda {

namespace {

constexpr std::array<std::string_view, 12> ZodiacNames = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                          "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 12> StarSignNames = {
    "白羊", "金牛", "双子", "巨蟹", "狮子", "处女", "天秤", "天蝎", "射手", "摩羯", "宝瓶", "双鱼"};
constexpr std::array<std::string_view, 10> LunarDigitNames = {"一", "二", "三", "四", "五",
                                                              "六", "七", "八", "九", "十"};
// Indexed by the tens of the day; 卅 stays unused (the 30th is 三十).
constexpr std::array<std::string_view, 6> LunarTensPrefixes = {"初", "十", "廿", "卅", "二", "三"};
// The stems each branch hides, as stem numbers: 子 癸; 丑 己辛癸; 寅 甲丙戊 …
constexpr std::array<std::string_view, 12> HiddenStemDigits = {
    "9", "579", "024", "1", "149", "246", "35", "135", "468", "7", "347", "08"};
// One per pair of sexagenary indices 2j, 2j + 1.
constexpr std::array<std::string_view, 30> NaYinNames = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "洞下水", "城墙土",
    "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雷火", "松柏木", "长流水", "沙中金",
    "山下火", "平地木", "壁上土", "金箔金", "佛灯火", "天河水", "大驿土", "钗钐金",
    "桑松木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
// month * 100 + day of the first day of 宝瓶, 双鱼 … 摩羯.
constexpr std::array<int, 12> StarSignStarts = {120, 219, 321, 421,  521,  622,
                                                723, 823, 923, 1023, 1123, 1222};

template <std::size_t N>
std::string Lookup(const std::array<std::string_view, N>& table, int index) {
    return index >= 0 && index < static_cast<int>(N) ? std::string(table[index]) : std::string();
}

bool IsTrimmed(unsigned char c) {
    return c <= ' ';
}

}  // namespace

const std::array<std::string, 60>& SexagenaryNames() {
    static const std::array<std::string, 60> names = [] {
        std::array<std::string, 60> result;
        for (int i = 0; i < 60; ++i) {
            result[i] = std::string(StemNames[i % 10]) + std::string(BranchNames[i % 12]);
        }
        return result;
    }();
    return names;
}

std::string CalendarElementName(CalendarElement element) {
    const std::optional<Element> known = FromCalendarElement(element);
    return known ? std::string(ElementText(*known)) : std::string();
}

std::string SexagenaryName(SexagenaryIndex index) {
    return index >= 0 && index < 60 ? SexagenaryNames()[index] : std::string();
}

std::string ZodiacName(int branch) {
    return Lookup(ZodiacNames, branch);
}

std::string StarSignName(int starSign) {
    return Lookup(StarSignNames, starSign);
}

std::string LunarDayName(int day) {
    if (day < 1 || day > 30) {
        return {};
    }
    const int tens = day / 10;
    const int units = day % 10;
    if (units == 0) {
        // 初十, 二十, 三十
        return std::string(LunarTensPrefixes[tens == 1 ? 0 : tens + 2]) + "十";
    }
    return std::string(LunarTensPrefixes[tens]) + std::string(LunarDigitNames[units - 1]);
}

CalendarElement StemElement(int stem) {
    // Truncating, so -1 reads as 甲乙.
    switch (Div(stem, 2)) {
        case 0:
            return ToCalendarElement(Element::Wood);  // 甲乙
        case 1:
            return ToCalendarElement(Element::Fire);  // 丙丁
        case 2:
            return ToCalendarElement(Element::Earth);  // 戊己
        case 3:
            return ToCalendarElement(Element::Metal);  // 庚辛
        case 4:
            return ToCalendarElement(Element::Water);  // 壬癸
        default:
            return -1;
    }
}

CalendarElement BranchElement(int branch) {
    using enum Element;
    static constexpr std::array<Element, 12> elements = {
        Water, Earth, Wood, Wood, Earth, Fire,   // 子 丑 寅 卯 辰 巳
        Fire,  Earth, Metal, Metal, Earth, Water  // 午 未 申 酉 戌 亥
    };
    return branch >= 0 && branch < 12 ? ToCalendarElement(elements[branch]) : -1;
}

std::string HiddenStemElements(int branch) {
    const std::string_view digits = HiddenStemDigits[branch >= 0 && branch < 12 ? branch : 0];
    std::string text;
    for (const char digit : digits) {
        text += CalendarElementName(StemElement(digit - '0'));
    }
    return text;
}

std::string PillarElementText(SexagenaryIndex index) {
    int stem = -1;
    int branch = -1;
    SplitSexagenary(index, stem, branch);
    return CalendarElementName(StemElement(stem)) + CalendarElementName(BranchElement(branch));
}

std::string PillarHiddenElementText(SexagenaryIndex index) {
    int stem = -1;
    int branch = -1;
    SplitSexagenary(index, stem, branch);
    return CalendarElementName(StemElement(stem)) + "," + HiddenStemElements(branch);
}

std::string NaYinName(SexagenaryIndex index) {
    return std::string(NaYinNames[index >= 0 && index < 60 ? index / 2 : 0]);
}

int StarSignOf(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return -1;
    }
    // The sign before the first start the key has not reached; past the last start, 摩羯.
    const int key = month * 100 + day;
    for (int i = 0; i < 12; ++i) {
        if (key < StarSignStarts[i]) {
            return (i + 9) % 12;
        }
    }
    return 9;
}

int LunarMonthNumber(std::string_view text) {
    std::string name(text);
    if (const auto leap = name.find("闰"); leap != std::string::npos) {
        name.erase(leap, std::string_view("闰").size());
    }
    const auto found = std::find(LunarMonthNames.begin(), LunarMonthNames.end(), name);
    return found == LunarMonthNames.end() ? 1
                                          : static_cast<int>(found - LunarMonthNames.begin()) + 1;
}

int StarSignNumber(std::string_view text) {
    // "座" has no letter case, so removing it ignoring case is removing it.
    std::string name(text);
    constexpr std::string_view suffix = "座";
    for (auto at = name.find(suffix); at != std::string::npos; at = name.find(suffix, at)) {
        name.erase(at, suffix.size());
    }
    const auto first =
        std::find_if_not(name.begin(), name.end(), [](char c) { return IsTrimmed(c); });
    const auto last =
        std::find_if_not(name.rbegin(), name.rend(), [](char c) { return IsTrimmed(c); }).base();
    const std::string trimmed = first < last ? std::string(first, last) : std::string();
    const auto found = std::find(StarSignNames.begin(), StarSignNames.end(), trimmed);
    return found == StarSignNames.end() ? 0 : static_cast<int>(found - StarSignNames.begin());
}

}  // namespace morvenda
