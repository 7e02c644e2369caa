#include "evaluation/element_names.h"

namespace morvenda {

std::string_view DigitElementName(int digit) {
    switch (digit) {
        case 1:
        case 2:
            return "木";
        case 3:
        case 4:
            return "火";
        case 5:
        case 6:
            return "土";
        case 7:
        case 8:
            return "金";
        case 9:
        case 0:
        case 10:
            return "水";
        default:
            return {};
    }
}

std::string_view ElementName(ElementMask mask) {
    switch (mask) {
        case ElementEarth:
            return "土";
        case ElementFire:
            return "火";
        case ElementWater:
            return "水";
        case ElementWood:
            return "木";
        case ElementMetal:
            return "金";
        default:
            return {};
    }
}

}  // namespace morvenda
