#pragma once
// The birth chart shown above the result pages: from the five birth-date controls, the birth
// fields of the previous run and today's date, work out the solar birth moment and every text
// of the chart panel.
//
// The panel's captions, positions and tags are in ChartPanelLabels().

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvenda {

// A day of the solar calendar.
struct CivilDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The solar date and hour of birth as the main window keeps them between runs (all 0 at start).
struct BirthFields {
    int BirthYear = 0;
    int BirthMonth = 0;
    int BirthDay = 0;
    int BirthHour = 0;
    friend bool operator==(const BirthFields&, const BirthFields&) = default;
};

// Item indices of the calendar-type list.
inline constexpr int CalendarSolar = 0;
inline constexpr int CalendarLunar = 1;
inline constexpr int CalendarUnknown = 2;

// What the birth-date controls hold when a run starts. Indices are −1 when nothing is selected.
struct BirthDateControls {
    int CalendarType = CalendarSolar;
    std::string YearText;   // text of the selected year item, e.g. "2009"
    std::string MonthText;  // "06" (solar) or "闰五月" (lunar)
    std::string DayText;    // "23" (solar); unused for the lunar calendar
    int DayIndex = -1;      // item index of the day list; the lunar day is this + 1
    int HourIndex = -1;     // item index of the hour list; 0 is "未知", h + 1 is hour h
    std::string FamilyText; // the family-name edit as typed, for the origin link
};

// The computed texts of the chart, one member per value label.
struct BirthChartTexts {
    std::array<std::string, 4> Solar;           // Label83 … Label86: 2009年 6月 23日 12时
    std::array<std::string, 4> Lunar;           // Label87 … Label90: 己丑 闰五月 初一 午时
    std::array<std::string, 4> Pillars;         // Label91 … Label94: year, month, day, hour
    std::array<std::string, 4> Elements;        // Label95 … Label98
    std::array<std::string, 4> HiddenElements;  // Label99 … Label102
    std::array<std::string, 4> NaYin;           // Label103 … Label106
    std::string Zodiac;                         // Label107
    std::string StarSign;                       // Label108, ends in 座
    std::string Advice;                         // Label13
    std::string FamilyOrigin;                   // Label36: [王]姓的起源
    std::string Personality;                    // Label37: 性格分析
};

struct BirthChartOutcome {
    BirthFields Fields;                   // the new birth fields, range-fixed; kept on error too
    std::optional<BirthChartTexts> Chart; // empty when the birth moment cannot be charted
    std::string ErrorMessage;             // set exactly when Chart is empty; names the date
};

// Resolves the controls into the birth fields and computes the chart. Never throws. Lunar dates
// that do not exist keep the previous fields; a solar date that does not exist (2月31日) is
// charted as the day it adds up to, except at the hour 23 whose step to the next day has no
// such day: then Chart is empty and ErrorMessage says which date is invalid.
BirthChartOutcome ComputeBirthChart(const BirthDateControls& controls, const BirthFields& previous,
                                    const CivilDate& today);

// The chart of a solar birth moment anywhere in the calendar's years (hour 0 … 23), without the
// window's fallbacks; empty when the calendar cannot chart the moment (a date it does not have,
// an hour outside the day, hour 23 of a day with no next day). familyText names the family in
// the origin link.
std::optional<BirthChartTexts> ChartOfMoment(const BirthFields& moment,
                                             std::string_view familyText);

// (label object name, text) for every label the chart writes, Label13 included.
std::vector<std::pair<std::string_view, std::string>> ChartLabelTexts(const BirthChartTexts& chart);

// The tags of the chart panel's labels: value labels are emptied before every chart, link labels
// are hidden before it and shown once a chart stands; captions are left alone.
inline constexpr int ChartTagCaption = 0;
inline constexpr int ChartTagValue = 1;
inline constexpr int ChartTagLink = 2;

struct ChartLabelLayout {
    std::string_view Name;     // object name, e.g. "Label83"
    int Tag;                   // ChartTagCaption, ChartTagValue or ChartTagLink
    std::string_view Caption;  // designed caption (empty for value labels)
    int X;
    int Y;
    int Width;                 // 0: sized to its text
    bool Bold;                 // the row and column captions
    bool Link;                 // blue, hand cursor, opens a web page
};

// Every label of the chart panel, in reading order.
std::span<const ChartLabelLayout> ChartPanelLabels();

}  // namespace morvenda
