#include "online/page_form.h"

#include "chart/birth_date_lists.h"
#include "online/birth_query.h"
#include "online/query_reader.h"
#include "online/site_document.h"

namespace morvenda {
namespace {

FormChoices NumberChoices(int low, int high) {
    FormChoices choices;
    for (int n = low; n <= high; ++n) {
        choices.emplace_back(std::to_string(n), std::to_string(n));
    }
    return choices;
}

// The hour list of the window without its "未知": a chart needs the hour.
FormChoices HourChoices() {
    const std::vector<std::string> items = HourItems();
    FormChoices choices;
    for (std::size_t h = 1; h < items.size(); ++h) {
        choices.emplace_back(std::to_string(h - 1), items[h]);
    }
    return choices;
}

std::string Label(std::string_view caption, const std::string& control) {
    return "<label>" + HtmlEscaped(caption) + " " + control + "</label>\n";
}

}  // namespace

PageForm::PageForm(std::string_view action, const std::vector<QueryItem>& query)
    : action_(action), query_(query) {}

void PageForm::TextBox(std::string_view key, std::string_view caption, int size,
                       std::string_view placeholder) {
    const std::string* asked = QueryValue(query_, key);
    std::string control = "<input type=\"text\" name=\"" + HtmlEscaped(key) + "\" size=\"" +
                          std::to_string(size) + "\"";
    if (asked) {
        control += " value=\"" + HtmlEscaped(*asked) + "\"";
    }
    if (!placeholder.empty()) {
        control += " placeholder=\"" + HtmlEscaped(placeholder) + "\"";
    }
    controls_ += Label(caption, control + ">");
}

void PageForm::List(std::string_view key, std::string_view caption, const FormChoices& choices) {
    const std::string* asked = QueryValue(query_, key);
    std::string control = "<select name=\"" + HtmlEscaped(key) + "\">";
    for (const auto& [value, text] : choices) {
        control += "<option value=\"" + HtmlEscaped(value) + "\"";
        if (asked && *asked == value) {
            control += " selected";
        }
        control += ">" + HtmlEscaped(text) + "</option>";
    }
    controls_ += Label(caption, control + "</select>");
}

void PageForm::CheckBox(std::string_view key, std::string_view caption) {
    std::string control = "<input type=\"checkbox\" name=\"" + HtmlEscaped(key) + "\" value=\"1\"";
    if (QueryValue(query_, key)) {
        control += " checked";
    }
    controls_ += Label(caption, control + ">");
}

void PageForm::Hidden(std::string_view key, std::string_view value) {
    controls_ += "<input type=\"hidden\" name=\"" + HtmlEscaped(key) + "\" value=\"" +
                 HtmlEscaped(value) + "\">\n";
}

void PageForm::BirthMoment() {
    TextBox(YearKey, "年", 5, "2009");
    List(MonthKey, "月", NumberChoices(1, 12));
    List(DayKey, "日", NumberChoices(1, 31));
    List(HourKey, "时", HourChoices());
}

std::string PageForm::Html(std::string_view submitCaption) const {
    return "<form method=\"get\" action=\"" + HtmlEscaped(action_) + "\">\n" + controls_ +
           "<button type=\"submit\">" + HtmlEscaped(submitCaption) + "</button>\n</form>\n";
}

}  // namespace morvenda
