#include "base/utf8.h"

namespace morvenda {

Utf8Character FirstUtf8Character(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    constexpr Utf8Character invalid{0xFFFD, 1};
    if (length == 0 || length > text.size()) {
        return invalid;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return invalid;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return invalid;
    }
    return {code, length};
}

}  // namespace morvenda
