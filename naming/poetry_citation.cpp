#include "naming/poetry_citation.h"

#include "naming/poetry_names.h"

namespace morvenda {
namespace {

std::string Origin(const PoetryPoem& poem) {
    std::string origin(poem.Work);
    if (!poem.Section.empty()) {
        origin += "·";
        origin += poem.Section;
    }
    return origin;
}

// The sentence in pieces, the name's characters (the ranges that are not empty) marked.
MarkedText MarkSentence(std::string_view sentence, const VerseSource& source) {
    MarkedText pieces;
    std::size_t at = 0;
    for (const VerseSource::Range& range : {source.First, source.Second}) {
        if (range.Length == 0) {
            continue;
        }
        if (range.Offset > at) {
            pieces.push_back({std::string(sentence.substr(at, range.Offset - at)), false});
        }
        pieces.push_back({std::string(sentence.substr(range.Offset, range.Length)), true});
        at = range.Offset + range.Length;
    }
    if (at < sentence.size()) {
        pieces.push_back({std::string(sentence.substr(at)), false});
    }
    return pieces;
}

}  // namespace

MarkedText VerseCitation(NameCode code) {
    const std::optional<VerseSource> source = FindVerseSource(code);
    if (!source) {
        return {};
    }
    std::string heading = "《";
    heading += source->Poem.Title;
    heading += "》（" + Origin(source->Poem) + "）";
    heading += source->Poem.Author;
    heading += "：";
    MarkedText citation = MarkSentence(source->SentenceText(), *source);
    if (citation.front().Marked) {
        citation.insert(citation.begin(), {std::move(heading), false});
    } else {
        citation.front().Text.insert(0, heading);
    }
    return citation;
}

std::optional<SourcePoem> RenderSourcePoem(NameCode code) {
    const std::optional<VerseSource> source = FindVerseSource(code);
    if (!source) {
        return std::nullopt;
    }
    SourcePoem poem{std::string(source->Poem.Title),
                    Origin(source->Poem),
                    std::string(source->Poem.Author),
                    {},
                    source->Sentence};
    for (std::size_t s = 0; s < source->Poem.Sentences.size(); ++s) {
        const std::string_view sentence = source->Poem.Sentences[s];
        poem.Sentences.push_back(s == source->Sentence
                                     ? MarkSentence(sentence, *source)
                                     : MarkedText{TextPiece{std::string(sentence), false}});
    }
    return poem;
}

}  // namespace morvenda
