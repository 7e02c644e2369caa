#pragma once
// The one entry through which the drawing steps ask the filter predicates.

#include <cstdint>

#include "filters/filter_predicates.h"

namespace morvenda {

// Position 1: may value's low half stand first in the given name; 2: second; 3: does the
// whole NameCode meet the conditions on the name as a whole. Any other position passes. The
// character positions take the low half, where a CharIndex stands when it is passed as a value.
inline bool TestCondition(const FilterSnapshot& conditions, std::uint32_t value, int position) {
    switch (position) {
        case 1:
            return CheckFirstGivenChar(conditions, code_halves::Low(value));
        case 2:
            return CheckSecondGivenChar(conditions, code_halves::Low(value));
        case 3:
            return CheckGivenName(conditions, value);
        default:
            return true;
    }
}

}  // namespace morvenda
