#include "naming/family_name.h"

#include <cstddef>

#include "base/utf8.h"

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

std::string_view TakeCharacter(std::string_view& rest) {
    if (rest.empty()) {
        return {};
    }
    const std::string_view character = rest.substr(0, FirstUtf8Character(rest).Length);
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
