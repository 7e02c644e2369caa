#pragma once
// Reading UTF-8 text one character at a time. Text typed by a user or edited into an address
// can hold any bytes, so a byte that begins no well-formed sequence (a stray continuation byte,
// a cut-off sequence, an overlong form, a surrogate, a code point past U+10FFFF) is read as one
// character of its own, U+FFFD, and reading goes on with the next byte.

#include <cstddef>
#include <string_view>

namespace morvenda {

struct Utf8Character {
    char32_t Code = 0;
    std::size_t Length = 0;  // bytes taken from the text; 0 only for an empty text
};

Utf8Character FirstUtf8Character(std::string_view text);

}  // namespace morvenda
