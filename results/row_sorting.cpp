#include "results/row_sorting.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "base/gbk.h"

namespace morvenda {
namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The bytes rows are ordered by: the GBK form of the text with a … z read as A … Z. A text GBK
// cannot hold keeps its UTF-8 bytes, so it still has a fixed place. ASCII, which every number
// field is, reads the same in both encodings and skips the conversion.
std::string SortKey(std::string_view text) {
    std::string key = IsAscii(text) ? std::string(text)
                                    : gbk::FromUtf8(text).value_or(std::string(text));
    for (char& byte : key) {
        if (byte >= 'a' && byte <= 'z') {
            byte = static_cast<char>(byte - 'a' + 'A');
        }
    }
    return key;
}

// The first differing byte decides, as unsigned values; else the shorter text comes first.
int CompareKeys(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto byteA = static_cast<unsigned char>(a[i]);
        const auto byteB = static_cast<unsigned char>(b[i]);
        if (byteA != byteB) {
            return byteA - byteB;
        }
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

const std::string& FieldText(const ResultRow& row, int field) {
    return row.Fields[static_cast<std::size_t>(std::clamp(field, 0, ResultFieldCount - 1))];
}

}  // namespace

std::span<const std::string_view, SortKeyCount> SortKeyTexts() {
    static constexpr std::array<std::string_view, SortKeyCount> Texts{
        "姓名",     "天格",     "人格",         "地格",        "外格",         "总格",
        "格局评分", "五行格局", "笔画总数[简]", "笔画总数[繁]", "第二个字部首", "第三个字部首"};
    return Texts;
}

int CompareRows(const ResultRow& a, const ResultRow& b, int field, bool ascending) {
    const int order = CompareKeys(SortKey(FieldText(a, field)), SortKey(FieldText(b, field)));
    return ascending ? order : -order;
}

std::vector<std::size_t> SortRows(std::span<ResultRow> rows, int field, bool ascending) {
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const ResultRow& row : rows) {
        keys.push_back(SortKey(FieldText(row, field)));
    }
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        const int compared = CompareKeys(keys[x], keys[y]);
        return ascending ? compared < 0 : compared > 0;
    });
    std::vector<ResultRow> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t index : order) {
        sorted.push_back(std::move(rows[index]));
    }
    std::move(sorted.begin(), sorted.end(), rows.begin());
    return order;
}

}  // namespace morvenda
