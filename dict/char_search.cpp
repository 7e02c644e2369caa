#include "dict/char_search.h"

#include <algorithm>
#include <array>
#include <utility>

#include "dict/char_table.h"

namespace morvenda {
namespace {

struct MarkedLetter {
    std::string_view Marked;
    char Plain;  // 'v' for ü
};

// The letters pinyin writes with a tone mark or a diaeresis, in both cases.
constexpr std::array<MarkedLetter, 60> MarkedLetters{{
    {"ā", 'a'}, {"á", 'a'}, {"ǎ", 'a'}, {"à", 'a'}, {"Ā", 'a'}, {"Á", 'a'}, {"Ǎ", 'a'}, {"À", 'a'},
    {"ē", 'e'}, {"é", 'e'}, {"ě", 'e'}, {"è", 'e'}, {"Ē", 'e'}, {"É", 'e'}, {"Ě", 'e'}, {"È", 'e'},
    {"ê", 'e'}, {"Ê", 'e'}, {"ī", 'i'}, {"í", 'i'}, {"ǐ", 'i'}, {"ì", 'i'}, {"Ī", 'i'}, {"Í", 'i'},
    {"Ǐ", 'i'}, {"Ì", 'i'}, {"ō", 'o'}, {"ó", 'o'}, {"ǒ", 'o'}, {"ò", 'o'}, {"Ō", 'o'}, {"Ó", 'o'},
    {"Ǒ", 'o'}, {"Ò", 'o'}, {"ū", 'u'}, {"ú", 'u'}, {"ǔ", 'u'}, {"ù", 'u'}, {"Ū", 'u'}, {"Ú", 'u'},
    {"Ǔ", 'u'}, {"Ù", 'u'}, {"ü", 'v'}, {"ǖ", 'v'}, {"ǘ", 'v'}, {"ǚ", 'v'}, {"ǜ", 'v'}, {"Ü", 'v'},
    {"Ǖ", 'v'}, {"Ǘ", 'v'}, {"Ǚ", 'v'}, {"Ǜ", 'v'}, {"ń", 'n'}, {"ň", 'n'}, {"ǹ", 'n'}, {"Ń", 'n'},
    {"Ň", 'n'}, {"Ǹ", 'n'}, {"ḿ", 'm'}, {"Ḿ", 'm'},
}};

// The letter at the start of text and its length in bytes; 0 for anything else. Full-width
// letters count too: a Chinese input method left in full-width mode types them.
std::pair<char, std::size_t> LetterAt(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (const char c = text.front(); (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        return {static_cast<char>(c | 0x20), 1};
    }
    if (text.size() >= 3 && byte(0) == 0xEF) {
        if (byte(1) == 0xBC && byte(2) >= 0xA1 && byte(2) <= 0xBA) {
            return {static_cast<char>('a' + (byte(2) - 0xA1)), 3};
        }
        if (byte(1) == 0xBD && byte(2) >= 0x81 && byte(2) <= 0x9A) {
            return {static_cast<char>('a' + (byte(2) - 0x81)), 3};
        }
    }
    for (const MarkedLetter& letter : MarkedLetters) {
        if (text.starts_with(letter.Marked)) {
            return {letter.Plain, letter.Marked.size()};
        }
    }
    return {0, 0};
}

// Every reading of every row with its row, ordered by reading and then by row.
const std::vector<std::pair<std::string_view, CharIndex>>& ReadingIndex() {
    static const auto index = [] {
        std::vector<std::pair<std::string_view, CharIndex>> pairs;
        for (CharIndex row = 0; row < CharCount; ++row) {
            for (const std::string_view reading : Readings(row)) {
                pairs.emplace_back(reading, row);
            }
        }
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }();
    return index;
}

auto RowsReading(std::string_view spelling) {
    const auto& index = ReadingIndex();
    return std::equal_range(index.begin(), index.end(),
                            std::pair<std::string_view, CharIndex>(spelling, 0),
                            [](const auto& a, const auto& b) { return a.first < b.first; });
}

}  // namespace

std::vector<std::string_view> Readings(CharIndex index) {
    std::vector<std::string_view> readings;
    std::string_view rest = Pinyin(index);
    while (!rest.empty()) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        if (comma > 0) {
            readings.push_back(rest.substr(0, comma));
        }
        rest.remove_prefix(std::min(comma + 1, rest.size()));
    }
    return readings;
}

std::string ReadingSpelling(std::string_view typed) {
    std::string spelling;
    while (!typed.empty()) {
        const auto [letter, length] = LetterAt(typed);
        if (length > 0) {
            spelling += letter;
            typed.remove_prefix(length);
        } else if (typed.size() == 1 && typed.front() >= '0' && typed.front() <= '5' &&
                   !spelling.empty()) {
            typed.remove_prefix(1);  // the tone number, 0 or 5 for the neutral tone
        } else {
            return {};
        }
    }
    if (spelling.size() >= 2 && spelling[1] == 'v' && spelling.find_first_of("jqxy") == 0) {
        spelling[1] = 'u';
    }
    if (spelling == "lue" || spelling == "nue") {
        spelling[1] = 'v';
    }
    return spelling;
}

bool IsReading(std::string_view spelling) {
    const auto [first, last] = RowsReading(spelling);
    return first != last;
}

std::vector<CharIndex> CharsWithReading(std::string_view typed) {
    const std::string spelling = ReadingSpelling(typed);
    std::vector<CharIndex> rows;
    if (spelling.empty()) {
        return rows;
    }
    const auto [first, last] = RowsReading(spelling);
    for (auto pair = first; pair != last; ++pair) {
        rows.push_back(pair->second);
    }
    return rows;
}

std::vector<CharIndex> CharsWithRadical(int radical) {
    std::vector<CharIndex> rows;
    for (CharIndex row = 0; row < CharCount; ++row) {
        if (RadicalIndex(row) == radical) {
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace morvenda
