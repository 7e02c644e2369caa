#include "calendar/almanac.h"

#include <gtest/gtest.h>

namespace morvenda {
namespace {

TEST(SexagenaryNames, PairStemsAndBranchesInCycleOrder) {
    EXPECT_EQ(SexagenaryNames()[0], "甲子");
    EXPECT_EQ(SexagenaryNames()[1], "乙丑");
    EXPECT_EQ(SexagenaryNames()[59], "癸亥");
    EXPECT_EQ(SexagenaryName(25), "己丑");
    EXPECT_EQ(SexagenaryName(60), "");
    EXPECT_EQ(SexagenaryName(-1), "");
}

TEST(LunarDayName, TensAndUnits) {
    struct Case {
        int day;
        const char* name;
    };
    const Case cases[] = {{1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"},
                          {19, "十九"}, {20, "二十"}, {21, "廿一"}, {29, "廿九"},
                          {30, "三十"}, {0, ""},      {31, ""},     {-1, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(LunarDayName(c.day), c.name) << c.day;
    }
}

TEST(NamesByIndex, EmptyOutOfRange) {
    EXPECT_EQ(CalendarElementName(0), "金");
    EXPECT_EQ(CalendarElementName(4), "土");
    EXPECT_EQ(CalendarElementName(5), "");
    EXPECT_EQ(CalendarElementName(-1), "");
    EXPECT_EQ(ZodiacName(0), "鼠");
    EXPECT_EQ(ZodiacName(11), "猪");
    EXPECT_EQ(ZodiacName(12), "");
    EXPECT_EQ(StarSignName(0), "白羊");
    EXPECT_EQ(StarSignName(10), "宝瓶");
    EXPECT_EQ(StarSignName(12), "");
}

TEST(Elements, OfStemsAndBranches) {
    const CalendarElement stems[] = {1, 1, 3, 3, 4, 4, 0, 0, 2, 2};
    for (int stem = 0; stem < 10; ++stem) {
        EXPECT_EQ(StemElement(stem), stems[stem]) << stem;
    }
    EXPECT_EQ(StemElement(-1), 1);  // -1 / 2 truncates to 0
    EXPECT_EQ(StemElement(10), -1);
    const CalendarElement branches[] = {2, 4, 1, 1, 4, 3, 3, 4, 0, 0, 4, 2};
    for (int branch = 0; branch < 12; ++branch) {
        EXPECT_EQ(BranchElement(branch), branches[branch]) << branch;
    }
    EXPECT_EQ(BranchElement(12), -1);
    EXPECT_EQ(BranchElement(-1), -1);
}

TEST(Elements, HiddenStemsAndPillarTexts) {
    EXPECT_EQ(HiddenStemElements(0), "水");
    EXPECT_EQ(HiddenStemElements(1), "土金水");
    EXPECT_EQ(HiddenStemElements(2), "木火土");
    EXPECT_EQ(HiddenStemElements(11), "木水");
    EXPECT_EQ(HiddenStemElements(12), "水");  // out of range counts as 子
    EXPECT_EQ(PillarElementText(0), "木水");
    EXPECT_EQ(PillarElementText(25), "土土");
    EXPECT_EQ(PillarElementText(54), "土火");
    EXPECT_EQ(PillarHiddenElementText(0), "木,水");
    EXPECT_EQ(PillarHiddenElementText(25), "土,土金水");
    EXPECT_EQ(PillarHiddenElementText(54), "土,火土");
    // Outside the cycle both halves are -1: the stem reads as 木, the branch as none.
    EXPECT_EQ(PillarElementText(60), "木");
    EXPECT_EQ(PillarHiddenElementText(-1), "木,水");
}

TEST(NaYinName, OnePerPairAndTheFirstOutOfRange) {
    EXPECT_EQ(NaYinName(0), "海中金");
    EXPECT_EQ(NaYinName(1), "海中金");
    EXPECT_EQ(NaYinName(2), "炉中火");
    EXPECT_EQ(NaYinName(35), "平地木");
    EXPECT_EQ(NaYinName(59), "大海水");
    EXPECT_EQ(NaYinName(60), "海中金");
    EXPECT_EQ(NaYinName(-1), "海中金");
}

TEST(StarSignOf, BoundariesOfTheSigns) {
    struct Case {
        int month, day, sign;
    };
    // The last day of each sign and the first of the next, all the year round.
    const Case cases[] = {{1, 1, 9},   {1, 19, 9},  {1, 20, 10}, {2, 18, 10}, {2, 19, 11},
                          {3, 20, 11}, {3, 21, 0},  {4, 20, 0},  {4, 21, 1},  {5, 20, 1},
                          {5, 21, 2},  {6, 21, 2},  {6, 22, 3},  {7, 22, 3},  {7, 23, 4},
                          {8, 22, 4},  {8, 23, 5},  {9, 22, 5},  {9, 23, 6},  {10, 22, 6},
                          {10, 23, 7}, {11, 22, 7}, {11, 23, 8}, {12, 21, 8}, {12, 22, 9},
                          {12, 31, 9}, {2, 31, 11}};  // the day as written
    for (const Case& c : cases) {
        EXPECT_EQ(StarSignOf(c.month, c.day), c.sign) << c.month << "-" << c.day;
    }
}

TEST(LunarMonthNumber, ReadsMonthNamesWithOrWithoutLeap) {
    struct Case {
        const char* text;
        int number;
    };
    const Case cases[] = {{"正月", 1},   {"十二月", 12}, {"闰五月", 5}, {"闰十一月", 11},
                          {"十三月", 1}, {"", 1},        {"十月", 10}};
    for (const Case& c : cases) {
        EXPECT_EQ(LunarMonthNumber(c.text), c.number) << c.text;
    }
    EXPECT_EQ(LunarMonthNames[10], "十一月");
}

TEST(StarSignNumber, ReadsNamesWithTheSuffixAndSpaces) {
    struct Case {
        const char* text;
        int number;
    };
    const Case cases[] = {{"白羊座", 0}, {"双鱼座", 11}, {"宝瓶座", 10}, {" 天蝎座 ", 7},
                          {"天蝎", 7},   {"魔羯座", 0},  {"水瓶座", 0},  {"\t摩羯座\r\n", 9}};
    for (const Case& c : cases) {
        EXPECT_EQ(StarSignNumber(c.text), c.number) << c.text;
    }
}

}  // namespace
}  // namespace morvenda
