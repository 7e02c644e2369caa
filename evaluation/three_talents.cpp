#include "evaluation/three_talents.h"

#include <optional>

#include "base/arith.h"
#include "base/elements.h"
#include "evaluation/digit_element.h"

namespace morvenda {

namespace {

// Where an element stands in the order every position of the table runs through: 火 金 木 水 土.
constexpr int TablePosition(Element element) {
    switch (element) {
        case Element::Fire:
            return 0;
        case Element::Metal:
            return 1;
        case Element::Wood:
            return 2;
        case Element::Water:
            return 3;
        case Element::Earth:
            return 4;
    }
    return 0;
}

// The table holds every triple of the five elements exactly once, in element order, so the row
// of a pattern is found from its elements rather than by comparing all 125.
int PointsOf(const std::optional<Element> (&elements)[3]) {
    int row = 0;
    for (const std::optional<Element>& element : elements) {
        if (!element) {
            return 4;
        }
        row = row * 5 + TablePosition(*element);
    }
    return ThreeTalentTable[static_cast<std::size_t>(row)].Points;
}

std::optional<Element> LastDigitElement(int grid) {
    return DigitElement(static_cast<int>(Mod(grid, 10)));
}

}  // namespace

const std::array<ThreeTalentRow, 125> ThreeTalentTable{{
    {"火火火", 13}, {"火火金", 13}, {"火火木", 21}, {"火火水", 7}, {"火火土", 10},
    {"火金火", 4}, {"火金金", 4}, {"火金木", 7}, {"火金水", 11}, {"火金土", 11},
    {"火木火", 28}, {"火木金", 11}, {"火木木", 32}, {"火木水", 18}, {"火木土", 28},
    {"火水火", 4}, {"火水金", 11}, {"火水木", 7}, {"火水水", 7}, {"火水土", 7},
    {"火土火", 32}, {"火土金", 25}, {"火土木", 17}, {"火土水", 14}, {"火土土", 32},
    {"金火火", 10}, {"金火金", 14}, {"金火木", 18}, {"金火水", 11}, {"金火土", 7},
    {"金金火", 4}, {"金金金", 11}, {"金金木", 4}, {"金金水", 7}, {"金金土", 25},
    {"金木火", 14}, {"金木金", 11}, {"金木木", 14}, {"金木水", 7}, {"金木土", 18},
    {"金水火", 11}, {"金水金", 14}, {"金水木", 7}, {"金水水", 7}, {"金水土", 7},
    {"金土火", 28}, {"金土金", 28}, {"金土木", 21}, {"金土水", 14}, {"金土土", 32},
    {"木火火", 24}, {"木火金", 17}, {"木火木", 25}, {"木火水", 14}, {"木火土", 21},
    {"木金火", 7}, {"木金金", 11}, {"木金木", 11}, {"木金水", 4}, {"木金土", 11},
    {"木木火", 28}, {"木木金", 11}, {"木木木", 32}, {"木木水", 11}, {"木木土", 25},
    {"木水火", 4}, {"木水金", 4}, {"木水木", 11}, {"木水水", 10}, {"木水土", 7},
    {"木土火", 14}, {"木土金", 18}, {"木土木", 7}, {"木土水", 11}, {"木土土", 18},
    {"水火火", 7}, {"水火金", 14}, {"水火木", 11}, {"水火水", 11}, {"水火土", 14},
    {"水金火", 11}, {"水金金", 17}, {"水金木", 11}, {"水金水", 11}, {"水金土", 32},
    {"水木火", 24}, {"水木金", 14}, {"水木木", 25}, {"水木水", 11}, {"水木土", 32},
    {"水水火", 4}, {"水水金", 11}, {"水水木", 4}, {"水水水", 7}, {"水水土", 4},
    {"水土火", 17}, {"水土金", 21}, {"水土木", 14}, {"水土水", 14}, {"水土土", 14},
    {"土火火", 17}, {"土火金", 17}, {"土火木", 32}, {"土火水", 18}, {"土火土", 24},
    {"土金火", 14}, {"土金金", 25}, {"土金木", 18}, {"土金水", 18}, {"土金土", 25},
    {"土木火", 10}, {"土木金", 11}, {"土木木", 17}, {"土木水", 11}, {"土木土", 18},
    {"土水火", 7}, {"土水金", 4}, {"土水木", 7}, {"土水水", 7}, {"土水土", 11},
    {"土土火", 32}, {"土土金", 32}, {"土土木", 14}, {"土土水", 14}, {"土土土", 32},
}};

std::string ThreeTalentPattern(int heaven, int earth, int outer) {
    std::string pattern;
    for (const int grid : {heaven, earth, outer}) {
        pattern += DigitElementName(static_cast<int>(Mod(grid, 10)));
    }
    return pattern;
}

int ThreeTalentPoints(std::string_view pattern) {
    // Every element character is as long as the first one.
    const std::size_t width = ElementText(Element::Metal).size();
    if (pattern.size() != 3 * width) {
        return 4;
    }
    const std::optional<Element> elements[3] = {ElementFromText(pattern.substr(0, width)),
                                                ElementFromText(pattern.substr(width, width)),
                                                ElementFromText(pattern.substr(2 * width))};
    return PointsOf(elements);
}

int ThreeTalentPoints(int heaven, int earth, int outer) {
    const std::optional<Element> elements[3] = {LastDigitElement(heaven), LastDigitElement(earth),
                                                LastDigitElement(outer)};
    return PointsOf(elements);
}

}  // namespace morvenda
