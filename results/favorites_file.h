#pragma once
// The favourites file: one kept name a line, "A,B" with A the family code + 73 and B the name
// code + 37 in decimal, each line ending in CR LF, the lines sorted by their bytes and none
// twice. Everything here works on the file's text; the window reads and writes the file.
//
// Usage (window side):
//     list:   ReadWholeFile(FavoritesFilePath()) -> ListFavorites(text, candidates)
//     add:    new text <- AddFavorites(text, entries of the ticked rows)
//     remove: new text <- RemoveFavorites(text, entries of the ticked rows);
//             once written, DropListedFavorites(candidates, the same entries)
//
// A line that does not read as two decimal numbers, or whose family names no row of the table,
// is never listed and never changed: adding and removing keep it, as they keep every line
// beyond the ones a listing can show.

#include <compare>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "naming/candidate_lists.h"

namespace morvenda {

// One kept name with the family it was kept under.
struct FavoriteEntry {
    FamilyCode Family = 0;
    NameCode Code = 0;

    friend auto operator<=>(const FavoriteEntry&, const FavoriteEntry&) = default;
};

// Favorites.morvenda in the program's data folder, beside the settings file.
std::filesystem::path FavoritesFilePath();

// "A,B" without the line break.
std::string FavoriteLine(FavoriteEntry entry);

// The entry of a line: digits only on both sides of the first comma (leading zeros allowed),
// numbers that fit, and both family halves at most CharCount. Empty for any other line. The
// given-name halves are not tested: the listing reads any half beyond the table as no character.
std::optional<FavoriteEntry> ParseFavoriteLine(std::string_view line);

// The lines of a text: a CR, an LF or a CR LF ends a line, and a break at the very end makes no
// empty last line. Every other byte, a NUL too, belongs to its line, so no line is ever lost.
std::vector<std::string> SplitFavoriteLines(std::string_view text);

// What a listing shows: the first CandidateList::Capacity entries in file order, each kept name
// once, into NameCodes and FavoriteFamilyCodes; Count becomes their number.
void ListFavorites(std::string_view fileText, CandidateList& list);

// The file's text with the entries added, in the written form: every line the file held, each
// entry not yet in it, sorted, none twice.
std::string AddFavorites(std::string_view fileText, std::span<const FavoriteEntry> added);

// The file's text without every line of the removed entries, in the written form; all other
// lines stay.
std::string RemoveFavorites(std::string_view fileText, std::span<const FavoriteEntry> removed);

// Drops the removed entries from a listing of the favourites, keeping the order of the rest.
void DropListedFavorites(CandidateList& list, std::span<const FavoriteEntry> removed);

// "无法读取收藏夹：<path>（<reason>）" and "无法保存收藏夹：<path>（<reason>）".
std::string FavoritesReadFailureText(const std::filesystem::path& path, std::error_code error);
std::string FavoritesWriteFailureText(const std::filesystem::path& path, std::error_code error);

}  // namespace morvenda
