#pragma once
// What a search of the dictionary page asks for. The search box takes characters (one or many),
// readings typed without tones ("zhang", "zhang san", "zhangsan", "zhāng"), or both mixed; a run
// of letters that is no reading is split into readings where it can be. Spaces, punctuation and
// digits other than tone numbers only separate the terms.

#include <string>
#include <string_view>
#include <vector>

#include "dict/char_index.h"

namespace morvenda {

// Longer queries are searched up to this many characters, so a pasted page cannot make the
// result page grow without bound.
inline constexpr std::size_t MaxQueryLength = 200;

struct DictionaryQuery {
    std::string Searched;               // the part searched, valid UTF-8 (U+FFFD for bad bytes)
    bool Shortened = false;             // the query went on beyond MaxQueryLength
    std::vector<CharIndex> Characters;  // the characters typed, in order, each once
    std::vector<std::string> Readings;  // the readings typed in the table's spelling, each once
    std::vector<std::string> NotFound;  // characters and letter runs the dictionary lacks
};

DictionaryQuery ParseDictionaryQuery(std::string_view query);

}  // namespace morvenda
