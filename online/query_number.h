#pragma once
// Whole numbers a page reads from its query. A value someone typed or edited into the address
// is never guessed at: a reading is either the number or the sentence that says what is wrong.

#include <string>
#include <string_view>
#include <vector>

#include "online/stand_in_site.h"

namespace morvenda {

struct QueryNumberField {
    std::string_view Key;    // "year"
    std::string_view Label;  // "年份", as the sentence names the value
    int First = 0;
    int Last = 0;
};

struct QueryNumber {
    int Value = 0;
    std::string Problem;  // plain text; empty when Value holds the number
};

// The first item of the field's key; an absent or empty one reads as fallback. Decimal digits
// only, with leading zeros allowed.
QueryNumber ReadQueryNumber(const std::vector<QueryItem>& query, const QueryNumberField& field,
                            int fallback);

}  // namespace morvenda
