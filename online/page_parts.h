#pragma once
// Pieces of HTML the site's pages build alike, every value escaped.

#include <string>
#include <string_view>

#include "base/elements.h"

namespace morvenda {

// Every element of a character's set in the order of the five (秋 carries two by its radical);
// "无" for a character without one.
std::string ElementsCellText(ElementMask mask);
// <a> to the address with the text.
std::string PageLink(std::string_view address, std::string_view text);
// A link, or the text alone (dimmed) when there is nowhere to go: the first and last of a
// range keep their place in the line instead of moving the other links.
std::string StepLink(bool exists, std::string_view address, std::string_view text);
// The <option>s of a <select> for first … last, the selected one marked.
std::string NumberOptions(int first, int last, int selected);

}  // namespace morvenda
