#pragma once
// The element a grid's last digit stands for, from which the three-talent pattern is made.

#include <optional>
#include <string_view>

#include "base/elements.h"

namespace morvenda {

// 1, 2 木; 3, 4 火; 5, 6 土; 7, 8 金; 9, 0 and 10 水; none for any other number.
std::optional<Element> DigitElement(int digit);

// The character of DigitElement; empty text where there is none.
std::string_view DigitElementName(int digit);

}  // namespace morvenda
