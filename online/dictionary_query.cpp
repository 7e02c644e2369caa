#include "online/dictionary_query.h"

#include <algorithm>
#include <optional>

#include "base/utf8.h"
#include "dict/char_search.h"
#include "dict/char_table.h"

namespace morvenda {
namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

// A letter run that is no reading is named up to this many letters.
constexpr std::size_t LongestShownRun = 20;

struct Piece {
    char32_t Code;
    std::string_view Bytes;  // as given; one byte for a sequence that is not UTF-8
};

// The character at the start of text; a byte that begins no valid sequence is U+FFFD.
Piece PieceAt(std::string_view text) {
    const Utf8Character character = FirstUtf8Character(text);
    return {character.Code, text.substr(0, character.Length)};
}

// Spaces and punctuation, ASCII, general and CJK, and the full-width forms of ASCII signs.
bool IsSeparator(char32_t code) {
    return code < 0x80 || (code >= 0x2000 && code <= 0x206F) ||
           (code >= 0x3000 && code <= 0x303F) || (code >= 0xFF01 && code <= 0xFF20) ||
           (code >= 0xFF3B && code <= 0xFF40) || (code >= 0xFF5B && code <= 0xFF65) ||
           code == 0xFEFF || code == 0xA0;
}

bool IsLetter(const Piece& piece) {
    return !ReadingSpelling(piece.Bytes).empty();
}

bool IsToneNumber(const Piece& piece) {
    return piece.Code >= '0' && piece.Code <= '5';
}

// The readings a run of letters (ending in at most one tone number) is made of, the longest
// first reading first: "zhangsan" is zhang san, "xian" stays one reading.
std::optional<std::vector<std::string>> SplitIntoReadings(const std::vector<Piece>& run) {
    constexpr std::size_t LongestReading = 7;  // "zhuang" and a tone number
    const std::size_t n = run.size();
    // next[i]: where the reading that starts at piece i ends, when the rest splits from there.
    std::vector<std::size_t> next(n + 1, 0);
    std::vector<bool> splits(n + 1, false);
    splits[n] = true;
    const auto text = [&](std::size_t from, std::size_t to) {
        return std::string_view(
            run[from].Bytes.data(),
            static_cast<std::size_t>(run[to - 1].Bytes.data() + run[to - 1].Bytes.size() -
                                     run[from].Bytes.data()));
    };
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t end = std::min(n, i + LongestReading); end > i; --end) {
            if (splits[end] && IsReading(ReadingSpelling(text(i, end)))) {
                splits[i] = true;
                next[i] = end;
                break;
            }
        }
    }
    if (!splits[0]) {
        return std::nullopt;
    }
    std::vector<std::string> readings;
    for (std::size_t i = 0; i < n; i = next[i]) {
        readings.push_back(ReadingSpelling(text(i, next[i])));
    }
    return readings;
}

template <typename T>
void AddOnce(std::vector<T>& list, T value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) {
        list.push_back(std::move(value));
    }
}

}  // namespace

DictionaryQuery ParseDictionaryQuery(std::string_view query) {
    DictionaryQuery parsed;
    std::vector<Piece> pieces;
    while (!query.empty()) {
        if (pieces.size() == MaxQueryLength) {
            parsed.Shortened = true;
            break;
        }
        const Piece piece = PieceAt(query);
        query.remove_prefix(piece.Bytes.size());
        pieces.push_back(piece);
        parsed.Searched += piece.Code == 0xFFFD ? Replacement : piece.Bytes;
    }

    std::vector<Piece> run;
    const auto endRun = [&] {
        if (run.empty()) {
            return;
        }
        // Each tone number closes a chunk: "zhang1san1" is two readings whatever they spell.
        std::vector<Piece> chunk;
        for (std::size_t i = 0; i < run.size(); ++i) {
            chunk.push_back(run[i]);
            if (i + 1 < run.size() && !IsToneNumber(run[i])) {
                continue;
            }
            if (const auto readings = SplitIntoReadings(chunk)) {
                for (const std::string& reading : *readings) {
                    AddOnce(parsed.Readings, reading);
                }
            } else {
                std::string typed;
                for (std::size_t j = 0; j < std::min(chunk.size(), LongestShownRun); ++j) {
                    typed += chunk[j].Bytes;
                }
                AddOnce(parsed.NotFound, chunk.size() > LongestShownRun ? typed + "…" : typed);
            }
            chunk.clear();
        }
        run.clear();
    };
    for (const Piece& piece : pieces) {
        if (IsLetter(piece) || (IsToneNumber(piece) && !run.empty() && IsLetter(run.back()))) {
            run.push_back(piece);
            continue;
        }
        endRun();
        if (IsSeparator(piece.Code)) {
            continue;
        }
        const std::string glyph(piece.Code == 0xFFFD ? Replacement : piece.Bytes);
        if (const CharIndex row = FindCharIndex(glyph); IsCharacterRow(row)) {
            AddOnce(parsed.Characters, row);
        } else {
            AddOnce(parsed.NotFound, glyph);
        }
    }
    endRun();
    return parsed;
}

}  // namespace morvenda
