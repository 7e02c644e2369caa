#pragma once
// Where the program's own pages live. The addresses name the program's offline site, served
// inside the program, so that no name or birth date typed here leaves the machine.

#include <string_view>

namespace morvenda {

// Root of the program's own pages (help, updates), ending in "/"; the printed lists show it in
// their page header as the program's address.
inline constexpr std::string_view SoftwareBase = "morvenda://soft/";

}  // namespace morvenda
