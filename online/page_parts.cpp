#include "online/page_parts.h"

#include "online/site_document.h"

namespace morvenda {

std::string ElementsCellText(ElementMask mask) {
    std::string text;
    for (const Element element : AllElements) {
        if (mask.Contains(element)) {
            text += ElementText(element);
        }
    }
    return text.empty() ? "无" : text;
}

std::string PageLink(std::string_view address, std::string_view text) {
    return "<a href=\"" + HtmlEscaped(address) + "\">" + HtmlEscaped(text) + "</a>";
}

std::string StepLink(bool exists, std::string_view address, std::string_view text) {
    return exists ? PageLink(address, text)
                  : "<span class=\"off\">" + HtmlEscaped(text) + "</span>";
}

std::string NumberOptions(int first, int last, int selected) {
    std::string options;
    for (int value = first; value <= last; ++value) {
        const std::string text = std::to_string(value);
        options += "<option value=\"" + text + "\"" + (value == selected ? " selected" : "") + ">" +
                   text + "</option>";
    }
    return options;
}

}  // namespace morvenda
