#pragma once
// Reading the values a page was asked for, each checked on its own, with a sentence for every
// value that is missing or wrong, so a page lists all of them at once instead of failing on the
// first. A value goes into a sentence shortened and never as HTML.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "online/stand_in_site.h"

namespace morvenda {

// The value of the first item with the key; nullptr when the query has none.
const std::string* QueryValue(const std::vector<QueryItem>& query, std::string_view key);

class QueryReader {
  public:
    explicit QueryReader(const std::vector<QueryItem>& query) : query_(query) {}

    // Whether the key was given at all, even empty.
    bool Has(std::string_view key) const { return QueryValue(query_, key) != nullptr; }

    // The value trimmed of blanks; a missing or blank one, or one longer than maxCharacters
    // characters, records a problem named by caption (出生年份).
    std::optional<std::string> Text(std::string_view key, std::string_view caption,
                                    std::size_t maxCharacters);

    // A decimal number low … high; anything else records a problem that says what to give.
    std::optional<int> Number(std::string_view key, std::string_view caption, int low, int high);
    // The same, with fallback for a value that is missing or blank, as a page opened without
    // asking for anything shows its default.
    std::optional<int> NumberOr(std::string_view key, std::string_view caption, int low, int high,
                                int fallback);

    // A problem found beyond single values (a date the month does not have).
    void Add(std::string problem) { problems_.push_back(std::move(problem)); }

    const std::vector<std::string>& Problems() const { return problems_; }

  private:
    const std::vector<QueryItem>& query_;
    std::vector<std::string> problems_;
};

// A value as a sentence quotes it: “…”, cut to its first few characters.
std::string Quoted(std::string_view value);

// The problems as the HTML of a page that says what is wrong.
std::string ProblemList(std::string_view lead, const std::vector<std::string>& problems);

}  // namespace morvenda
