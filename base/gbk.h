#pragma once
// Conversion between the program's UTF-8 text and GBK (code page 936), the encoding whose
// bytes decide list sorting, edit length limits and the settings file's contents.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace morvenda::gbk {

// GBK bytes of a UTF-8 text; empty optional when the text is not valid UTF-8 or holds a
// character GBK cannot represent (the tag characters U+E0000 … U+E007F among them).
std::optional<std::string> FromUtf8(std::string_view utf8);

// UTF-8 text of GBK bytes; empty optional when the bytes are not valid GBK.
std::optional<std::string> ToUtf8(std::string_view gbkBytes);

// Length in GBK bytes (two per Chinese character, one per ASCII character); empty optional
// when the text cannot be encoded.
std::optional<std::size_t> ByteLength(std::string_view utf8);

}  // namespace morvenda::gbk
