#include "naming/family_name.h"

#include <cstddef>

namespace morvenda {

namespace {

bool IsBlankOrControl(char byte) {
    return static_cast<unsigned char>(byte) <= 0x20;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Bytes of the UTF-8 character that starts the text.
std::size_t FirstCharacterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length > text.size()) {
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

std::string_view TakeCharacter(std::string_view& rest) {
    if (rest.empty()) {
        return {};
    }
    const std::string_view character = rest.substr(0, FirstCharacterLength(rest));
    rest.remove_prefix(character.size());
    return character;
}

}  // namespace

FamilyName ReadFamilyName(std::string_view typed) {
    FamilyName family;
    std::string_view rest = Trim(typed);
    family.Text = rest;
    family.Char1 = TakeCharacter(rest);
    family.Char2 = TakeCharacter(rest);
    if (!family.Char1.empty()) {
        family.Index1 = FindCharIndex(family.Char1);
    }
    if (!family.Char2.empty()) {
        family.Index2 = FindCharIndex(family.Char2);
    }
    return family;
}

std::vector<std::string_view> TextCharacters(std::string_view text) {
    std::vector<std::string_view> characters;
    while (!text.empty()) {
        characters.push_back(TakeCharacter(text));
    }
    return characters;
}

}  // namespace morvenda
