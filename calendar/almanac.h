#pragma once
// The calendar's fixed vocabulary and the helpers that turn its numbers into text and back.
// Texts are UTF-8. An index out of range gives the empty text unless stated otherwise.

#include <array>
#include <string>
#include <string_view>

#include "base/elements.h"
#include "calendar/sexagenary.h"

namespace morvenda {

inline constexpr std::array<std::string_view, 10> StemNames = {"甲", "乙", "丙", "丁", "戊",
                                                               "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> BranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 12> LunarMonthNames = {
    "正月", "二月", "三月", "四月", "五月",   "六月",
    "七月", "八月", "九月", "十月", "十一月", "十二月"};
// The solar terms of a year in the numbering of SolarTermDay: term n (1 … 24) is entry n - 1,
// from January's 小寒 to December's 冬至.
inline constexpr std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// 甲子, 乙丑 … 癸亥, built once on first use.
const std::array<std::string, 60>& SexagenaryNames();

std::string CalendarElementName(CalendarElement element);
std::string SexagenaryName(SexagenaryIndex index);
std::string ZodiacName(int branch);
// Without "座".
std::string StarSignName(int starSign);
// 初一 … 三十.
std::string LunarDayName(int day);

CalendarElement StemElement(int stem);
CalendarElement BranchElement(int branch);
// Element names of the branch's hidden stems (藏干), in order; out of range counts as 子.
std::string HiddenStemElements(int branch);
// Element of the stem followed by that of the branch: 甲子 gives 木水.
std::string PillarElementText(SexagenaryIndex index);
// Element of the stem, ",", then the hidden stems' elements: 己丑 gives 土,土金水.
std::string PillarHiddenElementText(SexagenaryIndex index);
// Out of range counts as 甲子.
std::string NaYinName(SexagenaryIndex index);

// Star sign 0 白羊 … 11 双鱼 of a solar month 1 … 12 and day 1 … 31, the day taken as written
// (2月31日 is 双鱼); -1 for any other month or day.
int StarSignOf(int month, int day);
// 1 … 12 from a month name, with or without a leading "闰"; 1 when unrecognised.
int LunarMonthNumber(std::string_view text);
// 0 … 11 from a star-sign name with or without "座"; 0 when unrecognised.
int StarSignNumber(std::string_view text);

}  // namespace morvenda
