#pragma once
// The compiled-in dictionary of the characters names are made of. Rows are identities: the
// name pools store row numbers, so the order of the rows is part of the data.

#include <string>
#include <string_view>

#include "base/elements.h"
#include "dict/char_index.h"
#include "dict/name_code.h"

namespace morvenda {

// Accessors read RowOrEmpty(index): any index that names no character reads the empty row.
std::string_view Glyph(CharIndex index);
std::string_view Pinyin(CharIndex index);
ElementMask ElementByMeaning(CharIndex index);
ElementMask ElementByRadical(CharIndex index);
int RadicalIndex(CharIndex index);
int SimplifiedStrokes(CharIndex index);
int KangxiStrokes(CharIndex index);

// Row whose glyph equals the whole text, CharCount when none does.
CharIndex FindCharIndex(std::string_view text);

// The given name's characters; a space stands for each half that names no character.
std::string NameCodeToText(NameCode code);

}  // namespace morvenda
