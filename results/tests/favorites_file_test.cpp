#include "results/favorites_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "dict/char_table.h"
#include "results/result_row.h"

namespace morvenda {
namespace {

using Lines = std::vector<std::string>;

std::string Text(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

FamilyCode Family(const char* first, const char* second = nullptr) {
    return MakeFamilyCode(FindCharIndex(first), second ? FindCharIndex(second) : CharCount);
}

NameCode Name(const char* first, const char* second = nullptr) {
    return MakeNameCode(FindCharIndex(first), second ? FindCharIndex(second) : NoSecondChar);
}

std::vector<FavoriteEntry> Listed(const CandidateList& list) {
    std::vector<FavoriteEntry> entries;
    for (int i = 0; i < list.Count; ++i) {
        entries.push_back({list.FavoriteFamilyCodes[static_cast<std::size_t>(i)],
                           list.NameCodes[static_cast<std::size_t>(i)]});
    }
    return entries;
}

// 2500 one-character names under 王 and 李 by turns, in an order the sorted form would not give.
std::vector<FavoriteEntry> ManyEntries() {
    std::vector<FavoriteEntry> entries;
    for (NameCode i = 0; i < 2500; ++i) {
        const NameCode row = (i * 7) % 2500;
        entries.push_back({i % 2 ? Family("李") : Family("王"), SingleNameCode(static_cast<CharIndex>(row))});
    }
    return entries;
}

Lines LinesOf(const std::vector<FavoriteEntry>& entries) {
    Lines lines;
    for (const FavoriteEntry& entry : entries) {
        lines.push_back(FavoriteLine(entry));
    }
    return lines;
}

// Lines no listing may show: broken numbers and families that name no row of the table.
const Lines BadLines{"",
                     "7300",
                     "7300,",
                     ",39",
                     "abc,def",
                     "7300,39 ",
                     "+7300,39",
                     "72,39",
                     "7300,36",
                     "99999999999999999999,39",
                     "7300,4294967333",
                     std::to_string((7228u << 16 | 7227u) + 73) + ",39",
                     "7301,39",
                     std::string("7300,\0"
                                 "39",
                                 8),
                     "7300,39,40"};

TEST(FavoritesFile, WritesTheThreeExampleLinesSorted) {
    ASSERT_EQ(FindCharIndex("华"), 0);
    ASSERT_EQ(FindCharIndex("明"), 2);
    ASSERT_EQ(FindCharIndex("海"), 7);
    ASSERT_EQ(FindCharIndex("金"), 27);
    const std::vector<FavoriteEntry> examples{{Family("华"), Name("华", "明")},
                                              {Family("明"), Name("海")},
                                              {Family("华", "明"), Name("海", "金")}};
    EXPECT_EQ(LinesOf(examples), (Lines{"7300,39", "138372,524324", "75,458816"}));
    for (const FavoriteEntry& entry : examples) {
        EXPECT_EQ(ParseFavoriteLine(FavoriteLine(entry)), entry);
    }
    EXPECT_EQ(AddFavorites("", examples), "138372,524324\r\n7300,39\r\n75,458816\r\n");
}

TEST(FavoritesFile, ReadsOnlyLinesOfTwoDecimalCodesWithAFamilyOfTheTable) {
    for (const std::string& line : BadLines) {
        EXPECT_EQ(ParseFavoriteLine(line), std::nullopt) << line;
    }
    struct Good {
        std::string Line;
        FavoriteEntry Entry;
    };
    const NameCode noName = 0xFFFFFFFF;  // given halves beyond the table read as no character
    for (const Good& good :
         {Good{"0075,0458816", {2, 458779}}, Good{"7300,4294967332", {7227, noName}},
          Good{std::to_string((7227u << 16 | 7227u) + 73) + ",37", {7227u << 16 | 7227u, 0}}}) {
        EXPECT_EQ(ParseFavoriteLine(good.Line), good.Entry) << good.Line;
    }
}

TEST(FavoritesFile, SplitsLinesAtEveryKindOfBreakAndKeepsEveryByte) {
    struct Case {
        std::string Text;
        Lines Expected;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"a\r\r\n\n", {"a", "", ""}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitFavoriteLines(c.Text), c.Expected) << c.Text;
    }
}

TEST(FavoritesFile, ListsTheFirst2000GoodEntriesInFileOrderEachOnce) {
    const std::vector<FavoriteEntry> entries = ManyEntries();
    Lines lines = BadLines;
    lines.push_back(FavoriteLine(entries[0]));  // a name kept twice lists once
    for (const std::string& line : LinesOf(entries)) {
        lines.push_back(line);
    }
    CandidateList list;
    list.Count = 7;
    ListFavorites(Text(lines), list);
    EXPECT_EQ(Listed(list), std::vector<FavoriteEntry>(entries.begin(), entries.begin() + 2000));

    ListFavorites("", list);
    EXPECT_EQ(list.Count, 0);
}

TEST(FavoritesFile, AddingMergesSortedAndTwiceChangesNothing) {
    const std::vector<FavoriteEntry> added{{Family("王"), Name("海")}, {Family("李"), Name("海")}};
    const std::string once = AddFavorites(Text({"7300,39"}), added);
    // By bytes, not by value: the short 7300 comes after the longer codes of 王 and 李.
    EXPECT_EQ(SplitFavoriteLines(once),
              (Lines{FavoriteLine(added[1]), FavoriteLine(added[0]), "7300,39"}));
    EXPECT_EQ(AddFavorites(once, added), once);

    // A kept name written with leading zeros is the same name.
    EXPECT_EQ(AddFavorites(Text({"0075,458816"}), std::vector<FavoriteEntry>{{2, 458779}}),
              Text({"0075,458816"}));
    EXPECT_EQ(AddFavorites("", {}), "");
}

TEST(FavoritesFile, RemovingDeletesExactlyTheLinesOfTheRemovedNames) {
    const std::vector<FavoriteEntry> many = ManyEntries();
    const std::vector<FavoriteEntry> five(many.begin(), many.begin() + 5);
    EXPECT_EQ(RemoveFavorites(AddFavorites("", five), std::vector{five[1], five[3]}),
              AddFavorites("", std::vector{five[0], five[2], five[4]}));

    // Lines beyond a listing, lines that do not read and other forms of a removed name.
    Lines lines = LinesOf(many);
    lines.insert(lines.end(), BadLines.begin(), BadLines.end());
    lines.push_back("0" + FavoriteLine(many[1]));
    const std::string removed = RemoveFavorites(Text(lines), std::vector{many[0], many[1]});

    Lines expected(lines.begin() + 2, lines.end() - 1);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(SplitFavoriteLines(removed), expected);
    EXPECT_EQ(SplitFavoriteLines(removed).size(), 2498 + BadLines.size());
}

TEST(FavoritesFile, DroppingRemovedNamesKeepsTheOrderOfTheListing) {
    CandidateList list;
    const std::vector<FavoriteEntry> many = ManyEntries();
    ListFavorites(Text(LinesOf(many)), list);
    DropListedFavorites(list, std::vector{many[1], many[3]});
    EXPECT_EQ(list.Count, 1998);
    EXPECT_EQ(Listed(list)[1], many[2]);
    EXPECT_EQ(Listed(list)[2], many[4]);
}

// Random bytes, mostly the ones the format is made of: listing shows only names of families the
// table holds, and adding then removing them gives back the written form of every other line.
TEST(FavoritesFile, RandomBytesNeitherCrashNorLoseLines) {
    std::mt19937 random(12);
    const std::string alphabet = std::string("0123456789,,\r\n\n", 15) + std::string(1, '\0') +
                                 "\xff\x80"
                                 "a ";
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 3000, ' ');
        for (char& byte : text) {
            byte = random() % 4 ? alphabet[random() % alphabet.size()]
                                : static_cast<char>(random() % 256);
        }
        CandidateList list;
        ListFavorites(text, list);
        ASSERT_LE(list.Count, CandidateList::Capacity);
        const std::vector<FavoriteEntry> listed = Listed(list);
        for (const FavoriteEntry& entry : listed) {
            ASSERT_LE(entry.Family >> 16, static_cast<FamilyCode>(CharCount));
            ASSERT_LE(entry.Family & 0xFFFF, static_cast<FamilyCode>(CharCount));
            FamilyFromCode(entry.Family);
        }
        const std::string written = AddFavorites(text, {});
        EXPECT_EQ(AddFavorites(written, listed), written);
        const std::string removed = RemoveFavorites(written, listed);
        ListFavorites(removed, list);
        EXPECT_EQ(list.Count, 0);
        EXPECT_EQ(AddFavorites(removed, {}), removed);
    }
}

TEST(FavoritesFile, FailureMessagesNameTheFileAndTheReason) {
    const std::error_code denied = std::make_error_code(std::errc::permission_denied);
    EXPECT_EQ(FavoritesWriteFailureText("/data/Morvenda/Favorites.morvenda", denied),
              "无法保存收藏夹：/data/Morvenda/Favorites.morvenda（没有权限，或文件是只读的）");
    EXPECT_EQ(FavoritesReadFailureText("/f", denied),
              "无法读取收藏夹：/f（没有权限，或文件是只读的）");
}

}  // namespace
}  // namespace morvenda
