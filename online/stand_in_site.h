#pragma once
// The site the program serves itself behind its base addresses. Every page is one function of
// the request, found by the request's location (host and path) in one table; a location of the
// page table that has no content of its own shows the caption of its entry and what the page
// was asked, and says that it is the program's offline page.
//
// Usage (scheme handler): reply with StandInPage(the requested address) as UTF-8 HTML.

#include <string>
#include <string_view>
#include <vector>

#include "online/page_table.h"
#include "online/site_document.h"

namespace morvenda {

struct QueryItem {
    std::string Key;
    std::string Value;
    friend bool operator==(const QueryItem&, const QueryItem&) = default;
};

struct PageRequest {
    std::string Address;           // as the browser asked for it
    std::string Location;          // host and path, "site/sm/sm/sm.asp"; empty when not ours
    std::vector<QueryItem> Query;  // percent-decoded, in the order asked
};

PageRequest ParseRequest(std::string_view address);

// The page-table entry an address stands for: among the entries of the same location, the one
// whose fixed query items the request holds, the most specific first, the earliest on a tie.
const OnlinePage* PageOfRequest(const PageRequest& request);

// The whole HTML document for an address of the scheme; "找不到页面" for one the site lacks.
std::string StandInPage(std::string_view address);

}  // namespace morvenda
