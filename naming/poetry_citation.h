#pragma once
// The source of a name from the classics as text to show: the one-line citation of the result
// list's tooltip and the whole poem of the name analysis. The name's characters come as marked
// pieces, so that every window marks them its own way.

#include <optional>
#include <string>
#include <vector>

#include "dict/char_table.h"

namespace morvenda {

struct TextPiece {
    std::string Text;
    bool Marked = false;  // one of the name's characters

    bool operator==(const TextPiece&) const = default;
};

using MarkedText = std::vector<TextPiece>;

// "《关雎》（诗经·国风·周南）：窈窕淑女，君子好逑。", the author before the colon where known
// ("《静夜思》（唐诗三百首·五言绝句）李白：…"), with the name's characters marked in the
// line. Empty for a name that does not come from the classics.
MarkedText VerseCitation(NameCode code);

// The poem a name comes from, whole, for the analysis page's 出处.
struct SourcePoem {
    std::string Title;  // 关雎
    std::string Origin;  // the work and its section: 诗经·国风·周南, 楚辞·九歌, 宋词三百首
    std::string Author;  // empty where unknown
    // Every sentence of the poem; in the one the name comes from its characters are marked.
    std::vector<MarkedText> Sentences;
    std::size_t SourceSentence = 0;
};

std::optional<SourcePoem> RenderSourcePoem(NameCode code);

}  // namespace morvenda
