#pragma once
// The names from the classics: given names whose characters stand together in a line of 诗经,
// 楚辞, 唐诗三百首 or 宋词三百首, each with the place it comes from. Compiled in from
// naming/data/classics, whose report says how the names were chosen.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "dict/char_table.h"

namespace morvenda {

// A poem of the classics, in simplified characters, sentence by sentence.
struct PoetryPoem {
    std::string_view Work;     // 诗经, 楚辞, 唐诗三百首 or 宋词三百首
    std::string_view Section;  // 国风·周南, 九歌, 五言绝句; empty where the work has none
    std::string_view Title;    // a ci's tune
    std::string_view Author;   // empty where unknown
    std::span<const std::string_view> Sentences;
};

// Where a name comes from: the first line of the classics that holds it, in the order 诗经,
// 楚辞, 唐诗三百首, 宋词三百首.
struct VerseSource {
    PoetryPoem Poem;
    std::size_t Sentence = 0;  // index into Poem.Sentences
    // Byte ranges in that sentence of the name's characters, in the name's order; the second
    // is empty (Length 0) for a one-character name.
    struct Range {
        std::size_t Offset = 0;
        std::size_t Length = 0;
    };
    Range First;
    Range Second;

    std::string_view SentenceText() const { return Poem.Sentences[Sentence]; }
};

// The names from the classics that may be given to the sex (0 男, any other 女) with the length
// (the name-length list's item index: 0 单字, 1 双字; any other value gives none), in the
// order of their sources.
std::span<const NameCode> PoetryNames(int sexIndex, int nameLengthIndex);

// The source of a name from the classics, of either sex; none for any other code.
std::optional<VerseSource> FindVerseSource(NameCode code);

}  // namespace morvenda
