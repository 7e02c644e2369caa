#pragma once
// Reading the family name the user typed: the text trimmed, its first two characters and their
// rows in the character table.

#include <string>
#include <string_view>
#include <vector>

#include "dict/char_table.h"

namespace morvenda {

struct FamilyName {
    std::string Text;   // trimmed: what the edit shows afterwards; empty means no family name
    std::string Char1;  // first character, empty only when Text is
    std::string Char2;  // second character or empty; characters after it take no part
    CharIndex Index1 = CharCount;
    CharIndex Index2 = CharCount;  // CharCount for a one-character family name
};

// Blanks and control characters are trimmed from both ends; characters, not bytes, are
// counted. A character missing from the table gets the index CharCount.
FamilyName ReadFamilyName(std::string_view typed);

// The UTF-8 characters of a text, in order; a stray byte counts as a character of its own so
// that malformed text still splits.
std::vector<std::string_view> TextCharacters(std::string_view text);

}  // namespace morvenda
