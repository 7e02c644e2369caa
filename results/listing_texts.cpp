#include "results/listing_texts.h"

namespace morvenda {
namespace {

// Fifteen characters; the progress shows a growing start of it.
constexpr std::string_view ProgressMessage = "正在计算数据， 请稍等....";

// Byte length of the first `count` UTF-8 characters of the text.
std::size_t Utf8PrefixLength(std::string_view text, int count) {
    std::size_t length = 0;
    for (int taken = 0; taken < count && length < text.size(); ++taken) {
        ++length;
        while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
            ++length;
        }
    }
    return length;
}

}  // namespace

std::vector<std::string> TextListLines(std::span<const ResultRow> rows, int candidateCount) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        line += rows[r].Fields[0] + "  ";
        if (r % NamesPerTextLine == NamesPerTextLine - 1) {
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    lines.emplace_back(" ");
    lines.push_back("查询共取得 " + std::to_string(candidateCount) + " 个名字");
    return lines;
}

bool IsProgressRow(int rowIndex) { return rowIndex % ProgressRowInterval == 0; }

std::string ProgressText(int rowIndex) {
    const int shown = (rowIndex / 50) % 15;
    return std::string(ProgressMessage.substr(0, Utf8PrefixLength(ProgressMessage, shown)));
}

std::string CountLabelText(int rowCount) {
    return "查询一共获得 " + std::to_string(rowCount) + " 个名字";
}

}  // namespace morvenda
