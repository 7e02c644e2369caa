#pragma once
// The five elements, in the one numbering every part of the program shares, and sets of them.
// The dictionary packs a set as bits, the calendar numbers single elements, the filter dialog
// lists its element boxes and the evaluation names them by their characters; all of these
// convert here, so no other file spells out which bit or number stands for which element.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace morvenda {

// 金 木 水 火 土: the calendar's numbering 0 … 4, and the order of the filter dialog's boxes.
enum class Element : std::uint8_t { Metal, Wood, Water, Fire, Earth };

inline constexpr std::array<Element, 5> AllElements{Element::Metal, Element::Wood, Element::Water,
                                                    Element::Fire, Element::Earth};

// 金, 木, 水, 火 or 土.
constexpr std::string_view ElementText(Element element) {
    constexpr std::array<std::string_view, 5> Texts{"金", "木", "水", "火", "土"};
    return Texts[static_cast<std::size_t>(element)];
}

// The element written by exactly this character, none for any other text.
constexpr std::optional<Element> ElementFromText(std::string_view text) {
    for (const Element element : AllElements) {
        if (ElementText(element) == text) {
            return element;
        }
    }
    return std::nullopt;
}

// The calendar's name for an element's number: 0 … 4 in Element's order, −1 for none.
using CalendarElement = int;

constexpr CalendarElement ToCalendarElement(Element element) {
    return static_cast<CalendarElement>(element);
}

// None for −1 and any other number outside 0 … 4.
constexpr std::optional<Element> FromCalendarElement(CalendarElement number) {
    if (number < 0 || number >= static_cast<int>(AllElements.size())) {
        return std::nullopt;
    }
    return static_cast<Element>(number);
}

// A set of elements; two sets share an element when they have one in common. Its bits are the
// dictionary's packing: 1 earth, 2 fire, 4 water, 8 wood, 16 metal.
class ElementMask {
  public:
    constexpr ElementMask() = default;
    // An element on its own is the set of just that element.
    constexpr ElementMask(Element element) : bits_(BitOf(element)) {}

    static constexpr ElementMask FromBits(unsigned bits) {
        ElementMask mask;
        mask.bits_ = bits;
        return mask;
    }
    constexpr unsigned Bits() const { return bits_; }

    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool Contains(Element element) const { return (bits_ & BitOf(element)) != 0; }
    constexpr bool SharesElementWith(ElementMask other) const { return (bits_ & other.bits_) != 0; }

    // Adds the element, or takes it out.
    constexpr void Set(Element element, bool present) {
        bits_ = present ? bits_ | BitOf(element) : bits_ & ~BitOf(element);
    }

    // The element of a set of exactly one, none for an empty set or several elements.
    constexpr std::optional<Element> Single() const {
        for (const Element element : AllElements) {
            if (bits_ == BitOf(element)) {
                return element;
            }
        }
        return std::nullopt;
    }

    constexpr bool operator==(const ElementMask&) const = default;

  private:
    static constexpr unsigned BitOf(Element element) {
        constexpr std::array<unsigned, 5> Bits{16, 8, 4, 2, 1};
        return Bits[static_cast<std::size_t>(element)];
    }

    unsigned bits_ = 0;
};

constexpr ElementMask operator|(ElementMask a, ElementMask b) {
    return ElementMask::FromBits(a.Bits() | b.Bits());
}

// Two elements make a set too: Element::Fire | Element::Wood.
constexpr ElementMask operator|(Element a, Element b) {
    return ElementMask(a) | ElementMask(b);
}

// The character of a set of exactly one element; empty text for none or several.
constexpr std::string_view ElementName(ElementMask mask) {
    const std::optional<Element> single = mask.Single();
    return single ? ElementText(*single) : std::string_view();
}

}  // namespace morvenda
