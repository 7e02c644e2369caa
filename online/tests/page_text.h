#pragma once
// Reading a served page the way the tests look at it: its title, and whether a piece of HTML
// stands in it.

#include <string>

namespace morvenda {

// "(no title)" for a document without one, so a broken page fails on its title, not on a throw.
inline std::string TitleOf(const std::string& html) {
    const std::size_t open = html.find("<title>");
    const std::size_t close = html.find("</title>");
    if (open == std::string::npos || close == std::string::npos) {
        return "(no title)";
    }
    return html.substr(open + 7, close - open - 7);
}

inline bool Holds(const std::string& html, const std::string& part) {
    return html.find(part) != std::string::npos;
}

}  // namespace morvenda
