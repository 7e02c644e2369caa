#pragma once
// The 出处 of a name from the classics as a section of the name analysis: where the poem stands
// (work, section or tune, title, author) and the whole poem, the name's characters marked.

#include <string>

#include "naming/poetry_citation.h"

namespace morvenda {

std::string SourcePoemSection(const SourcePoem& poem);

}  // namespace morvenda
