#include "base/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace morvenda::gbk {
namespace {

// iconv descriptors carry shift state, so each conversion opens its own.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);

    std::string output(input.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            if (errno != E2BIG) {
                return std::nullopt;  // EILSEQ or EINVAL: unrepresentable or truncated input
            }
            const std::size_t used = output.size() - outLeft;
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = output.size() - used;
        }
    }
    output.resize(output.size() - outLeft);
    return output;
}

// The UTF-8 of the tag characters U+E0000 … U+E007F begins with one of these. iconv drops
// those characters without a word, though GBK has no place for them.
constexpr std::string_view TagCharacterStarts[] = {"\xF3\xA0\x80", "\xF3\xA0\x81"};

bool HoldsTagCharacter(std::string_view utf8) {
    for (const std::string_view start : TagCharacterStarts) {
        if (utf8.find(start) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> FromUtf8(std::string_view utf8) {
    if (HoldsTagCharacter(utf8)) {
        return std::nullopt;
    }
    return Convert("GBK", "UTF-8", utf8);
}

std::optional<std::string> ToUtf8(std::string_view gbkBytes) {
    return Convert("UTF-8", "GBK", gbkBytes);
}

std::optional<std::size_t> ByteLength(std::string_view utf8) {
    const auto bytes = FromUtf8(utf8);
    if (!bytes) {
        return std::nullopt;
    }
    return bytes->size();
}

}  // namespace morvenda::gbk
