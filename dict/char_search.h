#pragma once
// Looking characters up the way a reader of the dictionary does: by a reading typed without
// tones, or by a radical. Readings are matched in the table's own spelling: lowercase, no tone,
// ü written v.

#include <string>
#include <string_view>
#include <vector>

#include "dict/char_index.h"

namespace morvenda {

// The readings of a row one by one: ",chang,zhang," gives chang and zhang.
std::vector<std::string_view> Readings(CharIndex index);

// A typed syllable in the table's spelling: letters of either case, tone marks ("zhāng") and a
// final tone number ("zhang1") taken off, ü typed as ü or v. Where pinyin writes ü as u (ju,
// qu, xu, yu) v is read as u, and lue and nue, which have no reading with a plain u, stand for
// lüe and nüe; lu and nu stay themselves (路, 努), lv and nv are 绿 and 女. Empty when the
// text holds anything else than letters and one final tone number.
std::string ReadingSpelling(std::string_view typed);

// True when some row reads the syllable in the table's spelling.
bool IsReading(std::string_view spelling);

// The rows that have the typed syllable among their readings, in row order (the characters
// used most in names first).
std::vector<CharIndex> CharsWithReading(std::string_view typed);

// The rows whose radical is that entry of the radical table, in row order.
std::vector<CharIndex> CharsWithRadical(int radical);

}  // namespace morvenda
