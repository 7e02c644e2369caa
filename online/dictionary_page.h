#pragma once
// The dictionary pages below SiteRoot + "xhzd/", told apart by their query:
//   xhzd/            the search box and the radicals to browse by
//   xhzd/?q=…        the characters a search finds (characters, readings without tones)
//   xhzd/?zi=长      one character with every field and the characters sharing its radical
//   xhzd/?bs=氵      the characters of one radical, by stroke count
// A value that names no character or radical is searched for instead, so every address shows
// a page that says what it found.

#include <string>

#include "online/stand_in_site.h"

namespace morvenda {

std::string DictionaryPage(const PageRequest& request);

}  // namespace morvenda
