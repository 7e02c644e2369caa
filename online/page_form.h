#pragma once
// The GET forms of the site's pages: text boxes and lists that come back filled with what the
// page was asked, and the birth date and hour both the name analysis and the chart ask for.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "online/stand_in_site.h"

namespace morvenda {

// (value, caption) of a list's items.
using FormChoices = std::vector<std::pair<std::string, std::string>>;

class PageForm {
  public:
    // action: the page's address without a query; the query fills the controls.
    PageForm(std::string_view action, const std::vector<QueryItem>& query);

    void TextBox(std::string_view key, std::string_view caption, int size,
                 std::string_view placeholder = {});
    void List(std::string_view key, std::string_view caption, const FormChoices& choices);
    void CheckBox(std::string_view key, std::string_view caption);
    void Hidden(std::string_view key, std::string_view value);
    // Year text box, month, day and hour lists.
    void BirthMoment();

    std::string Html(std::string_view submitCaption) const;

  private:
    std::string action_;
    const std::vector<QueryItem>& query_;
    std::string controls_;
};

}  // namespace morvenda
