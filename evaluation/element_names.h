#pragma once
// The element characters 木 火 土 金 水 the evaluation and the result list display.

#include <string_view>

#include "dict/char_table.h"

namespace morvenda {

// Element of a grid's last digit: 1, 2 木; 3, 4 火; 5, 6 土; 7, 8 金; 9, 0 and 10 水;
// empty text for any other number.
std::string_view DigitElementName(int digit);

// Element of a single-element mask; empty text for 0 or a mask of several elements.
std::string_view ElementName(ElementMask mask);

}  // namespace morvenda
