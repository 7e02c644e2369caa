#include "results/favorites_file.h"

#include <algorithm>
#include <cstdint>
#include <set>

#include "base/program_files.h"

namespace morvenda {
namespace {

constexpr std::uint64_t FamilyOffset = 73;
constexpr std::uint64_t NameOffset = 37;
constexpr std::uint64_t CodeLimit = std::uint64_t{1} << 32;

// A number of the line minus its offset, when it is all digits and the result is a 32-bit code.
std::optional<std::uint32_t> Code(std::string_view digits, std::uint64_t offset) {
    if (digits.empty()) {
        return {};
    }
    std::uint64_t value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') {
            return {};
        }
        value = value * 10 + static_cast<std::uint64_t>(digit - '0');
        if (value >= CodeLimit + offset) {
            return {};
        }
    }
    if (value < offset) {
        return {};
    }
    return static_cast<std::uint32_t>(value - offset);
}

bool NamesTableRows(FamilyCode family) {
    return (family >> 16) <= static_cast<FamilyCode>(CharCount) &&
           (family & 0xFFFF) <= static_cast<FamilyCode>(CharCount);
}

// Sorted by their bytes, each once, every line ending in CR LF.
std::string WrittenText(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace

std::filesystem::path FavoritesFilePath() {
    return GetProgramFilesDir() / "Favorites.morvenda";
}

std::string FavoriteLine(FavoriteEntry entry) {
    return std::to_string(entry.Family + FamilyOffset) + "," +
           std::to_string(entry.Code + NameOffset);
}

std::optional<FavoriteEntry> ParseFavoriteLine(std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return {};
    }
    const std::optional<std::uint32_t> family = Code(line.substr(0, comma), FamilyOffset);
    const std::optional<std::uint32_t> name = Code(line.substr(comma + 1), NameOffset);
    if (!family || !name || !NamesTableRows(*family)) {
        return {};
    }
    return FavoriteEntry{*family, *name};
}

std::vector<std::string> SplitFavoriteLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

void ListFavorites(std::string_view fileText, CandidateList& list) {
    std::set<FavoriteEntry> listed;
    int count = 0;
    for (const std::string& line : SplitFavoriteLines(fileText)) {
        if (count == CandidateList::Capacity) {
            break;
        }
        const std::optional<FavoriteEntry> entry = ParseFavoriteLine(line);
        if (!entry || !listed.insert(*entry).second) {
            continue;
        }
        list.NameCodes[static_cast<std::size_t>(count)] = entry->Code;
        list.FavoriteFamilyCodes[static_cast<std::size_t>(count)] = entry->Family;
        ++count;
    }
    list.Count = count;
}

std::string AddFavorites(std::string_view fileText, std::span<const FavoriteEntry> added) {
    std::vector<std::string> lines = SplitFavoriteLines(fileText);
    std::set<FavoriteEntry> kept;
    for (const std::string& line : lines) {
        if (const std::optional<FavoriteEntry> entry = ParseFavoriteLine(line)) {
            kept.insert(*entry);
        }
    }
    for (const FavoriteEntry& entry : added) {
        if (kept.insert(entry).second) {
            lines.push_back(FavoriteLine(entry));
        }
    }
    return WrittenText(std::move(lines));
}

std::string RemoveFavorites(std::string_view fileText, std::span<const FavoriteEntry> removed) {
    const std::set<FavoriteEntry> gone(removed.begin(), removed.end());
    std::vector<std::string> lines = SplitFavoriteLines(fileText);
    std::erase_if(lines, [&gone](const std::string& line) {
        const std::optional<FavoriteEntry> entry = ParseFavoriteLine(line);
        return entry && gone.contains(*entry);
    });
    return WrittenText(std::move(lines));
}

void DropListedFavorites(CandidateList& list, std::span<const FavoriteEntry> removed) {
    const std::set<FavoriteEntry> gone(removed.begin(), removed.end());
    int kept = 0;
    for (int i = 0; i < list.Count; ++i) {
        const auto from = static_cast<std::size_t>(i);
        if (gone.contains({list.FavoriteFamilyCodes[from], list.NameCodes[from]})) {
            continue;
        }
        const auto to = static_cast<std::size_t>(kept++);
        list.NameCodes[to] = list.NameCodes[from];
        list.FavoriteFamilyCodes[to] = list.FavoriteFamilyCodes[from];
    }
    list.Count = kept;
}

std::string FavoritesReadFailureText(const std::filesystem::path& path, std::error_code error) {
    return "无法读取收藏夹：" + path.string() + "（" + FileErrorReason(error) + "）";
}

std::string FavoritesWriteFailureText(const std::filesystem::path& path, std::error_code error) {
    return "无法保存收藏夹：" + path.string() + "（" + FileErrorReason(error) + "）";
}

}  // namespace morvenda
