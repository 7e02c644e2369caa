#include "naming/poetry_names.h"

#include <algorithm>
#include <array>

#include "base/utf8.h"

namespace morvenda {
namespace {

struct PoemRecord {
    std::string_view Work;
    std::string_view Section;
    std::string_view Title;
    std::string_view Author;
    std::uint32_t FirstSentence;  // into PoemSentences
    std::uint32_t SentenceCount;
};

// A name's source; the byte offsets of its characters in the sentence, NoSecondChar for the
// missing second character of a one-character name.
struct NameRecord {
    NameCode Code;
    std::uint16_t Poem;
    std::uint16_t Sentence;
    std::uint16_t FirstByte;
    std::uint16_t SecondByte;
};

// PoemRecords, PoemSentences, NameRecords (ascending by code), and the names per sex and
// length in the order of their sources: MalePairs, MaleSingles, FemalePairs, FemaleSingles.
#include "naming/poetry_tables.inc"

}  // namespace

std::span<const NameCode> PoetryNames(int sexIndex, int nameLengthIndex) {
    const bool male = sexIndex == 0;
    switch (nameLengthIndex) {
        case 0:
            return male ? std::span<const NameCode>(MaleSingles) : FemaleSingles;
        case 1:
            return male ? std::span<const NameCode>(MalePairs) : FemalePairs;
        default:
            return {};
    }
}

std::optional<VerseSource> FindVerseSource(NameCode code) {
    const auto found = std::lower_bound(
        NameRecords.begin(), NameRecords.end(), code,
        [](const NameRecord& record, NameCode wanted) { return record.Code < wanted; });
    if (found == NameRecords.end() || found->Code != code) {
        return std::nullopt;
    }
    const PoemRecord& poem = PoemRecords[found->Poem];
    VerseSource source;
    source.Poem = {poem.Work, poem.Section, poem.Title, poem.Author,
                   std::span(PoemSentences).subspan(poem.FirstSentence, poem.SentenceCount)};
    source.Sentence = found->Sentence;
    const std::string_view sentence = source.SentenceText();
    source.First = {found->FirstByte, FirstUtf8Character(sentence.substr(found->FirstByte)).Length};
    if (found->SecondByte != NoSecondChar) {
        source.Second = {found->SecondByte,
                         FirstUtf8Character(sentence.substr(found->SecondByte)).Length};
    }
    return source;
}

}  // namespace morvenda
