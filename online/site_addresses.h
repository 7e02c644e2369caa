#pragma once
// Where the program's web pages live. The maker's site cannot be reached from a user's machine,
// and a made-up internet host would send a child's name and birth date to whoever owns it, so
// every base address points into the stand-in site the program serves itself under the
// scheme "morvenda".

#include <array>
#include <string_view>

namespace morvenda {

inline constexpr std::string_view SiteScheme = "morvenda";

// Root of the web site: tools, dictionary, classics.
inline constexpr std::string_view SiteRoot = "morvenda://site/";
// The fortune-telling pages, one folder below the root.
inline constexpr std::string_view FortuneBase = "morvenda://site/sm/";
// The program's own pages (help, updates, the author) on their own host.
inline constexpr std::string_view SoftwareBase = "morvenda://soft/";

static_assert(FortuneBase.substr(0, SiteRoot.size()) == SiteRoot &&
              FortuneBase.substr(SiteRoot.size()) == "sm/");

// The release the update page is asked about.
inline constexpr std::string_view ProgramVersion = "20091201";

// The horoscope periods, picked by a forecast item's tag 1 … 6.
inline constexpr std::array<std::string_view, 6> ForecastPeriods{"today", "nextday", "week",
                                                                 "month", "year",    "yearlove"};

}  // namespace morvenda
