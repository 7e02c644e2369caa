#pragma once
// The frame every page of the program's own site shares: one style sheet, a title that names
// the page, the links between the pages that have content of their own, and escaping for every
// value that goes into the HTML.

#include <string>
#include <string_view>

namespace morvenda {

// The whole HTML document: the title goes into <title> and the heading; body is HTML already.
// Every page closes with the note that it is the program's own, not a web site's.
std::string SiteDocument(std::string_view title, std::string_view body);

// Text safe to put into HTML as text or as an attribute value.
std::string HtmlEscaped(std::string_view text);

}  // namespace morvenda
