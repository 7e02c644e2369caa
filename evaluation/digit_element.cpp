#include "evaluation/digit_element.h"

namespace morvenda {

std::optional<Element> DigitElement(int digit) {
    switch (digit) {
        case 1:
        case 2:
            return Element::Wood;
        case 3:
        case 4:
            return Element::Fire;
        case 5:
        case 6:
            return Element::Earth;
        case 7:
        case 8:
            return Element::Metal;
        case 9:
        case 0:
        case 10:
            return Element::Water;
        default:
            return std::nullopt;
    }
}

std::string_view DigitElementName(int digit) {
    const std::optional<Element> element = DigitElement(digit);
    return element ? ElementText(*element) : std::string_view();
}

}  // namespace morvenda
