#include "online/query_number.h"

#include <algorithm>

namespace morvenda {
namespace {

// Enough for any number a page reads; a value past it is out of range whatever it holds.
constexpr std::size_t MaxDigits = 9;
// How much of a value the sentence quotes: a long one is cut at a character boundary.
constexpr std::size_t QuotedBytes = 24;

std::string Quoted(std::string_view value) {
    if (value.size() <= QuotedBytes) {
        return "“" + std::string(value) + "”";
    }
    std::size_t end = QuotedBytes;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) {
        --end;
    }
    return "“" + std::string(value.substr(0, end)) + "…”";
}

std::string RangeText(const QueryNumberField& field) {
    return std::to_string(field.First) + " 至 " + std::to_string(field.Last);
}

}  // namespace

QueryNumber ReadQueryNumber(const std::vector<QueryItem>& query, const QueryNumberField& field,
                            int fallback) {
    const auto item = std::find_if(query.begin(), query.end(),
                                   [&](const QueryItem& i) { return i.Key == field.Key; });
    if (item == query.end() || item->Value.empty()) {
        return {fallback, {}};
    }
    const std::string_view value = item->Value;
    if (!std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return {0, std::string(field.Label) + Quoted(value) + "不是数字，请填写 " +
                       RangeText(field) + " 之间的整数。"};
    }
    const std::string_view digits =
        value.substr(std::min(value.find_first_not_of('0'), value.size() - 1));
    const int number = digits.size() <= MaxDigits ? std::stoi(std::string(digits)) : -1;
    if (number < field.First || number > field.Last) {
        return {0, std::string(field.Label) + Quoted(value) + "超出范围，请填写 " +
                       RangeText(field) + " 之间的整数。"};
    }
    return {number, {}};
}

}  // namespace morvenda
