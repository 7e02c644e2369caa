#include "online/query_reader.h"

#include <algorithm>

#include "chart/birth_date_lists.h"
#include "naming/family_name.h"

namespace morvenda {
namespace {

// Enough of a value to recognise it; a value of many kilobytes is not repeated back.
constexpr std::size_t QuotedCharacters = 16;

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

const std::string* QueryValue(const std::vector<QueryItem>& query, std::string_view key) {
    for (const QueryItem& item : query) {
        if (item.Key == key) {
            return &item.Value;
        }
    }
    return nullptr;
}

std::optional<std::string> QueryReader::Text(std::string_view key, std::string_view caption,
                                             std::size_t maxCharacters) {
    const std::string* value = QueryValue(query_, key);
    const std::string_view text = value ? Trimmed(*value) : std::string_view();
    if (text.empty()) {
        Add("缺少" + std::string(caption) + "（" + std::string(key) + "）。");
        return std::nullopt;
    }
    if (const std::size_t count = TextCharacters(text).size(); count > maxCharacters) {
        Add(std::string(caption) + Quoted(text) + "太长：共 " + std::to_string(count) +
            " 个字符，最多 " + std::to_string(maxCharacters) + " 个。");
        return std::nullopt;
    }
    return std::string(text);
}

std::optional<int> QueryReader::Number(std::string_view key, std::string_view caption, int low,
                                       int high) {
    const std::optional<std::string> text = Text(key, caption, QuotedCharacters * 4);
    if (!text) {
        return std::nullopt;
    }
    const std::string wanted =
        "，请填写 " + std::to_string(low) + " 至 " + std::to_string(high) + " 之间的整数。";
    const std::optional<int> number = ParseListNumber(*text);
    // Digits too many for any number a page reads are out of range, not "not a number".
    const std::string_view digits = std::string_view(*text).substr(
        !text->empty() && (text->front() == '-' || text->front() == '+') ? 1 : 0);
    const bool allDigits = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    if (!number && !allDigits) {
        Add(std::string(caption) + Quoted(*text) + "不是数字" + wanted);
        return std::nullopt;
    }
    if (!number || *number < low || *number > high) {
        Add(std::string(caption) + Quoted(*text) + "超出范围" + wanted);
        return std::nullopt;
    }
    return number;
}

std::optional<int> QueryReader::NumberOr(std::string_view key, std::string_view caption, int low,
                                         int high, int fallback) {
    const std::string* value = QueryValue(query_, key);
    if (!value || Trimmed(*value).empty()) {
        return fallback;
    }
    return Number(key, caption, low, high);
}

std::string Quoted(std::string_view value) {
    const std::vector<std::string_view> characters = TextCharacters(value);
    std::string quoted = "“";
    for (std::size_t c = 0; c < characters.size() && c < QuotedCharacters; ++c) {
        quoted += characters[c];
    }
    if (characters.size() > QuotedCharacters) {
        quoted += "…";
    }
    return quoted + "”";
}

std::string ProblemList(std::string_view lead, const std::vector<std::string>& problems) {
    std::string html = "<div class=\"error\">\n<p>" + HtmlEscaped(lead) + "</p>\n<ul>\n";
    for (const std::string& problem : problems) {
        html += "<li>" + HtmlEscaped(problem) + "</li>\n";
    }
    return html + "</ul>\n</div>\n";
}

}  // namespace morvenda
